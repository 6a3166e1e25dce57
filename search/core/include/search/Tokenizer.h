#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scarrow {

// Splits a text at any of a set of separator characters.
class CTokenizer {
public:
    // Every piece between two separators becomes a token (empty ones too), trimmed of
    // blanks at both ends when `trim`; after the last separator the rest, when not
    // empty, is the last token.
    void Tokenize(std::string_view text, std::string_view separators, bool trim);
    void RemoveEmpty();

    std::size_t GetCount() const { return m_tokens.size(); }
    const std::string& GetAt(std::size_t index) const { return m_tokens.at(index); }
    const std::string& operator[](std::size_t index) const { return m_tokens.at(index); }
    const std::vector<std::string>& Tokens() const { return m_tokens; }

private:
    std::vector<std::string> m_tokens;
};

}  // namespace scarrow
