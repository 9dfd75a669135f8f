// The back-test bench on the 300,000-match database: the cut a week before the newest
// match, with its three parts apart (moving the matches, the rebuild of TeamResults and
// Stats, the commit and compaction), and a run of seven days with two model files that
// pass every fixture, as the window runs it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "benchsupport.h"
#include "data/dbase.h"
#include "data/dbseason.h"
#include "platform/progressbar.h"
#include "platform/sysutils.h"
#include "predict/dbpredict_2_1.h"
#include "research/dlgtestpredict.h"
#include "research/testpredictcut.h"
#include "sampledata/sampleids.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// The day of the newest played match, wherever the last cut left it.
TDateTime NewestMatchDay()
{
    const int fixed = DBase::Max("Fixed", "Date", "");
    const int parked = DBase::Max("_Fixed", "Date", "");
    return std::max(fixed, parked);
}

// Notes when the rebuild inside the cut starts (the bar goes to 0) and ends (100).
struct RebuildClock : IProgressBar {
    int Position() const override { return position; }
    void SetPosition(int value) override
    {
        if (position < 0 || (value == 100 && position != 100))
            (position < 0 ? start : end) = Clock::now();
        position = value;
    }
    int position = -1;
    Clock::time_point start;
    Clock::time_point end;
};

void BM_CutAWeekBeforeTheNewestMatch(benchmark::State& state)
{
    const TDateTime day = NewestMatchDay() - 7;
    double moves = 0;
    double rebuild = 0;
    double compaction = 0;
    for (auto _ : state) {
        RebuildClock clock;
        const auto start = Clock::now();
        TestPredictCut(day, &clock);
        const auto end = Clock::now();
        state.SetIterationTime(Seconds(start, end));
        moves += Seconds(start, clock.start);
        rebuild += Seconds(clock.start, clock.end);
        compaction += Seconds(clock.end, end);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["moves_ms"] = moves * 1000 / n;
    state.counters["rebuild_ms"] = rebuild * 1000 / n;
    state.counters["commit_compact_ms"] = compaction * 1000 / n;
    state.counters["parked"] = ReadBare(OpenBare(BenchFolder().DataFile()).get(), "SELECT FixedIND FROM _Fixed");
}
BENCHMARK(BM_CutAWeekBeforeTheNewestMatch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Passes every fixture: games from head field 1, its table that of fields 2 and 3.
class PassingModel : public DBPredict_2_1 {
protected:
    void Calculate(int, int, int) override
    {
        SetTableCell(ResultRow, 0, static_cast<float>(GetHeadField1()));
        SetChampID(GetHeadField2());
        SetSeasonID(GetHeadField3());
    }
};

int Lines(const std::string& path)
{
    std::ifstream file(path);
    int lines = 0;
    for (std::string line; std::getline(file, line);)
        ++lines;
    return lines;
}

void BM_RunSevenDaysWithTwoModels(benchmark::State& state)
{
    const std::string folder = BenchFolder().Path();
    const std::string record = "30:" + std::to_string(SampleIds::League(SampleIds::England)) + ":" +
                               std::to_string(DBSeason::GetMaxSeasonID()) + ";";
    for (const char* name : {"inform", "total"})
        std::ofstream(folder + "Predict/" + name + ".prd") << record;
    std::filesystem::current_path(folder);
    for (const char* name : {"export_predict1.csv", "export_predict3.csv"})
        std::ofstream(folder + name).flush();
    TDlgTestPredict bench(nullptr, [] { return std::make_unique<PassingModel>(); });
    const TDateTime firstDay = NewestMatchDay() - 6;
    for (auto _ : state) {
        int year = 0, month = 0, day = 0;
        DecodeDate(firstDay, year, month, day);
        bench.MonthCalendar1->setSelectedDate(QDate(year, month, day));
        bench.Edit1->setText("7");
        bench.Button1->click();
    }
    state.counters["lines"] = Lines(folder + "export_predict1.csv") + Lines(folder + "export_predict3.csv");
}
BENCHMARK(BM_RunSevenDaysWithTwoModels)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
