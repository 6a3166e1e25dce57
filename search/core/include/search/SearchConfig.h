#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "search/DateTime.h"

namespace scarrow {

// One set of search criteria: a plain record, copied and compared as a whole.
// Strings are UTF-8.
class CSearchConfig {
public:
    enum MatchMode : std::int32_t { MatchAll = 0, MatchAny = 1 };
    enum DateMode : std::int32_t {
        DateAny = 0,
        DateWeek = 1,
        DateMonth = 2,
        DateYear = 3,
        DateRange = 4
    };
    enum LinesMode : std::int32_t { LinesWholeFile = 0, LinesFirst = 1 };
    enum ExtMode : std::int32_t { ExtAny = 0, ExtList = 1 };

    CSearchConfig();  // the defaults, as SetDefault
    virtual ~CSearchConfig() = default;
    CSearchConfig(const CSearchConfig&) = default;
    CSearchConfig& operator=(const CSearchConfig&) = default;

    // Words emptied; 1 January 1980 to today's local date; all words, ignore case,
    // whole file, 10 lines, subfolders, any extension, any date.
    void SetDefault();
    void Copy(const CSearchConfig& source);
    // Words in the same order and letter case, equal dates (IsEqual of CDateTime),
    // every other field equal; strings compared with letter case.
    bool IsEqual(const CSearchConfig& other) const;

    std::vector<std::string> m_words;
    CDateTime m_dateFrom;
    CDateTime m_dateTo;
    std::int32_t m_nMatchMode = MatchAll;
    std::int32_t m_nDateMode = DateAny;
    std::int32_t m_bIgnoreCase = 1;
    std::int32_t m_nLinesMode = LinesWholeFile;
    std::uint32_t m_nLines = 10;
    std::string m_strFolder;
    std::int32_t m_bSubfolders = 1;
    std::int32_t m_nExtMode = ExtAny;
    std::string m_strExtensions;
};

}  // namespace scarrow
