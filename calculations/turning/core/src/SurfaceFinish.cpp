#include "turning/SurfaceFinish.h"

#include <cmath>

#include "calc/Domain.h"

namespace calc {

std::optional<double> PeakHeight(double radius, double stepover) {
    if (!(radius > 0) || !(stepover >= 0)) return std::nullopt;
    Domain d;
    const double half = stepover / 2.0;
    // The distance from the centre of the edge to the chord of length f.
    const double root = d.Sqrt(radius - half) * d.Sqrt(radius + half);
    // r - root = (f/2)^2 / (r + root), written so that no product overflows.
    const double value = half * d.Divide(half, d.Finite(radius + root));
    if (!d.Ok() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> TheoreticalRoughness(double radius, double stepover) {
    if (!(radius > 0) || !(stepover >= 0)) return std::nullopt;
    Domain d;
    const double value =
        d.Divide(d.Finite(d.Finite(stepover * stepover) * 1000000.0), d.Finite(radius * 24.0));
    ;
    if (!d.Ok() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace calc
