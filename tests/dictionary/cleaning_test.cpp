// Cleaning variants, result lines and the text helpers.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "dictionary/cleaning.h"
#include "dictionary/storable_text.h"
#include "dictionary/text.h"

namespace vondrik {
namespace {

TEST(Cleaning, EachVariantTreatsApostrophesAndBracketsItsOwnWay) {
    EXPECT_EQ(cleanFreeText("Rock'n'Roll Maß[1] {x}"), "RocknRoll Maß(1) (x)");
    EXPECT_EQ(cleanPattern("a'c[x]{y}''"), "a#c(x)(y)##");
    EXPECT_EQ(cleanLiteral("x'); DELETE FROM zwei; -- [x]"), "x''); DELETE FROM zwei; -- [x]");
    EXPECT_EQ(cleanLiteral(QStringLiteral("a\tb\r\n'")), "ab''");
}

TEST(Cleaning, ControlCharactersAreDroppedByBothVariants) {
    QString pasted = QStringLiteral("Haus\tTür\r\nx'y");
    pasted.append(QChar(0)).append(QChar(0x1F)).append(QChar(0x7F)).append(u'z');
    EXPECT_EQ(cleanFreeText(pasted), "HausTürxyz");
    EXPECT_EQ(cleanPattern(pasted), "HausTürx#yz");

    QString allControls;
    for (char16_t c = 0; c < 0x20; ++c) {
        allControls.append(QChar(c));
    }
    // DEL, the C1 controls (U+0085 is a line end) and the line and paragraph separators,
    // which split rows in lists and become "?" in the code page 1252 logs.
    for (char16_t c : {0x7F, 0x80, 0x85, 0x9F, 0x2028, 0x2029}) {
        allControls.append(QChar(c));
    }
    EXPECT_EQ(cleanFreeText(allControls), "");
    EXPECT_EQ(cleanPattern(allControls), "");
    // Blanks, the tilde and the printable characters above them are ordinary text.
    const QString edges = QStringLiteral(" ~") + QChar(0xA0) + QStringLiteral("ß€") + QChar(0x2027);
    EXPECT_EQ(cleanFreeText(edges), edges);
    EXPECT_EQ(cleanPattern(edges), edges);
}

TEST(StorableText, CharactersOutsideCodePage1252AreSpeltInItOrFound) {
    const struct {
        QString text;
        std::optional<QString> spelt;
    } cases[] = {
        {"Straße, Café, € und µ", "Straße, Café, € und µ"},  // all in the code page
        {"β-Strahlung, Δ-Wert, ς", "beta-Strahlung, Delta-Wert, sigma"},
        {"μ-Meson", "µ-Meson"},  // the Greek mu is the code page's micro sign
        {"Timişoara, Ţara, Brăila, Tokū", "Timisoara, Tara, Braila, Toku"},
        {"Rubel ₽", std::nullopt},
        {QString("Han ") + QChar(0x4E2D), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(codePageSpelling(c.text), c.spelt);
        EXPECT_EQ(firstForeignCharacter(c.text).has_value(), c.spelt != c.text);
    }
    EXPECT_EQ(firstForeignCharacter(u"Rho ρ und π"), "ρ");
}

}  // namespace
}  // namespace vondrik
