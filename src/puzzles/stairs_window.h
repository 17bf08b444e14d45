// The stairs window Treppen: generates a stairs puzzle stage by stage, lets the user type the
// six row words into the 42 boxes of the grid (the arrow keys move between them), turns every
// right letter blue, shows the answers on request and prints the puzzle at any time. Each
// puzzle has a puzzle number that makes it again.
#pragma once

#include <QWidget>
#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/stairs_generator.h"
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
class Treppen : public QWidget {
    Q_OBJECT
  public:
    Treppen(DictionarySession& session, Platform& platform, QWidget* mainWindow);
    ~Treppen() override;

    // Shows the stairs window of mainWindow, loading it when it is not open.
    static Treppen* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // The stage due: one step of the generator. Timer1 calls it while a puzzle is being
    // generated, so window events run between two stages; tests call it directly.
    void stufe();
    bool generating() const;

    // The puzzle on screen (empty while none is), its number (0 while none is).
    const Stairs& stairs() const { return stairs_; }
    int puzzleNumber() const { return puzzleNumber_; }
    bool solutionShown() const { return solutionShown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void buildGrid();
    void buildPanels();
    void buildButtons();

    void neuesRaetsel();
    void raetselNummer();
    void beginGeneration(int number);
    void present();
    void showClues(bool on);
    void moveTo(int box);
    void taste(int box, int key);
    void pruefen(int box);
    void hinweisGeklickt(int line);
    void loesung();
    void drucken();

    Platform& platform_;
    SeededRandom puzzleRandom_;  // the sequence of the puzzle being generated
    StairsGenerator generator_;
    LetterBoxes checker_;
    Stairs stairs_;
    int puzzleNumber_ = 0;
    bool ready_ = false;
    bool solutionShown_ = false;

    std::array<QLineEdit*, kStairsBoxes> Text1{};
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
    QLabel* Label4 = nullptr;    // "Rätsel-Nr." before Text2
    QLineEdit* Text2 = nullptr;  // the number of the puzzle, to be typed to make it again
    QProgressBar* ProgressBar1 = nullptr;
    ClueList* List1 = nullptr;
    ClueList* List2 = nullptr;
    QLabel* Picture1 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace vondrik
