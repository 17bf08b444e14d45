// The editor window: opening and closing, the length buttons and lists, loading entries,
// the searches and fernsuche.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "erweitern_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ErweiternTest, OpensFromTheMenuAndKeepsTheMainWindowDisabledUntilClosed) {
    EXPECT_TRUE(haupt->menuAction("datarb")->isEnabled());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), "erweitern");
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_TRUE(editor->Text1->isEnabled());
    EXPECT_EQ(editor->Label3->text(), "Label3");
    EXPECT_FALSE(editor->Label3->isVisible());
    EXPECT_EQ(editor->List1->count(), 0);
    EXPECT_EQ(editor->editor().laenge(), 0);

    QStringList captions;
    for (QPushButton* b : editor->Command1) {
        captions << b->text();
    }
    EXPECT_EQ(captions, (QStringList{"&2", "&3", "&4", "&5", "&6", "&7", "&8", "&9", "&10", "11",
                                     "12", "13", "14", "15"}));
    EXPECT_EQ(editor->Command2->text(), "Daten hin&zufügen");
    EXPECT_EQ(editor->Command3->text(), "Datensatz &ändern");
    EXPECT_EQ(editor->Command4->text(), "Datensatz &löschen");
    EXPECT_EQ(editor->Command7->text(), "Begriff &suchen");
    EXPECT_EQ(editor->Command5->text(), "&Bedeutung suchen");
    EXPECT_EQ(editor->Command6->text(), "&Ende");
    EXPECT_EQ(editor->Frame1->title(), "Datei auswählen");

    editor->Command6->click();
    flushDeletes();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(haupt->isEnabled());

    // The close box unloads it the same way.
    haupt->menuAction("datarb")->trigger();
    editor = haupt->findChild<Erweitern*>("erweitern");
    ASSERT_TRUE(editor);
    EXPECT_FALSE(haupt->isEnabled());
    editor->close();
    flushDeletes();
    EXPECT_TRUE(haupt->isEnabled());
}

TEST_F(ErweiternTest, ALengthButtonListsItsTableSortedAndClearsTheFields) {
    editor->Text1->setText("Rest");
    editor->Text2->setText("vom Tippen");
    chooseLength(4);
    EXPECT_EQ(haupt->sql, "Select * from vier");
    EXPECT_EQ(editor->editor().laenge(), 4);
    EXPECT_EQ(editor->List1->tabStop(), 40);
    EXPECT_EQ(editor->Text1->text(), "");
    EXPECT_EQ(editor->Text2->text(), "");

    QStringList expected;
    Recordset rs = haupt->DB->OpenRecordset("Select * from vier");
    for (; !rs.Eof(); rs.MoveNext()) {
        expected << editorRow(rs.text(u"Begriff"), rs.text(u"Bedeutung"),
                              rs.Fields(u"Id").toLongLong());
    }
    EXPECT_EQ(editor->List1->lines(), sortedRows(expected));
    EXPECT_NE(editor->List1->lines(), expected);  // the table order is not alphabetical

    chooseLength(15);
    EXPECT_EQ(editor->List1->count(), qsizetype(fixtureEntriesOfLength(15).size()));
    EXPECT_EQ(editor->List1->tabStop(), 95);
}

TEST_F(ErweiternTest, AClickOrAKeyLoadsTheEntryOfARow) {
    chooseLength(3);
    const int row = rowOf(editor->List1, "Ast");
    clickRow(editor->List1, row);
    EXPECT_EQ(editor->Text1->text(), "Ast");
    EXPECT_EQ(editor->Text2->text(), "Teil eines Baumes");
    EXPECT_EQ(editor->Label3->text().toLongLong(), recordNumberOfRow(editor->List1->line(row)));
    EXPECT_EQ(editor->quelle, 1);
    EXPECT_EQ(editor->index1, row);
    EXPECT_EQ(haupt->sql,
              QStringLiteral("Select * from drei where id = ") + editor->Label3->text());

    QTest::keyClick(editor->List1, Qt::Key_Down);
    EXPECT_EQ(editor->index1, row + 1);
    EXPECT_EQ(editor->Text1->text(), editor->List1->line(row + 1).section(u'\t', 0, 0));
}

TEST_F(ErweiternTest, TypingStopsAtNinetyWhileALongerStoredMeaningStaysWhole) {
    chooseLength(11);
    QTest::keyClicks(editor->Text2, QString(95, u'y'));
    EXPECT_EQ(editor->Text2->text(), QString(90, u'y'));

    clickRow(editor->List1, rowOf(editor->List1, "Oktoberfest"));
    EXPECT_EQ(editor->Text2->text().size(), 100);
    editor->Text2->end(false);
    QTest::keyClicks(editor->Text2, "x");
    EXPECT_EQ(editor->Text2->text().size(), 100);
    QTest::keyClick(editor->Text2, Qt::Key_Backspace);
    EXPECT_EQ(editor->Text2->text().size(), 99);

    chooseLength(11);
    QTest::keyClicks(editor->Text2, QString(95, u'y'));
    EXPECT_EQ(editor->Text2->text().size(), 90);
}

