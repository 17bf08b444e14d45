// Twips and pixels: 15 twips per pixel on a standard screen, rounding to the nearest.
#include "ui/twips.h"

#include <gtest/gtest.h>

namespace vondrik {
namespace {

TEST(Twips, StandardScreenHasFifteenTwipsPerPixel) {
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(1440), 96);
    EXPECT_EQ(pixelsToTwips(1), 15);
    EXPECT_EQ(pixelsToTwips(640), 9600);
}

TEST(Twips, PixelsRoundToTheNearest) {
    EXPECT_EQ(twipsToPixels(7), 0);       // 0.47
    EXPECT_EQ(twipsToPixels(8), 1);       // 0.53
    EXPECT_EQ(twipsToPixels(4000), 267);  // 266.67
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(twipsToPixels(-7), 0);
}

TEST(Twips, HalvesRoundAwayFromZero) {
    // At 120 dpi a pixel is 12 twips, so 6 twips are exactly half a pixel.
    EXPECT_EQ(twipsToPixels(6, 120), 1);
    EXPECT_EQ(twipsToPixels(-6, 120), -1);
    EXPECT_EQ(twipsToPixels(18, 120), 2);
    EXPECT_EQ(pixelsToTwips(1, 2880), 1);  // half a twip
    EXPECT_EQ(pixelsToTwips(10, 120), 120);
}

TEST(Twips, LargeLayoutsDoNotOverflow) {
    EXPECT_EQ(twipsToPixels(2'000'000'000, 96), 133'333'333);
    EXPECT_EQ(pixelsToTwips(100'000'000, 96), 1'500'000'000);
}

}  // namespace
}  // namespace vondrik
