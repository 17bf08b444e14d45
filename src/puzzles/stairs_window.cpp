// The stairs window's own part: the grid's boxes checked letter by letter, the arrow keys,
// the clue click and its sheet.
#include "puzzles/stairs_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_sheets.h"
#include "ui/widgets/open_once.h"

namespace vondrik {

Treppen::Treppen(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : PuzzleWindow(platform, mainWindow,
                   {"Treppen", QStringLiteral("Treppenrätsel"), QStringLiteral("Lösung anzeigen"),
                    QStringLiteral("Lösung ausblenden")}),
      generator_(session, puzzleRandom_) {
    buildGrid();
    buildPanels();
    buildButtons();
    Command1->setFocus();
}

Treppen* Treppen::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Treppen>(mainWindow, session, platform);
}

void Treppen::clearPuzzle() {
    stairs_ = Stairs();
    clearLetters(checker_);
    showClues(false);
}

void Treppen::presentPuzzle() {
    stairs_ = generator_.stairs();
    checker_.reset(stairs_.gridText());
    List1->setLines(stairs_.clueLines());
    List2->setLines(stairs_.solutionLines());
    Label2->setText(stairs_.solutionMeaning());
    showClues(true);
}

void Treppen::showClues(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2)}) {
        w->setVisible(on);
    }
}

void Treppen::showSolution(bool on) {
    List2->setVisible(on);
}

bool Treppen::boxKey(int box, int key) {
    static constexpr std::pair<int, Arrow> kArrows[] = {{Qt::Key_Left, Arrow::Left},
                                                        {Qt::Key_Right, Arrow::Right},
                                                        {Qt::Key_Up, Arrow::Up},
                                                        {Qt::Key_Down, Arrow::Down}};
    for (const auto& [code, arrow] : kArrows) {
        if (code == key) {
            // At the border the arrow goes nowhere and leaves the box as it is.
            if (const std::optional<int> target = arrowTarget(box, arrow)) {
                moveTo(*target);
            }
            return true;
        }
    }
    return false;
}

void Treppen::checkBox(int box) {
    if (checkLetter(checker_, box)) {
        announceSolved(letterPuzzleSolvedMessage(solutionShown()), false);
    }
}

PuzzleSheet Treppen::sheet() const {
    // Without a puzzle on screen stairs_ is empty: the sheet shows the empty grid.
    return stairsSheet(stairs_, ready() ? puzzleNumber() : 0);
}

}  // namespace vondrik