TEST_F(ErweiternTest, ARowWhoseEntryIsGoneTellsTheUserAndKeepsTheFields) {
    loadWord("Ast");
    const QString loaded = editor->Label3->text();
    const int gone = rowOf(editor->List1, "Ehe");
    haupt->DB->Execute(QStringLiteral("DELETE FROM drei WHERE id = %1")
                           .arg(recordNumberOfRow(editor->List1->line(gone))));
    clickRow(editor->List1, gone);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.startsWith("Diesen Eintrag gibt es nicht mehr"));
    EXPECT_EQ(editor->Text1->text(), "Ast");
    EXPECT_EQ(editor->Text2->text(), "Teil eines Baumes");
    EXPECT_EQ(editor->Label3->text(), loaded);
    EXPECT_EQ(editor->index1, rowOf(editor->List1, "Ast"));
}

TEST_F(ErweiternTest, WordSearchWithBlanksListsAllAndMeaningSearchWithBlanksNothing) {
    // No length chosen: the box is asked, nothing listed.
    fake.inputBox.script({"a"});
    editor->Command7->click();
    EXPECT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(editor->List2->count(), 0);

    chooseLength(4);
    fake.inputBox.script({"   "});
    editor->Command7->click();
    ASSERT_EQ(fake.inputBox.asked().size(), 2);
    EXPECT_EQ(fake.inputBox.asked()[1].prompt, "Bitte Suchstring eingeben");
    EXPECT_EQ(fake.inputBox.asked()[1].title, "Begriffsuche");
    EXPECT_EQ(haupt->sql, "Select * from vier WHERE begriff LIKE '**'");
    const auto entries = fixtureEntriesOfLength(4);
    ASSERT_EQ(editor->List2->count(), qsizetype(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {  // result-set order, not sorted
        EXPECT_TRUE(editor->List2->line(int(i)).startsWith(entries[i].begriff + u'\t'));
    }

    fake.inputBox.script({"   "});
    editor->Command5->click();
    EXPECT_EQ(fake.inputBox.asked().size(), 3);
    EXPECT_EQ(fake.inputBox.asked()[2].title, "Begriffsuche");
    EXPECT_EQ(editor->List2->count(), 0);
    EXPECT_EQ(haupt->sql, "Select * from vier WHERE begriff LIKE '**'");

    fake.inputBox.script({"durch"});
    editor->Command5->click();
    EXPECT_EQ(haupt->sql, "Select * from vier WHERE bedeutung LIKE '*durch*'");
    EXPECT_EQ(editor->List2->count(), 3);  // Main, Elbe, Isar
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(", ").toStdString();
}

TEST_F(ErweiternTest, FernsucheListsTheEntriesWithTheHandedMeaning) {
    haupt->bedanzbuch = 5;
    haupt->bedeintrag = "Geld (ugs.)";
    editor->Command1[haupt->bedanzbuch - 2]->click();
    editor->fernsuche();
    EXPECT_EQ(haupt->sql, "Select * from fuenf WHERE bedeutung LIKE 'Geld (ugs.)'");
    EXPECT_EQ(editor->List1->tabStop(), 45);
    ASSERT_EQ(editor->List2->count(), 2);
    EXPECT_TRUE(editor->List2->line(0).startsWith("Knete\tGeld (ugs.)"));
    editor->selectRow(editor->List2, 1);
    EXPECT_EQ(editor->Text1->text(), "Kohle");
    EXPECT_EQ(editor->quelle, 2);
    EXPECT_EQ(editor->index2, 1);
}

TEST_F(ErweiternTest, RecordNumbersAboveFiveDigitsWorkInTheWindow) {
    {
        auto appender = haupt->DB->OpenTable("fuenf");
        for (const auto& [id, word] : {std::pair{23456, "Dachs"}, std::pair{123456, "Biber"}}) {
            appender->AddNew();
            appender->setValue(0, id);
            appender->setValue(1, QString::fromUtf8(word));
            appender->setValue(2, QStringLiteral("Tier"));
            appender->Update();
        }
        appender->Close();
    }
    loadWord("Biber");
    EXPECT_EQ(editor->Label3->text(), "123456");
    editor->Text2->setText("Nagetier");
    editor->Command3->click();
    EXPECT_EQ(meaningsOf("fuenf", "Biber"), QStringList{"Nagetier"});
    EXPECT_EQ(meaningsOf("fuenf", "Dachs"), QStringList{"Tier"});
    EXPECT_EQ(editor->List1->line(rowOf(editor->List1, "Biber")),
              editorRow(u"Biber", u"Nagetier", 123456));
}

}  // namespace
}  // namespace vondrik::test
