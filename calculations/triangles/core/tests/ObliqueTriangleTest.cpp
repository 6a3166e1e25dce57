#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/Numeric.h"
#include "triangles/ObliqueTriangle.h"

namespace calc {
namespace {

std::string Shown(double v) {
    return FormatResult(v, 4);
}

TEST(ObliqueTriangle, EachArrangementOnItsKnownCase) {
    // One side and two angles.
    auto t = SideAangleAangleB(10, 40, 60);
    ASSERT_TRUE(t);
    EXPECT_EQ(Shown(t->b), "13.473");
    EXPECT_EQ(Shown(t->C), "80.0");
    EXPECT_EQ(Shown(t->c), "15.3209");
    // Two sides and the included angle.
    t = SideAsideBangleC(3, 4, 90);
    ASSERT_TRUE(t);
    EXPECT_EQ(Shown(t->c), "5.0");
    EXPECT_EQ(Shown(t->A), "36.8699");
    EXPECT_EQ(Shown(t->B), "53.1301");
    EXPECT_EQ(Shown(HeronArea(t->a, t->b, t->c)), "6.0");
    // All sides, with an obtuse B.
    t = ThreeSides(3, 5, 3);
    ASSERT_TRUE(t);
    EXPECT_EQ(Shown(t->A), "33.5573");
    EXPECT_EQ(Shown(t->B), "112.8854");
    EXPECT_EQ(Shown(t->C), "33.5573");
    // Two sides and the opposite angle: the acute B.
    t = SideAsideBangleA(6, 8, 40);
    ASSERT_TRUE(t);
    EXPECT_EQ(Shown(t->B), "58.987");
    EXPECT_EQ(Shown(t->C), "81.013");
    EXPECT_EQ(Shown(t->c), "9.2198");
}

TEST(ObliqueTriangle, ValuesThatMakeNoTriangle) {
    EXPECT_FALSE(ThreeSides(1, 1, 5));             // one side longer than the others
    EXPECT_FALSE(ThreeSides(1, 1, 2));             // flat: not A = 0, B = 0, C = 180
    EXPECT_FALSE(ThreeSides(0.1, 0.2, 0.3));       // flat after rounding too
    EXPECT_FALSE(SideAsideBangleA(5, 5.05, 100));  // obtuse A opposite the shorter side
    EXPECT_FALSE(SideAsideBangleA(5, 20, 40));     // b sin A / a beyond 1
    EXPECT_FALSE(SideAsideBangleC(1, 1, 0));       // c comes out 0
    EXPECT_TRUE(ThreeSides(1, 1, 1.999999));       // thin but real
    // b sin A = a: the right angle at B is a triangle.
    const auto right = SideAsideBangleA(5, 10, 30);
    ASSERT_TRUE(right);
    EXPECT_EQ(Shown(right->B), "90.0");
    EXPECT_EQ(Shown(right->C), "60.0");
}

TEST(ObliqueTriangle, HeronAreaNeverFails) {
    EXPECT_EQ(HeronArea(3, 4, 5), 6);
    EXPECT_EQ(HeronArea(1, 1, 5), 0);  // negative product under the root
    EXPECT_EQ(HeronArea(0, 0, 0), 0);
    EXPECT_EQ(HeronArea(76.2, 0, 0), 0);
    EXPECT_FALSE(std::isnan(HeronArea(1, 2, 10)));
}

TEST(ObliqueTriangle, AlternateAnswerOfTheAmbiguousCase) {
    // The screen passes B as shown (58.987).
    const AlternateOblique alt = AlternateAnswer(6, 40, 58.987);
    EXPECT_EQ(Shown(alt.B), "121.013");
    EXPECT_EQ(Shown(alt.C), "18.987");
    EXPECT_EQ(Shown(alt.c), "3.037");
    EXPECT_TRUE(HasAlternateAnswer(6, 40, 58.987));
    // a = 10, b = 8, A = 40: A is not smaller than B, one triangle only.
    const auto single = SideAsideBangleA(10, 8, 40);
    ASSERT_TRUE(single);
    EXPECT_FALSE(HasAlternateAnswer(10, 40, single->B));
    EXPECT_FALSE(HasAlternateAnswer(5, 30, 90));  // right angle: the two solutions coincide
    EXPECT_FALSE(HasAlternateAnswer(0, 0, 0));    // a reset screen
}

// Triangles from random corner coordinates: every arrangement solved from three of
// their values gives back the other three.
TEST(ObliqueTriangle, RandomTrianglesSolveBackFromEveryArrangement) {
    std::mt19937 rng(12);
    std::uniform_real_distribution<double> coord(-100, 100);
    int checked = 0;
    while (checked < 2000) {
        const double px = coord(rng), py = coord(rng), qx = coord(rng), qy = coord(rng),
                     rx = coord(rng), ry = coord(rng);
        // A at P, B at Q, C at R; a = |QR|, b = |PR|, c = |PQ|.
        const double a = std::hypot(qx - rx, qy - ry), b = std::hypot(px - rx, py - ry),
                     c = std::hypot(px - qx, py - qy);
        auto angle = [](double ux, double uy, double vx, double vy) {
            return RadiansToDegrees(std::atan2(std::fabs(ux * vy - uy * vx), ux * vx + uy * vy));
        };
        const double A = angle(qx - px, qy - py, rx - px, ry - py);
        const double B = angle(px - qx, py - qy, rx - qx, ry - qy);
        const double C = angle(px - rx, py - ry, qx - rx, qy - ry);
        if (std::min({A, B, C}) < 1 || std::min({a, b, c}) < 1) continue;  // slivers aside
        ++checked;
        const ObliqueTriangle truth{a, b, c, A, B, C};
        auto expectNear = [&](const std::optional<ObliqueTriangle>& t, const char* how) {
            ASSERT_TRUE(t) << how;
            const double tol = 1e-7;
            EXPECT_NEAR(t->a, a, tol * a) << how;
            EXPECT_NEAR(t->b, b, tol * b) << how;
            EXPECT_NEAR(t->c, c, tol * c) << how;
            EXPECT_NEAR(t->A, A, 1e-6) << how;
            EXPECT_NEAR(t->B, B, 1e-6) << how;
            EXPECT_NEAR(t->C, C, 1e-6) << how;
        };
        expectNear(SolveOblique(ObliqueCase::OneSideTwoAngles, truth), "a, A, B");
        expectNear(SolveOblique(ObliqueCase::TwoSidesIncludedAngle, truth), "a, b, C");
        expectNear(SolveOblique(ObliqueCase::AllSides, truth), "a, b, c");
        // Two sides and the opposite angle finds the acute B; when the true B is obtuse
        // and A < B, the true triangle is the alternate answer.
        const auto ssa = SolveOblique(ObliqueCase::TwoSidesOppositeAngle, truth);
        if (B < 90 || a >= b) {
            expectNear(ssa, "a, b, A");
        } else {
            ASSERT_TRUE(ssa);
            EXPECT_TRUE(HasAlternateAnswer(a, A, ssa->B));
            const AlternateOblique alt = AlternateAnswer(a, A, ssa->B);
            EXPECT_NEAR(alt.B, B, 1e-6);
            EXPECT_NEAR(alt.C, C, 1e-6);
            EXPECT_NEAR(alt.c, c, 1e-7 * c);
        }
        EXPECT_NEAR(HeronArea(a, b, c),
                    std::fabs((qx - px) * (ry - py) - (qy - py) * (rx - px)) / 2, 1e-6 * a * b);
    }
}

}  // namespace
}  // namespace calc
