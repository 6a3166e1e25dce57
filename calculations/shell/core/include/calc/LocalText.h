#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/CalcEnv.h"

// The table of localised field names and messages ("Module3"). Every lookup reads the
// language afresh from the settings store ([Calcs] Language in Arbormate.ini): exactly
// "English", "German" or "French". Anything else ("english" too, or nothing stored)
// selects the desktop's language (CalcEnv::desktopLanguage), so no text is empty and no
// message goes unshown on a fresh install.
namespace calc {

// The stored language; Language::None for a missing or unknown value ("english" too).
Language StoredLanguage(const CalcEnv& env);
// The language every lookup uses: the stored one, else the desktop's.
Language CurrentLanguage(const CalcEnv& env);
// Stores the user's choice ("English", "German", "French"); None removes it.
void StoreLanguage(const CalcEnv& env, Language language);

// ---- Texts (empty with no language) ----------------------------------------------
// Bolt circle and grid pattern.
std::string TextNumberOfHoles();  // "Number of Holes ", the English text
std::string TextNumberOfHoles(const CalcEnv& env);
std::string TextBoltCircleDiameterPadded(const CalcEnv& env);
std::string TextHolesOnX(const CalcEnv& env);
std::string TextHolesOnY(const CalcEnv& env);
std::string TextStepX(const CalcEnv& env);
std::string TextStepY(const CalcEnv& env);
std::string TextStartX(const CalcEnv& env);
std::string TextStartY(const CalcEnv& env);
std::string TextBoltCircleDiameter(const CalcEnv& env);
std::string TextStartAngle(const CalcEnv& env);
std::string TextCenterX(const CalcEnv& env);
std::string TextCenterY(const CalcEnv& env);
// Dovetail.
std::string TextAngle(const CalcEnv& env);
std::string TextHeight(const CalcEnv& env);
std::string TextInsideCornerDimension(const CalcEnv& env);
std::string TextInsideRollDimension(const CalcEnv& env);
std::string TextOutsideCornerDimension(const CalcEnv& env);
std::string TextOutsideRollDimension(const CalcEnv& env);
std::string TextRollDiameter(const CalcEnv& env);
// Oblique triangle.
std::string TextAngleA(const CalcEnv& env);
std::string TextAngleB(const CalcEnv& env);
std::string TextAngleC(const CalcEnv& env);
std::string TextSideA(const CalcEnv& env);
std::string TextSideB(const CalcEnv& env);
std::string TextSideC(const CalcEnv& env);
// Polygons.
std::string TextNumberOfSides(const CalcEnv& env);
std::string TextSideLength(const CalcEnv& env);
std::string TextAcrossCorners(const CalcEnv& env);
std::string TextAcrossFlats(const CalcEnv& env);
// Speeds and feeds.
std::string TextNumberOfTeeth(const CalcEnv& env);
std::string TextSurfaceSpeedMpm(const CalcEnv& env);
std::string TextSurfaceSpeedFpm(const CalcEnv& env);
std::string TextRpm(const CalcEnv& env);
std::string TextMmPerTooth(const CalcEnv& env);
std::string TextInchesPerTooth(const CalcEnv& env);
std::string TextFeedPerMinute(const CalcEnv& env);
std::string TextSurfaceSpeed(const CalcEnv& env);
std::string TextInchSuffix(const CalcEnv& env);
// Thread measurement.
std::string TextThreadsPerInch(const CalcEnv& env);
std::string TextPitchOfThread(const CalcEnv& env);
std::string TextActualWireSize(const CalcEnv& env);
std::string TextMeasurementOverWires(const CalcEnv& env);
std::string TextPitchDiameter(const CalcEnv& env);
std::string TextNominalMajorDiameter(const CalcEnv& env);
// Bolt circle, grid pattern and speeds and feeds.
std::string TextCentreOfCircle(const CalcEnv& env);
std::string TextGridPattern(const CalcEnv& env);
std::string TextDegreesSuffix(const CalcEnv& env);
std::string TextSpeedData(const CalcEnv& env);
std::string TextFeedData(const CalcEnv& env);
std::string TextMmPerRev(const CalcEnv& env);
std::string TextInchesPerRev(const CalcEnv& env);
std::string TextMmPerMinute(const CalcEnv& env);
std::string TextInchesPerMinute(const CalcEnv& env);
std::string TextWorkOrToolDiameter(const CalcEnv& env);

// ---- Messages (OK button; not shown with no language) -----------------------------
void MsgMaxHoles2300(const CalcEnv& env);
void MsgAngleMax90(const CalcEnv& env);
void MsgMarkCheckBox(const CalcEnv& env);
void MsgImpossibleRollAngleHeight(const CalcEnv& env);
void MsgInsideWiderThanOutside(const CalcEnv& env);
void MsgImpossibleRollAngleCorner(const CalcEnv& env);
void MsgImpossibleRollAngleRollWidth(const CalcEnv& env);
void MsgImpossibleHeightOrRollWidth(const CalcEnv& env);
void MsgImpossibleHeightOrCornerWidth(const CalcEnv& env);
void MsgNotEnoughData(const CalcEnv& env);
void MsgNegativeValues(const CalcEnv& env);
void MsgToolPointPositive(const CalcEnv& env);
void MsgPointAngleLengthPositive(const CalcEnv& env);
void MsgPointAngleDiameterPositive(const CalcEnv& env);
void MsgPointLengthToolPositive(const CalcEnv& env);
void MsgCoordinatesOnClipboard(const CalcEnv& env);
void MsgHolesBetween2And3000(const CalcEnv& env);
void MsgNoCalculator(const CalcEnv& env);  // English caption "Arbormate"

// ---- Messages with a value --------------------------------------------------------
void MsgInvalidAmount(const CalcEnv& env, std::string_view name);
void MsgOnlyIntegers(const CalcEnv& env, std::string_view name);
void MsgInvalidValue(const CalcEnv& env, std::string_view name);
void MsgMinimumNumber(const CalcEnv& env, std::string_view number);
void MsgMinimumNumber(const CalcEnv& env, long long number);  // the number as text
void MsgNeedsAboveZero(const CalcEnv& env, std::string_view name);

// ---- Questions (Yes/No/Cancel; MsgAnswer::None with no language) -------------------
MsgAnswer AskSwitchToMetric(const CalcEnv& env);
MsgAnswer AskSwitchToInch(const CalcEnv& env);

// ---- Setters ----------------------------------------------------------------------
// The screens' SetTitleCaption / SetUnitOptions apply these to their controls;
// std::nullopt means "change nothing" (no language).

// About box title: "Arbormate for Tarvik" (English) or "Arbormate" (German, French).
std::optional<std::string> TitleCaption(const CalcEnv& env);

struct UnitOptionTexts {
    bool metricSelected = false;  // English selects inch, German and French metric
    std::string inchCaption;      // "Inch", "Zoll", "Pouce"
    std::string metricCaption;    // "Metric", "Metrisch", "Métrique"
    bool operator==(const UnitOptionTexts&) const = default;
};
std::optional<UnitOptionTexts> UnitOptions(const CalcEnv& env);

// ---- The table itself, for tests and for anyone who needs a text without showing it
// The 81 entries in table order.
enum class LocalEntry {
    TextNumberOfHoles,
    TextBoltCircleDiameterPadded,
    TextHolesOnX,
    TextHolesOnY,
    TextStepX,
    TextStepY,
    TextStartX,
    TextStartY,
    TextBoltCircleDiameter,
    TextStartAngle,
    TextCenterX,
    TextCenterY,
    MsgMaxHoles2300,
    TextAngle,
    MsgAngleMax90,
    TextHeight,
    TextInsideCornerDimension,
    TextInsideRollDimension,
    TextOutsideCornerDimension,
    TextOutsideRollDimension,
    TextRollDiameter,
    MsgMarkCheckBox,
    MsgImpossibleRollAngleHeight,
    MsgInsideWiderThanOutside,
    MsgImpossibleRollAngleCorner,
    MsgImpossibleRollAngleRollWidth,
    MsgImpossibleHeightOrRollWidth,
    MsgImpossibleHeightOrCornerWidth,
    TextAngleA,
    TextAngleB,
    TextAngleC,
    TextSideA,
    TextSideB,
    TextSideC,
    MsgNotEnoughData,
    MsgNegativeValues,
    TextNumberOfSides,
    TextSideLength,
    TextAcrossCorners,
    TextAcrossFlats,
    AskSwitchToMetric,
    AskSwitchToInch,
    MsgToolPointPositive,
    MsgPointAngleLengthPositive,
    MsgPointAngleDiameterPositive,
    MsgPointLengthToolPositive,
    SetUnitOptions,
    TextNumberOfTeeth,
    TextSurfaceSpeedMpm,
    TextSurfaceSpeedFpm,
    TextRpm,
    TextMmPerTooth,
    TextInchesPerTooth,
    TextFeedPerMinute,
    TextSurfaceSpeed,
    TextInchSuffix,
    TextThreadsPerInch,
    TextPitchOfThread,
    TextActualWireSize,
    TextMeasurementOverWires,
    TextPitchDiameter,
    TextNominalMajorDiameter,
    MsgCoordinatesOnClipboard,
    MsgHolesBetween2And3000,
    MsgInvalidAmount,
    MsgOnlyIntegers,
    MsgInvalidValue,
    MsgMinimumNumber,
    MsgNeedsAboveZero,
    TextCentreOfCircle,
    TextGridPattern,
    TextDegreesSuffix,
    TextSpeedData,
    TextFeedData,
    TextMmPerRev,
    TextInchesPerRev,
    TextMmPerMinute,
    TextInchesPerMinute,
    TextWorkOrToolDiameter,
    MsgNoCalculator,
    SetTitleCaption,
};
inline constexpr int kLocalEntryCount = 81;

enum class LocalKind { Text, Message, MessageWithValue, Question, Setter };

LocalKind KindOf(LocalEntry entry);
std::string_view NameOf(LocalEntry entry);  // "TextRollDiameter"

// The text an entry shows in `language` (with `value` inserted for messages with a
// value), without showing anything. Empty for Language::None, except
// TextNumberOfHoles (English). Setters give their captions joined by "|" (title: one caption;
// unit options: inch|metric).
std::string LocalTextFor(LocalEntry entry, Language language, std::string_view value = {});
// The message box caption of a message or question in `language`.
std::string LocalCaptionFor(LocalEntry entry, Language language);

}  // namespace calc
