#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchConfig.h"

namespace scarrow {

// What CConfig::Load found. Every status leaves a usable history; all but Loaded and
// Missing deserve a word to the user, because the history they had is not all there.
enum class HistoryFileStatus {
    Loaded,      // the file was read whole
    Missing,     // no file yet, or an empty one: the first start
    Unreadable,  // the file exists but cannot be read (permissions, a folder): empty history
    Foreign,     // the file is not a history file: empty history, replaced on saving
    Damaged,     // the file ends or breaks before its last record: the whole records are kept
};

struct HistoryLoadResult {
    HistoryFileStatus status = HistoryFileStatus::Loaded;
    // What to tell the user, naming the file; empty for Loaded and Missing.
    std::string message;
};

// The history of the last five sets of criteria and its binary file.
class CConfig {
public:
    static constexpr std::int32_t kSignature = 6496281;  // 0x632019
    static constexpr std::int32_t kVersion = 1;
    static constexpr std::size_t kMaxHistory = 5;

    // The history file at the default place: DefaultHistoryPath(ScarrowProgramFile()).
    CConfig();
    // The history file at `historyFile` (tests, other callers).
    explicit CConfig(std::filesystem::path historyFile);
    virtual ~CConfig() = default;

    // Reads the history file. A missing, unreadable or foreign file leaves the history
    // empty; a damaged file keeps the records read whole before the damage. Never
    // throws. At most kMaxHistory records are kept.
    HistoryLoadResult Load();
    // Writes the history file atomically, creating its folder when needed. Returns false
    // (with a reason in `error` when given) when it cannot be written.
    bool Save(std::string* error = nullptr) const;

    // Before every search: an equal entry moves to the front, else a copy of the
    // criteria is put there; the sixth entry is dropped.
    void AddToHistory(const CSearchConfig& criteria);

    // The file's bytes for the current contents, and the reading of such bytes (the
    // result as for Load, the message naming m_strPath); Load and Save use them.
    std::string Serialize() const;
    HistoryLoadResult Deserialize(std::string_view bytes);

    std::string m_strReserved;
    std::vector<CSearchConfig> m_history;  // most recent first
    std::filesystem::path m_strPath;
};

// The path of the running program (from /proc/self/exe); empty when unknown.
std::filesystem::path ProgramFilePath();

// The program file the user starts, "scarrow" in the folder of the running program: the
// window runs as a program of its own beside it and keeps the history of "scarrow".
std::filesystem::path ScarrowProgramFile();

// Where the history file lives for the program file `programFile` (for example
// /opt/tarvik/scarrow): the environment variable SCARROW_HISTORY_FILE when set and not
// empty; else the program's folder when it is writable and not an installed program
// folder (…/scarrow.cfg, the program's name without extension plus ".cfg"); else
// $XDG_CONFIG_HOME/tarvik/scarrow.cfg, or
// ~/.config/tarvik/scarrow.cfg.
std::filesystem::path DefaultHistoryPath(const std::filesystem::path& programFile);

}  // namespace scarrow
