// Twips and pixels: 15 twips per pixel on a standard screen, rounding to the nearest.
#include "ui/twips.h"

#include <gtest/gtest.h>

namespace vondrik {
namespace {

TEST(Twips, FifteenTwipsPerPixelRoundedToTheNearest) {
    EXPECT_EQ(twipsToPixels(1440), 96);
    EXPECT_EQ(pixelsToTwips(640), 9600);
    EXPECT_EQ(twipsToPixels(7), 0);       // 0.47
    EXPECT_EQ(twipsToPixels(8), 1);       // 0.53
    EXPECT_EQ(twipsToPixels(4000), 267);  // 266.67
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(twipsToPixels(-7), 0);
}

}  // namespace
}  // namespace vondrik
