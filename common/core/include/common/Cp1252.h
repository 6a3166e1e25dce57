#pragma once

#include <string>
#include <string_view>

namespace common {

// Windows-1252 is the 8-bit code page of the files our programs share with their
// Windows ancestors. In memory every string is UTF-8.

// Converts Windows-1252 bytes to UTF-8. The five undefined bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 controls of the same value, so every byte survives a
// round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252. Returns false (and leaves `out` unspecified) when
// the text holds a character the code page cannot represent or is not valid UTF-8.
bool Utf8ToCp1252(std::string_view utf8, std::string& out);

// UTF-16 code units <-> UTF-8. Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& units);
std::u16string Utf8ToUtf16(std::string_view utf8);

}  // namespace common
