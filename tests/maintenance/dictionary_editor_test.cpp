// The editor's work on a real fixture dictionary: statements, cleaning, guards, logs and the
// record number, without the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "maintenance/dictionary_editor.h"
#include "maintenance/editor_rows.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/cp1252.h"

namespace vondrik {
namespace {

class DictionaryEditorTest : public ::testing::Test {
  protected:
    QString log(const char* name) const {
        QFile file(app.file(QStringLiteral("daten/") + QLatin1String(name)));
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("<none>");
        }
        return QString::fromLatin1(file.readAll());  // cp1252 and Latin-1 agree on ä, ö, ü, ß
    }

    qint64 count(const QString& table) {
        return db->OpenRecordset(QStringLiteral("Select * from ") + table).RecordCount();
    }

    // Meanings of the entries of a table with this word, in table order.
    QStringList meaningsOf(const QString& table, const QString& word) {
        Recordset rs = db->OpenRecordset(
            QStringLiteral("Select * from %1 WHERE begriff LIKE '%2'").arg(table, word));
        QStringList meanings;
        for (; !rs.Eof(); rs.MoveNext()) {
            meanings << rs.text(u"Bedeutung");
        }
        return meanings;
    }

    // The row of a word in a list of editor rows.
    static QString rowOf(const QStringList& rows, const QString& word) {
        for (const QString& row : rows) {
            if (row.startsWith(word + u'\t')) {
                return row;
            }
        }
        return {};
    }

    // Loads the entry of a word after choosing its length.
    void loadWord(const QString& word) {
        const RowsResult listed = editor.chooseLength(static_cast<int>(word.size()));
        QString begriff;
        QString bedeutung;
        ASSERT_EQ(editor.load(rowOf(listed.rows, word), begriff, bedeutung).status,
                  EditStatus::Done);
        ASSERT_EQ(begriff, word);
    }

    test::TestAppFolder app;
    std::unique_ptr<Database> db = app.openDictionary();
    QString sql;
    Recordset auswahl;
    AppFolder folder{app.path()};
    DictionaryEditor editor{db, sql, auswahl, folder};
};

TEST_F(DictionaryEditorTest, ChoosingALengthListsItsTableInResultSetOrder) {
    const RowsResult result = editor.chooseLength(4);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(sql, "Select * from vier");
    EXPECT_EQ(editor.laenge(), 4);
    const auto entries = test::fixtureEntriesOfLength(4);
    ASSERT_EQ(result.rows.size(), qsizetype(entries.size()));
    EXPECT_EQ(auswahl.RecordCount(), qint64(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const QString& row = result.rows[qsizetype(i)];
        EXPECT_TRUE(
            row.startsWith(entries[i].begriff + u'\t' + entries[i].bedeutung + QString(80, u' ')))
            << row.toStdString();
        EXPECT_GT(recordNumberOfRow(row), 0);
    }
    EXPECT_FALSE(editor.chooseLength(16).ran);
    EXPECT_EQ(editor.laenge(), 4);
}

TEST_F(DictionaryEditorTest, AddHausGoesIntoVierAndTheNewEntryLog) {
    editor.chooseLength(4);
    QString begriff = "Haus";
    QString bedeutung = "Gebäude zum Wohnen";
    const EditResult result = editor.add(begriff, bedeutung);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_TRUE(result.logFile.isEmpty());
    EXPECT_EQ(sql, "INSERT INTO vier (Begriff, Bedeutung) VALUES ('Haus', 'Gebäude zum Wohnen')");
    EXPECT_EQ(meaningsOf("vier", "Haus"), QStringList{"Gebäude zum Wohnen"});
    EXPECT_EQ(log("neu.dat"), QStringLiteral("Haus\tGebäude zum Wohnen\r\n"));

    begriff = "Hose";
    bedeutung = "Beinkleid";
    EXPECT_EQ(editor.add(begriff, bedeutung).status, EditStatus::Done);
    EXPECT_EQ(log("neu.dat"), QStringLiteral("Haus\tGebäude zum Wohnen\r\nHose\tBeinkleid\r\n"));
}

TEST_F(DictionaryEditorTest, AddStoresAndWritesBackTheCleanedTexts) {
    editor.chooseLength(9);
    QString begriff = "Rock'n'Roll";
    QString bedeutung = "Maß[1] {Tanz}";
    EXPECT_EQ(editor.add(begriff, bedeutung).status, EditStatus::Done);
    EXPECT_EQ(begriff, "RocknRoll");
    EXPECT_EQ(bedeutung, "Maß(1) (Tanz)");
    EXPECT_EQ(meaningsOf("neun", "RocknRoll"), QStringList{"Maß(1) (Tanz)"});
    EXPECT_EQ(log("neu.dat"), QStringLiteral("RocknRoll\tMaß(1) (Tanz)\r\n"));
}

TEST_F(DictionaryEditorTest, AddRefusesWithoutStoringAnything) {
    QString begriff = "Haus";
    QString bedeutung = "Gebäude";
    // No length chosen yet.
    EXPECT_EQ(editor.add(begriff, bedeutung).status, EditStatus::WrongLength);

    editor.chooseLength(4);
    const qint64 before = count("vier");
    const struct {
        const char* begriff;
        const char* bedeutung;
        EditStatus status;
    } cases[] = {
        {"", "Gebäude", EditStatus::Ignored},
        {"Haus", "", EditStatus::Ignored},
        {"A", "Buchstabe", EditStatus::Ignored},
        {"Donaudampfschiff", "sechzehn Buchstaben", EditStatus::Ignored},
        {"Hütte", "fünf Buchstaben", EditStatus::WrongLength},
    };
    for (const auto& c : cases) {
        begriff = QString::fromUtf8(c.begriff);
        bedeutung = QString::fromUtf8(c.bedeutung);
        EXPECT_EQ(editor.add(begriff, bedeutung).status, c.status) << c.begriff;
    }
    EXPECT_EQ(count("vier"), before);
    EXPECT_EQ(count("fuenf"), qint64(test::fixtureEntriesOfLength(5).size()));
    EXPECT_EQ(log("neu.dat"), "<none>");
}

TEST_F(DictionaryEditorTest, UnchangedTextIsRefusedByAddAndChange) {
    loadWord("Ast");
    QString begriff = "Ast";
    QString bedeutung = "Teil eines Baumes";
    EXPECT_EQ(editor.add(begriff, bedeutung).status, EditStatus::SameText);
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::SameText);
    // Cleaning comes first: an apostrophe alone does not make a change.
    begriff = "A'st";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::SameText);
    EXPECT_EQ(count("drei"), qint64(test::fixtureEntriesOfLength(3).size()));
    EXPECT_EQ(log("anders.dat"), "<none>");
}

