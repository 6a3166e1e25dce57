#include "search/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "search/TextEncoding.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace scarrow {
namespace {

constexpr std::size_t kWorkerChunk = 1 << 20;
constexpr std::size_t kViewBuffer = 64 * 1024;
constexpr std::size_t kRowBuffer = 16 * 1024;  // one row, most often a short one

// Index of the first CR or LF in p[0, n), or n.
std::size_t FindLineEnd(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int m = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
        if (m != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(m)));
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') return i;
    }
    return n;
}

// Reads whole blocks with pread; a read error or a file that shrank ends the file
// where the bytes end.
std::size_t ReadAt(int fd, unsigned char* out, std::size_t n, std::uint64_t offset) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, out + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<std::size_t>(r);
    }
    return got;
}

bool IsLineEnd(unsigned char b) {
    return b == '\r' || b == '\n';
}

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Walks the rows of a file from a row start.
class RowWalker {
public:
    RowWalker(int fd, std::uint64_t size, std::uint64_t start, std::uint64_t line,
              std::size_t buffer)
        : m_fd(fd), m_size(size), m_pos(start), m_line(line), m_own(buffer) {
        // A row that does not follow a line end continues a long line.
        unsigned char before = '\n';
        if (start > 0 && ReadAt(fd, &before, 1, start - 1) == 1) m_continued = !IsLineEnd(before);
    }

    // Reads from these bytes, at file offset `base`, while they last: the worker has
    // read them already.
    void Use(const unsigned char* data, std::uint64_t base, std::size_t size) {
        m_data = data;
        m_bufStart = base;
        m_bufLen = size;
    }

    // The next row; false after the last one.
    bool Next(CTextFile::Row& row) {
        if (m_done) return false;
        row.start = m_pos;
        row.line = m_line;
        // Where a long line's row is cut.
        constexpr std::uint64_t unit = CTextFile::kCutBytes;
        const std::uint64_t cut = m_continued
                                      ? (m_pos / unit + 1) * unit
                                      : (m_pos + CTextFile::kMaxRowBytes + unit - 1) / unit * unit;
        std::uint64_t o = m_pos;
        for (;;) {
            if (!Have(o)) {
                // The last row runs to the end of the file.
                row.end = row.next = m_pos = o;
                m_done = true;
                return true;
            }
            const unsigned char* p = m_data + (o - m_bufStart);
            const std::size_t avail = static_cast<std::size_t>(m_bufStart + m_bufLen - o);
            if (o >= cut) {
                const unsigned char b = *p;
                if (!IsLineEnd(b)) {
                    // Continued in the next row, but never inside a UTF-8 character.
                    if (IsContinuation(b) && o < cut + 3) {
                        ++o;
                        continue;
                    }
                    row.end = row.next = m_pos = o;
                    m_continued = true;
                    return true;
                }
            } else {
                const std::size_t span =
                    static_cast<std::size_t>(std::min<std::uint64_t>(avail, cut - o));
                const std::size_t k = FindLineEnd(p, span);
                o += k;
                if (k == span) continue;
            }
            // A line end at o.
            row.end = o;
            m_continued = false;
            if (ByteAt(o) == '\n') {
                row.next = m_pos = o + 1;
                ++m_line;
            } else if (Have(o + 1) && ByteAt(o + 1) == '\n') {
                row.next = m_pos = o + 2;
                ++m_line;
            } else {
                row.next = m_pos = o + 1;  // a lone carriage return
            }
            return true;
        }
    }

    std::uint64_t Position() const { return m_pos; }
    bool Done() const { return m_done; }

private:
    // Whether byte `o` exists, with it in the buffer.
    bool Have(std::uint64_t o) {
        if (o >= m_size) return false;
        if (o >= m_bufStart && o < m_bufStart + m_bufLen) return true;
        m_data = m_own.data();
        m_bufStart = o;
        m_bufLen =
            ReadAt(m_fd, m_own.data(),
                   static_cast<std::size_t>(std::min<std::uint64_t>(m_own.size(), m_size - o)), o);
        if (m_bufLen == 0) m_size = o;  // the file shrank
        return m_bufLen > 0;
    }
    unsigned char ByteAt(std::uint64_t o) const { return m_data[o - m_bufStart]; }

