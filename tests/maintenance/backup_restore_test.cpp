// Backup and restore on a real fixture dictionary: the scrambled lines, the files written, the
// round trip, and that damaged backups and failures half-way change nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <map>

#include "dictionary/statements.h"
#include "maintenance/dictionary_backup.h"
#include "maintenance/dictionary_restore.h"
#include "maintenance/interrupted_work.h"
#include "maintenance/scrambler.h"
#include "support/helpers.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

using test::bytesOf;
using test::writeBytes;

std::map<QString, QByteArray> folderBytes(const QString& path) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(path).entryList(QDir::Files)) {
        files[name] = bytesOf(path + u'/' + name);
    }
    return files;
}

// The scrambler: known scrambled forms, which backups of every version share, and the way back.
TEST(ScramblerTest, KnownFormsAndTheWayBack) {
    // A, B, TAB against v, o, m: 0x41^0x76, 0x42^0x6F, 0x09^0x6D.
    EXPECT_EQ(Scramble(u"AB\t", kScrambleKey), "372D64");
    // The sixth character meets the first key character again: f^v = 0x10.
    EXPECT_EQ(Scramble(u"abcdef", kScrambleKey).mid(10), "10");
    // ä is code 228 (0xE4) of the code page: 0xE4^0x76.
    EXPECT_EQ(Scramble(u"ä", kScrambleKey), "92");
    EXPECT_EQ(Scramble(u"", kScrambleKey), "");

    EXPECT_EQ(Unscramble(u"372d64", kScrambleKey), "AB\t");  // lower case is accepted
    EXPECT_EQ(Unscramble(u"372D6", kScrambleKey), "AB");     // an odd last digit is ignored
    EXPECT_EQ(Unscramble(u"3\u01372D", kScrambleKey), std::nullopt);  // not cut to 8 bits
    EXPECT_EQ(unscrambleBytes("372D64", kScrambleKey), "AB\t");

    // A value below 0x10 keeps its leading zero (v^v); the euro sign is code 0x80 (0x80^0x6F).
    EXPECT_EQ(Scramble(u"v€", kScrambleKey), "00EF");
    EXPECT_EQ(Unscramble(u"00EF", kScrambleKey), "v€");
}

class BackupRestoreTest : public ::testing::Test {
  protected:
    // "Begriff\tBedeutung" of every row of a table, in the order the table delivers them,
    // with the record number in front if asked for.
    QStringList pairs(int length, bool withIds = false) {
        Recordset rs = session.open(statement(Family::WholeTable, *tableForLength(length), {}));
        QStringList rows;
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString id = withIds ? rs.Fields(u"ID").toString() + u'\t' : QString();
            rows << id + rs.text(u"Begriff") + u'\t' + rs.text(u"Bedeutung");
        }
        return rows;
    }
    std::vector<QStringList> allPairs(bool withIds = false) {
        std::vector<QStringList> tables;
        for (const LengthTable& t : lengthTables()) {
            tables.push_back(pairs(t.length, withIds));
        }
        return tables;
    }
    // The plain lines of a backup file; every line must end in CR LF.
    QStringList backupLines(int length) {
        const QByteArray bytes = bytesOf(backupFile(folder, length));
        EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n"));
        QStringList lines;
        for (const QByteArray& line : bytes.split('\n')) {
            if (!line.isEmpty()) {
                EXPECT_TRUE(line.endsWith('\r'));
                lines << unscrambleBytes(line.chopped(1), kScrambleKey).value_or("<not hex>");
            }
        }
        return lines;
    }
    // Replaces line number (from 1) of a backup file with the scrambled form of plain.
    void replaceLine(int length, int number, const QString& plain) {
        QList<QByteArray> lines = bytesOf(backupFile(folder, length)).split('\n');
        lines[number - 1] = Scramble(plain, kScrambleKey).toLatin1() + '\r';
        writeBytes(backupFile(folder, length), lines.join('\n'));
    }

    test::TestAppFolder app;
    AppFolder folder{app.path()};
    DictionarySession session{app.openDictionary()};
    std::vector<int> progress;
    ProgressStep record = [this](int value) { progress.push_back(value); };
};

