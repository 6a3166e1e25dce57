#include <gtest/gtest.h>

#include <cmath>

#include "turning/Keyseat.h"

using namespace calc;

TEST(Keyseat, ChordHeightIsTheSegmentHeight) {
    // Chordal height of a chord W in a circle S: (S - sqrt(S^2 - W^2)) / 2.
    for (auto [w, s] : {std::pair{0.25, 1.0}, {8.0, 30.0}, {0.999, 1.0}, {1e-6, 1.0}}) {
        const double published = (s - std::sqrt(s * s - w * w)) / 2;
        EXPECT_NEAR(*ChordHeight(w, s), published, 1e-12 * s) << w << " " << s;
    }
    // Small chords keep their digits: W^2 / 4S to first order.
    EXPECT_NEAR(*ChordHeight(1e-6, 1.0) / (1e-12 / 4), 1.0, 1e-9);
    // Far beyond any shaft, still a finite answer.
    const auto huge = ChordHeight(1e300, 1.5e300);
    ASSERT_TRUE(huge);
    EXPECT_NEAR(*huge / 1e300, (1.5 - std::sqrt(1.5 * 1.5 - 1)) / 2, 1e-12);
    EXPECT_FALSE(ChordHeight(2, 1));
}

TEST(Keyseat, TheSevenDimensions) {
    struct Case {
        double w, h, s;
        double d, g, e, b, a, f, c;
    } cases[] = {
        {0.25, 0.25, 1, 0.0159, 0.125, 0.1409, 0.8591, 1.1091, 0.1091, 0.125},
        {8, 7, 30, 0.5432, 3.5, 4.0432, 25.9568, 32.9568, 2.9568, 3.5},
    };
    for (const Case& c : cases) {
        const KeyseatSolution s = SolveKeyseat(c.w, c.h, c.s);
        ASSERT_EQ(s.status, KeyseatStatus::Solved);
        EXPECT_NEAR(s.result.chordHeight, c.d, 5e-5);
        EXPECT_NEAR(s.result.totalHubDepth, c.g, 5e-5);
        EXPECT_NEAR(s.result.totalKeyDepth, c.e, 5e-5);
        EXPECT_NEAR(s.result.seatBottom, c.b, 5e-5);
        EXPECT_NEAR(s.result.totalHeight, c.a, 5e-5);
        EXPECT_NEAR(s.result.hubKeyDepth, c.f, 5e-5);
        EXPECT_NEAR(s.result.shaftKeyDepth, c.c, 5e-5);
    }
}

TEST(Keyseat, RefusedData) {
    EXPECT_EQ(SolveKeyseat(0, 0.25, 1).status, KeyseatStatus::NotEnoughData);
    EXPECT_EQ(SolveKeyseat(0.25, -1, 1).status, KeyseatStatus::NotEnoughData);
    EXPECT_EQ(SolveKeyseat(1, 0.25, 1).status, KeyseatStatus::BiggerThanShaft);
    EXPECT_EQ(SolveKeyseat(0.25, 1, 1).status, KeyseatStatus::BiggerThanShaft);
    EXPECT_EQ(SolveKeyseat(1e300, 1e300, 1.7e308).status, KeyseatStatus::NotCalculable);
}
