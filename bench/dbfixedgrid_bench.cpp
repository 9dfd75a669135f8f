// The main window's match list on the 300,000-match database: a tournament view over
// every season (several thousand matches) filled into the shown grid, and repainted.
#include "presenters/dbfixedgrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "benchsupport.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "foundation/jxgrid.h"
#include "foundation/resulticons.h"
#include "sampledata/sampleids.h"

namespace {

constexpr int ListedMatches = 3000;

// The main window's list, shown, with the tournament view of one league over every
// season opened the way the central refresh opens it.
class MainList {
public:
    MainList()
    {
        grid.SetImageList(&icons);
        grid.resize(799, 400);
        grid.show();
        presenter.SetupColumns(true);
        filter.AddChamp(SampleIds::League(SampleIds::England), 0);
        Open();
        QApplication::processEvents();
    }

    void Open()
    {
        filter.Update();
        presenter.Fixed()->OpenByFilter(&filter);
    }

    // Fills the list as the refresh of a tournament view does, and lets it paint.
    void Fill()
    {
        presenter.FillFixedOdds(false);
        QApplication::processEvents();
    }

    TImageList icons = CreateResultIcons();
    TJXGrid grid;
    DBFixedGrid presenter{&grid};
    DBFilter filter;
};

// Made by main, which outlives every benchmark and is outlived by the application.
MainList* mainList = nullptr;

void ReportRows(benchmark::State& state)
{
    const int rows = mainList->grid.RowCount() - 1;
    if (rows < ListedMatches)
        state.SkipWithError("the tournament view holds fewer matches than the benchmark needs");
    state.counters["matches"] = rows;
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_FillMainList(benchmark::State& state)
{
    for (auto _ : state)
        mainList->Fill();
    ReportRows(state);
}
BENCHMARK(BM_FillMainList)->Unit(benchmark::kMillisecond);

void BM_OpenAndFillMainList(benchmark::State& state)
{
    for (auto _ : state) {
        mainList->Open();
        mainList->Fill();
    }
    ReportRows(state);
}
BENCHMARK(BM_OpenAndFillMainList)->Unit(benchmark::kMillisecond);

void BM_RepaintMainList(benchmark::State& state)
{
    mainList->Fill();
    for (auto _ : state)
        benchmark::DoNotOptimize(mainList->grid.viewport()->grab());
    ReportRows(state);
}
BENCHMARK(BM_RepaintMainList)->Unit(benchmark::kMillisecond);

}  // namespace

// Painting needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const BenchProgramFolder folder;
    MainList list;
    mainList = &list;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
