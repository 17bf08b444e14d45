// The editor window opened from the main window's menu: its lists and fields kept in step with
// the dictionary; the statements, searches and logs themselves are tested with the logic.
#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

#include "editor_checks.h"
#include "maintenance/editor_rows.h"
#include "maintenance/erweitern.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class ErweiternTest : public HauptTest {
  protected:
    void SetUp() override {
        HauptTest::SetUp();
        haupt->menuAction("datarb")->trigger();
        editor = haupt->findChild<Erweitern*>("erweitern");
        ASSERT_TRUE(editor);
    }
    ResultList* list() const { return child<ResultList>(editor, "List1"); }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(editor, name); }
    QString label3() const { return child<QLabel>(editor, "Label3")->text(); }
    void click(const char* button) const { child<QPushButton>(editor, button)->click(); }
    void chooseLength(int length) const {
        child<QPushButton>(editor, "Command1", length - 2)->click();
    }
    static void clickRow(ResultList* list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    // The first row of a word, or -1.
    static int rowOf(const ResultList* list, const QString& word) {
        return int(list->lines().indexOf(QRegularExpression(word + QStringLiteral("\t.*"))));
    }
    void loadWord(const QString& word) {
        chooseLength(static_cast<int>(word.size()));
        ASSERT_GE(rowOf(list(), word), 0) << word.toStdString();
        clickRow(list(), rowOf(list(), word));
        ASSERT_EQ(field("Text1")->text(), word);
    }
    QStringList meanings(const QString& table, const QString& word) {
        return meaningsOf(haupt->session(), table, word);
    }

    QPointer<Erweitern> editor;
};

// Typing stops at 90 characters, but a stored meaning of 100, loaded by a click or a key,
// stays whole.
TEST_F(ErweiternTest, RowsLoadByClickOrKeyAndAMeaningOfAHundredStaysWhole) {
    chooseLength(11);
    QTest::keyClicks(field("Text2"), QString(95, u'y'));
    EXPECT_EQ(field("Text2")->text().size(), 90);
    const int row = rowOf(list(), "Oktoberfest");
    clickRow(list(), row - 1);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(field("Text1")->text(), "Oktoberfest");
    EXPECT_EQ(label3().toLongLong(), recordNumberOfRow(list()->line(row)));
    EXPECT_EQ(field("Text2")->text().size(), 100);
    field("Text2")->end(false);
    QTest::keyClicks(field("Text2"), "x");
    EXPECT_EQ(field("Text2")->text().size(), 100);
    chooseLength(11);  // the emptied field takes the typing limit back
    QTest::keyClicks(field("Text2"), QString(95, u'y'));
    EXPECT_EQ(field("Text2")->text().size(), 90);
}

TEST_F(ErweiternTest, ChangeUpdatesItsRowEnterAddsAndDeleteShowsTheNextRow) {
    addDachsAndBiber(haupt->session());
    loadWord("Biber");
    const int row = list()->currentIndex().row();
    EXPECT_EQ(label3(), "123456");
    field("Text2")->setText("Nagetier");
    click("Command3");
    EXPECT_EQ(meanings("fuenf", "Biber"), QStringList{"Nagetier"});
    EXPECT_EQ(list()->line(row), editorRow(u"Biber", u"Nagetier", 123456));
    EXPECT_EQ(list()->currentIndex().row(), row);
    // Enter adds, even with the entry loaded, and never changes it.
    field("Text1")->setText("Biber");
    field("Text2")->setText("Nager");
    QTest::keyClick(field("Text2"), Qt::Key_Return);
    EXPECT_EQ(meanings("fuenf", "Biber"), (QStringList{"Nagetier", "Nager"}));

    chooseLength(3);
    const int rows = list()->count();
    clickRow(list(), 2);
    const QString following = list()->line(3);
    fake.messageBox.script({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
    click("Command4");
    EXPECT_EQ(list()->count(), rows);
    click("Command4");
    EXPECT_EQ(countRows(haupt->session(), "drei"), rows - 1);
    EXPECT_EQ(list()->line(2), following);
    // The entry that moved up is shown in the fields: a second delete reaches what is seen.
    EXPECT_EQ(field("Text1")->text(), following.section(u'\t', 0, 0));
    EXPECT_EQ(label3().toLongLong(), recordNumberOfRow(following));
    clickRow(list(), rows - 2);
    click("Command4");
    EXPECT_FALSE(list()->selectionModel()->hasSelection());
    EXPECT_EQ(label3(), "Label3");
}

}  // namespace
}  // namespace vondrik::test
