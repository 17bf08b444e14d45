// Whole runs of the importer program on a tiny thesaurus in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "dictionary/database.h"

namespace vondrik {
namespace {

using ::testing::HasSubstr;

class ImportRun : public ::testing::Test {
  protected:
    QString file(const QString& name) const { return dir_.filePath(name); }

    void writeThesaurus(const QByteArray& text) {
        QFile thesaurus(file("th.dat"));
        ASSERT_TRUE(thesaurus.open(QIODevice::WriteOnly));
        thesaurus.write(text);
    }

    // Runs the importer; its standard output, or its error output when it failed.
    std::string import(int expectedExitCode) const {
        QProcess process;
        process.start(QStringLiteral(VONDRIK_IMPORT_PROGRAM), {file("th.dat"), file("daten.mdb")});
        process.waitForFinished(-1);
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), expectedExitCode);
        return (expectedExitCode == 0 ? process.readAllStandardOutput()
                                      : process.readAllStandardError())
            .toStdString();
    }

    QByteArray dictionaryBytes() const {
        QFile built(file("daten.mdb"));
        return built.open(QIODevice::ReadOnly) ? built.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

// Broader terms are no answers and follow the synonyms in the meanings; trailing notes go.
TEST_F(ImportRun, BuildsAnEncryptedDictionaryThatOnlyASuccessfulImportReplaces) {
    writeThesaurus(
        "UTF-8\n"
        "Kies|2\n"
        "-|Geld|Zahlungsmittel (Oberbegriff)|Moneten (ugs.)|Kies (ugs.)\n"
        "-|Kies|Schotter|Geröll (Oberbegriff)\n");
    const std::string out = import(0);
    EXPECT_THAT(out, HasSubstr(" 4 Buchstaben (vier): 3\n"));
    EXPECT_THAT(out, HasSubstr("Gesamt: 5 Einträge\n"));
    {
        const auto database = Database::OpenDatabase(file("daten.mdb"), dictionaryConnect());
        Recordset vier = database->OpenRecordset(QStringLiteral("SELECT * FROM vier ORDER BY ID"));
        ASSERT_EQ(vier.RecordCount(), 3);
        EXPECT_EQ(vier.text("Begriff"), "Geld");
        EXPECT_EQ(vier.text("Bedeutung"), "Moneten, Kies, Zahlungsmittel");
    }
    EXPECT_THROW(Database::OpenDatabase(file("daten.mdb"), QString()), DatabaseError);

    const QByteArray before = dictionaryBytes();
    writeThesaurus("UTF-8\nGeld|3\n-|Geld|Kies\n");
    EXPECT_THAT(import(1), HasSubstr("Zeile 2: Zum Stichwort „Geld“ fehlen"));
    EXPECT_EQ(dictionaryBytes(), before);
    // The new dictionary is built under another name: failing while writing it, too, leaves
    // the old one whole.
    writeThesaurus("UTF-8\nAuto|1\n-|Auto|Wagen\n");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("daten.mdb.import"));
    EXPECT_THAT(import(1), HasSubstr("Fehler beim Schreiben von"));
    EXPECT_EQ(dictionaryBytes(), before);
    ASSERT_TRUE(QDir(dir_.path()).rmdir("daten.mdb.import"));
    QFile::remove(file("th.dat"));
    EXPECT_THAT(import(1), HasSubstr("kann nicht gelesen werden"));
    EXPECT_EQ(dictionaryBytes(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"daten.mdb"});

    writeThesaurus("UTF-8\nAuto|1\n-|Auto|Wagen\n");
    import(0);
    const auto database = Database::OpenDatabase(file("daten.mdb"), dictionaryConnect());
    EXPECT_EQ(database->OpenRecordset(QStringLiteral("SELECT * FROM vier")).RecordCount(), 1);
    EXPECT_EQ(database->OpenRecordset(QStringLiteral("SELECT * FROM fuenf")).RecordCount(), 1);
}

}  // namespace
}  // namespace vondrik
