#include "holes/BoltCircle.h"

#include <cmath>
#include <iterator>

#include "calc/LocalText.h"

namespace calc {

namespace {

constexpr double kTwoPi = 6.28318530717958;

// Which entry a coordinate that cannot be written comes from, or "" when all can be.
std::string UnwritableEntry(const CalcEnv& env, const BoltCirclePattern& p, double startAngle) {
    if (!IsWritableCoordinate(p.diameter / 2)) return TextBoltCircleDiameter(env);
    if (!std::isfinite(startAngle * kPi / 180)) return TextStartAngle(env);
    for (const RealPoint& h : p.holes) {
        // An offset is no larger than the radius; one that is not finite comes from the
        // angle. Past that, a hole that cannot be written comes from the centre.
        if (!IsWritableCoordinate(h.X) || !IsWritableCoordinate(h.Y)) return TextStartAngle(env);
        if (!IsWritableCoordinate(p.centreX + h.X)) return TextCenterX(env);
        if (!IsWritableCoordinate(p.centreY + h.Y)) return TextCenterY(env);
    }
    return {};
}

// The pattern the entries describe, once the check accepted them.
BoltCirclePattern BuildPattern(const BoltCircleEntries& e) {
    BoltCirclePattern p;
    p.diameter = ParseNumberText(e.diameter);
    p.centreX = ParseNumberText(e.centreX);
    p.centreY = ParseNumberText(e.centreY);
    p.holes = BoltCirclePoints(static_cast<int>(ParseNumberText(e.holes)), p.diameter,
                               ParseNumberText(e.startAngle));
    return p;
}

bool Refuse(const CalcEnv& env, const BoltCirclePattern& p, double startAngle) {
    const std::string entry = UnwritableEntry(env, p, startAngle);
    if (entry.empty()) return false;
    MsgInvalidValue(env, entry);
    return true;
}

}  // namespace

bool ValidateBoltCircleEntries(const CalcEnv& env, const BoltCircleEntries& e) {
    const std::string holesName = TextNumberOfHoles(env);
    if (IsEntryMissing(env, e.holes, holesName)) return false;
    if (!CheckWholeNumber(env, e.holes, holesName)) return false;
    // Compared as read: a count such as 1E12 must never reach an integer.
    const double holes = ParseNumberText(e.holes);
    if (!(holes >= kMinBoltCircleHoles && holes <= kMaxBoltCircleHoles)) {
        MsgHolesBetween2And3000(env);
        return false;
    }
    return !IsEntryMissing(env, e.diameter, TextBoltCircleDiameterPadded(env));
}

HoleList BoltCirclePoints(int holes, double diameter, double startAngleDegrees) {
    HoleList list;
    if (holes < 1 || holes > kMaxBoltCircleHoles) return list;
    list.reserve(static_cast<std::size_t>(holes));
    const double step = kTwoPi / holes;
    double theta = startAngleDegrees * kPi / 180;
    const double r = diameter / 2;
    for (int i = 0; i < holes; ++i) {
        list.push_back({r * std::cos(theta), r * std::sin(theta)});
        theta += step;
    }
    return list;
}

std::optional<BoltCirclePattern> SolveBoltCircle(const CalcEnv& env, const BoltCircleEntries& e) {
    if (!ValidateBoltCircleEntries(env, e)) return std::nullopt;
    return BuildBoltCircle(env, e);
}

std::optional<BoltCirclePattern> BuildBoltCircle(const CalcEnv& env, const BoltCircleEntries& e) {
    BoltCirclePattern p = BuildPattern(e);
    if (Refuse(env, p, ParseNumberText(e.startAngle))) return std::nullopt;
    return p;
}

std::optional<BoltCircleConversion> ConvertBoltCircle(const CalcEnv& env,
                                                      const BoltCircleEntries& e,
                                                      bool toMillimetres, int places) {
    if (!ValidateBoltCircleEntries(env, e)) return std::nullopt;
    return ConvertCheckedBoltCircle(env, e, toMillimetres, places);
}

std::optional<BoltCircleConversion> ConvertCheckedBoltCircle(const CalcEnv& env,
                                                             const BoltCircleEntries& e,
                                                             bool toMillimetres, int places) {
    BoltCirclePattern p = BuildPattern(e);
    const auto scale = [toMillimetres](double v) { return ScaleLength(v, toMillimetres); };
    ScaleHoles(p.holes, toMillimetres);
    p.centreX = scale(p.centreX);
    p.centreY = scale(p.centreY);
    p.diameter = scale(p.diameter);
    if (Refuse(env, p, ParseNumberText(e.startAngle))) return std::nullopt;
    const auto box = [&](const std::string& text) {
        const double v = toMillimetres ? InchTextToMm(text) : MmTextToInch(text);
        return FormatDecimals(DoubleToText15(v), places);
    };
    return BoltCircleConversion{std::move(p), box(e.diameter), box(e.centreX), box(e.centreY)};
}

ChartPoint BoltChartCentre() {
    // Half the circle's height rounded to a whole twip: 1868.
    const double h = std::round(kBoltChartSize / 2.0);
    return {kBoltChartLeft + h, kBoltChartTop + h};
}

HoleChart BoltCircleChart(const BoltCirclePattern& pattern, const NumberMetrics& metrics) {
    HoleChart chart;
    chart.markerRadius = 100;
    chart.markerLineWidth = 2;
    if (pattern.holes.empty() || pattern.diameter == 0) return chart;
    const ChartPoint c = BoltChartCentre();
    const double s = kBoltChartSize / pattern.diameter;
    chart.markers.reserve(pattern.holes.size());
    for (const RealPoint& h : pattern.holes)
        chart.markers.push_back({c.x + s * h.X, c.y - s * h.Y});
    chart.lines.push_back({c, chart.markers.front()});
    std::vector<ChartRect> obstacles(std::begin(kBoltChartCaptions), std::end(kBoltChartCaptions));
    obstacles.insert(obstacles.end(), std::begin(kBoltChartAxes), std::end(kBoltChartAxes));
    chart.numbers = PlaceHoleNumbers(chart.markers, chart.markerRadius, c, metrics,
                                     kBoltNumberBounds, obstacles);
    return chart;
}

}  // namespace calc
