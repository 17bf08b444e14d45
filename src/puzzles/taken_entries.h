// What a puzzle fan would not accept: an answer that stands in a clue of the same puzzle (its
// own or another row's) gives it away, and a word or a clue that comes twice is dull. The
// generators ask these rules before they take an entry.
#pragma once

#include <QString>
#include <vector>

namespace vondrik {

// Whether word (in upper case) stands in text as a whole word, whatever the case of text:
// not as a part of a longer word, but "Al," and "Rio-Grande" count.
bool containsWholeWord(const QString& text, const QString& upperWord);

// The entries one puzzle has taken so far.
class TakenEntries {
  public:
    void add(const QString& upperWord, const QString& meaning);

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

}  // namespace vondrik
