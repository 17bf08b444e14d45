// Drawing the hidden word of the guessing game: a random answer of 8 to 15 letters.
#pragma once

#include <QString>
#include <optional>

namespace vondrik {
class DictionarySession;
class RandomSource;
}  // namespace vondrik

namespace vondrik::game {

inline constexpr int kShortestGameWord = 8;
inline constexpr int kLongestGameWord = 15;

struct DrawnWord {
    QString begriff;
    QString bedeutung;
};

struct WordDraw {
    std::optional<DrawnWord> word;
    QString message;  // without a word: why, in German
};

// True for a word the game can lay out and the keyboard can finish: at most 15 characters
// and at least one of them on a letter button.
bool playable(const QString& begriff);

// Each length 8 to 15 equally likely (k = floor(r * 8 + 1)), then one of its records
// (floor(r * n + 1)), opened through the session so the statement becomes its sql. A length
// with no records, or whose drawn word cannot be played, gives way to a draw among the
// lengths not tried yet; the message says when no length has a word or the engine failed.
WordDraw drawWord(DictionarySession& session, RandomSource& random);

}  // namespace vondrik::game
