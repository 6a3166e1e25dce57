#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/DateTime.h"
#include "search/SearchConfig.h"

namespace scarrow {

// The edit that gets the focus when the criteria are refused.
enum class CriteriaField { None, Extensions, Folder };

struct CriteriaCheck {
    bool ok = true;
    std::string message;  // the text for the message box
    CriteriaField field = CriteriaField::None;
};

// Checks the criteria before a search, in this order: the extension list when
// filtering by extension ("File extension filter is not specified!"), the folder
// ("Initial folder is not specified!"), then one trailing '/' is removed from the
// folder (kept in `criteria`; "/" stays "/") and the folder must exist
// ("<folder> folder has not been found") and be a folder ("<folder> is not a folder").
CriteriaCheck ValidateCriteria(CSearchConfig& criteria);

// The message texts, for callers and tests.
inline constexpr std::string_view kMsgNoExtensions = "File extension filter is not specified!";
inline constexpr std::string_view kMsgNoFolder = "Initial folder is not specified!";
std::string MsgFolderNotFound(std::string_view folder);  // "%s folder has not been found"
std::string MsgNotAFolder(std::string_view folder);      // "%s is not a folder"

// The kept extension tokens for the criteria: empty unless filtering by extension;
// the list split at commas, blanks, dots and semicolons, empty tokens and "*" left out.
std::vector<std::string> BuildExtensionList(const CSearchConfig& criteria);

// The text after the last dot of the whole path ("" without a dot).
std::string_view PathExtension(std::string_view path);

// Whether a file passes the extension filter, given the list BuildExtensionList made.
bool PassesExtensionFilter(const CSearchConfig& criteria, const std::vector<std::string>& kept,
                           std::string_view path);

// Whether a file modified at `fileDate` passes the date filter when it is `now`.
bool PassesDateFilter(const CSearchConfig& criteria, const CDateTime& fileDate,
                      const CDateTime& now);

}  // namespace scarrow
