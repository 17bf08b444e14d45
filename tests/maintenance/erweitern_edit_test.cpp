// The editor window's add, change and delete: what the fields, lists, messages and beeps show.
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "erweitern_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

TEST_F(ErweiternTest, AddShowsTheCleanedTextsAndEnterAddsButNeverChanges) {
    editor->Text1->setText("Rock'n'Roll");
    editor->Text2->setText("Maß[1]");
    editor->Command2->click();
    EXPECT_EQ(fake.beeper.beeps, 1);  // no length chosen
    EXPECT_EQ(editor->Text1->text(), "RocknRoll");
    EXPECT_EQ(editor->Text2->text(), "Maß(1)");

    loadWord("Ast");
    QTest::keyClick(editor->Text1, Qt::Key_Enter);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Dieser Text ist genau der gleiche!");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Das funktioniert nicht");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::Information);

    const QStringList before = editor->List1->lines();
    editor->Text2->setText("Zweig");
    QTest::keyClick(editor->Text2, Qt::Key_Return);
    EXPECT_EQ(meanings("drei", "Ast"), (QStringList{"Teil eines Baumes", "Zweig"}));
    EXPECT_EQ(editor->Text1->text(), "");
    EXPECT_EQ(editor->Text2->text(), "");
    // The new entry shows only when the length is chosen again.
    EXPECT_EQ(editor->List1->lines(), before);
    chooseLength(3);
    EXPECT_EQ(editor->List1->count(), before.size() + 1);
}

TEST_F(ErweiternTest, ChangeUpdatesItsRecordAndTheRowItCameFrom) {
    addDachsAndBiber(haupt->session());
    loadWord("Biber");
    const int row = editor->index1;
    EXPECT_EQ(editor->Label3->text(), "123456");
    editor->Text1->setText("Bibers");
    editor->Command3->click();
    EXPECT_EQ(fake.beeper.beeps, 1);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, "Buchstabenanzahl stimmt nicht");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehler");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::None);
    EXPECT_EQ(fake.messageBox.shown()[0].buttons, MessageButtons::Ok);

    editor->Text1->setText("Biber");
    editor->Text2->setText("Nagetier");
    editor->Command3->click();
    EXPECT_EQ(meanings("fuenf", "Biber"), QStringList{"Nagetier"});
    EXPECT_EQ(editor->List1->line(row), editorRow(u"Biber", u"Nagetier", 123456));
    EXPECT_EQ(editor->List1->currentIndex().row(), row);
    EXPECT_EQ(editor->Text1->text(), "");

    // Loaded from the search list, it is that list's row that changes.
    fake.inputBox.script({"Dachs"});
    editor->Command7->click();
    ASSERT_EQ(editor->List2->count(), 1);
    clickRow(editor->List2, 0);
    editor->Text2->setText("Marder");
    editor->Command3->click();
    EXPECT_TRUE(editor->List2->line(0).startsWith("Dachs\tMarder"));
    EXPECT_EQ(editor->quelle, 2);
}

TEST_F(ErweiternTest, DeleteAsksAndShowsTheRowThatMovesUpOrNothingAfterTheLast) {
    chooseLength(3);
    const int rowCount = editor->List1->count();
    clickRow(editor->List1, 2);
    const QString deleted = editor->List1->line(2);
    const QString following = editor->List1->line(3);

    fake.messageBox.script({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
    editor->Command4->click();
    EXPECT_EQ(editor->List1->count(), rowCount);
    editor->Command4->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].text, "Wollen Sie wirklich diesen Datensatz löschen! ");
    EXPECT_EQ(fake.messageBox.shown()[1].title, "Ich frage lieber mal nach?");
    EXPECT_EQ(fake.messageBox.shown()[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(countRows(haupt->session(), "drei"), rowCount - 1);
    EXPECT_FALSE(editor->List1->lines().contains(deleted));
    EXPECT_EQ(editor->List1->line(2), following);
    EXPECT_EQ(editor->List1->currentIndex().row(), 2);
    EXPECT_EQ(editor->Label3->text().toLongLong(), recordNumberOfRow(following));
    // The entry that moved up is shown in the fields: a second delete reaches what is seen.
    EXPECT_EQ(editor->Text1->text(), following.section(u'\t', 0, 0));

    clickRow(editor->List1, rowCount - 2);
    editor->Command4->click();
    EXPECT_EQ(editor->List1->count(), rowCount - 2);
    EXPECT_FALSE(editor->List1->selectionModel()->hasSelection());
    EXPECT_EQ(editor->Label3->text(), "Label3");
    EXPECT_TRUE(fake.problems().isEmpty());
}

TEST_F(ErweiternTest, AnUnwritableLogAndFailingStatementsAreToldWithTheirCause) {
    ASSERT_TRUE(QDir(app.path()).mkpath("daten/anders.dat"));  // a folder where the log belongs
    loadWord("Ast");
    editor->Text2->setText("Zweig");
    editor->Command3->click();
    EXPECT_EQ(meanings("drei", "Ast"), QStringList{"Zweig"});
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Protokoll nicht geschrieben");
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("anders.dat"));

    loadWord("Ehe");
    haupt->session().close();
    editor->Text2->setText("Bund");
    editor->Command3->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    const ShownMessage& failed = fake.messageBox.shown()[1];
    EXPECT_EQ(failed.title, "Fehler in der Datenbank");
    EXPECT_EQ(failed.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(failed.text.startsWith("Die Änderung wurde nicht gespeichert."));
    EXPECT_TRUE(failed.text.contains("Die Datenbank ist nicht geöffnet."))
        << failed.text.toStdString();
    EXPECT_EQ(editor->Text2->text(), "Bund");  // kept for another try

    fake.messageBox.script({MessageAnswer::Yes});
    editor->Command4->click();
    ASSERT_EQ(fake.messageBox.shown().size(), 4);
    EXPECT_TRUE(fake.messageBox.shown()[3].text.startsWith("Der Datensatz wurde nicht gelöscht."));
    EXPECT_GE(rowOf(editor->List1, "Ehe"), 0);
    chooseLength(4);
    EXPECT_EQ(fake.messageBox.shown().size(), 5);
    EXPECT_TRUE(editor->isEnabled());
}

}  // namespace
}  // namespace vondrik::test
