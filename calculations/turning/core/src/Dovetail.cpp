#include "turning/Dovetail.h"

#include <cmath>

#include "calc/CalcEnv.h"
#include "calc/Domain.h"

namespace calc {

namespace {

using D = DovetailDim;

constexpr int I(D d) {
    return static_cast<int>(d);
}

// The eight pairs that can be ticked.
enum class Pair {
    None,
    RoH,
    RiH,
    CiH,
    CoH,
    CoCi,
    CiRi,
    CoRo,
    RoRi,
};

Pair PairOf(const DovetailData& data) {
    if (data.TickCount() != 2) return Pair::None;
    auto both = [&](D a, D b) { return data.Ticked(a) && data.Ticked(b); };
    if (both(D::OutsideRolls, D::Height)) return Pair::RoH;
    if (both(D::InsideRolls, D::Height)) return Pair::RiH;
    if (both(D::InsideCorners, D::Height)) return Pair::CiH;
    if (both(D::OutsideCorners, D::Height)) return Pair::CoH;
    if (both(D::OutsideCorners, D::InsideCorners)) return Pair::CoCi;
    if (both(D::InsideCorners, D::InsideRolls)) return Pair::CiRi;
    if (both(D::OutsideCorners, D::OutsideRolls)) return Pair::CoRo;
    if (both(D::OutsideRolls, D::InsideRolls)) return Pair::RoRi;
    return Pair::None;
}

// The message a pair gives for data that describe no dovetail.
DovetailCheck OwnMessage(Pair pair) {
    switch (pair) {
        case Pair::CoCi:
        case Pair::CoRo:
        case Pair::CiRi:
            return DovetailCheck::ImpossibleRollAngleCorner;
        case Pair::RoRi:
            return DovetailCheck::ImpossibleRollAngleRollWidth;
        case Pair::RoH:
        case Pair::RiH:
            return DovetailCheck::ImpossibleHeightOrRollWidth;
        case Pair::CoH:
            return DovetailCheck::ImpossibleHeightOrCornerWidth;
        case Pair::CiH:
        case Pair::None:
            break;
    }
    return DovetailCheck::ImpossibleRollAngleHeight;
}

bool HeightFromWidths(Pair pair) {
    return pair == Pair::CoCi || pair == Pair::CoRo || pair == Pair::CiRi || pair == Pair::RoRi;
}

// Flanks square to the base: the corner widths are equal whatever the height.
bool SquareFlanks(double angle) {
    return std::fabs(angle - 90.0) < 1e-9;
}

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

// calcInsideCorners / calcOutsideCorners / calcHeight.
double InsideCorners(const DovetailData& data, const DovetailTerms& t) {
    return data.Ticked(D::OutsideRolls) ? data[D::OutsideRolls] - t.c : data[D::InsideCorners];
}
double OutsideCorners(const DovetailData& data, const DovetailTerms& t) {
    return data.Ticked(D::InsideRolls) ? data[D::InsideRolls] + t.c : data[D::OutsideCorners];
}
double Height(Domain& d, const DovetailData& data, const DovetailTerms& t) {
    return d.Finite((OutsideCorners(data, t) - InsideCorners(data, t)) / 2.0 *
                    d.Tan(Radians(data.angle)));
}

}  // namespace

int DovetailData::TickCount() const {
    int n = 0;
    for (bool t : ticked) n += t ? 1 : 0;
    return n;
}

std::array<bool, kDovetailDims> DovetailEditable(const std::array<bool, kDovetailDims>& ticked) {
    int count = 0;
    for (bool t : ticked) count += t ? 1 : 0;
    auto on = [&](D d) { return ticked[I(d)]; };
    const bool few = count < 2;
    std::array<bool, kDovetailDims> editable{};
    editable[I(D::Height)] = few || on(D::Height);
    editable[I(D::OutsideRolls)] = (few && !on(D::InsideCorners)) || on(D::OutsideRolls);
    editable[I(D::InsideRolls)] = (few && !on(D::OutsideCorners)) || on(D::InsideRolls);
    editable[I(D::OutsideCorners)] = (few && !on(D::InsideRolls)) || on(D::OutsideCorners);
    editable[I(D::InsideCorners)] = (few && !on(D::OutsideRolls)) || on(D::InsideCorners);
    return editable;
}

std::optional<DovetailTerms> DovetailTermsFor(double rollDiameter, double angle, double height) {
    Domain d;
    const double r = rollDiameter / 2.0;
    const double a = Radians(angle);
    DovetailTerms t;
    t.k = d.Divide(r, d.Tan(a / 2.0));
    t.c = d.Finite(2.0 * (t.k + r));
    t.g = d.Divide(2.0 * height, d.Tan(a));
    t.m = d.Finite(std::sin(a) * t.k);
    if (!d.Ok()) return std::nullopt;
    return t;
}

DovetailCheck ValidateDovetail(const DovetailData& data) {
    if (data.TickCount() < 2) return DovetailCheck::MarkCheckBox;
    const Pair pair = PairOf(data);
    if (pair == Pair::None) return DovetailCheck::MarkCheckBox;
    const DovetailCheck own = OwnMessage(pair);
    const double h = data[D::Height];
    const auto terms = DovetailTermsFor(data.rollDiameter, data.angle, h);
    // Flanks at or past 180 degrees make no dovetail at all.
    if (!terms || data.angle >= 180.0) return own;
    const DovetailTerms& t = *terms;

    if (data.Ticked(D::Height) && h < t.m) return DovetailCheck::ImpossibleRollAngleHeight;
    if (HeightFromWidths(pair) && SquareFlanks(data.angle)) return own;

    Domain d;
    const double ro = data[D::OutsideRolls], co = data[D::OutsideCorners];
    const double ci = data[D::InsideCorners];
    switch (pair) {
        case Pair::CoCi:
            if (co < ci) return DovetailCheck::InsideWiderThanOutside;
            if (Height(d, data, t) < t.m || co - t.c < 0) return own;
            break;
        case Pair::CoRo: {
            const double w = InsideCorners(data, t);
            if (w < 0 || w >= co) return own;
            if (Height(d, data, t) < t.m) return DovetailCheck::ImpossibleRollAngleCornerOnly;
            if (co - t.c < 0) return own;  // Ri would be negative
            break;
        }
        case Pair::CiRi:
            if (ci >= OutsideCorners(data, t) || Height(d, data, t) < t.m) return own;
            break;
        case Pair::RoRi: {
            const double in = InsideCorners(data, t), out = OutsideCorners(data, t);
            if (in > out || in < 0 || Height(d, data, t) < t.m) return own;
            break;
        }
        case Pair::RoH:
            if (InsideCorners(data, t) < 0) return own;
            if (ro - t.c + t.g - t.c < 0) return own;  // Ri = Co - c
            break;
        case Pair::CoH:
            if (OutsideCorners(data, t) < t.g) return own;
            if (co - t.c < 0) return own;
            break;
        case Pair::RiH:
            if (OutsideCorners(data, t) < t.g) return own;
            break;
        case Pair::CiH:
            if (ci + t.g - t.c < 0) return own;
            break;
        case Pair::None:
            break;
    }
    if (!d.Ok()) return own;
    // The solution itself must be finite.
    if (!SolveDovetail(data)) return own;
    return DovetailCheck::Ok;
}

std::optional<DovetailData> SolveDovetail(const DovetailData& data) {
    const Pair pair = PairOf(data);
    if (pair == Pair::None) return std::nullopt;
    const auto terms = DovetailTermsFor(data.rollDiameter, data.angle, data[D::Height]);
    if (!terms) return std::nullopt;
    const DovetailTerms& t = *terms;
    Domain d;
    DovetailData out = data;
    double& ro = out.values[I(D::OutsideRolls)];
    double& co = out.values[I(D::OutsideCorners)];
    double& h = out.values[I(D::Height)];
    double& ri = out.values[I(D::InsideRolls)];
    double& ci = out.values[I(D::InsideCorners)];
    switch (pair) {
        case Pair::RoH:
            ci = ro - t.c;
            co = ci + t.g;
            ri = co - t.c;
            break;
        case Pair::RiH:
            co = ri + t.c;
            ci = co - t.g;
            ro = ci + t.c;
            break;
        case Pair::CiH:
            ro = ci + t.c;
            co = ci + t.g;
            ri = co - t.c;
            break;
        case Pair::CoH:
            ci = co - t.g;
            ri = co - t.c;
            ro = ci + t.c;
            break;
        case Pair::CoCi:
            h = Height(d, data, t);
            ri = co - t.c;
            ro = ci + t.c;
            break;
        case Pair::CiRi:
            h = Height(d, data, t);
            co = ri + t.c;
            ro = ci + t.c;
            break;
        case Pair::CoRo:
            h = Height(d, data, t);
            ri = co - t.c;
            ci = ro - t.c;
            break;
        case Pair::RoRi:
            co = ri + t.c;
            ci = ro - t.c;
            h = Height(d, data, t);
            break;
        case Pair::None:
            return std::nullopt;
    }
    if (!d.Ok() || !AllFinite({ro, co, h, ri, ci})) return std::nullopt;
    return out;
}

}  // namespace calc
