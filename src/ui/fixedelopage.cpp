#include "ui/fixedelopage.h"

#include "platform/controltext.h"
#include "platform/sysutils.h"
#include "platform/tmemo.h"
#include "predict/dbelorang.h"
#include "ui/formcontrols.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace {

// Ratings a memo lists, the oldest first: the fifth latest down to the latest.
constexpr int RatingsBack = 4;

constexpr int Left = 40;
constexpr int RivalLeft = 380;
constexpr int ColumnWidth = 290;

void ListRatings(QPlainTextEdit* memo, int teamID)
{
    memo->clear();
    for (int n = RatingsBack; n >= 0; --n)
        memo->appendPlainText(QString::number(DBEloRang::GetRangBack(teamID, n)));
}

}  // namespace

TFixedEloPage::TFixedEloPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabElo", teams)
{
    BuildLayout();
}

void TFixedEloPage::BuildLayout()
{
    const auto addLabel = [this](const char* name, int left, int top, int pixels) {
        auto* label = AddControl<QLabel>(this, name, QRect(left, top, ColumnWidth, pixels + 10));
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(pixels);
        font.setBold(true);
        label->setFont(font);
        return label;
    };
    lblR1 = addLabel("lblR1", Left, 10, 28);
    lblR2 = addLabel("lblR2", RivalLeft, 10, 28);
    lblRang1 = addLabel("lblRang1", Left, 52, 18);
    lblRang2 = addLabel("lblRang2", RivalLeft, 52, 18);
    Label21 = addLabel("Label21", 290, 90, 11);
    Label22 = addLabel("Label22", 290, 110, 11);
    Label23 = addLabel("Label23", 290, 130, 11);
    Memo1 = AddControl<TMemo>(this, "Memo1", QRect(Left, 160, ColumnWidth, 200));
    Memo2 = AddControl<TMemo>(this, "Memo2", QRect(RivalLeft, 160, ColumnWidth, 200));
    // Pressing it does nothing.
    btnEloPredict = AddControl<QPushButton>(this, "btnEloPredict", QRect(290, 10, 130, 24));
    for (QWidget* hidden : std::initializer_list<QWidget*>{Label21, Label22, Label23, btnEloPredict})
        hidden->hide();
    for (QPlainTextEdit* memo : {Memo1, Memo2})
        memo->setReadOnly(true);
}

void TFixedEloPage::ShowElo()
{
    const int trend1 = DBEloRang::GetRangTrend(Teams.team1ID);
    const int trend2 = DBEloRang::GetRangTrend(Teams.team2ID);
    SetCaption(lblRang1, IntToStr(trend1));
    SetCaption(lblRang2, IntToStr(trend2));
    SetCaption(Label21, IntToStr(trend1 - trend2));
    SetCaption(Label23, IntToStr(int(trend1 > 0) + int(trend2 > 0)));
    ListRatings(Memo1, Teams.team1ID);
    ListRatings(Memo2, Teams.team2ID);
    const int rating1 = DBEloRang::GetRang(Teams.team1ID);
    const int rating2 = DBEloRang::GetRang(Teams.team2ID);
    SetCaption(lblR1, IntToStr(rating1));
    SetCaption(lblR2, IntToStr(rating2));
    SetCaption(Label22, rating1 > rating2 ? "ДА" : "НЕТ");
}
