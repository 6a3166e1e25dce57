#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/CalcEnv.h"

// Reading, checking, converting and formatting the numbers of the calculator screens
// ("Module2", "modFractionConverts"). Values travel between screens as display text.
// No reader or formatter here ever yields infinity or NaN: a value that would overflow
// a double, and a zero denominator, count as "not a number".
namespace calc {

// A 16-bit pixel position.
class point {
public:
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

class RealPoint {
public:
    double X = 0.0;
    double Y = 0.0;
};

// ---- Number spellings -------------------------------------------------------------
// Optional sign, digits with at most one "." (at least one digit), optional exponent
// ("E" or "D" in either case, optional sign, at least one digit); blanks (space, tab,
// line breaks) around it are ignored. Spelling only: "1E999" is a plain number.
bool IsPlainNumber(std::string_view text);
// Leading-number reading: blanks anywhere are skipped ("1 5" reads 15), then a sign,
// digits with at most one ".", and an exponent are read up to the first character that
// cannot continue them. No number at the start reads 0 ("abc", ""); "12abc" reads 12.
// A number too large for a double also reads 0.
double LeadingNumber(std::string_view text);

// ---- Readers ----------------------------------------------------------------------
// For entries that must not be negative. Empty: 0. Contains "-": MsgNegativeValues and
// -1. Contains "/": the fraction value (numerator and denominator read as leading
// numbers; a zero denominator is refused like a bad entry: ShowNotValidEntry and -1).
// Plain number: its value. Anything else: ShowNotValidEntry and -1.
double ParseEntryText(const CalcEnv& env, std::string_view text);
// Silent and lenient: fraction value (0 for a zero denominator), plain number
// (negatives allowed), anything else 0.
double ParseNumberText(std::string_view text);
// With "/": both parts around the first "/" are plain numbers and the denominator is
// not 0. Otherwise: a plain number. Empty text: false.
bool IsNumberOrFraction(std::string_view text);
// "Do not insert spaces." when the text holds a space, else "'" + text + "' is not
// Valid." (English, the program's title as caption).
void ShowNotValidEntry(const CalcEnv& env, std::string_view text);

// ---- Conversions (results that would overflow give 0) ------------------------------
double InchTextToMm(std::string_view text);          // ParseNumberText * 25.4
double MmTextToInch(std::string_view text);          // ParseNumberText * 0.0393700787401575
double DegreesToRadians(double degrees);             // degrees * 3.14159265358979 / 180
double RadiansToDegrees(double radians);             // radians * 180 / 3.14159265358979
double DegreesTextToRadians(std::string_view text);  // LeadingNumber, no fractions

// ---- Formatting -------------------------------------------------------------------
// Rounds the decimal text half away from zero (on its digits, not on a binary double)
// to the pattern for `places`: 0 "#0." (keeps the point: "3."), 1 "#0.#", 2 "#0.0#",
// 3 "#0.0##", 4 "#0.0###", 5 and any other value "#0.0####". Text that is not a plain
// number with a finite value (the empty text included) comes back unchanged. A result
// whose shown digits are all zero has no minus sign ("0.0", never "-0.0").
std::string FormatDecimals(std::string_view text, int places);
// The double (first taken to 15 significant digits) with the pattern 0 "#0", 1 "#0.#",
// 2 "#0.0#", 3 "#0.0##", 4 "#0.0###", 5 "#0.0####"; any other count, and a value that
// is not finite, give the empty text.
std::string FormatValueDecimals(double value, int places);
// The value as text rounded to 15 significant digits in its shortest form: "0.375",
// "-2", "1E-05", "1.5E+20" (exponent form below 1E-4 and from 1E+15 on). Not finite:
// the empty text. Negative zero: "0".
std::string DoubleToText15(double value);
// How screens show a result: FormatDecimals(DoubleToText15(value), places).
std::string FormatResult(double value, int places);
// ParseNumberText rounded to a whole number, halves to the even neighbour, kept within
// the 16-bit range.
int DecimalPlacesFromText(std::string_view text);

// The decimal places box when it loses the focus: empty becomes "0"; the text becomes
// a whole number (halves to even); a count outside 0 to 5, or text that is not a
// number, shows "Maximum decimal places is 5." and becomes "4". Returns the new text.
std::string CheckDecimalPlacesText(const CalcEnv& env, std::string_view text);

// ---- Checks run when the machinist leaves a box (true: accepted) -------------------
// `name` is the field's display name inserted into the localised message.
bool ValidateEntryBox(const CalcEnv& env, std::string_view text, std::string_view name);
bool CheckEntryIsNumber(const CalcEnv& env, std::string_view text, std::string_view name);
bool CheckNotNegative(const CalcEnv& env, std::string_view text, std::string_view name);
// A number without "/" or "." whose value is whole; MsgOnlyIntegers when it has "/"
// or "." or is not whole ("1E-3"); false without a message when it is no number.
bool CheckWholeNumber(const CalcEnv& env, std::string_view text, std::string_view name);
bool CheckBelowLimit(const CalcEnv& env, std::string_view text, std::string_view name,
                     double limit);
bool CheckAngleSumBelow180(const CalcEnv& env, std::string_view textA, std::string_view textB,
                           std::string_view name);
// Whether a solver screen counts the box's text as a given value: a number or fraction
// without a minus sign that reads greater than 0 ("0.0" and "0/4" are not given).
bool IsGivenValue(std::string_view text);
// Before a calculation: true, after MsgNeedsAboveZero, when the text reads as 0 with
// ParseNumberText (empty, "0", "0.0", "0/5", or no number at all).
bool IsEntryMissing(const CalcEnv& env, std::string_view text, std::string_view name);

// ---- Taper ratio entry (the shaft taper screen) ------------------------------------
inline constexpr const char* kInchSystemCaption = "Inch system";
inline constexpr const char* kMetricSystemCaption = "Metric system";

// Reads "1:x" and gives x. Empty: 0. "/": "'/' is not allowed." and 0. x a plain
// number: x (a negative x also shows "Negative values are not allowed."). x not a plain
// number: ShowNotValidEntry(x) and -1. No ":": "Please enter the ratio in the format
// '1:x', or switch to Inch system." (information icon) and 0.
double ParseRatio(const CalcEnv& env, std::string_view text);
// The taper screen's reader for `text`, given the text of its ratio box
// (txtTaperPerFoot) and the caption of its unit button (cmdInchMetric). A metric ratio
// gives 1 / x. A ratio that cannot be divided by (1:0, or one ParseRatio already
// refused with 0) and a fraction with a zero denominator are refused: -1, with
// ShowNotValidEntry unless ParseRatio already said why.
double ParseTaperEntry(const CalcEnv& env, std::string_view text, std::string_view ratioBoxText,
                       std::string_view unitCaption);

}  // namespace calc
