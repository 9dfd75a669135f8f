// The pick export window on the 300,000-match database: RFF Export of the day with the
// most coming fixtures, as a click runs it (the three rule algorithms of every fixture,
// the grid and the upload to a loopback web host), beside the statements it ran read
// with the bare SQLite API.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>

#include <string>
#include <vector>

#include "benchsupport.h"
#include "foundation/jxgrid.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"
#include "research/dlgexportrff.h"
#include "updateservice/loopbackupdateservice.h"

namespace {

// Fixtures of the grid with at least one pick.
int RowsWithPicks(const TJXGrid& grid)
{
    int rows = 0;
    for (int row = 1; row < grid.RowCount(); ++row)
        rows += !(grid.Cell(row, 8) + grid.Cell(row, 9) + grid.Cell(row, 10)).empty();
    return rows;
}

void BM_RffExportOfTheBusiestDay(benchmark::State& state)
{
    const TDateTime day = BusiestCalendarDay();
    if (day == 0) {
        state.SkipWithError("no coming fixtures");
        return;
    }
    // Serves no update files: it only plays the web host.
    LoopbackUpdateService web(UpdateServiceConfig{BenchFolder().Path(), "", ""});
    setenv("KOVRAL_WEB_HOST", web.Host().c_str(), 1);
    // The reply of the web host is shown in a message box; nobody reads it here.
    const MessageBoxHook previous = SetMessageBoxHook([](const MessageBoxRequest&) { return IDOK; });
    TDlgExportRFF window;
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    window.MonthCalendar1->setSelectedDate(QDate(year, month, dayOfMonth));
    const std::vector<std::string> statements = RecordedStatements([&] { window.Button6->click(); });
    const double milliseconds = BesideStatements(state, [&] { window.Button6->click(); }, statements);
    const auto fixtures = static_cast<double>(window.grid->RowCount() - 1);
    state.counters["fixtures"] = fixtures;
    state.counters["with_picks"] = RowsWithPicks(*window.grid);
    state.counters["uploads"] = static_cast<double>(web.Requests().size());
    state.counters["statements"] = static_cast<double>(statements.size());
    state.counters["ms_per_fixture"] = milliseconds / fixtures;
    SetMessageBoxHook(previous);
}
BENCHMARK(BM_RffExportOfTheBusiestDay)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
