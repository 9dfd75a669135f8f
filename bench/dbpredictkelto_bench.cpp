// The odds-and-percent models on the 300,000-match database: SetTeam and the pick
// algorithms for every coming fixture of the busiest day, as the pick export runs them,
// beside the same SQL read with the bare SQLite API.
#include "predict/dbpredictkelto.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbfixed.h"
#include "platform/adofield.h"

namespace {

struct Fixture {
    int team1, team2;
    float kef1, kefX, kef2, kefUn, kefOv;
};

// The coming fixtures of the day with the most of them.
std::vector<Fixture> BusiestDay()
{
    const TDateTime day = BusiestCalendarDay();
    DBFixed calendar;
    std::vector<Fixture> fixtures;
    if (day == 0 || !calendar.OpenCalendarByDate(day))
        return fixtures;
    TADOQuery* query = calendar.GetQuery();
    for (query->First(); !query->Eof(); query->Next())
        fixtures.push_back({calendar.GetTeam1ID(), calendar.GetTeam2ID(), static_cast<float>(calendar.GetKef1()),
                            static_cast<float>(calendar.GetKefX()), static_cast<float>(calendar.GetKef2()),
                            static_cast<float>(calendar.GetKefUn()), static_cast<float>(calendar.GetKefOv())});
    return fixtures;
}

// The picks of every fixture; the number of fixtures the models placed.
int Predict(const std::vector<Fixture>& fixtures)
{
    int placed = 0;
    for (const Fixture& f : fixtures) {
        DBPredictKelto match;
        if (!match.SetTeam(f.team1, f.team2, f.kef1, f.kefX, f.kef2, f.kefUn, f.kefOv))
            continue;
        ++placed;
        match.UpdatePredictKeltoAlgo1();
        match.UpdatePredictKeltoAlgo2();
        match.UpdatePredictKeltoAlgo3();
        benchmark::DoNotOptimize(match.GetAlgoText(1));
    }
    return placed;
}

void BM_PredictBusiestDay(benchmark::State& state)
{
    const std::vector<Fixture> fixtures = BusiestDay();
    if (fixtures.empty()) {
        state.SkipWithError("no coming fixtures");
        return;
    }
    std::vector<std::string> statements;
    int placed = 0;
    {
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        placed = Predict(fixtures);
        statements = recorder.Statements();
    }
    const double milliseconds = BesideStatements(
            state, [&] { benchmark::DoNotOptimize(Predict(fixtures)); }, statements);
    state.counters["fixtures"] = static_cast<double>(fixtures.size());
    state.counters["placed"] = placed;
    state.counters["statements"] = static_cast<double>(statements.size());
    state.counters["ms_per_fixture"] = milliseconds / static_cast<double>(fixtures.size());
}
BENCHMARK(BM_PredictBusiestDay)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksOnProgramFolder(argc, argv);
}
