#include "threads/ThreadMeasure.h"

#include <algorithm>
#include <cmath>

#include "calc/CalcEnv.h"
#include "calc/Domain.h"
#include "calc/Numeric.h"

namespace calc {

namespace {

#define TOLERANCE_SENTENCE                                                                    \
    "If a specific tolerance designation is required, find the precise values in the tables " \
    "in a handbook. Click the Help button file for more information."
#define CLASS_SENTENCE                                                                         \
    "Find the other class values in the tables in a handbook. Click the Help button file for " \
    "more information."

constexpr ThreadFormInfo kInfo[] = {
    {"optSixtyInch", "60° UN", 60, 30, 0.649519, "sixty", "60° Unified Thread", true,
     "This illustration shows Maximum Material Condition.\n\r" TOLERANCE_SENTENCE,
     "Minor Dia. External:", "Internal:"},
    {"optSixtyISOmetric", "60°ISO metric", 60, 30, 0.649519, "metric", "60° ISO Metric Thread",
     false,
     "This illustration shows Maximum Metal Condition. External thread depth assumes root "
     "radius of 0.1443p. " TOLERANCE_SENTENCE,
     "Minor Dia. External:", "Internal:"},
    {"optFiftyFive", "55° BSW", 55, 27.5, 0.640327, "fiftyfive", "55° Whitworth Thread", true,
     "This illustration shows Close Class values.\n\r" CLASS_SENTENCE,
     "Root and crest rad:", "Minor Dia:"},
    {"optTwentyNine", "29°Acme-2G", 29, 14.5, 0.5, "twentynine", "29° Acme Thread", true,
     "This illustration shows Basic Dimensions of General Purpose. " TOLERANCE_SENTENCE,
     "Minor Dia. External:", "Internal:"},
    {"optTwentyNineStub", "29°Stub Acme", 29, 14.5, 0.3, "twentyninestub", "29° Stub Acme Thread",
     true, "This illustration shows Basic Dimensions of General Purpose.\n\r" TOLERANCE_SENTENCE,
     "Minor Dia. External:", "Internal:"},
    {"optThirtyTrap", "30° Trapezoid", 30, 15, 0.5, "thirtytrap", "30° Trapezoid Thread", false,
     "This illustration shows the Preferred Basic Size.\n\r" TOLERANCE_SENTENCE,
     "Minor Dia. External:", "Internal:"},
};

#undef TOLERANCE_SENTENCE
#undef CLASS_SENTENCE

bool IsAcme(ThreadForm form) {
    return form == ThreadForm::TwentyNineAcme || form == ThreadForm::TwentyNineStub;
}

// Factor from the screen's unit to the unit a form's constants are defined in.
double ToDefiningUnit(ThreadForm form, ThreadUnits units) {
    if (IsAcme(form)) return units == ThreadUnits::Metric ? kInchPerMm : 1.0;
    if (form == ThreadForm::ThirtyTrapezoid) return units == ThreadUnits::Inch ? kMmPerInch : 1.0;
    return 1.0;
}

// A pitch converted from the other unit system may miss a limit in its last digits
// (2.54 mm is 0.1 in only to within rounding).
constexpr double kLimitTolerance = 1e-9;

// ISO 2904 crest clearance by pitch (mm).
double CrestClearance(double pitchMm) {
    if (pitchMm <= 1.5 + kLimitTolerance) return 0.15;
    if (pitchMm <= 5 + kLimitTolerance) return 0.25;
    if (pitchMm <= 12 + kLimitTolerance) return 0.5;
    return 1.0;
}

double UnitsPerInch(ThreadUnits units) {
    return units == ThreadUnits::Metric ? kMmPerInch : 1.0;
}

}  // namespace

const ThreadFormInfo& InfoOf(ThreadForm form) {
    return kInfo[static_cast<int>(form)];
}

std::optional<ThreadForm> FormFromCode(std::string_view code) {
    for (ThreadForm form : kThreadForms)
        if (code == InfoOf(form).code) return form;
    return std::nullopt;
}

std::optional<double> PitchFromTpi(double tpi, ThreadUnits units) {
    if (!(tpi > 0)) return std::nullopt;
    Domain d;
    const double pitch = d.Divide(UnitsPerInch(units), tpi);
    if (!d.Ok() || !(pitch > 0)) return std::nullopt;
    return pitch;
}

std::optional<double> TpiFromPitch(double pitch, ThreadUnits units) {
    // The same reciprocal relation: TPI = (units per inch) / P.
    return PitchFromTpi(pitch, units);
}

std::string PitchTextFromTpi(double tpi, ThreadUnits units, int places) {
    const std::optional<double> pitch = PitchFromTpi(tpi, units);
    if (!pitch) return {};
    const std::string wanted = FormatResult(tpi, 2);
    for (int p = std::clamp(places, 1, 5); p <= 5; ++p) {
        const std::string text = FormatResult(*pitch, p);
        if (TpiTextFromPitch(ParseNumberText(text), units) == wanted) return text;
    }
    // Fifteen significant digits always convert back.
    return DoubleToText15(*pitch);
}

std::string TpiTextFromPitch(double pitch, ThreadUnits units) {
    const std::optional<double> tpi = TpiFromPitch(pitch, units);
    if (!tpi) return {};
    return FormatResult(*tpi, 2);
}

std::optional<double> BestWireSize(ThreadForm form, double pitch) {
    if (!(pitch > 0)) return std::nullopt;
    Domain d;
    const double angle = DegreesToRadians(InfoOf(form).includedAngle);
    const double wire = d.Divide(pitch / 2, std::cos(angle / 2));
    if (!d.Ok()) return std::nullopt;
    return wire;
}

double MeasurementOverWires(ThreadForm form, double e, double w, double p) {
    switch (form) {
        case ThreadForm::SixtyUn:
        case ThreadForm::SixtyIsoMetric:
            return e - 0.86603 * p + 3 * w;
        case ThreadForm::FiftyFiveBsw:
            return e - 0.9605 * p + 3.1657 * w;
        default:
            break;
    }
    // The full three-wire relation: it holds for any wire, not only the best size.
    const double a = DegreesToRadians(InfoOf(form).halfAngle);
    return e + w * (1 + 1 / std::sin(a)) - (p / 2) / std::tan(a);
}

double PitchDiameterFromMeasurement(ThreadForm form, double m, double w, double p) {
    switch (form) {
        case ThreadForm::SixtyUn:
        case ThreadForm::SixtyIsoMetric:
            return m + 0.86603 * p - 3 * w;
        case ThreadForm::FiftyFiveBsw:
            return m + 0.9605 * p - 3.1657 * w;
        default:
            break;
    }
    const double a = DegreesToRadians(InfoOf(form).halfAngle);
    return m - w * (1 + 1 / std::sin(a)) + (p / 2) / std::tan(a);
}

std::optional<double> BasicPitchDiameter(ThreadForm form, double major, double pitch,
                                         ThreadUnits units) {
    Domain d;
    double e = major - InfoOf(form).pitchDiameterFactor * pitch;
    if (IsAcme(form)) {
        const double toInch = ToDefiningUnit(form, units);
        e -= 0.008 * d.Sqrt(major * toInch) / toInch;
    }
    d.Finite({e});
    if (!d.Ok()) return std::nullopt;
    return e;
}

std::optional<ThreadData> ComputeThreadData(ThreadForm form, double major, double pitch,
                                            ThreadUnits units) {
    if (!(major > 0) || !(pitch > 0)) return std::nullopt;
    const double k = ToDefiningUnit(form, units);
    const double D = major * k;
    const double P = pitch * k;
    ThreadData t;
    t.majorExternal = D;
    switch (form) {
        case ThreadForm::SixtyUn:
        case ThreadForm::SixtyIsoMetric: {
            const double H = 0.86603 * P;
            t.heightExternal = 0.70833 * H;
            t.heightInternal = 0.625 * H;
            t.minorExternal = D - 2 * t.heightExternal;
            t.minorInternal = D - 2 * t.heightInternal;
            break;
        }
        case ThreadForm::FiftyFiveBsw:
            t.heightExternal = 0.640327 * P;
            t.heightInternal = 0.640327 * P;
            t.minorExternal = 0.137329 * P;  // root and crest radius
            t.minorInternal = D - 2 * t.heightExternal;
            break;
        case ThreadForm::TwentyNineAcme:
        case ThreadForm::TwentyNineStub: {
            const double depth = form == ThreadForm::TwentyNineAcme ? 0.5 : 0.3;
            const double clearance = P >= 0.1 - kLimitTolerance ? 0.01 : 0.005;
            const double h = depth * P + clearance;
            t.heightExternal = h;
            t.heightInternal = h;
            t.minorExternal = D - 2 * h;
            t.minorInternal = D - 2 * depth * P;
            break;
        }
        case ThreadForm::ThirtyTrapezoid: {
            const double ac = CrestClearance(P);
            t.heightExternal = 0.5 * P + ac;  // h3
            t.heightInternal = 0.5 * P + ac;  // H4
            t.minorExternal = D - 2 * t.heightExternal;
            t.minorInternal = D - P;
            break;
        }
    }
    if (k != 1.0) {
        for (double* v : {&t.majorExternal, &t.heightExternal, &t.heightInternal, &t.minorExternal,
                          &t.minorInternal})
            *v /= k;
    }
    if (!AllFinite({t.majorExternal, t.heightExternal, t.heightInternal, t.minorExternal,
                    t.minorInternal}))
        return std::nullopt;
    if (!(t.minorExternal > 0) || !(t.minorInternal > 0)) return std::nullopt;
    return t;
}

std::optional<ThreadSolution> SolveThread(const ThreadInput& in) {
    if (!(in.major > 0) || !(in.pitch > 0) || !(in.wire > 0)) return std::nullopt;
    ThreadSolution s;
    if (in.pitchDiameter > 0) {
        s.given = ThreadGiven::PitchDiameter;
        s.pitchDiameter = in.pitchDiameter;
        s.measurement = MeasurementOverWires(in.form, s.pitchDiameter, in.wire, in.pitch);
    } else if (in.measurement > 0) {
        s.given = ThreadGiven::Measurement;
        s.measurement = in.measurement;
        s.pitchDiameter = PitchDiameterFromMeasurement(in.form, s.measurement, in.wire, in.pitch);
    } else {
        const std::optional<double> e = BasicPitchDiameter(in.form, in.major, in.pitch, in.units);
        if (!e) return std::nullopt;
        s.pitchDiameter = *e;
        s.measurement = MeasurementOverWires(in.form, s.pitchDiameter, in.wire, in.pitch);
    }
    if (!AllFinite({s.pitchDiameter, s.measurement})) return std::nullopt;
    if (!(s.pitchDiameter > 0) || !(s.measurement > 0)) return std::nullopt;
    const std::optional<ThreadData> data = ComputeThreadData(in.form, in.major, in.pitch, in.units);
    if (!data) return std::nullopt;
    s.data = *data;
    return s;
}

}  // namespace calc
