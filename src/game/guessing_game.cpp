// The course of a guessing game: drawing and laying out words, guesses, scoring, bonus points.
#include "game/guessing_game.h"

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "dictionary/statements.h"
#include "game/game_texts.h"
#include "game/word_draw.h"
#include "ui/random_source.h"

namespace vondrik::game {

GuessingGame::GuessingGame(DictionarySession& session, RandomSource& random)
    : session_(session), random_(random) {
    random_.reseed();
    // Until the first draw the statement of the longest words' table stands for the game.
    session_.build(statement(Family::WholeTable, *tableForLength(kLongestGameWord), {}));
}

GameEvents GuessingGame::start() {
    GameEvents events;
    if (!startButtonVisible()) {
        return events;
    }
    bonus_ = 1;
    total_ = 0;
    round_ = 1;
    blink_.reset();
    const WordDraw draw = drawWord(session_, random_);
    if (!draw.word) {
        // Nothing to play: the start button stays, and no top-ten entry follows.
        events.message = draw.message;
        return events;
    }
    layOut(*draw.word, events);
    return events;
}

GameEvents GuessingGame::guess(int button) {
    GameEvents events;
    if (phase_ != GamePhase::Playing || button < 0 || button >= kLetterButtons || used_[button]) {
        return events;
    }
    used_[button] = true;
    lastLetter_ = buttonLetter(button);
    events.word = word_;
    events.sounds << kClickSound.toString();

    for (int p = 0; p < word_.size(); ++p) {
        if (buttonFor(word_[p]) == button) {
            uncovered_[p] = true;
            ++found_;
            events.hits << p;
            events.sounds << kHitSound.toString();
        }
    }
    if (events.hits.isEmpty()) {
        ++misses_;
        events.miss = true;
        events.sounds << kMissSound.toString();
        for (int box = 0; box < word_.size(); ++box) {
            events.sounds << kMissSound.toString();
        }
    }

    if (misses_ == kAllowedMisses) {
        events.ended = WordEnd::NotSolved;
        --bonus_;
        phase_ = GamePhase::SolutionShown;
    } else if (found_ == word_.size()) {
        events.ended = WordEnd::Solved;
        events.points = reachablePoints();  // before the round grows
        total_ += events.points;
        ++round_;
        if (round_ % kBonusRounds == 0) {
            ++bonus_;
            events.bonusGained = true;
        }
        nextWord(events);
    }
    return events;
}

GameEvents GuessingGame::acknowledgeSolution() {
    GameEvents events;
    if (phase_ != GamePhase::SolutionShown) {
        return events;
    }
    events.word = word_;
    if (bonus_ > -1) {
        nextWord(events);
    } else {
        endGame(events);
    }
    return events;
}

int GuessingGame::boxCount() const {
    const bool shown = phase_ == GamePhase::Playing || phase_ == GamePhase::SolutionShown;
    return shown ? static_cast<int>(word_.size()) : 0;
}

bool GuessingGame::boxUncovered(int box) const {
    return box >= 0 && box < boxCount() && uncovered_[box];
}

QString GuessingGame::boxText(int box) const {
    return boxUncovered(box) ? QString(word_[box]) : QString();
}

bool GuessingGame::buttonVisible(int button) const {
    return button >= 0 && button < kLetterButtons && !used_[button];
}

QString GuessingGame::bonusMessage() const {
    if (bonus_ > 0) {
        return kBonusBefore.toString() + QString::number(bonus_) + kBonusAfter.toString();
    }
    return kNoBonus.toString();
}

void GuessingGame::nextWord(GameEvents& events) {
    const WordDraw draw = drawWord(session_, random_);
    if (!draw.word) {
        // The dictionary failed in mid-game: the score so far still counts for the list.
        events.message = draw.message + kGameEndsMessage.toString();
        endGame(events);
        return;
    }
    layOut(*draw.word, events);
}

void GuessingGame::layOut(const DrawnWord& drawn, GameEvents& events) {
    word_ = drawn.begriff;
    meaning_ = drawn.bedeutung;
    found_ = 0;
    misses_ = 0;
    uncovered_.fill(false);
    used_.fill(false);
    // Characters without a button could never be guessed, so the word would be lost for sure;
    // they are shown from the start and count as found.
    for (int p = 0; p < word_.size(); ++p) {
        if (buttonFor(word_[p]) < 0) {
            uncovered_[p] = true;
            ++found_;
        }
    }
    phase_ = GamePhase::Playing;
    events.laidOut = true;
    for (int box = 0; box < word_.size(); ++box) {
        events.sounds << kBoxSound.toString();
    }
}

void GuessingGame::endGame(GameEvents& events) {
    phase_ = GamePhase::GameOver;
    events.gameOver = true;
}

}  // namespace vondrik::game
