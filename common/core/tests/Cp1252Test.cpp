#include <gtest/gtest.h>

#include "common/Cp1252.h"

using namespace common;

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252, MapsTheHighTableAndLatin1) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\xB0"), "\u00B0");
    EXPECT_EQ(Cp1252ToUtf8("Gr\xFC\xDF"), "Grüß");
    std::string out;
    ASSERT_TRUE(Utf8ToCp1252("Ø25 € ‰", out));
    EXPECT_EQ(out,
              "\xD8"
              "25 \x80 \x89");
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252("Привет", out));
    EXPECT_FALSE(Utf8ToCp1252("\xC3", out));      // truncated sequence
    EXPECT_FALSE(Utf8ToCp1252("\xE2\x82", out));  // truncated sequence
    EXPECT_FALSE(Utf8ToCp1252("\xFF", out));      // never valid in UTF-8
}

TEST(Cp1252, Utf16RoundTripIncludingSurrogatePairs) {
    const std::string text = "Ω 𝄞 x";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"\xD800"), "\uFFFD");
}
