// The platform layer's small rules: code page 1252, twips, file filters, the random numbers with
// the 1-based choice built on them, and window scaling, where every control's place, size and
// font follow the window's new width.
#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>
#include <set>

#include "support/qt_printers.h"
#include "ui/cp1252.h"
#include "ui/fake_platform.h"
#include "ui/qt_common_dialogs.h"
#include "ui/random_source.h"
#include "ui/twips.h"
#include "ui/widgets/size_form.h"

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

TEST(SizeForm, DoublingTheWidthDoublesEveryControlAndFontOnce) {
    QWidget window;
    window.resize(400, 300);
    auto* frame = new QWidget(&window);
    frame->setGeometry(100, 150, 200, 100);
    QFont frameFont = frame->font();
    frameFont.setPointSizeF(8);
    frame->setFont(frameFont);
    auto* inner = new QLabel("x", frame);  // inherits the frame's font
    inner->setGeometry(5, 6, 40, 20);

    const int borderX = window.frameGeometry().width() - window.width();
    EXPECT_DOUBLE_EQ(modSizeForm(window, window, 2 * 400 + borderX), 2.0);
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(frame->geometry(), QRect(200, 300, 400, 200));
    EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 16);
    EXPECT_EQ(inner->geometry(), QRect(10, 12, 80, 40));
    EXPECT_DOUBLE_EQ(inner->font().pointSizeF(), 16);  // scaled once, not twice
}

// The main window's designed client area is 1000 x 685 under a menu bar; it must fit every
// common screen whole, scaled evenly, and fill it in the tighter direction.
TEST(SizeForm, FitsTheTighterDirectionOfEveryScreen) {
    const QSize client(1000, 685);
    const QSize border(0, 30);
    for (const QSize screen : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080),
                               QSize(2560, 1440), QSize(3840, 2160), QSize(1280, 1024)}) {
        const double f = fittingFactor(client, border, screen);
        const int width = int(client.width() * f) + border.width();
        const int height = int(client.height() * f) + border.height();
        EXPECT_LE(width, screen.width()) << screen.width();
        EXPECT_LE(height, screen.height()) << screen.width();
        EXPECT_TRUE(width >= screen.width() - 1 || height >= screen.height() - 1)
            << screen.width() << "x" << screen.height();
    }
}

}  // namespace
}  // namespace vondrik
