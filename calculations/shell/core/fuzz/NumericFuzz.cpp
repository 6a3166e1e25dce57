// Feeds arbitrary text to every reader and formatter: nothing may crash, no reader may
// give infinity or NaN, and a formatted number must be digits, a point and a sign.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/Numeric.h"
#include "calc/TestCalcEnv.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

bool LooksFormatted(const std::string& text) {
    const std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789.", start) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static calc::TestCalcEnv t;  // the language stays unset: messages stay cheap
    const std::string text(reinterpret_cast<const char*>(data), size);
    const calc::CalcEnv& env = t.env;

    Require(std::isfinite(calc::ParseNumberText(text)));
    Require(std::isfinite(calc::ParseEntryText(env, text)));
    Require(std::isfinite(calc::LeadingNumber(text)));
    Require(std::isfinite(calc::InchTextToMm(text)));
    Require(std::isfinite(calc::MmTextToInch(text)));
    Require(std::isfinite(calc::DegreesTextToRadians(text)));
    Require(std::isfinite(calc::ParseRatio(env, text)));
    Require(std::isfinite(calc::ParseTaperEntry(env, text, text, calc::kMetricSystemCaption)));
    Require(std::isfinite(calc::ParseTaperEntry(env, text, "", calc::kInchSystemCaption)));
    const std::string places = calc::CheckDecimalPlacesText(env, text);
    Require(places.size() == 1 && places[0] >= '0' && places[0] <= '5');
    calc::IsNumberOrFraction(text);

    const bool number = calc::IsPlainNumber(text);
    for (int p = -1; p <= 6; ++p) {
        const std::string shown = calc::FormatDecimals(text, p);
        Require(number || shown == text);
        if (number && shown != text) Require(LooksFormatted(shown));
    }
    const double value = calc::ParseNumberText(text);
    Require(LooksFormatted(calc::FormatResult(value, 3)) ||
            calc::DoubleToText15(value).find('E') != std::string::npos);
    t.messages.Clear();
    return 0;
}