TEST_F(DictionaryEditorTest, ChangeWritesTheRecordAndTwoLogLines) {
    loadWord("Ast");
    const qint64 number = editor.recordNumber();
    QString begriff = "Ast";
    QString bedeutung = "Zweig";
    const EditResult result = editor.change(begriff, bedeutung);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_EQ(sql, QStringLiteral("UPDATE drei Set begriff = 'Ast', Bedeutung = 'Zweig' Where id "
                                  "=  %1 ")
                       .arg(number));
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Zweig"});
    EXPECT_EQ(log("anders.dat"), QStringLiteral("Ast\tTeil eines Baumes\r\nAst\tZweig\r\n"));

    // Pressing the button again changes and logs nothing more.
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::SameText);
    EXPECT_EQ(log("anders.dat"), QStringLiteral("Ast\tTeil eines Baumes\r\nAst\tZweig\r\n"));
}

TEST_F(DictionaryEditorTest, ChangeNeedsALoadedEntryOfTheChosenLength) {
    QString begriff = "Ast";
    QString bedeutung = "Zweig";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::Ignored);

    loadWord("Ast");
    begriff = "Aste";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::WrongLength);
    begriff = "Ast";
    bedeutung = "";  // an empty meaning is allowed
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::Done);
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{""});
}

TEST_F(DictionaryEditorTest, DeleteRemovesTheLoadedRecordWithTheTablesOwnBlanks) {
    loadWord("Ast");
    const qint64 number = editor.recordNumber();
    EXPECT_EQ(editor.remove().status, EditStatus::Done);
    EXPECT_EQ(sql, QStringLiteral("DELETE from drei  Where id =  %1 ").arg(number));
    EXPECT_TRUE(meaningsOf("drei", "Ast").isEmpty());
    EXPECT_EQ(count("drei"), qint64(test::fixtureEntriesOfLength(3).size()) - 1);
    // The number names nothing any more: nothing further can be sent to it.
    EXPECT_EQ(editor.recordNumber(), 0);
    QString begriff = "Ast";
    QString bedeutung = "Zweig";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::Ignored);
    EXPECT_EQ(log("anders.dat"), "<none>");

    loadWord("Elbe");
    EXPECT_EQ(editor.remove().status, EditStatus::Done);
    EXPECT_TRUE(sql.startsWith("DELETE from vier  Where id =  "));
    loadWord("Dante");
    EXPECT_EQ(editor.remove().status, EditStatus::Done);
    EXPECT_TRUE(sql.startsWith("DELETE from fuenf Where id =  "));
}

