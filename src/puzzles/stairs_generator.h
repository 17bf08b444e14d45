// Builds a stairs puzzle from the dictionary, one stage per step(): a twelve-letter solution
// word for which every row can be filled, then the six rows from the word pool, each holding
// its two staircase letters.
#pragma once

#include <array>
#include <span>

#include "dictionary/dictionary_session.h"
#include "puzzles/candidate_list.h"
#include "puzzles/staged_generator.h"
#include "puzzles/stairs.h"
#include "puzzles/table_scans.h"
#include "ui/random_source.h"

namespace vondrik {

class StairsGenerator : public StagedGenerator {
  public:
    static constexpr int kCompleteStage = kStairsRows + 1;
    // Only the first records of the seven-letter table can become row words.
    static constexpr int kPoolSize = 15000;
    // Stages, nearly all of them solution words drawn in vain, before the generation ends
    // with the message. On the default dictionary most twelve-letter words can be built on
    // and a generation takes 7 or 8 stages; even where only one word in a hundred can, 2000
    // draws all miss it once in half a billion generations.
    static constexpr int kStageLimit = 2000;

    // Draws every random number from random; a caller that wants a puzzle again seeds it the
    // same way before start().
    StairsGenerator(DictionarySession& session, RandomSource& random);

    // Begins a new generation with the solution word; the length tables are read afresh, so
    // the random numbers alone decide the puzzle.
    void start() override;

    // The finished puzzle once the state is Complete.
    const Stairs& stairs() const { return stairs_; }
    // Length tables read by the current or last generation.
    int tableScans() const { return scans_.count(); }

    static QString noStairsMessage();

  private:
    void runStage(int stage) override;
    void discardPuzzle() override;
    QString noPuzzleMessage() const override { return noStairsMessage(); }

    bool fitsRow(int row, const QString& upper) const;
    // Whether the pool holds a word for row 1 to 6 of the solution word drawn.
    bool rowCanBeFilled(int row) const;
    void chooseSolutionWord();
    void fillRow(int row);

    RandomSource& random_;
    TableScans scans_;
    std::span<const TableRow> pool_;
    // The twelve-letter words, collected once per generation however often stage 0 draws.
    CandidateList solutions_;
    CandidateList candidates_;
    Stairs stairs_;
};

}  // namespace vondrik
