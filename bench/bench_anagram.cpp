// Anagram search and database statistics on the full default dictionary, from the start
// of the search to the filled list or table.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "search/durcheinander.h"
#include "search/statistics_frame.h"
#include "shell/haupt.h"
#include "shell/haupt_controls.h"
#include "ui/fake_platform.h"
#include "ui/widgets/result_list.h"

namespace {

using namespace vondrik;
using namespace vondrik::test;

// Eleven characters: the letters of "Mittagessen", scrambled, one of them unknown.
const QString kElevenLetters = QStringLiteral("sagentims?e");

// The window must go before the application object does; a static would outlive it.
std::unique_ptr<FakePlatform> fake;
std::unique_ptr<Haupt> haupt;

Haupt& mainWindow() {
    if (!haupt) {
        fake = std::make_unique<FakePlatform>(QStringLiteral(VONDRIK_APP_DIR));
        haupt = std::make_unique<Haupt>(fake->platform);
        haupt->load();
        haupt->show();
    }
    return *haupt;
}

void handOverToList(benchmark::State& state, const QString& letters) {
    Haupt& haupt = mainWindow();
    for (auto _ : state) {
        haupt.searches().anagramm(letters);
        benchmark::DoNotOptimize(List1(haupt)->count());
    }
    state.counters["lines"] = List1(haupt)->count();
}

void BM_AnagramHandOverToList(benchmark::State& state) {
    handOverToList(state, kElevenLetters);
}
BENCHMARK(BM_AnagramHandOverToList)->Unit(benchmark::kMillisecond);

// Nearly all unknown: most of the table is listed.
void BM_AnagramManyHits(benchmark::State& state) {
    handOverToList(state, QStringLiteral("e?????????n"));
}
BENCHMARK(BM_AnagramManyHits)->Unit(benchmark::kMillisecond);

// The dialog is opened and filled outside the timing; the start button to the filled list
// (including the dialog closing) is timed.
void BM_AnagramStartButtonToList(benchmark::State& state) {
    Haupt& haupt = mainWindow();
    for (auto _ : state) {
        state.PauseTiming();
        haupt.menuAction(QStringLiteral("budu"))->trigger();
        auto* dialog = haupt.findChild<Durcheinander*>();
        child<QLineEdit>(dialog, "Text1")->setText(kElevenLetters);
        auto* start = child<QPushButton>(dialog, "Command2");
        state.ResumeTiming();
        start->click();
        benchmark::DoNotOptimize(List1(haupt)->count());
        state.PauseTiming();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["lines"] = List1(haupt)->count();
}
BENCHMARK(BM_AnagramStartButtonToList)->Unit(benchmark::kMillisecond);

void BM_StatisticsWholeDictionary(benchmark::State& state) {
    Haupt& haupt = mainWindow();
    auto* panel = control<StatisticsFrame>(haupt, "Frame7");
    const auto* total =
        panel->findChild<QLabel*>(QStringLiteral("Label12_%1").arg(StatisticsFrame::kTotalRow));
    for (auto _ : state) {
        panel->anzdasa(control<QGroupBox>(haupt, "Frame1")->y());
        benchmark::DoNotOptimize(total->text());
    }
    state.counters["records"] = total->text().toDouble();
}
BENCHMARK(BM_StatisticsWholeDictionary)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    haupt.reset();
    return 0;
}
