#pragma once

// Oblique triangle from three known values in one of four arrangements.
//
// Angle A is at the top vertex, C at the bottom left, B at the bottom right; side a (the
// bottom) is opposite A, side b (left) opposite B, side c (right) opposite C. Angles are
// in degrees. Each computed value is taken to 15 significant digits before later steps
// use it, as the screen reads it back from its box.

#include <optional>

namespace calc {

struct ObliqueTriangle {
    double a = 0;
    double b = 0;
    double c = 0;
    double A = 0;
    double B = 0;
    double C = 0;
    bool operator==(const ObliqueTriangle&) const = default;
};

enum class ObliqueCase {
    OneSideTwoAngles,       // a, A, B known
    TwoSidesIncludedAngle,  // a, b, C
    TwoSidesOppositeAngle,  // a, b, A (B is the acute solution)
    AllSides,               // a, b, c
};

// The value rounded to 15 significant digits, as a box shows it before formatting.
double Round15(double value);

// Each returns the whole triangle (known values unchanged), or nothing when the values
// make no triangle: an arcsine or arccosine beyond ±1, a root of a negative, a division
// by zero, a result that is not finite, or an angle or side that comes out 0 or less
// (an obtuse A opposite the shorter side, a flat triangle such as 1, 1, 2).
std::optional<ObliqueTriangle> SideAangleAangleB(double a, double A, double B);
std::optional<ObliqueTriangle> SideAsideBangleC(double a, double b, double C);
std::optional<ObliqueTriangle> SideAsideBangleA(double a, double b, double A);
std::optional<ObliqueTriangle> ThreeSides(double a, double b, double c);

// Solves the arrangement from the values it uses (the others are ignored).
std::optional<ObliqueTriangle> SolveOblique(ObliqueCase arrangement, const ObliqueTriangle& known);

// Heron's area of three sides; sides that make no triangle (a negative product under
// the root, a side 0 or less) give 0.
double HeronArea(double a, double b, double c);

// The second solution of two sides and the opposite angle, from the values shown: the
// other angle B' = 180 - B, C' = 180 - B' - A and c' = a sin C' / sin A (B' and C' to 15
// significant digits first).
struct AlternateOblique {
    double B = 0;
    double C = 0;
    double c = 0;
};
AlternateOblique AlternateAnswer(double a, double A, double B);
// True when that second triangle exists: B' > 0, C' > 0, a sin C' > 0, A < B and B < 90.
bool HasAlternateAnswer(double a, double A, double B);

}  // namespace calc
