#include "holes/GridPattern.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/LocalText.h"

namespace calc {

namespace {

// One count: given, whole, not negative. A negative count would slip past the product
// limit (-50 × -50 is 2500, -3 × -3 is 9).
bool CheckCount(const CalcEnv& env, const std::string& text, const std::string& name) {
    if (IsEntryMissing(env, text, name)) return false;
    if (!CheckWholeNumber(env, text, name)) return false;
    if (ParseNumberText(text) < 0) {
        MsgNeedsAboveZero(env, name);
        return false;
    }
    return true;
}

// Column and row of the i-th hole of the serpentine order.
void CellOf(int i, int holesX, int& column, int& row) {
    row = i / holesX;
    const int along = i % holesX;
    column = row % 2 == 0 ? along : holesX - 1 - along;
}

GridPattern BuildPattern(const GridEntries& e) {
    GridPattern p;
    p.startX = ParseNumberText(e.startX);
    p.startY = ParseNumberText(e.startY);
    p.holesX = static_cast<int>(ParseNumberText(e.holesX));
    p.holesY = static_cast<int>(ParseNumberText(e.holesY));
    p.stepX = ParseNumberText(e.stepX);
    p.stepY = ParseNumberText(e.stepY);
    p.holes = GridPoints(p.holesX, p.holesY, p.stepX, p.stepY);
    return p;
}

// MsgInvalidValue naming the start or step whose axis cannot be written; true when shown.
bool Refuse(const CalcEnv& env, const GridPattern& p) {
    std::string entry;
    if (!IsWritableCoordinate(p.startX)) {
        entry = TextStartX(env);
    } else if (!IsWritableCoordinate(p.startY)) {
        entry = TextStartY(env);
    } else {
        for (const RealPoint& h : p.holes) {
            if (!IsWritableCoordinate(p.startX + h.X)) {
                entry = TextStepX(env);
                break;
            }
            if (!IsWritableCoordinate(p.startY + h.Y)) {
                entry = TextStepY(env);
                break;
            }
        }
    }
    if (entry.empty()) return false;
    MsgInvalidValue(env, entry);
    return true;
}

}  // namespace

bool ValidateGridEntries(const CalcEnv& env, const GridEntries& e) {
    if (!CheckCount(env, e.holesX, TextHolesOnX(env))) return false;
    if (!CheckCount(env, e.holesY, TextHolesOnY(env))) return false;
    // Compared as read: 65536 × 65536 must not wrap round in an integer.
    const double holesX = ParseNumberText(e.holesX);
    const double holesY = ParseNumberText(e.holesY);
    if (holesX * holesY > kMaxGridHoles) {
        MsgMaxHoles2300(env);
        return false;
    }
    // The step's message is shown even for a single column or row, where the step does
    // not matter and the calculation goes on.
    if (IsEntryMissing(env, e.stepX, TextStepX(env)) && holesX > 1) return false;
    if (IsEntryMissing(env, e.stepY, TextStepY(env)) && holesY > 1) return false;
    return true;
}

HoleList GridPoints(int holesX, int holesY, double stepX, double stepY) {
    HoleList list;
    if (holesX < 1 || holesY < 1 || holesX > kMaxGridHoles || holesY > kMaxGridHoles ||
        static_cast<long long>(holesX) * holesY > kMaxGridHoles)
        return list;
    const int count = holesX * holesY;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        int column = 0, row = 0;
        CellOf(i, holesX, column, row);
        list.push_back({column * stepX, row * stepY});
    }
    return list;
}

std::optional<GridPattern> SolveGrid(const CalcEnv& env, const GridEntries& e) {
    if (!ValidateGridEntries(env, e)) return std::nullopt;
    return BuildGrid(env, e);
}

std::optional<GridPattern> BuildGrid(const CalcEnv& env, const GridEntries& e) {
    GridPattern p = BuildPattern(e);
    if (Refuse(env, p)) return std::nullopt;
    return p;
}

std::optional<GridConversion> ConvertGrid(const CalcEnv& env, const GridEntries& e,
                                          bool toMillimetres, int places) {
    if (!ValidateGridEntries(env, e)) return std::nullopt;
    return ConvertCheckedGrid(env, e, toMillimetres, places);
}

std::optional<GridConversion> ConvertCheckedGrid(const CalcEnv& env, const GridEntries& e,
                                                 bool toMillimetres, int places) {
    GridPattern p = BuildPattern(e);
    const auto scale = [toMillimetres](double v) { return ScaleLength(v, toMillimetres); };
    ScaleHoles(p.holes, toMillimetres);
    p.startX = scale(p.startX);
    p.startY = scale(p.startY);
    p.stepX = scale(p.stepX);
    p.stepY = scale(p.stepY);
    if (Refuse(env, p)) return std::nullopt;
    // A step box is rewritten even where its axis has a single hole; it must stay a
    // number that can be shown.
    if (!IsWritableCoordinate(p.stepX)) {
        MsgInvalidValue(env, TextStepX(env));
        return std::nullopt;
    }
    if (!IsWritableCoordinate(p.stepY)) {
        MsgInvalidValue(env, TextStepY(env));
        return std::nullopt;
    }
    const auto box = [&](const std::string& text) {
        const double v = toMillimetres ? InchTextToMm(text) : MmTextToInch(text);
        return FormatDecimals(DoubleToText15(v), places);
    };
    return GridConversion{std::move(p), box(e.startX), box(e.startY), box(e.stepX), box(e.stepY)};
}

