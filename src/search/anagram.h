// The anagram solver's rules: what the input dialog accepts, the letter table built from the
// typed letters, and which words that table covers.
#pragma once

#include <QString>
#include <array>

namespace vondrik {

// The dialog's verdict on its text.
enum class AnagramVerdict {
    Empty,     // the box is empty: nothing happens but the focus
    TooShort,  // fewer than two characters after trimming: nothing happens
    TooLong,   // more characters than the longest length table holds
    Ready,     // letters go to the main window's search
};

struct AnagramInput {
    AnagramVerdict verdict = AnagramVerdict::Empty;
    QString letters;  // the trimmed text handed over when Ready
};

// The dialog's start: `text` is rewritten in place (an apostrophe becomes the unknown marker
// "#", brackets and braces become parentheses), then trimmed and judged by its length.
AnagramInput prepareAnagramInput(QString& text);

// The distinct letters "a" to "z" of a lower-case input with how often each occurs, in
// alphabetical order. Every other character of the input only adds to its length and so
// stands for one unknown letter.
class LetterTable {
  public:
    struct Entry {
        char16_t letter;
        int count;
    };

    LetterTable() = default;
    explicit LetterTable(QStringView letters);

    // Index of the last filled entry; -1 when no letter "a" to "z" was typed.
    int last() const { return last_; }
    const Entry& entry(int index) const { return entries_[index]; }

    // True when `word` holds every letter of the table at least as often as typed. Capitals
    // in the word count as their small letters; umlauts and "ß" match no entry.
    bool coveredBy(QStringView word) const;

  private:
    std::array<Entry, 26> entries_{};
    int last_ = -1;
};

}  // namespace vondrik
