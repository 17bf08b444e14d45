// The LIKE pattern language: wildcards, digits, sets and case-blind letters.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "dictionary/jet_like.h"
#include "dictionary/utf8.h"

namespace vondrik {
namespace {

bool like(const char* pattern, const char* text) {
    return JetPattern(pattern).matches(text);
}

TEST(JetLike, StarMatchesAnyRunIncludingNoneAndBacktracks) {
    EXPECT_TRUE(like("*", ""));
    EXPECT_TRUE(like("*dichter*", "deutscher Dichter und Denker"));
    EXPECT_TRUE(like("a*b*c", "axxbyyc"));
    EXPECT_FALSE(like("a*b*c", "acb"));
    EXPECT_TRUE(like("**x", "x"));
    EXPECT_FALSE(like("*dichter*", "Dichte"));
    // The star backtracks past early partial matches.
    EXPECT_TRUE(like("*ana", "banana"));
    EXPECT_TRUE(like("*aab", "aaab"));
    EXPECT_TRUE(like("*s?e*", "Strasse"));
    EXPECT_FALSE(like("*ana", "bananas"));
}

TEST(JetLike, QuestionMarkIsExactlyOneCharacter) {
    EXPECT_TRUE(like("???r????", "Lehrling"));
    EXPECT_FALSE(like("???r????", "Lehrlinge"));
    EXPECT_TRUE(like("?", "ß"));  // one character, however many bytes
    EXPECT_FALSE(like("?", ""));
}

TEST(JetLike, HashIsOneDigitNeverALetter) {
    EXPECT_TRUE(like("#", "7"));
    EXPECT_FALSE(like("#", "a"));
    EXPECT_FALSE(like("#", "#"));
    EXPECT_TRUE(like("*# Tage*", "Monat mit 31 Tagen"));
}

TEST(JetLike, LettersIgnoreCaseUmlautsIncluded) {
    EXPECT_TRUE(like("e*", "Ei"));
    EXPECT_TRUE(like("öl", "ÖL"));
    EXPECT_TRUE(like("maß", "MAß"));
    EXPECT_FALSE(like("mass", "Maß"));  // ß is a letter of its own, not "ss"
    EXPECT_FALSE(like("ä", "a"));
}

// The Kelvin sign (U+212A) lower-cases to an ASCII "k", the only character beyond ASCII that
// does; after a "*" it must be found like any other "k".
TEST(JetLike, KelvinSignIsAKWhereverItStands) {
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"k", "\u212A", true},
        {"\u212A", "K", true},
        {"*k", "\u212A", true},
        {"*k*", "100 \u212A warm", true},
        {"*kelvin", "\u212Aelvin", true},
        {"*\u212A*", "Eiskalt", true},
        {"*\u212A", "\u212A", true},
        {"*k", "\u212B", false},  // the Angstrom sign folds to "å", not to an ASCII letter
        {"*ö*", "Kelvin", false},
        {"*l*", "Kältemaß \u212A", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(like(c.pattern, c.text), c.matches) << c.pattern << " " << c.text;
    }
}

TEST(JetLike, BracketSetsAndLiteralsInsideThem) {
    EXPECT_TRUE(like("[abc]", "B"));
    EXPECT_FALSE(like("[abc]", "d"));
    EXPECT_TRUE(like("[a-f]*", "Dach"));
    EXPECT_TRUE(like("[!a-f]*", "Haus"));
    EXPECT_FALSE(like("[!a-f]*", "Eis"));
    EXPECT_TRUE(like("[*]", "*"));
    EXPECT_TRUE(like("[ä]", "Ä"));
    EXPECT_TRUE(like("a[", "a["));  // unclosed bracket is a plain character
}

TEST(JetLike, OtherCharactersMatchThemselves) {
    EXPECT_TRUE(like("(ugs.)", "(UGS.)"));
    EXPECT_TRUE(like("%", "%"));  // no SQL wildcards here
    EXPECT_FALSE(like("%", "x"));
    EXPECT_FALSE(like("_", "x"));
}

}  // namespace
}  // namespace vondrik

namespace vondrik {
namespace {

QString decoded(std::string_view utf8) {
    QString out(static_cast<qsizetype>(utf8.size()), QChar());
    out.resize(utf8ToUtf16(utf8, out.data()));
    return out;
}

// ASCII runs are widened several bytes at a time: the cuts of a mixed text put each
// multi-byte character at every place within such a step.
TEST(Utf8, AgreesWithQtOnEveryCutOfAMixedText) {
    const std::string text =
        "Die Straße über den Fluß führt nach Ærø und Ōsaka \xF0\x9F\x98\x80 "
        "ohne Umweg; abcdefghijklmnopqrstuvwxyz ÄÖÜ 0123456789.";
    const auto startsCharacter = [&](size_t at) {
        return at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    };
    for (size_t from = 0; from < 20; ++from) {
        for (size_t to = from; to <= text.size(); ++to) {
            if (!startsCharacter(from) || !startsCharacter(to)) {
                continue;
            }
            const std::string_view part = std::string_view(text).substr(from, to - from);
            ASSERT_EQ(decoded(part), QString::fromUtf8(part.data(), part.size()))
                << from << " " << to;
        }
    }
}

TEST(Utf8, BrokenSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(decoded("a\xC3"), QString("a") + QChar(0xFFFD));
    EXPECT_EQ(decoded("\xFF"
                      "b"),
              QString(QChar(0xFFFD)) + "b");
    EXPECT_EQ(decoded("\xE2\x82x"), QString(QChar(0xFFFD)) + "x");
}

}  // namespace
}  // namespace vondrik
