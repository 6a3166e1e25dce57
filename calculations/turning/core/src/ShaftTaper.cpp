#include "turning/ShaftTaper.h"

#include <cmath>

#include "calc/Domain.h"
#include "calc/Numeric.h"

namespace calc {

namespace {

std::optional<double> Checked(const Domain& d, double value) {
    if (!d.Ok() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// tan(90 - a) for an angle per side strictly between 0 and 90 degrees.
double CotOfAngle(Domain& d, double anglePerSide) {
    if (!(anglePerSide > 0.0 && anglePerSide < kMaxAnglePerSide)) {
        d.Fail();
        return 0.0;
    }
    return d.Tan(DegreesToRadians(90.0 - anglePerSide));
}

}  // namespace

std::optional<double> TaperPerFootFromAngle(double anglePerSide) {
    Domain d;
    const double value = d.Divide(24.0, CotOfAngle(d, anglePerSide));
    return Checked(d, value);
}

std::optional<double> MetricRatioFromAngle(double anglePerSide) {
    Domain d;
    const double value = CotOfAngle(d, anglePerSide) / 2.0;
    return Checked(d, value);
}

double AngleFromTaperPerFoot(double taperPerFoot) {
    return RadiansToDegrees(std::atan(taperPerFoot / 24.0));
}

double AngleFromMetricTaper(double taper) {
    return RadiansToDegrees(std::atan(taper / 2.0));
}

std::optional<double> AngleFromDimensions(double large, double small, double length) {
    Domain d;
    const double r = (large - small) / 2.0;
    const double value = RadiansToDegrees(std::atan(d.Divide(r, length)));
    return Checked(d, value);
}

std::optional<double> TaperPerFoot(double large, double small, double length) {
    Domain d;
    const double perUnit = d.Divide(length, large - small);
    const double value = d.Divide(1.0, d.Divide(perUnit, 12.0));
    return Checked(d, value);
}

std::optional<double> MetricRatio(double large, double small, double length) {
    Domain d;
    const double value = d.Divide(length, large - small);
    return Checked(d, value);
}

std::optional<double> LengthFromTaperPerFoot(double large, double small, double taperPerFoot) {
    Domain d;
    const double value = d.Divide((large - small) * 12.0, taperPerFoot);
    return Checked(d, value);
}

double LargeFromTaperPerFoot(double length, double small, double taperPerFoot) {
    return length * taperPerFoot / 12.0 + small;
}

double SmallFromTaperPerFoot(double large, double length, double taperPerFoot) {
    return large - taperPerFoot * length / 12.0;
}

std::optional<double> LengthFromAngle(double large, double small, double anglePerSide) {
    Domain d;
    const double value = CotOfAngle(d, anglePerSide) * ((large - small) / 2.0);
    return Checked(d, value);
}

std::optional<double> LargeFromAngle(double length, double small, double anglePerSide) {
    Domain d;
    const double value = d.Divide(2.0 * length, CotOfAngle(d, anglePerSide)) + small;
    return Checked(d, value);
}

std::optional<double> SmallFromAngle(double large, double length, double anglePerSide) {
    Domain d;
    const double value = large - d.Divide(2.0 * length, CotOfAngle(d, anglePerSide));
    return Checked(d, value);
}

std::optional<double> RatioFromTaperPerFoot(double taperPerFoot) {
    Domain d;
    const double value = d.Divide(1.0, d.Divide(taperPerFoot, 12.0));
    return Checked(d, value);
}

std::optional<double> TaperPerFootFromRatio(double ratio) {
    Domain d;
    const double value = d.Divide(1.0, ratio) * 12.0;
    return Checked(d, value);
}

}  // namespace calc