TEST_F(DictionaryEditorTest, AnotherLengthForgetsTheLoadedRecord) {
    loadWord("Ast");
    editor.chooseLength(4);
    EXPECT_EQ(editor.recordNumber(), 0);
    EXPECT_EQ(editor.remove().status, EditStatus::Ignored);
    QString begriff = "Haus";
    QString bedeutung = "Gebäude";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::Ignored);
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Teil eines Baumes"});
    EXPECT_EQ(count("vier"), qint64(test::fixtureEntriesOfLength(4).size()));
}

TEST_F(DictionaryEditorTest, RecordNumbersAboveFiveDigitsReachTheirOwnRecord) {
    {
        auto appender = db->OpenTable("fuenf");
        for (const auto& [id, word] : {std::pair{23456, "Dachs"}, std::pair{123456, "Biber"}}) {
            appender->AddNew();
            appender->setValue(0, id);
            appender->setValue(1, QString::fromUtf8(word));
            appender->setValue(2, QStringLiteral("Tier"));
            appender->Update();
        }
        appender->Close();
    }
    const RowsResult listed = editor.chooseLength(5);
    const QString row = rowOf(listed.rows, "Biber");
    ASSERT_FALSE(row.isEmpty());
    QString begriff;
    QString bedeutung;
    ASSERT_EQ(editor.load(row, begriff, bedeutung).status, EditStatus::Done);
    EXPECT_EQ(sql, "Select * from fuenf where id = 123456");
    EXPECT_EQ(editor.recordNumber(), 123456);
    EXPECT_EQ(begriff, "Biber");

    bedeutung = "Nagetier";
    EXPECT_EQ(editor.change(begriff, bedeutung).status, EditStatus::Done);
    EXPECT_EQ(meaningsOf("fuenf", "Biber"), QStringList{"Nagetier"});
    EXPECT_EQ(meaningsOf("fuenf", "Dachs"), QStringList{"Tier"});

    EXPECT_EQ(editor.remove().status, EditStatus::Done);
    EXPECT_TRUE(meaningsOf("fuenf", "Biber").isEmpty());
    EXPECT_EQ(meaningsOf("fuenf", "Dachs"), QStringList{"Tier"});
}

TEST_F(DictionaryEditorTest, ARowWhoseEntryIsGoneLeavesEverythingAsItWas) {
    const RowsResult listed = editor.chooseLength(3);
    loadWord("Ast");
    const qint64 loaded = editor.recordNumber();
    const QString gone = rowOf(listed.rows, "Ehe");
    db->Execute(QStringLiteral("DELETE FROM drei WHERE id = %1").arg(recordNumberOfRow(gone)));
    QString begriff = "Ast";
    QString bedeutung = "Teil eines Baumes";
    EXPECT_EQ(editor.load(gone, begriff, bedeutung).status, EditStatus::NotFound);
    EXPECT_EQ(begriff, "Ast");
    EXPECT_EQ(bedeutung, "Teil eines Baumes");
    EXPECT_EQ(editor.recordNumber(), loaded);
    EXPECT_EQ(editor.altbegriff(), "Ast");
}

TEST_F(DictionaryEditorTest, WordSearchTestsTheRawAnswerAndMeaningSearchTheCleanedText) {
    EXPECT_FALSE(editor.searchWord("a").ran);  // no length yet
    editor.chooseLength(4);
    EXPECT_FALSE(editor.searchWord("").ran);

    RowsResult result = editor.searchWord("   ");
    EXPECT_EQ(sql, "Select * from vier WHERE begriff LIKE '**'");
    EXPECT_EQ(result.rows.size(), qsizetype(test::fixtureEntriesOfLength(4).size()));

    result = editor.searchWord(" b'a[ ");
    EXPECT_EQ(sql, "Select * from vier WHERE begriff LIKE '*ba(*'");
    EXPECT_TRUE(result.rows.isEmpty());

    result = editor.searchWord("ank");
    EXPECT_EQ(result.rows.size(), 2);  // the two banks
    EXPECT_TRUE(result.rows[0].startsWith("Bank\tSitzmöbel"));

    sql = "unverändert";
    EXPECT_FALSE(editor.searchMeaning("   ").ran);
    EXPECT_FALSE(editor.searchMeaning("'").ran);
    EXPECT_EQ(sql, "unverändert");
    result = editor.searchMeaning(" Fluss ");
    EXPECT_EQ(sql, "Select * from vier WHERE bedeutung LIKE '*Fluss*'");
    EXPECT_FALSE(result.rows.isEmpty());
    for (const QString& row : result.rows) {
        EXPECT_TRUE(row.section(u'\t', 1).contains("Fluss", Qt::CaseInsensitive));
    }
}