GridChart GridChartOf(const GridPattern& p, const NumberMetrics& metrics) {
    GridChart chart;
    chart.markerRadius = kGridMarkerRadius;
    chart.markerLineWidth = 2;
    const ChartRect& r = kGridRect;
    chart.origin.x = p.stepX >= 0 ? r.left : r.Right();
    chart.origin.y = p.stepY > 0 ? r.Bottom() : r.top;
    // The caption sits under the start corner when the pattern grows upward, over it
    // otherwise, and follows the start to the right-hand corner.
    const double overhang = r.left - kStartLabelLeft;  // how far it reaches past the corner
    const double labelLeft =
        p.stepX >= 0 ? kStartLabelLeft : r.Right() - (kStartLabelWidth - overhang);
    const double labelTop = p.stepY > 0 ? chart.origin.y + 0.2 * kStartLabelHeight
                                        : chart.origin.y - kStartLabelHeight - 40;
    chart.startLabel = {labelLeft, labelTop, kStartLabelWidth, kStartLabelHeight};
    if (p.holes.empty()) return chart;

    // Spacing in twips between neighbours on each axis. The steps are first divided by
    // the larger of them, so that tiny or huge steps cannot overflow the scale.
    const bool useX = p.holesX >= 2 && p.stepX != 0;
    const bool useY = p.holesY >= 2 && p.stepY != 0;
    const double ax = std::fabs(p.stepX), ay = std::fabs(p.stepY);
    const double largest = std::max(useX ? ax : 0.0, useY ? ay : 0.0);
    double spacingX = 0, spacingY = 0;
    if (largest > 0) {
        constexpr double kNone = std::numeric_limits<double>::infinity();
        const double nx = useX ? ax / largest : 0, ny = useY ? ay / largest : 0;
        const double fitX = nx > 0 ? (r.width / (p.holesX - 1)) / nx : kNone;
        const double fitY = ny > 0 ? (r.height / (p.holesY - 1)) / ny : kNone;
        const double fit = std::min(fitX, fitY);
        spacingX = fit * nx;
        spacingY = fit * ny;
        chart.scale = fit / largest;
        if (!std::isfinite(chart.scale)) chart.scale = 0;
    }
    const double signX = p.stepX < 0 ? -1 : 1;
    const double signY = p.stepY < 0 ? -1 : 1;
    chart.markers.reserve(p.holes.size());
    for (int i = 0; i < static_cast<int>(p.holes.size()); ++i) {
        int column = 0, row = 0;
        CellOf(i, p.holesX, column, row);
        chart.markers.push_back(
            {chart.origin.x + signX * column * spacingX, chart.origin.y - signY * row * spacingY});
    }
    for (std::size_t i = 0; i + 1 < chart.markers.size(); ++i)
        chart.lines.push_back({chart.markers[i], chart.markers[i + 1]});

    const double diameter = 2 * kGridMarkerRadius;
    chart.markersShown =
        chart.markers.size() == 1 ||
        ((!useX || spacingX >= diameter) && (!useY || spacingY >= diameter) && (useX || useY));
    if (!chart.markersShown) return chart;

    double minX = chart.markers.front().x, maxX = minX;
    double minY = chart.markers.front().y, maxY = minY;
    for (const ChartPoint& m : chart.markers) {
        minX = std::min(minX, m.x);
        maxX = std::max(maxX, m.x);
        minY = std::min(minY, m.y);
        maxY = std::max(maxY, m.y);
    }
    // The axis symbol and its captions at the lower left, and the start caption.
    std::vector<ChartRect> obstacles = {chart.startLabel,
                                        {345, 5640, 30, 960},
                                        {360, 6585, 600, 30},
                                        {120, 5760, 200, 255},
                                        {960, 6720, 200, 255}};
    // The path runs along rows and columns: keep numbers off it so both stay readable.
    for (const ChartLine& line : chart.lines)
        obstacles.push_back(
            {std::min(line.from.x, line.to.x) - 8, std::min(line.from.y, line.to.y) - 8,
             std::fabs(line.to.x - line.from.x) + 16, std::fabs(line.to.y - line.from.y) + 16});
    const ChartRect bounds{60, 660, 3690, 6420};
    chart.numbers =
        PlaceHoleNumbers(chart.markers, chart.markerRadius, {(minX + maxX) / 2, (minY + maxY) / 2},
                         metrics, bounds, obstacles);
    return chart;
}

}  // namespace calc
