// The pyramid window Form4 driven through its controls: generating and presenting, checking
// rows as they are typed, solving, printing, cancelling and restarting, puzzle numbers.
#include "puzzles/pyramid_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "puzzle_dictionary.h"
#include "puzzles/clue_list.h"
#include "puzzles/puzzle_printout.h"
#include "support/qt_printers.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

class PyramidWindowTest : public ::testing::Test {
  protected:
    explicit PyramidWindowTest(
        const std::vector<test::PlacedEntry>& entries = test::fixturePlus(test::pyramidChains()))
        : dictionary(entries) {
        window = new Form4(dictionary.session, fake.platform, nullptr);
        window->show();
    }
    ~PyramidWindowTest() override { delete window; }

    template <typename T = QWidget>
    T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(int i) { return control<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QPushButton* button(int n) { return control<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    QLabel* solutionLabel(int i) { return control<QLabel>(QStringLiteral("Label1_%1").arg(i)); }
    static QColor colour(QLineEdit* b) { return b->palette().color(QPalette::Base); }

    // Runs the stages Timer1 would run until the generation has ended.
    void finish() {
        for (int stages = 0; window->generating(); ++stages) {
            ASSERT_LT(stages, PyramidGenerator::kStageLimit + 1);
            window->stufe();
        }
    }
    void generate() {
        button(1)->click();
        finish();
    }

    // Clicks each of the row's boxes, which selects its letter, and types the word's letter
    // in lower case.
    void typeRow(int row, const QString& word) {
        for (int k = 0; k < word.size(); ++k) {
            QLineEdit* b = box(firstBoxOfRow(row) + k);
            QTest::mouseClick(b, Qt::LeftButton);
            QTest::keyClicks(b, word.mid(k, 1).toLower());
        }
    }
    int bells() const {
        int n = 0;
        for (const PlayedSound& s : fake.sound.played) {
            n += s.path.endsWith(QStringLiteral("ton/glocke1.wav")) && s.found ? 1 : 0;
        }
        return n;
    }

    test::TestAppFolder app;
    FakePlatform fake{app.path()};
    test::PuzzleDictionary dictionary;
    Form4* window = nullptr;
};

TEST_F(PyramidWindowTest, GeneratesStageByStageAndPresentsThePyramid) {
    EXPECT_EQ(window->windowTitle(), "Rätselpyramide");
    EXPECT_TRUE(box(0)->isHidden());
    fake.random.script({0.0047});  // puzzle number floor(0.0047 * 999999 + 1) = 4700
    button(1)->click();
    ASSERT_TRUE(window->generating());
    for (int n : {1, 2, 3, 4, 5}) {
        EXPECT_TRUE(button(n)->isHidden()) << n;
    }
    for (const char* name : {"Command6", "Command7", "Label2", "Label3", "ProgressBar1"}) {
        EXPECT_FALSE(control(name)->isHidden()) << name;
    }
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Erstelle nun das Rätsel");
    EXPECT_FALSE(box(27)->isHidden());
    window->stufe();
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 1);
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->maximum(), 8);
    finish();

    const Pyramid& p = window->pyramid();
    ASSERT_EQ(p.words[7].size(), 7);
    EXPECT_EQ(window->puzzleNumber(), 4700);
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "4700");
    auto* list = control<ClueList>("List1");
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->lines(), p.clueLines());
    EXPECT_EQ(list->horizontalExtent(), ClueList::widestLine(p.clueLines(), list->font()));
    EXPECT_EQ(box(0)->text(), p.startLetter());
    EXPECT_EQ(colour(box(0)), kGreen);
    EXPECT_TRUE(box(0)->isReadOnly());
    EXPECT_FALSE(box(1)->isReadOnly());
    EXPECT_EQ(box(1)->font().family(), "Courier New");
    EXPECT_EQ(box(1)->font().pointSize(), 18);
    EXPECT_EQ(box(21)->geometry(), QRect(8, 208, 33, 33));  // 120 / 3120 twips, 495 wide
    EXPECT_EQ(box(27)->geometry(), QRect(200, 208, 33, 33));
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(solutionLabel(i)->text(), p.solutionLines()[i - 1]);
        EXPECT_TRUE(solutionLabel(i)->isHidden());
    }
    for (const char* name : {"Command6", "Command7", "Label2", "Label3", "ProgressBar1"}) {
        EXPECT_TRUE(control(name)->isHidden()) << name;
    }
    EXPECT_FALSE(button(1)->isHidden());
    EXPECT_TRUE(window->ready());
}

