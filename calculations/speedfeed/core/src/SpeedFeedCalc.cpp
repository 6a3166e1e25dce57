#include "speedfeed/SpeedFeedCalc.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "calc/Domain.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"

namespace calc {
namespace {

// The names the messages give: these English ones, the table's in German and French.
constexpr const char* kRpmName = "RPM";
constexpr const char* kDiameterOfTool = "Diameter of Tool";

std::string NameIn(const CalcEnv& env, const char* english, std::string (*local)(const CalcEnv&)) {
    return CurrentLanguage(env) == Language::English ? std::string(english) : local(env);
}
// Point angles from here on give no real drill point.
constexpr double kFlatPointAngle = 180.0;

double Read(const std::string& text) {
    return ParseNumberText(text);
}

// The 15-digit text of the value rounded to a whole number, halves to the even
// neighbour; the empty text when the value is not finite.
std::string RoundedWholeText(double value) {
    const std::string text = DoubleToText15(value);
    if (text.empty()) return {};
    const double whole = std::nearbyint(ParseNumberText(text));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole == 0.0 ? 0.0 : whole);
    return buffer;
}

// The boxes that hold lengths, converted by the unit switches.
constexpr std::string SpeedFeedBoxes::*kLengthBoxes[] = {
    &SpeedFeedBoxes::dia,       &SpeedFeedBoxes::feedFlute,
    &SpeedFeedBoxes::feedRev,   &SpeedFeedBoxes::inchesPerMinute,
    &SpeedFeedBoxes::drlPoint,  &SpeedFeedBoxes::drlDepth,
    &SpeedFeedBoxes::totalDepth};

}  // namespace

double SpeedConstant(bool metric) {
    return metric ? kSpeedConstantMetric : kSpeedConstantInch;
}

bool WholeNumberText(double value, std::string& out) {
    const std::string text = RoundedWholeText(value);
    if (text.empty()) return false;
    const double whole = ParseNumberText(text);
    if (whole > std::numeric_limits<std::int32_t>::max() ||
        whole < std::numeric_limits<std::int32_t>::min()) {
        return false;
    }
    out = text;
    return true;
}

bool CheckDrillingEntries(const CalcEnv& env, const SpeedFeedBoxes& boxes, bool drillingShown) {
    const double d = Read(boxes.dia);
    if (drillingShown) {
        const bool noAngle = boxes.pointAngle.empty() || Read(boxes.pointAngle) == 0;
        const bool noLength = boxes.drlPoint.empty() || Read(boxes.drlPoint) == 0;
        if (d == 0 && noAngle && noLength) {
            MsgToolPointPositive(env);
            return false;
        }
        if (d != 0) {
            if (noAngle && noLength) {
                MsgPointAngleLengthPositive(env);
                return false;
            }
        } else if (!noLength) {
            if (noAngle) {
                MsgPointAngleDiameterPositive(env);
                return false;
            }
        } else {
            MsgPointLengthToolPositive(env);
            return false;
        }
        // A point of 180 degrees or more is flat or hollow: no diameter or point length
        // follows from it.
        if (!noAngle && Read(boxes.pointAngle) >= kFlatPointAngle) {
            MsgInvalidValue(env, boxes.pointAngle);
            return false;
        }
        return true;
    }
    if (Read(boxes.sSpeed) != 0 && Read(boxes.rpm) != 0 && !boxes.sSpeed.empty() &&
        !boxes.rpm.empty()) {
        return true;
    }
    return !IsEntryMissing(env, boxes.dia, NameIn(env, kDiameterOfTool, &TextWorkOrToolDiameter));
}

