#pragma once

#include <optional>

// The theoretical finish left by a rounded cutting edge of radius r: a ball nose end mill
// stepping over by f between passes, or a lathe tool with nose radius r feeding f per
// revolution. Lengths in inches or millimetres; roughness in microinches or micrometres.
namespace calc {

// Micrometres per microinch.
inline constexpr double kMicrometrePerMicroinch = 0.0254;

// The peak (scallop) height between two passes: r - sqrt((r - f/2)(r + f/2)), computed in a
// form that neither overflows nor loses digits for a small f. Nothing when f is negative,
// f > 2r, r is not above 0 or the value is not finite.
std::optional<double> PeakHeight(double radius, double stepover);

// Ra = f^2 * 1000000 / (24 r) in millionths of the length unit (microinches for inches);
// the constant 24 is the one shop calculators print. Nothing unless f >= 0 and r > 0 and
// the value is finite.
std::optional<double> TheoreticalRoughness(double radius, double stepover);

}  // namespace calc
