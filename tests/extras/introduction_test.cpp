// The introduction's paging and typing steps, and where its window goes.
#include <gtest/gtest.h>

#include <QStringList>

#include "extras/intro_placement.h"
#include "extras/introduction.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(Introduction, PageButtonsShowOnlyWhereThereIsAPageToGoTo) {
    Introduction intro;
    QStringList seen;  // page, "<" shown, ">" shown
    const auto note = [&] {
        seen << QStringLiteral("%1%2%3")
                    .arg(intro.page())
                    .arg(intro.previousVisible())
                    .arg(intro.nextVisible());
    };
    note();
    for (int i = 0; i < 4; ++i) {
        intro.next();
        note();
    }
    for (int i = 0; i < 4; ++i) {
        intro.previous();
        note();
    }
    EXPECT_EQ(seen, QStringList({"101", "211", "311", "410", "410", "311", "211", "101", "101"}));
}

// The pages explain what their demonstrations type, and the combined search's meaning.
TEST(Introduction, PageTextsQuoteWhatTheDemonstrationsType) {
    for (int page = 2; page <= 4; ++page) {
        const IntroPage& p = introPages()[page - 1];
        // The anagram page explains its trailing '?' on its own.
        EXPECT_TRUE(p.text.contains(QString(p.example).remove(u'?'), Qt::CaseInsensitive)) << page;
        EXPECT_TRUE(p.text.contains(p.answer)) << page;
    }
}

// Switching pages in the middle of the typing is tested on the window.
TEST(Introduction, TypesOneMoreCharacterPerStepAndASecondClickGoesOn) {
    Introduction intro;
    intro.startDemonstration();
    for (int n = 1; n <= 8; ++n) {
        const auto step = intro.step();
        EXPECT_EQ(step.page, 1);
        EXPECT_EQ(step.typed, QString("#e#e#b#r").left(n));
        EXPECT_FALSE(step.finished);
        if (n == 2) {
            intro.startDemonstration();  // clicked again: the typing goes on
        }
    }
    EXPECT_TRUE(intro.step().finished);
    EXPECT_FALSE(intro.demonstrating());
    EXPECT_EQ(intro.step().page, 0);
}

TEST(IntroPlacement, OutOfTheWayAndBesideTheDialogWhereThereIsRoom) {
    EXPECT_EQ(slideOutOfTheWay(QRect(100, 50, 400, 300), 600, 1200), QPoint(800, 300));
    EXPECT_EQ(slideOutOfTheWay(QRect(900, 400, 400, 300), 600, 1200), QPoint(900, 400));
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