TEST_F(PyramidWindowTest, ARowTurningRightGoesGreenAndRingsOncePerChange) {
    generate();
    const Pyramid p = window->pyramid();
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 1);
    EXPECT_EQ(box(3)->text(), p.words[3].left(1));  // upper case
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(colour(box(i)), kGreen) << i;
    }
    EXPECT_EQ(window->focusWidget(), box(6));  // moved on after the last letter

    typeRow(2, p.words[2]);  // another row: row 3 stays right and rings no more
    EXPECT_EQ(bells(), 2);
    QTest::keyClick(box(5), Qt::Key_Shift);  // a key that types nothing still moves on
    EXPECT_EQ(window->focusWidget(), box(6));

    QTest::mouseClick(box(5), Qt::LeftButton);
    QTest::keyClicks(box(5), QStringLiteral("q"));  // the selected letter is replaced
    EXPECT_EQ(box(5)->text(), "Q");
    EXPECT_EQ(colour(box(3)), kWhite);
    EXPECT_EQ(colour(box(1)), kGreen);
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 3);

    // The right letters in another order are no right row.
    QString reversed = p.words[4];
    std::reverse(reversed.begin(), reversed.end());
    if (reversed != p.words[4]) {
        typeRow(4, reversed);
        EXPECT_EQ(colour(box(6)), kWhite);
        EXPECT_EQ(bells(), 3);
    }
    QTest::keyClicks(box(27), QStringLiteral("x"));
    EXPECT_EQ(window->focusWidget(), box(27));
}

TEST_F(PyramidWindowTest, SolvingLocksThePyramidAndEndsToggleAndPrinting) {
    generate();
    const Pyramid p = window->pyramid();
    button(2)->click();
    EXPECT_FALSE(solutionLabel(1)->isHidden());
    EXPECT_EQ(button(2)->text(), "Lösung ausblenden");
    button(2)->click();
    EXPECT_TRUE(solutionLabel(1)->isHidden());
    EXPECT_EQ(button(2)->text(), "Lösung einblenden");
    EXPECT_TRUE(window->solutionShown());

    for (int row = 2; row <= 7; ++row) {
        typeRow(row, p.words[row]);
    }
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text,
              "Na ja, Sie haben das Rätsel zwar gelöst, aber nur mit Hilfe der "
              "Lösungseinblendung!");
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Vondrik 2000");
    EXPECT_EQ(fake.messageBox.shown()[0].icon, MessageIcon::None);
    for (int i = 0; i < kPyramidBoxes; ++i) {
        EXPECT_EQ(colour(box(i)), kYellow) << i;
        EXPECT_TRUE(box(i)->isReadOnly()) << i;
    }
    EXPECT_FALSE(window->ready());
    button(2)->click();
    button(3)->click();
    EXPECT_TRUE(solutionLabel(1)->isHidden());
    EXPECT_TRUE(fake.printer.documents().isEmpty());
    QTest::keyClick(box(10), Qt::Key_Right);  // no second message, no green
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(colour(box(10)), kYellow);
}

TEST_F(PyramidWindowTest, ThePrintoutHoldsTheCluesAndTheNumberNeverAnAnswer) {
    button(3)->click();  // nothing on screen yet
    EXPECT_TRUE(fake.printer.documents().isEmpty());
    generate();
    const Pyramid p = window->pyramid();
    button(3)->click();
    ASSERT_EQ(fake.printer.documents().size(), 1);
    const PrintedDocument& doc = fake.printer.documents()[0];
    EXPECT_EQ(doc.name, "Rätselpyramide");
    EXPECT_TRUE(doc.ended);
    ASSERT_EQ(doc.pages.size(), 1);
    const PrintedPage& page = doc.pages[0];
    ASSERT_EQ(page.pictures.size(), 1);
    EXPECT_EQ(page.pictures[0].size, QSize(210, 210));
    EXPECT_EQ(page.pictures[0].topLeftTwips, QPoint(4000, 2000));

    QStringList expected{QString()};
    for (int i = 0; i < kSheetSpacerLines; ++i) {
        expected.append(QStringLiteral(" "));
    }
    expected += p.printLines();
    expected += {QString(), sheetNumberLine(window->puzzleNumber())};
    QStringList printed;
    for (const PrintedLine& line : page.lines) {
        printed.append(line.text);
    }
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(page.lines[1].fontSize, 12);
    EXPECT_EQ(page.lines[29].text, "      1. = " + p.startLetter());
    EXPECT_EQ(page.lines[29].fontSize, 12);
    EXPECT_LT(page.lines.last().fontSize, 12);
    for (int row = 2; row <= 7; ++row) {
        const QRegularExpression answer(QStringLiteral("\\b%1\\b").arg(p.words[row]));
        for (const QString& line : printed) {
            EXPECT_FALSE(line.contains(answer)) << line.toStdString();
        }
    }
}

