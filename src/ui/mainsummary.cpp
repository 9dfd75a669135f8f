#include "ui/mainsummary.h"

#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "ui/formfont.h"

#include <QHBoxLayout>
#include <QLabel>

TMainSummary::TMainSummary(QWidget* parent) : QWidget(parent)
{
    setObjectName("panelResultMain");
    setFixedHeight(24);
    // Narrowed, so that the figures of a whole league season fit the strip.
    SetFormFont(this, SmallFontPixels, CondensedStretch);
    panelResult = new QWidget(this);
    panelResult->setObjectName("panelResult");
    auto* row = new QHBoxLayout(panelResult);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    // Caption texts are shown until a language file is loaded; "-1.5:" and "+1.5:" stay.
    lblRLGame = AddLabel("lblRLGame", "Игр:", false);
    lblRGame = AddLabel("lblRGame", "0", true);
    lblRLWDL = AddLabel("lblRLWDL", "ВНП:", false);
    lblRWDL = AddLabel("lblRWDL", "+0=0-0", true);
    lblRLGoals = AddLabel("lblRLGoals", "Мячи:", false);
    lblRGoals = AddLabel("lblRGoals", "0:0", true);
    lblRLUnOv = AddLabel("lblRLUnOv", "ТМ-ТБ:", false);
    lblRTotal = AddLabel("lblRTotal", "0-0", true);
    lblRLWgNg = AddLabel("lblRLWgNg", "СЗб-БЗб:", false);
    lblRByScore = AddLabel("lblRByScore", "0-0", true);
    lblRLWmNm = AddLabel("lblRLWmNm", "СПр-БПр:", false);
    lblRByMiss = AddLabel("lblRByMiss", "0-0", true);
    lblRLMinus = AddLabel("lblRLMinus", "-1.5:", false);
    lblRMinus = AddLabel("lblRMinus", "0", true);
    lblRLPlus = AddLabel("lblRLPlus", "+1.5:", false);
    lblRPlus = AddLabel("lblRPlus", "0", true);
    lblRLAvGAvM = AddLabel("lblRLAvGAvM", "СрЗб-СрПр:", false);
    lblRAvgGoals = AddLabel("lblRAvgGoals", "0-0", true);
}

void TMainSummary::ApplyLanguage(DBSetting* setting)
{
    SetCaption(lblRLGame, setting->GetLangText(1031) + ":");
    SetCaption(lblRLWDL, setting->GetLangText(1032) + ":");
    SetCaption(lblRLGoals, setting->GetLangText(1033) + ":");
    SetCaption(lblRLUnOv, setting->GetLangText(1034) + ":");
    SetHint(lblRLUnOv, setting->GetLangText(1038));
    SetCaption(lblRLWgNg, setting->GetLangText(1035) + ":");
    SetHint(lblRLWgNg, setting->GetLangText(1039));
    SetCaption(lblRLWmNm, setting->GetLangText(1036) + ":");
    SetHint(lblRLWmNm, setting->GetLangText(1040));
    SetCaption(lblRLAvGAvM, setting->GetLangText(1037) + ":");
    SetHint(lblRLAvGAvM, setting->GetLangText(1041));
    Centre();
}

void TMainSummary::Centre()
{
    panelResult->adjustSize();
    panelResult->move((width() - panelResult->width()) / 2, (height() - panelResult->height()) / 2);
}

QLabel* TMainSummary::AddLabel(const char* name, const char* text, bool value)
{
    auto* label = new QLabel(QString::fromUtf8(text), panelResult);
    label->setObjectName(name);
    if (value) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    panelResult->layout()->addWidget(label);
    return label;
}
