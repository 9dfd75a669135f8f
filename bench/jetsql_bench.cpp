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

// A statement of state.range(0) bytes: a chain of one operator, as a generated text
// may carry. Translation must stay linear in the length.
static std::string Chain(const std::string& start, const std::string& link, size_t bytes)
{
    std::string text = start;
    while (text.size() < bytes)
        text += link;
    return text + "b";
}

static void TranslateChain(benchmark::State& state, const std::string& text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(JetTranslator::Translate(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

static void BM_TranslatePlusChain(benchmark::State& state)
{
    TranslateChain(state, Chain("SELECT ", "a+", static_cast<size_t>(state.range(0))));
}
BENCHMARK(BM_TranslatePlusChain)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

static void BM_TranslateAndChain(benchmark::State& state)
{
    TranslateChain(state, Chain("SELECT a FROM t WHERE ", "a=1 AND ", static_cast<size_t>(state.range(0))));
}
BENCHMARK(BM_TranslateAndChain)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
