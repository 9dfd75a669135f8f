#include "ui/teamseriespage.h"

#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "presenters/dbseriesgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int SeriesRows = 14;
constexpr int ScoreRows = 3;

}  // namespace

TTeamSeriesPage::TTeamSeriesPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabSeries", team)
{
    BuildLayout();
    SeriesGrid = std::make_unique<DBSeriesGrid>(gridSeries, nullptr, gridScore);
    SeriesGrid->SetupSeriesColumns();
    SeriesGrid->SetupScoreColumns();
    Sides.OnChecked(this, [this] { Fill(); });
    Types.OnToggled(this, [this] { Fill(); });
}

TTeamSeriesPage::~TTeamSeriesPage() = default;

void TTeamSeriesPage::BuildLayout()
{
    Sides = AddSideRadios(
            this, nullptr,
            {{"btnSerFldAll", &btnSerFldAll}, {"btnSerFldHome", &btnSerFldHome}, {"btnSerFldAway", &btnSerFldAway}});
    Types = AddTypeBoxes(this, {{"chkSerChamp", &chkSerChamp}, {"chkSerCup", &chkSerCup}, {"chkSerLiga", &chkSerLiga}});
    // Runs of league matches unless the user asks for more.
    chkSerCup->setChecked(false);
    chkSerLiga->setChecked(false);

    gridSeries = new TJXGrid(this);
    gridSeries->setObjectName("gridSeries");
    gridScore = new TJXGrid(this);
    gridScore->setObjectName("gridScore");
    for (auto [grid, rows] : {std::pair{gridSeries, SeriesRows}, std::pair{gridScore, ScoreRows}}) {
        grid->SetRowCount(rows);
        grid->setFixedHeight(rows * grid->DefaultRowHeight() + 2 * grid->frameWidth());
    }
    QVBoxLayout* page = AddPageLayout(this, {Sides.frame, Types.frame});
    page->addWidget(gridSeries);
    page->addWidget(gridScore);
    page->addStretch();
}

void TTeamSeriesPage::Fill()
{
    // No box keeps every match; all three keep the three types only.
    SeriesGrid->Data->Calc(TeamID(), DBSetting::Global()->ReadInteger("SeriesSeason"), Types.TypeList(),
                           Sides.Field());
    SeriesGrid->FillSeries();
    SeriesGrid->FillScores();
}
