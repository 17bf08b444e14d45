// The introduction's paging, hopping and typing steps, and where its window goes.
#include <gtest/gtest.h>

#include "extras/intro_placement.h"
#include "extras/introduction.h"

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

TEST(Introduction, TypesOneMoreCharacterPerStepThenFinishes) {
    Introduction intro;
    intro.startDemonstration();
    for (int n = 1; n <= 8; ++n) {
        const auto step = intro.step();
        EXPECT_EQ(step.page, 1);
        EXPECT_EQ(step.typed, QString("r#e#s#l#").left(n));
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
    EXPECT_EQ(intro.step().typed, "r#e");
    intro.next();
    intro.startDemonstration();
    EXPECT_EQ(intro.step().typed, "d");
    // A long example's counter never strands a shorter one: it still ends.
    for (int i = 0; i < 9; ++i) {
        intro.step();
    }
    intro.previous();
    intro.startDemonstration();
    int steps = 0;
    while (intro.demonstrating() && steps < 20) {
        intro.step();
        ++steps;
    }
    EXPECT_EQ(steps, 9);
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
