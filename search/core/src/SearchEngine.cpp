#include "search/SearchEngine.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "search/Criteria.h"
#include "search/SearchStream.h"

namespace scarrow {
namespace {

// Asks the sink to go on at most once per interval; reading the steady clock is cheap
// next to a folder entry or a block of a file.
class Poller {
public:
    Poller(ISearchSink& sink, std::chrono::milliseconds interval)
        : m_sink(sink), m_interval(interval), m_last(std::chrono::steady_clock::now()) {}

    bool GoOn() {
        if (m_stopped) return false;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last >= m_interval) {
            m_last = now;
            if (!m_sink.GoOn()) m_stopped = true;
        }
        return !m_stopped;
    }
    bool Stopped() const { return m_stopped; }

private:
    ISearchSink& m_sink;
    std::chrono::milliseconds m_interval;
    std::chrono::steady_clock::time_point m_last;
    bool m_stopped = false;
};

struct Entry {
    std::string name;
    unsigned char type;  // DT_REG, DT_DIR, DT_LNK, DT_UNKNOWN...
};

// A folder being walked. Its names are read whole at once; while the walk is in it, it
// stays open so its files are opened relative to it (no path lookups from the root).
struct Folder {
    std::string path;
    std::vector<Entry> entries;
    std::size_t next = 0;
    int fd = -1;

