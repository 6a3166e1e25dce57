#include "threads/PipeThread.h"

#include <cmath>

#include "calc/CalcEnv.h"
#include "calc/Domain.h"
#include "calc/Numeric.h"

namespace calc {

namespace {

constexpr PipeSize kSizes[] = {
    {"1/16", "27", "0.27118", "0.160", "0.28118"},
    {"1/8", "27", "0.36351", "0.1615", "0.37360"},
    {"1/4", "18", "0.47739", "0.2278", "0.49163"},
    {"3/8", "18", "0.61201", "0.24", "0.62701"},
    {"1/2", "14", "0.75843", "0.32", "0.77843"},
    {"3/4", "14", "0.96768", "0.339", "0.98887"},
    {"1", "11.5", "1.21363", "0.4", "1.23863"},
    {"1-1/4", "11.5", "1.55713", "0.420", "1.58338"},
    {"1-1/2", "11.5", "1.79609", "0.420", "1.82234"},
    {"2", "11.5", "2.26902", "0.436", "2.29627"},
    {"2-1/2", "8", "2.71953", "0.682", "2.76216"},
    {"3", "8", "3.34062", "0.766", "3.3885"},
    {"3-1/2", "8", "3.8375", "0.821", "3.88881"},
    {"4", "8", "4.33438", "0.844", "4.38712"},
    {"5", "8", "5.39073", "0.937", "5.44929"},
    {"6", "8", "6.44609", "0.958", "6.50597"},
    {"8", "8", "8.43359", "1.063", "8.50003"},
    {"10", "8", "10.54531", "1.21", "10.62094"},
    {"12", "8", "12.53281", "1.36", "12.61781"},
    {"14OD", "8", "13.775", "1.562", "13.87262"},
    {"16OD", "8", "15.7625", "1.812", "15.87575"},
    {"18OD", "8", "17.75", "2.0", "17.875"},
    {"20OD", "8", "19.7375", "2.125", "19.87031"},
    {"24OD", "8", "23.7125", "2.375", "23.86094"},
};

}  // namespace

std::span<const PipeSize> PipeSizes() {
    return kSizes;
}

std::optional<double> PipeTaperPerFoot(double e0, double e1, double l1) {
    Domain d;
    const double ratio = d.Divide(d.Divide(l1, e1 - e0), 12);
    const double perFoot = d.Divide(1, ratio);
    if (!d.Ok()) return std::nullopt;
    return perFoot;
}

double PipeAnglePerSide(double taperPerFoot) {
    return RadiansToDegrees(std::atan(taperPerFoot / 24));
}

double PipeGaugeDiameter(double e0, double l1) {
    return e0 + 2 * l1 * std::tan(std::atan(0.75 / 24));
}

double PipeBestWire(double pitch) {
    return 0.57735 * pitch;
}

std::optional<double> PipeMeasurementOverWires(double e1, double pitch, double wire) {
    const double m = (e1 - 0.86603 * pitch + 3.00049 * wire) / 1.00049;
    if (!std::isfinite(m) || !(m > 0)) return std::nullopt;
    return m;
}

std::optional<double> PipeTurns(double l1, double pitch) {
    Domain d;
    const double turns = d.Divide(l1, pitch);
    if (!d.Ok()) return std::nullopt;
    return turns;
}

}  // namespace calc
