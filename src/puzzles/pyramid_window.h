// The pyramid window Form4: generates a word pyramid stage by stage, lets the user solve it
// in 28 letter boxes, checks every row while typing, shows the solution on request and
// prints the puzzle. Each pyramid has a puzzle number that makes it again.
#pragma once

#include <QWidget>
#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/pyramid_check.h"
#include "puzzles/pyramid_generator.h"
#include "ui/random_source.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;
class ClueList;

// An ordinary window beside the main window; it deletes itself when closed.
class Form4 : public QWidget {
    Q_OBJECT
  public:
    Form4(DictionarySession& session, Platform& platform, QWidget* mainWindow);
    ~Form4() override;

    // Shows the pyramid window of mainWindow, loading it when it is not open.
    static Form4* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The stage due: one step of the generator. Timer1 calls it while a pyramid is being
    // generated, so window events run between two stages; tests call it directly.
    void stufe();
    bool generating() const;

    // The pyramid on screen (empty while none is), its number (0 while none is) and the
    // flags of the solving.
    const Pyramid& pyramid() const { return pyramid_; }
    int puzzleNumber() const { return puzzleNumber_; }
    bool ready() const { return ready_; }
    bool solutionShown() const { return solutionShown_; }

    // Attempts at row 3 to 7 since the window was opened, over every pyramid made in it.
    int versuche(int row) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void buildPyramid();
    void buildPanels();
    void buildButtons();

    void neuesRaetsel();
    void raetselNummer();
    void beginGeneration(int number);
    void startStages(int number);
    void neuBeginnen();
    void abbrechen();
    void endStages();
    void showIdle();
    void showGenerating(bool on);
    void present();
    void pruefen(int box);
    void geloest();
    void loesung();
    void drucken();
    void showAttempts();

    Platform& platform_;
    SeededRandom puzzleRandom_;  // the sequence of the pyramid being generated
    PyramidGenerator generator_;
    PyramidChecker checker_;
    Pyramid pyramid_;
    int puzzleNumber_ = 0;
    bool ready_ = false;
    bool solutionShown_ = false;
    std::array<int, kPyramidRows + 1> totalAttempts_{};  // of generations that have ended

    std::array<QLineEdit*, kPyramidBoxes> Text1{};
    std::array<QLabel*, kPyramidRows> Label1{};  // elements 1 to 6
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;    // "Rätsel-Nr." before Text2
    QLineEdit* Text2 = nullptr;  // the number of the pyramid, to be typed to make it again
    QLabel* Label7 = nullptr;    // the attempt counters while generating
    QProgressBar* ProgressBar1 = nullptr;
    ClueList* List1 = nullptr;
    QLabel* Picture1 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace vondrik
