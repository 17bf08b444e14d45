// The editor's work on a real fixture dictionary, without the window: statements, cleaning,
// guards, logs and the record number; and the rows it lists.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "dictionary/jet_like.h"
#include "editor_checks.h"
#include "maintenance/dictionary_editor.h"
#include "maintenance/editor_rows.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"
#include "ui/cp1252.h"

namespace vondrik {
namespace {

using test::fixtureEntriesOfLength;

class DictionaryEditorTest : public ::testing::Test {
  protected:
    // Like the window, the test keeps the fields, into which the editor writes cleaned texts.
    EditResult add(const QString& word, const QString& meaning) {
        begriff = word;
        bedeutung = meaning;
        return editor.add(begriff, bedeutung);
    }
    EditResult change(const QString& word, const QString& meaning) {
        begriff = word;
        bedeutung = meaning;
        return editor.change(begriff, bedeutung);
    }

    // Chooses the word's length and loads its entry.
    void loadWord(const QString& word) {
        const QStringList listed = editor.chooseLength(static_cast<int>(word.size())).rows;
        const QString row = listed.filter(QRegularExpression(u'^' + word + u'\t')).value(0);
        ASSERT_EQ(editor.load(row, begriff, bedeutung).status, EditStatus::Done);
        ASSERT_EQ(begriff, word);
    }

