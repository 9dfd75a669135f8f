#include "ui/fixedseriespage.h"

#include "foundation/jxgrid.h"
#include "presenters/dbseriesgrid.h"
#include "ui/formcontrols.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr int Left = 27;
constexpr int FullWidth = 657;
constexpr QSize SeriesSize(319, 253);
constexpr int SeriesTop = 34;
constexpr int ScoreTop = SeriesTop + 253 + 6;
constexpr int ScoreHeight = 55;
constexpr QSize OptionsSize(190, 28);

}  // namespace

TFixedSeriesPage::TFixedSeriesPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabSeriesScore", teams)
{
    BuildLayout();
    SeriesGrid = std::make_unique<DBSeriesGrid>(gridSeries, gridSeries2, gridScore);
    SeriesGrid->SetupMatchColumns();
    Sides.OnChecked(this, [this] { ShowSeriesScores(); });
}

TFixedSeriesPage::~TFixedSeriesPage() = default;

void TFixedSeriesPage::BuildLayout()
{
    Sides = AddRadioRow(this, nullptr,
                        {{"btnSeriesFldAll", &btnSeriesFldAll}, {"btnSeriesFldHomeAway", &btnSeriesFldHomeAway}});
    Sides.SetCaptions({1092, 1183});
    Sides.frame->setGeometry(QRect(QPoint(Left + FullWidth - OptionsSize.width(), 2), OptionsSize));
    gridSeries = AddControl<TJXGrid>(this, "gridSeries", QRect(QPoint(Left, SeriesTop), SeriesSize));
    gridSeries2 = AddControl<TJXGrid>(
            this, "gridSeries2", QRect(QPoint(Left + FullWidth - SeriesSize.width(), SeriesTop), SeriesSize));
    gridScore = AddControl<TJXGrid>(this, "gridScore", QRect(Left, ScoreTop, FullWidth, ScoreHeight));
}

void TFixedSeriesPage::ShowSeriesScores()
{
    SeriesGrid->FillMatch(Teams.team1ID, Teams.team2ID, btnSeriesFldAll->isChecked());
}