TEST_F(DictionaryEditorTest, FernsucheFindsTheMeaningExactlyApostrophesAndWildcardsIncluded) {
    db->Execute("INSERT INTO sieben (Begriff, Bedeutung) VALUES ('Schenke', 'Wirt''s Stube')");
    db->Execute("INSERT INTO sieben (Begriff, Bedeutung) VALUES ('Sprache', 'C# und mehr')");
    db->Execute("INSERT INTO sieben (Begriff, Bedeutung) VALUES ('Spruche', 'C1 und mehr')");

    RowsResult result = editor.fernsuche(7, "Wirt's Stube");
    EXPECT_EQ(sql, "Select * from sieben WHERE bedeutung LIKE 'Wirt''s Stube'");
    EXPECT_EQ(editor.laenge(), 7);
    ASSERT_EQ(result.rows.size(), 1);
    EXPECT_TRUE(result.rows[0].startsWith("Schenke\tWirt's Stube"));

    result = editor.fernsuche(7, "C# und mehr");
    ASSERT_EQ(result.rows.size(), 1);
    EXPECT_TRUE(result.rows[0].startsWith("Sprache\t"));

    result = editor.fernsuche(5, "Geld (ugs.)");
    EXPECT_EQ(result.rows.size(), 2);
    EXPECT_FALSE(editor.fernsuche(16, "Geld (ugs.)").ran);
}

TEST_F(DictionaryEditorTest, RefusedStatementsAreReportedAndNotLogged) {
    editor.chooseLength(4);
    QString begriff = "Haus";
    QString bedeutung(101, u'x');
    EditResult result = editor.add(begriff, bedeutung);
    EXPECT_EQ(result.status, EditStatus::Failed);
    EXPECT_TRUE(result.error.contains("Bedeutung länger als 100 Zeichen"))
        << result.error.toStdString();
    EXPECT_TRUE(meaningsOf("vier", "Haus").isEmpty());
    EXPECT_EQ(log("neu.dat"), "<none>");

    loadWord("Ast");
    begriff = "Ast";
    result = editor.change(begriff, bedeutung);
    EXPECT_EQ(result.status, EditStatus::Failed);
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Teil eines Baumes"});
    EXPECT_EQ(editor.altbedeutung(), "Teil eines Baumes");
    EXPECT_EQ(log("anders.dat"), "<none>");

    const qint64 loaded = editor.recordNumber();
    db->Close();
    result = editor.remove();
    EXPECT_EQ(result.status, EditStatus::Failed);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(editor.recordNumber(), loaded);  // still loaded: nothing was deleted
}

TEST_F(DictionaryEditorTest, AnUnwritableLogIsNamedButTheEntryStays) {
    ASSERT_TRUE(QDir(app.path()).mkpath("daten/neu.dat"));  // a folder where the file belongs
    editor.chooseLength(4);
    QString begriff = "Haus";
    QString bedeutung = "Gebäude";
    const EditResult result = editor.add(begriff, bedeutung);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_EQ(result.logFile, app.file("daten/neu.dat"));
    EXPECT_EQ(meaningsOf("vier", "Haus"), QStringList{"Gebäude"});
}

TEST_F(DictionaryEditorTest, WithoutAnOpenDatabaseEveryStatementReportsIt) {
    db.reset();
    const RowsResult result = editor.chooseLength(4);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.error, "Die Datenbank ist nicht geöffnet.");
    QString begriff = "Haus";
    QString bedeutung = "Gebäude";
    EXPECT_EQ(editor.add(begriff, bedeutung).status, EditStatus::Failed);
}

}  // namespace
}  // namespace vondrik
