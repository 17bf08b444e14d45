// The printed sheet and the clue list: long clues wrap, on paper under their label and on
// screen within the list, and every sheet ends on its one page.
#include <gtest/gtest.h>

#include "puzzle_quality.h"
#include "puzzles/clue_list.h"
#include "ui/fake_printer.h"

namespace vondrik {
namespace {

// A clue as long as the dictionary holds them, of long words that wrap badly.
QString longClue(int n) {
    return QStringLiteral(
               "Donaudampfschifffahrt%1 Kapitänsmützenband Versicherungsvertreter "
               "Ortsbezeichnungsverzeichnis")
        .arg(n)
        .left(100);
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
    const auto& lines = printer.documents()[0].pages[0].lines;
    for (const PrintedLine& line : lines.mid(sheetSpacerLines(0, false))) {
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

TEST(PuzzleSheet, EveryKindFitsOnePageWithTheLongestClues) {
    Pyramid pyramid;
    Snail snail;
    Stairs stairs;
    for (int i = 0; i < 12; ++i) {
        if (i < kPyramidRows + 1) {
            pyramid.meanings[i] = longClue(i);
            stairs.meanings[i] = longClue(i);
        }
        snail.meanings[i] = longClue(i);
    }
    test::PageCounter printer;
    for (const PuzzleSheet& sheet :
         {pyramidSheet(pyramid, 999999), snailSheet(snail, 999999), stairsSheet(stairs, 999999)}) {
        ASSERT_TRUE(printPuzzleSheet(printer, sheet));
        EXPECT_EQ(printer.pages(), 1) << sheet.documentName.toStdString();
    }
}

TEST(ClueList, ALongClueWrapsWithinTheListAndEveryLineIsSeen) {
    ClueList list;
    list.resize(200, 400);
    list.show();
    list.setLines({longClue(1), QStringLiteral("kurz")});
    const int width = list.viewport()->width();
    EXPECT_LE(list.item(0)->sizeHint().width(), width);
    EXPECT_GT(list.item(0)->sizeHint().height(), 2 * list.item(1)->sizeHint().height());
    EXPECT_TRUE(list.showsEveryLine());

    list.setColumns(3);  // short lines side by side
    list.setLines({"1. EINS", "2. ZWEI", "3. DREI", "4. VIER", "5. FÜNF", "6. SECHS"});
    EXPECT_LE(list.item(0)->sizeHint().width(), width / 3);
    EXPECT_TRUE(list.showsEveryLine());
    list.resize(200, 20);  // too low even for the columns
    EXPECT_FALSE(list.showsEveryLine());
}

}  // namespace
}  // namespace vondrik
