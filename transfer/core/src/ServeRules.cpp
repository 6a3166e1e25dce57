#include "transfer/ServeRules.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "transfer/TransferStream.h"

namespace sendrik {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxNameLength = 100;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// Whether `path` lies inside `folder` (both already canonical).
bool Inside(const fs::path& path, const fs::path& folder) {
    const std::string p = path.string();
    std::string f = folder.string();
    if (f.empty() || p.size() <= f.size()) return false;
    if (f.back() != '/') f += '/';
    return p.compare(0, f.size(), f) == 0;
}

std::string ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

std::optional<std::string> ProgramNumberOf(std::string_view program) {
    std::size_t start = 0;
    while (start < program.size()) {
        std::size_t end = program.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = program.size();
        std::size_t i = start;
        // Blanks and a control's leader (NUL, DC2, ...) may stand before the number.
        while (i < end && (static_cast<unsigned char>(program[i]) <= ' ' || program[i] == 127)) ++i;
        if (i < end && (program[i] == 'O' || program[i] == 'o')) {
            std::size_t digits = 0;
            while (i + 1 + digits < end && IsDigit(program[i + 1 + digits])) ++digits;
            if (digits >= 1 && digits <= 8) return "O" + std::string(program.substr(i + 1, digits));
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::string> FirstCommentOf(std::string_view program) {
    const std::size_t open = program.find('(');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = program.find(')', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view inside = program.substr(open + 1, close - open - 1);
    const auto first = inside.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const auto last = inside.find_last_not_of(" \t");
    return std::string(inside.substr(first, last - first + 1));
}

std::string SafeNamePart(std::string_view text) {
    std::string safe(text);
    for (char& c : safe) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) ||
                          c == '-' || c == '_' || c == '.';
        if (!keep) c = '_';
    }
    return safe;
}

std::string TimeStamp(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string ReceivedFileName(std::string_view program, NameFrom rule, std::time_t when,
                             bool partial) {
    std::optional<std::string> stem;
    if (rule == NameFrom::ProgramNumber) {
        stem = ProgramNumberOf(program);
    } else if (rule == NameFrom::FirstComment) {
        if (const auto comment = FirstCommentOf(program)) stem = SafeNamePart(*comment);
    }
    if (!stem) stem = TimeStamp(when);
    // A leading "." would hide the file (and ".." would name the folder above).
    for (char& c : *stem) {
        if (c != '.') break;
        c = '_';
    }
    const std::string extension = partial ? ".partial.nc" : ".nc";
    if (stem->size() + extension.size() > kMaxNameLength)
        stem->resize(kMaxNameLength - extension.size());
    return *stem + extension;
}

std::string NextBackupName(const std::string& folder, const std::string& name) {
    unsigned long highest = 0;
    std::error_code ec;
    const std::string prefix = name + ".~";
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string file = entry.path().filename().string();
        if (file.size() <= prefix.size() + 1 || file.compare(0, prefix.size(), prefix) != 0 ||
            file.back() != '~')
            continue;
        const std::string number = file.substr(prefix.size(), file.size() - prefix.size() - 1);
        if (number.empty() || number.size() > 9 ||
            !std::all_of(number.begin(), number.end(), IsDigit))
            continue;
        highest = std::max(highest, std::stoul(number));
    }
    return name + ".~" + std::to_string(highest + 1) + "~";
}

ReceivedFile::~ReceivedFile() {
    Discard();
}

bool ReceivedFile::Create(const std::string& folder, std::string& error) {
    Discard();
    m_folder = folder;
    m_temp = folder + "/.receiving.XXXXXX";
    m_writeError = 0;
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (m_fd < 0) {
        error = ErrnoText("cannot create a file in " + folder);
        return false;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(m_fd, 0644 & ~mask);
    return true;
}

void ReceivedFile::Write(const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (m_fd >= 0 && m_writeError == 0 && done < count) {
        const ssize_t n = ::write(m_fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_writeError = n < 0 ? errno : ENOSPC;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void ReceivedFile::Discard() {
    if (m_fd < 0) return;
    ::close(m_fd);
    ::unlink(m_temp.c_str());
    m_fd = -1;
}

std::optional<std::string> ReceivedFile::Commit(const std::string& name, std::string& error) {
    const std::string target = m_folder + "/" + name;
    const auto fail = [&](const std::string& what) {
        error = ErrnoText(what);
        Discard();
        return std::nullopt;
    };
    if (m_fd < 0) {
        errno = EBADF;
        return fail("cannot save " + target);
    }
    if (m_writeError != 0) {
        errno = m_writeError;
        return fail("cannot write " + m_temp);
    }
    if (::fsync(m_fd) != 0) return fail("cannot write " + m_temp);
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return fail("cannot save " + target);
        }
        // The old file stays whole under its backup name; a link is kept as a link.
        for (int attempt = 0;; ++attempt) {
            const std::string backup = m_folder + "/" + NextBackupName(m_folder, name);
            if (::linkat(AT_FDCWD, target.c_str(), AT_FDCWD, backup.c_str(), 0) == 0) break;
            if (errno == EEXIST && attempt < 100) continue;
            // A file system without hard links: move the old file aside instead.
            if (::rename(target.c_str(), backup.c_str()) == 0) break;
            return fail("cannot keep " + target + " as " + backup);
        }
    }
    if (::rename(m_temp.c_str(), target.c_str()) != 0) return fail("cannot save " + target);
    ::close(m_fd);
    m_fd = -1;
    const int dir = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return target;
}

std::optional<std::string> SaveReceived(const std::string& folder, const std::string& name,
                                        std::string_view bytes, std::string& error) {
    ReceivedFile file;
    if (!file.Create(folder, error)) return std::nullopt;
    file.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return file.Commit(name, error);
}

std::string RequestNameProblem(std::string_view name) {
    if (name.empty()) return "the request names no program";
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
        return "the request names a path, not a file";
    if (name.front() == '.') return "the requested name starts with \".\"";
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return "the requested name holds control characters";
    return {};
}

RequestLookup FindRequested(const std::vector<std::string>& folders, const std::string& name) {
    RequestLookup lookup;
    if (const std::string problem = RequestNameProblem(name); !problem.empty()) {
        lookup.problem = "refused: " + problem;
        return lookup;
    }
    std::vector<fs::path> roots;
    for (const std::string& folder : folders) {
        std::error_code ec;
        const fs::path root = fs::canonical(folder, ec);
        if (!ec) roots.push_back(root);
    }
    for (const std::string& folder : folders) {
        // The name as it stands ranks first, then the extensions in order; among names
        // differing only in case, the first in byte order.
        std::vector<std::pair<std::size_t, std::string>> matches;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            const std::string file = entry.path().filename().string();
            if (EqualNoCase(file, name)) {
                matches.emplace_back(0, file);
                continue;
            }
            for (std::size_t i = 0; i < std::size(kRequestExtensions); ++i)
                if (EqualNoCase(file, name + kRequestExtensions[i]))
                    matches.emplace_back(i + 1, file);
        }
        std::sort(matches.begin(), matches.end());
        for (const auto& [rank, file] : matches) {
            const fs::path resolved = fs::canonical(fs::path(folder) / file, ec);
            if (ec) continue;  // a dangling link
            if (std::none_of(roots.begin(), roots.end(),
                             [&](const fs::path& root) { return Inside(resolved, root); })) {
                lookup.problem =
                    "refused: " + folder + "/" + file + " leads out of the send folders";
                return lookup;
            }
            if (!fs::is_regular_file(resolved, ec)) continue;
            lookup.path = resolved.string();
            return lookup;
        }
    }
    lookup.problem = "not found";
    return lookup;
}

std::string SendBytes(const CPortConfig& config, std::string_view program) {
    int stop = 0;
    CBufferWriter writer;
    CTransferStream stream(config.m_send, stop, writer);
    stream.Begin();
    constexpr std::size_t kBlock = 512;
    for (std::size_t at = 0; at < program.size() && stop == 0; at += kBlock) {
        const std::size_t count = std::min(kBlock, program.size() - at);
        stream.Process(reinterpret_cast<const std::uint8_t*>(program.data() + at), count);
    }
    stream.End();
    return writer.m_data;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else {
            // A well-formed UTF-8 sequence passes; any other byte is replaced.
            const std::size_t length = c >= 0xf0 && c < 0xf5 ? 4
                                       : c >= 0xe0           ? 3
                                       : c >= 0xc2           ? 2
                                                             : 0;
            bool ok = length > 0 && c < 0xf5 && i + length <= text.size();
            for (std::size_t k = 1; ok && k < length; ++k)
                ok = (static_cast<unsigned char>(text[i + k]) & 0xc0) == 0x80;
            if (ok) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                out += "\xef\xbf\xbd";
                ++i;
            }
        }
    }
    return out + "\"";
}

std::string JsonLogLine(const LogRecord& record) {
    std::tm local{};
    localtime_r(&record.time, &local);
    char stamp[40];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string time = stamp;
    if (time.size() > 2) time.insert(time.size() - 2, ":");  // +0100 -> +01:00
    return "{\"time\":" + JsonString(time) + ",\"machine\":" + JsonString(record.machine) +
           ",\"direction\":" + JsonString(record.direction) +
           ",\"file\":" + JsonString(record.file) + ",\"bytes\":" + std::to_string(record.bytes) +
           ",\"result\":" + JsonString(record.result) + "}\n";
}

}  // namespace sendrik
