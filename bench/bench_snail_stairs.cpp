// Generating snail and stairs puzzles on the full default dictionary, one puzzle number per
// repetition: the aggregates give the median and the 95th percentile over the numbers, the
// counters the stages run, the length tables read and the share of failed generations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "dictionary/database.h"
#include "dictionary/dictionary_session.h"
#include "puzzles/puzzle_number.h"
#include "puzzles/snail_generator.h"
#include "puzzles/stairs_generator.h"

namespace {

using namespace vondrik;

DictionarySession& session() {
    static DictionarySession shared(Database::OpenDatabase(
        QStringLiteral(VONDRIK_APP_DIR "/daten/daten.mdb"), dictionaryConnect()));
    return shared;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(share * values.size())) - 1;
    return values[std::min(index, values.size() - 1)];
}

template <typename Generator>
void generate(benchmark::State& state) {
    static int number = 0;  // the next puzzle number: 1, 2, ... over the repetitions
    SeededRandom random(0);
    Generator generator(session(), random);
    for (auto _ : state) {
        seedForPuzzle(random, ++number);
        generator.start();
        while (generator.step()) {
        }
    }
    state.counters["stages"] = generator.stagesRun();
    state.counters["scans"] = generator.tableScans();
    // Share of numbers that ended with the message instead of a puzzle (the mean over the
    // repetitions).
    state.counters["failed"] = generator.state() == StagedGenerator::State::Complete ? 0 : 1;
}

void BM_GenerateSnail(benchmark::State& state) {
    generate<SnailGenerator>(state);
}

void BM_GenerateStairs(benchmark::State& state) {
    generate<StairsGenerator>(state);
}

void configure(benchmark::internal::Benchmark* bench) {
    bench->Iterations(1)
        ->Repetitions(200)
        ->ComputeStatistics("p95", [](const std::vector<double>& v) { return percentile(v, 0.95); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return percentile(v, 1.0); })
        ->ReportAggregatesOnly(true)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_GenerateSnail)->Apply(configure);
BENCHMARK(BM_GenerateStairs)->Apply(configure);

}  // namespace

BENCHMARK_MAIN();
