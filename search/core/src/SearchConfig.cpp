#include "search/SearchConfig.h"

namespace scarrow {

CSearchConfig::CSearchConfig() {
    SetDefault();
}

void CSearchConfig::SetDefault() {
    m_words.clear();
    m_dateFrom = CDateTime::FromDate(1980, 1, 1);
    m_dateTo = CDateTime::Today();
    m_nMatchMode = MatchAll;
    m_nDateMode = DateAny;
    m_bIgnoreCase = 1;
    m_nLinesMode = LinesWholeFile;
    m_nLines = 10;
    m_strFolder.clear();
    m_bSubfolders = 1;
    m_nExtMode = ExtAny;
    m_strExtensions.clear();
}

void CSearchConfig::Copy(const CSearchConfig& source) {
    if (this != &source) *this = source;
}

bool CSearchConfig::IsEqual(const CSearchConfig& other) const {
    return m_words == other.m_words && m_dateFrom.IsEqual(other.m_dateFrom) &&
           m_dateTo.IsEqual(other.m_dateTo) && m_nMatchMode == other.m_nMatchMode &&
           m_nDateMode == other.m_nDateMode && m_bIgnoreCase == other.m_bIgnoreCase &&
           m_nLinesMode == other.m_nLinesMode && m_nLines == other.m_nLines &&
           m_strFolder == other.m_strFolder && m_bSubfolders == other.m_bSubfolders &&
           m_nExtMode == other.m_nExtMode && m_strExtensions == other.m_strExtensions;
}

}  // namespace scarrow
