#include "ui/teamsquadpage.h"

#include "data/dbplayers.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/adofield.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/sysutils.h"
#include "presenters/gridfill.h"
#include "ui/dlgform.h"
#include "ui/squadrows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr ColumnLayout SquadColumns[] = {{"80", 1268},  {"100%", 1269, "", 0}, {"80", 1270}, {"120", 1271},
                                         {"80", 1272},  {"80", 1273},          {"80", 1274}};
constexpr int NationalColumn = 3;

constexpr int SkillStep = 20;
constexpr int EditWidth = 50;
constexpr int ButtonPadding = 20;

}  // namespace

TTeamSquadPage::TTeamSquadPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabPlayers", team)
{
    BuildLayout();
    SetupGridColumns(*gridPlayers, SquadColumns);
    ConnectHandler(txtMinSkills, &QLineEdit::textChanged, this, [this] { Fill(); });
    ConnectHandler(btnAvgSkills, &QPushButton::clicked, this, [this] { SetMinSkills(AvgSkills); });
    ConnectHandler(btnMinSkills, &QPushButton::clicked, this, [this] { SetMinSkills(0); });
    ConnectHandler(Button2, &QPushButton::clicked, this, [this] { SetMinSkills(AvgSkills / 2); });
    ConnectHandler(btnPlus, &QPushButton::clicked, this, [this] { SetMinSkills(MinSkills() + SkillStep); });
    ConnectHandler(btnMinus, &QPushButton::clicked, this, [this] { SetMinSkills(MinSkills() - SkillStep); });
    ConnectHandler(btnForm, &QPushButton::clicked, this, &TTeamSquadPage::btnFormClick);
}

void TTeamSquadPage::BuildLayout()
{
    lblMinSkills = new QLabel(this);
    lblMinSkills->setObjectName("lblMinSkills");
    SetCaption(lblMinSkills, LangText(1262));
    txtMinSkills = new QLineEdit("0", this);
    txtMinSkills->setObjectName("txtMinSkills");
    txtMinSkills->setFixedWidth(EditWidth);
    // Buttons as wide as their captions, so that the row holds them all.
    const auto addButton = [this](const char* name, const AnsiString& caption) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        SetCaption(button, caption);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + ButtonPadding);
        return button;
    };
    btnAvgSkills = addButton("btnAvgSkills", "Средний");
    btnMinSkills = addButton("btnMinSkills", "Мин");
    Button2 = addButton("Button2", "Средний/2");
    btnPlus = addButton("btnPlus", "+" + IntToStr(SkillStep));
    btnMinus = addButton("btnMinus", "-" + IntToStr(SkillStep));
    btnForm = addButton("btnForm", LangText(1263));
    gridPlayers = new TJXGrid(this);
    gridPlayers->setObjectName("gridPlayers");
    AddPageLayout(this, {lblMinSkills, txtMinSkills, btnAvgSkills, btnMinSkills, Button2, btnPlus, btnMinus, btnForm})
            ->addWidget(gridPlayers, 1);
}

void TTeamSquadPage::SetTeam()
{
    DBase average;
    average.Select("SELECT Avg(Players.Skills) AS AvgSkills FROM Players INNER JOIN PlayersSquad ON "
                   "Players.PlayerID = PlayersSquad.PlayerID GROUP BY PlayersSquad.TeamID HAVING "
                   "(((PlayersSquad.TeamID)=" +
                   IntToStr(TeamID()) + "))");
    AvgSkills = average.Count() > 0 ? average.GetQuery()->FieldByName("AvgSkills")->AsInteger() : 0;
}

int TTeamSquadPage::MinSkills() const
{
    return StrToIntDef(txtMinSkills->text().toStdString(), 0);
}

void TTeamSquadPage::SetMinSkills(int value)
{
    txtMinSkills->setText(QString::number(value));
}

void TTeamSquadPage::Fill()
{
    DBPlayers players;
    players.OpenSquad(TeamID(), MinSkills(), SquadSlot::WholeSquad);
    FillSquadRows(*gridPlayers, players, Team->GetNationalID(), NationalColumn, [&]() -> std::vector<AnsiString> {
        return {players.GetPosName(),       players.GetPlayerName(),         IntToStr(players.GetSkills()),
                players.GetNationalName(),  IntToStr(players.GetAge()),      DateTimeToStr(players.GetBorn()),
                IntToStr(players.GetHeight())};
    });
}

void TTeamSquadPage::btnFormClick()
{
    TDlgForm form(window(), Team);
    form.Start(MinSkills());
    form.ShowModal();
}
