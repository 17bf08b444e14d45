// The LIKE pattern language (wildcards, digits, sets and case-blind letters) and the UTF-8
// reading under it.
#include <gtest/gtest.h>

#include "dictionary/jet_like.h"
#include "dictionary/utf8.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(JetLike, PatternsMatchAsTheEngineDid) {
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        // "*" is any run, none included, and backtracks past early partial matches.
        {"*", "", true},
        {"*dichter*", "deutscher Dichter und Denker", true},
        {"a*b*c", "acb", false},
        {"*dichter*", "Dichte", false},
        {"*aab", "aaab", true},
        {"*ana", "bananas", false},
        // "?" is exactly one character, however many bytes; "#" one digit.
        {"???r????", "Lehrling", true},
        {"???r????", "Lehrlinge", false},
        {"?", "ß", true},
        {"?", "", false},
        {"#", "7", true},
        {"#", "a", false},
        {"#", "#", false},
        // Letters ignore case, umlauts included; ß is a letter of its own, not "ss".
        {"öl", "ÖL", true},
        {"mass", "Maß", false},
        {"ä", "a", false},
        // The Kelvin sign lower-cases to an ASCII "k", the only character beyond ASCII that
        // does; after a "*" it must be found like any other "k".
        {"k", "\u212A", true},
        {"\u212A", "K", true},
        {"*k", "\u212A", true},
        {"*k*", "100 \u212A warm", true},
        {"*kelvin", "\u212Aelvin", true},
        {"*\u212A*", "Eiskalt", true},
        {"*\u212A", "\u212A", true},
        {"*k", "\u212B", false},
        {"*ö*", "Kelvin", false},
        {"*l*", "Kältemaß \u212A", true},
        // Bracket sets, literals inside them, and other characters as themselves.
        {"[abc]", "B", true},
        {"[a-f]*", "Dach", true},
        {"[!a-f]*", "Haus", true},
        {"[!a-f]*", "Eis", false},
        {"[*]", "*", true},
        {"[ä]", "Ä", true},
        {"a[", "a[", true},
        {"(ugs.)", "(UGS.)", true},
        {"%", "x", false},
        {"_", "x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JetPattern(c.pattern).matches(c.text), c.matches) << c.pattern << " " << c.text;
    }
}

QString decoded(std::string_view utf8) {
    QString out(static_cast<qsizetype>(utf8.size()), QChar());
    out.resize(utf8ToUtf16(utf8, out.data()));
    return out;
}

// ASCII runs are widened several bytes at a time: the cuts of a mixed text put each
// multi-byte character at every place within such a step. Broken sequences become
// replacement characters.
TEST(Utf8, AgreesWithQtOnEveryCutOfAMixedText) {
    const std::string text =
        "Die Straße über den Fluß führt nach Ærø und Ōsaka \xF0\x9F\x98\x80 "
        "ohne Umweg; abcdefghijklmnopqrstuvwxyz ÄÖÜ 0123456789.";
    const auto startsCharacter = [&](size_t at) {
        return at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    };
    for (size_t from = 0; from < 20; ++from) {
        for (size_t to = from; to <= text.size(); ++to) {
            if (startsCharacter(from) && startsCharacter(to)) {
                const std::string_view part = std::string_view(text).substr(from, to - from);
                ASSERT_EQ(decoded(part), QString::fromUtf8(part.data(), part.size()))
                    << from << " " << to;
            }
        }
    }
    EXPECT_EQ(decoded("a\xC3"), QString("a") + QChar(0xFFFD));
    EXPECT_EQ(decoded("\xE2\x82x"), QString(QChar(0xFFFD)) + "x");
}

}  // namespace
}  // namespace vondrik
