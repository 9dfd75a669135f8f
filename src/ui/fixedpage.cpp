#include "ui/fixedpage.h"

#include "data/dbteam.h"
#include "platform/controltext.h"
#include "presenters/gridfill.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

FixedTeams::FixedTeams() : team1(std::make_unique<DBTeam>()), team2(std::make_unique<DBTeam>()) {}

FixedTeams::~FixedTeams() = default;

TFixedPage::TFixedPage(QWidget* parent, const char* name, FixedTeams& teams) : TCardPage(parent, name), Teams(teams)
{
}

void TFixedPage::SetSideCaptions(QLabel* team1Label, QLabel* team2Label, bool homeAway) const
{
    const auto caption = [](DBTeam& team, int side) { return team.GetName() + " (" + LangText(side) + "):"; };
    SetCaption(team1Label, caption(*Teams.team1, homeAway ? 1093 : 1092));
    SetCaption(team2Label, caption(*Teams.team2, homeAway ? 1094 : 1092));
}

void StackRadios(const RadioRow& row, const QRect& geometry)
{
    delete row.frame->layout();
    auto* column = new QVBoxLayout(row.frame);
    column->setContentsMargins(4, 2, 4, 2);
    for (QRadioButton* radio : row.radios)
        column->addWidget(radio);
    row.frame->setGeometry(geometry);
}