bool SolveDrillPoint(SpeedFeedBoxes& boxes, int places) {
    const double d = Read(boxes.dia);
    const double a = Read(boxes.pointAngle);
    const double l = Read(boxes.drlPoint);
    // Also reached with the drilling boxes hidden; an impossible angle there is left
    // alone rather than turned into a negative length.
    const bool angleUsable = a > 0 && a < kFlatPointAngle;
    Domain domain;
    if ((boxes.dia.empty() || d == 0) && a != 0 && l != 0) {
        if (angleUsable) {
            const double dia = domain.Finite(std::tan(a * kPi / 180 / 2) * l * 2);
            if (!domain) return false;
            boxes.dia = FormatResult(dia, places);
        }
        return true;
    }
    if (d != 0 && a != 0 && l == 0) {
        if (angleUsable) {
            const double point = domain.Divide(d / 2, std::tan(a / 2 * kPi / 180));
            if (!domain) return false;
            boxes.drlPoint = FormatResult(point, places);
        }
        return true;
    }
    if (d != 0 && l != 0 && a == 0) {
        const double angle = domain.Finite(std::atan(domain.Divide(d / 2, l)) * 180 / kPi * 2);
        if (!domain) return false;
        boxes.pointAngle = FormatResult(angle, places);
    }
    return true;
}

bool SolveSpeedAndFeed(const CalcEnv& env, SpeedFeedBoxes& boxes, const SpeedFeedOptions& options) {
    const double k = SpeedConstant(options.metric);
    const int places = options.places;
    const auto fail = [&env] {
        MsgNeedsAboveZero(env, NameIn(env, kRpmName, &TextRpm));
        return false;
    };
    // A quotient, or nothing when the division or the result fails.
    const auto divide = [](double a, double b, double& out) {
        if (b == 0) return false;
        out = a / b;
        return std::isfinite(out);
    };
    double value = 0;

    if (Read(boxes.rpm) != 0 && Read(boxes.sSpeed) != 0 && Read(boxes.dia) == 0) {
        if (!divide(Read(boxes.sSpeed) * k, Read(boxes.rpm), value)) return fail();
        boxes.dia = FormatResult(value, places);
    }

    if (options.speed == SpeedMode::SurfaceSpeed && !boxes.dia.empty() && Read(boxes.dia) != 0) {
        std::string whole;
        if (!divide(Read(boxes.sSpeed) * k, Read(boxes.dia), value) ||
            !WholeNumberText(value, whole)) {
            return fail();
        }
        boxes.rpm = whole;
        if (!boxes.sSpeed.empty()) {
            if (!WholeNumberText(Read(boxes.sSpeed), whole)) return fail();
            boxes.sSpeed = whole;
        }
    }

    if (options.speed == SpeedMode::Rpm && !boxes.rpm.empty() && !boxes.dia.empty()) {
        if (!divide(Read(boxes.dia) * Read(boxes.rpm), k, value)) return fail();
        if (options.metric) {
            boxes.sSpeed = FormatDecimals(DoubleToText15(value), 2);
        } else {
            std::string whole;
            if (!WholeNumberText(value, whole)) return fail();
            boxes.sSpeed = whole;
        }
    }

    switch (options.feed) {
        case FeedMode::PerRev:
            if (!boxes.feedRev.empty()) {
                value = Read(boxes.rpm) * Read(boxes.feedRev);
                if (!std::isfinite(value)) return fail();
                boxes.inchesPerMinute = FormatResult(value, places);
                if (!divide(Read(boxes.feedRev), Read(boxes.numFlutes), value)) return fail();
                boxes.feedFlute = FormatResult(value, places);
            }
            break;
        case FeedMode::PerTooth:
            if (!boxes.feedFlute.empty() && !boxes.rpm.empty()) {
                value = Read(boxes.rpm) * Read(boxes.numFlutes) * Read(boxes.feedFlute);
                if (!std::isfinite(value)) return fail();
                boxes.inchesPerMinute = FormatResult(value, places);
                if (!divide(Read(boxes.inchesPerMinute), Read(boxes.rpm), value)) return fail();
                boxes.feedRev = FormatResult(value, places);
            }
            break;
        case FeedMode::PerMinute:
            if (!boxes.inchesPerMinute.empty() && !boxes.rpm.empty() && Read(boxes.rpm) != 0) {
                if (!divide(Read(boxes.inchesPerMinute), Read(boxes.rpm), value)) return fail();
                boxes.feedRev = FormatResult(value, places);
                if (!divide(Read(boxes.feedRev), Read(boxes.numFlutes), value)) return fail();
                boxes.feedFlute = FormatResult(value, places);
            }
            break;
    }
    return true;
}

