// The pyramid window Form4: a word pyramid generated stage by stage, solved in 28 letter
// boxes whose rows turn green when right, its solution shown on request, printed. Each
// pyramid has a puzzle number that makes it again.
#pragma once

#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/puzzle_window.h"
#include "puzzles/pyramid_check.h"
#include "puzzles/pyramid_generator.h"

class QLabel;

namespace vondrik {

class ClueList;

class Form4 : public PuzzleWindow {
    Q_OBJECT
  public:
    Form4(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Shows the pyramid window of mainWindow, loading it when it is not open.
    static Form4* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The pyramid on screen; empty while none is.
    const Pyramid& pyramid() const { return pyramid_; }

    // Attempts at row 3 to 7 since the window was opened, over every pyramid made in it.
    int versuche(int row) const;

  private:
    StagedGenerator& generator() override { return generator_; }
    void clearPuzzle() override;
    void presentPuzzle() override;
    void showNoPuzzle() override;
    void showGenerating(bool on) override;
    void stageRun() override;
    void generationEnded() override;
    void showSolution(bool on) override;
    void checkBox(int box) override;
    PuzzleSheet sheet() const override;

    void buildPyramid();
    void buildPanels();
    void buildButtons();
    void setBoxColour(int box, const QColor& colour);

    PyramidGenerator generator_;
    PyramidChecker checker_;
    Pyramid pyramid_;
    std::array<int, kPyramidRows + 1> totalAttempts_{};  // of generations that have ended

    std::array<QLineEdit*, kPyramidBoxes> Text1{};
    std::array<QLabel*, kPyramidRows> Label1{};  // elements 1 to 6
    std::array<QPushButton*, 9> Command{};       // Command1 to Command8
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;  // the attempt counters while generating
    ClueList* List1 = nullptr;
};

}  // namespace vondrik
