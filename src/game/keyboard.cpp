// Letters of the game's keyboard.
#include "game/keyboard.h"

namespace vondrik::game {
namespace {

constexpr char kLayout[] = "QWERTZUIOPASDFGHJKLYXCVBNM";

}  // namespace

QChar buttonLetter(int button) {
    return button >= 0 && button < kLetterButtons ? QChar(kLayout[button]) : QChar();
}

int buttonFor(QChar c) {
    // Only A to Z have buttons; checking the code directly also keeps characters such as the
    // dotless i, whose capital would be "I", away from the "I" button.
    char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z') {
        u = static_cast<char16_t>(u - u'a' + u'A');
    }
    if (u < u'A' || u > u'Z') {
        return -1;
    }
    for (int i = 0; i < kLetterButtons; ++i) {
        if (kLayout[i] == u) {
            return i;
        }
    }
    return -1;
}

}  // namespace vondrik::game