TEST_F(BackupRestoreTest, BackupWritesEveryTableScrambledAndRestoreNumbersItFromOne) {
    // A gap in the record numbers, which the restore must not carry over.
    session.execute(statement(Family::Delete, *tableForLength(5), 1));
    session.execute(statement(Family::Insert, *tableForLength(5), {"Biber", "Nagetier"}));
    writeBytes(app.file("daten/anzup.sis"), " 12 \r\n");
    const std::vector<QStringList> saved = allPairs();
    ASSERT_EQ(backupDictionary(session, folder).message, "");
    for (const LengthTable& t : lengthTables()) {
        EXPECT_EQ(backupLines(t.length), saved[t.length - 2]) << t.name;
    }
    EXPECT_EQ(bytesOf(counterCopyFile(folder)), " 12 \r\n");
    EXPECT_EQ(QDir(app.path()).entryList({"Sicherung*"}, QDir::Dirs), QStringList{"Sicherung"});

    session.execute(statement(Family::Insert, *tableForLength(2), {"Öl", "Brennstoff"}));
    writeBytes(app.file("daten/anzup.sis"), " 20 \r\n");
    // The window lets events run between the steps; the old dictionary serves them meanwhile.
    qint64 rowsSeenMeanwhile = 0;
    const RestoreResult result = restoreDictionary(session, folder, [&](int value) {
        if (value < 16) {
            rowsSeenMeanwhile += pairs(2).size();
        }
    });
    ASSERT_EQ(result.status, RestoreStatus::Done) << result.message.toStdString();
    EXPECT_EQ(rowsSeenMeanwhile, 16 * (saved[0].size() + 1));

    EXPECT_EQ(allPairs(), saved);
    const QStringList five = pairs(5, true);  // the table with the gap
    for (int i = 0; i < five.size(); ++i) {
        EXPECT_TRUE(five[i].startsWith(QString::number(i + 1) + u'\t')) << five[i].toStdString();
    }
    EXPECT_EQ(bytesOf(app.file("daten/anzup.sis")), " 12 \r\n");
    EXPECT_THROW(Database::OpenDatabase(app.dictionaryPath(), QString()), DatabaseError);
    EXPECT_EQ(QDir(app.file("daten")).entryList({"daten*"}), QStringList{"daten.mdb"});
}

TEST_F(BackupRestoreTest, MissingOrDamagedBackupLeavesTheDatabaseAndAFailedBackupTheOldSet) {
    EXPECT_EQ(restoreDictionary(session, folder, record).status, RestoreStatus::NoBackup);
    EXPECT_TRUE(progress.empty());
    ASSERT_TRUE(backupDictionary(session, folder).ok);
    const std::vector<QStringList> saved = allPairs();
    const std::map<QString, QByteArray> backup = folderBytes(backupFolder(folder));
    const QByteArray database = bytesOf(app.dictionaryPath());
    const QString seven(7, u'x');

    struct Damage {
        std::function<void()> apply;
        QString expected;
    };
    const std::vector<Damage> damages = {
        {[&] { QFile::remove(backupFile(folder, 7)); }, "7.dat fehlt"},
        {[&] {
             const QByteArray whole = backup.at("9.dat");
             writeBytes(backupFile(folder, 9), whole.left(whole.size() - 5));
         },
         QString("9.dat ist in Zeile %1 fehlerhaft: Das Zeilenende fehlt")
             .arg(backup.at("9.dat").count('\n'))},
        {[&] { replaceLine(4, 2, "Haus"); }, "4.dat ist in Zeile 2 fehlerhaft: Nach dem"},
        {[&] { replaceLine(6, 3, "Haus\tGebäude"); },
         "Zeile 3 fehlerhaft: Das Wort „Haus“ hat 4 statt 6"},
        {[&] { replaceLine(7, 1, seven + u'\t' + QString(101, u'y')); },
         "nimmt den Eintrag nicht an"},
        {[&] {
             QByteArray whole = backup.at("3.dat");
             whole[4] = 'Z';
             writeBytes(backupFile(folder, 3), whole);
         },
         "3.dat ist in Zeile 1 fehlerhaft: Sie enthält andere Zeichen als Hexadezimalziffern"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.expected.toStdString());
        for (const auto& [name, bytes] : backup) {
            writeBytes(backupFolder(folder) + u'/' + name, bytes);
        }
        damage.apply();
        const RestoreResult result = restoreDictionary(session, folder);
        EXPECT_EQ(result.status, RestoreStatus::Failed);
        EXPECT_TRUE(result.message.contains(damage.expected)) << result.message.toStdString();
        EXPECT_EQ(bytesOf(app.dictionaryPath()), database);
        EXPECT_EQ(QDir(app.file("daten")).entryList({"daten*"}), QStringList{"daten.mdb"});
        EXPECT_EQ(allPairs(), saved);
    }

    // A backup failing half-way keeps the previous set, which brings the lost table back.
    for (const auto& [name, bytes] : backup) {
        writeBytes(backupFolder(folder) + u'/' + name, bytes);
    }
    session.execute("DROP TABLE acht");
    const BackupResult failed = backupDictionary(session, folder, record);
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.message.contains("Tabelle acht")) << failed.message.toStdString();
    EXPECT_EQ(progress.back(), 6);  // the tables up to seven letters were written
    EXPECT_EQ(folderBytes(backupFolder(folder)), backup);
    EXPECT_EQ(QDir(app.path()).entryList({"Sicherung*"}, QDir::Dirs), QStringList{"Sicherung"});
    ASSERT_EQ(restoreDictionary(session, folder).status, RestoreStatus::Done);
    EXPECT_EQ(allPairs(), saved);
}

