#pragma once

// Bolt circle: holes spaced equally on a circle, the first at the start angle from the
// positive X axis (3 o'clock), the others following counter-clockwise.

#include <optional>
#include <string>

#include "calc/CalcEnv.h"
#include "holes/HolePattern.h"

namespace calc {

inline constexpr int kMinBoltCircleHoles = 2;
inline constexpr int kMaxBoltCircleHoles = 3000;

// The entry boxes as typed.
struct BoltCircleEntries {
    std::string holes;       // txtNumHoles
    std::string diameter;    // txtBoltCircleDiameter
    std::string startAngle;  // txtStartAngle, degrees
    std::string centreX;     // txtXcenter
    std::string centreY;     // txtYcenter
};

// The check Calculate and both conversions run first, with its messages: a missing
// count, a count that is not a whole number in any spelling ("2.5", "5/2", "25e-1"), a
// count outside 2 to 3000 (compared as read, before it becomes an integer), a missing
// diameter. True: accepted.
bool ValidateBoltCircleEntries(const CalcEnv& env, const BoltCircleEntries& entries);

// calculatePoints: `holes` points on the circle of `diameter` around (0, 0), the first at
// `startAngleDegrees`, then counter-clockwise in steps of 360° / holes.
HoleList BoltCirclePoints(int holes, double diameter, double startAngleDegrees);

// A solved pattern: holes relative to the centre, the centre and the diameter they were
// built with (in the same unit).
struct BoltCirclePattern {
    HoleList holes;
    double centreX = 0;
    double centreY = 0;
    double diameter = 0;
};

// Calculate: the check, then the holes from the entries (read with ParseNumberText).
// Refused when the check refuses, or, with MsgInvalidValue, when a coordinate could not
// be written: naming the diameter, the start angle or the centre. Nothing else is
// shown.
std::optional<BoltCirclePattern> SolveBoltCircle(const CalcEnv& env,
                                                 const BoltCircleEntries& entries);
// The same for entries ValidateBoltCircleEntries already accepted.
std::optional<BoltCirclePattern> BuildBoltCircle(const CalcEnv& env,
                                                 const BoltCircleEntries& entries);

// INCH TO MM / MM TO INCH: the pattern built from the entries as Calculate builds it,
// scaled (× 25.4, or ÷ 25.4) at full precision, and the new texts of the diameter and
// centre boxes (InchTextToMm / MmTextToInch, 15 digits, then the decimal places).
struct BoltCircleConversion {
    BoltCirclePattern pattern;
    std::string diameter;
    std::string centreX;
    std::string centreY;
};
std::optional<BoltCircleConversion> ConvertBoltCircle(const CalcEnv& env,
                                                      const BoltCircleEntries& entries,
                                                      bool toMillimetres, int places);
std::optional<BoltCircleConversion> ConvertCheckedBoltCircle(const CalcEnv& env,
                                                             const BoltCircleEntries& entries,
                                                             bool toMillimetres, int places);

// ---- The reference chart ------------------------------------------------------------
// The chart circle BoltCircle: 3735 twips across, its bounding box at (360, 1440).
inline constexpr int kBoltChartLeft = 360;
inline constexpr int kBoltChartTop = 1440;
inline constexpr int kBoltChartSize = 3735;
// Where hole numbers may go: left of the entries, above the diameter dimension.
inline constexpr ChartRect kBoltNumberBounds{60, 1000, 4380, 5240};
// The captions inside the chart, which numbers keep clear of: "Start angle, positive",
// "Start angle, negative" and "XC,YC".
inline constexpr ChartRect kBoltChartCaptions[] = {
    {2280, 2280, 2040, 225}, {2280, 3840, 2040, 225}, {1680, 3120, 600, 225}};
// The chart's X and Y axis lines through the centre (y 3315 and x 2235), as strips a
// pixel either side: a number on a line is hard to read, so numbers keep clear of them.
inline constexpr ChartRect kBoltChartAxes[] = {{120, 3300, 4200, 30}, {2220, 1080, 30, 4320}};

// DrawCircles as numbers: the pattern scaled to fill the chart circle (3735 / D twips
// per unit) around its centre (2228, 3308); markers of radius 100 twips; one thin line
// from the centre to hole 1; the hole numbers where they fit.
HoleChart BoltCircleChart(const BoltCirclePattern& pattern, const NumberMetrics& metrics = {});
ChartPoint BoltChartCentre();

}  // namespace calc
