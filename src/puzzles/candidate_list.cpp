// Candidate texts: building them and taking word and meaning apart again.
#include "puzzles/candidate_list.h"

#include "dictionary/text.h"

namespace vondrik {

QString candidateText(QStringView word, QStringView meaning) {
    QString text;
    text.reserve(word.size() + kCandidateSeparator.size() + meaning.size());
    text.append(word).append(kCandidateSeparator).append(meaning);
    return text;
}

QString candidateWord(const QString& text, int length) {
    return upperKeepLength(text.left(length));
}

QString candidateMeaning(const QString& text, int length) {
    return text.mid(length + kCandidateSeparator.size());
}

int CandidateList::drawAccepted(RandomSource& random,
                                const std::function<bool(const QString&)>& accepts) {
    for (int j = draw(random); j != 0; j = draw(random)) {
        if (accepts(at(j))) {
            return j;
        }
        texts_.removeAt(j - 1);
    }
    return 0;
}

}  // namespace vondrik
