// The stairs grid, its arrow keys and the lines a stairs puzzle is shown and printed with.
#include "puzzles/stairs.h"

namespace vondrik {

std::optional<int> arrowTarget(int box, Arrow arrow) {
    switch (arrow) {
        case Arrow::Left:
            return box > 0 ? std::optional(box - 1) : std::nullopt;
        case Arrow::Right:
            return box < kStairsBoxes - 1 ? std::optional(box + 1) : std::nullopt;
        case Arrow::Up:
            return box >= kStairsColumns ? std::optional(box - kStairsColumns) : std::nullopt;
        case Arrow::Down:
            return box < kStairsBoxes - kStairsColumns ? std::optional(box + kStairsColumns)
                                                       : std::nullopt;
    }
    return std::nullopt;
}

QString Stairs::gridText() const {
    QString text;
    for (int row = 1; row <= kStairsRows; ++row) {
        text += rowWord(row);
    }
    return text;
}

QString Stairs::staircase() const {
    QString letters;
    for (int row = 1; row <= kStairsRows; ++row) {
        letters += rowWord(row).mid(row - 1, 2);
    }
    return letters;
}

QStringList Stairs::clueLines() const {
    QStringList lines;
    for (int row = 1; row <= kStairsRows; ++row) {
        lines.append(QString::number(row) + QStringLiteral(".  ") + rowMeaning(row));
    }
    return lines;
}

QStringList Stairs::solutionLines() const {
    QStringList lines;
    for (int row = 1; row <= kStairsRows; ++row) {
        lines.append(QString::number(row) + QStringLiteral(".  ") + rowWord(row));
    }
    lines.append(QStringLiteral("Lösungswort: ") + solutionWord());
    return lines;
}

QStringList Stairs::printLines() const {
    QStringList lines;
    for (int row = 1; row <= kStairsRows; ++row) {
        lines.append(QStringLiteral("%1. = ").arg(row, 8) + rowMeaning(row));
    }
    lines.append(QStringLiteral("     "));
    lines.append(QStringLiteral("      Die Buchstaben der Treppe nennen abwärts gelesen: "));
    lines.append(QStringLiteral("      ") + solutionMeaning());
    return lines;
}

}  // namespace vondrik
