// The numbered list of entries a puzzle step chooses from, and the random choice among them.
// Each entry is held as one text: the word, " =====  " and the meaning.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/random_source.h"

namespace vondrik {

// A blank, five equals signs, two blanks: eight characters between word and meaning.
inline constexpr QStringView kCandidateSeparator = u" =====  ";

// The text an entry is held as.
QString candidateText(QStringView word, QStringView meaning);

// The word of a candidate whose word has length letters: its first length characters in
// upper case.
QString candidateWord(const QString& text, int length);

// The meaning of such a candidate: the text behind the word and the separator.
QString candidateMeaning(const QString& text, int length);

class CandidateList {
  public:
    // Starts the list of a new scan. Entries of earlier scans are gone, so they can never be
    // chosen; the list grows as far as a scan needs.
    void clear() { texts_.clear(); }
    void add(QString text) { texts_.append(std::move(text)); }

    int count() const { return static_cast<int>(texts_.size()); }
    // Entry number 1 to count().
    const QString& at(int number) const { return texts_.at(number - 1); }

    // Entry number floor(r * count + 1) for the next random number r; 0, drawing no number,
    // when the list is empty.
    int draw(RandomSource& random) const { return choose(random, count()); }

    // Like draw(), among the entries the test accepts: an entry drawn and refused leaves the
    // list and the draw is repeated, so every acceptable entry stays equally likely. 0 when
    // none is acceptable.
    int drawAccepted(RandomSource& random, const std::function<bool(const QString&)>& accepts);

  private:
    QStringList texts_;
};

}  // namespace vondrik
