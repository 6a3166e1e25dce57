#include <gtest/gtest.h>

#include "triangles/DegreeConvert.h"

namespace calc {
namespace {

TEST(DegreeConvert, DecimalToDegreesMinutesSeconds) {
    struct {
        const char* decimal;
        DmsTexts expected;
    } cases[] = {
        {"45.5", {"45", "30", "0"}},        {"10.1234", {"10", "7", "24.24"}},
        {"12.3456", {"12", "20", "44.16"}}, {"100.999", {"100", "59", "56.4"}},
        {"0.5", {"0", "30", "0"}},          {"45", {"45", "0", "0"}},
        {".25", {"", "15", "0"}},           {"1.5.7", {"1", "30", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decimal);
        const auto got = DecimalPosToDegrees(c.decimal, {"x", "y", "z"});
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, c.expected);
    }
}

TEST(DegreeConvert, ZeroFractionKeepsMinutesAndSeconds) {
    const auto got = DecimalPosToDegrees("45.0", {"", "12", "30"});
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, (DmsTexts{"45", "12", "30"}));
}

TEST(DegreeConvert, EntriesThatCannotBeSplitAreRefused) {
    EXPECT_FALSE(DecimalPosToDegrees("1.5/2", {}));
    EXPECT_FALSE(DecimalPosToDegrees("1.5E2", {}));
}

TEST(DegreeConvert, TinyMinutesStayInPlainForm) {
    // 0.0000001 degrees = 0.000006 minutes: exponent form would have no point to split.
    EXPECT_EQ(PlainText15(0.000006), "0.000006");
    EXPECT_EQ(PlainText15(1.5e-9), "0.0000000015");
    const auto got = DecimalPosToDegrees("3.0000001", {});
    ASSERT_TRUE(got);
    EXPECT_EQ(got->degrees, "3");
    EXPECT_EQ(got->minutes, "0");
    EXPECT_EQ(got->seconds, "0.00036");
}

TEST(DegreeConvert, DegreesMinutesSecondsToDecimal) {
    EXPECT_EQ(DegreesMinutesSecondsToDegrees(30, 15, 0), "30.25");
    EXPECT_EQ(DegreesMinutesSecondsToDegrees(1, 0, 1), "1.00028");
    EXPECT_EQ(DegreesMinutesSecondsToDegrees(0, 0, 30), "0.00833");
    EXPECT_EQ(DegreesMinutesSecondsToDegrees(0, 30, 15), "0.50417");
}

}  // namespace
}  // namespace calc
