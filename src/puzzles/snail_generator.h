// Builds a puzzle snail from the dictionary, one stage per step(): the solution word, then
// the eleven spiral words, each chained to the one before and some holding a solution letter
// on the diagonal, going back a word when a word cannot be found.
#pragma once

#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/candidate_list.h"
#include "puzzles/snail.h"
#include "puzzles/staged_generator.h"
#include "puzzles/table_scans.h"
#include "ui/random_source.h"

namespace vondrik {

class SnailGenerator : public StagedGenerator {
  public:
    static constexpr int kCompleteStage = kSnailWords + 1;
    // Entries into one of words 1 to 11 before it gives up and the word before is chosen
    // anew (word 1 only starts over).
    static constexpr int kAttemptLimit = 50;
    // Word 1 never gives up the solution word on its own, so a solution word that leads into
    // a dead end is given up after kRestartStages; on the default dictionary that halves the
    // stages a snail takes (median about 50, 95th percentile about 220). A dictionary that
    // allows no snail at all ends after kStageLimit.
    static constexpr int kStageLimit = 3000;
    static constexpr int kRestartStages = 30;

    // Draws every random number from random; a caller that wants a puzzle again seeds it the
    // same way before start().
    SnailGenerator(DictionarySession& session, RandomSource& random);

    // Begins a new generation with the solution word: the attempt counters start at 0 and
    // the length tables are read afresh, so the random numbers alone decide the snail.
    void start() override;

    // The finished snail once the state is Complete.
    const Snail& snail() const { return snail_; }
    // The attempt counter of word 1 to 11.
    int attempts(int word) const { return attempts_.at(word); }
    // Length tables read by the current or last generation.
    int tableScans() const { return scans_.count(); }

    static QString noSnailMessage();

  private:
    void runStage(int stage) override;
    void discardPuzzle() override;
    QString noPuzzleMessage() const override { return noSnailMessage(); }

    void chooseSolutionWord();
    void fillWord(int word);
    void collectCandidates(int word);
    // The number of the candidate drawn for the word, 0 when none can be taken.
    int drawWord(int word);
    bool fits(int word, const QString& upper) const;
    void take(int word, int number);

    RandomSource& random_;
    TableScans scans_;
    CandidateList candidates_;
    Snail snail_;
    std::array<int, kSnailWords + 1> attempts_{};
};

}  // namespace vondrik
