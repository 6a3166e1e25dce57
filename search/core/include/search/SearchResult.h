#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/DateTime.h"

namespace scarrow {

// One occurrence of a word in a file.
struct CFoundWord {
    // Position of the first character as the text view counts it: every byte of the
    // file before it except carriage returns (a CR LF pair counts once).
    std::int64_t m_nPos = 0;
    // Length of the word as searched, in bytes.
    std::int32_t m_nLength = 0;
    // Line feeds before it (0 on the first line).
    std::int64_t m_nLine = 0;
    // Characters before it on its line, counted as m_nPos counts them (0 at the start).
    std::int64_t m_nColumn = 0;
    // Index of the word in the criteria's word list.
    std::int32_t m_nWord = 0;

    bool operator==(const CFoundWord&) const = default;
};

// What a search looked for, shared by all its results, so that a file's occurrences
// can be found again when it is shown instead of being kept for every file.
struct CSearchPattern {
    std::vector<std::string> words;
    bool ignoreCase = true;
    bool limitLines = false;
    std::uint32_t lines = 0;
};

// One matching file.
struct CSearchResult {
    // Every occurrence in scan order, up to SearchOptions::maxOccurrencesPerFile (the
    // window keeps none: its text view finds them again from m_pattern).
    std::vector<CFoundWord> m_foundWords;
    // Every occurrence found, also those beyond the limit.
    std::uint64_t m_nOccurrences = 0;
    std::string m_strPath;       // full path, UTF-8 (the bytes of the name)
    std::uint64_t m_dwSize = 0;  // true size in bytes, also beyond 4 GB
    CDateTime m_date;            // last modification, local time
    int m_nCurrent = 0;          // for the text view's marking
    // The words and how they were searched; set by RunSearch.
    std::shared_ptr<const CSearchPattern> m_pattern;
};

}  // namespace scarrow
