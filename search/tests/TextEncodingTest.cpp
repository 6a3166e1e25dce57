#include <gtest/gtest.h>

#include <string>

#include "search/TextEncoding.h"

namespace scarrow {
namespace {

bool IsUtf8(const std::string& bytes, std::size_t split = 0) {
    CUtf8Validator v;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (split > bytes.size()) split = bytes.size();
    v.Feed(p, split);
    v.Feed(p + split, bytes.size() - split);
    return v.Finish();
}

TEST(Utf8Validator, TellsUtf8FromWindows1252) {
    struct Case {
        const char* bytes;
        bool utf8;
    } cases[] = {
        {"G01 X1 (plain ASCII, more than eight bytes)", true},
        {"fr\xC3\xA4sen \xC3\x98"
         "12 90\xC2\xB0 \xE2\x80\x93 \xF0\x9F\x94\xA7",
         true},
        {"fr\xE4sen", false},  // Windows-1252
        {"\xD8"
         "12",
         false},                          // Windows-1252 "Ø12"
        {"\xC3", false},                  // cut short
        {"\xC0\xAF", false},              // overlong
        {"\xE0\x80\xAF", false},          // overlong
        {"\xED\xA0\x80", false},          // surrogate
        {"\xF4\x90\x80\x80", false},      // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},  // five bytes
        {"\x80", false},                  // continuation alone
    };
    for (const Case& c : cases) {
        const std::string bytes = c.bytes;
        for (std::size_t split = 0; split <= bytes.size(); ++split)
            EXPECT_EQ(IsUtf8(bytes, split), c.utf8) << c.bytes << " split at " << split;
    }
}

TEST(Utf8Validator, UnitsPerByte) {
    EXPECT_EQ(Utf16Units('G', true), 1);
    EXPECT_EQ(Utf16Units(0xC3, true), 1);
    EXPECT_EQ(Utf16Units(0xA4, true), 0);
    EXPECT_EQ(Utf16Units(0xF0, true), 2);
    EXPECT_EQ(Utf16Units(0xA4, false), 1);
    EXPECT_EQ(Utf16Units(0xF0, false), 1);
}

}  // namespace
}  // namespace scarrow
