#include "calc/SettingsStore.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

#include "common/AtomicFile.h"

namespace calc {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

std::string EncodeValue(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                           value.back() == '\t' || value.front() == '"');
    if (!needsQuotes) return std::string(value);
    return "\"" + std::string(value) + "\"";
}

std::string DecodeValue(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// One line of the file as it was read, with what it means.
struct IniLine {
    enum class Kind { Other, Section, Entry };
    std::string raw;  // without the line feed; a carriage return stays
    Kind kind = Kind::Other;
    std::string name;  // section or key name, trimmed
    std::size_t valueStart = 0;
};

IniLine Classify(std::string raw) {
    IniLine line;
    line.raw = std::move(raw);
    const std::string_view text = Trim(line.raw);
    if (text.empty() || text.front() == ';' || text.front() == '#') return line;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = std::string(Trim(text.substr(1, close - 1)));
        }
        return line;
    }
    const std::string_view all = line.raw;
    const auto eq = all.find('=');
    if (eq == std::string_view::npos) return line;
    line.kind = IniLine::Kind::Entry;
    line.name = std::string(Trim(all.substr(0, eq)));
    line.valueStart = eq + 1;
    return line;
}

struct IniFile {
    bool bom = false;
    bool crlf = false;
    std::vector<IniLine> lines;
};

IniFile Parse(std::string_view data) {
    IniFile file;
    if (data.substr(0, kBom.size()) == kBom) {
        file.bom = true;
        data.remove_prefix(kBom.size());
    }
    std::size_t start = 0;
    while (start < data.size()) {
        auto end = data.find('\n', start);
        if (end == std::string_view::npos) end = data.size();
        file.lines.push_back(Classify(std::string(data.substr(start, end - start))));
        start = end + 1;
    }
    file.crlf = !file.lines.empty() && !file.lines.front().raw.empty() &&
                file.lines.front().raw.back() == '\r';
    return file;
}

// Index of the entry for section/key, the first one in file order.
std::optional<std::size_t> FindEntry(const IniFile& file, std::string_view section,
                                     std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const IniLine& line = file.lines[i];
        if (line.kind == IniLine::Kind::Section) {
            inSection = SameName(line.name, section);
        } else if (inSection && line.kind == IniLine::Kind::Entry && SameName(line.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

// Where a new key of `section` goes: after the last non-blank line of the first section
// of that name. Nothing when the file has no such section.
std::optional<std::size_t> InsertionPoint(const IniFile& file, std::string_view section) {
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == IniLine::Kind::Section && SameName(file.lines[i].name, section)) {
            header = i;
            break;
        }
    }
    if (!header) return std::nullopt;
    std::size_t after = *header + 1;
    for (std::size_t i = *header + 1; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == IniLine::Kind::Section) break;
        if (!Trim(file.lines[i].raw).empty()) after = i + 1;
    }
    return after;
}

// Application names become file names: nothing that leaves the folder.
bool UsableAppName(std::string_view app) {
    return !app.empty() && app != "." && app != ".." &&
           app.find_first_of(std::string_view("/\\\r\n\0", 5)) == std::string_view::npos;
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path SettingsStore::DefaultFolder() {
    auto env = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value ? std::string(value) : std::string();
    };
    if (const std::string dir = env("TARVIK_CONFIG_DIR"); !dir.empty()) return dir;
    if (const std::string xdg = env("XDG_CONFIG_HOME"); !xdg.empty()) {
        return std::filesystem::path(xdg) / "tarvik";
    }
    if (const std::string home = env("HOME"); !home.empty()) {
        return std::filesystem::path(home) / ".config" / "tarvik";
    }
    return std::filesystem::path("tarvik");
}

std::filesystem::path SettingsStore::FileFor(std::string_view app) const {
    return folder_ / (std::string(app) + ".ini");
}

std::string SettingsStore::GetSetting(std::string_view app, std::string_view section,
                                      std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    if (!UsableAppName(app) || section.empty() || key.empty()) return {};
    const std::optional<std::string> data = common::ReadWholeFile(FileFor(app));
    if (!data) return {};
    const IniFile file = Parse(*data);
    const auto index = FindEntry(file, section, key);
    if (!index) return {};
    const IniLine& line = file.lines[*index];
    return DecodeValue(std::string_view(line.raw).substr(line.valueStart));
}

bool SettingsStore::SaveSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    auto refuse = [this](std::string why) {
        lastError_ = std::move(why);
        return false;
    };
    if (!UsableAppName(app)) {
        return refuse("Unusable application name '" + std::string(app) + "'.");
    }
    if (section.empty() || HasLineBreak(section) ||
        section.find_first_of("[]") != std::string_view::npos) {
        return refuse("Unusable section name '" + std::string(section) + "'.");
    }
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';' || key.front() == '#') {
        return refuse("Unusable key name '" + std::string(key) + "'.");
    }
    if (HasLineBreak(value)) return refuse("A setting cannot hold a line break.");

    std::filesystem::path path = FileFor(app);
    std::error_code ec;
    // Write through a link (a settings file kept elsewhere) instead of replacing the link.
    if (std::filesystem::is_symlink(path, ec)) {
        const auto target = std::filesystem::weakly_canonical(path, ec);
        if (!ec) path = target;
    }
    std::filesystem::create_directories(folder_, ec);
    if (ec) return refuse("Cannot create the folder " + folder_.string() + ": " + ec.message());

    IniFile file;
    if (std::filesystem::exists(path, ec)) {
        const std::optional<std::string> data = common::ReadWholeFile(path);
        // Never replace a file we could not read: that would lose every other setting.
        if (!data) return refuse("Cannot read " + path.string() + ".");
        file = Parse(*data);
    }
    const std::string cr = file.crlf ? "\r" : "";
    const std::string entry = std::string(key) + "=" + EncodeValue(value) + cr;

    if (const auto index = FindEntry(file, section, key)) {
        IniLine& line = file.lines[*index];
        line = Classify(line.name + "=" + EncodeValue(value) + cr);
    } else if (const auto at = InsertionPoint(file, section)) {
        file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(*at), Classify(entry));
    } else {
        if (!file.lines.empty() && !Trim(file.lines.back().raw).empty()) {
            file.lines.push_back(Classify(cr));
        }
        file.lines.push_back(Classify("[" + std::string(section) + "]" + cr));
        file.lines.push_back(Classify(entry));
    }

    std::string out;
    if (file.bom) out += kBom;
    for (const IniLine& line : file.lines) {
        out += line.raw;
        out += '\n';
    }
    std::string error;
    if (!common::WriteFileAtomically(path, out, &error)) return refuse(error);
    lastError_.clear();
    return true;
}

}  // namespace calc
