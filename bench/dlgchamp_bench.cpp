// The tournament card on the 300,000-match database, for the league season with the
// most matches: creating and showing the card (which fills its stage list and the
// standings), and the fill of each page as a change of page runs it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
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

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

    void Report(benchmark::State& state) const { state.counters["matches"] = league.matches; }

    LeagueSeason league;
    AnsiString seasonName;
    DBFilter history;
};

void BM_CreateAndShowCard(benchmark::State& state)
{
    Card card;
    for (auto _ : state) {
        const auto start = Clock::now();
        const auto shown = card.Open();
        state.SetIterationTime(SecondsSince(start));
    }
    card.Report(state);
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
    for (auto _ : state) {
        const auto start = Clock::now();
        page->Fill();
        state.SetIterationTime(SecondsSince(start));
    }
    card.Report(state);
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
    DBConnect::GetData()->ExecSQL("UPDATE Calendar SET [Date]=[Date]+" + IntToStr(static_cast<int>(Date() - BenchToday)), false);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
