#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "search/SearchResult.h"
#include "search/SearchStream.h"

namespace scarrow {

// A file as the text view shows it, in display rows, with the occurrences of a search's
// words, for files of any size. Nothing of the file is held in memory: bytes are read
// where they are needed, and a worker thread walks the file once in the background to
// note where every 256th row starts and how many occurrences each 64 KB block holds, so
// that any row and the next or previous occurrence are found at once (before the worker
// has got there, by reading from the nearest point known).
//
// A row ends at a line feed, a CR LF pair or a lone carriage return. A line longer than
// kMaxRowBytes is cut into rows, so even a file without line ends is shown in rows a
// screen can lay out: its first row ends at the first multiple of kCutBytes (counted from
// the start of the file) at least kMaxRowBytes after the line's start, every further row
// at the next multiple, each cut moved on past at most three UTF-8 continuation bytes so
// that no character is split. Where a row of a long line starts can so be told from the
// bytes around it, without reading from the line's start. After the last line end comes
// one more row, empty when the file ends with a line end.
//
// Occurrences are found as the search finds them: every position before the first NUL
// byte and, with a line limit of N, up to the first byte after the N-th line feed. The
// worker first reads the whole file quickly for these two facts; until it has got far
// enough, a place more than kSyncScanBytes beyond what is known counts as searched (as
// it is in any text file), and KnownCutOff() tells when a cut-off turned up later.
class CTextFile {
public:
    static constexpr std::size_t kMaxRowBytes = 4096;
    static constexpr std::size_t kCutBytes = 2048;
    static constexpr std::size_t kLongestRowBytes = kMaxRowBytes + kCutBytes - 1 + 3;
    static constexpr std::uint64_t kRowsPerMark = 256;
    static constexpr std::uint64_t kBlockBytes = 64 * 1024;
    static constexpr std::uint64_t kNone = ~std::uint64_t{0};
    static constexpr std::uint64_t kSyncScanBytes = 16u << 20;
    // How far back RowAt looks for the start of a line; in a longer one every multiple of
    // kCutBytes before the offset is a cut.
    static constexpr std::uint64_t kMaxLineBack = 16 * 1024;
    static_assert(kMaxLineBack >= kMaxRowBytes + 3 * kCutBytes);

    struct Row {
        std::uint64_t start = 0;  // first byte
        std::uint64_t end = 0;    // end of its text, without the line end
        std::uint64_t next = 0;   // start of the next row
        std::uint64_t line = 0;   // line feeds before it; kNone from RowAt and RowsFrom
        bool operator==(const Row&) const = default;
    };
    using Hit = CSearchStream::Hit;

    CTextFile();
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens a regular file and starts the worker; false with a reason otherwise.
    // Without a pattern there are no occurrences.
    bool Open(const std::string& path, const CSearchPattern* pattern, std::string& error);
    // Stops the worker and closes the file.
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    std::uint64_t Size() const { return m_size; }
    // The bytes [offset, offset + n); fewer at the end of the file (or when it shrank).
    std::string Read(std::uint64_t offset, std::size_t n) const;

    // Whether the file is UTF-8 as far as it has been looked at; otherwise it is shown
    // as Windows-1252. The view says so when a row it shows is no UTF-8.
    bool IsUtf8() const { return m_utf8.load(std::memory_order_relaxed); }
    void SetNotUtf8() { m_utf8.store(false, std::memory_order_relaxed); }

    // Rows the worker has counted so far; all of them once Indexed().
    std::uint64_t RowCount() const;
    bool Indexed() const { return m_indexed.load(std::memory_order_acquire); }
    // How far the worker has got, in bytes.
    std::uint64_t IndexedBytes() const { return m_progress.load(std::memory_order_acquire); }
    // The longest row text seen by the worker, in bytes.
    std::uint64_t LongestRow() const { return m_longestRow.load(std::memory_order_relaxed); }
    // Up to `count` rows from row `first` (fewer at the end of the file).
    std::vector<Row> Rows(std::uint64_t first, std::size_t count) const;
    // The number of the row that holds byte `offset` (the last row for the end). Beyond
    // the worker this counts the rows up to the offset.
    std::uint64_t RowOf(std::uint64_t offset) const;
    // The row that holds byte `offset` (the last row for the end of the file), found from
    // the bytes before it: at once wherever the worker has got. Its number is not counted.
    Row RowAt(std::uint64_t offset) const;
    // Up to `count` rows from the row that starts at `start`.
    std::vector<Row> RowsFrom(std::uint64_t start, std::size_t count) const;