    QStringList meanings(const QString& table, const QString& word) {
        return test::meaningsOf(session, table, word);
    }
    qint64 rows(const QString& table) { return test::countRows(session, table); }
    // A log read as code page 1252, so that a UTF-8 "ä" shows as a mismatch.
    QString log(const char* name) const {
        QFile file(app.file(QStringLiteral("daten/") + QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? decodeCp1252(file.readAll())
                                              : QStringLiteral("<none>");
    }

    test::TestAppFolder app;
    DictionarySession session{app.openDictionary()};
    AppFolder folder{app.path()};
    DictionaryEditor editor{session, folder};
    QString begriff;
    QString bedeutung;
};

TEST_F(DictionaryEditorTest, ChoosingALengthListsItsTableAndForgetsTheLoadedRecord) {
    loadWord("Ast");
    const RowsResult result = editor.chooseLength(4);
    const auto entries = fixtureEntriesOfLength(4);
    ASSERT_EQ(result.rows.size(), qsizetype(entries.size()));
    EXPECT_EQ(result.rows.last().section(u'\t', 0, 0), entries.back().begriff);  // table order
    // Ast's record number belongs to drei: nothing may be sent to it now.
    EXPECT_EQ(editor.recordNumber(), 0);
    EXPECT_EQ(editor.remove().status, EditStatus::Ignored);
    EXPECT_EQ(change("Haus", "Gebäude").status, EditStatus::Ignored);
    EXPECT_EQ(meanings("drei", "Ast"), QStringList{"Teil eines Baumes"});
    // Its texts still guard against adding the entry just shown unchanged.
    editor.chooseLength(3);
    EXPECT_EQ(add("Ast", "Teil eines Baumes").status, EditStatus::SameText);

    EXPECT_FALSE(editor.chooseLength(16).ran);
    EXPECT_EQ(editor.laenge(), 3);
}

TEST_F(DictionaryEditorTest, AddRefusesWhatCannotBeStoredAndStoresAndLogsTheCleanedEntry) {
    EXPECT_EQ(add("Haus", "Gebäude").status, EditStatus::WrongLength);  // no length yet
    editor.chooseLength(4);
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
        // A backup could not carry it: refused with a word on how to write it.
        {"Beta", "Strahlung: β", EditStatus::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.begriff);
        const EditResult result = add(c.begriff, c.bedeutung);
        EXPECT_EQ(result.status, c.status);
        if (c.status == EditStatus::Failed) {
            EXPECT_EQ(result.error,
                      "Das Zeichen „β“ gehört nicht zum Zeichensatz Windows-1252 und kann nicht "
                      "gespeichert werden. Schreiben Sie es zum Beispiel als „beta“.");
        }
    }
    EXPECT_EQ(rows("vier"), qint64(fixtureEntriesOfLength(4).size()));
    EXPECT_EQ(rows("fuenf"), qint64(fixtureEntriesOfLength(5).size()));

    ASSERT_TRUE(QDir(app.path()).mkpath("daten/neu.dat"));  // a folder where the log belongs
    const EditResult unlogged = add("Haus", "Gebäude zum Wohnen");
    EXPECT_EQ(unlogged.status, EditStatus::Done);  // the entry stays, the log is named
    EXPECT_EQ(unlogged.logFile, app.file("daten/neu.dat"));
    EXPECT_EQ(meanings("vier", "Haus"), QStringList{"Gebäude zum Wohnen"});
    ASSERT_TRUE(QDir(app.path()).rmdir("daten/neu.dat"));
    editor.chooseLength(9);
    EXPECT_EQ(add("Rock'n'Roll", "Maß[1] {Tanz}").status, EditStatus::Done);
    EXPECT_EQ(begriff, "RocknRoll");
    EXPECT_EQ(bedeutung, "Maß(1) (Tanz)");
    EXPECT_EQ(meanings("neun", "RocknRoll"), QStringList{"Maß(1) (Tanz)"});
    EXPECT_EQ(log("neu.dat"), "RocknRoll\tMaß(1) (Tanz)\r\n");
}

TEST_F(DictionaryEditorTest, ChangeAndRemoveReachOnlyTheLoadedRecordAndLogBothVersions) {
    test::addDachsAndBiber(session);
    EXPECT_EQ(change("Biber", "Nagetier").status, EditStatus::Ignored);  // nothing loaded
    loadWord("Dachs");
    EXPECT_EQ(editor.recordNumber(), 23456);
    loadWord("Biber");
    EXPECT_EQ(editor.recordNumber(), 123456);

    // Cleaning comes first: an apostrophe alone makes no change.
    EXPECT_EQ(change("Bi'ber", "Tier").status, EditStatus::SameText);
    EXPECT_EQ(change("Bibers", "Nagetier").status, EditStatus::WrongLength);
    const EditResult refused = change("Biber", QString(101, u'x'));  // logged as nothing
    EXPECT_EQ(refused.status, EditStatus::Failed);
    EXPECT_TRUE(refused.error.contains("Bedeutung länger als 100 Zeichen"))
        << refused.error.toStdString();
    EXPECT_EQ(change("Biber", "Nagetier").status, EditStatus::Done);
    // A second press changes and logs nothing more.
    EXPECT_EQ(change("Biber", "Nagetier").status, EditStatus::SameText);
    EXPECT_EQ(meanings("fuenf", "Biber"), QStringList{"Nagetier"});
    EXPECT_EQ(log("anders.dat"), "Biber\tTier\r\nBiber\tNagetier\r\n");

    EXPECT_EQ(editor.remove().status, EditStatus::Done);
    EXPECT_TRUE(meanings("fuenf", "Biber").isEmpty());
    EXPECT_EQ(meanings("fuenf", "Dachs"), QStringList{"Tier"});
    // The number names nothing any more: nothing further can be sent to it, and its row,
    // still shown in a list, loads nothing.
    EXPECT_EQ(editor.recordNumber(), 0);
    EXPECT_EQ(editor.remove().status, EditStatus::Ignored);
    EXPECT_EQ(change("Biber", "Tier").status, EditStatus::Ignored);
    EXPECT_EQ(editor.load(editorRow(u"Biber", u"Nagetier", 123456), begriff, bedeutung).status,
              EditStatus::NotFound);
}

TEST_F(DictionaryEditorTest, WordSearchTakesTheRawAnswerAndMeaningSearchTheCleanedText) {
    EXPECT_FALSE(editor.searchWord("a").ran);  // no length yet
    editor.chooseLength(4);
    EXPECT_FALSE(editor.searchWord("").ran);
    EXPECT_EQ(editor.searchWord("   ").rows.size(), qsizetype(fixtureEntriesOfLength(4).size()));
    EXPECT_EQ(session.sql(), "Select * from vier WHERE begriff LIKE '**'");
    EXPECT_TRUE(editor.searchWord(" b'a[ ").rows.isEmpty());
    EXPECT_EQ(session.sql(), "Select * from vier WHERE begriff LIKE '*ba(*'");

    EXPECT_FALSE(editor.searchMeaning("  '").ran);              // nothing left after cleaning
    EXPECT_EQ(editor.searchMeaning(" Fluss ").rows.size(), 5);  // "Nebenfluss" included
    EXPECT_EQ(session.sql(), "Select * from vier WHERE bedeutung LIKE '*Fluss*'");
}

TEST(EditorRowTest, RecordNumberComesBackWhole) {
    // The meaning ends in digits too: they must not run into the number.
    for (const qint64 number : {1LL, 23456LL, 123456LL, 9876543210LL}) {
        EXPECT_EQ(recordNumberOfRow(editorRow(u"Jahr", u"im Jahr 1999", number)), number);
    }
    EXPECT_EQ(recordNumberOfRow(u"Wort\tohne Nummer"), 0);
}

TEST(LikeLiteralTest, MatchesExactlyTheTextItself) {
    const struct {
        const char16_t* text;
        const char16_t* pattern;
    } cases[] = {
        {u"C# und mehr?", u"C[#] und mehr[?]"},
        {u"*neu* [alt]", u"[*]neu[*] [[]alt]"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const QString pattern = likeLiteral(text);
        EXPECT_EQ(pattern, QString::fromUtf16(c.pattern));
        // In the statement the doubled apostrophe reaches LIKE as one.
        const QString like = QString(pattern).replace(QStringLiteral("''"), QStringLiteral("'"));
        EXPECT_TRUE(JetPattern(like.toStdString()).matches(text.toStdString()));
    }
    EXPECT_FALSE(JetPattern("C[#] und mehr[?]").matches("C1 und mehr!"));
}

}  // namespace
}  // namespace vondrik
