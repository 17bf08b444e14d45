// The database stand-in: keyed file, snapshots, the engine's checks, one statement per call.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <QFile>
#include <chrono>
#include <future>
#include <thread>
#include <tuple>

#include "dictionary/cleaning.h"
#include "dictionary/database.h"
#include "dictionary/statements.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

using test::TestAppFolder;

LengthTable table(int length) {
    return *tableForLength(length);
}

qint64 countRows(Database& db, const QString& sql) {
    return db.OpenRecordset(sql).RecordCount();
}

TEST(Database, FileIsUnreadableWithoutThePasswordAndAMissingOneIsNotMade) {
    TestAppFolder app;
    QFile raw(app.dictionaryPath());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
    EXPECT_FALSE(bytes.contains("Dichter"));
    EXPECT_THROW(Database::OpenDatabase(app.dictionaryPath(), QString()), DatabaseError);
    EXPECT_THROW(Database::OpenDatabase(app.dictionaryPath(), ";pwd=falsch"), DatabaseError);
    EXPECT_NO_THROW(Database::OpenDatabase(app.dictionaryPath(), dictionaryConnect()));
    // A missing file is reported, not created.
    const QString missing = app.file("daten/gibtsnicht.mdb");
    EXPECT_THROW(Database::OpenDatabase(missing, dictionaryConnect()), DatabaseError);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(Database, NullMeaningMatchesNoMeaningPattern) {
    TestAppFolder app;
    auto db = app.openDictionary();
    {
        auto appender = db->OpenTable("zwei");
        appender->AddNew();
        appender->setValue(1, "Qx");
        appender->Update();
        appender->Close();
    }
    Recordset rs = db->OpenRecordset(statement(Family::EditorWord, table(2), {"qx"}));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_FALSE(rs.Fields("Bedeutung").isValid());
    EXPECT_EQ(resultLine(rs.text("Begriff"), rs.text("Bedeutung")), "QX\t");
    // "*" alone matches every stored text, but never a missing one.
    const int all = countRows(*db, statement(Family::WholeTable, table(2), {}));
    EXPECT_EQ(countRows(*db, statement(Family::Everything, table(2), {})), all);
    EXPECT_EQ(countRows(*db, statement(Family::EditorMeaning, table(2), {"*"})), all - 1);
}

TEST(Database, EngineRefusesValuesLongerThanTheirFields) {
    TestAppFolder app;
    auto db = app.openDictionary();
    const QString hundred(100, u'ä');
    EXPECT_NO_THROW(db->Execute(statement(Family::Insert, table(4), {"Haus", hundred})));
    for (const auto& [word, meaning, field] : {std::tuple{"Häuser", QString("zu lang"), "Begriff"},
                                               std::tuple{"Haus", hundred + "x", "Bedeutung"}}) {
        try {
            db->Execute(statement(Family::Insert, table(4), {word, meaning}));
            ADD_FAILURE() << "over-long " << field << " accepted";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(field)) << e.message().toStdString();
        }
    }
    EXPECT_EQ(countRows(*db, statement(Family::EditorWord, table(4), {"Haus"})), 1);
}

TEST(Database, TextWithASecondStatementIsNeverRun) {
    TestAppFolder app;
    auto db = app.openDictionary();
    const int before = countRows(*db, "Select * from drei");
    ASSERT_GT(before, 0);
    EXPECT_THROW(db->OpenRecordset("Select * from drei; DELETE from drei"), DatabaseError);
    EXPECT_THROW(db->Execute("DELETE from drei Where id = 1; DROP TABLE drei"), DatabaseError);
    EXPECT_THROW(db->Execute("INSERT INTO drei (Begriff) VALUES ('Ast'); garbage"), DatabaseError);
    EXPECT_EQ(countRows(*db, "Select * from drei"), before);
    EXPECT_EQ(countRows(*db, "Select * from drei ; -- nothing more"), before);
}

// Another connection holding the file for a moment makes a statement wait, not fail.
TEST(Database, AStatementWaitsForABriefLockOfAnotherConnection) {
    TestAppFolder app;
    auto db = app.openDictionary();
    const int before = countRows(*db, statement(Family::WholeTable, table(4), {}));
    std::promise<void> locked;
    std::thread holder([&app, &locked] {
        auto other = Database::OpenDatabase(app.dictionaryPath(), dictionaryConnect(), true);
        other->Execute(statement(Family::Insert, table(4), {"Mond", "Erdbegleiter"}));
        locked.set_value();  // exclusive mode: the write lock stays until the connection closes
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other->Close();
    });
    locked.get_future().wait();
    EXPECT_NO_THROW(db->Execute(statement(Family::Insert, table(4), {"Sonn", "Stern"})));
    holder.join();
    EXPECT_EQ(countRows(*db, statement(Family::WholeTable, table(4), {})), before + 2);
}

