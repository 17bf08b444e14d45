// Input rules and letter counting of the anagram solver.
#include "search/anagram.h"

#include "dictionary/cleaning.h"
#include "dictionary/length_tables.h"
#include "dictionary/text.h"

namespace vondrik {
namespace {

constexpr int kAlphabet = 26;

// Position of a character in "a".."z" after lower-casing, or -1.
int letterIndex(QChar c) {
    char16_t u = c.unicode();
    if (u >= 0x80) {
        // A few other characters lower-case into the alphabet (the Kelvin sign into "k").
        u = c.toLower().unicode();
    } else if (u >= 'A' && u <= 'Z') {
        u = char16_t(u + ('a' - 'A'));
    }
    return u >= 'a' && u <= 'z' ? u - 'a' : -1;
}

}  // namespace

AnagramInput prepareAnagramInput(QString& text) {
    AnagramInput input;
    if (text.isEmpty()) {
        return input;
    }
    text = cleanPattern(text);
    input.letters = trimBlanks(text);
    if (input.letters.size() < kShortestWord) {
        input.verdict = AnagramVerdict::TooShort;
    } else if (input.letters.size() > kLongestWord) {
        input.verdict = AnagramVerdict::TooLong;
    } else {
        input.verdict = AnagramVerdict::Ready;
    }
    return input;
}

LetterTable::LetterTable(QStringView letters) {
    std::array<int, kAlphabet> counts{};
    for (const QChar c : letters) {
        // Only the small letters count: the caller lower-cases the input first.
        if (c >= u'a' && c <= u'z') {
            ++counts[c.unicode() - u'a'];
        }
    }
    for (int i = 0; i < kAlphabet; ++i) {
        if (counts[i] > 0) {
            entries_[++last_] = Entry{char16_t(u'a' + i), counts[i]};
        }
    }
}

bool LetterTable::coveredBy(QStringView word) const {
    if (last_ < 0) {
        return true;
    }
    std::array<int, kAlphabet> counts{};
    for (const QChar c : word) {
        const int index = letterIndex(c);
        if (index >= 0) {
            ++counts[index];
        }
    }
    for (int i = 0; i <= last_; ++i) {
        if (counts[entries_[i].letter - u'a'] < entries_[i].count) {
            return false;
        }
    }
    return true;
}

}  // namespace vondrik