// A backup edited by hand may hold what no other way in lets through; it is cleaned alike,
// so the editor's exact-meaning search still works on the entry.
TEST_F(BackupRestoreTest, RestoredTextIsCleanedAsEveryOtherWayIn) {
    ASSERT_TRUE(backupDictionary(session, folder).ok);
    // The bytes 0x81 and 0x8D stand for no letter; they read as C1 controls, which go.
    replaceLine(5, 1, QStringLiteral("Gl\u0081ut\u008D\tmit") + QChar(0) + QStringLiteral("NUL"));
    ASSERT_EQ(restoreDictionary(session, folder).status, RestoreStatus::Failed);  // "Glut" is 4
    replaceLine(5, 1, "Glut" + QString(QChar(1)) + "e\tmit" + QChar(0) + "NUL\r\n");
    ASSERT_EQ(restoreDictionary(session, folder).status, RestoreStatus::Done);
    const Recordset rs =
        session.open(statement(Family::EditorMeaning, *tableForLength(5), {"mitNUL"}));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.text(u"Begriff"), "Glute");
}

// What older versions, or a crash during the clean-up itself, may have left.
TEST_F(BackupRestoreTest, StartUpCleanUpFinishesOrRemovesLeftovers) {
    ASSERT_TRUE(backupDictionary(session, folder).ok);
    session.close();
    const QString database = app.dictionaryPath();
    const QString backup = backupFolder(folder);
    const struct {
        const char* what;
        std::function<void()> leave;
    } cases[] = {
        {"dictionary moved aside, new one not yet in place",
         [&] { QFile::rename(database, database + ".bisher"); }},
        {"dictionary moved aside and back", [&] { QFile::copy(database, database + ".bisher"); }},
        {"backup moved aside, new set not yet in place",
         [&] {
             QDir().rename(backup, backup + ".alt");
             QDir().mkpath(backup + ".neu");
             writeBytes(backup + ".neu/2.dat", "");
         }},
        {"old backup not yet removed", [&] { QDir().mkpath(backup + ".alt"); }},
        {"temporary files",
         [&] {
             writeBytes(app.file("daten/anzup.sis.Ab12Cd"), " 4 \r\n");
             writeBytes(app.file("daten/anzup.sis.tmp"), " 4");
             writeBytes(app.file("vondrik.ini.tmp"), " 255");
             writeBytes(app.file("daten/3.upd"), "Ohm\tEinheit\r\n");
             writeBytes(database + "-journal", QByteArray(512, '\0'));
         }},
    };
    const QStringList datenFiles = QDir(app.file("daten")).entryList(QDir::Files);
    const std::map<QString, QByteArray> backupFiles = folderBytes(backup);
    const QByteArray dictionary = bytesOf(database);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.leave();
        finishInterruptedWork(folder);
        EXPECT_EQ(QDir(app.file("daten")).entryList(QDir::Files), datenFiles);
        EXPECT_EQ(QDir(app.path()).entryList({"Sicherung*", "*.tmp"}), QStringList{"Sicherung"});
        EXPECT_EQ(folderBytes(backup), backupFiles);
        EXPECT_EQ(bytesOf(database), dictionary);
    }
}

// The whole default dictionary comes back as it was: every backup is lossless.
TEST_F(BackupRestoreTest, DefaultDictionaryComesBackUnchanged) {
    session.close();
    ASSERT_TRUE(QFile::remove(app.dictionaryPath()));
    ASSERT_TRUE(QFile::copy(VONDRIK_DEFAULT_DICTIONARY, app.dictionaryPath()));
    session.attach(app.openDictionary());
    const std::vector<QStringList> saved = allPairs(true);
    ASSERT_TRUE(backupDictionary(session, folder).ok);
    ASSERT_EQ(restoreDictionary(session, folder).status, RestoreStatus::Done);
    EXPECT_EQ(allPairs(true), saved);
}

}  // namespace
}  // namespace vondrik
