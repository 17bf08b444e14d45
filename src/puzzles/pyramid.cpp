// The lines a finished pyramid is shown and printed with.
#include "puzzles/pyramid.h"

namespace vondrik {

QStringList Pyramid::clueLines() const {
    QStringList lines;
    for (int row = 2; row <= kPyramidRows; ++row) {
        lines.append(QString::number(row) + QStringLiteral(".  ") + meanings[row]);
    }
    return lines;
}

QStringList Pyramid::solutionLines() const {
    QStringList lines;
    for (int row = 2; row <= kPyramidRows; ++row) {
        lines.append(QString::number(row) + QStringLiteral(". ") + words[row]);
    }
    return lines;
}

QStringList Pyramid::printLines() const {
    QStringList lines{QStringLiteral("      1. = ") + startLetter()};
    for (int row = 2; row <= kPyramidRows; ++row) {
        lines.append(QStringLiteral("      %1. = ").arg(row) + meanings[row]);
    }
    return lines;
}

}  // namespace vondrik
