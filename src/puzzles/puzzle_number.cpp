// Drawing and reading puzzle numbers.
#include "puzzles/puzzle_number.h"

namespace vondrik {

int drawPuzzleNumber(RandomSource& random) {
    return choose(random, kHighestPuzzleNumber);
}

std::optional<int> parsePuzzleNumber(QStringView text) {
    const QStringView digits = text.trimmed();
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    int number = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        number = number * 10 + (c.unicode() - u'0');
        if (number > kHighestPuzzleNumber) {
            return std::nullopt;
        }
    }
    if (number < 1) {
        return std::nullopt;
    }
    return number;
}

QString puzzleNumberMessage() {
    return QStringLiteral("Bitte geben Sie als Rätsel-Nr. eine ganze Zahl von 1 bis %1 ein.")
        .arg(kHighestPuzzleNumber);
}

}  // namespace vondrik
