// Dictionary store speed on the full default dictionary: opening, pattern queries of every
// length, the one-text search over all tables, and reading every record.
#include <benchmark/benchmark.h>

#include "dictionary/database.h"
#include "dictionary/statements.h"

namespace {

using namespace vondrik;

QString dictionaryPath() {
    return QStringLiteral(VONDRIK_APP_DIR "/daten/daten.mdb");
}

Database& sharedDatabase() {
    static auto db = Database::OpenDatabase(dictionaryPath(), dictionaryConnect());
    return *db;
}

// Walks a snapshot reading both text fields of every row.
qint64 walk(Recordset rs) {
    qint64 chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        chars += rs.textView(u"Begriff").size() + rs.textView(u"Bedeutung").size();
    }
    return chars;
}

void BM_OpenDatabase(benchmark::State& state) {
    for (auto _ : state) {
        auto db = Database::OpenDatabase(dictionaryPath(), dictionaryConnect());
        benchmark::DoNotOptimize(
            walk(db->OpenRecordset(statement(Family::WarmUp, *tableForLength(2), {}))));
    }
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

// A known "e" in fourth place (in the last place for shorter words), unknown elsewhere.
void BM_PatternOfLength(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    QString pattern(length, u'?');
    pattern[std::min(length, 4) - 1] = u'e';
    const QString sql = statement(Family::Pattern, *tableForLength(length), {pattern});
    Database& db = sharedDatabase();
    qint64 rows = 0;
    for (auto _ : state) {
        Recordset rs = db.OpenRecordset(sql);
        rows = rs.RecordCount();
        benchmark::DoNotOptimize(walk(rs));
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_PatternOfLength)->DenseRange(2, 15)->Unit(benchmark::kMillisecond);

void BM_OneTextAllTables(benchmark::State& state) {
    Database& db = sharedDatabase();
    qint64 rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (const LengthTable& t : lengthTables()) {
            Recordset rs = db.OpenRecordset(statement(Family::OneText, t, {"*dichter*"}));
            rows += rs.RecordCount();
            benchmark::DoNotOptimize(walk(rs));
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_OneTextAllTables)->Unit(benchmark::kMillisecond);

void BM_AllRecords(benchmark::State& state) {
    Database& db = sharedDatabase();
    qint64 rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (const LengthTable& t : lengthTables()) {
            Recordset rs = db.OpenRecordset(statement(Family::WholeTable, t, {}));
            rows += rs.RecordCount();
            benchmark::DoNotOptimize(walk(rs));
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_AllRecords)->Unit(benchmark::kMillisecond);

// Opening the snapshots without walking them: what the engine and the copy cost.
void BM_AllRecordsOpenOnly(benchmark::State& state) {
    Database& db = sharedDatabase();
    for (auto _ : state) {
        for (const LengthTable& t : lengthTables()) {
            benchmark::DoNotOptimize(
                db.OpenRecordset(statement(Family::WholeTable, t, {})).RecordCount());
        }
    }
}
BENCHMARK(BM_AllRecordsOpenOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
