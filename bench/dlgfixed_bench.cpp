// The match card on the 300,000-match database, for the pairing played most often:
// SetTeams with the preview (what the swap button runs), and the fill of every other
// shown page, each beside the same SQL of data.mdb read with the bare SQLite API. The
// card is shown, so its grids lay out and paint as the user sees them.
#include "ui/dlgfixed.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include <cstdlib>
#include <functional>

#include "benchsupport.h"
#include "foundation/jxgrid.h"

namespace {

// The card of the home and away team of the pairing played most often, shown with its
// preview filled.
struct ShownCard {
    ShownCard()
    {
        const char* const busiest = "SELECT TOP 1 Team1ID, Team2ID FROM Fixed GROUP BY Team1ID, Team2ID ORDER BY "
                                    "Count(*) DESC";
        card.SetTeams(FirstInteger(busiest, "Team1ID"), FirstInteger(busiest, "Team2ID"));
        card.show();
        QApplication::processEvents();
    }

    TDlgFixed card{nullptr};
};

// Two teams, their standings rows and last matches, and the head-to-head list.
void BM_SetTeamsAndPreview(benchmark::State& state)
{
    ShownCard shown;
    PaintedBesideBare(state, [&] { shown.card.btnChangeTeam->click(); }, 11);
    state.counters["meetings"] = shown.card.findChild<TJXGrid*>("gridFixed")->RowCount() - 1;
}
BENCHMARK(BM_SetTeamsAndPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The shown page at the tab index of the first argument, which runs the second's
// number of statements.
void BM_ShowPage(benchmark::State& state)
{
    ShownCard shown;
    QTabWidget* pages = shown.card.page1;
    pages->setCurrentIndex(static_cast<int>(state.range(0)));
    auto* page = qobject_cast<TCardPage*>(pages->currentWidget());
    state.SetLabel(page->objectName().toStdString());
    PaintedBesideBare(state, [&] { page->Fill(); }, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_ShowPage)
        ->Args({2, 2})
        ->Args({3, 4})
        ->Args({4, 2})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0);

}  // namespace

// The card needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
