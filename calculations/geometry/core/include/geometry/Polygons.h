#pragma once

// A regular polygon with n sides: sector angle 360 / n, across flats F (the inscribed
// circle's diameter), across corners D (the circumscribed circle's diameter) and side S
// (a chord of the circumscribed circle).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcEnv.h"
#include "calc/Numeric.h"

namespace calc {

enum class PolygonKnown { AcrossFlats, AcrossCorners, Side };

struct PolygonDims {
    double flats = 0;
    double corners = 0;
    double side = 0;
};

// The largest number of sides accepted (the corner list keeps 16-bit counts).
inline constexpr int kMaxPolygonSides = 32767;

// 360 / n.
double SectorAngle(int sides);

// The other two dimensions from the known one, with the exact sector angle of `sides`
// (3 or more). Nothing when the arithmetic has no answer.
std::optional<PolygonDims> SolvePolygon(int sides, PolygonKnown known, double value);

// Perimeter S n, area F / 2 * perimeter / 2 and the volume of a bar of length L.
struct PolygonAreaVolume {
    double area = 0;
    double volume = 0;
};
PolygonAreaVolume AreaVolume(double sides, double side, double flats, double length);

// The check of the number of sides box. Both readers' checks run, in this order:
// CheckWholeNumber on the value read from the text (name "Number of  Sides", two
// blanks) and ValidateEntryBox on the text itself (name TextNumberOfSides). A count
// below 3 (the empty box included) shows MsgMinimumNumber 3, a count above 32767
// MsgInvalidValue; every refusal sets the box to "3".
struct SidesCheck {
    bool accepted = false;
    int sides = 3;             // the accepted count (3 when refused)
    std::string boxText{"3"};  // what the box holds afterwards
};
SidesCheck CheckNumberOfSides(const CalcEnv& env, std::string_view text);

// The corners of the polygon as offsets in twips from the centre of a circle of radius
// `radius` (whole twips, halves to the even neighbour), starting half a sector below the
// horizontal on the right (y grows downwards) and going round once; the list may end
// with a repeat of the first corner.
std::vector<point> calculatePoints(int sides, int radius);

}  // namespace calc
