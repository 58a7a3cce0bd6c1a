#include <gtest/gtest.h>

#include <set>

#include "platform/Random.h"

namespace tessora {
namespace {

TEST(ScriptedRandom, ReturnsItsValuesInOrderAndStartsOverAfterTheLast) {
    ScriptedRandom random({0.25, 0.7, 0.0});
    const double expected[] = {0.25, 0.7, 0.0, 0.25, 0.7};
    for (double value : expected) {
        random.Randomize();  // re-seeding must not disturb the script
        EXPECT_EQ(random.Rnd(), value);
    }
    EXPECT_EQ(random.draws(), 5u);
}

TEST(ScriptedRandom, AnEmptyScriptDrawsZero) {
    ScriptedRandom random({});
    EXPECT_EQ(random.Rnd(), 0.0);
    EXPECT_EQ(random.Rnd(), 0.0);
}

TEST(ClockRandom, DrawsStayInTheHalfOpenUnitInterval) {
    ClockRandom random;
    for (int i = 0; i < 10000; ++i) {
        random.Randomize();
        const double r = random.Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

// The game re-seeds before every draw, often many times within one tick of the clock; draws
// within the same microsecond must still differ rather than repeat the first seed's value.
TEST(ClockRandom, DrawsWithinOneMicrosecondStillDiffer) {
    ClockRandom random([] { return std::uint64_t{45'296'000'017}; });
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        random.Randomize();
        seen.insert(random.Rnd());
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(ClockRandom, TheCoinOfTheComputerPlayerFallsBothWays) {
    ClockRandom random;
    int coins[3] = {0, 0, 0};
    for (int i = 0; i < 1000; ++i) {
        random.Randomize();
        const int coin = static_cast<int>(2 * random.Rnd() + 1);
        ASSERT_TRUE(coin == 1 || coin == 2);
        ++coins[coin];
    }
    EXPECT_GT(coins[1], 350);
    EXPECT_GT(coins[2], 350);
}

}  // namespace
}  // namespace tessora
