#include "geometry/Polygons.h"

#include <cmath>
#include <limits>

#include "calc/Domain.h"
#include "calc/LocalText.h"

namespace calc {

namespace {

std::int16_t Round16(double value) {
    const double r = std::nearbyint(value);  // halves to the even neighbour
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

}  // namespace

double SectorAngle(int sides) {
    return 360.0 / sides;
}

std::optional<PolygonDims> SolvePolygon(int sides, PolygonKnown known, double value) {
    if (sides < 3) return std::nullopt;
    const double h = SectorAngle(sides) / 2 * kPi / 180;  // half the sector angle
    Domain d;
    PolygonDims out;
    switch (known) {
        case PolygonKnown::AcrossCorners:
            out.corners = value;
            out.flats = value * std::cos(h);  // calcInside
            out.side = value * std::sin(h);   // calcHord
            break;
        case PolygonKnown::AcrossFlats:
            out.flats = value;
            out.corners = d.Divide(value, std::cos(h));  // calcOutside
            out.side = value * d.Tan(h);                 // calcHord
            break;
        case PolygonKnown::Side:
            out.side = value;
            out.corners = d.Divide(value, std::sin(h));  // calcOutside
            out.flats = d.Divide(value, d.Tan(h));       // calcInside
            break;
    }
    d.Finite({out.flats, out.corners, out.side});
    if (!d.Ok()) return std::nullopt;
    return out;
}

PolygonAreaVolume AreaVolume(double sides, double side, double flats, double length) {
    const double perimeter = side * sides;
    PolygonAreaVolume out;
    out.area = (flats / 2) * perimeter / 2;
    out.volume = length * out.area;
    if (!AllFinite({out.area, out.volume})) out = {};
    return out;
}

SidesCheck CheckNumberOfSides(const CalcEnv& env, std::string_view text) {
    const double x = ParseNumberText(text);
    // The English name keeps its old spelling; German and French use the table's.
    const bool whole = CheckWholeNumber(
        env, DoubleToText15(x),
        CurrentLanguage(env) == Language::English ? "Number of  Sides" : TextNumberOfSides(env));
    const bool valid = ValidateEntryBox(env, text, TextNumberOfSides(env));
    SidesCheck out;
    if (!(whole && valid)) return out;
    const double n = std::nearbyint(x);
    if (n > kMaxPolygonSides) {
        MsgInvalidValue(env, TextNumberOfSides(env));
        return out;
    }
    if (!(n > 2)) {
        MsgMinimumNumber(env, "3");
        return out;
    }
    out.accepted = true;
    out.sides = static_cast<int>(n);
    out.boxText = std::string(text);
    return out;
}

std::vector<point> calculatePoints(int sides, int radius) {
    std::vector<point> corners;
    if (sides < 1) return corners;
    constexpr double kTurn = 6.28318530717958;
    const double step = kTurn / sides;
    const double end = step / 2 + kTurn;
    for (double g = step / 2; g <= end; g += step) {
        point p;
        p.X = Round16(radius * std::cos(g));
        p.Y = Round16(radius * std::sin(g));
        corners.push_back(p);
    }
    return corners;
}

}  // namespace calc
