// A finished word pyramid: seven rows, the clues of rows 2 to 7, and the lines the window
// shows and prints.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vondrik {

inline constexpr int kPyramidRows = 7;
inline constexpr int kPyramidBoxes = kPyramidRows * (kPyramidRows + 1) / 2;

struct Pyramid {
    // Index 1 to 7 (0 unused): row n's word in upper case, n letters; row 1 is the start
    // letter.
    std::array<QString, kPyramidRows + 1> words;
    // Index 2 to 7: the meaning of row n's word, as stored.
    std::array<QString, kPyramidRows + 1> meanings;

    const QString& startLetter() const { return words[1]; }

    // "2.  meaning" to "7.  meaning": the clue list.
    QStringList clueLines() const;
    // "2. WORD" to "7. WORD": the six solution labels.
    QStringList solutionLines() const;
    // "      1. = " with the start letter, then "      2. = " to "      7. = " with the
    // clues: the sheet never shows an answer.
    QStringList printLines() const;

    friend bool operator==(const Pyramid&, const Pyramid&) = default;
};

// The box of the first letter of row 1 to 7; the row's boxes follow it left to right.
constexpr int firstBoxOfRow(int row) {
    return row * (row - 1) / 2;
}

}  // namespace vondrik
