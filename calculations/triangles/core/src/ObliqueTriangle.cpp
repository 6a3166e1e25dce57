#include "triangles/ObliqueTriangle.h"

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

// Every side and angle above 0 and finite: anything else is no triangle, however the
// arithmetic got there.
std::optional<ObliqueTriangle> Checked(Domain& d, const ObliqueTriangle& t) {
    d.Finite({t.a, t.b, t.c, t.A, t.B, t.C});
    if (!d.Ok()) return std::nullopt;
    for (double v : {t.a, t.b, t.c, t.A, t.B, t.C})
        if (!(v > 0)) return std::nullopt;
    if (!(t.A < 180 && t.B < 180 && t.C < 180)) return std::nullopt;
    return t;
}

}  // namespace

double Round15(double value) {
    if (!std::isfinite(value)) return value;
    return ParseNumberText(DoubleToText15(value));
}

std::optional<ObliqueTriangle> SideAangleAangleB(double a, double A, double B) {
    Domain d;
    ObliqueTriangle t{a, 0, 0, A, B, 0};
    const double sinA = std::sin(Rad(A));
    t.b = Round15(d.Divide(a * std::sin(Rad(B)), sinA));
    t.C = Round15(180 - (B + A));
    t.c = Round15(d.Divide(a * std::sin(Rad(t.C)), sinA));
    return Checked(d, t);
}

std::optional<ObliqueTriangle> SideAsideBangleC(double a, double b, double C) {
    Domain d;
    ObliqueTriangle t{a, b, 0, 0, 0, C};
    t.c = Round15(d.Sqrt(a * a + b * b - 2 * a * b * std::cos(Rad(C))));
    t.A = Round15(Deg(d.Acos(d.Divide(t.c * t.c + b * b - a * a, 2 * b * t.c))));
    t.B = Round15(180 - C - t.A);
    return Checked(d, t);
}

std::optional<ObliqueTriangle> SideAsideBangleA(double a, double b, double A) {
    Domain d;
    ObliqueTriangle t{a, b, 0, A, 0, 0};
    t.B = Round15(Deg(d.Asin(d.Divide(b * std::sin(Rad(A)), a))));
    t.C = Round15(180 - A - t.B);
    t.c = Round15(d.Sqrt(a * a + b * b - 2 * a * b * std::cos(Rad(t.C))));
    return Checked(d, t);
}

std::optional<ObliqueTriangle> ThreeSides(double a, double b, double c) {
    Domain d;
    // A side as long as the other two together (or longer) lies flat: no triangle. The
    // margin keeps rounding from turning 0.1, 0.2, 0.3 into a sliver.
    const double margin = 1e-12 * (a + b + c);
    if (!(a + b - c > margin && a + c - b > margin && b + c - a > margin)) return std::nullopt;
    ObliqueTriangle t{a, b, c, 0, 0, 0};
    t.A = Round15(Deg(d.Acos(d.Divide(c * c + b * b - a * a, 2 * b * c))));
    t.B = Round15(Deg(d.Acos(d.Divide(a * a + c * c - b * b, 2 * a * c))));
    t.C = Round15(180 - (t.B + t.A));
    return Checked(d, t);
}

std::optional<ObliqueTriangle> SolveOblique(ObliqueCase arrangement, const ObliqueTriangle& k) {
    switch (arrangement) {
        case ObliqueCase::OneSideTwoAngles:
            return SideAangleAangleB(k.a, k.A, k.B);
        case ObliqueCase::TwoSidesIncludedAngle:
            return SideAsideBangleC(k.a, k.b, k.C);
        case ObliqueCase::TwoSidesOppositeAngle:
            return SideAsideBangleA(k.a, k.b, k.A);
        case ObliqueCase::AllSides:
            return ThreeSides(k.a, k.b, k.c);
    }
    return std::nullopt;
}

double HeronArea(double a, double b, double c) {
    const double s = (a + b + c) / 2;
    const double product = s * (s - a) * (s - b) * (s - c);
    if (!(product > 0) || !std::isfinite(product)) return 0;
    return std::sqrt(product);
}

AlternateOblique AlternateAnswer(double a, double A, double B) {
    AlternateOblique alt;
    alt.B = Round15(180 - B);
    alt.C = Round15(180 - alt.B - A);
    Domain d;
    alt.c = Round15(d.Divide(a * std::sin(Rad(alt.C)), std::sin(Rad(A))));
    if (!d.Ok()) alt.c = 0;
    return alt;
}

bool HasAlternateAnswer(double a, double A, double B) {
    const AlternateOblique alt = AlternateAnswer(a, A, B);
    return alt.B > 0 && alt.C > 0 && a * std::sin(Rad(alt.C)) > 0 && A < B && B < 90 && alt.c > 0;
}

}  // namespace calc
