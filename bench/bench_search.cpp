// Main-window searches on the full default dictionary, from Enter (or the text search call)
// to the filled result list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "ui/widgets/result_list.h"
#include "shell/haupt.h"
#include "ui/fake_platform.h"

namespace {

using namespace vondrik;

// Created in main and destroyed before the QApplication, as every window must be.
Haupt* window = nullptr;

Haupt& mainWindow() {
    return *window;
}

void enterPattern(benchmark::State& state, const QString& pattern) {
    Haupt& haupt = mainWindow();
    for (auto _ : state) {
        haupt.Text1->setText(pattern);
        QTest::keyClick(haupt.Text1, Qt::Key_Return);
        benchmark::DoNotOptimize(haupt.List1->count());
    }
    state.counters["lines"] = haupt.List1->count();
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
        haupt.ei = QStringLiteral("*dichter*");
        haupt.nur1 = 1;
        haupt.alle = 1;
        haupt.allesuch();
        benchmark::DoNotOptimize(haupt.List1->count());
    }
    state.counters["lines"] = haupt.List1->count();
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
