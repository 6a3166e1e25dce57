#pragma once

// Three-wire measurement of parallel screw threads: best wire size, pitch diameter and
// measurement over wires in either direction, and the thread data (major and minor
// diameters, thread heights) of the external and internal thread.
//
// Lengths are plain numbers in the unit system of the screen (inch or millimetre). The
// wire relations hold in any unit; the thread data of the 29° forms are defined in
// inches and those of the trapezoid in millimetres, so in the other system D and P are
// converted, the data computed and the results converted back.

#include <optional>
#include <string>
#include <string_view>

namespace calc {

enum class ThreadForm {
    SixtyUn,          // 60° UN
    SixtyIsoMetric,   // 60° ISO metric
    FiftyFiveBsw,     // 55° BSW (Whitworth)
    TwentyNineAcme,   // 29° Acme, general purpose class 2G
    TwentyNineStub,   // 29° Stub Acme
    ThirtyTrapezoid,  // 30° trapezoid (ISO 2904)
};
inline constexpr ThreadForm kThreadForms[] = {
    ThreadForm::SixtyUn,        ThreadForm::SixtyIsoMetric, ThreadForm::FiftyFiveBsw,
    ThreadForm::TwentyNineAcme, ThreadForm::TwentyNineStub, ThreadForm::ThirtyTrapezoid};

enum class ThreadUnits { Inch, Metric };

struct ThreadFormInfo {
    const char* optionName;     // objectName of its option button
    const char* optionCaption;  // "60° UN"
    double includedAngle;       // degrees, for the best wire
    double halfAngle;           // degrees, for the wire formulas
    double pitchDiameterFactor;
    const char* code;        // stored under [InchMetric] ThreadMeas
    const char* printTitle;  // first line of the print
    bool threadsPerInch;     // the pitch is entered as threads per inch after selection
    const char* note;        // the text describing the thread data (LF CR line breaks)
    const char* minorExternalCaption;
    const char* minorInternalCaption;
};

const ThreadFormInfo& InfoOf(ThreadForm form);
// The form stored under `code`; nullopt for an unknown code.
std::optional<ThreadForm> FormFromCode(std::string_view code);

// The numbered screw sizes of the reference list, "#0 = 0.060" ... "#12 = 0.216".
inline constexpr const char* kNumberedSizes[] = {
    "#0 = 0.060", "#1 = 0.073", "#2 = 0.086", "#3 = 0.099",  "#4 = 0.112",
    "#5 = 0.125", "#6 = 0.138", "#8 = 0.164", "#10 = 0.190", "#12 = 0.216"};

// ---- Pitch and threads per inch ----------------------------------------------------
// Threads per inch are per inch in both unit systems: the pitch is 1/TPI inch or
// 25.4/TPI mm. Both directions give nullopt for a value that is not positive.
std::optional<double> PitchFromTpi(double tpi, ThreadUnits units);
std::optional<double> TpiFromPitch(double pitch, ThreadUnits units);
// The pitch text for a TPI entry: formatted to `places` (at least 1) and given more
// digits where needed, so that converting it back shows the TPI again ("#0.0#").
// Empty for a value that is not positive.
std::string PitchTextFromTpi(double tpi, ThreadUnits units, int places);
// The TPI text for a pitch, "#0.0#". Empty for a value that is not positive.
std::string TpiTextFromPitch(double pitch, ThreadUnits units);

// ---- Wire relations ----------------------------------------------------------------
// The wire that touches the flanks at the pitch line: (P/2) / cos(included angle / 2).
std::optional<double> BestWireSize(ThreadForm form, double pitch);
// Measurement over wires from the pitch diameter, and the reverse.
double MeasurementOverWires(ThreadForm form, double pitchDiameter, double wire, double pitch);
double PitchDiameterFromMeasurement(ThreadForm form, double measurement, double wire, double pitch);
// The pitch diameter of the thread data shown: D − f·P, for the 29° forms less the
// class 2G allowance 0.008·√D (inches).
std::optional<double> BasicPitchDiameter(ThreadForm form, double major, double pitch,
                                         ThreadUnits units);

// ---- Thread data -------------------------------------------------------------------
struct ThreadData {
    double majorExternal = 0;   // txtMajDiaScr
    double heightExternal = 0;  // txtHghtScr
    double heightInternal = 0;  // txtHghtNut
    double minorExternal = 0;   // txtMinDiaScr (55° BSW: root and crest radius)
    double minorInternal = 0;   // txtMinDiaNut
};
// nullopt when a value leaves its domain or a minor diameter is not positive (a pitch
// out of proportion to the diameter).
std::optional<ThreadData> ComputeThreadData(ThreadForm form, double major, double pitch,
                                            ThreadUnits units);

// ---- The whole calculation ---------------------------------------------------------
struct ThreadInput {
    ThreadForm form = ThreadForm::SixtyUn;
    ThreadUnits units = ThreadUnits::Inch;
    double major = 0;  // D, required
    double pitch = 0;  // P, required
    double wire = 0;   // W, required
    // Given values (> 0 counts as given); a given pitch diameter wins over a given
    // measurement, and with neither the pitch diameter comes from D.
    double pitchDiameter = 0;
    double measurement = 0;
};
enum class ThreadGiven { Neither, PitchDiameter, Measurement };
struct ThreadSolution {
    ThreadGiven given = ThreadGiven::Neither;
    double pitchDiameter = 0;
    double measurement = 0;
    ThreadData data;
};
// nullopt ("Impossible data are entered."): D, P or W not positive, a value that leaves
// its domain, or a pitch diameter, measurement or minor diameter that is not positive.
std::optional<ThreadSolution> SolveThread(const ThreadInput& input);

}  // namespace calc
