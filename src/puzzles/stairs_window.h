// The stairs window Treppen: a stairs puzzle generated stage by stage, its six row words typed
// into the 42 boxes of the grid (the arrow keys move between them), every right letter blue,
// the answers shown on request, printed at any time. Each puzzle has a puzzle number that
// makes it again.
#pragma once

#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/puzzle_window.h"
#include "puzzles/stairs_generator.h"

class QLabel;

namespace vondrik {

class ClueList;

class Treppen : public PuzzleWindow {
    Q_OBJECT
  public:
    Treppen(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Shows the stairs window of mainWindow, loading it when it is not open.
    static Treppen* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The puzzle on screen; empty while none is.
    const Stairs& stairs() const { return stairs_; }

  private:
    StagedGenerator& generator() override { return generator_; }
    void clearPuzzle() override;
    void presentPuzzle() override;
    void showSolution(bool on) override;
    void checkBox(int box) override;
    bool boxKey(int box, int key) override;
    // Before the first puzzle, and while one is made, the sheet holds the empty clue lines.
    bool canPrint() const override { return true; }
    PuzzleSheet sheet() const override;

    void buildGrid();
    void buildPanels();
    void buildButtons();
    void showClues(bool on);

    StairsGenerator generator_;
    LetterBoxes checker_;
    Stairs stairs_;

    std::array<QLineEdit*, kStairsBoxes> Text1{};
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClueList* List1 = nullptr;
    ClueList* List2 = nullptr;
};

}  // namespace vondrik
