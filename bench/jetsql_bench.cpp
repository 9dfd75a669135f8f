#include <benchmark/benchmark.h>

#include "jetsqlcatalog.h"
#include "platform/jetsql.h"
#include "platform/jettranslator.h"

// Translating the longest shared select text from scratch, as the first use of a text does.
static void BM_TranslateLongestSelectCold(benchmark::State& state)
{
    const std::string& text = LongestSharedSelect();
    for (auto _ : state)
        benchmark::DoNotOptimize(JetTranslator::Translate(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TranslateLongestSelectCold);

// The same text again, as the program sends it: answered from a cache that holds
// every text of the program.
static void BM_TranslateLongestSelectCached(benchmark::State& state)
{
    for (const auto* texts : {&SharedSelectStatements(), &ProgramStatements()})
        for (const ProgramSqlText& text : *texts)
            TranslateJetSql(text.jetSql);
    const std::string& text = LongestSharedSelect();
    for (auto _ : state)
        benchmark::DoNotOptimize(TranslateJetSql(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TranslateLongestSelectCached);

BENCHMARK_MAIN();
