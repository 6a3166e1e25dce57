#include "calc/Numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "calc/LocalText.h"

namespace calc {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool IsBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}
bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A decimal number kept as its digits: value = 0.<digits> x 10^pointPos. `digits` has
// no leading or trailing zeros; it is empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long pointPos = 0;
};

// Far beyond any double, small enough never to overflow when offsets are added.
constexpr long long kExponentCap = 1'000'000'000;

// Builds a Decimal from mantissa digits with the position of their point, and an
// exponent. `mantissa` holds only digits.
Decimal MakeDecimal(bool negative, std::string_view mantissa, std::size_t intCount,
                    long long exponent) {
    Decimal d;
    d.negative = negative;
    d.pointPos = static_cast<long long>(intCount) + exponent;
    std::size_t lead = 0;
    while (lead < mantissa.size() && mantissa[lead] == '0') ++lead;
    std::size_t end = mantissa.size();
    while (end > lead && mantissa[end - 1] == '0') --end;
    d.digits = std::string(mantissa.substr(lead, end - lead));
    d.pointPos -= static_cast<long long>(lead);
    if (d.digits.empty()) d = Decimal{};
    return d;
}

// Reads digits of an exponent, saturating far beyond any double's range.
long long ReadExponentDigits(std::string_view digits) {
    long long value = 0;
    for (char c : digits) value = std::min(value * 10 + (c - '0'), kExponentCap);
    return value;
}

// Reads an optional sign, digits with at most one ".", and an exponent ("E" or "D",
// optional sign, digits) from text[i]; `i` ends after the last character used. An
// exponent mark without digits is not used. Nothing when no digit was found.
std::optional<Decimal> ScanNumber(std::string_view text, std::size_t& i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string mantissa;
    std::size_t intCount = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            mantissa += c;
            if (!point) ++intCount;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantissa.empty()) return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && IsExponentMark(text[i])) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        const std::size_t start = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > start) {
            exponent = ReadExponentDigits(text.substr(start, j - start));
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }
    return MakeDecimal(negative, mantissa, intCount, exponent);
}

// The plain number spelling; nothing when `text` is not one.
std::optional<Decimal> ParsePlain(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    const auto d = ScanNumber(text, i);
    if (!d || i != text.size()) return std::nullopt;
    return d;
}

// The double nearest to `d`; nothing when it is too large for a double.
std::optional<double> ToDouble(const Decimal& d) {
    if (d.digits.empty()) return 0.0;
    if (d.pointPos > 400) return std::nullopt;
    if (d.pointPos < -400) return 0.0;
    const std::string text = "0." + d.digits + "e" + std::to_string(d.pointPos);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (d.pointPos > 0) return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return 0.0;
    return d.negative ? -value : value;
}

std::optional<double> PlainValue(std::string_view text) {
    const auto d = ParsePlain(text);
    if (!d) return std::nullopt;
    return ToDouble(*d);
}

// Leading-number reading as a Decimal (blanks anywhere skipped).
Decimal LeadingDecimal(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    std::size_t i = 0;
    return ScanNumber(compact, i).value_or(Decimal{});
}

// Numerator / denominator around the first "/", both read as leading numbers; nothing
// when the denominator is 0 or the quotient is not a finite double.
std::optional<double> FractionValue(std::string_view text) {
    const auto slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const double numerator = LeadingNumber(text.substr(0, slash));
    const double denominator = LeadingNumber(text.substr(slash + 1));
    if (denominator == 0.0) return std::nullopt;
    const double value = numerator / denominator;
    if (!std::isfinite(value)) return std::nullopt;
    return value == 0.0 ? 0.0 : value;
}

// A fraction when the text holds "/", else a plain number; nothing when it is neither.
std::optional<double> EntryValue(std::string_view text) {
    return Contains(text, '/') ? FractionValue(text) : PlainValue(text);
}

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

struct Pattern {
    bool point;  // the pattern shows the decimal point
    int minDecimals;
    int maxDecimals;
};

Pattern PatternFor(int places) {
    switch (places) {
        case 0:
            return {true, 0, 0};  // "#0."
        case 1:
            return {true, 0, 1};  // "#0.#"
        case 2:
            return {true, 1, 2};  // "#0.0#"
        case 3:
            return {true, 1, 3};  // "#0.0##"
        case 4:
            return {true, 1, 4};  // "#0.0###"
        default:
            return {true, 1, 5};  // "#0.0####"
    }
}

