// The stairs window Treppen driven through its controls: presenting a generated puzzle, the
// arrow keys and the letter check, the solution toggle and the solved message, printing at
// any time and the puzzle number.
#include "puzzles/stairs_window.h"

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

class StairsWindowTest : public ::testing::Test {
  protected:
    StairsWindowTest() : dictionary(test::stairsWords()) {
        window = new Treppen(dictionary.session, fake.platform, nullptr);
        window->show();
    }
    ~StairsWindowTest() override { delete window; }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(int i) { return control<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QPushButton* button(int n) { return control<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    static QColor colour(QLineEdit* b) { return b->palette().color(QPalette::Text); }

    void finish() {
        for (int stages = 0; window->generating(); ++stages) {
            ASSERT_LT(stages, StairsGenerator::kStageLimit + 1);
            window->stufe();
        }
    }
    void generate() {
        button(1)->click();
        finish();
    }
    void type(int i, const QString& letter) {
        QTest::mouseClick(box(i), Qt::LeftButton);
        QTest::keyClicks(box(i), letter);
    }
    QStringList printedLines(int document) {
        QStringList printed;
        for (const PrintedLine& line : fake.printer.documents()[document].pages[0].lines) {
            printed.append(line.text);
        }
        return printed;
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
    Treppen* window = nullptr;
};

TEST_F(StairsWindowTest, PresentsAGeneratedPuzzleAndChecksTheLetters) {
    EXPECT_EQ(window->windowTitle(), "Treppenrätsel");
    EXPECT_FALSE(box(41)->isHidden());
    EXPECT_TRUE(control("List1")->isHidden());
    fake.random.script({0.0047});
    generate();
    const Stairs& s = window->stairs();
    ASSERT_EQ(s.solutionWord().size(), 12);
    EXPECT_EQ(s.staircase(), s.solutionWord());
    EXPECT_EQ(window->puzzleNumber(), 4700);
    EXPECT_EQ(control<ClueList>("List1")->lines(), s.clueLines());
    EXPECT_EQ(control<QLabel>("Label2")->text(), s.solutionMeaning());
    EXPECT_TRUE(control("List2")->isHidden());

    const QString grid = s.gridText();
    type(8, grid.mid(8, 1).toLower());
    EXPECT_EQ(box(8)->text(), grid.mid(8, 1));
    EXPECT_EQ(colour(box(8)), kBlue);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(window->focusWidget(), box(9));
    QTest::keyClick(box(9), Qt::Key_Down);
    EXPECT_EQ(window->focusWidget(), box(16));
    QTest::keyClick(box(16), Qt::Key_Left);
    EXPECT_EQ(window->focusWidget(), box(15));

    type(3, QStringLiteral("#"));
    EXPECT_EQ(colour(box(3)), kBlack);
    QTest::keyClick(box(4), Qt::Key_Up);  // at the border: checked as typed, then on
    EXPECT_EQ(window->focusWidget(), box(5));

    auto* list = control<ClueList>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(window->focusWidget(), box(28));
}

TEST_F(StairsWindowTest, SolvedMessageRemembersTheShownSolution) {
    generate();
    button(6)->click();
    EXPECT_FALSE(control("List2")->isHidden());
    EXPECT_EQ(button(6)->text(), "Lösung ausblenden");
    button(6)->click();
    EXPECT_EQ(button(6)->text(), "Lösung anzeigen");
    const QString grid = window->stairs().gridText();
    for (int i = 0; i < kStairsBoxes; ++i) {
        type(i, grid.mid(i, 1));
    }
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, letterPuzzleSolvedMessage(true));
    generate();
    EXPECT_EQ(colour(box(41)), kBlack);
    EXPECT_TRUE(box(41)->text().isEmpty());
}

TEST_F(StairsWindowTest, PrintsAtAnyTimeWithoutAnswersAndTheNumberMakesThePuzzleAgain) {
    button(2)->click();  // before the first puzzle: the empty clue lines
    ASSERT_EQ(fake.printer.documents().size(), 1);
    EXPECT_EQ(printedLines(0).mid(kSheetSpacerLines, 9), Stairs().printLines());

    fake.random.script({0.0047});
    generate();
    const Stairs first = window->stairs();
    button(2)->click();
    ASSERT_EQ(fake.printer.documents().size(), 2);
    const QStringList printed = printedLines(1);
    EXPECT_EQ(printed.mid(kSheetSpacerLines, 9), first.printLines());
    EXPECT_TRUE(printed.contains(sheetNumberLine(4700)));
    EXPECT_EQ(fake.printer.documents()[1].pages[0].pictures[0].size, QSize(322, 277));
    for (int i = 1; i <= kStairsRows + 1; ++i) {
        for (const QString& line : printed) {
            EXPECT_FALSE(line.contains(first.words[i])) << line.toStdString();
        }
    }

    fake.random.script({0.9});
    generate();
    auto* number = control<QLineEdit>("Text2");
    number->setText(QStringLiteral("4700"));
    QTest::keyClick(number, Qt::Key_Return);
    finish();
    EXPECT_EQ(window->stairs(), first);
}

}  // namespace
}  // namespace vondrik
