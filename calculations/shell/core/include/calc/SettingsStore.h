#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace calc {

// Per-user store of text values addressed by application, section and key.
//
// Each application has one INI-style text file, <folder>/<App>.ini:
//
//   ; comment
//   [Calcs]
//   Language=German
//
// Section and key names match without regard to ASCII letter case; values are exact.
// Nothing is cached: every read opens the file, so an edit made from outside takes
// effect at the next lookup. A write replaces the file atomically and keeps every
// other line (comments, unknown or damaged lines) as it was.
//
// Values may hold any character except line breaks. A value with leading or trailing
// blanks, or one that starts with a double quote, is written inside double quotes
// (Key="  x  "); on reading, blanks around a value are dropped and one pair of
// enclosing quotes is removed, so every value reads back exactly as written. A "=" in
// a value needs no quoting: a line splits at its first "=".
class SettingsStore {
public:
    // Files live in `folder`; it is created at the first write when missing.
    explicit SettingsStore(std::filesystem::path folder = DefaultFolder());

    // $TARVIK_CONFIG_DIR when set and not empty, else $XDG_CONFIG_HOME/tarvik, else
    // ~/.config/tarvik ($HOME), else ./tarvik as a last resort.
    static std::filesystem::path DefaultFolder();

    const std::filesystem::path& Folder() const { return folder_; }
    // The file that holds `app`'s settings (the name is not checked here).
    std::filesystem::path FileFor(std::string_view app) const;

    // The stored value, or the empty text when the file, section or key is missing or
    // the file cannot be read. Never throws.
    std::string GetSetting(std::string_view app, std::string_view section,
                           std::string_view key) const;

    // Stores `value`; returns false (and leaves the file untouched) when a name is not
    // usable (empty, a line break, "[" / "]" in a section, "=" or a leading "[", ";"
    // or "#" in a key, "/" or "\" in the application), the value holds a line break,
    // or the file cannot be written. LastError() then says why.
    bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value);

    const std::string& LastError() const { return lastError_; }

private:
    std::filesystem::path folder_;
    std::string lastError_;
};

}  // namespace calc