    int m_fd;
    std::uint64_t m_size;
    std::uint64_t m_pos;
    std::uint64_t m_line;
    std::vector<unsigned char> m_own;
    const unsigned char* m_data = nullptr;
    std::uint64_t m_bufStart = 0;
    std::size_t m_bufLen = 0;
    bool m_continued = false;  // the row starting at m_pos continues a long line
    bool m_done = false;
};

}  // namespace

CTextFile::CTextFile() = default;

CTextFile::~CTextFile() {
    Close();
}

bool CTextFile::Open(const std::string& path, const CSearchPattern* pattern, std::string& error) {
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file";
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(st.st_size);
    m_pattern = std::make_unique<CSearchPattern>(pattern ? *pattern : CSearchPattern{});
    if (!pattern) m_pattern->words.clear();
    m_stream = std::make_unique<CSearchStream>(m_pattern->words, m_pattern->ignoreCase,
                                               m_pattern->limitLines, m_pattern->lines);
    m_longestWord = m_stream->LongestWord();
    m_marks.assign(1, Mark{0, 0});
    m_rows = 1;
    m_counts.clear();
    Bounds start;
    if (m_pattern->limitLines && m_pattern->lines == 0) start.limitEnd = 1;
    m_workerBounds = m_viewBounds = start;
    m_indexed = false;
    m_stop = false;
    m_progress = 0;
    m_longestRow = 0;

    // The first screen is shown before the worker has looked far: its beginning decides
    // until then.
    CUtf8Validator head;
    const std::string first = Read(0, kViewBuffer);
    head.Feed(reinterpret_cast<const unsigned char*>(first.data()), first.size());
    m_utf8 = first.size() == m_size ? head.Finish() : head.Valid();

    m_worker = std::thread([this] { Work(); });
    return true;
}

void CTextFile::Close() {
    m_stop = true;
    if (m_worker.joinable()) m_worker.join();
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_stream.reset();
}

std::string CTextFile::Read(std::uint64_t offset, std::size_t n) const {
    if (m_fd < 0 || offset >= m_size) return {};
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, m_size - offset));
    std::string out(n, '\0');
    out.resize(ReadAt(m_fd, reinterpret_cast<unsigned char*>(out.data()), n, offset));
    return out;
}

void CTextFile::Advance(Bounds& b, const unsigned char* p, std::size_t n) const {
    if (b.firstNul == kNone) {
        if (const void* nul = std::memchr(p, 0, n))
            b.firstNul =
                b.scanned + static_cast<std::uint64_t>(static_cast<const unsigned char*>(nul) - p);
    }
    if (m_pattern->limitLines && b.limitEnd == kNone) {
        const auto lfs = static_cast<std::uint64_t>(std::count(p, p + n, '\n'));
        if (b.lineFeeds + lfs < m_pattern->lines) {
            b.lineFeeds += lfs;
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                if (p[i] == '\n' && ++b.lineFeeds == m_pattern->lines) {
                    b.limitEnd = b.scanned + i + 2;
                    break;
                }
            }
        }
    }
    b.scanned += n;
}

std::uint64_t CTextFile::TriedEnd(std::uint64_t upTo) const {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_workerBounds.scanned >= m_viewBounds.scanned) m_viewBounds = m_workerBounds;
    }
    Bounds& b = m_viewBounds;
    const std::uint64_t target = std::min(upTo, m_size);
    // Far ahead the worker's quick pass decides a moment later; reading all the way here
    // would hold up a jump to the end of a file of gigabytes.
    if (target > b.scanned + kSyncScanBytes) return std::min(b.firstNul, b.limitEnd);
    std::vector<unsigned char> buf;
    while (b.scanned < target && ScanChunk(b, buf, kWorkerChunk)) {
    }
    return std::min(b.firstNul, b.limitEnd);
}

