#include <gtest/gtest.h>

#include <cmath>

#include "turning/SurfaceFinish.h"

using namespace calc;

TEST(SurfaceFinish, ScallopHeightIsTheShopFormula) {
    // h = r - sqrt(r^2 - (f/2)^2).
    for (auto [r, f] : {std::pair{0.25, 0.05}, {0.03125, 0.005}, {0.8, 0.2}, {0.25, 0.5}}) {
        const double published = r - std::sqrt(r * r - f * f / 4);
        EXPECT_NEAR(*PeakHeight(r, f), published, 1e-15) << r << " " << f;
    }
    EXPECT_NEAR(*PeakHeight(0.25, 0.05), 0.00125314, 1e-8);
    EXPECT_NEAR(*PeakHeight(0.25, 0.5), 0.25, 1e-15);  // stepover = diameter: the radius
    EXPECT_EQ(*PeakHeight(0.25, 0), 0.0);
    // Sizes far beyond any cutter stay finite.
    const auto huge = PeakHeight(1e300, 1e300);
    ASSERT_TRUE(huge);
    EXPECT_NEAR(*huge / 1e300, 1 - std::sqrt(0.75), 1e-12);
    EXPECT_FALSE(PeakHeight(0.25, 0.6));
    EXPECT_FALSE(PeakHeight(0, 0.05));
    EXPECT_FALSE(PeakHeight(0.25, -0.05));
}

TEST(SurfaceFinish, TheoreticalRoughness) {
    EXPECT_NEAR(*TheoreticalRoughness(0.25, 0.05), 416.6667, 1e-4);
    EXPECT_NEAR(*TheoreticalRoughness(0.03125, 0.005), 33.3333, 1e-4);
    EXPECT_EQ(*TheoreticalRoughness(0.25, 0), 0.0);
    // A nose radius of 0 divides by nothing; a negative feed has no finish.
    EXPECT_FALSE(TheoreticalRoughness(0, 0.005));
    EXPECT_FALSE(TheoreticalRoughness(0.25, -0.005));
    EXPECT_FALSE(TheoreticalRoughness(1e-300, 1e200));
}