// What a write of several statements did is gone unless it reached commit(): an early return
// or an exception must not leave half of it behind.
TEST(Database, TransactionRollsBackUnlessCommitted) {
    TestAppFolder app;
    auto db = app.openDictionary();
    const int before = countRows(*db, statement(Family::WholeTable, table(2), {}));
    for (const bool commit : {false, true}) {
        Transaction rows(*db);
        auto appender = db->OpenTable("zwei");
        appender->AddNew();
        appender->setValue(1, "Qx");
        appender->Update();
        db->Execute(statement(Family::Insert, table(2), {"Qy", "zwei"}));
        appender->Close();
        if (commit) {
            rows.commit();
        }
    }
    EXPECT_EQ(countRows(*db, statement(Family::WholeTable, table(2), {})), before + 2);
}

TEST(Database, CreateAppendRekeyReopenRoundTrip) {
    TestAppFolder app;
    const QString path = app.file("daten/neu.mdb");
    {
        auto db = Database::CreateDatabase(path);
        for (const LengthTable& t : lengthTables()) {
            EXPECT_EQ(countRows(*db, statement(Family::WholeTable, t, {})), 0) << t.name;
        }
        auto appender = db->OpenTable("fuenf");
        for (const char* word : {"Apfel", "Birne"}) {
            appender->AddNew();
            appender->setValue(1, QString::fromUtf8(word));
            appender->setValue(2, QStringLiteral("Obst"));
            appender->Update();
        }
        appender->Close();
        db->Close();
    }
    EXPECT_THROW(Database::CreateDatabase(path), DatabaseError);  // never overwrites
    {
        auto db = Database::OpenDatabase(path, QString(), true);
        db->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        // The connection stays usable with the new key.
        db->Execute(statement(Family::Insert, table(5), {"Beere", "Obst"}));
    }
    EXPECT_THROW(Database::OpenDatabase(path, QString()), DatabaseError);
    auto db = Database::OpenDatabase(path, dictionaryConnect());
    Recordset rs = db->OpenRecordset(statement(Family::EditorMeaning, table(5), {"obst"}));
    ASSERT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.text("Begriff"), "Apfel");
    rs.MoveLast();
    EXPECT_EQ(rs.text("Begriff"), "Beere");
    EXPECT_EQ(rs.Fields("id").toLongLong(), 3);
    rs.Move(-1);
    EXPECT_EQ(rs.text("Begriff"), "Birne");
    // Numbering goes on after the re-key instead of reusing old record numbers.
    db->Execute(statement(Family::Insert, table(5), {"Kiwis", "Obst"}));
    Recordset kiwi = db->OpenRecordset(statement(Family::EditorWord, table(5), {"kiwis"}));
    EXPECT_EQ(kiwi.Fields("ID").toLongLong(), 4);
}

// Thousands of rows fill several of the snapshot's blocks; every value must come back as
// the engine gave it, also when the blocks are reused by the next result set.
TEST(Recordset, LargeResultsKeepEveryValueAndMissingFieldsAreRefused) {
    TestAppFolder app;
    auto db = app.openDictionary();
    const QString base = QStringLiteral("Grüße aus Köln an die Straßenbahnfahrer in Übersee, ");
    const QString sql = QStringLiteral(
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 6000) SELECT i, substr('%1', 1 + i %% 7, i %% 50) AS t, "
                            "NULL AS leer, i * 0.5 AS halb FROM n")
                            .arg(base)
                            .replace(QStringLiteral("%%"), QStringLiteral("%"));
    for (int round = 0; round < 2; ++round) {
        Recordset rs = db->OpenRecordset(sql);
        ASSERT_EQ(rs.RecordCount(), 6000);
        for (int i = 1; !rs.Eof(); rs.MoveNext(), ++i) {
            ASSERT_EQ(rs.Fields("i").toLongLong(), i);
            ASSERT_EQ(rs.textView(u"t"), base.mid(i % 7, i % 50)) << i;
            ASSERT_FALSE(rs.Fields("leer").isValid());
            ASSERT_EQ(rs.Fields("halb").toDouble(), i * 0.5);
        }
    }
    // A text longer than a whole block is kept apart.
    Recordset huge = db->OpenRecordset(
        QStringLiteral("SELECT replace(hex(zeroblob(40000)), '00', 'ä') AS lang, 'x' AS kurz"));
    EXPECT_EQ(huge.text("lang"), QString(40000, u'ä'));
    EXPECT_EQ(huge.text("kurz"), "x");

    Recordset none = db->OpenRecordset(statement(Family::EditorWord, table(3), {"xyz"}));
    EXPECT_TRUE(none.Eof());
    EXPECT_EQ(none.RecordCount(), 0);
    EXPECT_THROW(none.Fields("Begriff"), DatabaseError);
    EXPECT_THROW(huge.Fields("Nichtda"), DatabaseError);
    EXPECT_THROW(db->OpenRecordset("Select * from nirgends"), DatabaseError);
}

}  // namespace
}  // namespace vondrik
