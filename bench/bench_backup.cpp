// Backup and restore of the full default dictionary, on a copy in a temporary folder.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "maintenance/dictionary_backup.h"
#include "maintenance/dictionary_restore.h"

namespace {

using namespace vondrik;

struct Copy {
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    DictionarySession session;

    Copy() {
        QDir(dir.path()).mkpath(QStringLiteral("daten"));
        const QString path = dir.filePath(QLatin1String(kDictionaryRelativePath));
        QFile::copy(QStringLiteral(VONDRIK_APP_DIR "/daten/daten.mdb"), path);
        session.attach(Database::OpenDatabase(path, dictionaryConnect()));
    }
};

Copy& copy() {
    static Copy c;
    return c;
}

qint64 rowCount(DictionarySession& session) {
    qint64 rows = 0;
    for (const LengthTable& t : lengthTables()) {
        rows +=
            session.open(QStringLiteral("Select * from ") + QLatin1String(t.name)).RecordCount();
    }
    return rows;
}

void BM_Backup(benchmark::State& state) {
    Copy& c = copy();
    for (auto _ : state) {
        const BackupResult result = backupDictionary(c.session, c.folder);
        if (!result.ok) {
            state.SkipWithError(result.message.toStdString().c_str());
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(rowCount(c.session));
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Restore(benchmark::State& state) {
    Copy& c = copy();
    const qint64 before = rowCount(c.session);
    if (!backupDictionary(c.session, c.folder).ok) {
        state.SkipWithError("backup failed");
        return;
    }
    for (auto _ : state) {
        const RestoreResult result = restoreDictionary(c.session, c.folder);
        if (result.status != RestoreStatus::Done) {
            state.SkipWithError(result.message.toStdString().c_str());
            return;
        }
    }
    if (rowCount(c.session) != before) {
        state.SkipWithError("restored row count differs");
    }
    state.counters["rows"] = static_cast<double>(before);
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
