// The rules an entry meets before a puzzle takes it.
#include "puzzles/taken_entries.h"

#include "dictionary/text.h"

namespace vondrik {
namespace {

bool isWordCharacter(const QString& text, qsizetype at) {
    return at >= 0 && at < text.size() && text.at(at).isLetterOrNumber();
}

// Upper case with the length kept, so positions found in it are positions in the text.
QString comparable(const QString& meaning) {
    return upperKeepLength(meaning.trimmed());
}

bool holdsWord(const QString& upperText, const QString& upperWord) {
    if (upperWord.isEmpty()) {
        return false;
    }
    for (qsizetype at = upperText.indexOf(upperWord); at >= 0;
         at = upperText.indexOf(upperWord, at + 1)) {
        if (!isWordCharacter(upperText, at - 1) &&
            !isWordCharacter(upperText, at + upperWord.size())) {
            return true;
        }
    }
    return false;
}

}  // namespace

void TakenEntries::add(const QString& upperWord, const QString& meaning) {
    entries_.push_back({upperWord, comparable(meaning)});
}

void TakenEntries::add(std::span<const QString> upperWords, std::span<const QString> meanings,
                       int first, int last) {
    for (int i = first; i <= last; ++i) {
        add(upperWords[i], meanings[i]);
    }
}

bool TakenEntries::accepts(const QString& upperWord, const QString& meaning) const {
    const QString clue = comparable(meaning);
    if (holdsWord(clue, upperWord)) {
        return false;
    }
    for (const Entry& taken : entries_) {
        if (taken.word == upperWord || taken.meaning == clue || holdsWord(clue, taken.word) ||
            holdsWord(taken.meaning, upperWord)) {
            return false;
        }
    }
    return true;
}

int drawUntaken(CandidateList& candidates, RandomSource& random, const TakenEntries& taken,
                int length) {
    return candidates.drawAccepted(random, [&](const QString& text) {
        return taken.accepts(candidateWord(text, length), candidateMeaning(text, length));
    });
}

}  // namespace vondrik
