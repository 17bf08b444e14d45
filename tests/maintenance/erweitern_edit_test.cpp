// The editor window's add, change and delete: fields, lists, logs, messages and beeps.
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "erweitern_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

void type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

TEST_F(ErweiternTest, AddedHausShowsInList1OnlyAfterTheLengthIsChosenAgain) {
    chooseLength(4);
    const QStringList before = editor->List1->lines();
    type(editor->Text1, "Haus");
    editor->Text2->setText("Gebäude zum Wohnen");  // keyClicks knows no umlauts
    editor->Command2->click();
    EXPECT_EQ(meaningsOf("vier", "Haus"), QStringList{"Gebäude zum Wohnen"});
    EXPECT_EQ(log("neu.dat"), QStringLiteral("Haus\tGebäude zum Wohnen\r\n"));
    EXPECT_EQ(editor->Text1->text(), "");
    EXPECT_EQ(editor->Text2->text(), "");
    EXPECT_EQ(editor->List1->lines(), before);
    chooseLength(4);
    EXPECT_EQ(editor->List1->count(), before.size() + 1);
    EXPECT_GE(rowOf(editor->List1, "Haus"), 0);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(ErweiternTest, TheFieldsShowTheCleanedTextsAndAddWithoutLengthBeeps) {
    type(editor->Text1, "Rock'n'Roll");
    editor->Text2->setText("Maß[1]");
    editor->Command2->click();
    EXPECT_EQ(fake.beeper.beeps, 1);
    EXPECT_EQ(editor->Text1->text(), "RocknRoll");
    EXPECT_EQ(editor->Text2->text(), "Maß(1)");
    EXPECT_TRUE(meaningsOf("neun", "RocknRoll").isEmpty());

    chooseLength(9);
    type(editor->Text1, "Rock'n'Roll");
    editor->Text2->setText("Maß[1]");
    editor->Command2->click();
    EXPECT_EQ(meaningsOf("neun", "RocknRoll"), QStringList{"Maß(1)"});
    EXPECT_EQ(log("neu.dat"), QStringLiteral("RocknRoll\tMaß(1)\r\n"));
    EXPECT_EQ(fake.beeper.beeps, 1);
}

TEST_F(ErweiternTest, OneAndSixteenLetterWordsDoNothingAtAll) {
    chooseLength(2);
    for (const char* word : {"A", "Donaudampfschiff"}) {
        type(editor->Text1, word);
        type(editor->Text2, "Bedeutung");
        editor->Command2->click();
        EXPECT_EQ(editor->Text1->text(), word);
    }
    EXPECT_EQ(fake.beeper.beeps, 0);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
    EXPECT_EQ(count("zwei"), qsizetype(fixtureEntriesOfLength(2).size()));
    EXPECT_EQ(log("neu.dat"), "<none>");
}

TEST_F(ErweiternTest, AddRightAfterLoadingSaysTheTextIsTheSame) {
    loadWord("Ast");
    editor->Command2->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& m = fake.messageBox.shown()[0];
    EXPECT_EQ(m.text, "Dieser Text ist genau der gleiche!");
    EXPECT_EQ(m.title, "Das funktioniert nicht");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(count("drei"), qsizetype(fixtureEntriesOfLength(3).size()));
}

TEST_F(ErweiternTest, EnterAddsFromEitherFieldAndNeverChanges) {
    loadWord("Ast");
    editor->Text2->setText("Zweig");
    QTest::keyClick(editor->Text2, Qt::Key_Return);
    EXPECT_EQ(meaningsOf("drei", "Ast"), (QStringList{"Teil eines Baumes", "Zweig"}));
    EXPECT_EQ(log("anders.dat"), "<none>");
    EXPECT_EQ(log("neu.dat"), QStringLiteral("Ast\tZweig\r\n"));
    EXPECT_EQ(editor->Text2->text(), "");

    type(editor->Text1, "Axt");
    type(editor->Text2, "Werkzeug");
    QTest::keyClick(editor->Text1, Qt::Key_Enter);
    EXPECT_EQ(meaningsOf("drei", "Axt"), QStringList{"Werkzeug"});
}

TEST_F(ErweiternTest, ChangeWritesTwoLogLinesAndUpdatesTheRowItCameFrom) {
    loadWord("Ast");
    const int row = editor->index1;
    const qint64 number = editor->Label3->text().toLongLong();
    editor->Text2->setText("Zweig");
    editor->Command3->click();
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Zweig"});
    EXPECT_EQ(log("anders.dat"), QStringLiteral("Ast\tTeil eines Baumes\r\nAst\tZweig\r\n"));
    EXPECT_EQ(editor->List1->line(row), editorRow(u"Ast", u"Zweig", number));
    EXPECT_EQ(editor->List1->currentIndex().row(), row);
    EXPECT_EQ(editor->Label3->text().toLongLong(), number);  // reloaded from the row
    EXPECT_EQ(editor->Text1->text(), "");
    EXPECT_EQ(editor->Text2->text(), "");

    // From the search list the same, in List2.
    fake.inputBox.script({"Ehe"});
    editor->Command7->click();
    ASSERT_EQ(editor->List2->count(), 1);
    clickRow(editor->List2, 0);
    editor->Text2->setText("Bund für das Leben");
    editor->Command3->click();
    EXPECT_TRUE(editor->List2->line(0).startsWith("Ehe\tBund für das Leben"));
    EXPECT_EQ(editor->quelle, 2);
}

TEST_F(ErweiternTest, ChangeWithAnotherWordLengthBeepsAndSaysSo) {
    loadWord("Ast");
    editor->Text1->setText("Aste");
    editor->Command3->click();
    EXPECT_EQ(fake.beeper.beeps, 1);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Buchstabenanzahl stimmt nicht");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehler");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::None);
    EXPECT_EQ(fake.messageBox.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Teil eines Baumes"});
}