void UpdateDepths(SpeedFeedBoxes& boxes) {
    const double full = Read(boxes.drlDepth);
    const double point = Read(boxes.drlPoint);
    if (full != 0) {
        boxes.totalDepth = DoubleToText15(full + point);
    } else {
        boxes.drlDepth = DoubleToText15(Read(boxes.totalDepth) - point);
    }
    if (!(Read(boxes.drlDepth) > 0)) boxes.drlDepth = "0";
}

bool CalculateSpeedFeed(const CalcEnv& env, SpeedFeedBoxes& boxes,
                        const SpeedFeedOptions& options) {
    if (!CheckDrillingEntries(env, boxes, options.drillingShown)) return false;
    // Worked on a copy: a step that fails arithmetically leaves every box as it was.
    SpeedFeedBoxes work = boxes;
    if (!SolveDrillPoint(work, options.places)) {
        ShowNotCalculable(env, "the drill point");
        return false;
    }
    if (!SolveSpeedAndFeed(env, work, options)) return false;
    UpdateDepths(work);
    if (!AllFinite({ParseNumberText(work.drlDepth), ParseNumberText(work.totalDepth)})) {
        ShowNotCalculable(env, "the depth");
        return false;
    }
    boxes = work;
    return true;
}

void ConvertBoxesToMetric(SpeedFeedBoxes& boxes, int places) {
    for (auto member : kLengthBoxes) {
        std::string& box = boxes.*member;
        box = FormatDecimals(DoubleToText15(InchTextToMm(box)), places);
    }
    boxes.sSpeed = FormatDecimals(DoubleToText15(Read(boxes.sSpeed) / kFeetPerMetre), 2);
}

void ConvertBoxesToInch(SpeedFeedBoxes& boxes, int places) {
    for (auto member : kLengthBoxes) {
        std::string& box = boxes.*member;
        box = FormatDecimals(DoubleToText15(MmTextToInch(box)), places);
    }
    // No 32-bit limit here: a huge speed stays a (huge) whole number rather than failing.
    const std::string whole = RoundedWholeText(Read(boxes.sSpeed) * kFeetPerMetre);
    boxes.sSpeed = whole.empty() ? "0" : whole;
}

std::string ApplyEntryRule(const CalcEnv& env, std::string_view text, bool keepEmpty) {
    if (text.empty()) return keepEmpty ? std::string() : std::string("0");
    const double value = ParseEntryText(env, text);
    if (value == 0 || value == -1) return "0";
    return std::string(text);
}

void CheckPointAngle(const CalcEnv& env, std::string_view text) {
    if (ParseNumberText(text) >= kFlatPointAngle) MsgInvalidValue(env, text);
}

bool CheckNumberOfTeeth(const CalcEnv& env, std::string& text) {
    const std::string name = TextNumberOfTeeth(env);
    if (!ValidateEntryBox(env, text, name)) return false;
    if (!CheckWholeNumber(env, text, name)) return false;
    if (IsEntryMissing(env, text, name)) {
        text = "1";
        return false;
    }
    return true;
}

std::string BuildSpeedFeedPrintText(const CalcEnv& env, const SpeedFeedBoxes& boxes, bool metric) {
    const std::string lines[] = {
        TextSpeedData(env),
        "",
        TextWorkOrToolDiameter(env) + ": " + boxes.dia,
        (metric ? TextSurfaceSpeedMpm(env) : TextSurfaceSpeedFpm(env)) + ": " + boxes.sSpeed,
        TextRpm(env) + ": " + boxes.rpm,
        TextFeedData(env),
        (metric ? TextMmPerRev(env) : TextInchesPerRev(env)) + ": " + boxes.feedRev,
        (metric ? TextMmPerTooth(env) : TextInchesPerTooth(env)) + ": " + boxes.feedFlute,
        (metric ? TextMmPerMinute(env) : TextInchesPerMinute(env)) + ": " + boxes.inchesPerMinute,
    };
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines[0]) text += "\n\r";
        text += line;
    }
    return text;
}

}  // namespace calc
