// Builds a word pyramid from the dictionary, one stage per step(): a start letter, then rows
// 2 to 7, each a word of one more letter holding every letter of the row above, going back a
// row when a row cannot be filled. The caller runs step() until it returns false and lets
// window events run in between, so it can stop or start anew between stages.
#pragma once

#include <QString>
#include <array>

#include "dictionary/dictionary_session.h"
#include "puzzles/candidate_list.h"
#include "puzzles/pyramid.h"
#include "puzzles/staged_generator.h"
#include "puzzles/table_scans.h"
#include "ui/random_source.h"

namespace vondrik {

// The letters a pyramid may start with, in the order the draw numbers them.
inline constexpr std::array<char16_t, 10> kPyramidStartLetters = {u'A', u'E', u'H', u'R', u'L',
                                                                  u'T', u'O', u'N', u'S', u'I'};

class PyramidGenerator : public StagedGenerator {
  public:
    static constexpr int kCompleteStage = kPyramidRows + 1;
    // Entries into one of rows 3 to 7 before it gives up and the row above is chosen anew.
    static constexpr int kAttemptLimit = 50;
    // Stages one generation may run. On the default dictionary most pyramids take a dozen
    // stages and hardly any more than a few hundred; without a bound a dictionary that allows
    // no pyramid would keep the window busy for ever.
    static constexpr int kStageLimit = 2000;
    // Stages after which a generation that has not finished starts over with a new start
    // letter, as the user would with "Abbrechen und neu beginnen": row 2 never gives up its
    // start letter while it finds words, so a start letter that leads into a dead end would
    // otherwise hold the generation until the stage limit.
    static constexpr int kRestartStages = 100;

    // Draws every random number from random; a caller that wants a puzzle again seeds it the
    // same way before start().
    PyramidGenerator(DictionarySession& session, RandomSource& random);

    // Begins a new generation at stage 1: the attempt counters start at 0 and the length
    // tables are read afresh, so the random numbers alone decide the pyramid. A restart by
    // the user is a start() with a freshly numbered sequence, so that the number shown with
    // the pyramid always re-creates it.
    void start() override;

    // The finished pyramid once the state is Complete.
    const Pyramid& pyramid() const { return pyramid_; }

    // The attempt counter of row 3 to 7.
    int attempts(int row) const { return attempts_.at(row); }
    // Length tables read by the current or last generation.
    int tableScans() const { return scans_.count(); }

    static QString noPyramidMessage();

  private:
    void runStage(int stage) override;
    void discardPuzzle() override;
    QString noPuzzleMessage() const override { return noPyramidMessage(); }

    void pickStartLetter();
    void fillRow(int row);
    void collectCandidates(int row);

    RandomSource& random_;
    TableScans scans_;
    CandidateList candidates_;
    Pyramid pyramid_;
    std::array<int, kPyramidRows + 1> attempts_{};
};

}  // namespace vondrik
