#include "search/Criteria.h"

#include <sys/stat.h>

#include "search/Tokenizer.h"

namespace scarrow {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string MsgFolderNotFound(std::string_view folder) {
    return std::string(folder) + " folder has not been found";
}

std::string MsgNotAFolder(std::string_view folder) {
    return std::string(folder) + " is not a folder";
}

CriteriaCheck ValidateCriteria(CSearchConfig& criteria) {
    if (criteria.m_nExtMode == CSearchConfig::ExtList && criteria.m_strExtensions.empty()) {
        return {false, std::string(kMsgNoExtensions), CriteriaField::Extensions};
    }
    if (criteria.m_strFolder.empty()) {
        return {false, std::string(kMsgNoFolder), CriteriaField::Folder};
    }
    std::string& folder = criteria.m_strFolder;
    // The root keeps its only slash.
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return {false, MsgFolderNotFound(folder), CriteriaField::Folder};
    }
    if (!S_ISDIR(st.st_mode)) {
        return {false, MsgNotAFolder(folder), CriteriaField::Folder};
    }
    return {};
}

std::vector<std::string> BuildExtensionList(const CSearchConfig& criteria) {
    std::vector<std::string> kept;
    if (criteria.m_nExtMode != CSearchConfig::ExtList) return kept;
    CTokenizer tokenizer;
    tokenizer.Tokenize(criteria.m_strExtensions, ",. ;\t", false);
    tokenizer.RemoveEmpty();
    for (const std::string& token : tokenizer.Tokens()) {
        if (token != "*") kept.push_back(token);
    }
    return kept;
}

std::string_view PathExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

bool PassesExtensionFilter(const CSearchConfig& criteria, const std::vector<std::string>& kept,
                           std::string_view path) {
    if (criteria.m_nExtMode == CSearchConfig::ExtAny || kept.empty()) return true;
    const std::string_view ext = PathExtension(path);
    for (const std::string& token : kept) {
        if (EqualIgnoringCase(ext, token)) return true;
    }
    return false;
}

bool PassesDateFilter(const CSearchConfig& criteria, const CDateTime& fileDate,
                      const CDateTime& now) {
    const std::int64_t d = fileDate.DayNumber();
    const std::int64_t t = now.DayNumber();
    switch (criteria.m_nDateMode) {
        case CSearchConfig::DateAny:
            return true;
        case CSearchConfig::DateWeek:
            return t - d < 8;
        case CSearchConfig::DateMonth:
            return t - d < 32;
        case CSearchConfig::DateYear:
            return t - d < 366;
        case CSearchConfig::DateRange:
            // A bound that is not a valid date leaves that side open.
            if (criteria.m_dateFrom.IsValid() && d < criteria.m_dateFrom.DayNumber()) return false;
            if (criteria.m_dateTo.IsValid() && d > criteria.m_dateTo.DayNumber()) return false;
            return true;
        default:
            return false;
    }
}

}  // namespace scarrow
