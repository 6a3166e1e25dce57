#pragma once

// Measurement over three wires at the gauge point of a 60° taper pipe thread (NPT:
// taper 1:16 on the diameter, 0.75 inch per foot).

#include <optional>
#include <span>

namespace calc {

// One nominal pipe size: the texts put into the screen's boxes (inches).
struct PipeSize {
    const char* name;  // "1/2"
    const char* tpi;   // "14"
    const char* e0;    // pitch diameter at the start of the thread
    const char* l1;    // gauge length (hand-tight engagement)
    const char* e1;    // pitch diameter at the gauge point
};
// The 24 sizes from 1/16 to 24OD, in list order.
std::span<const PipeSize> PipeSizes();

// The angle of the taper to the centreline as shown: arctan(0.75 / 24) to five places.
inline constexpr const char* kPipeAnglePerSideText = "1.78991";
inline constexpr const char* kPipeTaperPerFootText = "0.75";

// Taper per foot on the diameter from the two pitch diameters and the gauge length:
// 12·(E1 − E0) / L1. nullopt when L1 or E1 − E0 is 0.
std::optional<double> PipeTaperPerFoot(double e0, double e1, double l1);
// Half the taper angle in degrees: arctan(taper per foot / 24).
double PipeAnglePerSide(double taperPerFoot);
// E1 = E0 + 2·L1·tan(arctan(0.75 / 24)): the pitch diameter one gauge length up the
// 1:16 taper, in any unit.
double PipeGaugeDiameter(double e0, double l1);
// 0.57735·P.
double PipeBestWire(double pitch);
// M = (E1 − 0.86603·P + 3.00049·W) / 1.00049: both factors come from the 1°47' half
// taper. nullopt when the result is not a positive finite length.
std::optional<double> PipeMeasurementOverWires(double e1, double pitch, double wire);
// Turns of thread over the gauge length: L1 / P (L1 and P in one unit).
std::optional<double> PipeTurns(double l1, double pitch);

}  // namespace calc
