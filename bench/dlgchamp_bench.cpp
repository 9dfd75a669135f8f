// The tournament card on the 300,000-match database, for the league season with the
// most matches: creating and showing the card (which fills its stage list and the
// standings), and the fill of each page as a change of page runs it, each beside the
// SQL it ran, replayed with the bare SQLite API.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <functional>
#include <memory>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "platform/sysutils.h"
#include "setup/programfoldersetup.h"
#include "ui/dlgchamp.h"

namespace {

// Made by main, which outlives every benchmark.
const BenchProgramFolder* benchFolder = nullptr;

AnsiString SeasonName(int seasonID)
{
    DBSeason season;
    season.OpenByID(seasonID);
    return season.GetName();
}

// The card of the largest league season, as the main window's match button opens it.
struct Card {
    Card() : league(LargestLeagueSeason()), seasonName(SeasonName(league.season)) {}

    std::unique_ptr<TDlgChamp> Open()
    {
        auto card = std::make_unique<TDlgChamp>(nullptr, &history, league.champ, seasonName, nullptr);
        card->show();
        return card;
    }

    LeagueSeason league;
    AnsiString seasonName;
    DBFilter history;
};

// Times run beside the statements its first run sent to SQLite, replayed bare.
void BesideBareSql(benchmark::State& state, const Card& card, const std::function<void()>& run,
                   const std::function<void()>& reset = [] {})
{
    std::vector<std::string> statements;
    {
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        run();
        statements = recorder.Statements();
    }
    reset();
    const BareDatabase bare = OpenBare(benchFolder->DataFile());
    SideBySide(
            state, run,
            [&] {
                for (const std::string& statement : statements)
                    ReadBare(bare.get(), statement);
            },
            reset);
    state.counters["statements"] = static_cast<double>(statements.size());
    state.counters["matches"] = card.league.matches;
}

void BM_CreateAndShowCard(benchmark::State& state)
{
    Card card;
    std::unique_ptr<TDlgChamp> shown;
    BesideBareSql(
            state, card, [&] { shown = card.Open(); }, [&] { shown.reset(); });
}
BENCHMARK(BM_CreateAndShowCard)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_FillPage(benchmark::State& state, const char* pageName)
{
    Card card;
    const auto shown = card.Open();
    auto* page = shown->findChild<TCardPage*>(pageName);
    if (!page) {
        state.SkipWithError("the card has no such page");
        return;
    }
    BesideBareSql(state, card, [page] { page->Fill(); });
}

}  // namespace

// The windows need a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    for (const char* page : {"tabTable", "tabChess", "tabStats", "tabStatsSeasons", "tabTour", "tabCalendar"})
        benchmark::RegisterBenchmark((std::string("BM_FillPage/") + page).c_str(), BM_FillPage, page)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(1.0);
    benchmark::Initialize(&argc, argv);
    const BenchProgramFolder folder;
    // The language files, flag and settings values the card reads come from the setup.
    SetupProgramFolder(folder.Path(), SetupOptions{});
    DBSetting::CreateGlobal()->LoadLanguage();
    // The coming matches were made for the day the database was built: moved to today,
    // the calendar lists them.
    DBConnect::GetData()->ExecSQL("UPDATE Calendar SET [Date]=[Date]+" + IntToStr(static_cast<int>(Date() - BenchToday)),
                                  false);
    benchFolder = &folder;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
