// The editor window: opening and closing, the length buttons, loading rows and the searches;
// the hand-over from the main list is tested with the result list's right-click.
#include <QApplication>
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

TEST_F(ErweiternTest, KeepsTheMainWindowDisabledUntilClosedEitherWay) {
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_FALSE(haupt->isEnabled());
    editor->Command6->click();
    flushDeletes();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(haupt->isEnabled());

    haupt->menuAction("datarb")->trigger();
    editor = haupt->findChild<Erweitern*>("erweitern");
    ASSERT_TRUE(editor);
    EXPECT_FALSE(haupt->isEnabled());
    editor->close();  // the close box
    flushDeletes();
    EXPECT_TRUE(haupt->isEnabled());
}

TEST_F(ErweiternTest, ALengthButtonListsItsTableSortedAndForgetsTheLoadedEntry) {
    loadWord("Ast");
    editor->Text2->setText("vom Tippen");
    chooseLength(4);
    EXPECT_EQ(editor->List1->tabStop(), 40);
    EXPECT_EQ(editor->Text1->text(), "");
    EXPECT_EQ(editor->Text2->text(), "");
    EXPECT_EQ(editor->Label3->text(), "Label3");

    EXPECT_EQ(editor->List1->count(), qsizetype(fixtureEntriesOfLength(4).size()));

    // The entry shown last still guards against adding it unchanged.
    chooseLength(3);
    editor->Text1->setText("Ast");
    editor->Text2->setText("Teil eines Baumes");
    editor->Command2->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Dieser Text ist genau der gleiche!");
    EXPECT_EQ(meanings("drei", "Ast").size(), 1);
}

TEST_F(ErweiternTest, AClickOrAKeyLoadsARowAndAVanishedEntryIsToldAbout) {
    chooseLength(3);
    const int row = rowOf(editor->List1, "Ast");
    clickRow(editor->List1, row);
    EXPECT_EQ(editor->Text1->text(), "Ast");
    EXPECT_EQ(editor->Text2->text(), "Teil eines Baumes");
    EXPECT_EQ(editor->Label3->text().toLongLong(), recordNumberOfRow(editor->List1->line(row)));
    QTest::keyClick(editor->List1, Qt::Key_Down);
    EXPECT_EQ(editor->index1, row + 1);
    EXPECT_EQ(editor->Text1->text(), editor->List1->line(row + 1).section(u'\t', 0, 0));

    clickRow(editor->List1, row);
    const QString loaded = editor->Label3->text();
    const int gone = rowOf(editor->List1, "Ehe");
    haupt->session().execute(QStringLiteral("DELETE FROM drei WHERE id = %1")
                                 .arg(recordNumberOfRow(editor->List1->line(gone))));
    clickRow(editor->List1, gone);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.startsWith("Diesen Eintrag gibt es nicht mehr"));
    EXPECT_EQ(editor->Text1->text(), "Ast");
    EXPECT_EQ(editor->Text2->text(), "Teil eines Baumes");
    EXPECT_EQ(editor->Label3->text(), loaded);
    EXPECT_EQ(editor->index1, row);
}

TEST_F(ErweiternTest, TypingStopsAtNinetyWhileAStoredMeaningOfAHundredStaysWhole) {
    chooseLength(11);
    QTest::keyClicks(editor->Text2, QString(95, u'y'));
    EXPECT_EQ(editor->Text2->text().size(), 90);

    clickRow(editor->List1, rowOf(editor->List1, "Oktoberfest"));
    EXPECT_EQ(editor->Text2->text().size(), 100);
    editor->Text2->end(false);
    QTest::keyClicks(editor->Text2, "x");
    EXPECT_EQ(editor->Text2->text().size(), 100);

    chooseLength(11);  // the emptied field takes the typing limit back
    QTest::keyClicks(editor->Text2, QString(95, u'y'));
    EXPECT_EQ(editor->Text2->text().size(), 90);
}

TEST_F(ErweiternTest, TheSearchButtonsAskForATextAndListWhatTheyFindInList2) {
    chooseLength(4);
    fake.inputBox.script({"   ", "durch"});
    editor->Command7->click();
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte Suchstring eingeben");
    EXPECT_EQ(fake.inputBox.asked()[0].title, "Begriffsuche");
    EXPECT_EQ(editor->List2->count(), qsizetype(fixtureEntriesOfLength(4).size()));

    editor->Command5->click();
    ASSERT_EQ(fake.inputBox.asked().size(), 2);
    EXPECT_EQ(fake.inputBox.asked()[1].title, "Begriffsuche");
    EXPECT_EQ(haupt->session().sql(), "Select * from vier WHERE bedeutung LIKE '*durch*'");
    EXPECT_EQ(editor->List2->count(), 3);  // Main, Elbe, Isar
    EXPECT_TRUE(fake.problems().isEmpty()) << fake.problems().join(", ").toStdString();
}

}  // namespace
}  // namespace vondrik::test
