#include "foundation/jxparse.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// An instruction file as the update service sends it: one shorthand statement a row,
// each row on its own line.
std::string InstructionFile(int rows)
{
    std::string text = ":{/splitCol};{/splitRow}\r\nnum:instruct;\r\n";
    for (int i = 0; i < rows; ++i)
        text += std::to_string(i) + ":{i}Fixed{v}" + std::to_string(100000 + i) +
                ",12,34,#5/17/2024#,'Спартак Москва','Зенит',2,1,1.85,3.40,4.20{/v};\r\n";
    return text;
}

// Separators that almost match the text everywhere: the hard case for a naive search.
std::string NearMissTable(int rows)
{
    const std::string colSep = std::string(40, 'a') + "b";
    const std::string field(200, 'a');
    std::string text = colSep + "{/splitCol};{/splitRow}x" + colSep + "y;";
    for (int i = 0; i < rows; ++i)
        text += field + colSep + field + ";";
    return text;
}

void ParseTable(benchmark::State& state, std::string (*make)(int))
{
    const std::string text = make(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        JXParse table;
        table.ParseText(text);
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ParseInstructionFile(benchmark::State& state)
{
    ParseTable(state, InstructionFile);
}

void BM_ParseNearMissSeparators(benchmark::State& state)
{
    ParseTable(state, NearMissTable);
}

// The update reads every statement of a file back by column name.
void BM_ParseAndReadEveryStatement(benchmark::State& state)
{
    const std::string text = InstructionFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        JXParse table;
        table.ParseText(text);
        for (int row = 0; row < table.RowCount(); ++row)
            benchmark::DoNotOptimize(JXParse::ExpandSql(table.GetField(row, "instruct")));
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_ParseInstructionFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ParseNearMissSeparators)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ParseAndReadEveryStatement)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
