// The introduction's paging, hopping and typing steps, and where its window goes.
#include <gtest/gtest.h>

#include <QStringList>

#include "extras/intro_placement.h"
#include "extras/introduction.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(Introduction, PageButtonsShowOnlyWhereThereIsAPageToGoTo) {
    Introduction intro;
    EXPECT_EQ(intro.page(), 1);
    EXPECT_FALSE(intro.previousVisible());
    EXPECT_TRUE(intro.nextVisible());
    intro.next();
    EXPECT_TRUE(intro.previousVisible());
    intro.next();
    intro.next();
    EXPECT_EQ(intro.page(), 4);
    EXPECT_EQ(intro.current().caption, "Ein Wort aus durcheinander geratenen Buchstaben bilden");
    EXPECT_TRUE(intro.previousVisible());
    EXPECT_FALSE(intro.nextVisible());
    intro.previous();
    EXPECT_TRUE(intro.nextVisible());
    intro.previous();
    intro.previous();
    EXPECT_EQ(intro.page(), 1);
    EXPECT_FALSE(intro.previousVisible());
    EXPECT_TRUE(intro.nextVisible());
}

TEST(Introduction, ButtonHopsDownAndUpInTurn) {
    Introduction intro;
    int offset = 0;
    for (int i = 0; i < 2001; ++i) {
        const int hop = intro.hop();
        EXPECT_EQ(std::abs(hop), 30);
        offset += hop;
        ASSERT_TRUE(offset == 0 || offset == 30) << "after hop " << i;
    }
}

// The pages explain what their demonstrations type: the examples of pages 2 to 4 and the
// text page 3 offers for the combined search appear in their pages' texts.
TEST(Introduction, PageTextsQuoteWhatTheDemonstrationsType) {
    const struct {
        int page;
        QStringList quoted;
    } cases[] = {
        {2, {"'dichter'", "Knopf mit der 8"}},
        {3, {"##N#####", "'hauptstadt'"}},
        {4, {"'HUNDSACH'", "('?')"}},
    };
    for (const auto& c : cases) {
        const IntroPage& page = introPages()[c.page - 1];
        for (const QString& quote : c.quoted) {
            EXPECT_TRUE(page.text.contains(quote)) << c.page << " " << quote.toStdString();
        }
    }
    EXPECT_EQ(introPages()[1].example, "dichter");
    EXPECT_EQ(introPages()[2].example.toUpper(), "##N#####");
    EXPECT_EQ(introPages()[2].answer, "hauptstadt");
    EXPECT_EQ(introPages()[3].example.toUpper(), "HUNDSACH?");
    EXPECT_TRUE(introPages()[2].text.endsWith("ein. "));  // the page's trailing blank
}

TEST(Introduction, TypesOneMoreCharacterPerStepThenFinishes) {
    Introduction intro;
    intro.startDemonstration();
    for (int n = 1; n <= 8; ++n) {
        const auto step = intro.step();
        EXPECT_EQ(step.page, 1);
        EXPECT_EQ(step.typed, QString("#e#e#b#r").left(n));
        EXPECT_FALSE(step.finished);
    }
    EXPECT_TRUE(intro.step().finished);
    EXPECT_FALSE(intro.demonstrating());
    EXPECT_EQ(intro.step().page, 0);
}

TEST(Introduction, SecondClickGoesOnButAnotherPageStartsAfresh) {
    Introduction intro;
    intro.startDemonstration();
    intro.step();
    intro.step();
    intro.startDemonstration();
    EXPECT_EQ(intro.step().typed, "#e#");
    intro.next();
    intro.next();
    intro.next();
    intro.startDemonstration();
    EXPECT_EQ(intro.step().typed, "h");
    // A long example's counter never strands a shorter one: it still ends.
    for (int i = 0; i < 8; ++i) {
        intro.step();
    }
    intro.previous();
    intro.previous();
    intro.startDemonstration();
    int steps = 0;
    while (intro.demonstrating() && steps < 20) {
        intro.step();
        ++steps;
    }
    EXPECT_EQ(steps, 8);
}

TEST(IntroPlacement, SlidesDownToThePanelAndOverToTheRightEdge) {
    EXPECT_EQ(slideOutOfTheWay(QRect(100, 50, 400, 300), 600, 1200), QPoint(800, 300));
    // Already lower and further right: stays.
    EXPECT_EQ(slideOutOfTheWay(QRect(900, 400, 400, 300), 600, 1200), QPoint(900, 400));
}

TEST(IntroPlacement, BesideTheDialogWhereThereIsRoom) {
    const QRect screen(0, 0, 1366, 768);
    const QRect window(0, 0, 450, 330);
    EXPECT_EQ(besideDialog(window, QRect(300, 200, 500, 300), screen), QPoint(808, 200));
    EXPECT_EQ(besideDialog(window, QRect(800, 600, 500, 300), screen), QPoint(342, 438));
    // No room on either side: the wider side, on the screen.
    EXPECT_EQ(besideDialog(window, QRect(100, 100, 900, 300), QRect(0, 0, 1200, 768)),
              QPoint(750, 100));
}

}  // namespace
}  // namespace vondrik
