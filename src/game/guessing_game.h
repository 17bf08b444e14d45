// The rules of the guessing game without its window: a game's course from the start button to
// the top-ten entry, the state the window shows, and what each action asks it to animate and
// sound.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "game/keyboard.h"
#include "game/start_blink.h"

namespace vondrik {
class DictionarySession;
class RandomSource;
}  // namespace vondrik

namespace vondrik::game {

struct DrawnWord;

inline constexpr int kAllowedMisses = 7;
inline constexpr int kLetterBoxes = 15;
inline constexpr int kBonusRounds = 7;  // a round number divisible by it brings a bonus point

enum class GamePhase {
    Idle,           // no game yet: the start button blinks
    Playing,        // a word is in play and the keyboard takes guesses
    SolutionShown,  // a word was not solved: the solution box waits for its OK
    GameOver,       // the start button blinks again; the score may enter the top-ten list
};

enum class WordEnd { None, Solved, NotSolved };

// What one action did, in the order the window shows it.
struct GameEvents {
    QString word;       // the word the action worked on, even when the next one is laid out
    QList<int> hits;    // boxes the guess uncovered, each flashing green with kHitSound
    bool miss = false;  // the guess missed: kMissSound, then every box flashes red with it
    WordEnd ended = WordEnd::None;
    int points = 0;            // points of a solved word
    bool bonusGained = false;  // the solved word earned a bonus point
    bool laidOut = false;      // a new word: all boxes hidden, then boxCount() shown one by one
    bool gameOver = false;     // time for the top-ten entry with totalScore()
    QStringList sounds;        // every sound of the action, in playing order
    QString message;           // a German message for a message box, or empty
};

class GuessingGame {
  public:
    // Seeds the random source from the clock, as the window does when it loads.
    GuessingGame(DictionarySession& session, RandomSource& random);

    // The start button: a fresh game with its first word. When no word can be drawn the
    // message says why and the game does not start.
    GameEvents start();
    // A click on letter button 0..25; ignored unless a word is in play and the button is
    // still there.
    GameEvents guess(int button);
    // The OK of the solution box: the next word, or the end of the game.
    GameEvents acknowledgeSolution();
    // One second of the window's timer.
    void step() { blink_.step(); }

    GamePhase phase() const { return phase_; }
    bool keyboardEnabled() const { return phase_ == GamePhase::Playing; }
    bool startButtonVisible() const {
        return phase_ == GamePhase::Idle || phase_ == GamePhase::GameOver;
    }
    bool startButtonHighlighted() const { return blink_.highlighted(); }
    const StartBlink& blink() const { return blink_; }

    // The word in play (also the solution box's text) and its meaning.
    const QString& hiddenWord() const { return word_; }
    const QString& meaning() const { return meaning_; }
    bool meaningVisible() const { return phase_ == GamePhase::Playing; }

    // Visible letter boxes: one per character of the word while it is in play or solved out.
    int boxCount() const;
    bool boxUncovered(int box) const;
    // The character of an uncovered box as stored, empty while covered.
    QString boxText(int box) const;
    // A letter button stays visible until it is clicked for the word in play.
    bool buttonVisible(int button) const;
    // The caption of the button clicked last (the invisible spare button's caption).
    QString lastLetter() const { return lastLetter_; }

    int remainingMisses() const { return kAllowedMisses - misses_; }
    int round() const { return round_; }
    int totalScore() const { return total_; }
    int bonus() const { return bonus_; }
    // Points the word in play still brings (Label10).
    int reachablePoints() const { return round_ * remainingMisses(); }
    // Label13.
    QString bonusMessage() const;

  private:
    void nextWord(GameEvents& events);
    void layOut(const DrawnWord& drawn, GameEvents& events);
    void endGame(GameEvents& events);

    DictionarySession& session_;
    RandomSource& random_;
    StartBlink blink_;
    GamePhase phase_ = GamePhase::Idle;
    QString word_;
    QString meaning_;
    std::array<bool, kLetterBoxes> uncovered_{};
    std::array<bool, kLetterButtons> used_{};
    QString lastLetter_;
    int found_ = 0;
    int misses_ = 0;
    int round_ = 1;
    int total_ = 0;
    int bonus_ = 1;
};

}  // namespace vondrik::game
