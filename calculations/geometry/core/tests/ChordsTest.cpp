#include <gtest/gtest.h>

#include <cmath>

#include "calc/CalcEnv.h"
#include "calc/Numeric.h"
#include "geometry/Chords.h"

namespace calc {
namespace {

// The way the screen shows a result, with 4 decimal places.
std::string Shown(double v) {
    return FormatValueDecimals(v, 4);
}

struct Case {
    const char* name;
    ChordValues known;  // a, c, h, l, r
    const char* a;
    const char* c;
    const char* h;
    const char* l;
    const char* r;
};

TEST(Chords, EveryPairOnItsKnownCase) {
    const Case cases[] = {
        {"r,a", {60, 0, 0, 0, 10}, "60.0", "10.0", "1.3397", "10.472", "10.0"},
        {"r,h", {0, 0, 2, 0, 10}, "73.7398", "12.0", "2.0", "12.87", "10.0"},
        // 180 / pi, not 57.296.
        {"r,l", {0, 0, 0, 10, 10}, "57.2958", "9.5885", "1.2242", "10.0", "10.0"},
        {"r,c", {0, 12, 0, 0, 10}, "73.7398", "12.0", "2.0", "12.87", "10.0"},
        {"a,h", {60, 0, 1.339746, 0, 0}, "60.0", "10.0", "1.3397", "10.472", "10.0"},
        // The screen's own output comes back: r = 10, a = 60 shows l = 10.472.
        {"a,l", {60, 0, 0, 10.472, 0}, "60.0", "10.0", "1.3397", "10.472", "10.0"},
        {"a,c", {60, 10, 0, 0, 0}, "60.0", "10.0", "1.3397", "10.472", "10.0"},
        // Newton on sin x / x, to the last iterate.
        {"c,l", {0, 10, 0, 11, 0}, "85.8275", "10.0", "1.9652", "11.0", "7.3433"},
        {"c,h", {0, 10, 2, 0, 0}, "87.2056", "10.0", "2.0", "11.0347", "7.25"},
        // Newton on (1 - cos x) / x.
        {"l,h", {0, 0, 2, 11, 0}, "87.5105", "9.9616", "2.0", "11.0", "7.202"},
    };
    for (const Case& c : cases) {
        const ChordSolution s = SolveChord(c.known);
        ASSERT_EQ(s.status, ChordStatus::Solved) << c.name;
        EXPECT_EQ(Shown(s.values.a), c.a) << c.name;
        EXPECT_EQ(Shown(s.values.c), c.c) << c.name;
        EXPECT_EQ(Shown(s.values.h), c.h) << c.name;
        EXPECT_EQ(Shown(s.values.l), c.l) << c.name;
        EXPECT_EQ(Shown(s.values.r), c.r) << c.name;
        int computed = 0;
        for (bool b : s.computed) computed += b;
        EXPECT_EQ(computed, 3) << c.name;
    }
}

TEST(Chords, FirstPairWinsAndReplacesTheRest) {
    const ChordSolution s = SolveChord({60, 3, 0, 0, 10});  // r, a and a typed c
    ASSERT_EQ(s.status, ChordStatus::Solved);
    EXPECT_EQ(Shown(s.values.c), "10.0");
    EXPECT_TRUE(s.computed[static_cast<int>(ChordValue::ChordLength)]);
    EXPECT_EQ(SolveChord({0, 0, 0, 0, 10}).status, ChordStatus::NoPair);
    EXPECT_EQ(SolveChord({}).status, ChordStatus::NoPair);
}

TEST(Chords, ConditionsAndImpossibleData) {
    struct Refusal {
        ChordValues known;
        ChordStatus status;
    };
    const Refusal refusals[] = {
        {{180, 0, 0, 0, 10}, ChordStatus::AngleNotBelow180},
        {{0, 0, 10, 0, 10}, ChordStatus::HeightNotBelowRadius},
        {{0, 0, 0, 31.5, 10}, ChordStatus::ArcTooLong},  // more than half the circumference
        {{0, 20, 0, 0, 10}, ChordStatus::ChordNotBelowDiameter},
        {{0, 10, 0, 16, 0}, ChordStatus::ChordTooShortForArc},
        {{0, 10, 5, 0, 0}, ChordStatus::HeightNotBelowHalfChord},
        {{0, 0, 4, 12, 0}, ChordStatus::ArcTooLong},
        // A chord longer than (or as long as) its arc: refused before any iteration.
        {{0, 11, 0, 10, 0}, ChordStatus::Impossible},
        {{0, 10, 0, 10, 0}, ChordStatus::Impossible},
        // More than half a circle, whichever pair gives the angle.
        {{200, 0, 1, 0, 0}, ChordStatus::AngleNotBelow180},
        {{360, 0, 0, 5, 0}, ChordStatus::AngleNotBelow180},
        {{180, 3, 0, 0, 0}, ChordStatus::AngleNotBelow180},
    };
    for (const Refusal& r : refusals) {
        const ChordSolution s = SolveChord(r.known);
        EXPECT_EQ(s.status, r.status) << r.known.a << " " << r.known.c << " " << r.known.h << " "
                                      << r.known.l << " " << r.known.r;
        EXPECT_FALSE(std::string(ChordMessage(r.status)).empty());
    }
    EXPECT_STREQ(ChordMessage(ChordStatus::Impossible), "Impossible data entered.");
}

TEST(Chords, NewtonReturnsTheLastIterate) {
    // sin x / x = k and (1 - cos x) / x = k solved to the last digits.
    for (double k : {0.64, 0.7, 0.9, 0.99, 0.999999}) {
        const auto x = GetX_for_SinX_by_X_Newton(k);
        ASSERT_TRUE(x) << k;
        EXPECT_NEAR(std::sin(*x) / *x, k, 1e-14) << k;
    }
    for (double k : {1e-6, 0.01, 0.3, 0.6, 0.636}) {
        const auto x = GetX_for_cosX_by_X_Newton(k);
        ASSERT_TRUE(x) << k;
        EXPECT_NEAR(2 * std::pow(std::sin(*x / 2), 2) / *x, k, 1e-13 * k) << k;
    }
    EXPECT_FALSE(GetX_for_SinX_by_X_Newton(1.1));  // a root of a negative start
    EXPECT_FALSE(GetX_for_SinX_by_X_Newton(0.5));  // beyond half a circle
    EXPECT_FALSE(GetX_for_cosX_by_X_Newton(0.8));
}

// Segments built directly from a radius and an angle, solved back from every pair.
TEST(Chords, EveryPairAgreesWithADirectComputationOverAGrid) {
    const ChordValue all[] = {ChordValue::InclAngle, ChordValue::ChordLength,
                              ChordValue::ChordHeight, ChordValue::ArcLength,
                              ChordValue::ArcRadius};
    for (double r : {0.01, 0.5, 1.0, 7.25, 100.0, 2500.0}) {
        for (double a = 1; a < 180; a += 7.3) {
            const double half = a / 2 * M_PI / 180;
            ChordValues truth;
            truth.r = r;
            truth.a = a;
            truth.c = 2 * r * std::sin(half);
            truth.h = r - r * std::cos(half);
            truth.l = r * a * M_PI / 180;
            for (int i = 0; i < 5; ++i) {
                for (int j = i + 1; j < 5; ++j) {
                    ChordValues known;
                    known.Set(all[i], truth.Get(all[i]));
                    known.Set(all[j], truth.Get(all[j]));
                    const ChordSolution s = SolveChord(known);
                    ASSERT_EQ(s.status, ChordStatus::Solved)
                        << "r " << r << " a " << a << " " << i << j;
                    for (ChordValue v : all)
                        EXPECT_NEAR(s.values.Get(v), truth.Get(v),
                                    1e-9 * std::max(1.0, truth.Get(v)))
                            << "r " << r << " a " << a << " pair " << i << j << " value "
                            << static_cast<int>(v);
                }
            }
        }
    }
}

}  // namespace
}  // namespace calc
