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

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const char* const kExcerpt =
    "UTF-8\n"
    "Geld|1\n"
    "-|Geld|Moneten (ugs.)|Kies (ugs.)|Zahlungsmittel (Oberbegriff)\n"
    "Kies|2\n"
    "-|Geld|Moneten (ugs.)|Kies (ugs.)|Zahlungsmittel (Oberbegriff)\n"
    "-|Kies|Schotter|Geröll (Oberbegriff)\n";

struct ImportResult {
    int exitCode;
    QString out;
    QString err;
};

class ImportRun : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString file(const QString& name) const { return dir_.filePath(name); }

    void writeThesaurus(const QByteArray& text) {
        QFile thesaurus(file("th.dat"));
        ASSERT_TRUE(thesaurus.open(QIODevice::WriteOnly));
        thesaurus.write(text);
    }

    ImportResult import() const {
        QProcess process;
        process.start(QStringLiteral(VONDRIK_IMPORT_PROGRAM), {file("th.dat"), file("daten.mdb")});
        process.waitForFinished(-1);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QStringList folderContents() const {
        return QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir_;
};

TEST_F(ImportRun, BuildsAnEncryptedDictionary) {
    writeThesaurus(kExcerpt);
    const ImportResult run = import();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_THAT(run.out.toStdString(), HasSubstr(" 4 Buchstaben (vier): 3\n"));
    EXPECT_THAT(run.out.toStdString(), HasSubstr(" 7 Buchstaben (sieben): 1\n"));
    EXPECT_THAT(run.out.toStdString(), HasSubstr("Gesamt: 5 Einträge\n"));
    EXPECT_THAT(folderContents(), ElementsAre("daten.mdb", "th.dat"));

    const auto database = Database::OpenDatabase(file("daten.mdb"), dictionaryConnect());
    Recordset vier = database->OpenRecordset(
        QStringLiteral("SELECT ID, Begriff, Bedeutung FROM vier ORDER BY ID"));
    ASSERT_EQ(vier.RecordCount(), 3);
    EXPECT_EQ(vier.text("Begriff"), "Geld");
    EXPECT_EQ(vier.text("Bedeutung"), "Moneten, Kies, Zahlungsmittel");
    vier.MoveLast();
    EXPECT_EQ(vier.text("Begriff"), "Kies");
    EXPECT_EQ(vier.text("Bedeutung"), "Schotter, Geröll");
    Recordset total = database->OpenRecordset(
        QStringLiteral("SELECT (SELECT count(*) FROM vier) + (SELECT count(*) FROM sieben) + "
                       "(SELECT count(*) FROM acht) AS n"));
    EXPECT_EQ(total.Fields("n").toLongLong(), 5);
    database->Close();

    EXPECT_THROW(Database::OpenDatabase(file("daten.mdb"), QString()), DatabaseError);
    EXPECT_THROW(Database::OpenDatabase(file("daten.mdb"), QStringLiteral(";pwd=falsch")),
                 DatabaseError);
}

TEST_F(ImportRun, FailedImportLeavesTheOldDictionaryAlone) {
    writeThesaurus(kExcerpt);
    ASSERT_EQ(import().exitCode, 0);
    QFile built(file("daten.mdb"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray before = built.readAll();
    built.close();

    writeThesaurus("UTF-8\nGeld|3\n-|Geld|Kies\n");
    const ImportResult broken = import();
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_THAT(broken.err.toStdString(), HasSubstr("Zeile 2: Zum Stichwort „Geld“ fehlen"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_EQ(built.readAll(), before);
    EXPECT_THAT(folderContents(), ElementsAre("daten.mdb", "th.dat"));

    // A good run replaces the old dictionary as a whole.
    writeThesaurus("UTF-8\nAuto|1\n-|Auto|Wagen\n");
    ASSERT_EQ(import().exitCode, 0);
    const auto database = Database::OpenDatabase(file("daten.mdb"), dictionaryConnect());
    EXPECT_EQ(database->OpenRecordset(QStringLiteral("SELECT * FROM vier")).RecordCount(), 1);
    EXPECT_EQ(database->OpenRecordset(QStringLiteral("SELECT * FROM sieben")).RecordCount(), 0);
}

TEST_F(ImportRun, MissingThesaurusGivesAMessageAndNoFile) {
    const ImportResult run = import();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err.toStdString(), HasSubstr("kann nicht gelesen werden"));
    EXPECT_TRUE(folderContents().isEmpty());
}

}  // namespace
}  // namespace vondrik
