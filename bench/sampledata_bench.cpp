// Time to write the sample data, at the default scale and at the size of the
// performance database; the counters give what was written.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sysutils.h"
#include "sampledata/sampledatagenerator.h"

namespace {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kovral-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path_ = pattern + "/";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

    double Megabytes() const
    {
        std::uintmax_t bytes = 0;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            bytes += entry.file_size();
        return bytes / 1e6;
    }

private:
    std::string path_;
};

void BM_GenerateSampleData(benchmark::State& state)
{
    SampleDataOptions options;
    options.scale = static_cast<int>(state.range(0));
    options.today = EncodeDate(2025, 3, 14);
    ScratchFolder folder;
    SampleDataSummary summary;
    for (auto _ : state)
        summary = SampleDataGenerator(options).Generate(folder.Path());
    state.counters["played"] = summary.playedMatches;
    state.counters["fixtures"] = summary.comingMatches;
    state.counters["statements"] = summary.statements;
    state.counters["files"] = summary.files;
    state.counters["MB"] = folder.Megabytes();
}

BENCHMARK(BM_GenerateSampleData)
        ->Arg(SampleDataOptions::DefaultScale)
        ->Arg(300000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
