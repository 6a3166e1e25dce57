#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchResult.h"

namespace scarrow {

// Finds the words in one file. Every position before the first NUL byte (the mark of a
// binary file) is tried for every word in list order, so overlapping and repeated
// occurrences are all found; bytes of 128 and above are text like any other and letter
// case is folded for A-Z only. A word may run on past the NUL or past the line limit. With a line
// limit of N, the positions up to and including the first one after the N-th line feed are tried.
// Candidate positions come from 32-byte (or 16-byte) vector compares of two bytes of
// each word, those rarest in the text seen so far (both cases when ignoring case), and
// are then compared whole; line feeds and carriage returns are counted in bulk, only as
// far as the occurrences need.
class CSearchStream {
public:
    // Empty words are left out: they would match everywhere and say nothing.
    CSearchStream(const std::vector<std::string>& words, bool ignoreCase, bool limitLines,
                  std::uint32_t lines);
    ~CSearchStream();
    CSearchStream(const CSearchStream&) = delete;
    CSearchStream& operator=(const CSearchStream&) = delete;

    enum class Outcome { Finished, Stopped, ReadError };

    // Reads the open file `fd` in large blocks and appends the occurrences to `found`.
    // `goOn` is called after every block (about 256 KB) and may stop the scan.
    Outcome ScanFile(int fd, std::vector<CFoundWord>& found, const std::function<bool()>& goOn);
    // The same over bytes in memory.
    void ScanBytes(std::string_view data, std::vector<CFoundWord>& found);

    // One occurrence as FindAt reports it: the file offset of its first byte.
    struct Hit {
        std::uint64_t offset = 0;
        std::uint32_t length = 0;
        std::int32_t word = 0;
        bool operator==(const Hit&) const = default;
    };
    // Tries the positions [from, to) of `data`, whose first byte is at file offset
    // `base`, in the order a scan tries them; a word may run on to the end of `data`.
    // No line limit and no NUL rule: the caller gives the range those leave.
    void FindAt(std::string_view data, std::uint64_t base, std::size_t from, std::size_t to,
                std::vector<Hit>& hits);
    // The length of the longest word (0 without words).
    std::size_t LongestWord() const;

    std::size_t WordCount() const;
    // Keeps at most `keep` occurrences in `found`; the scan still counts the others.
    void SetOccurrenceLimit(std::size_t keep);
    // Of the last scan: every occurrence, kept or not, and whether the word with this
    // index in the criteria occurred.
    std::uint64_t OccurrenceCount() const;
    bool WordSeen(std::size_t index) const;
    // The read block size (default 256 KB); small blocks let tests cross block edges.
    void SetBlockSize(std::size_t bytes);
    // Whether 32-byte vector compares may be used when the processor has them (default);
    // off, the 16-byte path runs, so tests can compare both.
    void SetWideVectors(bool on);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace scarrow
