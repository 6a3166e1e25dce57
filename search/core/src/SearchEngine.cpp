#include "search/SearchEngine.h"

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "search/Criteria.h"
#include "search/SearchStream.h"

namespace scarrow {
namespace {

using Clock = std::chrono::steady_clock;

// Asks the sink to go on at most once per interval; reading the steady clock is cheap
// next to a folder entry or a block of a file.
class Poller {
public:
    Poller(ISearchSink& sink, std::chrono::milliseconds interval)
        : m_sink(sink), m_interval(interval), m_last(Clock::now()) {}

    bool GoOn() {
        if (m_stopped) return false;
        const auto now = Clock::now();
        if (now - m_last >= m_interval) {
            m_last = now;
            if (!m_sink.GoOn()) m_stopped = true;
        }
        return !m_stopped;
    }
    bool Stopped() const { return m_stopped; }
    Clock::time_point NextAsk() const { return m_last + m_interval; }

private:
    ISearchSink& m_sink;
    std::chrono::milliseconds m_interval;
    Clock::time_point m_last;
    bool m_stopped = false;
};

struct Entry {
    std::string name;
    unsigned char type;  // DT_REG, DT_DIR, DT_LNK, DT_UNKNOWN...
};

// An open folder. Files queued for the scanning threads keep it open after the walk
// has left it, so each is still opened relative to it.
class FolderHandle {
public:
    explicit FolderHandle(int fd) : m_fd(fd) {}
    ~FolderHandle() { ::close(m_fd); }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

// A folder being walked. Its names are read whole at once; while the walk is in it, it
// stays open so its files are opened relative to it (no path lookups from the root).
struct Folder {
    std::string path;
    std::vector<Entry> entries;
    std::size_t next = 0;
    std::shared_ptr<const FolderHandle> handle;

