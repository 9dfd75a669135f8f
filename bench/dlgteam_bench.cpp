// The team card on the 300,000-match database: showing the team with the most matches
// and filling each shown tab for it, as the user sees the tab, each beside the same SQL
// read with the bare SQLite API.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include <cstdlib>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "ui/cardform.h"
#include "ui/dlgteam.h"
#include "ui/teamlastpage.h"
#include "ui/teamseasonspage.h"
#include "ui/teamseriespage.h"
#include "ui/teamtourpage.h"

namespace {

// The card of the busiest team, shown on its own.
struct ShownCard {
    ShownCard() : card(nullptr, &history)
    {
        card.SetTeam(BusiestTeam());
        card.show();
        QApplication::processEvents();
    }

    DBFilter history;
    TDlgTeam card;
};

void BM_SetTeam(benchmark::State& state)
{
    ShownCard shown;
    const int team = BusiestTeam();
    // The team, whether it is a favourite, and its squad's average skill.
    BesideBare(state, [&] { shown.card.SetTeam(team); }, 3);
}
BENCHMARK(BM_SetTeam)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A shown tab of the card and its grid, whose rows that show something in column 1
// are counted.
struct Tab {
    TCardPage* page;
    TJXGrid* grid;
};

// Fills the tab as a change of tab does and lets it paint; one select each.
void BenchTab(benchmark::State& state, Tab (*tabOf)(TDlgTeam&))
{
    ShownCard shown;
    const Tab tab = tabOf(shown.card);
    shown.card.page1->setCurrentWidget(tab.page);
    BesideBare(
            state,
            [&] {
                tab.page->Fill();
                QApplication::processEvents();
            },
            1);
    int rows = 0;
    for (int row = 1; row < tab.grid->RowCount(); ++row)
        rows += !tab.grid->Cell(row, 1).empty();
    state.counters["rows"] = rows;
}

void BM_ShowLastMatches(benchmark::State& state)
{
    BenchTab(state, [](TDlgTeam& card) { return Tab{card.tabLast, card.tabLast->gridLastFixed}; });
}
BENCHMARK(BM_ShowLastMatches)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_ShowSeasonStats(benchmark::State& state)
{
    BenchTab(state, [](TDlgTeam& card) { return Tab{card.tabStatsSeasons, card.tabStatsSeasons->gridStatsSeasons}; });
}
BENCHMARK(BM_ShowSeasonStats)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The runs since the settings' season (installed: the newest); the rows are the run kinds.
void BM_ShowSeries(benchmark::State& state)
{
    BenchTab(state, [](TDlgTeam& card) { return Tab{card.tabSeries, card.tabSeries->gridSeries}; });
}
BENCHMARK(BM_ShowSeries)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The worst case: the runs over every season of the database.
void BM_ShowSeriesOfEverySeason(benchmark::State& state)
{
    DBSetting* setting = DBSetting::Global();
    const int season = setting->ReadInteger("SeriesSeason");
    setting->WriteInteger("SeriesSeason", 0);
    BM_ShowSeries(state);
    setting->WriteInteger("SeriesSeason", season);
}
BENCHMARK(BM_ShowSeriesOfEverySeason)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The rows are the mark kinds.
void BM_ShowTourByTour(benchmark::State& state)
{
    BenchTab(state, [](TDlgTeam& card) { return Tab{card.tabTour, card.tabTour->gridTour}; });
}
BENCHMARK(BM_ShowTourByTour)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The sample's coming matches start on the day the database was built: they are moved
// to start today, so that the calendar lists them.
void BM_ShowCalendar(benchmark::State& state)
{
    DBConnect::GetData()->ExecSQL("UPDATE Calendar SET [Date]=[Date]+(Date()-(SELECT MIN([Date]) FROM Calendar))",
                                  false);
    BenchTab(state, [](TDlgTeam& card) { return Tab{card.tabCalendar, card.gridCalendar}; });
}
BENCHMARK(BM_ShowCalendar)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The windows need a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