    bool Open() {
        fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd >= 0;
    }
    void Close() {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    // Relative to the open folder, else by the whole path.
    int At() const { return fd >= 0 ? fd : AT_FDCWD; }
    const char* Name(const Entry& e, const std::string& whole) const {
        return fd >= 0 ? e.name.c_str() : whole.c_str();
    }
};

// Names in the order a Windows file system lists them, letter case aside; the bytes
// decide between names that differ only in case.
bool NameBefore(const Entry& a, const Entry& b) {
    const auto upper = [](unsigned char c) {
        return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
    };
    const std::size_t n = std::min(a.name.size(), b.name.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = upper(static_cast<unsigned char>(a.name[i]));
        const unsigned char y = upper(static_cast<unsigned char>(b.name[i]));
        if (x != y) return x < y;
    }
    if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
    return a.name < b.name;
}

// Reads the folder's names, sorted by NameBefore: the order the file system keeps them
// in is no order a person can follow. A folder of very many names still lets the sink
// stop it.
bool ReadFolder(Folder& folder, Poller& poller) {
    if (!folder.Open()) return false;
    const int listing = ::dup(folder.fd);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (dir == nullptr) {
        if (listing >= 0) ::close(listing);
        folder.Close();
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        folder.entries.push_back(Entry{n, entry->d_type});
        if (folder.entries.size() % 4096 == 0 && !poller.GoOn()) break;
    }
    ::closedir(dir);
    std::sort(folder.entries.begin(), folder.entries.end(), NameBefore);
    return true;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

class Walker {
public:
    Walker(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options)
        : m_criteria(criteria),
          m_sink(sink),
          m_poller(sink, options.pollInterval),
          m_now(options.now ? *options.now : CDateTime::Now()),
          m_extensions(BuildExtensionList(criteria)),
          m_stream(criteria.m_words, criteria.m_bIgnoreCase != 0,
                   criteria.m_nLinesMode == CSearchConfig::LinesFirst, criteria.m_nLines) {
        m_stream.SetOccurrenceLimit(options.maxOccurrencesPerFile);
        auto pattern = std::make_shared<CSearchPattern>();
        pattern->words = criteria.m_words;
        pattern->ignoreCase = criteria.m_bIgnoreCase != 0;
        pattern->limitLines = criteria.m_nLinesMode == CSearchConfig::LinesFirst;
        pattern->lines = criteria.m_nLines;
        m_pattern = std::move(pattern);
    }

    void Run() {
        // Without a word no file can match.
        if (m_stream.WordCount() == 0) return;
        struct stat st {};
        if (::stat(m_criteria.m_strFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
        m_visited.emplace(st.st_dev, st.st_ino);
        std::vector<Folder> stack;
        stack.push_back(Folder{m_criteria.m_strFolder, {}, 0, -1});
        if (!ReadFolder(stack.back(), m_poller)) return;
        while (!stack.empty()) {
            Folder& top = stack.back();
            if (top.next == top.entries.size()) {
                top.Close();
                stack.pop_back();
                // Only the innermost folder is kept open; the parent opens again.
                if (!stack.empty() && stack.back().fd < 0) stack.back().Open();
                continue;
            }
            if (!m_poller.GoOn()) break;
            const Entry& entry = top.entries[top.next++];
            const std::string path = JoinPath(top.path, entry.name);
            if (entry.type == DT_REG) {
                // A plain file needs no stat of its own: the open file tells the rest.
                TakeFile(top, entry, path);
            } else if (entry.type == DT_DIR || entry.type == DT_LNK || entry.type == DT_UNKNOWN) {
                // Follows symbolic links; a folder already walked (a link loop, a second
                // link to it) is not walked again.
                if (::fstatat(top.At(), top.Name(entry, path), &st, 0) != 0) continue;
                if (S_ISDIR(st.st_mode)) {
                    if (m_criteria.m_bSubfolders == 0) continue;
                    if (!m_visited.emplace(st.st_dev, st.st_ino).second) continue;
                    Folder sub{path, {}, 0, -1};
                    if (ReadFolder(sub, m_poller)) {
                        top.Close();
                        stack.push_back(std::move(sub));
                    }
                } else if (S_ISREG(st.st_mode)) {
                    TakeFile(top, entry, path);
                }
            }
            // Devices, pipes and sockets are not program files; opening a pipe would wait.
            if (m_poller.Stopped()) break;
        }
        for (Folder& folder : stack) folder.Close();
    }

private:
    void TakeFile(const Folder& folder, const Entry& entry, const std::string& path) {
        if (!PassesExtensionFilter(m_criteria, m_extensions, path)) return;
        const int fd = ::openat(folder.At(), folder.Name(entry, path),
                                O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) return;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            const CDateTime date = CDateTime::FromTimeT(st.st_mtim.tv_sec);
            if (PassesDateFilter(m_criteria, date, m_now)) {
                ScanFile(fd, path, date, static_cast<std::uint64_t>(st.st_size));
            }
        }
        ::close(fd);
    }

    void ScanFile(int fd, const std::string& path, const CDateTime& date, std::uint64_t size) {
        auto result = std::make_unique<CSearchResult>();
        const CSearchStream::Outcome outcome =
            m_stream.ScanFile(fd, result->m_foundWords, [this] { return m_poller.GoOn(); });
        if (outcome == CSearchStream::Outcome::ReadError) return;
        if (!MeetsCriteria()) return;
        result->m_nOccurrences = m_stream.OccurrenceCount();
        result->m_strPath = path;
        result->m_dwSize = size;
        result->m_date = date;
        result->m_pattern = m_pattern;
        m_sink.ResultFound(std::move(result));
    }

    bool MeetsCriteria() const {
        if (m_stream.OccurrenceCount() == 0) return false;
        if (m_criteria.m_nMatchMode != CSearchConfig::MatchAll) return true;
        for (std::size_t i = 0; i < m_criteria.m_words.size(); ++i) {
            if (!m_criteria.m_words[i].empty() && !m_stream.WordSeen(i)) return false;
        }
        return true;
    }

    const CSearchConfig& m_criteria;
    ISearchSink& m_sink;
    Poller m_poller;
    CDateTime m_now;
    std::vector<std::string> m_extensions;
    CSearchStream m_stream;
    std::shared_ptr<const CSearchPattern> m_pattern;
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

}  // namespace

void RunSearch(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options) {
    Walker walker(criteria, sink, options);
    walker.Run();
}

}  // namespace scarrow
