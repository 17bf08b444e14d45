// The letter-by-letter check of the snail and the stairs.
#include "puzzles/letter_boxes.h"

namespace vondrik {

void LetterBoxes::reset(const QString& answer) {
    answer_ = answer;
    isRight_.assign(static_cast<std::size_t>(answer.size()), false);
    right_ = 0;
}

bool LetterBoxes::check(int box, const QString& upperText) {
    if (box < 0 || box >= answer_.size()) {
        return false;
    }
    const bool right = upperText.size() == 1 && upperText.front() == answer_.at(box);
    if (right != isRight_[box]) {
        isRight_[box] = right;
        right_ += right ? 1 : -1;
    }
    return right;
}

bool LetterBoxes::isRight(int box) const {
    return box >= 0 && box < answer_.size() && isRight_[box];
}

QString letterPuzzleSolvedMessage(bool solutionShown) {
    return solutionShown ? QStringLiteral(
                               "Prima Sie haben das Rätsel komplett gelöst, das nächste mal "
                               "versuchen Sie das einmal ohne sich die Lösung anzeigen zu lassen!")
                         : QStringLiteral("Prima Sie haben das Rätsel komplett gelöst !");
}

}  // namespace vondrik