// Rounds half away from zero at the pattern's last decimal, on the decimal digits.
std::string FormatDecimal(const Decimal& d, const Pattern& pattern) {
    const long long n = static_cast<long long>(d.digits.size());
    auto digitAt = [&](long long index) -> char {
        return (index >= 0 && index < n) ? d.digits[static_cast<std::size_t>(index)] : '0';
    };
    // Integer digits are indices [0, pointPos), decimals [pointPos, pointPos + max).
    std::string shown;
    const long long intCount = std::max<long long>(d.pointPos, 1);
    for (long long k = d.pointPos - intCount; k < d.pointPos + pattern.maxDecimals; ++k) {
        shown += digitAt(k);
    }
    if (digitAt(d.pointPos + pattern.maxDecimals) >= '5') {
        std::size_t k = shown.size();
        while (k > 0 && shown[k - 1] == '9') shown[--k] = '0';
        if (k == 0) {
            shown.insert(shown.begin(), '1');
        } else {
            ++shown[k - 1];
        }
    }
    const std::size_t split = shown.size() - static_cast<std::size_t>(pattern.maxDecimals);
    std::string integer = shown.substr(0, split);
    std::string decimals = shown.substr(split);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    while (decimals.size() > static_cast<std::size_t>(pattern.minDecimals) &&
           decimals.back() == '0') {
        decimals.pop_back();
    }
    const bool allZero = shown.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !allZero) ? "-" : "";
    out += integer;
    if (pattern.point) out += "." + decimals;
    return out;
}

void ShowPlain(const CalcEnv& env, const std::string& text, MsgIcon icon = MsgIcon::None) {
    env.messages.ShowMessage(text, kAppTitle, icon);
}

constexpr const char* kRatioFormatText =
    "Please enter the ratio in the format '1:x', or switch to Inch system.";
constexpr const char* kNegativeText = "Negative values are not allowed.";

}  // namespace

bool IsPlainNumber(std::string_view text) {
    return ParsePlain(text).has_value();
}

double LeadingNumber(std::string_view text) {
    return ToDouble(LeadingDecimal(text)).value_or(0.0);
}

double ParseEntryText(const CalcEnv& env, std::string_view text) {
    if (text.empty()) return 0.0;
    if (Contains(text, '-')) {
        MsgNegativeValues(env);
        return -1.0;
    }
    const std::optional<double> value = EntryValue(text);
    if (!value) {
        ShowNotValidEntry(env, text);
        return -1.0;
    }
    return *value;
}

double ParseNumberText(std::string_view text) {
    return EntryValue(text).value_or(0.0);
}

bool IsNumberOrFraction(std::string_view text) {
    const auto slash = text.find('/');
    if (slash == std::string_view::npos) return PlainValue(text).has_value();
    return IsPlainNumber(text.substr(0, slash)) && IsPlainNumber(text.substr(slash + 1)) &&
           FractionValue(text).has_value();
}

void ShowNotValidEntry(const CalcEnv& env, std::string_view text) {
    if (Contains(text, ' ')) {
        ShowPlain(env, "Do not insert spaces.");
    } else {
        ShowPlain(env, "'" + std::string(text) + "' is not Valid.");
    }
}

double InchTextToMm(std::string_view text) {
    return FiniteOrZero(ParseNumberText(text) * kMmPerInch);
}
double MmTextToInch(std::string_view text) {
    return FiniteOrZero(ParseNumberText(text) * kInchPerMm);
}
double DegreesToRadians(double degrees) {
    return degrees * kPi / 180.0;
}
double RadiansToDegrees(double radians) {
    return radians * 180.0 / kPi;
}
double DegreesTextToRadians(std::string_view text) {
    return FiniteOrZero(LeadingNumber(text) * kPi / 180.0);
}

std::string FormatDecimals(std::string_view text, int places) {
    const auto d = ParsePlain(text);
    if (!d || !ToDouble(*d)) return std::string(text);
    return FormatDecimal(*d, PatternFor(places));
}

std::string FormatValueDecimals(double value, int places) {
    if (places < 0 || places > 5 || !std::isfinite(value)) return {};
    Pattern pattern = PatternFor(places);
    if (places == 0) pattern.point = false;  // "#0"
    const auto d = ParsePlain(DoubleToText15(value));
    return d ? FormatDecimal(*d, pattern) : std::string();
}

