#pragma once

#include <string>
#include <string_view>

#include "calc/CalcEnv.h"

// The arithmetic of the speeds and feeds screen over the texts of its boxes. Values are
// carried as display text: every step reads the boxes as earlier steps left them.
namespace calc {

// Spindle speed = surface speed * constant / diameter.
inline constexpr double kSpeedConstantInch = 3.819718634;    // feet/min, inch
inline constexpr double kSpeedConstantMetric = 318.3098862;  // metres/min, mm

enum class SpeedMode { SurfaceSpeed, Rpm };  // optSSpeed, optRPM
enum class FeedMode {
    PerRev,
    PerTooth,
    PerMinute
};  // optFeedRev, optFeedFlute, optInchesPerMinute

// The texts of the screen's boxes.
struct SpeedFeedBoxes {
    std::string dia = "0";              // txtDia
    std::string sSpeed = "0";           // txtSSpeed
    std::string rpm = "0";              // txtRPM
    std::string feedRev = "0";          // txtFeedRev
    std::string feedFlute = "0";        // txtFeedFlute
    std::string inchesPerMinute = "0";  // txtInchesPerMinute
    std::string numFlutes = "1";        // cboNumFlutes
    std::string pointAngle = "118";     // txtPointAngle
    std::string drlPoint = "0";         // txtDrlPoint
    std::string drlDepth = "0";         // txtDrlDepth
    std::string totalDepth = "0";       // txtTotalDepth
    bool operator==(const SpeedFeedBoxes&) const = default;
};

struct SpeedFeedOptions {
    bool metric = false;
    SpeedMode speed = SpeedMode::SurfaceSpeed;
    FeedMode feed = FeedMode::PerRev;
    bool drillingShown = false;
    int places = 4;  // decimal places of the results
};

double SpeedConstant(bool metric);

// Whether Calculate may go on; shows why not.
bool CheckDrillingEntries(const CalcEnv& env, const SpeedFeedBoxes& boxes, bool drillingShown);
// Fills in the one missing value of diameter, point angle and point length; false when
// the result would not be finite (nothing written).
bool SolveDrillPoint(SpeedFeedBoxes& boxes, int places);
// Speeds and feeds; false (after "RPM needs a value greater than zero.") when a step
// failed arithmetically: the steps after it are skipped.
bool SolveSpeedAndFeed(const CalcEnv& env, SpeedFeedBoxes& boxes, const SpeedFeedOptions& options);
// Full-diameter depth and total depth from each other and the point length.
void UpdateDepths(SpeedFeedBoxes& boxes);
// CALCULATE: the four steps above in order. False when the entries were refused or a
// step failed arithmetically; then every box stays as it was.
bool CalculateSpeedFeed(const CalcEnv& env, SpeedFeedBoxes& boxes, const SpeedFeedOptions& options);

// The unit switches: lengths converted once and formatted with `places`, the surface
// speed converted between feet and metres per minute.
void ConvertBoxesToMetric(SpeedFeedBoxes& boxes, int places);
void ConvertBoxesToInch(SpeedFeedBoxes& boxes, int places);

// The value's 15-digit text rounded to a whole number, halves to the even neighbour.
// False when it does not fit a 32-bit whole number.
bool WholeNumberText(double value, std::string& out);

// Leaving a box. Rule R: empty becomes "0" (or stays empty with keepEmpty); an entry
// ParseEntryText refuses (its message shown) or reads as 0 becomes "0"; anything else
// stays as typed. Returns the new text.
std::string ApplyEntryRule(const CalcEnv& env, std::string_view text, bool keepEmpty = false);
// The point angle after rule R: "You entered an invalid value for <text>." when it is
// 180 or more (the text stays).
void CheckPointAngle(const CalcEnv& env, std::string_view text);

// The teeth check of the number of teeth box: true when the focus may leave. A missing
// (zero) count is refused and the text becomes "1".
bool CheckNumberOfTeeth(const CalcEnv& env, std::string& text);

// The printed answer, lines separated by line feed + carriage return.
std::string BuildSpeedFeedPrintText(const CalcEnv& env, const SpeedFeedBoxes& boxes, bool metric);

}  // namespace calc
