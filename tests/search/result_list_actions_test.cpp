// The main result list's meaning box and the editor opened by a right-click on a line.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include "maintenance/erweitern.h"
#include "search/result_list_actions.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class ResultListActionsTest : public HauptTest {
  protected:
    QPoint centreOf(int row) const {
        return haupt->List1->visualRect(haupt->List1->model()->index(row, 0)).center();
    }

    // Mouse input goes in as the window system delivers it, so it reaches whichever widget
    // takes mouse events at that place. Points are given in the list's viewport.
    QPoint inWindow(const QPoint& inViewport) const {
        return haupt->List1->viewport()->mapTo(haupt.get(), inViewport);
    }

    void rightClick(const QPoint& at) {
        QTest::mouseClick(haupt->windowHandle(), Qt::RightButton, {}, inWindow(at));
    }

    void click(const QPoint& at) {
        QTest::mouseClick(haupt->windowHandle(), Qt::LeftButton, {}, inWindow(at));
    }

    // The press of the first click selects the line, the second press is the double-click.
    void doubleClick(int row) {
        click(centreOf(row));
        QTest::mouseDClick(haupt->windowHandle(), Qt::LeftButton, {}, inWindow(centreOf(row)));
    }

    void moveMouse(const QPoint& at) { QTest::mouseMove(haupt->windowHandle(), inWindow(at)); }

    Erweitern* openedEditor() const { return haupt->findChild<Erweitern*>("erweitern"); }

    QLineEdit* text5() const { return haupt->findChild<QLineEdit*>("Text5"); }
    QLabel* label16() const { return haupt->findChild<QLabel*>("Label16"); }
};

TEST_F(ResultListActionsTest, RightClickOnASevenLetterLineOpensTheEditorOnThatEntry) {
    ASSERT_EQ(search("Lyriker"), QStringList{"LYRIKER\tDichter von Gedichten"});
    rightClick(centreOf(0));
    Erweitern* editor = openedEditor();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(haupt->isEnabled());
    EXPECT_EQ(haupt->bedanzbuch, 7);
    EXPECT_EQ(haupt->bedeintrag, "Dichter von Gedichten");
    // The button for seven letters ran: List1 holds the table sieben.
    EXPECT_EQ(editor->editor().laenge(), 7);
    EXPECT_EQ(editor->List1->count(), qsizetype(fixtureEntriesOfLength(7).size()));
    EXPECT_EQ(haupt->sql, "Select * from sieben where id = " + editor->Label3->text());
    ASSERT_EQ(editor->List2->count(), 1);
    EXPECT_EQ(editor->List2->currentIndex().row(), 0);
    EXPECT_EQ(editor->Text1->text(), "Lyriker");
    EXPECT_EQ(editor->Text2->text(), "Dichter von Gedichten");
    EXPECT_EQ(editor->quelle, 2);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(ResultListActionsTest, AMeaningWithAnApostropheIsFoundToo) {
    haupt->DB->Execute(
        "INSERT INTO sieben (Begriff, Bedeutung) VALUES ('Schenke', 'Wirt''s Stube')");
    search("Schenke");
    rightClick(centreOf(0));
    Erweitern* editor = openedEditor();
    ASSERT_TRUE(editor);
    ASSERT_EQ(editor->List2->count(), 1);
    EXPECT_EQ(editor->Text1->text(), "Schenke");
    EXPECT_EQ(editor->Text2->text(), "Wirt's Stube");
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(ResultListActionsTest, OfWordsSharingAMeaningTheClickedOneIsLoaded) {
    search("Kohle");
    rightClick(centreOf(0));
    Erweitern* editor = openedEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->List2->count(), 2);  // Knete and Kohle
    EXPECT_EQ(editor->Text1->text(), "Kohle");
    EXPECT_EQ(editor->List2->currentIndex().row(), 1);
}

TEST_F(ResultListActionsTest, RightClickBesideTheLinesOpensNothing) {
    search("Lyriker");
    rightClick(centreOf(0) + QPoint(0, 60));  // below the only line
    haupt->List1->clear();
    rightClick(QPoint(10, 10));
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    for (const ShownMessage& m : fake.messageBox.shown()) {
        EXPECT_EQ(m.text, "Keinen Eintrag angeklickt!");
        EXPECT_EQ(m.title, "Vondrik 2000");
        EXPECT_EQ(m.icon, MessageIcon::None);
    }
    EXPECT_EQ(openedEditor(), nullptr);
    EXPECT_TRUE(haupt->isEnabled());
}

TEST_F(ResultListActionsTest, ACorrectedMeaningShowsInTheNextSearch) {
    search("Lyriker");
    rightClick(centreOf(0));
    QPointer<Erweitern> editor = openedEditor();
    ASSERT_TRUE(editor);
    editor->Text2->setText("Verfasser von Gedichten");
    editor->Command3->click();
    editor->Command6->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(haupt->isEnabled());
    EXPECT_EQ(search("Lyriker"), QStringList{"LYRIKER\tVerfasser von Gedichten"});
}

TEST_F(ResultListActionsTest, DoubleClickShowsTheWholeMeaningInTheBoxThatFollowsTheMouse) {
    search("Oktoberfest");
    const QString meaning = haupt->List1->line(0).section(u'\t', 1);
    ASSERT_EQ(meaning.size(), 100);
    QLineEdit* box = text5();
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->isVisible());

    // Moving while hidden does not move it.
    const QPoint start = box->pos();
    moveMouse(QPoint(40, 5));
    EXPECT_EQ(box->pos(), start);

    doubleClick(0);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), meaning);
    EXPECT_EQ(box->font().pointSizeF(), 10);
    EXPECT_EQ(label16()->text(), "   " + meaning);
    EXPECT_EQ(label16()->font().pointSizeF(), 10);
    EXPECT_FALSE(label16()->isVisible());
    EXPECT_EQ(box->size(), label16()->size());
    EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(meaning));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 192));

    moveMouse(QPoint(30, 40));
    EXPECT_EQ(box->pos(), QPoint(30, 40));
    click(centreOf(0));
    EXPECT_FALSE(box->isVisible());

    // A click on the box itself hides it too, and a right-click through it reaches the line.
    doubleClick(0);
    EXPECT_TRUE(box->isVisible());
    QTest::mouseClick(haupt->windowHandle(), Qt::LeftButton, {},
                      box->mapTo(haupt.get(), QPoint(5, 5)));
    EXPECT_FALSE(box->isVisible());

    doubleClick(0);
    EXPECT_TRUE(box->isVisible());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(haupt->List1, &focusOut);
    EXPECT_FALSE(box->isVisible());

    doubleClick(0);
    moveMouse(centreOf(0));
    QTest::mouseClick(haupt->windowHandle(), Qt::RightButton, {},
                      box->mapTo(haupt.get(), QPoint(2, 2)));
    EXPECT_FALSE(box->isVisible());
    ASSERT_TRUE(openedEditor());
    EXPECT_EQ(openedEditor()->Text1->text(), "Oktoberfest");
}

TEST(SplitResultLineTest, WordBeforeTheFirstTabMeaningAfterIt) {
    QString word;
    QString meaning;
    ASSERT_TRUE(splitResultLine("STRAßE\tWeg\tmit Tab", word, meaning));
    EXPECT_EQ(word, "STRAßE");
    EXPECT_EQ(meaning, "Weg\tmit Tab");
    EXPECT_FALSE(splitResultLine("ohne Tab", word, meaning));
}

}  // namespace
}  // namespace vondrik::test
