// The guessing game's window: the meaning and letter boxes of the hidden word, the on-screen
// keyboard, the score frames, the solution, rules and top-ten boxes and the blinking start
// button, over the game's background picture.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>

#include "game/guessing_game.h"
#include "game/highscore_list.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace vondrik {

class DictionarySession;
struct Platform;

// An ordinary window beside the main window; it deletes itself when closed. Closing it ends a
// game at once, without a top-ten entry.
class Spiel : public QMainWindow {
    Q_OBJECT
  public:
    // `notebookShift` (twips, from the notebook adjustment) shortens the background picture
    // and raises the keyboard and score frames by that much.
    Spiel(DictionarySession& session, Platform& platform, int notebookShift, QWidget* mainWindow);

    // Loads and shows the game window, or brings the one already open to the front.
    static Spiel* open(DictionarySession& session, Platform& platform, QWidget* mainWindow,
                       int notebookShift = 0);

    // One second of Timer1: the start button's highlight changes.
    void blinkStep();

    // One step of the box animation (green and red flashes, a new word's boxes one by one).
    // The keyboard stays disabled until the animation is over.
    void flashStep();
    // Plays what is left of the animation at once.
    void finishFlashes();
    bool flashing() const { return !flashes_.isEmpty(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building and placing (spiel_controls.cpp).
    void buildControls();
    void buildScoreFrames();
    void buildKeyboard();
    void buildBoxes();
    void buildMenu();
    void fitToScreen(int notebookShift);

    // Game actions (spiel.cpp).
    void startGame();
    void guessLetter(int button);
    void acknowledgeSolution();
    void afterAction(const game::GameEvents& events);
    void gameOver(const game::GameEvents& events);
    void enterHighscore();
    void showHighscores();
    void showState();
    void showNumbers();
    void showBlink();
    void chooseSounds(bool on);
    void playSound(QStringView sound);
    void report(const QString& message);

    // The animation (spiel_flashes.cpp).
    void queueFlash(std::function<void()> step);
    void queueHits(const game::GameEvents& events);
    void queueMissRipple(const game::GameEvents& events);
    void queueLayOut();
    void placeBoxes(int count);
    void paintBox(int box, const QColor& colour);

    Platform& platform_;
    game::GuessingGame game_;
    game::HighscoreList highscores_;
    QWidget* client_ = nullptr;
    QTimer* flashTimer_ = nullptr;
    QList<std::function<void()>> flashes_;
    std::array<QPoint, game::kLetterBoxes> boxHome_{};
    // The top-ten columns as fitted to the screen (left edge and width; the rows differ).
    QRect nameColumn_;
    QRect scoreColumn_;

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;  // meaning of the hidden word
    std::array<QLineEdit*, game::kLetterBoxes> Text1{};
    QPushButton* Command2 = nullptr;  // start
    QLabel* Label13 = nullptr;        // bonus message
    QGroupBox* Frame1 = nullptr;      // keyboard; Command1 index 26 is the invisible spare
    std::array<QPushButton*, game::kLetterButtons + 1> Command1{};
    QGroupBox* Frame4 = nullptr;  // misses left and points reachable
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QGroupBox* Frame5 = nullptr;  // total score
    QLabel* Label8 = nullptr;
    QLabel* Label11 = nullptr;
    QGroupBox* Frame3 = nullptr;  // solution box
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command5 = nullptr;
    QGroupBox* Frame6 = nullptr;  // rules box
    QLabel* Label16 = nullptr;
    QPushButton* Command6 = nullptr;
    QGroupBox* Frame2 = nullptr;                                   // top ten
    std::array<QLabel*, game::HighscoreList::kEntries> Label14{};  // names
    std::array<QLabel*, game::HighscoreList::kEntries> Label15{};  // scores
    QPushButton* Command3 = nullptr;
    QTimer* Timer1 = nullptr;  // start button blink, every second
    QAction* score = nullptr;
    QMenu* sounds = nullptr;
    QAction* ans = nullptr;
    QAction* auss = nullptr;
    QAction* hilf = nullptr;
    QAction* ende = nullptr;
};

}  // namespace vondrik
