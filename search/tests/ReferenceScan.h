#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/SearchResult.h"

namespace scarrow::testing {

// The matcher in its plainest form, byte by byte: at every position before the
// first NUL byte, every word in list order; the line limit checked after each position.
inline std::vector<CFoundWord> ReferenceScan(std::string_view data,
                                             const std::vector<std::string>& words, bool ignoreCase,
                                             bool limitLines, std::uint32_t lines) {
    const auto fold = [&](unsigned char c) {
        return ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
    };
    std::vector<CFoundWord> found;
    std::int64_t pos = 0, line = 0, column = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if (c == 0) break;
        for (std::size_t w = 0; w < words.size(); ++w) {
            const std::string& word = words[w];
            if (word.empty() || i + word.size() > data.size()) continue;
            bool match = true;
            for (std::size_t k = 0; k < word.size() && match; ++k) {
                match = fold(static_cast<unsigned char>(data[i + k])) ==
                        fold(static_cast<unsigned char>(word[k]));
            }
            if (match) {
                found.push_back(CFoundWord{pos, static_cast<std::int32_t>(word.size()), line,
                                           column, static_cast<std::int32_t>(w)});
            }
        }
        if (limitLines && line >= static_cast<std::int64_t>(lines)) break;
        if (c != '\r') ++pos, ++column;
        if (c == '\n') ++line, column = 0;
    }
    return found;
}

}  // namespace scarrow::testing
