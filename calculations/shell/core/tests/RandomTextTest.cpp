#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "calc/Numeric.h"
#include "calc/TestCalcEnv.h"

namespace calc {
namespace {

std::string RandomText(std::mt19937& rng) {
    static const std::string alphabet = "0123456789012345678.-+/eEdD: \t\n.,xa%";
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> wild(0, 19);
    std::string text;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
        text += wild(rng) == 0 ? static_cast<char>(byte(rng)) : alphabet[pick(rng)];
    }
    return text;
}

// Shown results hold only a sign, digits and the point.
bool LooksFormatted(const std::string& text) {
    if (text.empty()) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    return i < text.size() && text.find_first_not_of("0123456789.", i) == std::string::npos;
}

void ExpectFinite(double value, const std::string& text, const char* what) {
    EXPECT_TRUE(std::isfinite(value)) << what << " of '" << text << "'";
}

TEST(RandomTexts, ReadersAndFormattersStaySane) {
    std::mt19937 rng(20240611);
    TestCalcEnv t;
    t.SetLanguage("English");
    for (int round = 0; round < 4000; ++round) {
        const std::string text = RandomText(rng);
        ExpectFinite(ParseNumberText(text), text, "ParseNumberText");
        ExpectFinite(ParseEntryText(t.env, text), text, "ParseEntryText");
        ExpectFinite(LeadingNumber(text), text, "LeadingNumber");
        ExpectFinite(InchTextToMm(text), text, "InchTextToMm");
        ExpectFinite(MmTextToInch(text), text, "MmTextToInch");
        ExpectFinite(DegreesTextToRadians(text), text, "DegreesTextToRadians");
        ExpectFinite(ParseRatio(t.env, text), text, "ParseRatio");
        ExpectFinite(ParseTaperEntry(t.env, text, text, kMetricSystemCaption), text, "Taper");
        ExpectFinite(ParseTaperEntry(t.env, text, "", kInchSystemCaption), text, "Taper");
        DecimalPlacesFromText(text);
        const std::string places = CheckDecimalPlacesText(t.env, text);
        EXPECT_TRUE(places.size() == 1 && places[0] >= '0' && places[0] <= '5') << text;
        if (IsNumberOrFraction(text)) {
            EXPECT_TRUE(ValidateEntryBox(t.env, text, "x") || ParseNumberText(text) < 0) << text;
        }

        const bool number = IsPlainNumber(text) && std::strstr(text.c_str(), "999") == nullptr;
        for (int p = -1; p <= 6; ++p) {
            const std::string shown = FormatDecimals(text, p);
            if (!IsPlainNumber(text)) {
                EXPECT_EQ(shown, text);
                continue;
            }
            if (shown == text && !LooksFormatted(shown)) continue;  // beyond a double
            ASSERT_TRUE(LooksFormatted(shown)) << "'" << text << "' with " << p << ": " << shown;
            if (number) {
                // Rounding moves the value by at most half a unit of the last place.
                const int last = (p < 0 || p > 5) ? 5 : p;
                const double error = std::fabs(ParseNumberText(shown) - ParseNumberText(text));
                EXPECT_LE(error, 0.5 * std::pow(10.0, -last) * (1 + 1e-9) +
                                     std::fabs(ParseNumberText(text)) * 1e-15)
                    << text << " with " << p << ": " << shown;
            }
        }
        t.messages.Clear();
    }
}

TEST(RandomTexts, AnyDoubleFormatsToAReadableText) {
    std::mt19937_64 rng(7);
    for (int round = 0; round < 4000; ++round) {
        const std::uint64_t bits = rng();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        const std::string text = DoubleToText15(value);
        if (!std::isfinite(value)) {
            EXPECT_EQ(text, "");
            continue;
        }
        const double back = ParseNumberText(text);
        EXPECT_LE(std::fabs(back - value), std::fabs(value) * 5e-15) << text;
        for (int p = 0; p <= 5; ++p) {
            const std::string shown = FormatValueDecimals(value, p);
            EXPECT_TRUE(LooksFormatted(shown)) << value << " with " << p;
            EXPECT_EQ(shown.find('.') != std::string::npos, p != 0);
        }
    }
}

}  // namespace
}  // namespace calc
