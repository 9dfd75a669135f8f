#include "ui/resultsummary.h"

#include "foundation/jxmath.h"
#include "platform/controltext.h"
#include "platform/sysutils.h"
#include "presenters/dbfixedgrid.h"
#include "presenters/gridfill.h"

#include <QLabel>
#include <QLayout>
#include <QWidget>

void ResultSummaryLabels::ApplyLanguage() const
{
    SetCaption(lblRLGame, LangText(1031) + ":");
    SetCaption(lblRLWDL, LangText(1032) + ":");
    SetCaption(lblRLGoals, LangText(1033) + ":");
    SetCaption(lblRLUnOv, LangText(1034) + ":");
    SetHint(lblRLUnOv, LangText(1038));
    SetCaption(lblRLAvGAvM, LangText(1037) + ":");
    SetHint(lblRLAvGAvM, LangText(1041));
}

void ResultSummaryLabels::Show(const MatchCounters& c) const
{
    const int g = c.games;
    SetCaption(lblRGame, IntToStr(g));
    SetCaption(lblRWDL, "+" + IntToStr(c.wins) + "=" + IntToStr(g - c.wins - c.losses) + "-" + IntToStr(c.losses));
    SetCaption(lblRGoals, IntToStr(c.goalsFor) + ":" + IntToStr(c.goalsAgainst));
    SetCaption(lblRTotal, IntToStr(g - c.overs) + "-" + IntToStr(c.overs));
    // Averages of no match are shown as nothing scored and nothing conceded.
    const auto average = [g](int goals) { return g == 0 ? AnsiString("0") : FloatToStrRound(double(goals) / g, 2); };
    SetCaption(lblRAvgGoals, average(c.goalsFor) + "-" + average(c.goalsAgainst));
}

QLabel* AddSummaryLabel(QWidget* panel, const char* name, const char* text, bool value)
{
    auto* label = new QLabel(QString::fromUtf8(text), panel);
    label->setObjectName(name);
    if (value) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    panel->layout()->addWidget(label);
    return label;
}
