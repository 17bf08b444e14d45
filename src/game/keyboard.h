// The game's on-screen keyboard: 26 letter buttons in QWERTZ order.
#pragma once

#include <QChar>

namespace vondrik::game {

inline constexpr int kLetterButtons = 26;

// The caption of letter button 0..25 (Q W E R T Z U I O P A S D F G H J K L Y X C V B N M).
QChar buttonLetter(int button);

// The button that guesses this character of a word in either case, or -1 when the keyboard
// has none for it: umlauts, "ß", hyphens, blanks, digits.
int buttonFor(QChar c);

}  // namespace vondrik::game
