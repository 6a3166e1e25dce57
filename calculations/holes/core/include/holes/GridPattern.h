#pragma once

// Grid pattern: nX × nY holes spaced by a signed step on each axis from a start point,
// listed in serpentine order (the first row outward along X, the next back, ...), so
// consecutive holes are always neighbours.

#include <optional>
#include <string>

#include "calc/CalcEnv.h"
#include "holes/HolePattern.h"

namespace calc {

inline constexpr int kMaxGridHoles = 2300;

// The entry boxes as typed.
struct GridEntries {
    std::string startX;  // txtXstart
    std::string holesX;  // txtNumHoleX
    std::string stepX;   // txtXincrement
    std::string startY;  // txtYstart
    std::string holesY;  // txtNumHoleY
    std::string stepY;   // txtYincrement
};

// ValidateGridEntries, with its messages: each count must be given, a whole number in
// any spelling and not negative; nX × nY at most 2300 (compared as read, before either
// becomes an integer); a missing step is reported in every case and refused only when
// its axis has more than one hole. True: accepted (the screen then writes "0.0" into an
// empty start box).
bool ValidateGridEntries(const CalcEnv& env, const GridEntries& entries);

// calculatePoints: offsets from the start point in serpentine order, X = column × stepX,
// Y = row × stepY. Nothing for counts below 1 or above the 2300 limit.
HoleList GridPoints(int holesX, int holesY, double stepX, double stepY);

struct GridPattern {
    HoleList holes;  // offsets from the start point
    double startX = 0;
    double startY = 0;
    int holesX = 0;
    int holesY = 0;
    double stepX = 0;
    double stepY = 0;
};

// Calculate: the check, then the holes from the entries (ParseNumberText). Refused when
// the check refuses, or, with MsgInvalidValue, when a coordinate could not be written:
// naming the start or the step of the axis it fails on.
std::optional<GridPattern> SolveGrid(const CalcEnv& env, const GridEntries& entries);
// The same for entries ValidateGridEntries already accepted (it shows messages even when
// it accepts, so it runs once).
std::optional<GridPattern> BuildGrid(const CalcEnv& env, const GridEntries& entries);

// INCH TO MM / MM TO INCH: the pattern built from the entries as Calculate builds it,
// scaled (× 25.4, or ÷ 25.4) at full precision, with the new texts of the start and step
// boxes (InchTextToMm / MmTextToInch, 15 digits, then the decimal places). The counts
// stay.
struct GridConversion {
    GridPattern pattern;
    std::string startX;
    std::string startY;
    std::string stepX;
    std::string stepY;
};
std::optional<GridConversion> ConvertGrid(const CalcEnv& env, const GridEntries& entries,
                                          bool toMillimetres, int places);
std::optional<GridConversion> ConvertCheckedGrid(const CalcEnv& env, const GridEntries& entries,
                                                 bool toMillimetres, int places);

// ---- The reference chart ------------------------------------------------------------
// Rect, the area the pattern is fitted into, and the "Start Point" caption lblXY.
inline constexpr ChartRect kGridRect{480, 840, 3015, 5655};
inline constexpr double kStartLabelWidth = 585;
inline constexpr double kStartLabelHeight = 435;
inline constexpr double kStartLabelLeft = 120;
// Markers are circles of this radius; the pattern is too dense for them when two
// neighbours would stand closer than a marker is wide.
inline constexpr double kGridMarkerRadius = 50;

struct GridChart : HoleChart {
    ChartPoint origin;          // the corner the pattern starts from
    double scale = 0;           // twips per unit
    bool markersShown = false;  // false: too dense, only the path is drawn
    ChartRect startLabel;       // where lblXY goes
};

// DrawCircles as numbers: the origin corner from the signs of the steps, the scale that
// fits the pattern into Rect keeping its proportions, markers (when not too dense),
// the path from hole to hole, the "Start Point" caption under or over the start corner
// (on the right when the X step is negative) and the hole numbers where they fit.
GridChart GridChartOf(const GridPattern& pattern, const NumberMetrics& metrics = {});

}  // namespace calc
