#include "triangles/DegreeConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/Numeric.h"

namespace calc {

namespace {

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string PlainText15(double value) {
    std::string text = DoubleToText15(value);
    if (text.find_first_of("Ee") == std::string::npos) return text;
    // Exponent form: write the same 15 significant digits out in full.
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - exponent, 0, 340);
    std::string buffer(static_cast<std::size_t>(decimals) + 330, '\0');
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    buffer.resize(static_cast<std::size_t>(std::max(n, 0)));
    if (buffer.find('.') != std::string::npos) {
        while (!buffer.empty() && buffer.back() == '0') buffer.pop_back();
        if (!buffer.empty() && buffer.back() == '.') buffer.pop_back();
    }
    return buffer;
}

DmsTexts DecimalMinutesToSeconds(double minutes) {
    const std::string text = PlainText15(minutes);
    const auto point = text.find('.');
    if (point == std::string::npos) return {"", text, "0"};
    const double seconds = ParseNumberText("0." + text.substr(point + 1)) * 60;
    return {"", text.substr(0, point), PlainText15(seconds)};
}

std::optional<DmsTexts> DecimalPosToDegrees(std::string_view entry, const DmsTexts& current) {
    const std::string text = Trim(entry);
    const auto point = text.find('.');
    if (point == std::string::npos) return DmsTexts{text, "0", "0"};
    std::string digits = text.substr(point + 1);
    const auto second = digits.find('.');
    if (second != std::string::npos) digits.resize(second);  // later pieces are ignored
    if (!AllDigits(digits)) return std::nullopt;

    DmsTexts out = current;
    out.degrees = text.substr(0, point);
    if (ParseNumberText(digits) > 0) {
        const DmsTexts ms = DecimalMinutesToSeconds(ParseNumberText("0." + digits) * 60);
        out.minutes = ms.minutes;
        out.seconds = ms.seconds;
    }
    return out;
}

std::string DegreesMinutesSecondsToDegrees(double degrees, double minutes, double seconds) {
    if (seconds > 0) minutes += seconds / 60;
    return FormatDecimals(DoubleToText15(degrees + minutes / 60), 5);
}

}  // namespace calc
