#include "triangles/RightTriangle.h"

#include <cmath>

#include "calc/Domain.h"
#include "calc/Numeric.h"

namespace calc {

namespace {

double Rad(double degrees) {
    return DegreesToRadians(degrees);
}
double Deg(double radians) {
    return RadiansToDegrees(radians);
}

struct Pair {
    RtValue first;
    RtValue second;
};

constexpr Pair kPairs[] = {
    {RtValue::SideA, RtValue::SideB},  {RtValue::SideB, RtValue::AngleA},
    {RtValue::SideB, RtValue::AngleB}, {RtValue::SideB, RtValue::SideC},
    {RtValue::SideA, RtValue::AngleA}, {RtValue::SideA, RtValue::AngleB},
    {RtValue::SideA, RtValue::SideC},  {RtValue::SideC, RtValue::AngleA},
    {RtValue::SideC, RtValue::AngleB},
};

}  // namespace

double RightTriangle::Get(RtValue v) const {
    switch (v) {
        case RtValue::SideA:
            return a;
        case RtValue::SideB:
            return b;
        case RtValue::SideC:
            return c;
        case RtValue::AngleA:
            return A;
        case RtValue::AngleB:
            return B;
    }
    return 0;
}

void RightTriangle::Set(RtValue v, double value) {
    switch (v) {
        case RtValue::SideA:
            a = value;
            break;
        case RtValue::SideB:
            b = value;
            break;
        case RtValue::SideC:
            c = value;
            break;
        case RtValue::AngleA:
            A = value;
            break;
        case RtValue::AngleB:
            B = value;
            break;
    }
}

RightTriangleSolution SolveRightTriangle(const RightTriangle& known) {
    RightTriangleSolution out;
    out.values = known;
    auto present = [&](RtValue v) { return known.Get(v) > 0; };

    int found = -1;
    for (int i = 0; i < 9; ++i) {
        if (present(kPairs[i].first) && present(kPairs[i].second)) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        out.status = RightTriangleStatus::NotEnoughData;
        return out;
    }
    for (int v = 0; v < 5; ++v) {
        const auto value = static_cast<RtValue>(v);
        if (value != kPairs[found].first && value != kPairs[found].second && present(value)) {
            out.status = RightTriangleStatus::TooMuchData;
            return out;
        }
    }
    // An angle of 90 or more has no right triangle (tan and cos would give nonsense).
    if (known.A >= 90 || known.B >= 90) {
        out.status = RightTriangleStatus::AngleTooLarge;
        return out;
    }

    double a = known.a, b = known.b, c = known.c, A = known.A, B = known.B;
    // Sides so large that their squares overflow, or so unbalanced that a quotient does.
    Domain d;
    auto& done = out.computed;
    auto mark = [&](RtValue x, RtValue y, RtValue z) {
        done[static_cast<int>(x)] = done[static_cast<int>(y)] = done[static_cast<int>(z)] = true;
    };
    switch (found) {
        case 0:  // a, b
            A = Deg(std::atan(d.Divide(a, b)));
            B = 90 - A;
            c = d.Sqrt(a * a + b * b);
            mark(RtValue::AngleA, RtValue::AngleB, RtValue::SideC);
            break;
        case 1:  // b, A
        case 2:  // b, B
            if (found == 1) {
                B = 90 - A;
                done[static_cast<int>(RtValue::AngleB)] = true;
            } else {
                A = 90 - B;
                done[static_cast<int>(RtValue::AngleA)] = true;
            }
            a = b * std::tan(Rad(A));
            c = d.Sqrt(a * a + b * b);
            done[static_cast<int>(RtValue::SideA)] = done[static_cast<int>(RtValue::SideC)] = true;
            break;
        case 3:  // b, c
            if (!(c > b)) {
                out.status = RightTriangleStatus::HypotenuseTooShort;
                return out;
            }
            a = d.Sqrt(c * c - b * b);
            A = Deg(std::atan(d.Divide(a, b)));
            B = 90 - A;
            mark(RtValue::SideA, RtValue::AngleA, RtValue::AngleB);
            break;
        case 4:  // a, A
        case 5:  // a, B
            if (found == 4) {
                B = 90 - A;
                done[static_cast<int>(RtValue::AngleB)] = true;
            } else {
                A = 90 - B;
                done[static_cast<int>(RtValue::AngleA)] = true;
            }
            b = d.Divide(a, std::tan(Rad(A)));
            c = d.Sqrt(a * a + b * b);
            done[static_cast<int>(RtValue::SideB)] = done[static_cast<int>(RtValue::SideC)] = true;
            break;
        case 6:  // a, c
            if (!(c > a)) {
                out.status = RightTriangleStatus::HypotenuseTooShort;
                return out;
            }
            b = d.Sqrt(c * c - a * a);
            A = Deg(std::atan(d.Divide(a, b)));
            B = 90 - A;
            mark(RtValue::SideB, RtValue::AngleA, RtValue::AngleB);
            break;
        case 7:  // c, A
        case 8:  // c, B
            if (found == 7) {
                B = 90 - A;
                done[static_cast<int>(RtValue::AngleB)] = true;
            } else {
                A = 90 - B;
                done[static_cast<int>(RtValue::AngleA)] = true;
            }
            b = c * std::cos(Rad(A));
            a = c * std::sin(Rad(A));
            done[static_cast<int>(RtValue::SideA)] = done[static_cast<int>(RtValue::SideB)] = true;
            break;
    }
    if (!d.Finite({a, b, c, A, B})) {
        out.status = RightTriangleStatus::OutsideDomain;
        done = {};
        return out;
    }
    out.values = RightTriangle{a, b, c, A, B};
    out.status = RightTriangleStatus::Solved;
    return out;
}

}  // namespace calc
