// The snail window's own part: the spiral's boxes checked letter by letter, the mirrored
// diagonal, the clue click and its sheet.
#include "puzzles/snail_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "puzzles/clue_list.h"
#include "puzzles/puzzle_sheets.h"
#include "ui/widgets/open_once.h"

namespace vondrik {

Schnecken::Schnecken(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : PuzzleWindow(platform, mainWindow,
                   {"Schnecken", QStringLiteral("Rätselschnecke"),
                    QStringLiteral("Lösung einblenden"), QStringLiteral("Lösung ausblenden")}),
      generator_(session, puzzleRandom_) {
    buildArrows();
    buildSpiral();
    buildPanels();
    buildButtons();
    Command1->setFocus();
}

Schnecken* Schnecken::open(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    return openOnce<Schnecken>(mainWindow, session, platform);
}

void Schnecken::clearPuzzle() {
    snail_ = Snail();
    clearLetters(checker_);
    showPuzzle(false);
    for (QLineEdit* box : Text2) {
        box->clear();
    }
}

void Schnecken::presentPuzzle() {
    snail_ = generator_.snail();
    checker_.reset(snail_.spiralText());
    List1->setLines(snail_.clueLines());
    List2->setLines(snail_.solutionLines());
    Label2->setText(snail_.solutionMeaning());
    showPuzzle(true);
}

void Schnecken::showPuzzle(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command5), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Picture1)}) {
        w->setVisible(on);
    }
    for (QLineEdit* box : Text1) {
        box->setVisible(on);
    }
    for (QLineEdit* box : Text2) {
        box->setVisible(on);
    }
}

void Schnecken::showSolution(bool on) {
    List2->setVisible(on);
}

void Schnecken::checkBox(int box) {
    const bool solved = checkLetter(checker_, box);
    for (int j = 0; j < kSnailSide; ++j) {
        Text2[j]->setText(Text1[kSnailDiagonalBoxes[j]]->text());
    }
    if (solved) {
        announceSolved(letterPuzzleSolvedMessage(solutionShown()), false);
    }
}

PuzzleSheet Schnecken::sheet() const {
    return snailSheet(snail_, puzzleNumber());
}

}  // namespace vondrik
