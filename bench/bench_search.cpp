// Main-window searches on the full default dictionary, from Enter (or the text search call)
// to the filled result list, with grep over the same entries for comparison.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "search/entry_search.h"
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
        haupt.searches().chooseLength(14);  // "alle"
        haupt.searches().startTextSearch({QStringLiteral("*dichter*"), {}, true});
        benchmark::DoNotOptimize(List1(haupt)->count());
    }
    state.counters["lines"] = List1(haupt)->count();
}
BENCHMARK(BM_AllLengthsTextSearch)->Unit(benchmark::kMillisecond);

// Resident memory of the whole program with every copy built, in MB.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return 0;
}

// The same search as a whole grep process over the same entries written as a TSV file, for
// comparison: `grep -i dichter entries.tsv`, start-up included.
void grepAllLengths(benchmark::State& state, const char* locale) {
    static QTemporaryDir dir;
    const QString tsv = dir.filePath(QStringLiteral("entries.tsv"));
    if (!QFile::exists(tsv)) {
        QFile file(tsv);
        file.open(QIODevice::WriteOnly);
        for (const IndexedEntry& e : mainWindow().session().entries().entries()) {
            file.write((e.begriff + u'\t' + e.bedeutung + u'\n').toUtf8());
        }
    }
    const QByteArray path = QFile::encodeName(tsv);
    char grep[] = "grep";
    char ignoreCase[] = "-i";
    char text[] = "dichter";
    char* argv[] = {grep, ignoreCase, text, const_cast<char*>(path.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const QByteArray lcAll = QByteArray("LC_ALL=") + locale;
    char* env[] = {const_cast<char*>(lcAll.constData()), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "grep", &actions, nullptr, argv, env) != 0) {
            state.SkipWithError("grep cannot be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

// In a UTF-8 locale grep folds "Ä" and "ä" as the search does; in the C locale it does not.
void BM_GrepAllLengthsUtf8(benchmark::State& state) {
    grepAllLengths(state, "C.UTF-8");
}
BENCHMARK(BM_GrepAllLengthsUtf8)->Unit(benchmark::kMillisecond);

void BM_GrepAllLengthsBytes(benchmark::State& state) {
    grepAllLengths(state, "C");
}
BENCHMARK(BM_GrepAllLengthsBytes)->Unit(benchmark::kMillisecond);

// The search in the copy alone, without the list.
void BM_TextSearchInCopy(benchmark::State& state) {
    DictionarySession& session = mainWindow().session();
    const TextSearchInput input{QStringLiteral("*dichter*"), {}, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchTextInCopy(session, 0, input, false));
    }
}
BENCHMARK(BM_TextSearchInCopy)->Unit(benchmark::kMillisecond);

// Crossword spelling: seven boxes for a street, from Enter to the filled list.
void BM_BoxPatternSevenBoxes(benchmark::State& state) {
    mainWindow().searches().setBoxSpelling(true);
    enterPattern(state, "STRA##E");
    mainWindow().searches().setBoxSpelling(false);
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_BoxPatternSevenBoxes)->Unit(benchmark::kMillisecond);

void BM_BoxAnagram(benchmark::State& state) {
    Haupt& haupt = mainWindow();
    haupt.searches().setBoxSpelling(true);
    for (auto _ : state) {
        haupt.searches().anagramm(QStringLiteral("strasse"));
        benchmark::DoNotOptimize(List1(haupt)->count());
    }
    haupt.searches().setBoxSpelling(false);
    state.counters["lines"] = List1(haupt)->count();
}
BENCHMARK(BM_BoxAnagram)->Unit(benchmark::kMillisecond);

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
