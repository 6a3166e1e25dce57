#include "search/TextEncoding.h"

#include <cstring>

namespace scarrow {

bool CUtf8Validator::Feed(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    while (m_valid && i < n) {
        if (m_needed == 0) {
            // Plain ASCII eight bytes at a time.
            while (i + 8 <= n) {
                std::uint64_t x;
                std::memcpy(&x, p + i, 8);
                if (x & 0x8080808080808080ull) break;
                i += 8;
            }
            if (i == n) break;
            const unsigned char b = p[i++];
            if (b < 0x80) continue;
            m_low = 0x80;
            m_high = 0xBF;
            if (b >= 0xC2 && b <= 0xDF) {
                m_needed = 1;
            } else if (b >= 0xE0 && b <= 0xEF) {
                m_needed = 2;
                if (b == 0xE0) m_low = 0xA0;   // overlong
                if (b == 0xED) m_high = 0x9F;  // surrogates
            } else if (b >= 0xF0 && b <= 0xF4) {
                m_needed = 3;
                if (b == 0xF0) m_low = 0x90;   // overlong
                if (b == 0xF4) m_high = 0x8F;  // above U+10FFFF
            } else {
                m_valid = false;
            }
        } else {
            const unsigned char b = p[i++];
            if (b < m_low || b > m_high) {
                m_valid = false;
            } else {
                --m_needed;
                m_low = 0x80;
                m_high = 0xBF;
            }
        }
    }
    return m_valid;
}

}  // namespace scarrow
