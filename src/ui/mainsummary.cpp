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
    Shared.lblRLGame = AddLabel("lblRLGame", "Игр:", false);
    Shared.lblRGame = AddLabel("lblRGame", "0", true);
    Shared.lblRLWDL = AddLabel("lblRLWDL", "ВНП:", false);
    Shared.lblRWDL = AddLabel("lblRWDL", "+0=0-0", true);
    Shared.lblRLGoals = AddLabel("lblRLGoals", "Мячи:", false);
    Shared.lblRGoals = AddLabel("lblRGoals", "0:0", true);
    Shared.lblRLUnOv = AddLabel("lblRLUnOv", "ТМ-ТБ:", false);
    Shared.lblRTotal = AddLabel("lblRTotal", "0-0", true);
    lblRLWgNg = AddLabel("lblRLWgNg", "СЗб-БЗб:", false);
    lblRByScore = AddLabel("lblRByScore", "0-0", true);
    lblRLWmNm = AddLabel("lblRLWmNm", "СПр-БПр:", false);
    lblRByMiss = AddLabel("lblRByMiss", "0-0", true);
    lblRLMinus = AddLabel("lblRLMinus", "-1.5:", false);
    lblRMinus = AddLabel("lblRMinus", "0", true);
    lblRLPlus = AddLabel("lblRLPlus", "+1.5:", false);
    lblRPlus = AddLabel("lblRPlus", "0", true);
    Shared.lblRLAvGAvM = AddLabel("lblRLAvGAvM", "СрЗб-СрПр:", false);
    Shared.lblRAvgGoals = AddLabel("lblRAvgGoals", "0-0", true);
}

void TMainSummary::ApplyLanguage(DBSetting* setting)
{
    Shared.ApplyLanguage();
    SetCaption(lblRLWgNg, setting->GetLangText(1035) + ":");
    SetHint(lblRLWgNg, setting->GetLangText(1039));
    SetCaption(lblRLWmNm, setting->GetLangText(1036) + ":");
    SetHint(lblRLWmNm, setting->GetLangText(1040));
    Centre();
}

void TMainSummary::Centre()
{
    panelResult->adjustSize();
    panelResult->move((width() - panelResult->width()) / 2, (height() - panelResult->height()) / 2);
}

QLabel* TMainSummary::AddLabel(const char* name, const char* text, bool value)
{
    return AddSummaryLabel(panelResult, name, text, value);
}