    bool Open() {
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        try {
            handle = std::make_shared<const FolderHandle>(fd);
        } catch (...) {
            ::close(fd);
            throw;
        }
        return true;
    }
    void Close() { handle.reset(); }
    bool IsOpen() const { return handle != nullptr; }
    // Relative to the open folder, else by the whole path.
    int At() const { return handle ? handle->Fd() : AT_FDCWD; }
    const char* Name(const Entry& e, const std::string& whole) const {
        return handle ? e.name.c_str() : whole.c_str();
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

std::string JoinPath(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

// The folder walk, in name order; what becomes of each file is the subclass's business.
class Walk {
public:
    explicit Walk(const CSearchConfig& criteria)
        : m_criteria(criteria), m_extensions(BuildExtensionList(criteria)) {}
    virtual ~Walk() = default;

    // Each folder's entries come in name order, a subfolder walked where its name falls;
    // TakeFile gets every regular file (also through a link) that passes the extension
    // filter.
    void Run() {
        struct stat st {};
        if (::stat(m_criteria.m_strFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
        m_visited.emplace(st.st_dev, st.st_ino);
        std::vector<Folder> stack;
        stack.push_back(Folder{m_criteria.m_strFolder, {}, 0, {}});
        if (!ReadFolder(stack.back())) return;
        while (!stack.empty()) {
            Folder& top = stack.back();
            if (top.next == top.entries.size()) {
                stack.pop_back();
                // Only the innermost folder is kept open; the parent opens again.
                if (!stack.empty() && !stack.back().IsOpen()) stack.back().Open();
                continue;
            }
            if (!GoOn()) break;
            const Entry& entry = top.entries[top.next++];
            std::string path = JoinPath(top.path, entry.name);
            if (entry.type == DT_REG) {
                // A plain file needs no stat of its own: the open file tells the rest.
                if (PassesExtensionFilter(m_criteria, m_extensions, path))
                    TakeFile(top, entry, std::move(path));
            } else if (entry.type == DT_DIR || entry.type == DT_LNK || entry.type == DT_UNKNOWN) {
                // Follows symbolic links; a folder already walked (a link loop, a second
                // link to it) is not walked again.
                if (::fstatat(top.At(), top.Name(entry, path), &st, 0) != 0) continue;
                if (S_ISDIR(st.st_mode)) {
                    if (m_criteria.m_bSubfolders == 0) continue;
                    if (!m_visited.emplace(st.st_dev, st.st_ino).second) continue;
                    Folder sub{path, {}, 0, {}};
                    if (ReadFolder(sub)) {
                        top.Close();
                        stack.push_back(std::move(sub));
                    }
                } else if (S_ISREG(st.st_mode)) {
                    if (PassesExtensionFilter(m_criteria, m_extensions, path))
                        TakeFile(top, entry, std::move(path));
                }
            }
            // Devices, pipes and sockets are not program files; opening a pipe would wait.
            if (Stopped()) break;
        }
    }

protected:
    virtual bool GoOn() = 0;
    virtual bool Stopped() = 0;
    virtual void TakeFile(const Folder& folder, const Entry& entry, std::string path) = 0;

    const CSearchConfig& m_criteria;

private:
    // Reads the folder's names, sorted by NameBefore: the order the file system keeps
    // them in is no order a person can follow. A folder of very many names still lets
    // the search stop.
    bool ReadFolder(Folder& folder) {
        if (!folder.Open()) return false;
        const int listing = ::dup(folder.At());
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
            if (folder.entries.size() % 4096 == 0 && !GoOn()) break;
        }
        ::closedir(dir);
        std::sort(folder.entries.begin(), folder.entries.end(), NameBefore);
        return true;
    }

    std::vector<std::string> m_extensions;
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

// Scans one file after another against the criteria; each thread that scans has its own.
class FileScanner {
public:
    FileScanner(const CSearchConfig& criteria, const SearchOptions& options, const CDateTime& now,
                std::shared_ptr<const CSearchPattern> pattern)
        : m_criteria(criteria),
          m_now(now),
          m_stream(criteria.m_words, criteria.m_bIgnoreCase != 0,
                   criteria.m_nLinesMode == CSearchConfig::LinesFirst, criteria.m_nLines),
          m_pattern(std::move(pattern)) {
        m_stream.SetOccurrenceLimit(options.maxOccurrencesPerFile);
    }

    // The result for the file `name` in the folder `at` when it meets the criteria; a
    // file that cannot be opened or read gives none. A scan that `goOn` stops still
    // gives what it found when that already meets the criteria.
    template <typename GoOn>
    std::unique_ptr<CSearchResult> Scan(int at, const char* name, std::string& path, GoOn&& goOn) {
        const int fd = ::openat(at, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) return nullptr;
        std::unique_ptr<CSearchResult> result;
        try {
            result = ScanOpen(fd, path, goOn);
        } catch (...) {
            ::close(fd);
            throw;
        }
        ::close(fd);
        return result;
    }

private:
    template <typename GoOn>
    std::unique_ptr<CSearchResult> ScanOpen(int fd, std::string& path, GoOn& goOn) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
        const CDateTime date = CDateTime::FromTimeT(st.st_mtim.tv_sec);
        if (!PassesDateFilter(m_criteria, date, m_now)) return nullptr;
        auto result = std::make_unique<CSearchResult>();
        const CSearchStream::Outcome outcome =
            m_stream.ScanFile(fd, result->m_foundWords, [&goOn] { return goOn(); });
        if (outcome == CSearchStream::Outcome::ReadError || !MeetsCriteria()) return nullptr;
        result->m_nOccurrences = m_stream.OccurrenceCount();
        result->m_strPath = std::move(path);
        result->m_dwSize = static_cast<std::uint64_t>(st.st_size);
        result->m_date = date;
        result->m_pattern = m_pattern;
        return result;
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
    CDateTime m_now;
    CSearchStream m_stream;
    std::shared_ptr<const CSearchPattern> m_pattern;
};

// Everything on the calling thread: each file is scanned when the walk comes to it.
class InlineSearch final : public Walk {
public:
    InlineSearch(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options,
                 const CDateTime& now, std::shared_ptr<const CSearchPattern> pattern)
        : Walk(criteria),
          m_sink(sink),
          m_poller(sink, options.pollInterval),
          m_scanner(criteria, options, now, std::move(pattern)) {}

protected:
    bool GoOn() override { return m_poller.GoOn(); }
    bool Stopped() override { return m_poller.Stopped(); }
    void TakeFile(const Folder& folder, const Entry& entry, std::string path) override {
        const char* name = folder.Name(entry, path);
        std::unique_ptr<CSearchResult> result =
            m_scanner.Scan(folder.At(), name, path, [this] { return m_poller.GoOn(); });
        if (result) m_sink.ResultFound(std::move(result));
    }

private:
    ISearchSink& m_sink;
    Poller m_poller;
    FileScanner m_scanner;
};

// The walk on a thread of its own hands the files to scanning threads through a ring of
// slots; the calling thread reports the results in the walk's order, so the sink sees
// exactly what InlineSearch gives it, and asks the sink whether to go on.
//
// The ring bounds how far the walk and the scans run ahead of the sink; the occurrences
// held in finished slots are bounded too, as a search that keeps them may find
// millions. Once the sink says stop, nothing more is reported.
class ParallelSearch final : public Walk {
public:
    ParallelSearch(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options,
                   const CDateTime& now, std::shared_ptr<const CSearchPattern> pattern,
                   unsigned threads)
        : Walk(criteria),
          m_sink(sink),
          m_options(options),
          m_now(now),
          m_pattern(std::move(pattern)),
          m_threads(threads),
          m_slots(std::clamp<std::size_t>(16 * std::size_t{threads}, 64, kMaxSlots)),
          m_heldLimit(std::max<std::size_t>(options.maxOccurrencesPerFile, 1 << 16)) {}

    ~ParallelSearch() override { Finish(); }

    // False when no thread could be started; nothing was reported then.
    bool Start() {
        try {
            m_workers.reserve(m_threads);
            m_walker = std::thread([this] { WalkerMain(); });
            for (unsigned i = 0; i < m_threads; ++i)
                m_workers.emplace_back([this] { WorkerMain(); });
        } catch (const std::system_error&) {
            if (m_workers.empty()) {
                Finish();
                return false;
            }
        }
        return true;
    }

    void Report() {
        Poller poller(m_sink, m_options.pollInterval);
        std::vector<std::unique_ptr<CSearchResult>> batch;
        const auto ready = [this] {
            return m_error || Slot(m_reported).done || (m_walkDone && m_reported == m_produced);
        };
        for (;;) {
            bool finished = false;
            {
                std::unique_lock lock(m_mutex);
                if (!ready()) {
                    // A poll interval of 0 asks at every chance, but not in a busy loop.
                    const auto wake =
                        std::max(poller.NextAsk(), Clock::now() + std::chrono::milliseconds(1));
                    m_reporterWaiting = true;
                    m_resultReady.wait_until(lock, wake, ready);
                    m_reporterWaiting = false;
                }
                if (m_error) break;
                // Everything finished in order at once: one lock for many results.
                const bool overHeld = m_held > m_heldLimit;
                const std::uint64_t before = m_reported;
                while (m_reported < m_produced && Slot(m_reported).done) {
                    Job& slot = Slot(m_reported++);
                    if (slot.result) {
                        m_held -= slot.result->m_foundWords.size();
                        batch.push_back(std::move(slot.result));
                    }
                    slot.done = false;
                }
                finished = m_walkDone && m_reported == m_produced;
                // Files without a result free their slots too.
                if (m_reported != before) m_room.notify_one();
                if (overHeld && m_held <= m_heldLimit) m_work.notify_all();
            }
            // Outside the lock: the sink may take its time (the window pumps its events).
            for (auto& result : batch) {
                if (!poller.GoOn()) break;
                m_sink.ResultFound(std::move(result));
            }
            batch.clear();
            if (finished || !poller.GoOn()) break;
        }
        Finish();
        if (m_error) std::rethrow_exception(m_error);
    }

protected:
    bool GoOn() override { return !m_stop.load(std::memory_order_relaxed); }
    bool Stopped() override { return m_stop.load(std::memory_order_relaxed); }

    // On the walking thread: waits for a free slot, then queues the file.
    void TakeFile(const Folder& folder, const Entry& entry, std::string path) override {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [this] { return Stopped() || m_produced - m_reported < m_slots.size(); });
        if (Stopped()) return;
        Job& slot = Slot(m_produced);
        slot.folder = folder.handle;
        slot.name = folder.handle ? entry.name : std::string();
        slot.path = std::move(path);
        slot.result.reset();
        slot.done = false;
        ++m_produced;
        m_work.notify_one();
    }

private:
    struct Job {
        std::shared_ptr<const FolderHandle> folder;  // null: `path` is opened as it is
        std::string name;
        std::string path;
        std::unique_ptr<CSearchResult> result;
        bool done = false;
    };

    // Each queued file may hold its folder open: far fewer than the files a process may
    // have open.
    static constexpr std::size_t kMaxSlots = 256;

    Job& Slot(std::uint64_t seq) { return m_slots[seq % m_slots.size()]; }

    void WalkerMain() {
        try {
            Run();
        } catch (...) {
            Fail(std::current_exception());
        }
        std::lock_guard lock(m_mutex);
        m_walkDone = true;
        m_work.notify_all();
        m_resultReady.notify_one();
    }

    void WorkerMain() {
        try {
            FileScanner scanner(m_criteria, m_options, m_now, m_pattern);
            const auto goOn = [this] { return !Stopped(); };
            std::unique_lock lock(m_mutex);
            for (;;) {
                // A worker ahead of the sink by as many occurrences as it may hold waits.
                m_work.wait(lock, [this] {
                    return Stopped() || (m_walkDone && m_taken == m_produced) ||
                           (m_taken < m_produced && m_held <= m_heldLimit);
                });
                if (Stopped() || m_taken == m_produced) return;
                const std::uint64_t seq = m_taken++;
                Job& slot = Slot(seq);
                std::shared_ptr<const FolderHandle> folder = std::move(slot.folder);
                std::string name = std::move(slot.name);
                std::string path = std::move(slot.path);
                lock.unlock();
                std::unique_ptr<CSearchResult> result =
                    scanner.Scan(folder ? folder->Fd() : AT_FDCWD,
                                 folder ? name.c_str() : path.c_str(), path, goOn);
                folder.reset();
                lock.lock();
                if (result) m_held += result->m_foundWords.size();
                slot.result = std::move(result);
                slot.done = true;
                if (seq == m_reported && m_reporterWaiting) m_resultReady.notify_one();
            }
        } catch (...) {
            Fail(std::current_exception());
        }
    }

    void Fail(std::exception_ptr error) {
        std::lock_guard lock(m_mutex);
        if (!m_error) m_error = error;
        m_stop.store(true, std::memory_order_relaxed);
        m_room.notify_all();
        m_work.notify_all();
        m_resultReady.notify_one();
    }

    // Stops every thread and waits for it: none outlives the search.
    void Finish() {
        {
            std::lock_guard lock(m_mutex);
            m_stop.store(true, std::memory_order_relaxed);
            m_room.notify_all();
            m_work.notify_all();
        }
        if (m_walker.joinable()) m_walker.join();
        for (std::thread& t : m_workers)
            if (t.joinable()) t.join();
        m_workers.clear();
    }

    ISearchSink& m_sink;
    const SearchOptions& m_options;
    CDateTime m_now;
    std::shared_ptr<const CSearchPattern> m_pattern;
    unsigned m_threads;

    std::mutex m_mutex;
    std::condition_variable m_room;         // the walk waits for a free slot
    std::condition_variable m_work;         // the workers wait for a file
    std::condition_variable m_resultReady;  // the calling thread waits for the next result
    std::vector<Job> m_slots;
    std::uint64_t m_produced = 0;  // files queued by the walk
    std::uint64_t m_taken = 0;     // files taken by a worker
    std::uint64_t m_reported = 0;  // slots handed on (or dropped) in order
    std::size_t m_held = 0;        // occurrences kept in finished, unreported slots
    const std::size_t m_heldLimit;
    bool m_walkDone = false;
    bool m_reporterWaiting = false;
    std::atomic<bool> m_stop{false};
    std::exception_ptr m_error;
    std::thread m_walker;
    std::vector<std::thread> m_workers;
};

}  // namespace

unsigned DefaultSearchThreads() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0) return static_cast<unsigned>(n);
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

void RunSearch(const CSearchConfig& criteria, ISearchSink& sink, const SearchOptions& options) {
    // Without a word no file can match.
    if (std::none_of(criteria.m_words.begin(), criteria.m_words.end(),
                     [](const std::string& w) { return !w.empty(); }))
        return;
    const CDateTime now = options.now ? *options.now : CDateTime::Now();
    auto pattern = std::make_shared<CSearchPattern>();
    pattern->words = criteria.m_words;
    pattern->ignoreCase = criteria.m_bIgnoreCase != 0;
    pattern->limitLines = criteria.m_nLinesMode == CSearchConfig::LinesFirst;
    pattern->lines = criteria.m_nLines;

    const unsigned threads = options.threads == 0 ? DefaultSearchThreads() : options.threads;
    if (threads > 1) {
        ParallelSearch search(criteria, sink, options, now, pattern, threads);
        if (search.Start()) {
            search.Report();
            return;
        }
    }
    InlineSearch search(criteria, sink, options, now, std::move(pattern));
    search.Run();
}

}  // namespace scarrow
