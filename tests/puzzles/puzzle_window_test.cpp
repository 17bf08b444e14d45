// The puzzle driver, once through each of the three puzzle windows: generating and
// presenting, letters typed (with Shift, and keys that type nothing), the solution toggle and
// the solved message, the printed sheet, typed puzzle numbers and a dictionary without any
// puzzle.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>

#include "puzzle_quality.h"
#include "puzzle_window_fixture.h"
#include "puzzles/clue_list.h"
#include "puzzles/puzzle_printout.h"

namespace vondrik {
namespace {

template <typename Kind>
class PuzzleDriverTest
    : public test::PuzzleWindowTest<typename Kind::Window, typename Kind::Generator> {
  protected:
    using Base = test::PuzzleWindowTest<typename Kind::Window, typename Kind::Generator>;
    PuzzleDriverTest() : Base(Kind::entries()) {}

    QWidget* focus() { return this->window->focusWidget(); }
    QLineEdit* numberField() { return this->template control<QLineEdit>(Kind::kNumberField); }
    void typeNumber(const QString& text) {
        numberField()->setText(text);
        QTest::keyClick(numberField(), Qt::Key_Return);
    }
    // Types each box's letter as a user does: a click on the box, then the key.
    void solve() {
        const QString letters = Kind::letters(*this->window);
        for (int i = Kind::kFirstBox; i < letters.size(); ++i) {
            QTest::mouseClick(this->box(i), Qt::LeftButton);
            test::typeText(this->box(i), letters.mid(i, 1));
        }
    }
    QStringList messages() {
        QStringList texts;
        for (const auto& shown : this->fake.messageBox.shown()) {
            texts.append(shown.text);
        }
        return texts;
    }
};

using Kinds = ::testing::Types<test::PyramidKind, test::SnailKind, test::StairsKind>;
TYPED_TEST_SUITE(PuzzleDriverTest, Kinds);

TYPED_TEST(PuzzleDriverTest, GeneratesStageByStagePresentsAndPrintsTheNumberedPuzzle) {
    this->fake.random.script({0.0047});  // puzzle number floor(0.0047 * 999999 + 1) = 4700
    this->button(1)->click();
    ASSERT_TRUE(this->window->generating());
    this->finish();
    EXPECT_TRUE(this->window->ready());
    EXPECT_EQ(this->window->puzzleNumber(), 4700);
    EXPECT_EQ(this->numberField()->text(), "4700");
    const auto& puzzle = TypeParam::puzzle(*this->window);
    EXPECT_EQ(this->template control<ClueList>("List1")->lines(), puzzle.clueLines());
    if (auto* solutions = this->window->template findChild<ClueList*>("List2")) {
        EXPECT_TRUE(solutions->showsEveryLine());
    }

    // The sheet holds the clues and the number, never an answer.
    this->button(TypeParam::kPrintButton)->click();
    const QStringList sheet = this->printed();
    const QStringList clues = puzzle.printLines();
    const qsizetype at = sheet.indexOf(clues.first());
    ASSERT_GT(at, 0);
    EXPECT_EQ(sheet.mid(at, clues.size()), clues);
    EXPECT_EQ(sheet.last(), sheetNumberLine(4700));
    for (const test::ShownEntry& answer : test::shownEntries(puzzle)) {
        const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(answer.word),
                                      QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(sheet.join(u'\n').contains(word)) << answer.word.toStdString();
    }
}

TYPED_TEST(PuzzleDriverTest, EveryLetterTypedFillsOneBoxAndOtherKeysStay) {
    this->generate();
    const QString letters = TypeParam::letters(*this->window);
    const int first = TypeParam::kFirstBox;
    QTest::mouseClick(this->box(first), Qt::LeftButton);
    for (int i = first; i < first + 3; ++i) {
        // Shift held for a capital: neither its press nor its release is a letter.
        QTest::keyPress(this->focus(), Qt::Key_Shift);
        test::typeText(this->focus(), letters.mid(i, 1), Qt::ShiftModifier);
        QTest::keyRelease(this->focus(), Qt::Key_Shift, Qt::ShiftModifier);
    }
    for (int i = first; i < first + 3; ++i) {
        EXPECT_EQ(this->box(i)->text(), letters.mid(i, 1)) << i;
    }
    ASSERT_EQ(this->focus(), this->box(first + 3));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Control, Qt::Key_Shift}) {
        QTest::keyClick(this->box(first + 3), key);
        EXPECT_EQ(this->focus(), this->box(first + 3)) << key;
    }
    EXPECT_TRUE(this->box(first + 3)->text().isEmpty());
    // The last box keeps the focus after its letter.
    const int last = static_cast<int>(letters.size()) - 1;
    QTest::mouseClick(this->box(last), Qt::LeftButton);
    test::typeText(this->box(last), QStringLiteral("x"));
    EXPECT_EQ(this->box(last)->text(), "X");
    EXPECT_EQ(this->focus(), this->box(last));
}

