// The backup scrambler: known scrambled forms, and the way back for every code-page-1252 code.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "maintenance/scrambler.h"
#include "support/qt_printers.h"
#include "ui/cp1252.h"

namespace vondrik {
namespace {

TEST(ScramblerTest, KnownForms) {
    // A, B, TAB against v, o, m: 0x41^0x76, 0x42^0x6F, 0x09^0x6D.
    EXPECT_EQ(Scramble(u"AB\t", kScrambleKey), "372D64");
    // The sixth character meets the first key character again: f^v = 0x10.
    EXPECT_EQ(Scramble(u"abcdef", kScrambleKey).mid(10), "10");
    // ä is code 228 (0xE4) of the code page: 0xE4^0x76.
    EXPECT_EQ(Scramble(u"ä", kScrambleKey), "92");
    EXPECT_EQ(Scramble(u"", kScrambleKey), "");

    EXPECT_EQ(Unscramble(u"372d64", kScrambleKey), "AB\t");  // lower case is accepted
    EXPECT_EQ(Unscramble(u"372D6", kScrambleKey), "AB");     // an odd last digit is ignored
    EXPECT_EQ(Unscramble(u"37G2", kScrambleKey), std::nullopt);
    EXPECT_EQ(Unscramble(u"3\u01372D", kScrambleKey), std::nullopt);  // not cut to 8 bits
    EXPECT_EQ(unscrambleBytes("372D64", kScrambleKey), "AB\t");
}

TEST(ScramblerTest, EveryCodeComesBack) {
    QByteArray codes;
    for (int byte = 0; byte < 256; ++byte) {
        codes.append(static_cast<char>(byte));
    }
    const QString plain = decodeCp1252(codes);
    ASSERT_EQ(plain.size(), 256);
    // Starting at every key position, so that each code meets each key character.
    for (int shift = 0; shift < kScrambleKey.size(); ++shift) {
        const QString text = plain.mid(shift) + plain.left(shift);
        const QString scrambled = Scramble(text, kScrambleKey);
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^[0-9A-F]{512}$")).match(scrambled).hasMatch());
        EXPECT_EQ(Unscramble(scrambled, kScrambleKey), text);
    }
    // A character the code page lacks is scrambled as '?', a surrogate pair as one.
    EXPECT_EQ(Unscramble(Scramble(u"a\u0142b\U0001F600", kScrambleKey), kScrambleKey), "a?b?");
}

}  // namespace
}  // namespace vondrik
