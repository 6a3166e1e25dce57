#pragma once

// Right-angle triangle from two known values.
//
// The right angle is at the bottom left; side b is the vertical leg, side a the
// horizontal leg, side c the hypotenuse; angle A lies between b and c (opposite a),
// angle B between a and c. Angles are in degrees. A value counts as known when it is
// greater than 0.

#include <array>

namespace calc {

enum class RtValue { SideA = 0, SideB, SideC, AngleA, AngleB };

struct RightTriangle {
    double a = 0;
    double b = 0;
    double c = 0;
    double A = 0;
    double B = 0;

    double Get(RtValue v) const;
    void Set(RtValue v, double value);
};

enum class RightTriangleStatus {
    Solved,
    TooMuchData,         // a third value beside the first complete pair
    NotEnoughData,       // no pair of two values with at least one side
    HypotenuseTooShort,  // c not greater than the given leg
    AngleTooLarge,       // a known angle of 90 degrees or more
    OutsideDomain,       // values too large (or too unbalanced) for any result to be finite
};

struct RightTriangleSolution {
    RightTriangleStatus status = RightTriangleStatus::NotEnoughData;
    RightTriangle values;               // the known values and, when solved, the rest
    std::array<bool, 5> computed = {};  // indexed by RtValue: filled in by the solver
};

// Tries the pairs (a,b) (b,A) (b,B) (b,c) (a,A) (a,B) (a,c) (c,A) (c,B) in this order;
// the first pair with both values known is solved, provided no other value is known.
RightTriangleSolution SolveRightTriangle(const RightTriangle& known);

}  // namespace calc