bool CTextFile::ScanChunk(Bounds& b, std::vector<unsigned char>& buf, std::size_t chunk) const {
    if (b.firstNul != kNone || b.limitEnd != kNone || b.scanned >= m_size) return false;
    buf.resize(chunk);
    const std::size_t got = ReadAt(
        m_fd, buf.data(),
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk, m_size - b.scanned)), b.scanned);
    if (got == 0) return false;
    Advance(b, buf.data(), got);
    return true;
}

std::uint64_t CTextFile::KnownCutOff() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::min({m_workerBounds.firstNul, m_workerBounds.limitEnd, m_viewBounds.firstNul,
                     m_viewBounds.limitEnd});
}

std::vector<CTextFile::Hit> CTextFile::FindIn(CSearchStream& stream, std::uint64_t from,
                                              std::uint64_t to) const {
    std::vector<Hit> hits;
    if (m_longestWord == 0 || from >= to) return hits;
    const std::string data = Read(from, static_cast<std::size_t>(to - from) + m_longestWord - 1);
    stream.FindAt(data, from, 0, static_cast<std::size_t>(to - from), hits);
    return hits;
}

std::vector<CTextFile::Hit> CTextFile::Find(std::uint64_t from, std::uint64_t to) const {
    if (m_fd < 0 || m_longestWord == 0) return {};
    to = std::min({to, m_size, TriedEnd(to)});
    return FindIn(*m_stream, from, to);
}

std::optional<CTextFile::Hit> CTextFile::NextFrom(std::uint64_t from) const {
    if (m_fd < 0 || m_longestWord == 0) return std::nullopt;
    for (std::uint64_t block = from / kBlockBytes; block * kBlockBytes < m_size; ++block) {
        const std::uint64_t start = std::max(from, block * kBlockBytes);
        const std::uint64_t end = std::min(m_size, (block + 1) * kBlockBytes);
        const std::uint64_t tried = TriedEnd(end);
        if (tried <= start) return std::nullopt;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (block < m_counts.size() && m_counts[block] == 0) continue;
        }
        const std::vector<Hit> hits = FindIn(*m_stream, start, std::min(end, tried));
        if (!hits.empty()) return hits.front();
    }
    return std::nullopt;
}

std::optional<CTextFile::Hit> CTextFile::LastBefore(std::uint64_t before) const {
    before = std::min(before, m_size);
    if (m_fd < 0 || m_longestWord == 0 || before == 0) return std::nullopt;
    for (std::uint64_t block = (before - 1) / kBlockBytes;; --block) {
        const std::uint64_t start = block * kBlockBytes;
        const std::uint64_t end = std::min(before, (block + 1) * kBlockBytes);
        bool skip = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            skip = block < m_counts.size() && m_counts[block] == 0;
        }
        if (!skip) {
            const std::uint64_t tried = TriedEnd(end);
            if (tried > start) {
                const std::vector<Hit> hits = FindIn(*m_stream, start, std::min(end, tried));
                if (!hits.empty()) return hits.back();
            }
        }
        if (block == 0) break;
    }
    return std::nullopt;
}

std::uint64_t CTextFile::OccurrenceCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::uint64_t total = 0;
    for (const std::uint32_t c : m_counts) total += c;
    return total;
}

std::uint64_t CTextFile::RowCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_rows;
}

std::pair<std::uint64_t, CTextFile::Mark> CTextFile::NearestMark(std::uint64_t k) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::uint64_t known = m_marks.size();
    if (k < known) return {k, m_marks[static_cast<std::size_t>(k)]};
    // The view's own marks go on from the worker's, as long as they reach beyond them.
    if (!m_own.empty() && m_ownFirst <= known && m_ownFirst + m_own.size() > known) {
        const std::uint64_t top = std::min<std::uint64_t>(k, m_ownFirst + m_own.size() - 1);
        return {top, m_own[static_cast<std::size_t>(top - m_ownFirst)]};
    }
    return {known - 1, m_marks.back()};
}

void CTextFile::NoteMark(std::uint64_t k, const Mark& mark) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::uint64_t known = m_marks.size();
    if (k < known) return;
    const bool continues = !m_own.empty() && m_ownFirst <= known && k == m_ownFirst + m_own.size();
    if (continues) {
        m_own.push_back(mark);
    } else if (k == known) {
        m_own.assign(1, mark);
        m_ownFirst = k;
    }
}

