#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "calc/Numeric.h"

namespace calc {
namespace {

TEST(FormatDecimals, Patterns) {
    const std::vector<std::tuple<const char*, int, const char*>> cases = {
        {"2.5", 0, "3."},
        {"1.23456789", 0, "1."},
        {"2.5", 1, "2.5"},
        {"1.23456789", 1, "1.2"},
        {"2.5", 2, "2.5"},
        {"1.23456789", 2, "1.23"},
        {"2.5", 3, "2.5"},
        {"1.23456789", 3, "1.235"},
        {"2.5", 4, "2.5"},
        {"1.23456789", 4, "1.2346"},
        {"2.5", 5, "2.5"},
        {"1.23456789", 5, "1.23457"},
        {"1.23456789", 9, "1.23457"},
        {"1.23456789", -1, "1.23457"},
        {"0", 4, "0.0"},
        {"2", 0, "2."},
        {"2", 1, "2."},
        {"5.", 2, "5.0"},
        {".5", 2, "0.5"},
        {"-.5", 2, "-0.5"},
        {"  2.5 ", 1, "2.5"},
        {"1D2", 0, "100."},
        {"0.000", 2, "0.0"},
    };
    for (const auto& [text, places, expected] : cases) {
        EXPECT_EQ(FormatDecimals(text, places), expected) << text << " with " << places;
    }
}

TEST(FormatDecimals, RoundsTheDecimalTextHalfAwayFromZero) {
    const std::vector<std::tuple<const char*, int, const char*>> cases = {
        {"2.675", 2, "2.68"},
        {"1.005", 2, "1.01"},
        {"-2.5", 0, "-3."},
        {"0.5", 0, "1."},
        {"-2.675", 2, "-2.68"},
        {"2.674999", 2, "2.67"},
        {"9.9999", 3, "10.0"},
        {"99.96", 1, "100."},
        {"0.00005", 4, "0.0001"},
        {"0.000049", 4, "0.0"},
        {"123456789012345.678", 2, "123456789012345.68"},
    };
    for (const auto& [text, places, expected] : cases) {
        EXPECT_EQ(FormatDecimals(text, places), expected) << text << " with " << places;
    }
}

TEST(FormatDecimals, NoNegativeZero) {
    EXPECT_EQ(FormatDecimals("-0.001", 2), "0.0");
    EXPECT_EQ(FormatDecimals("-0.004", 1), "0.");
    EXPECT_EQ(FormatDecimals("-0.4", 0), "0.");
    EXPECT_EQ(FormatDecimals("-0", 2), "0.0");
    EXPECT_EQ(FormatDecimals("-0.005", 2), "-0.01");
}

TEST(FormatDecimals, ExponentTexts) {
    EXPECT_EQ(FormatDecimals("1E-05", 5), "0.00001");
    EXPECT_EQ(FormatDecimals("1E-05", 4), "0.0");
    EXPECT_EQ(FormatDecimals("5E-05", 4), "0.0001");
    EXPECT_EQ(FormatDecimals("1.5E+20", 2), "150000000000000000000.0");
    EXPECT_EQ(FormatDecimals("-1.25E+2", 1), "-125.");
    EXPECT_EQ(FormatDecimals("1e-99999", 3), "0.0");
}

TEST(FormatDecimals, TextThatIsNoNumberComesBackUnchanged) {
    for (const char* text : {"", "abc", "3/8", "1e999", "1 5", "-", "inf", "nan"}) {
        EXPECT_EQ(FormatDecimals(text, 2), text);
    }
}

TEST(FormatValueDecimals, Patterns) {
    const std::vector<std::tuple<double, int, const char*>> cases = {
        {2.25, 1, "2.3"},
        {2.5, 0, "3"},
        {2.0, 1, "2."},
        {2.0, 0, "2"},
        {1.23456789, 4, "1.2346"},
        {2.675, 2, "2.68"},
        {1.005, 2, "1.01"},
        {1e-5, 5, "0.00001"},
        {-0.0001, 2, "0.0"},
        {-2.5, 0, "-3"},
        {1.5, 7, ""},
        {1.5, -1, ""},
        {1.5, 6, ""},
    };
    for (const auto& [value, places, expected] : cases) {
        EXPECT_EQ(FormatValueDecimals(value, places), expected) << value << " with " << places;
    }
    EXPECT_EQ(FormatValueDecimals(std::numeric_limits<double>::infinity(), 2), "");
    EXPECT_EQ(FormatValueDecimals(std::nan(""), 2), "");
}

TEST(DoubleToText15, ShortestFifteenDigitText) {
    const std::vector<std::pair<double, const char*>> cases = {
        {0.375, "0.375"},
        {-2.0, "-2"},
        {1e-5, "1E-05"},
        {1.5e20, "1.5E+20"},
        {0.0001, "0.0001"},
        {0.000123, "0.000123"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-0.0, "0"},
        {1e300, "1E+300"},
        {1e-300, "1E-300"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {25.4 * 0.0393700787401575, "1"},
        {100.0, "100"},
        {12.5, "12.5"},
        {-1234.5678, "-1234.5678"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(DoubleToText15(value), expected);
    EXPECT_EQ(DoubleToText15(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(DoubleToText15(std::nan("")), "");
}

// Every value written with three decimals ending in 5 must round up at two places, both
// from its text and through a double: no value may show one digit off.
TEST(FormatResult, HalvesNeverShowOneDigitOff) {
    for (int cents = 0; cents < 100000; ++cents) {
        const std::string whole = std::to_string(cents / 100);
        const std::string frac = std::to_string(100 + cents % 100).substr(1);
        const std::string text = whole + "." + frac + "5";
        const int up = cents + 1;
        const std::string expected =
            std::to_string(up / 100) + "." +
            (up % 100 % 10 == 0 ? std::to_string(up % 100 / 10 + 10).substr(1)
                                : std::to_string(100 + up % 100).substr(1));
        ASSERT_EQ(FormatDecimals(text, 2), expected) << text;
        ASSERT_EQ(FormatResult(std::stod(text), 2), expected) << text;
    }
}

}  // namespace
}  // namespace calc
