#include "foundation/jxgrid.h"
#include "foundation/resulticons.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>

#include <cstdlib>
#include <string>

namespace {

constexpr int Rows = 3000;
constexpr int Cols = 12;

// A main-list sized grid, shown so that painting is real.
class ShownGrid {
public:
    ShownGrid()
    {
        grid.SetImageList(&icons);
        grid.SetColCount(Cols);
        for (int col = 0; col < Cols; ++col) {
            TColsProperty& column = grid.GetColsProperty(col);
            column.Width = col < 6 ? "16%" : "30";
            column.Align = 2;
            column.IsImage = col == 6;
            grid.SetCell(0, col, "Header " + std::to_string(col));
        }
        grid.resize(1000, 560);
        grid.show();
        QApplication::processEvents();
    }

    void Fill()
    {
        grid.SetRowCount(Rows + 1);
        for (int row = 1; row <= Rows; ++row)
            for (int col = 0; col < Cols; ++col) {
                grid.SetCell(row, col, col == 6 ? std::to_string(row % 4) : "Cell " + std::to_string(row));
                TCellsProperty& cell = grid.GetCellsProperty(row, col);
                cell.Bold = col == 3;
                cell.FontColor = col == 3 ? ResultColor(row % 4) : 0;
            }
        grid.Invalidate();
    }

    TImageList icons = CreateResultIcons();
    TJXGrid grid;
};

void BM_Fill3000Rows(benchmark::State& state)
{
    ShownGrid shown;
    for (auto _ : state) {
        shown.grid.SetRowCount(2);
        shown.Fill();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_Fill3000Rows)->Unit(benchmark::kMillisecond);

void BM_Repaint3000Rows(benchmark::State& state)
{
    ShownGrid shown;
    shown.Fill();
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.grid.viewport()->grab());
}
BENCHMARK(BM_Repaint3000Rows)->Unit(benchmark::kMillisecond);

void BM_ScrollPageAndRepaint(benchmark::State& state)
{
    ShownGrid shown;
    shown.Fill();
    QScrollBar* bar = shown.grid.verticalScrollBar();
    for (auto _ : state) {
        bar->setValue((bar->value() + bar->pageStep()) % (bar->maximum() + 1));
        benchmark::DoNotOptimize(shown.grid.viewport()->grab());
    }
}
BENCHMARK(BM_ScrollPageAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

// Painting needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
