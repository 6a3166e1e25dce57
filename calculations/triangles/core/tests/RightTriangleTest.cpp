#include <gtest/gtest.h>

#include "calc/Numeric.h"
#include "triangles/RightTriangle.h"

namespace calc {
namespace {

using S = RightTriangleStatus;

// Shown the way the screen shows results, with 4 decimal places.
std::string Shown(double v) {
    return FormatResult(v, 4);
}

struct Case {
    const char* name;
    RightTriangle known;
    const char* a;
    const char* b;
    const char* c;
    const char* A;
    const char* B;
};

TEST(RightTriangle, EveryPairSolvesTheSameTriangle) {
    // 3-4-5 with A opposite a = 3 and b = 4 the vertical leg.
    const double A = 36.869897645844, B = 90 - A;
    const Case cases[] = {
        {"a,b", {3, 4, 0, 0, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"b,A", {0, 4, 0, A, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"b,B", {0, 4, 0, 0, B}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"b,c", {0, 4, 5, 0, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"a,A", {3, 0, 0, A, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"a,B", {3, 0, 0, 0, B}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"a,c", {3, 0, 5, 0, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"c,A", {0, 0, 5, A, 0}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
        {"c,B", {0, 0, 5, 0, B}, "3.0", "4.0", "5.0", "36.8699", "53.1301"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = SolveRightTriangle(c.known);
        ASSERT_EQ(s.status, S::Solved);
        EXPECT_EQ(Shown(s.values.a), c.a);
        EXPECT_EQ(Shown(s.values.b), c.b);
        EXPECT_EQ(Shown(s.values.c), c.c);
        EXPECT_EQ(Shown(s.values.A), c.A);
        EXPECT_EQ(Shown(s.values.B), c.B);
        int computed = 0;
        for (bool x : s.computed) computed += x;
        EXPECT_EQ(computed, 3);
    }
}

TEST(RightTriangle, FiguresMachinistsCheckAgainst) {
    // Side b = 4, angle A = 36.8699 as typed: a = b tan A.
    auto s = SolveRightTriangle({0, 4, 0, 36.8699, 0});
    EXPECT_EQ(Shown(s.values.a), "3.0");
    EXPECT_EQ(Shown(s.values.c), "5.0");
    // Side a = 3, angle A = 36.8699: b = a / tan A (not a tan A).
    s = SolveRightTriangle({3, 0, 0, 36.8699, 0});
    EXPECT_EQ(Shown(s.values.b), "4.0");
    // c = 5, A = 30.
    s = SolveRightTriangle({0, 0, 5, 30, 0});
    EXPECT_EQ(Shown(s.values.b), "4.3301");
    EXPECT_EQ(Shown(s.values.a), "2.5");
    EXPECT_EQ(Shown(s.values.B), "60.0");
    EXPECT_TRUE(s.computed[static_cast<int>(RtValue::SideA)]);
    EXPECT_FALSE(s.computed[static_cast<int>(RtValue::SideC)]);
}

TEST(RightTriangle, RefusedData) {
    EXPECT_EQ(SolveRightTriangle({5, 0, 5, 0, 0}).status, S::HypotenuseTooShort);
    EXPECT_EQ(SolveRightTriangle({0, 5, 4, 0, 0}).status, S::HypotenuseTooShort);
    EXPECT_EQ(SolveRightTriangle({3, 4, 5, 0, 0}).status, S::TooMuchData);
    EXPECT_EQ(SolveRightTriangle({0, 4, 0, 30, 60}).status, S::TooMuchData);
    EXPECT_EQ(SolveRightTriangle({3, 0, 0, 0, 0}).status, S::NotEnoughData);
    EXPECT_EQ(SolveRightTriangle({0, 0, 0, 30, 60}).status, S::NotEnoughData);
    EXPECT_EQ(SolveRightTriangle({}).status, S::NotEnoughData);
    // An angle of 90 or more that slipped past the box check has no triangle.
    EXPECT_EQ(SolveRightTriangle({0, 4, 0, 90, 0}).status, S::AngleTooLarge);
    EXPECT_EQ(SolveRightTriangle({0, 0, 5, 0, 120}).status, S::AngleTooLarge);
    // The refused result keeps the known values and computes nothing.
    const auto s = SolveRightTriangle({5, 0, 5, 0, 0});
    EXPECT_EQ(s.values.a, 5);
    EXPECT_EQ(s.values.b, 0);
}

}  // namespace
}  // namespace calc
