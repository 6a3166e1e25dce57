#include "geometry/Chords.h"

#include <cmath>

#include "calc/CalcEnv.h"
#include "calc/Domain.h"
#include "calc/Numeric.h"

namespace calc {

namespace {

constexpr int kMaxSteps = 50;
constexpr double kRelativeStep = 1e-12;

double Rad(double degrees) {
    return DegreesToRadians(degrees);
}

// x' = x - f(x) / f'(x) from `start` until the step is below 1e-12 of the value.
template <typename F, typename D>
std::optional<double> Newton(double start, F f, D derivative) {
    Domain d;
    double x = start;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double next = x - d.Divide(f(x), derivative(x));
        if (!d.Ok()) return std::nullopt;
        const bool settled = std::fabs(next - x) < kRelativeStep * std::fabs(next);
        x = next;
        if (settled) {
            if (!(x > 0 && x <= kPi / 2 * (1 + 1e-12))) return std::nullopt;
            return x;
        }
    }
    return std::nullopt;
}

// x - sin x, accurate for small x too.
double XMinusSinX(double x) {
    if (std::fabs(x) >= 1) return x - std::sin(x);
    const double x2 = x * x;
    double term = x * x2 / 6, sum = 0;
    for (int n = 3; term != 0 && std::fabs(term) > 1e-17 * std::fabs(sum); n += 2) {
        sum += term;
        term = -term * x2 / ((n + 1) * (n + 2));
    }
    return sum;
}

double OneMinusCos(double x) {
    const double s = std::sin(x / 2);
    return 2 * s * s;
}

struct Pair {
    ChordValue first;
    ChordValue second;
};

constexpr Pair kPairs[] = {
    {ChordValue::ArcRadius, ChordValue::InclAngle},
    {ChordValue::ArcRadius, ChordValue::ChordHeight},
    {ChordValue::ArcRadius, ChordValue::ArcLength},
    {ChordValue::ArcRadius, ChordValue::ChordLength},
    {ChordValue::InclAngle, ChordValue::ChordHeight},
    {ChordValue::InclAngle, ChordValue::ArcLength},
    {ChordValue::InclAngle, ChordValue::ChordLength},
    {ChordValue::ChordLength, ChordValue::ArcLength},
    {ChordValue::ChordLength, ChordValue::ChordHeight},
    {ChordValue::ArcLength, ChordValue::ChordHeight},
};

}  // namespace

double ChordValues::Get(ChordValue v) const {
    switch (v) {
        case ChordValue::InclAngle:
            return a;
        case ChordValue::ChordLength:
            return c;
        case ChordValue::ChordHeight:
            return h;
        case ChordValue::ArcLength:
            return l;
        case ChordValue::ArcRadius:
            return r;
    }
    return 0;
}

void ChordValues::Set(ChordValue v, double value) {
    switch (v) {
        case ChordValue::InclAngle:
            a = value;
            break;
        case ChordValue::ChordLength:
            c = value;
            break;
        case ChordValue::ChordHeight:
            h = value;
            break;
        case ChordValue::ArcLength:
            l = value;
            break;
        case ChordValue::ArcRadius:
            r = value;
            break;
    }
}

// The two functions and their slopes are written so that nothing cancels for small
// angles (a flat arc): sin x - k x = (1 - k) x - (x - sin x) with x - sin x from its
// series, and 1 - cos x = 2 sin^2(x / 2).
std::optional<double> GetX_for_SinX_by_X_Newton(double k) {
    if (!(k > 0 && k < 1)) return std::nullopt;
    const double oneMinusK = 1 - k;
    return Newton(
        std::sqrt(6 * oneMinusK), [=](double x) { return oneMinusK * x - XMinusSinX(x); },
        [=](double x) { return oneMinusK - OneMinusCos(x); });
}

std::optional<double> GetX_for_cosX_by_X_Newton(double k) {
    if (!(k > 0)) return std::nullopt;
    return Newton(
        2 * k, [k](double x) { return k * x - OneMinusCos(x); },
        [k](double x) { return k - std::sin(x); });
}

const char* ChordMessage(ChordStatus status) {
    switch (status) {
        case ChordStatus::AngleNotBelow180:
            return "Angle must be less than 180 degrees";
        case ChordStatus::HeightNotBelowRadius:
            return "'h' must be less than 'r'";
        case ChordStatus::ArcTooLong:
            return "'c' will be bigger than arc diameter.";
        case ChordStatus::ChordNotBelowDiameter:
            return "'c' must be less than 2(r)";
        case ChordStatus::ChordTooShortForArc:
            return "'c' is bigger than arc diameter.";
        case ChordStatus::HeightNotBelowHalfChord:
            return "'c' must be bigger than 2(r)";
        case ChordStatus::Impossible:
            return "Impossible data entered.";
        case ChordStatus::Solved:
        case ChordStatus::NoPair:
            break;
    }
    return "";
}

