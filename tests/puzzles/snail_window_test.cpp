// The snail window Schnecken driven through its controls: presenting a generated snail,
// checking the letters as they are typed, the clue click, the solution toggle and the solved
// messages, the printed sheet and the puzzle number.
#include "puzzles/snail_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "puzzle_dictionary.h"
#include "puzzles/clue_list.h"
#include "puzzles/puzzle_printout.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

class SnailWindowTest : public ::testing::Test {
  protected:
    SnailWindowTest() : dictionary(test::spiralWords()) {
        window = new Schnecken(dictionary.session, fake.platform, nullptr);
        window->show();
    }
    ~SnailWindowTest() override { delete window; }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(int i) { return control<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QPushButton* button(int n) { return control<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    static QColor colour(QLineEdit* b) { return b->palette().color(QPalette::Text); }

    void generate() {
        button(1)->click();
        for (int stages = 0; window->generating(); ++stages) {
            ASSERT_LT(stages, SnailGenerator::kStageLimit + 1);
            window->stufe();
        }
    }
    void type(int i, const QString& letter) {
        QTest::mouseClick(box(i), Qt::LeftButton);
        QTest::keyClicks(box(i), letter);
    }
    int sounds() const {
        int n = 0;
        for (const PlayedSound& s : fake.sound.played) {
            n += s.path.endsWith(QStringLiteral("ton/1.wav")) ? 1 : 0;
        }
        return n;
    }

    test::TestAppFolder app;
    FakePlatform fake{app.path()};
    test::PuzzleDictionary dictionary;
    Schnecken* window = nullptr;
};

TEST_F(SnailWindowTest, PresentsAGeneratedSnail) {
    EXPECT_EQ(window->windowTitle(), "Rätselschnecke");
    EXPECT_TRUE(box(0)->isHidden());
    EXPECT_TRUE(button(2)->isHidden());
    fake.random.script({0.0047});  // puzzle number 4700
    generate();
    const Snail& s = window->snail();
    ASSERT_EQ(s.solutionWord(), "GEHEIM");
    EXPECT_EQ(window->puzzleNumber(), 4700);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "4700");
    EXPECT_EQ(control<ClueList>("List1")->lines(), s.clueLines());
    EXPECT_FALSE(control("List1")->isHidden());
    EXPECT_TRUE(control("List2")->isHidden());
    EXPECT_EQ(control<QLabel>("Label2")->text(), s.solutionMeaning());
    EXPECT_EQ(button(5)->text(), "Lösung einblenden");
    for (int i : {0, 20, 35}) {
        EXPECT_FALSE(box(i)->isHidden()) << i;
    }
    EXPECT_EQ(box(0)->geometry().topLeft(), QPoint(40, 32));  // 600 / 480 twips
    EXPECT_EQ(box(5)->geometry().topLeft(), QPoint(264, 32));
    EXPECT_EQ(box(20)->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(box(1)->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(SnailWindowTest, RightLettersTurnBlueAndTheDiagonalIsMirrored) {
    generate();
    const QString letters = window->snail().spiralText();
    type(0, letters.mid(0, 1).toLower());
    EXPECT_EQ(box(0)->text(), letters.mid(0, 1));
    EXPECT_EQ(colour(box(0)), kBlue);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(window->focusWidget(), box(1));
    EXPECT_EQ(control<QLineEdit>("Text2_0")->text(), letters.mid(0, 1));

    type(20, QStringLiteral("q"));  // wrong, but mirrored all the same
    EXPECT_EQ(colour(box(20)), kBlack);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), "Q");

    QTest::mouseClick(box(35), Qt::LeftButton);
    QTest::keyClick(box(35), Qt::Key_Shift);  // types nothing; the last box keeps the focus
    EXPECT_EQ(window->focusWidget(), box(35));

    auto* list = control<ClueList>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(9)).center());
    EXPECT_EQ(window->focusWidget(), box(33));
}

TEST_F(SnailWindowTest, SolvedMessagesAfterAllBoxesAreBlue) {
    generate();
    button(5)->click();
    EXPECT_FALSE(control("List2")->isHidden());
    EXPECT_EQ(button(5)->text(), "Lösung ausblenden");
    button(5)->click();  // hidden again, yet the solution was shown
    EXPECT_TRUE(control("List2")->isHidden());
    const QString letters = window->snail().spiralText();
    for (int i = 0; i < kSnailBoxes; ++i) {
        type(i, letters.mid(i, 1));
    }
    EXPECT_EQ(sounds(), kSnailBoxes);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, letterPuzzleSolvedMessage(true));
    for (int j = 0; j < kSnailSide; ++j) {
        EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text2_%1").arg(j))->text(),
                  window->snail().solutionWord().mid(j, 1));
    }

    generate();  // a new snail: black again, and solved without help
    EXPECT_EQ(colour(box(0)), kBlack);
    EXPECT_TRUE(box(0)->text().isEmpty());
    const QString next = window->snail().spiralText();
    for (int i = 0; i < kSnailBoxes; ++i) {
        type(i, next.mid(i, 1));
    }
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].text, letterPuzzleSolvedMessage(false));
}

TEST_F(SnailWindowTest, PrintsCluesWithoutAnswersAndTheNumberMakesTheSnailAgain) {
    fake.random.script({0.0047});
    generate();
    const Snail first = window->snail();
    button(2)->click();
    ASSERT_EQ(fake.printer.documents().size(), 1);
    const PrintedPage& page = fake.printer.documents()[0].pages[0];
    ASSERT_EQ(page.pictures.size(), 1);
    EXPECT_EQ(page.pictures[0].size, QSize(274, 351));
    QStringList printed;
    for (const PrintedLine& line : page.lines) {
        printed.append(line.text);
    }
    EXPECT_EQ(printed.mid(1 + kSheetSpacerLines, 13), first.printLines());
    EXPECT_TRUE(printed.contains(sheetNumberLine(4700)));
    for (int n = 0; n <= kSnailWords; ++n) {
        for (const QString& line : printed) {
            EXPECT_FALSE(line.contains(first.words[n])) << line.toStdString();
        }
    }

    fake.random.script({0.5});
    generate();
    auto* number = control<QLineEdit>("Text3");
    number->setText(QStringLiteral(" 4700 "));
    QTest::keyClick(number, Qt::Key_Return);
    while (window->generating()) {
        window->stufe();
    }
    EXPECT_EQ(window->snail(), first);
    EXPECT_EQ(window->puzzleNumber(), 4700);
}

}  // namespace
}  // namespace vondrik
