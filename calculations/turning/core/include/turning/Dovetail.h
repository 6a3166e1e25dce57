#pragma once

#include <array>
#include <optional>

// A dovetail measured with two precision rolls of diameter Dr, flanks at angle A to the
// base (degrees). Its five dimensions:
//   Ro  outside roll width: over rolls laid in the narrow corners
//   Co  outside corner width: across the wide corners
//   H   height
//   Ri  inside roll width: between rolls laid in the wide corners
//   Ci  inside corner width: across the narrow corners
// With r = Dr / 2 and a = A in radians:
//   k = r / tan(a / 2)   corner to the points where a roll in it touches the faces
//   c = 2 (k + r)        the roll allowance, Dr (1 + cot(a / 2)): Ro = Ci + c, Ri = Co - c
//   g = 2 H / tan(a)     Co = Ci + g
//   m = sin(a) k         the height at which a roll touches the flank; H must reach it
// Two dimensions (never Ro with Ci, nor Ri with Co: each such pair is tied by c alone)
// give the other three.
namespace calc {

enum class DovetailDim { OutsideRolls, OutsideCorners, Height, InsideRolls, InsideCorners };
inline constexpr int kDovetailDims = 5;

struct DovetailData {
    double rollDiameter = 0;
    double angle = 0;  // degrees
    std::array<double, kDovetailDims> values{};
    std::array<bool, kDovetailDims> ticked{};

    double& operator[](DovetailDim d) { return values[static_cast<int>(d)]; }
    double operator[](DovetailDim d) const { return values[static_cast<int>(d)]; }
    bool Ticked(DovetailDim d) const { return ticked[static_cast<int>(d)]; }
    void Tick(DovetailDim d, bool on = true) { ticked[static_cast<int>(d)] = on; }
    int TickCount() const;
};

// Why data were refused; each names the message the screen shows.
enum class DovetailCheck {
    Ok,
    MarkCheckBox,                   // fewer than two dimensions ticked
    ImpossibleRollAngleHeight,      // the height does not reach the roll's contact point
    InsideWiderThanOutside,         // Ci wider than Co
    ImpossibleRollAngleCorner,      // corner widths that no roll and angle can give
    ImpossibleRollAngleCornerOnly,  // the (Co, Ro) pair's height check (English only)
    ImpossibleRollAngleRollWidth,   // roll widths that no roll and angle can give
    ImpossibleHeightOrRollWidth,
    ImpossibleHeightOrCornerWidth,
};

// Whether each dimension's box may be ticked / edited, from the ticks as they stand: at
// most two, and never Ro with Ci nor Ri with Co.
std::array<bool, kDovetailDims> DovetailEditable(const std::array<bool, kDovetailDims>& ticked);

// The quantities above for the roll and angle (and H for g).
struct DovetailTerms {
    double k = 0, c = 0, g = 0, m = 0;
};
std::optional<DovetailTerms> DovetailTermsFor(double rollDiameter, double angle, double height);

// The checks of the ticked pair, in the order the screen reports them, once the roll
// diameter, the angle and the ticked values are known to be present. Besides the pair's
// own checks, a pair whose solution would give a negative inside roll width, a pair
// that derives the height at 90 degree flanks (where the corner widths cannot differ)
// and arithmetic without a finite answer are refused with the pair's message.
DovetailCheck ValidateDovetail(const DovetailData& data);

// The three dimensions of the ticked pair, the ticked two unchanged; nothing when the
// pair is not one of the eight or the arithmetic has no finite answer. Call after
// ValidateDovetail accepted.
std::optional<DovetailData> SolveDovetail(const DovetailData& data);

}  // namespace calc