TEST_F(ErweiternTest, DeleteAsksAndSelectsTheRowThatMovedUpOrNothingAfterTheLast) {
    chooseLength(3);
    const int rows = editor->List1->count();
    clickRow(editor->List1, 2);
    const QString deleted = editor->List1->line(2);
    const QString following = editor->List1->line(3);

    fake.messageBox.script({MessageAnswer::No});
    editor->Command4->click();
    EXPECT_EQ(editor->List1->count(), rows);

    fake.messageBox.script({MessageAnswer::Yes});
    editor->Command4->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].text, "Wollen Sie wirklich diesen Datensatz löschen! ");
    EXPECT_EQ(fake.messageBox.shown()[1].title, "Ich frage lieber mal nach?");
    EXPECT_EQ(fake.messageBox.shown()[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(count("drei"), rows - 1);
    EXPECT_FALSE(editor->List1->lines().contains(deleted));
    EXPECT_EQ(editor->List1->line(2), following);
    EXPECT_EQ(editor->List1->currentIndex().row(), 2);
    EXPECT_EQ(editor->Label3->text().toLongLong(), recordNumberOfRow(following));
    EXPECT_EQ(editor->Text1->text(), "");

    clickRow(editor->List1, rows - 2);
    fake.messageBox.script({MessageAnswer::Yes});
    editor->Command4->click();
    EXPECT_EQ(editor->List1->count(), rows - 2);
    EXPECT_FALSE(editor->List1->selectionModel()->hasSelection());
    EXPECT_EQ(editor->Label3->text(), "Label3");
    EXPECT_EQ(count("drei"), rows - 2);
    EXPECT_TRUE(fake.problems().isEmpty());
}

TEST_F(ErweiternTest, AnotherLengthThenDeleteDoesNothing) {
    loadWord("Ast");
    chooseLength(4);
    fake.messageBox.script({MessageAnswer::Yes});
    editor->Command4->click();
    EXPECT_EQ(count("drei"), qsizetype(fixtureEntriesOfLength(3).size()));
    EXPECT_EQ(count("vier"), qsizetype(fixtureEntriesOfLength(4).size()));
}

TEST_F(ErweiternTest, AFailingStatementIsReportedAndTheWindowStaysUsable) {
    loadWord("Ast");
    haupt->DB->Close();
    editor->Text2->setText("Zweig");
    editor->Command3->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehler in der Datenbank");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(
        fake.messageBox.shown()[0].text.startsWith("Die Änderung wurde nicht gespeichert."));
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("Die Datenbank ist nicht geöffnet."))
        << fake.messageBox.shown()[0].text.toStdString();
    EXPECT_EQ(log("anders.dat"), "<none>");
    EXPECT_EQ(editor->Text2->text(), "Zweig");  // kept for another try
    EXPECT_TRUE(editor->List1->line(editor->index1).startsWith("Ast\tTeil eines Baumes"));

    fake.messageBox.script({MessageAnswer::Yes});
    editor->Command4->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 3);
    EXPECT_TRUE(fake.messageBox.shown()[2].text.startsWith("Der Datensatz wurde nicht gelöscht."));
    EXPECT_GE(rowOf(editor->List1, "Ast"), 0);

    chooseLength(4);
    EXPECT_EQ(fake.messageBox.shown().size(), 4);
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(editor->List1->count(), 0);
}

TEST_F(ErweiternTest, AnUnwritableLogIsReportedAfterTheChange) {
    ASSERT_TRUE(QDir(app.path()).mkpath("daten/anders.dat"));
    loadWord("Ast");
    editor->Text2->setText("Zweig");
    editor->Command3->click();
    EXPECT_EQ(meaningsOf("drei", "Ast"), QStringList{"Zweig"});
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Protokoll nicht geschrieben");
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("anders.dat"));
    EXPECT_TRUE(editor->List1->line(editor->index1).startsWith("Ast\tZweig"));
}

}  // namespace
}  // namespace vondrik::test
