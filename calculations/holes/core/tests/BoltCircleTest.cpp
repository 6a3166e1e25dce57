#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/TestCalcEnv.h"
#include "holes/BoltCircle.h"

using namespace calc;

namespace {

class BoltCircle : public ::testing::Test {
protected:
    TestCalcEnv t;
    std::vector<std::string> Messages() const { return t.messages.Texts(); }
    std::string Lines(const BoltCirclePattern& p, int places = 4) {
        return CoordinateLines(p.holes, p.centreX, p.centreY, places, std::nullopt);
    }
};

const std::string kBetween = "The  number of holes accepted is between 2 and 3000.";

}  // namespace

TEST_F(BoltCircle, FourHolesAt45DegreesAroundAnOffsetCentre) {
    const auto p = SolveBoltCircle(t.env, {"4", "100", "45", "10", "20"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X45.3553 Y55.3553\r\nX-25.3553 Y55.3553\r\nX-25.3553 Y-15.3553\r\n"
              "X45.3553 Y-15.3553\r\n");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BoltCircle, SixHolesOnFourInchesCounterClockwise) {
    // (2 cos a, 2 sin a) for a = 0°, 60°, ... 300°, worked out apart from the program.
    auto p = SolveBoltCircle(t.env, {"6", "4.0", "0", "0", "0"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X2.0 Y0.0\r\nX1.0 Y1.7321\r\nX-1.0 Y1.7321\r\nX-2.0 Y0.0\r\n"
              "X-1.0 Y-1.7321\r\nX1.0 Y-1.7321\r\n");
    // 15° start around (10, -5).
    p = SolveBoltCircle(t.env, {"6", "4.0", "15", "10", "-5"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X11.9319 Y-4.4824\r\nX10.5176 Y-3.0681\r\nX8.5858 Y-3.5858\r\n"
              "X8.0681 Y-5.5176\r\nX9.4824 Y-6.9319\r\nX11.4142 Y-6.4142\r\n");
    // A negative start angle goes clockwise from 3 o'clock; D = 3: the second hole of six.
    p = SolveBoltCircle(t.env, {"6", "3", "-90", "0", "0"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p).substr(0, 11), "X0.0 Y-1.5\r");
    p = SolveBoltCircle(t.env, {"6", "3", "0", "0", "0"});
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->holes[1].X, 0.75, 1e-12);
    EXPECT_NEAR(p->holes[1].Y, 1.299038105676658, 1e-12);
}

TEST_F(BoltCircle, CountChecksBeforeAnyInteger) {
    struct Case {
        const char* holes;
        bool accepted;
        std::string message;
    };
    const Case cases[] = {
        {"2", true, ""},
        {"3000", true, ""},
        {"3E3", true, ""},
        {"1", false, kBetween},
        {"3001", false, kBetween},
        {"-4", false, kBetween},
        {"1E12", false, kBetween},
        {"900000000", false, kBetween},
        {"2.5", false, "Only Integers may be entered into the Number of Holes  field."},
        {"25e-1", false, "Only Integers may be entered into the Number of Holes  field."},
        {"5/2", false, "Only Integers may be entered into the Number of Holes  field."},
        {"", false, "Number of Holes  needs a value greater than zero."},
        {"0/5", false, "Number of Holes  needs a value greater than zero."},
    };
    for (const Case& c : cases) {
        t.messages.Clear();
        const auto p = SolveBoltCircle(t.env, {c.holes, "4", "0", "0", "0"});
        EXPECT_EQ(p.has_value(), c.accepted) << c.holes;
        if (c.accepted) {
            EXPECT_EQ(p->holes.size(), static_cast<std::size_t>(std::stod(c.holes)));
            EXPECT_TRUE(Messages().empty()) << c.holes;
        } else {
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.holes;
        }
    }
    t.messages.Clear();
    EXPECT_FALSE(SolveBoltCircle(t.env, {"4", "0", "0", "0", "0"}));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Bolt Circle Diameter  needs a value greater than zero."});
}

TEST_F(BoltCircle, CoordinatesThatCannotBeWrittenAreRefusedNamingTheirEntry) {
    struct Case {
        BoltCircleEntries entries;
        std::string name;
    };
    const Case cases[] = {
        {{"4", "1E308", "0", "0", "0"}, "Bolt Circle Diameter"},
        {{"4", "2E15", "0", "0", "0"}, "Bolt Circle Diameter"},
        {{"4", "4", "0", "1E15", "0"}, "Center: X "},
        {{"4", "4", "0", "0", "-9.99999999999999E14"}, "Center: Y "},
        {{"4", "4", "1E308", "0", "0"}, "Start Angle"},
    };
    for (const Case& c : cases) {
        t.messages.Clear();
        EXPECT_FALSE(SolveBoltCircle(t.env, c.entries)) << c.name;
        EXPECT_EQ(Messages(),
                  std::vector<std::string>{"You entered an invalid value for " + c.name + "."});
    }
    // Converting may be what takes a pattern past the limit.
    t.messages.Clear();
    ASSERT_TRUE(SolveBoltCircle(t.env, {"4", "1E14", "0", "0", "0"}));
    EXPECT_FALSE(ConvertBoltCircle(t.env, {"4", "1E14", "0", "0", "0"}, true, 4));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"You entered an invalid value for Bolt Circle Diameter."});
}

