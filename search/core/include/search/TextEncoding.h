#pragma once

#include <cstddef>
#include <cstdint>

namespace scarrow {

// Tells, piece by piece, whether bytes are valid UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF). A file that is not is shown as Windows-1252.
class CUtf8Validator {
public:
    // False once the bytes so far cannot be UTF-8; a character may continue in the next
    // piece.
    bool Feed(const unsigned char* bytes, std::size_t size);
    // Whether everything fed was UTF-8 and no character was left unfinished.
    bool Finish() const { return m_valid && m_needed == 0; }
    bool Valid() const { return m_valid; }

private:
    bool m_valid = true;
    int m_needed = 0;            // continuation bytes still to come
    unsigned char m_low = 0x80;  // allowed range of the next continuation byte
    unsigned char m_high = 0xBF;
};

// How many UTF-16 code units the byte adds to the text shown: 0 for a UTF-8
// continuation byte, 2 for the lead byte of a four-byte character, else 1. In
// Windows-1252 every byte is one unit.
inline int Utf16Units(unsigned char b, bool utf8) {
    if (!utf8 || b < 0x80) return 1;
    if ((b & 0xC0) == 0x80) return 0;
    return b >= 0xF0 ? 2 : 1;
}

}  // namespace scarrow
