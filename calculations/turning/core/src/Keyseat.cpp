#include "turning/Keyseat.h"

#include <cmath>

#include "calc/Domain.h"

namespace calc {

std::optional<double> ChordHeight(double width, double diameter) {
    Domain d;
    const double root = d.Sqrt(diameter - width) * d.Sqrt(diameter + width);
    // W * (W / (2 (S + root))): the quotient is at most 1/2, so the product cannot overflow.
    const double value = width * d.Divide(width, d.Finite(2.0 * d.Finite(diameter + root)));
    if (!d.Ok() || !std::isfinite(value)) return std::nullopt;
    return value;
}

KeyseatSolution SolveKeyseat(double keyWidth, double keyHeight, double shaftDiameter) {
    KeyseatSolution s;
    if (!(keyWidth > 0) || !(keyHeight > 0) || !(shaftDiameter > 0)) return s;
    if (keyWidth >= shaftDiameter || keyHeight >= shaftDiameter) {
        s.status = KeyseatStatus::BiggerThanShaft;
        return s;
    }
    const auto c = ChordHeight(keyWidth, shaftDiameter);
    if (!c) {
        s.status = KeyseatStatus::NotCalculable;
        return s;
    }
    const double half = keyHeight / 2.0;
    KeyseatResult& r = s.result;
    r.chordHeight = *c;
    r.totalHubDepth = half;
    r.totalKeyDepth = half + *c;
    r.seatBottom = shaftDiameter - *c - half;
    r.totalHeight = shaftDiameter - *c + half;
    r.hubKeyDepth = half - *c;
    r.shaftKeyDepth = half;
    if (!AllFinite({r.totalKeyDepth, r.seatBottom, r.totalHeight, r.hubKeyDepth})) {
        s.status = KeyseatStatus::NotCalculable;
        return s;
    }
    s.status = KeyseatStatus::Solved;
    return s;
}

}  // namespace calc
