// A finished puzzle snail: eleven words running clockwise and inwards along a 6 x 6 spiral,
// each starting with the last letter of the one before, and a six-letter solution word on the
// diagonal; the spiral's geometry and the lines the window shows and prints.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vondrik {

inline constexpr int kSnailWords = 11;
inline constexpr int kSnailSide = 6;
inline constexpr int kSnailBoxes = kSnailSide * kSnailSide;

// Index 0 is the solution word, 1 to 11 the spiral words in their order.
inline constexpr std::array<int, kSnailWords + 1> kSnailWordLength = {6, 6, 6, 6, 5, 5,
                                                                      4, 4, 3, 3, 2, 2};
// The box of the first letter of word 1 to 11 (index 0 unused); each word's letters follow
// in box order, and its last box is the first box of the next word.
inline constexpr std::array<int, kSnailWords + 1> kSnailFirstBox = {0,  0,  5,  10, 15, 19,
                                                                    23, 26, 29, 31, 33, 34};
// The boxes of the solution letters 1 to 6, from the upper left to the lower right corner.
inline constexpr std::array<int, kSnailSide> kSnailDiagonalBoxes = {0, 20, 32, 34, 26, 10};

struct GridCell {
    int row;     // 1 (top) to 6
    int column;  // 1 (left) to 6
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Where box 0 to 35 lies in the grid: the spiral starts in the upper left corner and turns
// right, down, left, up, ... inwards.
GridCell snailCell(int box);

struct Snail {
    // Index 0: the solution word; 1 to 11: the spiral words, in upper case with the lengths
    // of kSnailWordLength.
    std::array<QString, kSnailWords + 1> words;
    // The meanings of these words, as stored.
    std::array<QString, kSnailWords + 1> meanings;

    const QString& solutionWord() const { return words[0]; }
    const QString& solutionMeaning() const { return meanings[0]; }

    // The letter of each box, in box order: every word but its last letter, which the next
    // word begins with, and word 11 whole. 36 letters.
    QString spiralText() const;

    // "1.  meaning" to "11.  meaning": the clue list.
    QStringList clueLines() const;
    // "1.  WORD" to "11.  WORD": the solution list.
    QStringList solutionLines() const;
    // The lines below the printed grid: the eleven clues numbered "       1. = " to
    // "      11. = ", then the meaning of the solution word. Never an answer.
    QStringList printLines() const;

    friend bool operator==(const Snail&, const Snail&) = default;
};

}  // namespace vondrik
