// The puzzle quality report on the full default dictionary: puzzle numbers 1 to 1000 of each
// kind, each generated, checked and its sheet printed into a PDF. The counters give the
// puzzles a fan would not accept (a word or clue twice, an answer in a clue), the sheets on
// one page, the generations that failed, and the generation times over the numbers.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "dictionary/database.h"
#include "dictionary/dictionary_session.h"
#include "puzzle_quality.h"

namespace {

using namespace vondrik;

constexpr int kNumbers = 1000;

DictionarySession& session() {
    static DictionarySession shared(Database::OpenDatabase(
        QStringLiteral(VONDRIK_APP_DIR "/daten/daten.mdb"), dictionaryConnect()));
    return shared;
}

template <typename Generator>
void quality(benchmark::State& state) {
    test::QualityCount count;
    for (auto _ : state) {
        count = test::countQuality<Generator>(session(), kNumbers);
    }
    state.counters["puzzles"] = count.puzzles;
    state.counters["malformed"] = count.malformed;
    state.counters["repeated"] = count.repeated;
    state.counters["answer_in_clue"] = count.answerInClue;
    state.counters["one_page"] = count.onePage;
    state.counters["failed"] = count.failed;
    state.counters["median_ms"] = count.percentile(0.5);
    state.counters["p95_ms"] = count.percentile(0.95);
    state.counters["max_ms"] = count.percentile(1.0);
}

void BM_PyramidQuality(benchmark::State& state) {
    quality<PyramidGenerator>(state);
}
void BM_SnailQuality(benchmark::State& state) {
    quality<SnailGenerator>(state);
}
void BM_StairsQuality(benchmark::State& state) {
    quality<StairsGenerator>(state);
}

// One pass over the numbers is the whole report.
void configure(benchmark::internal::Benchmark* bench) {
    bench->Iterations(1)->Repetitions(1)->UseRealTime()->Unit(benchmark::kSecond);
}

BENCHMARK(BM_PyramidQuality)->Apply(configure);
BENCHMARK(BM_SnailQuality)->Apply(configure);
BENCHMARK(BM_StairsQuality)->Apply(configure);

}  // namespace

// Printing needs an application object; without a screen the offscreen platform serves.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
