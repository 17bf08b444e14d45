// Backup and restore of the full default dictionary, on a copy in a temporary folder.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dictionary/length_tables.h"
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

// Every pair of every table, in table order.
QStringList pairs(DictionarySession& session) {
    QStringList rows;
    for (const LengthTable& t : lengthTables()) {
        Recordset rs = session.open(QStringLiteral("Select * from ") + QLatin1String(t.name));
        for (; !rs.Eof(); rs.MoveNext()) {
            rows << rs.text(u"Begriff") + u'\t' + rs.text(u"Bedeutung");
        }
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
    state.counters["rows"] = static_cast<double>(pairs(c.session).size());
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Restore(benchmark::State& state) {
    Copy& c = copy();
    const QStringList before = pairs(c.session);
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
    const QStringList after = pairs(c.session);
    if (after.size() != before.size()) {
        state.SkipWithError("restored row count differs");
        return;
    }
    // Characters code page 1252 lacks come back as '?', as in every file the program writes.
    qint64 changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        changed += before[i] != after[i];
    }
    state.counters["rows"] = static_cast<double>(before.size());
    state.counters["changed"] = static_cast<double>(changed);
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
