#pragma once

#include <initializer_list>
#include <string_view>

#include "calc/CalcEnv.h"

// Arithmetic that can leave its domain.
//
// A double quietly turns a root of a negative, an arcsine beyond ±1 or a division by
// zero into NaN or infinity, and such a value must never reach a box, a field, a print
// or the clipboard. A calculation therefore sends each step that can fail through one
// Domain: a step outside its domain marks the whole calculation failed and yields 0, so
// the calculation runs to its end and the caller asks Ok() once, before it writes
// anything:
//
//     Domain d;
//     const double c = d.Sqrt(a * a + b * b);
//     const double angle = d.Asin(d.Divide(a, c));
//     d.Finite({c, angle});
//     if (!d.Ok()) return std::nullopt;   // the screen shows its impossible-data message
//
// The screen then takes its own error path (its impossible-data message, or
// ShowNotCalculable naming the value) and leaves every box and field as it was.
namespace calc {

class Domain {
public:
    // √x; x < 0 fails.
    double Sqrt(double x);
    // asin / acos in radians; |x| > 1 fails.
    double Asin(double x);
    double Acos(double x);
    // numerator / denominator; a zero denominator fails.
    double Divide(double numerator, double denominator);
    // tan of an angle in radians; a result that is not finite fails.
    double Tan(double radians);
    // The value itself; a value that is not finite fails (and gives 0).
    double Finite(double value);
    // Every value finite; otherwise fails.
    bool Finite(std::initializer_list<double> values);
    // Marks the calculation failed for a reason of the caller's own.
    void Fail() { ok_ = false; }

    bool Ok() const { return ok_; }
    explicit operator bool() const { return ok_; }

private:
    bool ok_ = true;
};

// True when every value is finite.
bool AllFinite(std::initializer_list<double> values);

// The message of a calculation that left its domain on a screen that has no message of
// its own: "Impossible data entered: <name> cannot be calculated from these values."
// (English, the program's title as caption).
void ShowNotCalculable(const CalcEnv& env, std::string_view name);

}  // namespace calc
