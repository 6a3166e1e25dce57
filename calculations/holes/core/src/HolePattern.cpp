#include "holes/HolePattern.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace calc {

bool IsWritableCoordinate(double value) {
    return std::isfinite(value) && std::fabs(value) < kCoordinateLimit;
}

bool AllWritable(const HoleList& holes, double offsetX, double offsetY) {
    if (!IsWritableCoordinate(offsetX) || !IsWritableCoordinate(offsetY)) return false;
    return std::all_of(holes.begin(), holes.end(), [&](const RealPoint& p) {
        return IsWritableCoordinate(offsetX + p.X) && IsWritableCoordinate(offsetY + p.Y);
    });
}

std::string CoordinateLines(const HoleList& holes, double offsetX, double offsetY, int places,
                            const std::optional<std::string>& insertLine) {
    std::string text;
    text.reserve(holes.size() * (insertLine ? 28 + insertLine->size() : 26));
    for (const RealPoint& p : holes) {
        text += 'X';
        text += FormatDecimals(DoubleToText15(offsetX + p.X), places);
        text += " Y";
        text += FormatDecimals(DoubleToText15(offsetY + p.Y), places);
        text += kCoordinateLineEnd;
        if (insertLine) {
            text += *insertLine;
            text += kCoordinateLineEnd;
        }
    }
    return text;
}

bool ChartRect::Intersects(const ChartRect& o) const {
    return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
}

bool ChartRect::Contains(const ChartRect& o) const {
    return o.left >= left && o.Right() <= Right() && o.top >= top && o.Bottom() <= Bottom();
}

namespace {

// Rectangles sorted into square cells over the bounds, so a test for overlap looks only
// at the few rectangles near the candidate (a 3000-hole circle stays quick).
class RectIndex {
public:
    RectIndex(const ChartRect& bounds, double cellSize)
        : bounds_(bounds), cell_(std::max(cellSize, 1.0)) {
        cols_ = std::max<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(bounds.width / cell_) + 1);
        rows_ = std::max<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(bounds.height / cell_) + 1);
        cells_.resize(static_cast<std::size_t>(cols_ * rows_));
    }

    void Add(const ChartRect& r) { Insert({r, false}); }
    // A circle, kept as its bounding box and tested as a circle.
    void AddCircle(ChartPoint centre, double radius) {
        Insert({{centre.x - radius, centre.y - radius, 2 * radius, 2 * radius}, true});
    }

    bool Hits(const ChartRect& r) const {
        bool hit = false;
        ForCells(*this, r, [&](const std::vector<std::size_t>& cell) {
            for (std::size_t i : cell)
                if (!hit && items_[i].Hits(r)) hit = true;
        });
        return hit;
    }

private:
    std::ptrdiff_t Col(double x) const {
        return std::clamp(static_cast<std::ptrdiff_t>(std::floor((x - bounds_.left) / cell_)),
                          std::ptrdiff_t{0}, cols_ - 1);
    }
    std::ptrdiff_t Row(double y) const {
        return std::clamp(static_cast<std::ptrdiff_t>(std::floor((y - bounds_.top) / cell_)),
                          std::ptrdiff_t{0}, rows_ - 1);
    }
    // The cells `r` lies over; `Self` is const for lookups and not for additions.
    template <typename Self, typename F>
    static void ForCells(Self& self, const ChartRect& r, F&& f) {
        for (std::ptrdiff_t row = self.Row(r.top); row <= self.Row(r.Bottom()); ++row)
            for (std::ptrdiff_t col = self.Col(r.left); col <= self.Col(r.Right()); ++col)
                f(self.cells_[static_cast<std::size_t>(row * self.cols_ + col)]);
    }

    struct Item {
        ChartRect box;
        bool circle;
        bool Hits(const ChartRect& r) const {
            if (!box.Intersects(r)) return false;
            if (!circle) return true;
            const double radius = box.width / 2;
            const double cx = box.left + radius, cy = box.top + radius;
            const double nx = std::clamp(cx, r.left, r.Right());
            const double ny = std::clamp(cy, r.top, r.Bottom());
            return (nx - cx) * (nx - cx) + (ny - cy) * (ny - cy) < radius * radius;
        }
    };
    void Insert(const Item& item) {
        const std::size_t index = items_.size();
        items_.push_back(item);
        ForCells(*this, item.box, [&](std::vector<std::size_t>& cell) { cell.push_back(index); });
    }

    ChartRect bounds_;
    double cell_;
    std::ptrdiff_t cols_ = 1;
    std::ptrdiff_t rows_ = 1;
    std::vector<std::vector<std::size_t>> cells_;
    std::vector<Item> items_;
};

int DigitCount(int n) {
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

std::vector<HoleNumber> PlaceHoleNumbers(const std::vector<ChartPoint>& markers,
                                         double markerRadius, ChartPoint patternCentre,
                                         const NumberMetrics& metrics, const ChartRect& bounds,
                                         const std::vector<ChartRect>& obstacles) {
    std::vector<HoleNumber> numbers;
    if (markers.empty() || bounds.width <= 0 || bounds.height <= 0) return numbers;
    const double widest = metrics.digitWidth * DigitCount(static_cast<int>(markers.size()));
    RectIndex taken(bounds, std::max({widest, metrics.height, 2 * markerRadius}));
    for (const ChartPoint& m : markers) taken.AddCircle(m, markerRadius);
    for (const ChartRect& o : obstacles) taken.Add(o);

    // A little air between a marker and its number.
    const double reach = markerRadius + metrics.height * 0.15;
    constexpr double kDiagonal = 0.70710678118654752;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const ChartPoint m = markers[i];
        const int number = static_cast<int>(i) + 1;
        const double w = metrics.digitWidth * DigitCount(number);
        const double h = metrics.height;
        double dx = m.x - patternCentre.x;
        double dy = m.y - patternCentre.y;
        const double length = std::hypot(dx, dy);
        if (length > 1e-9) {
            dx /= length;
            dy /= length;
        } else {
            dx = kDiagonal;
            dy = -kDiagonal;
        }
        const ChartPoint directions[] = {{dx, dy},
                                         {-dx, -dy},
                                         {kDiagonal, -kDiagonal},
                                         {-kDiagonal, -kDiagonal},
                                         {kDiagonal, kDiagonal},
                                         {-kDiagonal, kDiagonal},
                                         {dy, -dx},
                                         {-dy, dx}};
        // Close to the marker first; on a crowded chart (a line or a caption beside
        // every close place) a little further out.
        bool placed = false;
        for (const double farther : {0.0, 0.5, 1.0}) {
            for (const ChartPoint& d : directions) {
                // Every point of the box lies at least `reach` along d from the marker's
                // centre, so it stays clear of the marker whatever the direction.
                const double along =
                    reach + farther * h + std::fabs(d.x) * w / 2 + std::fabs(d.y) * h / 2;
                const double cx = m.x + d.x * along;
                const double cy = m.y + d.y * along;
                const ChartRect box{cx - w / 2, cy - h / 2, w, h};
                if (!bounds.Contains(box) || taken.Hits(box)) continue;
                taken.Add(box);
                numbers.push_back({number, box});
                placed = true;
                break;
            }
            if (placed) break;
        }
    }
    return numbers;
}

double ScaleLength(double value, bool toMillimetres) {
    return toMillimetres ? value * kMmPerInch : value / kMmPerInch;
}

void ScaleHoles(HoleList& holes, bool toMillimetres) {
    for (RealPoint& h : holes) {
        h.X = ScaleLength(h.X, toMillimetres);
        h.Y = ScaleLength(h.Y, toMillimetres);
    }
}

}  // namespace calc
