// The match card on the 300,000-match database, for the pair that met most often:
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
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbase.h"
#include "data/dbconnect.h"
#include "foundation/jxgrid.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"

namespace {

// The home and away team of the pairing played most often.
std::pair<int, int> BusiestPair()
{
    DBase pairs;
    pairs.Select("SELECT TOP 1 Team1ID, Team2ID FROM Fixed GROUP BY Team1ID, Team2ID ORDER BY Count(*) DESC");
    TADOQuery* row = pairs.GetQuery();
    return {row->FieldByName("Team1ID")->AsInteger(), row->FieldByName("Team2ID")->AsInteger()};
}

// The card of the pair, shown with its preview filled.
struct ShownCard {
    ShownCard()
    {
        const auto [team1, team2] = BusiestPair();
        card.SetTeams(team1, team2);
        card.show();
        QApplication::processEvents();
    }

    TDlgFixed card{nullptr};
};

// Times call, with the card painting after it, beside the statements it ran read with
// the bare API; the counters add the number of statements.
void BesideBare(benchmark::State& state, const std::function<void()>& call)
{
    const auto shown = [&] {
        call();
        QApplication::processEvents();
    };
    std::vector<std::string> statements;
    {
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        shown();
        statements = recorder.Statements();
    }
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(state, shown, [&] {
        for (const std::string& statement : statements)
            ReadBare(bare.get(), statement);
    });
    state.counters["statements"] = static_cast<double>(statements.size());
}

void BM_SetTeamsAndPreview(benchmark::State& state)
{
    ShownCard shown;
    BesideBare(state, [&] { shown.card.btnChangeTeam->click(); });
    state.counters["meetings"] = shown.card.findChild<TJXGrid*>("gridFixed")->RowCount() - 1;
}
BENCHMARK(BM_SetTeamsAndPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The shown page at the argument's tab index.
void BM_ShowPage(benchmark::State& state)
{
    ShownCard shown;
    QTabWidget* pages = shown.card.page1;
    pages->setCurrentIndex(static_cast<int>(state.range(0)));
    auto* page = qobject_cast<TCardPage*>(pages->currentWidget());
    state.SetLabel(page->objectName().toStdString());
    BesideBare(state, [&] { page->Fill(); });
}
BENCHMARK(BM_ShowPage)->Arg(2)->Arg(3)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The card needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
