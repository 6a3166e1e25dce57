#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/TestCalcEnv.h"
#include "speedfeed/SpeedFeedCalc.h"

namespace calc {
namespace {

using Texts = std::vector<std::string>;

class SpeedFeed : public ::testing::Test {
protected:
    SpeedFeed() { t.SetLanguage("English"); }
    TestCalcEnv t;
};

struct CalcCase {
    const char* what;
    SpeedFeedBoxes before;
    SpeedFeedOptions options;
    SpeedFeedBoxes after;
    Texts messages;
};

SpeedFeedBoxes Boxes(const char* dia, const char* sSpeed, const char* rpm) {
    SpeedFeedBoxes b;
    b.dia = dia;
    b.sSpeed = sSpeed;
    b.rpm = rpm;
    return b;
}

TEST_F(SpeedFeed, CalculateTable) {
    std::vector<CalcCase> cases;
    {
        CalcCase c{
            "inch, surface speed given, drilling hidden", Boxes("0.5", "100", "0"), {}, {}, {}};
        c.after = c.before;
        c.after.rpm = "764";
        c.after.drlPoint = "0.1502";  // the hidden point length is filled in too
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"feed per tooth", Boxes("0.5", "100", "0"), {}, {}, {}};
        c.options.feed = FeedMode::PerTooth;
        c.before.numFlutes = "4";
        c.before.feedFlute = "0.002";
        c.after = c.before;
        c.after.rpm = "764";
        c.after.drlPoint = "0.1502";
        c.after.inchesPerMinute = "6.112";
        c.after.feedRev = "0.008";
        cases.push_back(c);
    }
    {
        CalcCase c{"metric surface speed", Boxes("10", "30", "0"), {}, {}, {}};
        c.options.metric = true;
        c.after = c.before;
        c.after.rpm = "955";
        c.after.drlPoint = "3.0043";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"spindle speed given, inch", Boxes("0.5", "0", "1000"), {}, {}, {}};
        c.options.speed = SpeedMode::Rpm;
        c.after = c.before;
        c.after.sSpeed = "131";
        c.after.drlPoint = "0.1502";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"spindle speed given, metric", Boxes("10", "0", "1000"), {}, {}, {}};
        c.options.speed = SpeedMode::Rpm;
        c.options.metric = true;
        c.after = c.before;
        c.after.sSpeed = "31.42";
        c.after.drlPoint = "3.0043";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"diameter from both speeds", Boxes("0", "100", "764"), {}, {}, {}};
        c.after = c.before;
        c.after.dia = "0.5";
        c.after.rpm = "764";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"drill point length and total depth", Boxes("0.5", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.drlDepth = "1";
        c.after = c.before;
        c.after.drlPoint = "0.1502";
        c.after.totalDepth = "1.1502";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"diameter from point length and angle", Boxes("0", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.drlPoint = "0.1502";
        c.after = c.before;
        c.after.dia = "0.4999";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"angle from diameter and point length", Boxes("0.5", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.drlPoint = "0.1502";
        c.before.pointAngle = "0";
        c.after = c.before;
        c.after.pointAngle = "118.0051";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"only the angle", Boxes("0", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.after = c.before;
        c.messages = {"Point Length or Diameter of Tool should be greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"nothing at all", Boxes("0", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.pointAngle = "";
        c.after = c.before;
        c.messages = {
            "Diameter of Tool or Point Length or Point Angle should be greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"diameter without angle or length", Boxes("0.5", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.pointAngle = "0";
        c.after = c.before;
        c.messages = {"Point Angle or Point Length should be greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"point length without angle", Boxes("0", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.pointAngle = "";
        c.before.drlPoint = "0.15";
        c.after = c.before;
        c.messages = {"Point Angle or Point Length should be greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"negative full depth shows 0", Boxes("0.5", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.drlPoint = "0.1502";
        c.before.totalDepth = "0.1";
        c.after = c.before;
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"full depth from total depth", Boxes("0.5", "0", "0"), {}, {}, {}};
        c.options.drillingShown = true;
        c.before.drlPoint = "0.1502";
        c.before.totalDepth = "1";
        c.after = c.before;
        c.after.drlDepth = "0.8498";
        c.after.inchesPerMinute = "0.0";
        c.after.feedFlute = "0.0";
        cases.push_back(c);
    }
    {
        CalcCase c{"hidden, no diameter", Boxes("0", "100", "0"), {}, {}, {}};
        c.after = c.before;
        c.messages = {"Diameter of Tool needs a value greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"feed per tooth with spindle speed 0", Boxes("0", "0", "0"), {}, {}, {}};
        c.options.speed = SpeedMode::Rpm;
        c.options.feed = FeedMode::PerTooth;
        c.options.drillingShown = true;
        c.before.drlPoint = "0.1502";
        c.before.feedFlute = "0.002";
        // The division by the spindle speed fails: nothing is written, not even the
        // diameter the drill point gave before it.
        c.after = c.before;
        c.messages = {"RPM needs a value greater than zero."};
        cases.push_back(c);
    }
    {
        CalcCase c{"empty feed per tooth computes no feeds", Boxes("0.5", "100", "0"), {}, {}, {}};
        c.options.feed = FeedMode::PerTooth;
        c.before.feedFlute = "";
        c.after = c.before;
        c.after.rpm = "764";
        c.after.drlPoint = "0.1502";
        cases.push_back(c);
    }
    {
        CalcCase c{"feed per minute given", Boxes("1", "200", "0"), {}, {}, {}};
        c.options.feed = FeedMode::PerMinute;
        c.before.inchesPerMinute = "12";
        c.before.numFlutes = "3";
        c.options.places = 3;
        c.after = c.before;
        c.after.rpm = "764";
        c.after.drlPoint = "0.3";
        c.after.feedRev = "0.016";
        c.after.feedFlute = "0.005";
        cases.push_back(c);
    }
    {
        CalcCase c{
            "a spindle speed beyond a whole number fails", Boxes("1E-9", "1000", "0"), {}, {}, {}};
        c.after = c.before;
        c.messages = {"RPM needs a value greater than zero."};
        cases.push_back(c);
    }

    for (const CalcCase& c : cases) {
        SCOPED_TRACE(c.what);
        t.messages.Clear();
        SpeedFeedBoxes boxes = c.before;
        CalculateSpeedFeed(t.env, boxes, c.options);
        EXPECT_EQ(boxes.dia, c.after.dia);
        EXPECT_EQ(boxes.sSpeed, c.after.sSpeed);
        EXPECT_EQ(boxes.rpm, c.after.rpm);
        EXPECT_EQ(boxes.feedRev, c.after.feedRev);
        EXPECT_EQ(boxes.feedFlute, c.after.feedFlute);
        EXPECT_EQ(boxes.inchesPerMinute, c.after.inchesPerMinute);
        EXPECT_EQ(boxes.pointAngle, c.after.pointAngle);
        EXPECT_EQ(boxes.drlPoint, c.after.drlPoint);
        EXPECT_EQ(boxes.drlDepth, c.after.drlDepth);
        EXPECT_EQ(boxes.totalDepth, c.after.totalDepth);
        EXPECT_EQ(t.messages.Texts(), c.messages);
    }
}

TEST_F(SpeedFeed, SurfaceSpeedEnteredIsMadeWholeHalvesToEven) {
    SpeedFeedBoxes boxes = Boxes("1", "100.5", "0");
    SolveSpeedAndFeed(t.env, boxes, {});
    EXPECT_EQ(boxes.sSpeed, "100");
    boxes = Boxes("1", "101.5", "0");
    SolveSpeedAndFeed(t.env, boxes, {});
    EXPECT_EQ(boxes.sSpeed, "102");
    EXPECT_EQ(boxes.rpm, "388");  // 101.5 * 3.819718634 = 387.7
}

TEST_F(SpeedFeed, APointAngleOf180OrMoreStopsCalculateInsteadOfANegativeLength) {
    SpeedFeedBoxes boxes = Boxes("0.5", "0", "0");
    boxes.pointAngle = "200";
    SpeedFeedOptions options;
    options.drillingShown = true;
    EXPECT_FALSE(CalculateSpeedFeed(t.env, boxes, options));
    EXPECT_EQ(t.messages.Texts(), Texts{"You entered an invalid value for 200."});
    EXPECT_EQ(boxes.drlPoint, "0");

    // Hidden, the impossible angle is left alone and the speeds still come out.
    t.messages.Clear();
    boxes = Boxes("0.5", "100", "0");
    boxes.pointAngle = "180";
    EXPECT_TRUE(CalculateSpeedFeed(t.env, boxes, {}));
    EXPECT_EQ(boxes.drlPoint, "0");
    EXPECT_EQ(boxes.rpm, "764");
    EXPECT_TRUE(t.messages.Empty());
}

TEST_F(SpeedFeed, UnitSwitchRoundTrip) {
    SpeedFeedBoxes boxes = Boxes("0.5", "100", "764");
    boxes.feedRev = "";
    ConvertBoxesToMetric(boxes, 4);
    EXPECT_EQ(boxes.dia, "12.7");
    EXPECT_EQ(boxes.sSpeed, "30.48");
    EXPECT_EQ(boxes.rpm, "764");
    EXPECT_EQ(boxes.feedRev, "0.0");  // an empty box reads as 0
    EXPECT_EQ(boxes.drlDepth, "0.0");
    EXPECT_EQ(boxes.pointAngle, "118");
    EXPECT_EQ(boxes.numFlutes, "1");
    ConvertBoxesToInch(boxes, 4);
    EXPECT_EQ(boxes.dia, "0.5");
    EXPECT_EQ(boxes.sSpeed, "100");

    boxes = Boxes("3/8", "0", "0");
    ConvertBoxesToMetric(boxes, 2);
    EXPECT_EQ(boxes.dia, "9.53");
    EXPECT_EQ(boxes.sSpeed, "0.0");
    ConvertBoxesToInch(boxes, 5);
    EXPECT_EQ(boxes.dia, "0.3752");  // 9.53 mm, as the box showed it
    EXPECT_EQ(boxes.sSpeed, "0");

    // Too big for a whole number of 32 bits: still a whole number, nothing fails.
    boxes = Boxes("0", "1E12", "0");
    ConvertBoxesToInch(boxes, 4);
    EXPECT_EQ(boxes.sSpeed, "3280839895000");
}

TEST_F(SpeedFeed, EntryRuleOnLeavingABox) {
    const struct {
        const char* text;
        bool keepEmpty;
        const char* after;
        Texts messages;
    } cases[] = {
        {"", false, "0", {}},
        {"", true, "", {}},
        {"3/8", false, "3/8", {}},
        {"0.25", false, "0.25", {}},
        {"0", false, "0", {}},
        {"-2", false, "0", {"Negative values are not allowed."}},
        {"abc", false, "0", {"'abc' is not Valid."}},
        {"1 a", true, "0", {"Do not insert spaces."}},
    };
    for (const auto& c : cases) {
        t.messages.Clear();
        EXPECT_EQ(ApplyEntryRule(t.env, c.text, c.keepEmpty), c.after) << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text;
    }
}

TEST_F(SpeedFeed, PointAngleAndTeethChecks) {
    CheckPointAngle(t.env, "179.9");
    EXPECT_TRUE(t.messages.Empty());
    CheckPointAngle(t.env, "200");
    EXPECT_EQ(t.messages.Texts(), Texts{"You entered an invalid value for 200."});

    const struct {
        const char* text;
        bool leaves;
        const char* after;
        Texts messages;
    } teeth[] = {
        {"4", true, "4", {}},
        {"2.5", false, "2.5", {"Only Integers may be entered into the Number of Teeth field."}},
        {"1/2", false, "1/2", {"Only Integers may be entered into the Number of Teeth field."}},
        {"0", false, "1", {"Number of Teeth needs a value greater than zero."}},
        {"", false, "", {}},
        {"-3", false, "-3", {"Number of Teeth needs a value greater than zero."}},
        {"x",
         false,
         "x",
         {"Please insert a valid amount into Number of Teeth. If the amount is less than one, "
          "you may enter a common fraction."}},
    };
    for (const auto& c : teeth) {
        t.messages.Clear();
        std::string text = c.text;
        EXPECT_EQ(CheckNumberOfTeeth(t.env, text), c.leaves) << c.text;
        EXPECT_EQ(text, c.after) << c.text;
        EXPECT_EQ(t.messages.Texts(), c.messages) << c.text;
    }
}

TEST_F(SpeedFeed, PrintTextInBothUnits) {
    SpeedFeedBoxes boxes = Boxes("0.5", "100", "764");
    boxes.feedRev = "0.008";
    boxes.feedFlute = "0.002";
    boxes.inchesPerMinute = "6.112";
    EXPECT_EQ(BuildSpeedFeedPrintText(t.env, boxes, false),
              "Speed Data\n\r\n\rDiameter of workpiece or cutting tool: 0.5\n\r"
              "Surface speed in Feet/Min: 100\n\rRPM: 764\n\rFeed Data\n\r"
              "Inches per Revolution(Thread Pitch): 0.008\n\rInches per tooth: 0.002\n\r"
              "Inches per Minute: 6.112");
    EXPECT_EQ(BuildSpeedFeedPrintText(t.env, boxes, true),
              "Speed Data\n\r\n\rDiameter of workpiece or cutting tool: 0.5\n\r"
              "Surface speed in M/Min: 100\n\rRPM: 764\n\rFeed Data\n\r"
              "MM per Revolution(Thread Pitch): 0.008\n\rMM per tooth: 0.002\n\r"
              "MM per Minute: 6.112");
}

}  // namespace
}  // namespace calc
