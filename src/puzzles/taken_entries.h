// What a puzzle fan would not accept: an answer that stands in a clue of the same puzzle (its
// own or another row's) gives it away, and a word or a clue that comes twice is dull. The
// generators ask these rules before they take an entry.
#pragma once

#include <QString>
#include <span>
#include <vector>

#include "puzzles/candidate_list.h"
#include "ui/random_source.h"

namespace vondrik {

// The entries one puzzle has taken so far. A word stands in a text only as a whole word: not
// as a part of a longer word, but "Al," and "Rio-Grande" count, whatever the case.
class TakenEntries {
  public:
    void add(const QString& upperWord, const QString& meaning);
    // Entries first to last (both included) of a puzzle's words and their meanings.
    void add(std::span<const QString> upperWords, std::span<const QString> meanings, int first,
             int last);

    // Whether the entry may join: its meaning holds neither its own word nor a taken one,
    // no taken meaning holds its word, and neither its word nor its meaning is taken yet.
    bool accepts(const QString& upperWord, const QString& meaning) const;

  private:
    struct Entry {
        QString word;
        QString meaning;  // upper case, blanks around it trimmed
    };
    std::vector<Entry> entries_;
};

// The fair draw among candidates whose words have length letters: only an entry taken
// accepts, every one of them equally likely. 0 when none is acceptable.
int drawUntaken(CandidateList& candidates, RandomSource& random, const TakenEntries& taken,
                int length);

}  // namespace vondrik
