#pragma once

#include <optional>

// The machining dimensions of a keyseat for a parallel key of width W and height H in a
// shaft of diameter S. C is the height of the circular segment the keyseat cuts off the
// shaft: from the top of the shaft to the flat (the chord of length W).
namespace calc {

struct KeyseatResult {
    double chordHeight = 0;    // D: C = (S - sqrt(S^2 - W^2)) / 2
    double totalHubDepth = 0;  // G: H / 2
    double totalKeyDepth = 0;  // E: H / 2 + C, keyseat depth from the top of the shaft
    double seatBottom = 0;     // B: S - C - H / 2, over the shaft to the keyseat bottom
    double totalHeight = 0;    // A: S - C + H / 2, over shaft and key
    double hubKeyDepth = 0;    // F: H / 2 - C, keyway depth in the hub from the flat
    double shaftKeyDepth = 0;  // C: H / 2, keyseat depth in the shaft from the flat
};

enum class KeyseatStatus { Solved, NotEnoughData, BiggerThanShaft, NotCalculable };

struct KeyseatSolution {
    KeyseatStatus status = KeyseatStatus::NotEnoughData;
    KeyseatResult result;
};

// The chordal height of a chord of length `width` in a circle of diameter `diameter`,
// computed as W^2 / (2 (S + sqrt((S - W)(S + W)))) so that no size overflows; nothing
// when the chord is longer than the diameter or the value is not finite.
std::optional<double> ChordHeight(double width, double diameter);

// NotEnoughData unless all three are above 0; BiggerThanShaft when W >= S or H >= S.
KeyseatSolution SolveKeyseat(double keyWidth, double keyHeight, double shaftDiameter);

}  // namespace calc
