#include "search/Config.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

#include "common/Archive.h"
#include "common/AtomicFile.h"
#include "common/InstallLayout.h"

namespace scarrow {
namespace {

void WriteDate(common::ArchiveWriter& w, const CDateTime& date) {
    w.WriteI32(static_cast<std::int32_t>(date.m_status));
    w.WriteDouble(date.m_dt);
}

CDateTime ReadDate(common::ArchiveReader& r) {
    const std::int32_t status = r.ReadI32();
    const double value = r.ReadDouble();
    if (status == static_cast<std::int32_t>(CDateTime::Status::Valid)) return CDateTime(value);
    if (status == static_cast<std::int32_t>(CDateTime::Status::Null)) {
        return CDateTime(value, CDateTime::Status::Null);
    }
    return CDateTime(value, CDateTime::Status::Invalid);
}

void WriteRecord(common::ArchiveWriter& w, const CSearchConfig& c) {
    w.WriteU32(static_cast<std::uint32_t>(c.m_words.size()));
    for (const std::string& word : c.m_words) w.WriteString(word);
    WriteDate(w, c.m_dateFrom);
    WriteDate(w, c.m_dateTo);
    w.WriteI32(c.m_nMatchMode);
    w.WriteI32(c.m_nDateMode);
    w.WriteI32(c.m_bIgnoreCase);
    w.WriteI32(c.m_nLinesMode);
    w.WriteU32(c.m_nLines);
    w.WriteString(c.m_strFolder);
    w.WriteI32(c.m_bSubfolders);
    w.WriteI32(c.m_nExtMode);
    w.WriteString(c.m_strExtensions);
}

CSearchConfig ReadRecord(common::ArchiveReader& r) {
    CSearchConfig c;
    // No reserve: a damaged count must not allocate; each word is at least one byte.
    const std::uint32_t words = r.ReadU32();
    for (std::uint32_t i = 0; i < words; ++i) c.m_words.push_back(r.ReadString());
    c.m_dateFrom = ReadDate(r);
    c.m_dateTo = ReadDate(r);
    c.m_nMatchMode = r.ReadI32();
    c.m_nDateMode = r.ReadI32();
    c.m_bIgnoreCase = r.ReadI32();
    c.m_nLinesMode = r.ReadI32();
    c.m_nLines = r.ReadU32();
    c.m_strFolder = r.ReadString();
    c.m_bSubfolders = r.ReadI32();
    c.m_nExtMode = r.ReadI32();
    c.m_strExtensions = r.ReadString();
    return c;
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

CConfig::CConfig() : m_strPath(DefaultHistoryPath(ScarrowProgramFile())) {}

CConfig::CConfig(std::filesystem::path historyFile) : m_strPath(std::move(historyFile)) {}

HistoryLoadResult CConfig::Load() {
    m_strReserved.clear();
    m_history.clear();
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(m_strPath, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {HistoryFileStatus::Missing, {}};
    }
    const std::string name = m_strPath.string();
    if (status.type() == std::filesystem::file_type::directory) {
        return {
            HistoryFileStatus::Unreadable,
            "The search history file " + name + " is a folder. The search history starts empty."};
    }
    const std::optional<std::string> bytes = common::ReadWholeFile(m_strPath);
    if (!bytes) {
        return {HistoryFileStatus::Unreadable,
                "The search history file " + name +
                    " cannot be read. The search history starts empty."};
    }
    return Deserialize(*bytes);
}

HistoryLoadResult CConfig::Deserialize(std::string_view bytes) {
    m_strReserved.clear();
    m_history.clear();
    if (bytes.empty()) return {HistoryFileStatus::Missing, {}};
    const std::string name = m_strPath.string();
    common::ArchiveReader r(bytes);
    std::int32_t count = 0;
    try {
        if (r.ReadI32() != kSignature) {
            return {HistoryFileStatus::Foreign,
                    name +
                        " is not a search history file. The search history starts empty, and "
                        "the file will be replaced when Scarrow closes."};
        }
        m_strReserved = r.ReadString();
        r.ReadI32();  // the version: every version has the same record layout
        count = r.ReadI32();
    } catch (const common::ArchiveFormatError&) {
        m_strReserved.clear();
        return {HistoryFileStatus::Damaged, "The search history file " + name +
                                                " is damaged. The search history starts empty."};
    }
    try {
        for (std::int32_t i = 0; i < count && m_history.size() < kMaxHistory; ++i) {
            m_history.push_back(ReadRecord(r));
        }
    } catch (const common::ArchiveFormatError&) {
        // The records read whole before the damage are kept.
        return {HistoryFileStatus::Damaged, "The search history file " + name + " is damaged: " +
                                                std::to_string(m_history.size()) + " of its " +
                                                std::to_string(count) + " entries could be read."};
    }
    return {HistoryFileStatus::Loaded, {}};
}

std::string CConfig::Serialize() const {
    common::ArchiveWriter w;
    w.WriteI32(kSignature);
    w.WriteString(m_strReserved);
    w.WriteI32(kVersion);
    w.WriteI32(static_cast<std::int32_t>(m_history.size()));
    for (const CSearchConfig& c : m_history) WriteRecord(w, c);
    return w.Data();
}

bool CConfig::Save(std::string* error) const {
    const std::filesystem::path folder = m_strPath.parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    return common::WriteFileAtomically(m_strPath, Serialize(), error);
}

void CConfig::AddToHistory(const CSearchConfig& criteria) {
    const auto same = std::find_if(m_history.begin(), m_history.end(),
                                   [&](const CSearchConfig& c) { return c.IsEqual(criteria); });
    CSearchConfig entry = criteria;
    if (same != m_history.end()) {
        entry = *same;
        m_history.erase(same);
    }
    m_history.insert(m_history.begin(), std::move(entry));
    if (m_history.size() > kMaxHistory) m_history.resize(kMaxHistory);
}

std::filesystem::path ProgramFilePath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path ScarrowProgramFile() {
    return ProgramFilePath().parent_path() / "scarrow";
}

std::filesystem::path DefaultHistoryPath(const std::filesystem::path& programFile) {
    if (const char* over = std::getenv("SCARROW_HISTORY_FILE"); over && *over) return over;
    std::string name = programFile.stem().string();
    if (name.empty()) name = "scarrow";
    const std::string fileName = name + ".cfg";
    const std::filesystem::path folder = programFile.parent_path();
    if (IsWritableFolder(folder) && !common::IsInstalledProgramFolder(folder))
        return folder / fileName;
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "tarvik" / fileName;
}

}  // namespace scarrow
