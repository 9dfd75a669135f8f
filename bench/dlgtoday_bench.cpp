// The nearest-matches window on the 300,000-match database, its matches moved so that
// the newest were played five days ago and the coming ones start today: showing the
// window (which fills the day's tournaments) and each page's filler as the user runs
// it, each painted and beside the same SQL of data.mdb read with the bare SQLite API.
#include "ui/dlgtoday.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>

#include <cstdlib>
#include <functional>
#include <memory>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "foundation/jxgrid.h"
#include "platform/sysutils.h"
#include "ui/todaylastpage.h"
#include "ui/todaynextpage.h"
#include "ui/todayseriespage.h"
#include "ui/todaystatspage.h"

namespace {

// The database was made for BenchToday: moved once, its days are as near today.
void MoveMatchesToToday()
{
    static bool moved = false;
    if (moved)
        return;
    const std::string days = IntToStr(static_cast<int>(Date() - BenchToday));
    for (const char* table : {"Fixed", "Calendar"})
        DBConnect::GetData()->ExecSQL(std::string("UPDATE ") + table + " SET [Date]=[Date]+" + days, false);
    moved = true;
}

// The window as the main window shows it, without a remembered tournament of the day.
struct ShownToday {
    ShownToday()
    {
        MoveMatchesToToday();
        today->show();
        QApplication::processEvents();
    }

    DBFilter history;
    std::unique_ptr<TDlgToday> today = std::make_unique<TDlgToday>(nullptr, &history);
};

// FormShow: the remembered values, the tournament, season and model lists, and the day's tournaments.
void BM_FormShow(benchmark::State& state)
{
    MoveMatchesToToday();
    DBFilter history;
    std::unique_ptr<TDlgToday> today = std::make_unique<TDlgToday>(nullptr, &history);
    PaintedBesideBare(
            state, [&] { today->show(); }, 3, [&] { today = std::make_unique<TDlgToday>(nullptr, &history); });
}
BENCHMARK(BM_FormShow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_ShowDayChamps(benchmark::State& state)
{
    ShownToday shown;
    TTodayNextPage* page = shown.today->tabNext;
    PaintedBesideBare(state, [&] { page->Fill(); }, 1);
    state.counters["tournaments"] = page->lstChamp->count();
}
BENCHMARK(BM_ShowDayChamps)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A click on another tournament of the day.
void BM_ShowDayMatches(benchmark::State& state)
{
    ShownToday shown;
    QListWidget* list = shown.today->tabNext->lstChamp;
    if (list->count() < 2) {
        state.SkipWithError("fewer than two tournaments play today");
        return;
    }
    PaintedBesideBare(state, [&] { list->setCurrentRow(list->currentRow() == 0 ? 1 : 0); }, 1);
    state.counters["matches"] = shown.today->tabNext->grid->RowCount() - 1;
}
BENCHMARK(BM_ShowDayMatches)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The longest period, 7 days, of every favourite tournament.
void BM_ShowLastMatches(benchmark::State& state)
{
    ShownToday shown;
    TTodayLastPage* page = shown.today->tabLastFixed;
    page->cboDays->setCurrentIndex(2);
    page->cboChampLast->setCurrentIndex(0);
    PaintedBesideBare(state, [&] { page->Fill(); }, 1);
    state.counters["matches"] = page->gridLastFixed->RowCount() - 1;
}
BENCHMARK(BM_ShowLastMatches)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The top list, the flag of the table and the chosen club's next match.
void BM_ShowSeries(benchmark::State& state)
{
    ShownToday shown;
    TTodaySeriesPage* page = shown.today->tabSeries;
    PaintedBesideBare(state, [&] { page->Fill(); }, 3);
    state.counters["clubs"] = page->gridAllSeries->RowCount() - 1;
}
BENCHMARK(BM_ShowSeries)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The newest season, or (argument 1) the row of every season.
void BM_ShowChampStats(benchmark::State& state)
{
    ShownToday shown;
    TTodayStatsPage* page = shown.today->tabStatsChamp;
    if (state.range(0) == 1) {
        const int every = page->cboStatsChamp->findText("All seasons");
        page->cboStatsChamp->setCurrentIndex(every);
        emit page->cboStatsChamp->activated(every);
    }
    state.SetLabel(page->cboStatsChamp->currentText().toStdString());
    PaintedBesideBare(state, [&] { page->Fill(); }, 1);
}
BENCHMARK(BM_ShowChampStats)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The window needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
