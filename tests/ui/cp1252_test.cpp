// Code page 1252: every byte survives a round trip, missing characters become '?'.
#include "ui/cp1252.h"

#include <gtest/gtest.h>

namespace vondrik {
namespace {

QByteArray allBytes() {
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i) {
        bytes[i] = static_cast<char>(i);
    }
    return bytes;
}

TEST(Cp1252, EveryByteDecodesToOneCharacterAndEncodesBack) {
    const QString text = decodeCp1252(allBytes());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeCp1252(text), allBytes());
}

TEST(Cp1252, GermanTextIsOneBytePerLetter) {
    EXPECT_EQ(encodeCp1252(u"Straße Ölkännchen €"), QByteArray("Stra\xDF"
                                                               "e \xD6lk\xE4nnchen \x80"));
}

TEST(Cp1252, MissingCharactersBecomeOneQuestionMarkEach) {
    // Latin A with macron, Greek omega, an emoji (a surrogate pair) and a lone surrogate.
    const QString text = QStringLiteral("a\u0100b\u03A9c") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                         QChar(0xD800) + QStringLiteral("d");
    EXPECT_EQ(encodeCp1252(text), QByteArray("a?b?c??d"));
}

TEST(Cp1252, ControlCharactersOfTheCodePageStayThemselves) {
    // 0x1A is ICU's own stand-in for missing characters; a real one must still pass.
    EXPECT_EQ(encodeCp1252(QStringLiteral("x\x1Ay\ty")), QByteArray("x\x1Ay\ty"));
}

}  // namespace
}  // namespace vondrik
