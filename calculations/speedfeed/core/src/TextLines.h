#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace calc {

// The lines of a built-in text table, split at line feeds.
inline std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace calc
