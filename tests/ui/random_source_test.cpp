// Random numbers: reproducible sequences in [0, 1) and the 1-based choice.
#include "ui/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "ui/fake_platform.h"

namespace vondrik {
namespace {

std::vector<double> draw(RandomSource& random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.next());
    }
    return values;
}

TEST(Choose, MapsTheUnitIntervalOntoOneToNInEqualShares) {
    const double justBelowOne = std::nextafter(1.0, 0.0);
    for (int n : {1, 2, 3, 7, 10, 1000, 65535, 1'000'000'000}) {
        FakeRandom random;
        random.script({0.0, justBelowOne});
        EXPECT_EQ(choose(random, n), 1) << n;
        EXPECT_EQ(choose(random, n), n) << n;
    }
    FakeRandom random;
    random.script({0.24, 0.25, 0.5, 0.74, 0.75});
    std::vector<int> items;
    for (int i = 0; i < 5; ++i) {
        items.push_back(choose(random, 4));
    }
    EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 3, 4}));
    // Nothing to choose from.
    EXPECT_EQ(choose(random, 0), 0);
    EXPECT_EQ(choose(random, -3), 0);
}

TEST(SeededRandom, SeedDecidesTheSequenceWhichSpreadsOverTheUnitInterval) {
    SeededRandom first(42);
    SeededRandom second(42);
    const std::vector<double> values = draw(first, 10000);
    EXPECT_EQ(values, draw(second, 10000));
    std::set<int> tenths;
    for (double r : values) {
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        tenths.insert(static_cast<int>(r * 10));
    }
    EXPECT_EQ(tenths.size(), 10u);  // not stuck in a corner

    second.seed(42);
    EXPECT_EQ(draw(second, 20), std::vector<double>(values.begin(), values.begin() + 20));
    second.reseed();  // a fixed seed ignores the clock: the sequence goes on
    EXPECT_EQ(draw(second, 20), std::vector<double>(values.begin() + 20, values.begin() + 40));
}

TEST(SeededRandom, ClockSeededFollowsTheClock) {
    FakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(8, 0)));
    SeededRandom first(clock);
    SeededRandom second(clock);
    const std::vector<double> atEight = draw(first, 20);
    EXPECT_EQ(draw(second, 20), atEight);

    clock.advanceMs(1);
    second.reseed();
    EXPECT_NE(draw(second, 20), atEight);
}

}  // namespace
}  // namespace vondrik
