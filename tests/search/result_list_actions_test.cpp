// The main result list: the meaning box and the editor opened by a right-click.
#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include "maintenance/erweitern.h"
#include "search/result_list_actions.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"
#include "support/qt_printers.h"
#include "ui/widgets/result_list.h"

namespace vondrik::test {
namespace {

class ResultListActionsTest : public HauptTest {
  protected:
    // Mouse input goes in as the window system delivers it, so it reaches whichever widget
    // takes mouse events at that place: a point in `widget`, by default the centre of a line.
    void mouse(Qt::MouseButton button, QWidget* widget = nullptr, QPoint at = {},
               bool twice = false) {
        if (widget == nullptr) {
            widget = List1(*haupt)->viewport();
            at += List1(*haupt)->visualRect(List1(*haupt)->model()->index(0, 0)).center();
        }
        const QPoint inWindow = widget->mapTo(haupt.get(), at);
        QTest::mouseClick(haupt->windowHandle(), button, {}, inWindow);
        if (twice) {
            QTest::mouseDClick(haupt->windowHandle(), button, {}, inWindow);
        }
    }

    void moveMouse(QPoint inViewport) {
        QTest::mouseMove(haupt->windowHandle(),
                         List1(*haupt)->viewport()->mapTo(haupt.get(), inViewport));
    }
};

TEST_F(ResultListActionsTest, RightClickHandsTheClickedEntryToTheEditorAndBesideTheLinesNothing) {
    // An apostrophe in the meaning must not break the statement; of words sharing a meaning
    // the clicked one is loaded.
    haupt->session().execute(
        "INSERT INTO sieben (Begriff, Bedeutung) VALUES ('Schenke', 'Wirt''s Stube')");
    const struct {
        const char* word;
        const char* meaning;
        int matches;
        int selected;
    } cases[] = {{"Schenke", "Wirt's Stube", 1, 0}, {"Kohle", "Geld (ugs.)", 2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        search(c.word);
        mouse(Qt::RightButton);
        QPointer<Erweitern> editor = haupt->findChild<Erweitern*>("erweitern");
        ASSERT_TRUE(editor);
        // The entries of the word's meaning are listed, the clicked one loaded.
        auto* found = child<ResultList>(editor, "List2");
        EXPECT_EQ(found->count(), c.matches);
        EXPECT_EQ(found->currentIndex().row(), c.selected);
        EXPECT_EQ(child<QLineEdit>(editor, "Text1")->text(), c.word);
        EXPECT_EQ(child<QLineEdit>(editor, "Text2")->text(), c.meaning);
        child<QPushButton>(editor, "Command6")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Beside the lines, or on an empty list, there is nothing to open.
    search("Lyriker");
    mouse(Qt::RightButton, nullptr, QPoint(0, 60));  // below the only line
    List1(*haupt)->clear();
    mouse(Qt::RightButton, List1(*haupt)->viewport(), QPoint(10, 10));
    EXPECT_EQ(messageTexts(), QStringList(2, "Keinen Eintrag angeklickt!"));
    EXPECT_EQ(haupt->findChild<Erweitern*>("erweitern"), nullptr);
}

TEST_F(ResultListActionsTest, DoubleClickShowsTheWholeMeaningInABoxThatFollowsTheMouse) {
    search("Oktoberfest");
    const QString meaning = List1(*haupt)->line(0).section(u'\t', 1);
    ASSERT_EQ(meaning.size(), 100);
    auto* box = haupt->findChild<QLineEdit*>("Text5");
    mouse(Qt::LeftButton, nullptr, {}, true);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), meaning);
    EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(meaning));
    moveMouse(QPoint(30, 40));
    EXPECT_EQ(box->pos(), QPoint(30, 40));

    // A click on the list, or the list losing the focus, hides it.
    mouse(Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    mouse(Qt::LeftButton, nullptr, {}, true);
    ASSERT_TRUE(box->isVisible());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(List1(*haupt), &focusOut);
    EXPECT_FALSE(box->isVisible());

    // A click on the box only hides it: the line beneath is neither selected nor opened.
    mouse(Qt::LeftButton, nullptr, {}, true);
    moveMouse(List1(*haupt)->visualRect(List1(*haupt)->model()->index(0, 0)).center());
    ASSERT_TRUE(box->isVisible());
    List1(*haupt)->selectionModel()->clear();
    mouse(Qt::LeftButton, box, QPoint(2, 2));
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(List1(*haupt)->selectionModel()->hasSelection());
    mouse(Qt::LeftButton, nullptr, {}, true);
    ASSERT_TRUE(box->isVisible());
    mouse(Qt::RightButton, box, QPoint(2, 2));
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(haupt->findChild<Erweitern*>("erweitern"), nullptr);
}

}  // namespace
}  // namespace vondrik::test
