// The fast matcher against the plain byte-by-byte reference. Input: one flag byte, then
// up to four words separated by 0x00, then 0x01, then the text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ReferenceScan.h"
#include "search/SearchStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\x01');
    if (split == std::string_view::npos) return 0;
    std::vector<std::string> words;
    std::string_view list = rest.substr(0, split);
    while (words.size() < 4) {
        const std::size_t zero = list.find('\0');
        words.emplace_back(list.substr(0, zero));
        if (zero == std::string_view::npos) break;
        list.remove_prefix(zero + 1);
    }
    const std::string_view text = rest.substr(split + 1);
    const bool ignoreCase = flags & 1;
    const bool limitLines = flags & 2;
    const std::uint32_t lines = flags >> 4;
    scarrow::CSearchStream stream(words, ignoreCase, limitLines, lines);
    std::vector<scarrow::CFoundWord> found;
    stream.ScanBytes(text, found);
    if (found != scarrow::testing::ReferenceScan(text, words, ignoreCase, limitLines, lines)) {
        std::abort();
    }
    return 0;
}
