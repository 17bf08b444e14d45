// Main-window searches on the full default dictionary, from Enter (or the text search call)
// to the filled result list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "shell/haupt.h"
#include "shell/haupt_controls.h"
#include "ui/fake_platform.h"
#include "ui/widgets/result_list.h"

namespace {

using namespace vondrik;
using namespace vondrik::test;

// Created in main and destroyed before the QApplication, as every window must be.
Haupt* window = nullptr;

Haupt& mainWindow() {
    return *window;
}

void enterPattern(benchmark::State& state, const QString& pattern) {
    Haupt& haupt = mainWindow();
    for (auto _ : state) {
        Text1(haupt)->setText(pattern);
        QTest::keyClick(Text1(haupt), Qt::Key_Return);
        benchmark::DoNotOptimize(List1(haupt)->count());
    }
    state.counters["lines"] = List1(haupt)->count();
}

void BM_PatternEnterToList(benchmark::State& state) {
    enterPattern(state, "###r####");
}
BENCHMARK(BM_PatternEnterToList)->Unit(benchmark::kMillisecond);

void BM_SameLetterMarks(benchmark::State& state) {
    enterPattern(state, "1##1");
}
BENCHMARK(BM_SameLetterMarks)->Unit(benchmark::kMillisecond);

void BM_AllLengthsTextSearch(benchmark::State& state) {
    Haupt& haupt = mainWindow();
    for (auto _ : state) {
        haupt.searches().state().ei = QStringLiteral("*dichter*");
        haupt.searches().state().nur1 = 1;
        haupt.searches().state().alle = 1;
        haupt.allesuch();
        benchmark::DoNotOptimize(List1(haupt)->count());
    }
    state.counters["lines"] = List1(haupt)->count();
}
BENCHMARK(BM_AllLengthsTextSearch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakePlatform fake{QStringLiteral(VONDRIK_APP_DIR)};
    auto haupt = std::make_unique<Haupt>(fake.platform);
    if (!haupt->load()) {
        return 1;
    }
    haupt->show();
    window = haupt.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    haupt.reset();
    benchmark::Shutdown();
    return 0;
}