TEST_F(BoltCircle, ConversionBuildsFromTheCurrentEntries) {
    // 1-inch circle of 3 holes centred at (1, 1), converted twice.
    auto c = ConvertBoltCircle(t.env, {"4", "1", "0", "1", "1"}, true, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->diameter, "25.4");
    EXPECT_EQ(c->centreX, "25.4");
    EXPECT_EQ(c->centreY, "25.4");
    ASSERT_EQ(c->pattern.holes.size(), 4u);
    EXPECT_EQ(Lines(c->pattern), "X38.1 Y25.4\r\nX25.4 Y38.1\r\nX12.7 Y25.4\r\nX25.4 Y12.7\r\n");
    c = ConvertBoltCircle(t.env, {"4", c->diameter, "0", c->centreX, c->centreY}, true, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->diameter, "645.16");
    // Metric: 6 holes on 101.6 mm back to inches: the 4-inch circle again.
    c = ConvertBoltCircle(t.env, {"6", "101.6", "0", "0", "0"}, false, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->diameter, "4.0");
    EXPECT_EQ(Lines(c->pattern),
              "X2.0 Y0.0\r\nX1.0 Y1.7321\r\nX-1.0 Y1.7321\r\nX-2.0 Y0.0\r\n"
              "X-1.0 Y-1.7321\r\nX1.0 Y-1.7321\r\n");
    // A refused check converts nothing.
    t.messages.Clear();
    EXPECT_FALSE(ConvertBoltCircle(t.env, {"2.5", "1", "0", "1", "1"}, true, 4));
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(BoltCircle, ChartFillsTheCircleWhateverTheUnit) {
    const auto inch = SolveBoltCircle(t.env, {"8", "4", "0", "5", "5"});
    const auto mm = SolveBoltCircle(t.env, {"8", "101.6", "0", "0", "0"});
    ASSERT_TRUE(inch && mm);
    const HoleChart a = BoltCircleChart(*inch);
    const HoleChart b = BoltCircleChart(*mm);
    ASSERT_EQ(a.markers.size(), 8u);
    EXPECT_EQ(a.markerRadius, 100);
    // Centre (2228, 3308); hole 1 at 3 o'clock on the 3735-twip circle; hole 3 on top.
    EXPECT_NEAR(a.markers[0].x, 2228 + 3735 / 2.0, 1e-9);
    EXPECT_NEAR(a.markers[0].y, 3308, 1e-9);
    EXPECT_NEAR(a.markers[2].x, 2228, 1e-9);
    EXPECT_NEAR(a.markers[2].y, 3308 - 3735 / 2.0, 1e-9);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_NEAR(a.markers[i].x, b.markers[i].x, 1e-9);
        EXPECT_NEAR(a.markers[i].y, b.markers[i].y, 1e-9);
    }
    // One thin line from the centre to hole 1, and every hole numbered.
    ASSERT_EQ(a.lines.size(), 1u);
    EXPECT_EQ(a.lines[0].from.x, 2228);
    EXPECT_EQ(a.lines[0].to.x, a.markers[0].x);
    ASSERT_EQ(a.numbers.size(), 8u);
    EXPECT_TRUE(BoltCircleChart({}).markers.empty());
}

TEST_F(BoltCircle, NumbersKeepOffTheAxisLines) {
    // Holes at 3, 12, 9 and 6 o'clock would put their numbers on the axes.
    for (const char* holes : {"4", "8", "12"}) {
        const auto p = SolveBoltCircle(t.env, {holes, "4", "0", "0", "0"});
        ASSERT_TRUE(p);
        const HoleChart chart = BoltCircleChart(*p);
        EXPECT_EQ(chart.numbers.size(), chart.markers.size()) << holes;
        for (const HoleNumber& n : chart.numbers) {
            for (const ChartRect& axis : kBoltChartAxes)
                EXPECT_FALSE(n.box.Intersects(axis)) << holes << " holes: number " << n.number;
        }
    }
}
