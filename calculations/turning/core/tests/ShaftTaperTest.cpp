#include <gtest/gtest.h>

#include <cmath>

#include "turning/ShaftTaper.h"

using namespace calc;

namespace {
constexpr double kDeg = 180.0 / 3.14159265358979323846;
}

TEST(ShaftTaper, TaperPerFootAndItsAnglesAgreeWithTheShopFormulas) {
    // D 2, d 1, L 6: 12 (D - d) / L = 2 per foot; tan a = (D - d) / 2L.
    EXPECT_NEAR(*TaperPerFoot(2, 1, 6), 2.0, 1e-12);
    EXPECT_NEAR(AngleFromTaperPerFoot(2.0), std::atan(1.0 / 12.0) * kDeg, 1e-9);
    EXPECT_NEAR(AngleFromTaperPerFoot(2.0), 4.7636, 5e-5);
    EXPECT_NEAR(*AngleFromDimensions(2, 1, 6), AngleFromTaperPerFoot(2.0), 1e-9);
    // The three dimensions back from the taper.
    EXPECT_NEAR(*LengthFromTaperPerFoot(2, 1, 2), 6.0, 1e-12);
    EXPECT_NEAR(LargeFromTaperPerFoot(6, 1, 2), 2.0, 1e-12);
    EXPECT_NEAR(SmallFromTaperPerFoot(2, 6, 2), 1.0, 1e-12);
    // Angle per side 45: 24 per foot, ratio 1:0.5.
    EXPECT_NEAR(*TaperPerFootFromAngle(45), 24.0, 1e-9);
    EXPECT_NEAR(*MetricRatioFromAngle(45), 0.5, 1e-9);
}

TEST(ShaftTaper, MetricRatioHalfAngleIsAtanOfOneOverTwoX) {
    EXPECT_NEAR(*MetricRatio(50, 40, 200), 20.0, 1e-12);
    EXPECT_NEAR(AngleFromMetricTaper(1.0 / 20.0), std::atan(1.0 / 40.0) * kDeg, 1e-9);
    EXPECT_NEAR(AngleFromMetricTaper(1.0 / 20.0), 1.4321, 5e-5);
    const double a = AngleFromMetricTaper(1.0 / 20.0);
    EXPECT_NEAR(*LengthFromAngle(50, 40, a), 200.0, 1e-9);
    EXPECT_NEAR(*LargeFromAngle(200, 40, a), 50.0, 1e-9);
    EXPECT_NEAR(*SmallFromAngle(50, 200, a), 40.0, 1e-9);
    // The ratio from an angle is computed once: 20 degrees gives tan 70 / 2 = 1.3737.
    EXPECT_NEAR(*MetricRatioFromAngle(20), std::tan(70 / kDeg) / 2, 1e-9);
    EXPECT_NEAR(*MetricRatioFromAngle(20), 1.3737, 5e-5);
    // Between the two ways of writing it: 0.6 per foot is 1:20.
    EXPECT_NEAR(*RatioFromTaperPerFoot(0.6), 20.0, 1e-12);
    EXPECT_NEAR(*TaperPerFootFromRatio(20.0), 0.6, 1e-12);
}

TEST(ShaftTaper, NoTaperAndSquareAnglesHaveNoAnswer) {
    EXPECT_FALSE(TaperPerFoot(2, 2, 6));
    EXPECT_FALSE(MetricRatio(40, 40, 200));
    EXPECT_FALSE(TaperPerFoot(2, 1, 0));
    EXPECT_FALSE(LengthFromTaperPerFoot(2, 1, 0));
    for (double a : {0.0, 90.0, 120.0, -5.0}) {
        EXPECT_FALSE(TaperPerFootFromAngle(a)) << a;
        EXPECT_FALSE(MetricRatioFromAngle(a)) << a;
        EXPECT_FALSE(LengthFromAngle(50, 40, a)) << a;
        EXPECT_FALSE(LargeFromAngle(200, 40, a)) << a;
        EXPECT_FALSE(SmallFromAngle(50, 200, a)) << a;
    }
    EXPECT_FALSE(RatioFromTaperPerFoot(0));
    EXPECT_FALSE(TaperPerFootFromRatio(0));
    EXPECT_FALSE(AngleFromDimensions(2, 1, 0));
    // Just under 90 degrees is a (very steep) taper.
    EXPECT_TRUE(TaperPerFootFromAngle(89.9));
}
