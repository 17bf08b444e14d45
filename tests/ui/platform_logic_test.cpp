// The platform layer's small rules: code page 1252, application folder paths, twips, and the
// random numbers with the 1-based choice built on them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "support/qt_printers.h"
#include "ui/app_folder.h"
#include "ui/cp1252.h"
#include "ui/fake_platform.h"
#include "ui/qt_common_dialogs.h"
#include "ui/random_source.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

// The round trip of every byte is tested with the text files.
TEST(Cp1252, MissingCharactersBecomeOneQuestionMarkEach) {
    // Latin A with macron, Greek omega, an emoji (a surrogate pair) and a lone surrogate.
    const QString text = QStringLiteral("a\u0100b\u03A9c") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                         QChar(0xD800) + QStringLiteral("d");
    EXPECT_EQ(encodeCp1252(text), QByteArray("a?b?c??d"));
    // 0x1A is ICU's own stand-in for missing characters; a real one must still pass.
    EXPECT_EQ(encodeCp1252(QStringLiteral("x\x1Ay\ty")), QByteArray("x\x1Ay\ty"));
}

TEST(Twips, FifteenTwipsPerPixelRoundedToTheNearest) {
    const std::pair<int, int> cases[] = {{1440, 96},  {7, 0},   {8, 1},
                                         {4000, 267}, {-8, -1}, {-7, 0}};
    for (const auto& [twips, pixels] : cases) {
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    }
    EXPECT_EQ(pixelsToTwips(640), 9600);
}

TEST(QtFileFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("Bilder|*.jpg;*.bmp|Alle Dateien|*.*"),
              "Bilder (*.jpg *.bmp);;Alle Dateien (*.*)");
    EXPECT_EQ(qtFileFilter("ohne Muster"), "");
}

TEST(Choose, MapsTheUnitIntervalOntoOneToNInEqualShares) {
    for (int n : {1, 7, 65535, 1'000'000'000}) {
        FakeRandom random;
        random.script({0.0, std::nextafter(1.0, 0.0)});
        EXPECT_EQ(choose(random, n), 1) << n;
        EXPECT_EQ(choose(random, n), n) << n;
    }
    FakeRandom random;
    random.script({0.24, 0.25, 0.74, 0.75});
    EXPECT_EQ(
        QList<int>({choose(random, 4), choose(random, 4), choose(random, 4), choose(random, 4)}),
        QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(choose(random, 0), 0);  // nothing to choose from
}

TEST(SeededRandom, TheSeedDecidesTheSequenceAndTheClockAnother) {
    SeededRandom first(42);
    SeededRandom second(42);
    std::set<int> tenths;
    for (int i = 0; i < 10000; ++i) {
        const double r = first.next();
        ASSERT_EQ(r, second.next());
        ASSERT_TRUE(r >= 0.0 && r < 1.0);
        tenths.insert(static_cast<int>(r * 10));
    }
    EXPECT_EQ(tenths.size(), 10u);  // not stuck in a corner
    second.reseed();                // a fixed seed ignores the clock: the sequence goes on
    EXPECT_EQ(second.next(), first.next());

    FakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(8, 0)));
    SeededRandom atEight(clock);
    const double drawn = atEight.next();
    clock.advanceMs(1);
    atEight.reseed();
    EXPECT_NE(atEight.next(), drawn);
}

}  // namespace
}  // namespace vondrik
