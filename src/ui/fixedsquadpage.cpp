#include "ui/fixedsquadpage.h"

#include "data/dbplayers.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/sysutils.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"
#include "ui/squadrows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


namespace {

constexpr ColumnLayout SquadColumns[] = {{"50", 1275}, {"100%", 1276, "", 0}, {"30", 1277},
                                         {"30", 1278}, {"30", 1279},          {"30", 1280}};
constexpr int NationalColumn = 3;

constexpr int SkillStep = 20;

constexpr int Left = 10;
constexpr QSize GridSize(336, 343);
constexpr int GridTop = 34;

}  // namespace

TFixedSquadPage::TFixedSquadPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabPlayers", teams)
{
    BuildLayout();
    for (TJXGrid* grid : {gridPlayers1, gridPlayers2})
        SetupGridColumns(*grid, SquadColumns);
    ConnectHandler(btnMinus, &QPushButton::clicked, this, [this] { AddToMinSkills(-SkillStep); });
    ConnectHandler(btnPlus, &QPushButton::clicked, this, [this] { AddToMinSkills(SkillStep); });
}

void TFixedSquadPage::BuildLayout()
{
    lblMinSkills = AddControl<QLabel>(this, "lblMinSkills", QRect(Left, 8, 140, 18));
    SetCaption(lblMinSkills, LangText(1262));
    txtMinSkills = AddControl<QLineEdit>(this, "txtMinSkills", QRect(Left + 144, 5, 50, 22));
    txtMinSkills->setText("0");
    const auto addButton = [this](const char* name, int left, int width, const AnsiString& caption) {
        auto* button = AddControl<QPushButton>(this, name, QRect(left, 4, width, 24));
        SetCaption(button, caption);
        return button;
    };
    btnMinus = addButton("btnMinus", Left + 200, 40, "-" + IntToStr(SkillStep));
    btnPlus = addButton("btnPlus", Left + 244, 40, "+" + IntToStr(SkillStep));
    btnForm = addButton("btnForm", Left + 292, 120, LangText(1263));
    gridPlayers1 = AddControl<TJXGrid>(this, "gridPlayers1", QRect(QPoint(Left, GridTop), GridSize));
    gridPlayers2 = AddControl<TJXGrid>(this, "gridPlayers2",
                                       QRect(QPoint(Left + GridSize.width() + 8, GridTop), GridSize));
}

void TFixedSquadPage::Fill()
{
    ShowSquad(gridPlayers1, *Teams.team1);
    ShowSquad(gridPlayers2, *Teams.team2);
}

void TFixedSquadPage::ShowSquad(TJXGrid* grid, DBTeam& team)
{
    DBPlayers players;
    players.OpenSquad(team.GetTeamID(), MinSkills(), SquadSlot::WholeSquad);
    FillSquadRows(*grid, players, team.GetNationalID(), NationalColumn, [&]() -> std::vector<AnsiString> {
        return {players.GetPosName(),          players.GetPlayerName(), IntToStr(players.GetSkills()),
                players.GetNationalID(),       IntToStr(players.GetAge()), IntToStr(players.GetHeight())};
    });
}

int TFixedSquadPage::MinSkills() const
{
    return StrToIntDef(txtMinSkills->text().toStdString(), 0);
}

void TFixedSquadPage::AddToMinSkills(int step)
{
    txtMinSkills->setText(QString::number(MinSkills() + step));
}