ChordSolution SolveChord(const ChordValues& known) {
    ChordSolution out;
    out.values = known;
    int found = -1;
    for (int i = 0; i < 10; ++i) {
        if (known.Get(kPairs[i].first) > 0 && known.Get(kPairs[i].second) > 0) {
            found = i;
            break;
        }
    }
    if (found < 0) return out;

    ChordValues v;
    v.Set(kPairs[found].first, known.Get(kPairs[found].first));
    v.Set(kPairs[found].second, known.Get(kPairs[found].second));
    Domain d;
    // The eleven formulas.
    auto arcLength = [&] { v.l = v.r * Rad(v.a); };
    auto chordHeight = [&] { v.h = v.r * (1 - std::cos(Rad(v.a / 2))); };
    auto chordLength = [&] { v.c = 2 * d.Sqrt((2 * v.r - v.h) * v.h); };
    auto inclAngle = [&] { v.a = 2 * RadiansToDegrees(d.Acos(d.Divide(v.r - v.h, v.r))); };
    auto inclAngle2 = [&] { v.a = RadiansToDegrees(d.Divide(v.l, v.r)); };
    auto chordHeight2 = [&] { v.h = v.r - d.Sqrt(4 * v.r * v.r - v.c * v.c) / 2; };
    auto arcRad = [&] { v.r = d.Divide(v.h, 1 - std::cos(Rad(v.a / 2))); };
    auto arcRad2 = [&] { v.r = d.Divide(RadiansToDegrees(v.l), v.a); };
    auto arcRad3 = [&] { v.r = d.Divide(v.c / 2, std::sin(Rad(v.a / 2))); };
    auto arcRad4 = [&] { v.r = d.Divide(4 * v.h * v.h + v.c * v.c, 8 * v.h); };
    auto halfAngle = [&](std::optional<double> x) {
        if (!x) {
            d.Fail();
            return;
        }
        v.a = 2 * RadiansToDegrees(*x);
    };

    auto fail = [&](ChordStatus status) {
        out.status = status;
        return out;
    };
    switch (found) {
        case 0:  // r, a
            if (!(v.a < 180)) return fail(ChordStatus::AngleNotBelow180);
            arcLength(), chordHeight(), chordLength();
            break;
        case 1:  // r, h
            if (!(v.h < v.r)) return fail(ChordStatus::HeightNotBelowRadius);
            chordLength(), inclAngle(), arcLength();
            break;
        case 2:  // r, l
            if (!(kPi * v.r > v.l)) return fail(ChordStatus::ArcTooLong);
            inclAngle2(), chordHeight(), chordLength();
            break;
        case 3:  // r, c
            if (!(2 * v.r > v.c)) return fail(ChordStatus::ChordNotBelowDiameter);
            chordHeight2(), inclAngle(), arcLength();
            break;
        case 4:  // a, h
        case 5:  // a, l
        case 6:  // a, c
            // Segments go up to half a circle, whichever pair gives the angle.
            if (!(v.a < 180)) return fail(ChordStatus::AngleNotBelow180);
            if (found == 4) arcRad(), arcLength(), chordLength();
            if (found == 5) arcRad2(), chordHeight(), chordLength();
            if (found == 6) arcRad3(), chordHeight(), arcLength();
            break;
        case 7:  // c, l
            if (!(2 * v.l < kPi * v.c)) return fail(ChordStatus::ChordTooShortForArc);
            // A chord no shorter than its arc has no segment.
            if (!(v.c < v.l)) return fail(ChordStatus::Impossible);
            halfAngle(GetX_for_SinX_by_X_Newton(v.c / v.l)), arcRad2(), chordHeight();
            break;
        case 8:  // c, h
            if (!(v.c / 2 > v.h)) return fail(ChordStatus::HeightNotBelowHalfChord);
            arcRad4(), inclAngle(), arcLength();
            break;
        case 9:  // l, h
            if (!(v.l / kPi > v.h)) return fail(ChordStatus::ArcTooLong);
            halfAngle(GetX_for_cosX_by_X_Newton(2 * v.h / v.l)), arcRad2(), chordLength();
            break;
    }
    d.Finite({v.a, v.c, v.h, v.l, v.r});
    // Every dimension of a real segment is above 0 (an angle of a full turn or more
    // would give a chord or height of 0).
    if (!d.Ok() || !(v.a > 0 && v.c > 0 && v.h > 0 && v.l > 0 && v.r > 0))
        return fail(ChordStatus::Impossible);
    out.values = v;
    for (int i = 0; i < 5; ++i) {
        const auto value = static_cast<ChordValue>(i);
        out.computed[i] = value != kPairs[found].first && value != kPairs[found].second;
    }
    out.status = ChordStatus::Solved;
    return out;
}

}  // namespace calc
