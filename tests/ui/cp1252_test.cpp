// Code page 1252: characters it lacks become '?'; its own control characters pass.
// The round trip of every byte is tested with the text files.
#include "ui/cp1252.h"

#include <gtest/gtest.h>

namespace vondrik {
namespace {

TEST(Cp1252, MissingCharactersBecomeOneQuestionMarkEach) {
    // Latin A with macron, Greek omega, an emoji (a surrogate pair) and a lone surrogate.
    const QString text = QStringLiteral("a\u0100b\u03A9c") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                         QChar(0xD800) + QStringLiteral("d");
    EXPECT_EQ(encodeCp1252(text), QByteArray("a?b?c??d"));
    // 0x1A is ICU's own stand-in for missing characters; a real one must still pass.
    EXPECT_EQ(encodeCp1252(QStringLiteral("x\x1Ay\ty")), QByteArray("x\x1Ay\ty"));
}

}  // namespace
}  // namespace vondrik
