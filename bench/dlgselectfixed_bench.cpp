// The head-to-head picker on the 300,000-match database, both sides on all tournaments
// and all seasons, so each list selects every team: creating the picker (its layout
// and FormCreate) and one keystroke in the team's search box, each beside the same
// SQL of data.mdb read with the bare SQLite API.
#include "ui/dlgselectfixed.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "platform/adofield.h"

namespace {

const char* const FormKey = "DlgSelectFixed";

// What the picker remembers: every tournament and every season on both sides.
void RememberAllTournamentsAndSeasons()
{
    DBase season;
    season.Select("SELECT Name FROM Season WHERE SeasonID=0");
    const AnsiString allSeasons = season.GetQuery()->FieldByName("Name")->AsString();
    DBSetting* setting = DBSetting::Global();
    for (const int first : {0, 3}) {
        setting->SetFormString(FormKey, first, "All tournaments");
        setting->SetFormString(FormKey, first + 1, allSeasons);
    }
}

void ReadAll(sqlite3* bare, const std::vector<std::string>& statements)
{
    for (const std::string& statement : statements)
        ReadBare(bare, statement);
}

void Report(benchmark::State& state, const TDlgSelectFixed& picker, size_t statements)
{
    state.counters["listed"] = picker.lstTeam->count();
    state.counters["statements"] = static_cast<double>(statements);
}

void BM_CreatePicker(benchmark::State& state)
{
    RememberAllTournamentsAndSeasons();
    DBFilter history;
    std::unique_ptr<TDlgSelectFixed> picker;
    const auto create = [&] { picker = std::make_unique<TDlgSelectFixed>(nullptr, &history); };
    const std::vector<std::string> statements = RecordedStatements(create);
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(state, create, [&] { ReadAll(bare.get(), statements); }, [&] { picker.reset(); });
    create();
    Report(state, *picker, statements.size());
}
BENCHMARK(BM_CreatePicker)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A first letter typed into the empty search box, taken back untimed.
void BM_FilterKeystroke(benchmark::State& state)
{
    RememberAllTournamentsAndSeasons();
    DBFilter history;
    TDlgSelectFixed picker(nullptr, &history);
    const QString letter = "S";
    const std::vector<std::string> statements = RecordedStatements([&] { picker.txtTeamFilter->setText(letter); });
    picker.txtTeamFilter->clear();
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(
            state, [&] { picker.txtTeamFilter->setText(letter); }, [&] { ReadAll(bare.get(), statements); },
            [&] { picker.txtTeamFilter->clear(); });
    picker.txtTeamFilter->setText(letter);
    Report(state, picker, statements.size());
}
BENCHMARK(BM_FilterKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The picker needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv);
}