std::uint64_t CTextFile::LineStart(std::uint64_t offset) const {
    // A line starts after a line feed or after a carriage return not followed by one.
    std::uint64_t end = offset;
    std::size_t chunk = 4096;  // most lines are short: a small read first
    while (end > 0 && offset - end < kMaxLineBack) {
        const std::uint64_t low =
            end - std::min<std::uint64_t>({end, chunk, kMaxLineBack - (offset - end)});
        // One byte more, to tell the CR of a CR LF.
        const std::string bytes = Read(low, static_cast<std::size_t>(end - low) + 1);
        for (std::size_t i = std::min<std::size_t>(bytes.size(), end - low); i-- > 0;) {
            if (bytes[i] == '\n' ||
                (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
                return low + i + 1;
        }
        end = low;
        chunk = kMaxLineBack;
    }
    return end == 0 ? 0 : kNone;
}

CTextFile::Row CTextFile::RowAt(std::uint64_t offset) const {
    const Row none{m_size, m_size, m_size, kNone};
    if (m_fd < 0) return none;
    offset = std::min(offset, m_size);
    std::uint64_t start = LineStart(offset);
    if (start == kNone) {
        // Deep in a long line every multiple of kCutBytes is a cut, moved past continuation
        // bytes, unless a line end comes first: the row starts at the last cut at or
        // before the offset.
        const auto cutAt = [this](std::uint64_t at) -> std::optional<std::uint64_t> {
            const std::string bytes = Read(at, 4);
            std::size_t i = 0;
            while (i < 3 && i < bytes.size() &&
                   IsContinuation(static_cast<unsigned char>(bytes[i])))
                ++i;
            if (i == bytes.size() || IsLineEnd(static_cast<unsigned char>(bytes[i]))) return {};
            return at + i;
        };
        const std::uint64_t boundary = offset / kCutBytes * kCutBytes;
        for (int back = 0; back < 3 && start == kNone; ++back) {
            const auto cut = cutAt(boundary - back * kCutBytes);
            if (cut && *cut <= offset) start = *cut;
        }
        if (start == kNone) start = boundary - 2 * kCutBytes;  // not reached: a line end is near
    }
    RowWalker walker(m_fd, m_size, start, 0, kRowBuffer);
    Row r = none;
    while (walker.Next(r) && !(offset < r.next || walker.Done())) {
    }
    r.line = kNone;
    return r;
}

std::vector<CTextFile::Row> CTextFile::RowsFrom(std::uint64_t start, std::size_t count) const {
    std::vector<Row> rows;
    if (m_fd < 0 || count == 0) return rows;
    RowWalker walker(m_fd, m_size, std::min(start, m_size), 0, kViewBuffer);
    Row r;
    while (rows.size() < count && walker.Next(r)) {
        r.line = kNone;
        rows.push_back(r);
    }
    return rows;
}

std::vector<CTextFile::Row> CTextFile::Rows(std::uint64_t first, std::size_t count) const {
    std::vector<Row> rows;
    if (m_fd < 0 || count == 0) return rows;
    const auto [k, mark] = NearestMark(first / kRowsPerMark);
    std::uint64_t row = k * kRowsPerMark;
    RowWalker walker(m_fd, m_size, mark.offset, mark.line, kViewBuffer);
    Row r;
    while (rows.size() < count && walker.Next(r)) {
        if (row % kRowsPerMark == 0 && row > k * kRowsPerMark)
            NoteMark(row / kRowsPerMark, Mark{r.start, r.line});
        if (row++ >= first) rows.push_back(r);
    }
    return rows;
}

std::uint64_t CTextFile::RowOf(std::uint64_t offset) const {
    if (m_fd < 0) return 0;
    // The last mark at or before the offset: marks are in offset order.
    std::uint64_t low = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it =
            std::upper_bound(m_marks.begin(), m_marks.end(), offset,
                             [](std::uint64_t o, const Mark& m) { return o < m.offset; });
        low = static_cast<std::uint64_t>(it - m_marks.begin()) - 1;
        if (low + 1 == m_marks.size() && !m_own.empty() && m_ownFirst <= m_marks.size()) {
            const auto own =
                std::upper_bound(m_own.begin(), m_own.end(), offset,
                                 [](std::uint64_t o, const Mark& m) { return o < m.offset; });
            if (own != m_own.begin()) {
                const std::uint64_t k =
                    m_ownFirst + static_cast<std::uint64_t>(own - m_own.begin()) - 1;
                low = std::max(low, k);
            }
        }
    }
    const auto [k, mark] = NearestMark(low);
    std::uint64_t row = k * kRowsPerMark;
    RowWalker walker(m_fd, m_size, mark.offset, mark.line, kViewBuffer);
    Row r;
    while (walker.Next(r)) {
        if (row % kRowsPerMark == 0 && row > k * kRowsPerMark)
            NoteMark(row / kRowsPerMark, Mark{r.start, r.line});
        if (offset < r.next || walker.Done()) return row;
        ++row;
    }
    return row;
}

bool CTextFile::ScanCutOff() {
    Bounds bounds;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        bounds = m_workerBounds;
    }
    std::vector<unsigned char> buf;
    while (ScanChunk(bounds, buf, 4u << 20)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_workerBounds = bounds;
        if (m_stop) return false;
    }
    return !m_stop;
}

