#include <gtest/gtest.h>

#include <cmath>

#include "calc/Numeric.h"
#include "calc/TestCalcEnv.h"
#include "geometry/Polygons.h"

namespace calc {
namespace {

std::string Shown(double v) {
    return FormatResult(v, 4);
}

TEST(Polygons, KnownValues) {
    auto d = SolvePolygon(6, PolygonKnown::AcrossFlats, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(Shown(d->corners), "1.1547");
    EXPECT_EQ(Shown(d->side), "0.5774");
    d = SolvePolygon(6, PolygonKnown::AcrossCorners, 2);
    ASSERT_TRUE(d);
    EXPECT_EQ(Shown(d->flats), "1.7321");
    EXPECT_EQ(Shown(d->side), "1.0");
    d = SolvePolygon(6, PolygonKnown::Side, 2);
    ASSERT_TRUE(d);
    EXPECT_EQ(Shown(d->corners), "4.0");
    EXPECT_EQ(Shown(d->flats), "3.4641");
    // The exact sector angle 360 / 7, not 51.4286 read back from the box.
    d = SolvePolygon(7, PolygonKnown::AcrossCorners, 1000);
    ASSERT_TRUE(d);
    EXPECT_EQ(Shown(d->side), "433.8837");
    // Many sides: the angle no longer shows at 0 places, the lengths still come out.
    d = SolvePolygon(1000, PolygonKnown::AcrossCorners, 10);
    ASSERT_TRUE(d);
    EXPECT_NEAR(d->side, 10 * std::sin(M_PI / 1000), 1e-12);
    EXPECT_FALSE(SolvePolygon(2, PolygonKnown::Side, 1));
}

TEST(Polygons, AreaFollowsTheShownSide) {
    // F = 1 with the side shown as 0.5774.
    const PolygonAreaVolume av = AreaVolume(6, 0.5774, 1, 1);
    EXPECT_EQ(FormatDecimals(DoubleToText15(av.area), 4), "0.8661");
    EXPECT_EQ(AreaVolume(6, 2, 3.4641, 2).volume, 2 * AreaVolume(6, 2, 3.4641, 1).area);
}

// Every value against the corners of a polygon drawn from coordinates.
TEST(Polygons, AgreesWithTheCornersCoordinates) {
    for (int n : {3, 4, 5, 6, 7, 8, 12, 13, 100, 360, 32767}) {
        const double radius = 12.5;
        auto corner = [&](int i) {
            const double g = 2 * M_PI * i / n;
            return std::pair{radius * std::cos(g), radius * std::sin(g)};
        };
        const auto [x0, y0] = corner(0);
        const auto [x1, y1] = corner(1);
        const double side = std::hypot(x1 - x0, y1 - y0);
        const double flats = 2 * std::hypot((x0 + x1) / 2, (y0 + y1) / 2);
        const double corners = 2 * radius;
        // Shoelace area of the corners.
        double area2 = 0;
        for (int i = 0; i < n; ++i) {
            const auto [ax, ay] = corner(i);
            const auto [bx, by] = corner(i + 1);
            area2 += ax * by - ay * bx;
        }
        const double tol = 1e-9 * corners;
        for (PolygonKnown k :
             {PolygonKnown::AcrossFlats, PolygonKnown::AcrossCorners, PolygonKnown::Side}) {
            const double value = k == PolygonKnown::AcrossFlats     ? flats
                                 : k == PolygonKnown::AcrossCorners ? corners
                                                                    : side;
            const auto d = SolvePolygon(n, k, value);
            ASSERT_TRUE(d) << n;
            EXPECT_NEAR(d->flats, flats, tol) << n;
            EXPECT_NEAR(d->corners, corners, tol) << n;
            EXPECT_NEAR(d->side, side, tol) << n;
            EXPECT_NEAR(AreaVolume(n, d->side, d->flats, 1).area, area2 / 2, 1e-9 * area2) << n;
        }
    }
}

TEST(Polygons, NumberOfSidesCheck) {
    TestCalcEnv t;
    struct Case {
        const char* text;
        bool accepted;
        int sides;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"6", true, 6, {}},
        {"12/4", true, 3, {}},
        {"32767", true, 32767, {}},
        {"", false, 3, {"The minimum number allowed is 3."}},
        {"2", false, 3, {"The minimum number allowed is 3."}},
        {"6.5", false, 3, {"Only Integers may be entered into the Number of  Sides field."}},
        {"3/4", false, 3, {"Only Integers may be entered into the Number of  Sides field."}},
        {"-6", false, 3, {"Number of Sides  needs a value greater than zero."}},
        {"abc",
         false,
         3,
         {"Please insert a valid amount into Number of Sides . If the amount is less than one, "
          "you may enter a common fraction."}},
        // Beyond the 16-bit count: refused like a count below 3.
        {"32768", false, 3, {"You entered an invalid value for Number of Sides ."}},
        {"1E10", false, 3, {"You entered an invalid value for Number of Sides ."}},
    };
    for (const Case& c : cases) {
        t.messages.Clear();
        const SidesCheck check = CheckNumberOfSides(t.env, c.text);
        EXPECT_EQ(check.accepted, c.accepted) << c.text;
        EXPECT_EQ(check.sides, c.sides) << c.text;
        EXPECT_EQ(check.boxText, c.accepted ? std::string(c.text) : "3") << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text;
    }
    // In German the field is named as the screen names it.
    t.SetLanguage("German");
    t.messages.Clear();
    CheckNumberOfSides(t.env, "6.5");
    EXPECT_EQ(t.messages.Texts(), std::vector<std::string>{
                                      "Im Feld Anzahl der Seiten  sind nur ganze Zahlen erlaubt."});
}

TEST(Polygons, CornersInTwips) {
    const std::vector<point> hexagon = calculatePoints(6, 1748);
    ASSERT_GE(hexagon.size(), 6u);
    ASSERT_LE(hexagon.size(), 7u);
    EXPECT_EQ(hexagon[0].X, 1514);
    EXPECT_EQ(hexagon[0].Y, 874);
    EXPECT_EQ(hexagon[1].X, 0);
    EXPECT_EQ(hexagon[1].Y, 1748);
    for (int n : {3, 4, 12, 100, 32767}) {
        const std::vector<point> corners = calculatePoints(n, 1748);
        EXPECT_TRUE(corners.size() == static_cast<size_t>(n) ||
                    corners.size() == static_cast<size_t>(n) + 1)
            << n;
        // The right-hand side is vertical, centred on the horizontal through the centre.
        EXPECT_EQ(corners.front().X, corners[n - 1].X) << n;
        EXPECT_EQ(corners.front().Y, -corners[n - 1].Y) << n;
    }
}

}  // namespace
}  // namespace calc
