// The snail window Schnecken: generates a puzzle snail stage by stage, lets the user type the
// eleven words into the 36 boxes of the spiral, turns every right letter blue, mirrors the
// diagonal into the solution-word boxes, shows the answers on request and prints the puzzle.
// Each snail has a puzzle number that makes it again.
#pragma once

#include <QWidget>
#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/snail_generator.h"
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
class Schnecken : public QWidget {
    Q_OBJECT
  public:
    Schnecken(DictionarySession& session, Platform& platform, QWidget* mainWindow);
    ~Schnecken() override;

    // Shows the snail window of mainWindow, loading it when it is not open.
    static Schnecken* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The stage due: one step of the generator. Timer1 calls it while a snail is being
    // generated, so window events run between two stages; tests call it directly.
    void stufe();
    bool generating() const;

    // The snail on screen (empty while none is), its number (0 while none is).
    const Snail& snail() const { return snail_; }
    int puzzleNumber() const { return puzzleNumber_; }
    bool solutionShown() const { return solutionShown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void buildSpiral();
    void buildArrows();
    void buildPanels();
    void buildButtons();

    void neuesRaetsel();
    void raetselNummer();
    void beginGeneration(int number);
    void present();
    void showPuzzle(bool on);
    void pruefen(int box);
    void hinweisGeklickt(int line);
    void loesung();
    void drucken();

    Platform& platform_;
    SeededRandom puzzleRandom_;  // the sequence of the snail being generated
    SnailGenerator generator_;
    LetterBoxes checker_;
    Snail snail_;
    int puzzleNumber_ = 0;
    bool ready_ = false;
    bool solutionShown_ = false;

    std::array<QLineEdit*, kSnailBoxes> Text1{};
    std::array<QLineEdit*, kSnailSide> Text2{};  // the diagonal as typed
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;    // "Rätsel-Nr." before Text3
    QLineEdit* Text3 = nullptr;  // the number of the snail, to be typed to make it again
    QProgressBar* ProgressBar1 = nullptr;
    ClueList* List1 = nullptr;
    ClueList* List2 = nullptr;
    QLabel* Picture1 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace vondrik