TEST_F(PyramidWindowTest, CancelLeavesNoPyramidAndRestartKeepsTheAttemptCounts) {
    button(1)->click();
    while (window->generating() && window->versuche(3) == 0) {
        window->stufe();
    }
    ASSERT_TRUE(window->generating());
    const int before = window->versuche(3);
    const int firstNumber = window->puzzleNumber();
    button(6)->click();
    EXPECT_TRUE(window->generating());
    EXPECT_EQ(window->versuche(3), before);
    EXPECT_NE(window->puzzleNumber(), firstNumber);
    window->stufe();
    window->stufe();
    window->stufe();
    EXPECT_GE(window->versuche(3), before);

    button(7)->click();
    EXPECT_FALSE(window->generating());
    window->stufe();  // a stage still due from the timer runs nothing
    EXPECT_EQ(window->pyramid(), Pyramid());
    EXPECT_EQ(window->puzzleNumber(), 0);
    EXPECT_FALSE(window->ready());
    EXPECT_TRUE(control("List1")->isHidden());
    EXPECT_TRUE(box(0)->text().isEmpty());
    for (int i = 0; i < kPyramidBoxes; ++i) {
        EXPECT_TRUE(box(i)->isHidden()) << i;
    }
    for (int n : {1, 2, 3, 4, 5}) {
        EXPECT_FALSE(button(n)->isHidden()) << n;
    }
    EXPECT_TRUE(button(6)->isHidden());
    EXPECT_GE(window->versuche(3), before);
    button(3)->click();
    EXPECT_TRUE(fake.printer.documents().isEmpty());
}

TEST_F(PyramidWindowTest, ANumberTypedMakesThatPyramidAgain) {
    generate();
    const Pyramid first = window->pyramid();
    const int number = window->puzzleNumber();
    generate();
    auto* field = control<QLineEdit>("Text2");
    field->setText(QStringLiteral("12x"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_FALSE(window->generating());

    field->setText(QString::number(number));
    QTest::keyClick(field, Qt::Key_Return);
    finish();
    EXPECT_EQ(window->pyramid(), first);
    EXPECT_EQ(window->puzzleNumber(), number);
    EXPECT_EQ(control<ClueList>("List1")->lines(), first.clueLines());
}

class NoPyramidWindowTest : public PyramidWindowTest {
  protected:
    NoPyramidWindowTest() : PyramidWindowTest(test::placedByLength(test::fixtureEntries())) {}
};

TEST_F(NoPyramidWindowTest, ADictionaryWithoutPyramidEndsWithTheMessage) {
    generate();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, PyramidGenerator::noPyramidMessage());
    EXPECT_FALSE(button(1)->isHidden());
    EXPECT_TRUE(box(0)->isHidden());
    EXPECT_FALSE(window->ready());
}

TEST(PuzzleSheet, ALineWiderThanThePaperGoesOnUnderItsClue) {
    FakePrinter printer;
    printer.charactersPerLine = 20;
    PuzzleSheet sheet;
    sheet.leadingEmptyLine = false;
    sheet.lines = {"      2. = aaa bbb ccc ddd", "      3. = kurz",
                   "      4. = Ortsbezeichnungsverzeichnis"};
    ASSERT_TRUE(printPuzzleSheet(printer, sheet));
    QStringList printed;
    for (const PrintedLine& line : printer.documents()[0].pages[0].lines.mid(kSheetSpacerLines)) {
        printed.append(line.text);
        EXPECT_LE(line.text.size(), 20) << line.text.toStdString();
    }
    ASSERT_GE(printed.size(), 5);
    EXPECT_EQ(printed.mid(0, 3),
              (QStringList{"      2. = aaa bbb", "           ccc ddd", "      3. = kurz"}));
    QString word;  // the word cut at the paper's edge, nothing of it lost
    for (const QString& line : printed.mid(3)) {
        word += line.mid(11);
    }
    EXPECT_EQ(word, "Ortsbezeichnungsverzeichnis");
    EXPECT_EQ(printed.mid(3).first().left(11), "      4. = ");
}

}  // namespace
}  // namespace vondrik
