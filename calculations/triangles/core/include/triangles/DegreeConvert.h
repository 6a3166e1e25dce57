#pragma once

// Angle conversion between degrees-minutes-seconds and decimal degrees, on the texts
// of the boxes: the decimal degrees are split at the decimal point and the digits after
// it become minutes and then seconds, one stage at a time.

#include <optional>
#include <string>
#include <string_view>

namespace calc {

struct DmsTexts {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    bool operator==(const DmsTexts&) const = default;
};

// A number as text with up to 15 significant digits, always in plain decimal form
// (never "1E-05"; that would have no decimal point to split at).
std::string PlainText15(double value);

// Minutes with a fraction to whole minutes and seconds: "7.404" -> {"7", "24.24"};
// a whole number of minutes gives seconds "0". `degrees` stays empty.
DmsTexts DecimalMinutesToSeconds(double minutes);

// Decimal degrees text to degrees, minutes and seconds. `current` holds what the
// minutes and seconds boxes show: they are kept when the digits after the point read as
// 0 ("45.0"). Text without a point gives {text, "0", "0"}. Returns nothing for text
// whose digits after the point are not plain digits (an exponent or a fraction bar):
// such an entry cannot be split and is refused.
std::optional<DmsTexts> DecimalPosToDegrees(std::string_view text, const DmsTexts& current);

// Degrees + minutes / 60 + seconds / 3600 with five decimal places ("#0.0####").
std::string DegreesMinutesSecondsToDegrees(double degrees, double minutes, double seconds);

}  // namespace calc
