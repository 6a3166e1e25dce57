#pragma once

#include <optional>

// The geometry of a turned taper: large diameter D, small diameter d, length L along the
// axis, angle per side a (degrees; the included angle is 2a) and the taper, given as taper
// per foot (inch system: TPF = 12 (D - d) / L) or as the ratio 1:x (metric system:
// x = L / (D - d), the length over which the diameter changes by 1).
//
// Every function returns nothing when its arithmetic has no finite answer (a division by
// zero, an angle outside 0 < a < 90); the screen then writes nothing.
namespace calc {

// Largest angle per side (exclusive) and included angle (exclusive) a taper can have.
inline constexpr double kMaxAnglePerSide = 90.0;
inline constexpr double kMaxIncludedAngle = 180.0;

// ---- From an angle per side (0 < a < 90) --------------------------------------------
// 24 / tan(90 - a): the taper per foot.
std::optional<double> TaperPerFootFromAngle(double anglePerSide);
// x of the ratio 1:x: tan(90 - a) / 2.
std::optional<double> MetricRatioFromAngle(double anglePerSide);

// ---- Angle per side from a taper ----------------------------------------------------
// atan(TPF / 24).
double AngleFromTaperPerFoot(double taperPerFoot);
// atan(T / 2) with T = 1 / x the metric taper as a value.
double AngleFromMetricTaper(double taper);
// atan(((D - d) / 2) / L).
std::optional<double> AngleFromDimensions(double large, double small, double length);

// ---- The taper from the three dimensions ---------------------------------------------
// 1 / (L / (D - d) / 12); nothing when D equals d (no taper) or L is 0.
std::optional<double> TaperPerFoot(double large, double small, double length);
// L / (D - d); nothing when D equals d.
std::optional<double> MetricRatio(double large, double small, double length);

// ---- One dimension from the other two and the taper per foot T -----------------------
std::optional<double> LengthFromTaperPerFoot(double large, double small, double taperPerFoot);
double LargeFromTaperPerFoot(double length, double small, double taperPerFoot);
double SmallFromTaperPerFoot(double large, double length, double taperPerFoot);

// ---- One dimension from the other two and the angle per side a (metric steps) -------
std::optional<double> LengthFromAngle(double large, double small, double anglePerSide);
std::optional<double> LargeFromAngle(double length, double small, double anglePerSide);
std::optional<double> SmallFromAngle(double large, double length, double anglePerSide);

// ---- Between the two ways of writing a taper ----------------------------------------
// x = 1 / (TPF / 12); nothing for a taper of 0.
std::optional<double> RatioFromTaperPerFoot(double taperPerFoot);
// TPF = 1 / x * 12; nothing for x = 0.
std::optional<double> TaperPerFootFromRatio(double ratio);

}  // namespace calc