    // Occurrences that start in [from, to), in scan order.
    std::vector<Hit> Find(std::uint64_t from, std::uint64_t to) const;
    // The first occurrence starting at or after `from`, the last one starting before `before`.
    std::optional<Hit> NextFrom(std::uint64_t from) const;
    std::optional<Hit> LastBefore(std::uint64_t before) const;
    // The longest word (how far before a range an occurrence reaching into it may start).
    std::size_t LongestWord() const { return m_longestWord; }
    // All occurrences, once Indexed().
    std::uint64_t OccurrenceCount() const;
    // Where occurrences end as far as the worker knows: the first NUL or the end of the
    // line limit, kNone when neither has turned up.
    std::uint64_t KnownCutOff() const;

private:
    struct Mark {
        std::uint64_t offset;
        std::uint64_t line;
    };
    // What a prefix of the file tells about where occurrences may start.
    struct Bounds {
        std::uint64_t scanned = 0;    // the facts hold for [0, scanned)
        std::uint64_t lineFeeds = 0;  // in [0, scanned)
        std::uint64_t firstNul = kNone;
        std::uint64_t limitEnd = kNone;  // first position not tried for the line limit
    };

    void Work();
    // The worker's quick pass for the first NUL and the line limit; false when stopped.
    bool ScanCutOff();
    // The start of the line that holds byte `offset`; kNone when it lies more than
    // kMaxLineBack before it.
    std::uint64_t LineStart(std::uint64_t offset) const;
    // The known mark nearest below mark `k`, with its number: the worker's, or one the
    // view's thread noted walking ahead of the worker.
    std::pair<std::uint64_t, Mark> NearestMark(std::uint64_t k) const;
    void NoteMark(std::uint64_t k, const Mark& mark) const;
    // The first position not tried before `upTo`, or kNone when every position before
    // it is tried.
    std::uint64_t TriedEnd(std::uint64_t upTo) const;
    void Advance(Bounds& b, const unsigned char* p, std::size_t n) const;
    // Reads the next `chunk` bytes into `b`; false when there is nothing more to learn.
    bool ScanChunk(Bounds& b, std::vector<unsigned char>& buf, std::size_t chunk) const;
    std::vector<Hit> FindIn(CSearchStream& stream, std::uint64_t from, std::uint64_t to) const;

    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::unique_ptr<CSearchPattern> m_pattern;
    std::size_t m_longestWord = 0;
    std::unique_ptr<CSearchStream> m_stream;  // the view's thread only

    mutable std::mutex m_mutex;           // guards what the worker publishes below
    std::vector<Mark> m_marks;            // row k * kRowsPerMark starts at m_marks[k]
    std::uint64_t m_rows = 1;             // rows counted
    std::vector<std::uint32_t> m_counts;  // occurrences per block, blocks done so far
    Bounds m_workerBounds;

    mutable Bounds m_viewBounds;  // the view's thread's own reading ahead of the worker
    // Marks the view's thread found beyond the worker's: mark m_ownFirst + i is m_own[i].
    mutable std::vector<Mark> m_own;
    mutable std::uint64_t m_ownFirst = 0;
    std::atomic<bool> m_utf8{true};
    std::atomic<bool> m_indexed{false};
    std::atomic<bool> m_stop{false};
    std::atomic<std::uint64_t> m_progress{0};
    std::atomic<std::uint64_t> m_longestRow{0};
    std::thread m_worker;
};

}  // namespace scarrow
