#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Numeric.h"
#include "calc/TestCalcEnv.h"

namespace calc {
namespace {

using Texts = std::vector<std::string>;

TEST(PlainNumber, Spellings) {
    for (const char* text : {"0", "12", "-1.5", "+.5", "5.", " 7 ", "\t8\t", "1e5", "1E+05", "2d3",
                             "1.5e-3", "007", "1E999"}) {
        EXPECT_TRUE(IsPlainNumber(text)) << text;
    }
    for (const char* text : {"", " ", ".", "-", "+", "1.2.3", "1e", "1e+", "1 5", "abc", "12abc",
                             "1,5", "e5", "1e5.0", "--1", "1/2", "1:2", "$5", "0x10"}) {
        EXPECT_FALSE(IsPlainNumber(text)) << text;
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::vector<std::pair<const char*, double>> cases = {
        {"12abc", 12},  {"abc", 0},     {"1 5", 15}, {"", 0},       {" - 2 . 5", -2.5},
        {"1.5.3", 1.5}, {"1e3x", 1000}, {"1e", 1},   {"1d2", 100},  {".5", 0.5},
        {"1e999", 0},   {"-", 0},       {"+7", 7},   {"1e-400", 0}, {"3 / 8", 3},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(LeadingNumber(text), expected) << text;
}

struct EntryCase {
    const char* text;
    double value;
    Texts messages;  // shown with the language set to English
};

TEST(ParseEntryText, ValuesAndMessages) {
    const std::vector<EntryCase> cases = {
        {"", 0, {}},
        {"3/8", 0.375, {}},
        {"2.5", 2.5, {}},
        {"-2", -1, {"Negative values are not allowed."}},
        {"1e-3", -1, {"Negative values are not allowed."}},
        {"abc", -1, {"'abc' is not Valid."}},
        {"1 a", -1, {"Do not insert spaces."}},
        {"/4", 0, {}},
        {"1/2/3", 0.5, {}},
        {"x/4", 0, {}},
        {"1 1/2", 5.5, {}},
        // A zero denominator or a number beyond a double is refused like any bad entry.
        {"3/0", -1, {"'3/0' is not Valid."}},
        {"3/abc", -1, {"'3/abc' is not Valid."}},
        {"1e999", -1, {"'1e999' is not Valid."}},
        {"1e300/0.0000000001", -1, {"'1e300/0.0000000001' is not Valid."}},
    };
    for (const EntryCase& c : cases) {
        TestCalcEnv t;
        t.SetLanguage("English");
        EXPECT_EQ(ParseEntryText(t.env, c.text), c.value) << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text;
        for (const RecordedMessage& m : t.messages.Messages()) {
            EXPECT_EQ(m.caption, "Calculations for Tarvik");
        }
    }
}

TEST(ParseEntryText, WithoutAStoredLanguageNoRefusalIsSilent) {
    TestCalcEnv t;
    EXPECT_EQ(ParseEntryText(t.env, "-2"), -1);
    EXPECT_EQ(ParseEntryText(t.env, "abc"), -1);
    EXPECT_EQ(t.messages.Texts(),
              (Texts{"Negative values are not allowed.", "'abc' is not Valid."}));
}

TEST(ParseNumberText, IsLenientAndSilent) {
    const std::vector<std::pair<const char*, double>> cases = {
        {"-2", -2},      {"abc", 0},   {"", 0},        {"3/0", 0},  {"3/8", 0.375},
        {"-1/4", -0.25}, {"1e999", 0}, {" 4.5 ", 4.5}, {"1D1", 10}, {"12abc", 0},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseNumberText(text), expected) << text;
}

TEST(IsNumberOrFraction, Cases) {
    for (const char* text : {"3/8", "3/ 8", "-2", "1.5", "1e3", "0"}) {
        EXPECT_TRUE(IsNumberOrFraction(text)) << text;
    }
    for (const char* text : {"3/0", "/4", "", "1/2/3", "abc", "1e999", "3/0.0", "x/4", "4/"}) {
        EXPECT_FALSE(IsNumberOrFraction(text)) << text;
    }
}

TEST(IsGivenValue, ReadsAboveZeroWithoutAMinus) {
    for (const char* text : {"3/8", "0.001", "5", "1E3"}) EXPECT_TRUE(IsGivenValue(text)) << text;
    for (const char* text : {"", "0", "0.0", "0/4", "-2", "1e-3", "abc", "3/0"})
        EXPECT_FALSE(IsGivenValue(text)) << text;
}

TEST(Conversions, UseTheFixedConstants) {
    EXPECT_EQ(MmTextToInch("25.4"), 1.0000000000000004);
    EXPECT_EQ(MmTextToInch("25.4"), 25.4 * 0.0393700787401575);
    for (int places = 2; places <= 5; ++places) {
        EXPECT_EQ(FormatResult(MmTextToInch("25.4"), places), "1.0") << places;
    }
    // "#0.#" keeps the point but no zero decimal.
    EXPECT_EQ(FormatResult(MmTextToInch("25.4"), 1), "1.");
    EXPECT_EQ(InchTextToMm("1/2"), 12.7);
    EXPECT_EQ(InchTextToMm("abc"), 0);
    EXPECT_EQ(InchTextToMm("1e308"), 0);  // would overflow
    EXPECT_EQ(DegreesToRadians(180), 3.14159265358979);
    EXPECT_EQ(RadiansToDegrees(3.14159265358979), 180);
    EXPECT_EQ(DegreesTextToRadians("90abc"), 90 * 3.14159265358979 / 180);
    EXPECT_EQ(DegreesTextToRadians("1/2"), 3.14159265358979 / 180);  // no fractions
    EXPECT_EQ(DegreesTextToRadians("1e308"), 0);
}

TEST(ShowNotValidEntry, Texts) {
    TestCalcEnv t;
    ShowNotValidEntry(t.env, "abc");
    ShowNotValidEntry(t.env, "1 a");
    EXPECT_EQ(t.messages.Texts(), (Texts{"'abc' is not Valid.", "Do not insert spaces."}));
    EXPECT_EQ(t.messages.Last().caption, "Calculations for Tarvik");
}

struct CheckCase {
    const char* text;
    bool accepted;
    Texts messages;
};

void RunChecks(const char* what, bool (*check)(const CalcEnv&, std::string_view, std::string_view),
               const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
        TestCalcEnv t;
        t.SetLanguage("English");
        EXPECT_EQ(check(t.env, c.text, "Side a"), c.accepted) << what << " " << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << what << " " << c.text;
    }
}

TEST(Checks, ValidateEntryBox) {
    const std::string invalid =
        "Please insert a valid amount into Side a. If the amount is less than one, you may "
        "enter a common fraction.";
    RunChecks("ValidateEntryBox", ValidateEntryBox,
              {{"0", true, {}},
               {"", true, {}},
               {"3/8", true, {}},
               {"-1", false, {"Side a needs a value greater than zero."}},
               {"abc", false, {invalid}},
               {"3/0", false, {invalid}}});
}

TEST(Checks, CheckWholeNumber) {
    const std::string integers = "Only Integers may be entered into the Side a field.";
    RunChecks("CheckWholeNumber", CheckWholeNumber,
              {{"5", true, {}},
               {"1e3", true, {}},
               {"-4", true, {}},
               {"5.0", false, {integers}},
               {"1/2", false, {integers}},
               {"1E-3", false, {integers}},  // 0.001 is no whole number either
               {"abc", false, {}},
               {"", false, {}}});
}

TEST(Checks, IsEntryMissing) {
    RunChecks("IsEntryMissing", IsEntryMissing,
              {{"", true, {"Side a needs a value greater than zero."}},
               {"0", true, {"Side a needs a value greater than zero."}},
               {" 0.00 ", true, {"Side a needs a value greater than zero."}},
               {"0/5", true, {"Side a needs a value greater than zero."}},
               {"0/1", true, {"Side a needs a value greater than zero."}},
               {"0E3", true, {"Side a needs a value greater than zero."}},
               {"3/0", true, {"Side a needs a value greater than zero."}},
               {"1/8", false, {}},
               {"5", false, {}}});
}

TEST(Checks, LimitsAndAngleSum) {
    TestCalcEnv t;
    t.SetLanguage("English");
    EXPECT_TRUE(CheckBelowLimit(t.env, "2299", "Holes", 2300));
    EXPECT_FALSE(CheckBelowLimit(t.env, "2300", "Holes", 2300));
    EXPECT_TRUE(CheckAngleSumBelow180(t.env, "90", "89.9", "Angle B"));
    EXPECT_FALSE(CheckAngleSumBelow180(t.env, "90", "90", "Angle B"));
    EXPECT_TRUE(CheckNotNegative(t.env, "0", "Side a"));
    EXPECT_EQ(t.messages.Texts(), (Texts{"You entered an invalid value for Holes.",
                                         "You entered an invalid value for Angle B."}));
}

TEST(Checks, GermanMessagesAndEnglishWithoutAStoredLanguage) {
    TestCalcEnv t;
    t.SetLanguage("German");
    EXPECT_FALSE(ValidateEntryBox(t.env, "-1", "Seite b"));
    EXPECT_EQ(t.messages.Last(),
              (RecordedMessage{"Seite b muss größer als null sein.", "Arbormate", MsgIcon::None}));
    t.SetLanguage("");
    t.messages.Clear();
    EXPECT_FALSE(ValidateEntryBox(t.env, "-1", "Side b"));
    EXPECT_FALSE(CheckEntryIsNumber(t.env, "abc", "Side b"));
    EXPECT_EQ(t.messages.Texts(),
              (Texts{"Side b needs a value greater than zero.",
                     "Please insert a valid amount into Side b. If the amount is less than one, "
                     "you may enter a common fraction."}));
}

TEST(DecimalPlaces, BoxTextAndCount) {
    const std::vector<std::tuple<const char*, const char*, bool>> cases = {
        {"", "0", false},   {"2.6", "3", false},  {"2.5", "2", false}, {"3.5", "4", false},
        {"5", "5", false},  {"-0.4", "0", false}, {"6", "4", true},    {"-1", "4", true},
        {"abc", "4", true}, {"1e99", "4", true},  {"5.5", "4", true},
    };
    for (const auto& [text, expected, message] : cases) {
        TestCalcEnv t;
        EXPECT_EQ(CheckDecimalPlacesText(t.env, text), expected) << text;
        EXPECT_EQ(t.messages.Texts(), message ? Texts{"Maximum decimal places is 5."} : Texts{})
            << text;
    }
    EXPECT_EQ(DecimalPlacesFromText("2.5"), 2);
    EXPECT_EQ(DecimalPlacesFromText("3.5"), 4);
    EXPECT_EQ(DecimalPlacesFromText("1e99"), 32767);
    EXPECT_EQ(DecimalPlacesFromText("-1e99"), -32768);
    EXPECT_EQ(DecimalPlacesFromText("abc"), 0);
}

TEST(ParseRatio, Cases) {
    const std::string format =
        "Please enter the ratio in the format '1:x', or switch to Inch system.";
    const std::vector<EntryCase> cases = {
        {"", 0, {}},
        {"1:50", 50, {}},
        {"x:20", 20, {}},  // the part before ":" is not read
        {"1/2", 0, {"'/' is not allowed."}},
        {"1:-5", -5, {"Negative values are not allowed."}},
        {"1:abc", -1, {"'abc' is not Valid."}},
        {"150", 0, {format}},
    };
    for (const EntryCase& c : cases) {
        TestCalcEnv t;
        EXPECT_EQ(ParseRatio(t.env, c.text), c.value) << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text;
    }
    TestCalcEnv t;
    ParseRatio(t.env, "150");
    EXPECT_EQ(t.messages.Last().icon, MsgIcon::Information);
}

TEST(ParseTaperEntry, Cases) {
    struct Case {
        const char* text;
        const char* ratioBox;
        const char* caption;
        double value;
        Texts messages;
    };
    const std::string metricOnly = "Ratio format '1:x' is for the Metric system only";
    const std::string format =
        "Please enter the ratio in the format '1:x', or switch to Inch system.";
    const std::vector<Case> cases = {
        {"1:50", "1:50", "Metric system", 0.02, {}},
        {"1:50", "1:50", "Inch system", 0, {metricOnly}},
        {"0.5", "50", "Metric system", 0, {format}},
        {"0.5", "", "Metric system", 0.5, {}},
        {"0.5", "1:20", "Metric system", 0.5, {}},
        {"3/8", "", "Inch system", 0.375, {}},
        {"", "", "Inch system", 0, {}},
        {"abc", "", "Inch system", -1, {"'abc' is not Valid."}},
        {"-0.5", "", "Inch system", -0.5, {"Negative values are not allowed."}},
        {"1:-4", "1:-4", "Metric system", -0.25, {"Negative values are not allowed."}},
        {"1:x", "1:x", "Metric system", -1, {"'x' is not Valid."}},
        // Refused instead of dividing by zero.
        {"1:0", "1:0", "Metric system", -1, {"'1:0' is not Valid."}},
        {"1:2/3", "1:2/3", "Metric system", -1, {"'/' is not allowed."}},
        {"3/0", "", "Inch system", -1, {"'3/0' is not Valid."}},
        {"1:1e-320", "1:1e-320", "Metric system", -1, {"'1:1e-320' is not Valid."}},
    };
    for (const Case& c : cases) {
        TestCalcEnv t;
        EXPECT_EQ(ParseTaperEntry(t.env, c.text, c.ratioBox, c.caption), c.value) << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text << " / " << c.ratioBox;
    }
}

TEST(Points, StartAtZero) {
    point p;
    RealPoint r;
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(r.X, 0.0);
    EXPECT_EQ(r.Y, 0.0);
    p.X = -32768;
    r.Y = 1.5;
    EXPECT_EQ(p.X, -32768);
    EXPECT_EQ(r.Y, 1.5);
}

}  // namespace
}  // namespace calc
