#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "holes/HolePattern.h"

using namespace calc;

namespace {

void ExpectNoOverlap(const std::vector<HoleNumber>& numbers, const std::vector<ChartPoint>& markers,
                     double radius) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            EXPECT_FALSE(numbers[i].box.Intersects(numbers[j].box))
                << numbers[i].number << " / " << numbers[j].number;
        for (const ChartPoint& m : markers)
            EXPECT_FALSE(
                numbers[i].box.Intersects({m.x - radius, m.y - radius, 2 * radius, 2 * radius}))
                << "number " << numbers[i].number << " over a marker";
    }
}

}  // namespace

TEST(CoordinateLines, EveryLineEndsInCrLfAndAxisHolesShowNoMinusSign) {
    // Values a circle's arithmetic leaves next to an axis: tiny, of either sign.
    const HoleList holes = {{2, 1.2246467991473532e-16}, {-1.8369701987210297e-16, -2}};
    EXPECT_EQ(CoordinateLines(holes, 0, 0, 4, std::nullopt), "X2.0 Y0.0\r\nX0.0 Y-2.0\r\n");
    EXPECT_EQ(CoordinateLines(holes, 10, 20, 0, std::nullopt), "X12. Y20.\r\nX10. Y18.\r\n");
    EXPECT_EQ(CoordinateLines({}, 1, 1, 4, std::string("M00")), "");
}

TEST(CoordinateLines, InsertLineFollowsEveryHoleIncludingTheLast) {
    const HoleList holes = {{0, 0}, {1.23456, 0}};
    EXPECT_EQ(CoordinateLines(holes, 0, 0, 3, std::string("M00")),
              "X0.0 Y0.0\r\nM00\r\nX1.235 Y0.0\r\nM00\r\n");
    // An empty insert text still gives its (empty) line when the box is ticked.
    EXPECT_EQ(CoordinateLines({{0, 0}}, 0, 0, 4, std::string()), "X0.0 Y0.0\r\n\r\n");
}

TEST(CoordinateLines, WritableCoordinatesAreFiniteAndBelow1E15) {
    EXPECT_TRUE(IsWritableCoordinate(0));
    EXPECT_TRUE(IsWritableCoordinate(-999999999999999.0));
    EXPECT_FALSE(IsWritableCoordinate(1e15));
    EXPECT_FALSE(IsWritableCoordinate(-1e15));
    EXPECT_FALSE(IsWritableCoordinate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsWritableCoordinate(std::nan("")));
    EXPECT_TRUE(AllWritable({{1, 1}}, 5e14, 0));
    EXPECT_FALSE(AllWritable({{6e14, 1}}, 5e14, 0));
}

TEST(HoleNumbers, SparsePatternGetsEveryNumberClearOfMarkersAndEachOther) {
    std::vector<ChartPoint> markers;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 6.28318530717958 / 8;
        markers.push_back({2000 + 1800 * std::cos(a), 3000 - 1800 * std::sin(a)});
    }
    const ChartRect bounds{0, 0, 5000, 6000};
    const auto numbers = PlaceHoleNumbers(markers, 100, {2000, 3000}, {}, bounds);
    ASSERT_EQ(numbers.size(), 8u);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i].number, static_cast<int>(i) + 1);
        EXPECT_TRUE(bounds.Contains(numbers[i].box));
    }
    ExpectNoOverlap(numbers, markers, 100);
    // Hole 1 at 3 o'clock: its number stands outside the circle, to the right.
    EXPECT_GT(numbers[0].box.left, markers[0].x + 100);
}

TEST(HoleNumbers, DensePatternNumbersOnlyWhereTheyFit) {
    std::vector<ChartPoint> markers;
    for (int i = 0; i < 3000; ++i) {
        const double a = i * 6.28318530717958 / 3000;
        markers.push_back({2228 + 1867 * std::cos(a), 3308 - 1867 * std::sin(a)});
    }
    const auto numbers = PlaceHoleNumbers(markers, 100, {2228, 3308}, {}, {60, 1000, 4380, 5240});
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.front().number, 1);
    EXPECT_LT(numbers.size(), 3000u);
    // Each number clear of the others (markers this dense overlap one another).
    for (std::size_t i = 0; i + 1 < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            ASSERT_FALSE(numbers[i].box.Intersects(numbers[j].box));
}

TEST(HoleNumbers, StaysInsideTheBoundsAndOffObstacles) {
    const std::vector<ChartPoint> markers = {{100, 100}};
    // Away from the centre is off the chart; the number goes elsewhere.
    auto numbers = PlaceHoleNumbers(markers, 50, {500, 500}, {}, {0, 0, 1000, 1000});
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_GE(numbers[0].box.left, 100.0);
    // Nowhere to go: no number.
    numbers =
        PlaceHoleNumbers(markers, 50, {500, 500}, {}, {0, 0, 1000, 1000}, {{0, 0, 1000, 1000}});
    EXPECT_TRUE(numbers.empty());
}
