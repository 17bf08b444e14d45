// What the three puzzle windows share: the life cycle of a puzzle (a new one, one by its typed
// number, generated stage by stage on Timer1 with restart and cancel, presented, solved,
// printed, closed), the solution toggle, the failure message and the keys in the letter
// boxes. A window adds its controls, its picture and how its boxes map to words.
#pragma once

#include <QWidget>
#include <span>
#include <vector>

#include "puzzles/puzzle_printout.h"
#include "puzzles/staged_generator.h"
#include "ui/random_source.h"

class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;
class LetterBoxes;

struct PuzzleCaptions {
    const char* objectName;
    QString title;
    QString showSolution;
    QString hideSolution;
};

class PuzzleWindow : public QWidget {
    Q_OBJECT
  public:
    ~PuzzleWindow() override;

    // The stage due: one step of the generator. Timer1 calls it while a puzzle is being
    // generated, so window events run between two stages; tests call it directly.
    void stufe();
    bool generating() const;

    // The number of the puzzle on screen or being made; 0 while there is none.
    int puzzleNumber() const { return puzzleNumber_; }
    // A generated puzzle is on screen and may be solved, printed and shown.
    bool ready() const { return ready_; }
    // The solution of the puzzle on screen has been shown, even if it was hidden again.
    bool solutionShown() const { return solutionShown_; }

  protected:
    // The window is an ordinary one beside the main window and deletes itself when closed.
    PuzzleWindow(Platform& platform, QWidget* mainWindow, PuzzleCaptions captions);

    virtual StagedGenerator& generator() = 0;
    const StagedGenerator& generator() const {
        return const_cast<PuzzleWindow*>(this)->generator();
    }

    // A generation begins: nothing of the puzzle before may stay on screen.
    virtual void clearPuzzle() = 0;
    // The generator's complete puzzle goes on screen.
    virtual void presentPuzzle() = 0;
    // Cancel or failure: no puzzle is on screen now.
    virtual void showNoPuzzle() {}
    virtual void showGenerating(bool /*on*/) {}
    // After each stage and at the end of each generation, for windows that count.
    virtual void stageRun() {}
    virtual void generationEnded() {}
    virtual void showSolution(bool on) = 0;
    // After the user changed the text of letter box box (already in upper case).
    virtual void checkBox(int box) = 0;
    // A key other than a letter pressed in a letter box; true when the window used it.
    virtual bool boxKey(int /*box*/, int /*key*/) { return false; }
    virtual bool canPrint() const { return ready_; }
    virtual PuzzleSheet sheet() const = 0;

    // Builders of the controls every puzzle window has, at places in twips.
    void buildNumberField(const char* labelName, const char* fieldName, QPoint labelAt);
    QProgressBar* buildProgressBar(QRect place, int maximum);
    QGroupBox* buildHelpPanel(const QString& title, QRect place, QPushButton* open);
    // A text of the help panel, wrapped within its place.
    void addHelpText(QGroupBox* panel, const QString& text, const char* name, QRect place);
    // The panel's button that hides it again.
    QPushButton* addHelpCloseButton(QGroupBox* panel, const QString& caption, const char* name,
                                    QRect place);
    void setSolutionButton(QPushButton* button) { solutionButton_ = button; }
    // The boxes the user types letters into, in the order the focus moves through them.
    void takeLetterBoxes(std::span<QLineEdit* const> boxes);

    // The user's commands.
    void neuesRaetsel();
    void raetselNummer();
    void neuBeginnen();
    void abbrechen();
    void loesung();
    void drucken();

    // Gives box the focus with its letter selected, so a typed letter replaces it.
    void moveTo(int box);
    // Empties every letter box, black again, and checks against no answer until the next.
    void clearLetters(LetterBoxes& checker);
    // Checks box against a letter puzzle's answer: a right letter turns blue and sounds.
    // Returns whether this made the puzzle solved.
    bool checkLetter(LetterBoxes& checker, int box);
    // Tells the user the puzzle is solved; a pyramid also ends it.
    void announceSolved(const QString& text, bool endPuzzle);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Platform& platform_;
    SeededRandom puzzleRandom_{1};  // the sequence of the puzzle being generated
    std::vector<QLineEdit*> letterBoxes_;
    QProgressBar* ProgressBar1 = nullptr;

  private:
    void begin(int number);
    // Stops a generation in progress; nothing of it remains.
    void cancelGeneration();
    // No puzzle any more: no number, nothing of a puzzle on screen.
    void dropPuzzle();
    void lettersEdited(int box);
    void hideSolution();

    const PuzzleCaptions captions_;
    int puzzleNumber_ = 0;
    bool ready_ = false;
    bool solutionShown_ = false;
    bool solutionVisible_ = false;
    QLineEdit* numberField_ = nullptr;
    QPushButton* solutionButton_ = nullptr;
    QTimer* Timer1 = nullptr;
};

// Blue or black, as the letter puzzles show right and wrong letters.
void setLetterColour(QLineEdit* box, const QColor& colour);

}  // namespace vondrik
