#include "calc/Domain.h"

#include <cmath>
#include <string>

namespace calc {

double Domain::Sqrt(double x) {
    if (!(x >= 0.0)) {
        ok_ = false;
        return 0.0;
    }
    return Finite(std::sqrt(x));
}

double Domain::Asin(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        ok_ = false;
        return 0.0;
    }
    return std::asin(x);
}

double Domain::Acos(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        ok_ = false;
        return 0.0;
    }
    return std::acos(x);
}

double Domain::Divide(double numerator, double denominator) {
    if (denominator == 0.0 || std::isnan(denominator)) {
        ok_ = false;
        return 0.0;
    }
    return Finite(numerator / denominator);
}

double Domain::Tan(double radians) {
    return Finite(std::tan(radians));
}

double Domain::Finite(double value) {
    if (!std::isfinite(value)) {
        ok_ = false;
        return 0.0;
    }
    return value;
}

bool Domain::Finite(std::initializer_list<double> values) {
    if (!AllFinite(values)) ok_ = false;
    return ok_;
}

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void ShowNotCalculable(const CalcEnv& env, std::string_view name) {
    env.messages.ShowMessage("Impossible data entered: " + std::string(name) +
                                 " cannot be calculated from these values.",
                             kAppTitle, MsgIcon::None);
}

}  // namespace calc
