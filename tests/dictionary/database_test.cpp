// The database stand-in: keyed file, snapshots, the engine's checks, one statement per call;
// and the statements put to it.
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
#include "support/helpers.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

class DatabaseTest : public ::testing::Test {
  protected:
    qint64 count(const QString& sql) { return db->OpenRecordset(sql).RecordCount(); }
    qint64 rowsOf(int length) {
        return count(statement(Family::WholeTable, *tableForLength(length), {}));
    }
    void insert(Database& into, int length, const QString& word, const QString& meaning) {
        into.Execute(statement(Family::Insert, *tableForLength(length), {word, meaning}));
    }

    test::TestAppFolder app;
    std::unique_ptr<Database> db = app.openDictionary();
};

TEST_F(DatabaseTest, FileIsUnreadableWithoutThePasswordAndAMissingOneIsNotMade) {
    const QByteArray bytes = test::bytesOf(app.dictionaryPath());
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
    EXPECT_FALSE(bytes.contains("Dichter"));
    EXPECT_THROW(Database::OpenDatabase(app.dictionaryPath(), QString()), DatabaseError);
    EXPECT_THROW(Database::OpenDatabase(app.dictionaryPath(), ";pwd=falsch"), DatabaseError);
    const QString missing = app.file("daten/gibtsnicht.mdb");
    EXPECT_THROW(Database::OpenDatabase(missing, dictionaryConnect()), DatabaseError);
    EXPECT_FALSE(QFile::exists(missing));
}

// Over-long values and a second statement in one text are refused, and change nothing.
TEST_F(DatabaseTest, EngineRefusesOverLongValuesAndASecondStatement) {
    const qint64 four = rowsOf(4);
    const qint64 three = rowsOf(3);
    EXPECT_NO_THROW(insert(*db, 4, "Haus", QString(100, u'ä')));
    for (const auto& [word, meaning, field] :
         {std::tuple{QString("Häuser"), QString("zu lang"), "Begriff"},
          std::tuple{QString("Haus"), QString(101, u'ä'), "Bedeutung"}}) {
        try {
            insert(*db, 4, word, meaning);
            ADD_FAILURE() << "over-long " << field << " accepted";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(field)) << e.message().toStdString();
        }
    }
    EXPECT_EQ(rowsOf(4), four + 1);
    EXPECT_THROW(db->OpenRecordset("Select * from drei; DELETE from drei"), DatabaseError);
    EXPECT_THROW(db->Execute("DELETE from drei Where id = 1; DROP TABLE drei"), DatabaseError);
    EXPECT_THROW(db->Execute("INSERT INTO drei (Begriff) VALUES ('Ast'); garbage"), DatabaseError);
    EXPECT_EQ(count("Select * from drei ; -- nothing more"), three);
}

// Another connection holding the file for a moment makes a statement wait, not fail.
TEST_F(DatabaseTest, AStatementWaitsForABriefLockOfAnotherConnection) {
    const qint64 before = rowsOf(4);
    std::promise<void> locked;
    std::thread holder([this, &locked] {
        auto other = Database::OpenDatabase(app.dictionaryPath(), dictionaryConnect(), true);
        insert(*other, 4, "Mond", "Erdbegleiter");
        locked.set_value();  // exclusive mode: the write lock stays until the connection closes
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other->Close();
    });
    locked.get_future().wait();
    EXPECT_NO_THROW(insert(*db, 4, "Sonn", "Stern"));
    holder.join();
    EXPECT_EQ(rowsOf(4), before + 2);
}

// What a write of several statements did is gone unless it reached commit(): an early return
// or an exception must not leave half of it behind.
TEST_F(DatabaseTest, TransactionRollsBackUnlessCommittedAndAMissingMeaningMatchesNoPattern) {
    const qint64 before = rowsOf(2);
    for (const bool commit : {false, true}) {
        Transaction rows(*db);
        auto appender = db->OpenTable("zwei");
        appender->AddNew();
        appender->setValue(1, "Qx");
        appender->Update();
        insert(*db, 2, "Qy", "zwei");
        appender->Close();
        if (commit) {
            rows.commit();
        }
    }
    EXPECT_EQ(rowsOf(2), before + 2);

    // Qx has no meaning: "*" alone matches every stored text, but never a missing one.
    Recordset rs = db->OpenRecordset(statement(Family::EditorWord, *tableForLength(2), {"qx"}));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(resultLine(rs.text("Begriff"), rs.text("Bedeutung")), "QX\t");
    EXPECT_EQ(count(statement(Family::Everything, *tableForLength(2), {})), rowsOf(2));
    EXPECT_EQ(count(statement(Family::EditorMeaning, *tableForLength(2), {"*"})), rowsOf(2) - 1);
}

// As the importer and the restore build a dictionary: created, filled, keyed on the same
// connection.
TEST_F(DatabaseTest, CreatedFileIsNeverOverwrittenAndNumbersOnAfterTheRekey) {
    const QString path = app.file("daten/neu.mdb");
    {
        auto created = Database::CreateDatabase(path);
        test::appendRows(*created, "fuenf", {{"Apfel", "Obst"}, {"Birne", "Obst"}});
        created->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        insert(*created, 5, "Beere", "Obst");  // the connection stays usable with the new key
    }
    EXPECT_THROW(Database::CreateDatabase(path), DatabaseError);
    EXPECT_THROW(Database::OpenDatabase(path, QString()), DatabaseError);
    db = Database::OpenDatabase(path, dictionaryConnect());
    EXPECT_EQ(rowsOf(2), 0);
    insert(*db, 5, "Kiwis", "Obst");
    Recordset rs =
        db->OpenRecordset(statement(Family::EditorMeaning, *tableForLength(5), {"obst"}));
    ASSERT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(rs.text("Begriff"), "Apfel");
    rs.MoveLast();
    EXPECT_EQ(rs.text("Begriff"), "Kiwis");
    EXPECT_EQ(rs.Fields("id").toLongLong(), 4);
    rs.Move(-1);
    EXPECT_EQ(rs.text("Begriff"), "Beere");
}

// Thousands of rows fill several of the snapshot's blocks; every value must come back as
// the engine gave it, also when the blocks are reused by the next result set.
TEST_F(DatabaseTest, LargeResultsKeepEveryValueAndMissingFieldsAreRefused) {
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
    EXPECT_THROW(huge.Fields("Nichtda"), DatabaseError);
    EXPECT_THROW(db->OpenRecordset("Select * from nirgends"), DatabaseError);
}

// A text put into a statement is never read as a placeholder.
TEST(Statements, InsertedTextIsNeverExpandedAgain) {
    EXPECT_EQ(statement(Family::Pattern, *tableForLength(3), {"{t}{1}"}),
              "Select * from drei WHERE begriff LIKE '{t}{1}'");
    EXPECT_EQ(statement(Family::TwoTexts, *tableForLength(8), {"{2}", "%1"}),
              "Select * from acht WHERE (begriff LIKE '{2}' or bedeutung like '{2}') AND "
              "(begriff LIKE '%1' or bedeutung like '%1')");
}

}  // namespace
}  // namespace vondrik
