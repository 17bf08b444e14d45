// The spiral's geometry and the lines a finished snail is shown and printed with.
#include "puzzles/snail.h"

namespace vondrik {

namespace {

// Walks the spiral once: word n runs in direction n (right, down, left, up, right, ...).
constexpr std::array<GridCell, kSnailBoxes> walkSpiral() {
    constexpr int kRowStep[4] = {0, 1, 0, -1};
    constexpr int kColumnStep[4] = {1, 0, -1, 0};
    std::array<GridCell, kSnailBoxes> cells{};
    GridCell at{1, 1};
    cells[0] = at;
    int box = 0;
    for (int word = 1; word <= kSnailWords; ++word) {
        const int direction = (word - 1) % 4;
        for (int letter = 2; letter <= kSnailWordLength[word]; ++letter) {
            at.row += kRowStep[direction];
            at.column += kColumnStep[direction];
            cells[++box] = at;
        }
    }
    return cells;
}

constexpr std::array<GridCell, kSnailBoxes> kCells = walkSpiral();

QString numbered(int n, const QString& text) {
    return QString::number(n) + QStringLiteral(".  ") + text;
}

}  // namespace

GridCell snailCell(int box) {
    return kCells.at(box);
}

QString Snail::spiralText() const {
    QString text;
    for (int n = 1; n < kSnailWords; ++n) {
        text += words[n].left(words[n].size() - 1);
    }
    return text + words[kSnailWords];
}

QStringList Snail::clueLines() const {
    QStringList lines;
    for (int n = 1; n <= kSnailWords; ++n) {
        lines.append(numbered(n, meanings[n]));
    }
    return lines;
}

QStringList Snail::solutionLines() const {
    QStringList lines;
    for (int n = 1; n <= kSnailWords; ++n) {
        lines.append(numbered(n, words[n]));
    }
    return lines;
}

QStringList Snail::printLines() const {
    QStringList lines;
    for (int n = 1; n <= kSnailWords; ++n) {
        // The numbers are right-aligned so that the full stops stand one below the other.
        lines.append(QStringLiteral("%1. = ").arg(n, 8) + meanings[n]);
    }
    lines.append(QStringLiteral("     "));
    lines.append(QStringLiteral("      Bedeutung des Lösungsworts: ") + solutionMeaning());
    return lines;
}

}  // namespace vondrik
