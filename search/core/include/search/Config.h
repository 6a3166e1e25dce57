#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchConfig.h"

namespace scarrow {

// The history of the last five sets of criteria and its binary file.
class CConfig {
public:
    static constexpr std::int32_t kSignature = 6496281;  // 0x632019
    static constexpr std::int32_t kVersion = 1;
    static constexpr std::size_t kMaxHistory = 5;

    // The history file at the default place (DefaultHistoryPath for this program).
    CConfig();
    // The history file at `historyFile` (tests, other callers).
    explicit CConfig(std::filesystem::path historyFile);
    virtual ~CConfig() = default;

    // Reads the history file. A missing, unreadable or foreign file leaves the history
    // empty; a damaged file keeps the records read whole before the damage. Never
    // throws. At most kMaxHistory records are kept.
    void Load();
    // Writes the history file atomically, creating its folder when needed. Returns false
    // (with a reason in `error` when given) when it cannot be written.
    bool Save(std::string* error = nullptr) const;

    // Before every search: an equal entry moves to the front, else a copy of the
    // criteria is put there; the sixth entry is dropped.
    void AddToHistory(const CSearchConfig& criteria);

    // The file's bytes for the current contents, and the reading of such bytes; Load
    // and Save use them.
    std::string Serialize() const;
    void Deserialize(std::string_view bytes);

    std::string m_strReserved;
    std::vector<CSearchConfig> m_history;  // most recent first
    std::filesystem::path m_strPath;
};

// The path of the running program (from /proc/self/exe); empty when unknown.
std::filesystem::path ProgramFilePath();

// Where the history file lives for the program file `programFile` (for example
// /opt/tarvik/scarrow): the environment variable SCARROW_HISTORY_FILE when set and not
// empty; else the program's folder when it is writable (…/scarrow.cfg, the program's
// name without extension plus ".cfg"); else $XDG_CONFIG_HOME/tarvik/scarrow.cfg, or
// ~/.config/tarvik/scarrow.cfg.
std::filesystem::path DefaultHistoryPath(const std::filesystem::path& programFile);

}  // namespace scarrow
