#include "search/Tokenizer.h"

#include <algorithm>

namespace scarrow {
namespace {

std::string_view TrimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

void CTokenizer::Tokenize(std::string_view text, std::string_view separators, bool trim) {
    m_tokens.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = text.find_first_of(separators, start);
        if (sep == std::string_view::npos) break;
        std::string_view piece = text.substr(start, sep - start);
        m_tokens.emplace_back(trim ? TrimBlanks(piece) : piece);
        start = sep + 1;
    }
    if (start < text.size()) {
        std::string_view rest = text.substr(start);
        m_tokens.emplace_back(trim ? TrimBlanks(rest) : rest);
    }
}

void CTokenizer::RemoveEmpty() {
    m_tokens.erase(std::remove_if(m_tokens.begin(), m_tokens.end(),
                                  [](const std::string& t) { return t.empty(); }),
                   m_tokens.end());
}

}  // namespace scarrow
