#include "ui/fixedseasonspage.h"

#include "data/codes.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "presenters/dbtablegrid.h"
#include "ui/formcontrols.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int Left = 4;
constexpr QSize GridSize(575, 145);
constexpr int CaptionHeight = 16;
constexpr int OptionsLeft = Left + 575 + 6;
constexpr int OptionsWidth = 122;

constexpr int TypeIDs[] = {ChampTypeID::League, ChampTypeID::Cup, ChampTypeID::International};

}  // namespace

TFixedSeasonsPage::TFixedSeasonsPage(QWidget* parent, FixedTeams& teams)
    : TFixedPage(parent, "tabStatsSeasons", teams)
{
    BuildLayout();
    StatsGrid = std::make_unique<DBTableGrid>(gridStats);
    StatsGrid->SetupSeasonColumns();
    StatsRivalGrid = std::make_unique<DBTableGrid>(gridStatsRival);
    StatsRivalGrid->SetupSeasonColumns();
    Sides.OnChecked(this, [this] { ShowSeasonStats(); });
    Types.OnChecked(this, [this] { ShowSeasonStats(); });
    ConnectHandler(chkStatsNoField1, &QCheckBox::toggled, this, &TFixedSeasonsPage::ShowSeasonStats);
}

TFixedSeasonsPage::~TFixedSeasonsPage() = default;

void TFixedSeasonsPage::BuildLayout()
{
    lblTeam = AddControl<QLabel>(this, "lblTeam", QRect(Left, 4, GridSize.width(), CaptionHeight));
    gridStats = AddControl<TJXGrid>(this, "gridStats", QRect(QPoint(Left, 22), GridSize));
    lblTeamRival = AddControl<QLabel>(this, "lblTeamRival", QRect(Left, 172, GridSize.width(), CaptionHeight));
    gridStatsRival = AddControl<TJXGrid>(this, "gridStatsRival", QRect(QPoint(Left, 190), GridSize));

    Sides = AddRadioRow(this, nullptr,
                        {{"btnStatsFieldAll", &btnStatsFieldAll}, {"btnStatsFieldHomeAway", &btnStatsFieldHomeAway}});
    Sides.SetCaptions({1092, 1183});
    StackRadios(Sides, QRect(OptionsLeft, 16, OptionsWidth, 52));
    Types = AddRadioRow(this, nullptr, {{"btnIsChamp", &btnIsChamp}, {"btnIsCup", &btnIsCup}, {"btnIsEuro", &btnIsEuro}});
    Types.SetCaptions({1133, 1134, 1135});
    StackRadios(Types, QRect(OptionsLeft, 76, OptionsWidth, 74));
    // Its choice changes nothing on the page.
    chkStatsNoField1 = AddControl<QCheckBox>(this, "chkStatsNoField1", QRect(OptionsLeft, 160, OptionsWidth, 20));
    chkStatsNoField1->hide();
}

void TFixedSeasonsPage::ShowSeasonStats()
{
    const int typeID = TypeIDs[std::max(Types.Checked(), 0)];
    const bool homeAway = btnStatsFieldHomeAway->isChecked();
    SetSideCaptions(lblTeam, lblTeamRival, homeAway);
    StatsGrid->Table()->SelectTeamSeasons(Teams.team1ID, homeAway ? FieldCode::Home : FieldCode::Both, typeID);
    StatsGrid->FillSeasonStats(false, nullptr, 0);
    StatsRivalGrid->Table()->SelectTeamSeasons(Teams.team2ID, homeAway ? FieldCode::Away : FieldCode::Both, typeID);
    StatsRivalGrid->FillSeasonStats(false, nullptr, 0);
}
