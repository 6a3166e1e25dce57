#pragma once

// What the bolt circle and grid pattern screens share: the hole list, the coordinate
// lines a CNC program takes, and the chart of a pattern as plain numbers (twips from the
// screen's top-left corner), so that painting only draws what a calculation stored.

#include <optional>
#include <string>
#include <vector>

#include "calc/Numeric.h"

namespace calc {

// Hole centres relative to the pattern's reference point (circle centre or start point).
using HoleList = std::vector<RealPoint>;

// Coordinates are written through 15-digit text, which turns to exponent form from
// 1E15 on; a coordinate must be finite and smaller than this in size to be written.
inline constexpr double kCoordinateLimit = 1e15;
bool IsWritableCoordinate(double value);

// Coordinate lists end every line with carriage return then line feed.
inline constexpr const char* kCoordinateLineEnd = "\r\n";

// One line per hole in list order: "X" + x + " Y" + y + CR LF, with x = offsetX + X and
// y = offsetY + Y each through FormatDecimals of its 15-digit text; when `insertLine` is
// given, that text + CR LF follows every hole, the last included.
std::string CoordinateLines(const HoleList& holes, double offsetX, double offsetY, int places,
                            const std::optional<std::string>& insertLine);

// Whether every hole, moved by the offset, can be written (IsWritableCoordinate).
bool AllWritable(const HoleList& holes, double offsetX, double offsetY);

// ---- Chart geometry (twips, screen y grows downward) ---------------------------------
struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    // Overlap of the insides (touching edges do not count).
    bool Intersects(const ChartRect& other) const;
    bool Contains(const ChartRect& other) const;
};

struct ChartLine {
    ChartPoint from;
    ChartPoint to;
};

// A hole's number (1 = the first hole drilled) and the box its text is centred in.
struct HoleNumber {
    int number = 0;
    ChartRect box;
};

// The size of a number's text: width per digit and height, in twips.
struct NumberMetrics {
    double digitWidth = 105;
    double height = 195;
};

struct HoleChart {
    std::vector<ChartPoint> markers;  // circle centres, in list order
    double markerRadius = 0;
    int markerLineWidth = 2;
    std::vector<ChartLine> lines;  // thin lines (bolt circle: centre to hole 1; grid: path)
    std::vector<HoleNumber> numbers;
};

// Numbers the markers where their text fits: each number sits just outside its marker,
// away from `patternCentre` where it can (then towards it, then on a diagonal), inside
// `bounds`, clear of every marker, of every number already placed and of `obstacles`.
// Holes are tried in list order, so the first hole is always numbered when it fits at
// all; a hole whose number cannot go anywhere stays unnumbered.
std::vector<HoleNumber> PlaceHoleNumbers(const std::vector<ChartPoint>& markers,
                                         double markerRadius, ChartPoint patternCentre,
                                         const NumberMetrics& metrics, const ChartRect& bounds,
                                         const std::vector<ChartRect>& obstacles = {});

// A length converted at full precision: × 25.4 to millimetres, ÷ 25.4 to inches (the
// hole lists scale by 25.4 either way; boxes use the conversion helpers).
double ScaleLength(double value, bool toMillimetres);
// Every hole of the list converted with ScaleLength.
void ScaleHoles(HoleList& holes, bool toMillimetres);

}  // namespace calc
