#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/TestCalcEnv.h"
#include "holes/GridPattern.h"

using namespace calc;

namespace {

class Grid : public ::testing::Test {
protected:
    TestCalcEnv t;
    std::vector<std::string> Messages() const { return t.messages.Texts(); }
    // The chart of entries that must be accepted (an empty chart, and a failure, if not).
    GridChart ChartOf(const GridEntries& entries) {
        const auto p = SolveGrid(t.env, entries);
        EXPECT_TRUE(p);
        return p ? GridChartOf(*p) : GridChart{};
    }
    static std::string Lines(const GridPattern& p, int places = 4) {
        return CoordinateLines(p.holes, p.startX, p.startY, places, std::nullopt);
    }
};

const GridEntries kDesign{"0", "3", "1", "0", "3", "1"};

}  // namespace

TEST_F(Grid, DesignEntriesInSerpentineOrder) {
    const auto p = SolveGrid(t.env, kDesign);
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X0.0 Y0.0\r\nX1.0 Y0.0\r\nX2.0 Y0.0\r\nX2.0 Y1.0\r\nX1.0 Y1.0\r\nX0.0 Y1.0\r\n"
              "X0.0 Y2.0\r\nX1.0 Y2.0\r\nX2.0 Y2.0\r\n");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Grid, NegativeStepsAndEvenRowCounts) {
    auto p = SolveGrid(t.env, {"1", "4", "-0.5", "2", "2", "0.25"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X1.0 Y2.0\r\nX0.5 Y2.0\r\nX0.0 Y2.0\r\nX-0.5 Y2.0\r\n"
              "X-0.5 Y2.25\r\nX0.0 Y2.25\r\nX0.5 Y2.25\r\nX1.0 Y2.25\r\n");
    // Odd row count, both steps negative: the last row runs outward again.
    p = SolveGrid(t.env, {"0", "2", "-1", "0", "3", "-2"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p),
              "X0.0 Y0.0\r\nX-1.0 Y0.0\r\nX-1.0 Y-2.0\r\nX0.0 Y-2.0\r\nX0.0 Y-4.0\r\n"
              "X-1.0 Y-4.0\r\n");
    // Consecutive holes are always grid neighbours.
    p = SolveGrid(t.env, {"0", "5", "1", "0", "4", "1"});
    ASSERT_TRUE(p);
    for (std::size_t i = 0; i + 1 < p->holes.size(); ++i)
        EXPECT_DOUBLE_EQ(std::abs(p->holes[i].X - p->holes[i + 1].X) +
                             std::abs(p->holes[i].Y - p->holes[i + 1].Y),
                         1.0);
}

TEST_F(Grid, CountsAndLimitBeforeAnyInteger) {
    const std::string onlyX =
        "Only Integers may be entered into the Number of Holes on the X axis field.";
    const std::string max = "The maximum number of holes accepted per part is 2300.";
    struct Case {
        const char* x;
        const char* y;
        bool accepted;
        std::string message;
    };
    const Case cases[] = {
        {"46", "50", true, ""},
        {"47", "50", false, max},
        {"65536", "65536", false, max},
        {"1E300", "1E300", false, max},
        {"2.5", "3", false, onlyX},
        {"25e-1", "3", false, onlyX},
        {"0", "3", false, "Number of Holes on the X axis needs a value greater than zero."},
        {"3", "", false, "Number of Holes on the Y axis needs a value greater than zero."},
        {"-50", "-50", false, "Number of Holes on the X axis needs a value greater than zero."},
        {"3", "-3", false, "Number of Holes on the Y axis needs a value greater than zero."},
    };
    for (const Case& c : cases) {
        t.messages.Clear();
        const auto p = SolveGrid(t.env, {"0", c.x, "1", "0", c.y, "1"});
        EXPECT_EQ(p.has_value(), c.accepted) << c.x << " x " << c.y;
        if (c.accepted)
            EXPECT_EQ(p->holes.size(), 2300u);
        else
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.x << " x " << c.y;
    }
}

TEST_F(Grid, MissingStepIsReportedAndRefusedOnlyWhereItMatters) {
    // A single column: the message, and the calculation goes on.
    auto p = SolveGrid(t.env, {"0", "1", "", "0", "3", "1"});
    ASSERT_TRUE(p);
    EXPECT_EQ(Lines(*p), "X0.0 Y0.0\r\nX0.0 Y1.0\r\nX0.0 Y2.0\r\n");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Step distance in X needs a value greater than zero."});
    t.messages.Clear();
    EXPECT_FALSE(SolveGrid(t.env, {"0", "3", "1", "0", "3", "0"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Increment Y needs a value greater than zero."});
}

TEST_F(Grid, CoordinatesThatCannotBeWrittenAreRefusedNamingTheStep) {
    struct Case {
        GridEntries entries;
        std::string name;
    };
    const Case cases[] = {
        {{"0", "3", "1E308", "0", "3", "1"}, "Step distance in X"},
        {{"0", "3", "1", "0", "3", "-6E14"}, "Increment Y"},
        {{"1E15", "3", "1", "0", "3", "1"}, "Start X"},
        {{"0", "3", "1", "-1E300", "3", "1"}, "Start Y"},
    };
    for (const Case& c : cases) {
        t.messages.Clear();
        EXPECT_FALSE(SolveGrid(t.env, c.entries)) << c.name;
        EXPECT_EQ(Messages(),
                  std::vector<std::string>{"You entered an invalid value for " + c.name + "."});
    }
    // A single column never uses its step.
    EXPECT_TRUE(SolveGrid(t.env, {"0", "1", "1E308", "0", "3", "1"}));
    t.messages.Clear();
    EXPECT_FALSE(ConvertGrid(t.env, {"0", "1", "1E308", "0", "3", "1"}, true, 4));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"You entered an invalid value for Step distance in X."});
}

TEST_F(Grid, ConversionBuildsFromTheCurrentEntries) {
    auto c = ConvertGrid(t.env, kDesign, true, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(Lines(c->pattern).substr(0, 48),
              "X0.0 Y0.0\r\nX25.4 Y0.0\r\nX50.8 Y0.0\r\nX50.8 Y25.4\r\n");
    EXPECT_EQ(c->stepX, "25.4");
    EXPECT_EQ(c->stepY, "25.4");
    EXPECT_EQ(c->startX, "0.0");
    c = ConvertGrid(t.env, {c->startX, "3", c->stepX, c->startY, "3", c->stepY}, true, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->stepX, "645.16");
    // A changed count is what gets converted.
    c = ConvertGrid(t.env, {"1", "2", "25.4", "0", "1", "1"}, false, 4);
    ASSERT_TRUE(c);
    EXPECT_EQ(Lines(c->pattern), "X0.0394 Y0.0\r\nX1.0394 Y0.0\r\n");
    EXPECT_EQ(c->startX, "0.0394");
    EXPECT_EQ(c->stepX, "1.0");
}

TEST_F(Grid, ChartOfTheDesignEntries) {
    const GridChart c = ChartOf(kDesign);
    EXPECT_DOUBLE_EQ(c.scale, 1507.5);
    EXPECT_EQ(c.origin.x, 480);
    EXPECT_EQ(c.origin.y, 6495);
    const double xs[] = {480, 1987.5, 3495, 3495, 1987.5, 480, 480, 1987.5, 3495};
    const double ys[] = {6495, 6495, 6495, 4987.5, 4987.5, 4987.5, 3480, 3480, 3480};
    ASSERT_EQ(c.markers.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        EXPECT_DOUBLE_EQ(c.markers[i].x, xs[i]);
        EXPECT_DOUBLE_EQ(c.markers[i].y, ys[i]);
    }
    EXPECT_EQ(c.markerRadius, 50);
    EXPECT_TRUE(c.markersShown);
    EXPECT_EQ(c.lines.size(), 8u);
    EXPECT_EQ(c.startLabel.left, 120);
    EXPECT_DOUBLE_EQ(c.startLabel.top, 6582);
    EXPECT_EQ(c.numbers.size(), 9u);
}

TEST_F(Grid, ChartStartsFromTheCornerTheStepsPointAway) {
    // Negative X step: origin lower right, first row across the full width, and the
    // start caption under the right-hand corner.
    GridChart c = ChartOf({"1", "4", "-0.5", "2", "2", "0.25"});
    EXPECT_EQ(c.origin.x, 3495);
    EXPECT_EQ(c.origin.y, 6495);
    EXPECT_DOUBLE_EQ(c.markers[0].x, 3495);
    EXPECT_DOUBLE_EQ(c.markers[3].x, 480);
    EXPECT_DOUBLE_EQ(c.startLabel.left, 3270);
    EXPECT_DOUBLE_EQ(c.startLabel.top, 6582);
    // Negative Y step: origin on top, caption over it.
    c = ChartOf({"0", "3", "1", "0", "3", "-1"});
    EXPECT_EQ(c.origin.y, 840);
    EXPECT_DOUBLE_EQ(c.markers[8].y, 840 + 1507.5 * 2);
    EXPECT_DOUBLE_EQ(c.startLabel.top, 365);
    EXPECT_EQ(c.startLabel.left, 120);
    // Steps of 201 and 377: both axes limit at 7.5 twips per unit.
    c = ChartOf({"0", "3", "201", "0", "3", "377"});
    EXPECT_DOUBLE_EQ(c.scale, 7.5);
    EXPECT_DOUBLE_EQ(c.markers[2].x, 3495);
    EXPECT_DOUBLE_EQ(c.markers[8].y, 840);
}

TEST_F(Grid, DenseSingleAndExtremeCharts) {
    GridChart c = ChartOf({"0", "46", "1", "0", "50", "1"});
    EXPECT_FALSE(c.markersShown);
    EXPECT_TRUE(c.numbers.empty());
    EXPECT_EQ(c.lines.size(), 2299u);
    // A single hole always gets its marker, at the origin.
    c = ChartOf({"0", "1", "1", "0", "1", "1"});
    ASSERT_EQ(c.markers.size(), 1u);
    EXPECT_TRUE(c.markersShown);
    EXPECT_EQ(c.scale, 0);
    EXPECT_EQ(c.markers[0].x, 480);
    // A single column: the scale from the Y axis alone.
    c = ChartOf({"0", "1", "", "0", "3", "2"});
    EXPECT_DOUBLE_EQ(c.scale, 5655 / 4.0);
    // Steps far apart in size still give finite positions inside Rect.
    const auto extreme = SolveGrid(t.env, {"0", "3", "1E-300", "0", "3", "1E14"});
    ASSERT_TRUE(extreme);
    c = GridChartOf(*extreme);
    ASSERT_EQ(c.markers.size(), 9u);
    for (const ChartPoint& m : c.markers) {
        EXPECT_GE(m.x, 480);
        EXPECT_LE(m.x, 3495);
        EXPECT_GE(m.y, 840);
        EXPECT_LE(m.y, 6495);
    }
}