void CTextFile::Work() {
    if (!ScanCutOff()) return;
    std::uint64_t tried = kNone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        tried = std::min(m_workerBounds.firstNul, m_workerBounds.limitEnd);
    }
    CSearchStream stream(m_pattern->words, m_pattern->ignoreCase, m_pattern->limitLines,
                         m_pattern->lines);
    RowWalker walker(m_fd, m_size, 0, 0, kWorkerChunk);
    CUtf8Validator utf8;
    std::uint64_t rows = 0;
    std::uint64_t longest = 0;
    std::vector<Mark> marks;
    std::vector<std::uint32_t> counts;
    std::vector<Hit> hits;
    std::string data;
    for (std::uint64_t chunk = 0; !m_stop; chunk += kWorkerChunk) {
        const std::uint64_t end = std::min<std::uint64_t>(m_size, chunk + kWorkerChunk);
        data = Read(chunk, static_cast<std::size_t>(end - chunk) + m_longestWord);
        const std::size_t own = std::min<std::size_t>(data.size(), end - chunk);
        const auto* p = reinterpret_cast<const unsigned char*>(data.data());
        walker.Use(p, chunk, data.size());
        // The rows that start in this chunk (all that are left at the end of the file).
        Row row;
        while ((walker.Position() < end || end == m_size) && walker.Next(row)) {
            if (rows > 0 && rows % kRowsPerMark == 0) marks.push_back(Mark{row.start, row.line});
            ++rows;
            longest = std::max(longest, row.end - row.start);
        }
        if (chunk < end) {
            if (m_utf8.load(std::memory_order_relaxed) && utf8.Valid()) {
                utf8.Feed(p, own);
                if (!utf8.Valid() || (end == m_size && !utf8.Finish())) SetNotUtf8();
            }
            for (std::uint64_t block = chunk; block < end; block += kBlockBytes) {
                const std::uint64_t blockEnd = std::min({end, block + kBlockBytes, tried});
                hits.clear();
                if (block < blockEnd && m_longestWord > 0)
                    stream.FindAt(data, chunk, static_cast<std::size_t>(block - chunk),
                                  static_cast<std::size_t>(blockEnd - chunk), hits);
                counts.push_back(static_cast<std::uint32_t>(hits.size()));
            }
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_marks.insert(m_marks.end(), marks.begin(), marks.end());
            m_counts.insert(m_counts.end(), counts.begin(), counts.end());
            m_rows = std::max<std::uint64_t>(rows, 1);
        }
        marks.clear();
        counts.clear();
        m_longestRow.store(longest, std::memory_order_relaxed);
        m_progress.store(end, std::memory_order_release);
        if (end >= m_size || walker.Done()) break;
    }
    if (!m_stop) m_indexed.store(true, std::memory_order_release);
}

}  // namespace scarrow