TYPED_TEST(PuzzleDriverTest, SolvedComesOnceAndRemembersTheShownSolution) {
    this->generate();
    QWidget* solution = this->control(TypeParam::kSolution);
    QPushButton* toggle = this->button(TypeParam::kSolutionButton);
    const QString show = toggle->text();
    toggle->click();
    EXPECT_FALSE(solution->isHidden());
    EXPECT_NE(toggle->text(), show);
    toggle->click();
    EXPECT_TRUE(solution->isHidden());
    EXPECT_EQ(toggle->text(), show);
    EXPECT_TRUE(this->window->solutionShown());

    this->solve();
    EXPECT_EQ(this->messages().size(), 1);
    // Enter closing the message, and any key after it, is no letter.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Shift, Qt::Key_Escape}) {
        QTest::keyClick(this->focus(), key);
    }
    EXPECT_EQ(this->messages().size(), 1);

    this->generate();  // a new puzzle, solved without help
    EXPECT_FALSE(this->window->solutionShown());
    EXPECT_EQ(toggle->text(), show);
    this->solve();
    ASSERT_EQ(this->messages().size(), 2);
    EXPECT_NE(this->messages()[1], this->messages()[0]);  // the praise without help
}

TYPED_TEST(PuzzleDriverTest, ATypedNumberMakesItsPuzzleAgainAndABadOneIsRefusedWhole) {
    this->generate();
    const auto first = TypeParam::puzzle(*this->window);
    const int number = this->window->puzzleNumber();
    const QStringList bad{"12x", "0", "1000000", "12345678901234567890", ""};
    for (const QString& text : bad) {
        this->typeNumber(text);
        EXPECT_FALSE(this->window->generating()) << text.toStdString();
    }
    EXPECT_EQ(this->messages().size(), bad.size());
    EXPECT_EQ(TypeParam::puzzle(*this->window), first);

    // Typed while another puzzle is being made: that one gives way.
    this->button(1)->click();
    this->window->stufe();
    this->typeNumber(QStringLiteral(" %1 ").arg(number));
    this->finish();
    EXPECT_EQ(TypeParam::puzzle(*this->window), first);
    EXPECT_EQ(this->window->puzzleNumber(), number);
}

TYPED_TEST(PuzzleDriverTest, AnEmptyDictionaryEndsWithTheMessageAndNoPuzzle) {
    for (const LengthTable& table : lengthTables()) {
        this->dictionary.session.execute(QStringLiteral("DELETE FROM ") +
                                         QLatin1String(table.name));
    }
    this->generate();
    EXPECT_EQ(this->messages(), QStringList{TypeParam::noPuzzleMessage()});
    EXPECT_FALSE(this->window->ready());
    EXPECT_EQ(this->window->puzzleNumber(), 0);
}

}  // namespace
}  // namespace vondrik
