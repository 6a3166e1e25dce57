#pragma once

// A circular segment of up to half a circle: arc radius r, included angle a (degrees,
// at the centre), chord height h (the sagitta), chord length c and arc length l. Any two
// of them give the other three.

#include <array>
#include <optional>

namespace calc {

enum class ChordValue { InclAngle = 0, ChordLength, ChordHeight, ArcLength, ArcRadius };

struct ChordValues {
    double a = 0;  // included angle, degrees
    double c = 0;  // chord length
    double h = 0;  // chord height
    double l = 0;  // arc length
    double r = 0;  // arc radius

    double Get(ChordValue v) const;
    void Set(ChordValue v, double value);
};

enum class ChordStatus {
    Solved,
    NoPair,                   // fewer than two values known: nothing to do
    AngleNotBelow180,         // (r, a): "Angle must be less than 180 degrees"
    HeightNotBelowRadius,     // (r, h): "'h' must be less than 'r'"
    ArcTooLong,               // (r, l) and (l, h): "'c' will be bigger than arc diameter."
    ChordNotBelowDiameter,    // (r, c): "'c' must be less than 2(r)"
    ChordTooShortForArc,      // (c, l): "'c' is bigger than arc diameter."
    HeightNotBelowHalfChord,  // (c, h): "'c' must be bigger than 2(r)"
    Impossible,               // the arithmetic has no answer: "Impossible data entered."
};

struct ChordSolution {
    ChordStatus status = ChordStatus::NoPair;
    ChordValues values;                 // known values and, when solved, the rest
    std::array<bool, 5> computed = {};  // indexed by ChordValue
};

// Tries the pairs (r,a) (r,h) (r,l) (r,c) (a,h) (a,l) (a,c) (c,l) (c,h) (l,h) in this
// order; the first with both values above 0 is solved and any further value is
// replaced. The status names the failed condition.
ChordSolution SolveChord(const ChordValues& known);

// The message for a status other than Solved and NoPair.
const char* ChordMessage(ChordStatus status);

// Newton solutions for the half angle x (radians) of the two pairs without a closed
// form: sin x / x = k (chord over arc, 2/pi < k < 1) and (1 - cos x) / x = k (twice the
// height over the arc, 0 < k < 2/pi). Each step is taken until it is below 1e-12 of the
// value (at most 50 steps); the last iterate is returned. Nothing when the iteration
// fails or does not settle on a half angle in (0, pi/2].
std::optional<double> GetX_for_SinX_by_X_Newton(double k);
std::optional<double> GetX_for_cosX_by_X_Newton(double k);

}  // namespace calc