std::string DoubleToText15(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return "0";
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (ec != std::errc()) return {};
    // buffer holds [-]d.dddddddddddddde(+|-)xx
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const auto e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (IsDigit(c)) digits += c;
    }
    int exponent = 0;
    std::string_view expText = text.substr(e + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            out += digits + std::string(intCount - digits.size(), '0');
        } else {
            out += digits.substr(0, intCount) + "." + digits.substr(intCount);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::string FormatResult(double value, int places) {
    return FormatDecimals(DoubleToText15(value), places);
}

int DecimalPlacesFromText(std::string_view text) {
    const double rounded = std::nearbyint(ParseNumberText(text));
    return static_cast<int>(std::clamp(rounded, -32768.0, 32767.0));
}

std::string CheckDecimalPlacesText(const CalcEnv& env, std::string_view text) {
    if (text.empty()) return "0";
    const int places = DecimalPlacesFromText(text);
    if (!IsNumberOrFraction(text) || places < 0 || places > 5) {
        ShowPlain(env, "Maximum decimal places is 5.");
        return "4";
    }
    return std::to_string(places);
}

bool ValidateEntryBox(const CalcEnv& env, std::string_view text, std::string_view name) {
    if (text.empty()) return true;
    return CheckEntryIsNumber(env, text, name) && CheckNotNegative(env, text, name);
}

bool CheckEntryIsNumber(const CalcEnv& env, std::string_view text, std::string_view name) {
    if (IsNumberOrFraction(text)) return true;
    MsgInvalidAmount(env, name);
    return false;
}

bool CheckNotNegative(const CalcEnv& env, std::string_view text, std::string_view name) {
    if (ParseNumberText(text) >= 0.0) return true;
    MsgNeedsAboveZero(env, name);
    return false;
}

bool CheckWholeNumber(const CalcEnv& env, std::string_view text, std::string_view name) {
    if (!IsNumberOrFraction(text)) return false;
    const double value = ParseNumberText(text);
    if (Contains(text, '/') || Contains(text, '.') || value != std::trunc(value)) {
        MsgOnlyIntegers(env, name);
        return false;
    }
    return true;
}

bool CheckBelowLimit(const CalcEnv& env, std::string_view text, std::string_view name,
                     double limit) {
    if (ParseNumberText(text) < limit) return true;
    MsgInvalidValue(env, name);
    return false;
}

bool CheckAngleSumBelow180(const CalcEnv& env, std::string_view textA, std::string_view textB,
                           std::string_view name) {
    if (ParseNumberText(textA) + ParseNumberText(textB) < 180.0) return true;
    MsgInvalidValue(env, name);
    return false;
}

bool IsGivenValue(std::string_view text) {
    return IsNumberOrFraction(text) && !Contains(text, '-') && ParseNumberText(text) > 0;
}

bool IsEntryMissing(const CalcEnv& env, std::string_view text, std::string_view name) {
    // "0/5", "0.0" and "0E3" are as missing as "0".
    if (ParseNumberText(text) != 0.0) return false;
    MsgNeedsAboveZero(env, name);
    return true;
}

double ParseRatio(const CalcEnv& env, std::string_view text) {
    if (text.empty()) return 0.0;
    if (Contains(text, '/')) {
        ShowPlain(env, "'/' is not allowed.");
        return 0.0;
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        ShowPlain(env, kRatioFormatText, MsgIcon::Information);
        return 0.0;
    }
    const std::string_view part = text.substr(colon + 1);
    const auto value = PlainValue(part);
    if (!value) {
        ShowNotValidEntry(env, part);
        return -1.0;
    }
    if (*value < 0.0) ShowPlain(env, kNegativeText);
    return *value;
}

double ParseTaperEntry(const CalcEnv& env, std::string_view text, std::string_view ratioBoxText,
                       std::string_view unitCaption) {
    const bool metric = unitCaption == kMetricSystemCaption;
    if (!Contains(ratioBoxText, ':') && metric && !ratioBoxText.empty()) {
        ShowPlain(env, kRatioFormatText, MsgIcon::Information);
        return 0.0;
    }
    if (Contains(text, ':')) {
        if (unitCaption == kInchSystemCaption) {
            ShowPlain(env, "Ratio format '1:x' is for the Metric system only",
                      MsgIcon::Information);
            return 0.0;
        }
        if (metric) {
            const double ratio = ParseRatio(env, ratioBoxText);
            const double value = 1.0 / ratio;
            if (ratio == 0.0 || !std::isfinite(value)) {
                // ParseRatio has already explained a "/"; a ratio of 0 it takes silently.
                if (!Contains(ratioBoxText, '/')) ShowNotValidEntry(env, text);
                return -1.0;
            }
            return value;
        }
    }
    if (text.empty()) return 0.0;
    const std::optional<double> value = EntryValue(text);
    if (!value) {
        ShowNotValidEntry(env, text);
        return -1.0;
    }
    if (*value < 0.0) ShowPlain(env, kNegativeText);
    return *value;
}

}  // namespace calc
