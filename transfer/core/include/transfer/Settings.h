#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/PortConfig.h"

namespace sendrik {

// File signature and current version of "port.cfg".
inline constexpr std::uint32_t kConfigSignature = 3122361;
inline constexpr std::uint32_t kConfigVersion = 13;
inline constexpr const char* kConfigFileName = "port.cfg";

// Where "port.cfg" lives: beside the program when its folder is writable (a build
// tree or a portable copy), otherwise, and always for an installed program, in
// $XDG_CONFIG_HOME/tarvik (default ~/.config/tarvik).
std::filesystem::path DefaultConfigPath(const std::filesystem::path& programDir);

// The list of configurations and its file.
class CSettings {
public:
    explicit CSettings(std::string path = kConfigFileName) : m_strPath(std::move(path)) {}
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // Replaces the list by the content of m_strPath. Returns the text to show the user,
    // empty when there is nothing to say (a missing file is silent). A damaged file
    // keeps every configuration read completely before the damage, and is kept as a
    // copy (path + "_damaged") before the next Save replaces it; a file of an older
    // version is renamed to path + "_old" after reading.
    std::string Load();
    // Writes the whole list (version 13) atomically. Returns the text to show the user,
    // empty on success. A file that exists but that Load could not read is first moved
    // aside (path + "_unreadable"), never written over.
    std::string Save() const;
    // The bytes Save writes.
    std::string Serialize() const;

    // What reading the bytes of a file found.
    struct ParseResult {
        bool olderVersion = false;  // headed file below version 13: to be moved aside
        std::string damage;         // why reading stopped early; empty when it did not
    };
    // Replaces the list by the configurations in `bytes` (the content of a file); stops
    // at the first damage, keeping what was read completely before it.
    ParseResult Parse(std::string_view bytes);
    // What to tell the user of a damaged file after Parse: "Wrong config file format.",
    // what was wrong and how many configurations could be read. Empty when undamaged.
    std::string DescribeDamage(const ParseResult& result) const;

    CPortConfig* FindByName(std::string_view name) const;
    // Takes ownership; the configuration's index is the previous count.
    int Add(std::unique_ptr<CPortConfig> config);
    void RemoveAt(int index);
    void RemoveAll() { m_configs.clear(); }

    int GetCount() const { return static_cast<int>(m_configs.size()); }
    CPortConfig* GetAt(int index) const {
        return m_configs.at(static_cast<std::size_t>(index)).get();
    }

    // Editor check of a configuration name: empty, or taken by another configuration.
    // `originalName` is the name before editing (ignored when `isNew`).
    std::optional<ValidationFailure> ValidateName(std::string_view name,
                                                  std::string_view originalName, bool isNew) const;

    // "New Config", or "New Config 2", "New Config 3", ... when that name is taken.
    std::string UniqueName(std::string_view base = "New Config") const;

    std::vector<std::unique_ptr<CPortConfig>> m_configs;
    std::string m_strPath;
    std::int32_t m_nSelected = 0;  // position in the sorted list; -1 none

private:
    mutable bool m_bUnreadable = false;  // m_strPath exists but Load could not read it
};

// Message texts of the file.
inline constexpr const char* kMsgWrongFormat = "Wrong config file format.";
// %s: the path.
inline constexpr const char* kMsgCantSave =
    "Can't open file: %s.\nPort configuration settings won't be saved.";

}  // namespace sendrik
