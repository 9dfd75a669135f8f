// Time to write the sample data, at the default scale and at the size of the
// performance database; the counters give what was written.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sysutils.h"
#include "platform/temporaryfolder.h"
#include "sampledata/sampledatagenerator.h"

namespace {

double Megabytes(const std::string& folder)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        bytes += entry.file_size();
    return bytes / 1e6;
}

void BM_GenerateSampleData(benchmark::State& state)
{
    SampleDataOptions options;
    options.scale = static_cast<int>(state.range(0));
    options.today = EncodeDate(2025, 3, 14);
    TemporaryFolder folder("kovral-bench");
    SampleDataSummary summary;
    for (auto _ : state)
        summary = SampleDataGenerator(options).Generate(folder.Path());
    state.counters["played"] = summary.playedMatches;
    state.counters["fixtures"] = summary.comingMatches;
    state.counters["statements"] = summary.statements;
    state.counters["files"] = summary.files;
    state.counters["MB"] = Megabytes(folder.Path());
}

BENCHMARK(BM_GenerateSampleData)
        ->Arg(SampleDataOptions::DefaultScale)
        ->Arg(300000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
