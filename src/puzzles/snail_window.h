// The snail window Schnecken: a puzzle snail generated stage by stage, its eleven words typed
// into the 36 boxes of the spiral, every right letter blue, the diagonal mirrored into the
// solution-word boxes, the answers shown on request, printed. Each snail has a puzzle number
// that makes it again.
#pragma once

#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/puzzle_window.h"
#include "puzzles/snail_generator.h"

class QLabel;

namespace vondrik {

class ClueList;

class Schnecken : public PuzzleWindow {
    Q_OBJECT
  public:
    Schnecken(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Shows the snail window of mainWindow, loading it when it is not open.
    static Schnecken* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The snail on screen; empty while none is.
    const Snail& snail() const { return snail_; }

  private:
    StagedGenerator& generator() override { return generator_; }
    void clearPuzzle() override;
    void presentPuzzle() override;
    void showSolution(bool on) override;
    void checkBox(int box) override;
    PuzzleSheet sheet() const override;

    void buildSpiral();
    void buildArrows();
    void buildPanels();
    void buildButtons();
    void showPuzzle(bool on);

    SnailGenerator generator_;
    LetterBoxes checker_;
    Snail snail_;

    std::array<QLineEdit*, kSnailBoxes> Text1{};
    std::array<QLineEdit*, kSnailSide> Text2{};  // the diagonal as typed
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClueList* List1 = nullptr;
    ClueList* List2 = nullptr;
    QLabel* Picture1 = nullptr;
};

}  // namespace vondrik
