#include "search/SearchStream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace scarrow {
namespace {

// Large enough that a file of typical program size is read in one call, small enough
// to stay in the CPU's second-level cache while it is scanned.
constexpr std::size_t kBlockSize = 256 * 1024;
constexpr std::size_t kSampleSize = 64 * 1024;
constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();

struct LowerTable {
    unsigned char map[256];
    constexpr LowerTable() : map() {
        for (int i = 0; i < 256; ++i) {
            map[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + 32 : i);
        }
    }
};
constexpr LowerTable kLower;

// A byte of the word that candidate positions must show at an offset.
struct Probe {
    std::uint32_t offset = 0;
    unsigned char byte = 0;
    // OR-ed into the text byte before comparing: 0x20 folds an ASCII letter's case.
    unsigned char fold = 0;
};

struct Word {
    std::string bytes;  // lower case when ignoring case
    std::int32_t index = 0;
    // The two bytes rarest in the text seen so far: together they leave few false
    // candidates even in G-code, where single letters and digits are everywhere.
    Probe probes[2];
    int probeCount = 0;
};

bool IsLowerLetter(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

#if defined(__x86_64__)
const bool kHasAvx2 = __builtin_cpu_supports("avx2");

// Counts the carriage returns and line feeds of p[i, n) in steps of 32; leaves `i` at the
// first byte not counted.
__attribute__((target("avx2"))) void CountCrLfAvx2(const unsigned char* p, std::size_t n,
                                                   std::size_t& i, std::uint64_t& cr,
                                                   std::uint64_t& lf) {
    const __m256i vcr = _mm256_set1_epi8('\r');
    const __m256i vlf = _mm256_set1_epi8('\n');
    const __m256i zero = _mm256_setzero_si256();
    while (i + 32 <= n) {
        __m256i acr = zero;
        __m256i alf = zero;
        // Byte counters overflow after 255 rounds.
        const std::size_t end = std::min(n, i + 255 * 32);
        for (; i + 32 <= end; i += 32) {
            const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
            acr = _mm256_sub_epi8(acr, _mm256_cmpeq_epi8(c, vcr));
            alf = _mm256_sub_epi8(alf, _mm256_cmpeq_epi8(c, vlf));
        }
        const __m256i scr = _mm256_sad_epu8(acr, zero);
        const __m256i slf = _mm256_sad_epu8(alf, zero);
        cr +=
            static_cast<std::uint64_t>(_mm256_extract_epi64(scr, 0) + _mm256_extract_epi64(scr, 1) +
                                       _mm256_extract_epi64(scr, 2) + _mm256_extract_epi64(scr, 3));
        lf +=
            static_cast<std::uint64_t>(_mm256_extract_epi64(slf, 0) + _mm256_extract_epi64(slf, 1) +
                                       _mm256_extract_epi64(slf, 2) + _mm256_extract_epi64(slf, 3));
    }
}
#endif

// Counts carriage returns and line feeds in p[0, n).
void CountCrLf(const unsigned char* p, std::size_t n, std::uint64_t& cr, std::uint64_t& lf,
               bool wide) {
    std::size_t i = 0;
#if defined(__x86_64__)
    if (wide) CountCrLfAvx2(p, n, i, cr, lf);
#else
    (void)wide;
#endif
#if defined(__SSE2__)
    const __m128i vcr = _mm_set1_epi8('\r');
    const __m128i vlf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= n) {
        __m128i acr = zero;
        __m128i alf = zero;
        // Byte counters overflow after 255 rounds.
        const std::size_t end = std::min(n, i + 255 * 16);
        for (; i + 16 <= end; i += 16) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            acr = _mm_sub_epi8(acr, _mm_cmpeq_epi8(c, vcr));
            alf = _mm_sub_epi8(alf, _mm_cmpeq_epi8(c, vlf));
        }
        const __m128i scr = _mm_sad_epu8(acr, zero);
        const __m128i slf = _mm_sad_epu8(alf, zero);
        cr += static_cast<std::uint64_t>(_mm_cvtsi128_si32(scr)) +
              static_cast<std::uint64_t>(_mm_extract_epi16(scr, 4));
        lf += static_cast<std::uint64_t>(_mm_cvtsi128_si32(slf)) +
              static_cast<std::uint64_t>(_mm_extract_epi16(slf, 4));
    }
#endif
    for (; i < n; ++i) {
        cr += p[i] == '\r';
        lf += p[i] == '\n';
    }
}

// Index of the first NUL byte in p[0, n), or n: the mark of a binary file, as grep and
// ripgrep take it. Every other byte is text, whatever its value.
std::size_t FirstNul(const unsigned char* p, std::size_t n) {
    const void* nul = std::memchr(p, 0, n);
    return nul == nullptr ? n
                          : static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - p);
}

}  // namespace

struct CSearchStream::Impl {
    std::vector<Word> words;
    bool ignoreCase = true;
    bool limitLines = false;
    std::uint32_t lines = 0;
    std::size_t maxLen = 1;
    std::size_t blockSize = kBlockSize;
    std::vector<unsigned char> buffer;
    std::vector<std::uint32_t> masks;
    std::vector<bool> seen;  // by the word's index in the criteria
    std::size_t keepLimit = static_cast<std::size_t>(-1);
    std::uint64_t total = 0;
    std::uint64_t histogram[256] = {};
    std::size_t sampled = 0;
#if defined(__x86_64__)
    bool hasAvx2 = kHasAvx2;
#else
    bool hasAvx2 = false;
#endif

    // Per scan. Offsets are absolute in the file; `base` is the offset of the block's
    // first byte.
    std::vector<CFoundWord>* out = nullptr;
    // While FindAt runs: where the hits go and the file offset of the buffer's start.
    std::vector<CSearchStream::Hit>* hits = nullptr;
    std::uint64_t hitBase = 0;
    std::uint64_t base = 0;
    std::uint64_t counted = 0;  // CRs and LFs are counted in [0, counted)
    std::uint64_t crs = 0;
    std::uint64_t lfs = 0;
    std::uint64_t lineStart = 0;        // display position of the current line's start
    std::uint64_t limitEnd = kNoLimit;  // first position not tried because of the line limit
    std::uint64_t limitScan = 0;
    std::uint64_t limitLfs = 0;

    void Reset(std::vector<CFoundWord>& found) {
        out = &found;
        total = 0;
        std::fill(seen.begin(), seen.end(), false);
        base = counted = crs = lfs = lineStart = 0;
        limitScan = limitLfs = 0;
        limitEnd = limitLines && lines == 0 ? 1 : kNoLimit;
    }

    // Brings the counts up to block index `idx`.
    void CountUpTo(const unsigned char* buf, std::size_t idx) {
        const std::size_t from = static_cast<std::size_t>(counted - base);
        if (idx <= from) return;
        if (idx - from <= 64) {
            // Close occurrences: a plain loop costs less than setting up the bulk count.
            for (std::size_t k = from; k < idx; ++k) {
                if (buf[k] == '\r') {
                    ++crs;
                } else if (buf[k] == '\n') {
                    ++lfs;
                    lineStart = base + k + 1 - crs;
                }
            }
            counted = base + idx;
            return;
        }
        const void* last = memrchr(buf + from, '\n', idx - from);
        if (last != nullptr) {
            const std::size_t q = static_cast<const unsigned char*>(last) - buf;
            CountCrLf(buf + from, q + 1 - from, crs, lfs, hasAvx2);
            lineStart = base + q + 1 - crs;
            std::uint64_t noLf = 0;
            CountCrLf(buf + q + 1, idx - q - 1, crs, noLf, hasAvx2);
        } else {
            std::uint64_t noLf = 0;
            CountCrLf(buf + from, idx - from, crs, noLf, hasAvx2);
        }
        counted = base + idx;
    }

    void Emit(const unsigned char* buf, std::size_t idx, const Word& w) {
        if (hits != nullptr) {
            hits->push_back(CSearchStream::Hit{
                hitBase + idx, static_cast<std::uint32_t>(w.bytes.size()), w.index});
            return;
        }
        ++total;
        seen[static_cast<std::size_t>(w.index)] = true;
        if (out->size() >= keepLimit) return;
        CountUpTo(buf, idx);
        CFoundWord f;
        f.m_nPos = static_cast<std::int64_t>(base + idx - crs);
        f.m_nLength = static_cast<std::int32_t>(w.bytes.size());
        f.m_nLine = static_cast<std::int64_t>(lfs);
        f.m_nColumn = static_cast<std::int64_t>(base + idx - crs - lineStart);
        f.m_nWord = w.index;
        out->push_back(f);
    }

    bool Matches(const unsigned char* at, const Word& w) const {
        const std::size_t n = w.bytes.size();
        const unsigned char* pat = reinterpret_cast<const unsigned char*>(w.bytes.data());
        if (!ignoreCase) return std::memcmp(at, pat, n) == 0;
        for (std::size_t k = 0; k < n; ++k) {
            if (kLower.map[at[k]] != pat[k]) return false;
        }
        return true;
    }

    // Finds where the line limit ends, as far as the block's bytes tell.
    void UpdateLimit(const unsigned char* buf, std::size_t fill) {
        while (limitEnd == kNoLimit) {
            const std::size_t from = static_cast<std::size_t>(limitScan - base);
            if (from >= fill) return;
            const void* lf = std::memchr(buf + from, '\n', fill - from);
            if (lf == nullptr) {
                limitScan = base + fill;
                return;
            }
            const std::size_t q = static_cast<const unsigned char*>(lf) - buf;
            limitScan = base + q + 1;
            if (++limitLfs == lines) limitEnd = base + q + 2;
        }
    }

    // Picks each word's probes: its rarest byte and the next rarest (both cases counted
    // when ignoring case) in the text sampled so far; first and last byte before that.
    void ChooseProbes() {
        for (Word& w : words) {
            const std::size_t n = w.bytes.size();
            const auto frequency = [&](std::size_t k) {
                const unsigned char c = static_cast<unsigned char>(w.bytes[k]);
                std::uint64_t f = histogram[c];
                if (ignoreCase && IsLowerLetter(c)) f += histogram[c - 32];
                return f;
            };
            std::size_t rarest = 0;
            std::size_t second = n - 1;
            if (sampled > 0 && n > 1) {
                for (std::size_t k = 1; k < n; ++k) {
                    if (frequency(k) < frequency(rarest)) rarest = k;
                }
                second = rarest == 0 ? 1 : 0;
                for (std::size_t k = 0; k < n; ++k) {
                    if (k != rarest && frequency(k) < frequency(second)) second = k;
                }
            }
            const std::size_t offsets[2] = {rarest, second};
            for (int k = 0; k < w.probeCount; ++k) {
                Probe& probe = w.probes[k];
                probe.offset = static_cast<std::uint32_t>(offsets[k]);
                probe.byte = static_cast<unsigned char>(w.bytes[offsets[k]]);
                probe.fold = ignoreCase && IsLowerLetter(probe.byte) ? 0x20 : 0;
            }
        }
    }

    // Learns the byte frequencies from the first blocks of the search.
    void Sample(const unsigned char* buf, std::size_t fill) {
        if (sampled >= kSampleSize || words.empty()) return;
        const std::size_t n = std::min<std::size_t>(fill, kSampleSize - sampled);
        for (std::size_t k = 0; k < n; ++k) ++histogram[buf[k]];
        sampled += n;
        ChooseProbes();
    }

    // Verifies and reports the candidates of the chunk at `i`, in position order and, at
    // one position, in word order.
    void Candidates(const unsigned char* buf, std::size_t i, std::uint32_t any) {
        const std::size_t nWords = words.size();
        while (any != 0) {
            const unsigned bit = static_cast<unsigned>(__builtin_ctz(any));
            any &= any - 1;
            for (std::size_t w = 0; w < nWords; ++w) {
                if ((masks[w] >> bit & 1u) && Matches(buf + i + bit, words[w])) {
                    Emit(buf, i + bit, words[w]);
                }
            }
        }
    }

#if defined(__x86_64__)
    // 32 positions at a time for a fixed number of words, the probes held in registers;
    // leaves `i` at the first position not tried.
    template <int NW>
    __attribute__((target("avx2"))) void FixedAvx2(const unsigned char* buf, std::size_t fill,
                                                   std::size_t& i, std::size_t tryEnd) {
        __m256i byte0[NW], fold0[NW], byte1[NW], fold1[NW];
        std::size_t off0[NW], off1[NW];
        for (int w = 0; w < NW; ++w) {
            const Probe& p0 = words[w].probes[0];
            const Probe& p1 = words[w].probes[words[w].probeCount - 1];
            byte0[w] = _mm256_set1_epi8(static_cast<char>(p0.byte));
            fold0[w] = _mm256_set1_epi8(static_cast<char>(p0.fold));
            byte1[w] = _mm256_set1_epi8(static_cast<char>(p1.byte));
            fold1[w] = _mm256_set1_epi8(static_cast<char>(p1.fold));
            off0[w] = p0.offset;
            off1[w] = p1.offset;
        }
        while (i + 32 <= tryEnd && i + 32 + maxLen - 1 <= fill) {
            std::uint32_t m[NW];
            std::uint32_t any = 0;
#pragma GCC unroll 8
            for (int w = 0; w < NW; ++w) {
                const __m256i t0 =
                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + i + off0[w]));
                const __m256i t1 =
                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + i + off1[w]));
                const __m256i e0 = _mm256_cmpeq_epi8(_mm256_or_si256(t0, fold0[w]), byte0[w]);
                const __m256i e1 = _mm256_cmpeq_epi8(_mm256_or_si256(t1, fold1[w]), byte1[w]);
                m[w] = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(e0, e1)));
                any |= m[w];
            }
            if (any != 0) {
#pragma GCC unroll 8
                for (int w = 0; w < NW; ++w) masks[w] = m[w];
                Candidates(buf, i, any);
            }
            i += 32;
        }
    }

    // 32 positions at a time for any number of words.
    __attribute__((target("avx2"))) void ChunksAvx2(const unsigned char* buf, std::size_t fill,
                                                    std::size_t& i, std::size_t tryEnd) {
        const std::size_t nWords = words.size();
        while (i + 32 <= tryEnd && i + 32 + maxLen - 1 <= fill) {
            std::uint32_t any = 0;
            for (std::size_t w = 0; w < nWords; ++w) {
                const Word& word = words[w];
                __m256i m = _mm256_set1_epi8(-1);
                for (int k = 0; k < word.probeCount; ++k) {
                    const Probe& p = word.probes[k];
                    const __m256i text =
                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + i + p.offset));
                    m = _mm256_and_si256(
                        m, _mm256_cmpeq_epi8(
                               _mm256_or_si256(text, _mm256_set1_epi8(static_cast<char>(p.fold))),
                               _mm256_set1_epi8(static_cast<char>(p.byte))));
                }
                masks[w] = static_cast<std::uint32_t>(_mm256_movemask_epi8(m));
                any |= masks[w];
            }
            if (any != 0) Candidates(buf, i, any);
            i += 32;
        }
    }
#endif

#if defined(__SSE2__)
    // 16 positions at a time, on processors without 32-byte vectors and for the rest.
    void ChunksSse2(const unsigned char* buf, std::size_t fill, std::size_t& i,
                    std::size_t tryEnd) {
        const std::size_t nWords = words.size();
        while (i + 16 <= tryEnd && i + 16 + maxLen - 1 <= fill) {
            std::uint32_t any = 0;
            for (std::size_t w = 0; w < nWords; ++w) {
                const Word& word = words[w];
                __m128i m = _mm_set1_epi8(-1);
                for (int k = 0; k < word.probeCount; ++k) {
                    const Probe& p = word.probes[k];
                    const __m128i text =
                        _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + i + p.offset));
                    m = _mm_and_si128(
                        m,
                        _mm_cmpeq_epi8(_mm_or_si128(text, _mm_set1_epi8(static_cast<char>(p.fold))),
                                       _mm_set1_epi8(static_cast<char>(p.byte))));
                }
                masks[w] = static_cast<std::uint32_t>(_mm_movemask_epi8(m));
                any |= masks[w];
            }
            if (any != 0) Candidates(buf, i, any);
            i += 16;
        }
    }
#endif

    // Tries the positions [0, tryEnd) of the block buf[0, fill).
    void ScanRange(const unsigned char* buf, std::size_t fill, std::size_t tryEnd) {
        std::size_t i = 0;
#if defined(__x86_64__)
        if (hasAvx2) {
            switch (words.size()) {
                case 1:
                    FixedAvx2<1>(buf, fill, i, tryEnd);
                    break;
                case 2:
                    FixedAvx2<2>(buf, fill, i, tryEnd);
                    break;
                case 3:
                    FixedAvx2<3>(buf, fill, i, tryEnd);
                    break;
                case 4:
                    FixedAvx2<4>(buf, fill, i, tryEnd);
                    break;
                case 5:
                    FixedAvx2<5>(buf, fill, i, tryEnd);
                    break;
                case 6:
                    FixedAvx2<6>(buf, fill, i, tryEnd);
                    break;
                default:
                    ChunksAvx2(buf, fill, i, tryEnd);
                    break;
            }
        }
#endif
#if defined(__SSE2__)
        ChunksSse2(buf, fill, i, tryEnd);
#endif
        for (; i < tryEnd; ++i) {
            for (const Word& w : words) {
                if (i + w.bytes.size() <= fill && Matches(buf + i, w)) Emit(buf, i, w);
            }
        }
    }

    // Scans one block; returns true when the file needs no more blocks. `tryEnd` gets the
    // first position left for the next block.
    bool ScanBlock(const unsigned char* buf, std::size_t fill, bool eof, std::size_t& tryEnd) {
        tryEnd = eof ? fill : fill - (maxLen - 1);
        bool atLimit = false;
        if (limitLines) {
            UpdateLimit(buf, fill);
            if (limitEnd != kNoLimit && limitEnd - base <= tryEnd) {
                tryEnd = static_cast<std::size_t>(limitEnd - base);
                atLimit = true;
            }
        }
        if (words.empty()) return true;
        Sample(buf, fill);
        // No position from the first NUL byte on is tried.
        const std::size_t nul = FirstNul(buf, tryEnd);
        ScanRange(buf, fill, nul);
        return nul < tryEnd || atLimit || eof;
    }
};

CSearchStream::CSearchStream(const std::vector<std::string>& words, bool ignoreCase,
                             bool limitLines, std::uint32_t lines)
    : m_impl(std::make_unique<Impl>()) {
    m_impl->ignoreCase = ignoreCase;
    m_impl->limitLines = limitLines;
    m_impl->lines = lines;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].empty()) continue;
        Word w;
        w.bytes = words[i];
        w.index = static_cast<std::int32_t>(i);
        if (ignoreCase) {
            for (char& c : w.bytes)
                c = static_cast<char>(kLower.map[static_cast<unsigned char>(c)]);
        }
        w.probeCount = w.bytes.size() == 1 ? 1 : 2;
        m_impl->maxLen = std::max(m_impl->maxLen, w.bytes.size());
        m_impl->words.push_back(std::move(w));
    }
    m_impl->masks.resize(m_impl->words.size());
    m_impl->seen.assign(words.size(), false);
    m_impl->ChooseProbes();
}

CSearchStream::~CSearchStream() = default;

std::size_t CSearchStream::WordCount() const {
    return m_impl->words.size();
}

void CSearchStream::SetBlockSize(std::size_t bytes) {
    m_impl->blockSize = bytes;
}

void CSearchStream::SetOccurrenceLimit(std::size_t keep) {
    m_impl->keepLimit = keep;
}

std::uint64_t CSearchStream::OccurrenceCount() const {
    return m_impl->total;
}

bool CSearchStream::WordSeen(std::size_t index) const {
    return index < m_impl->seen.size() && m_impl->seen[index];
}

void CSearchStream::SetWideVectors(bool on) {
#if defined(__x86_64__)
    m_impl->hasAvx2 = on && kHasAvx2;
#else
    (void)on;
#endif
}

void CSearchStream::ScanBytes(std::string_view data, std::vector<CFoundWord>& found) {
    m_impl->Reset(found);
    std::size_t tryEnd = 0;
    m_impl->ScanBlock(reinterpret_cast<const unsigned char*>(data.data()), data.size(), true,
                      tryEnd);
}

std::size_t CSearchStream::LongestWord() const {
    return m_impl->words.empty() ? 0 : m_impl->maxLen;
}

void CSearchStream::FindAt(std::string_view data, std::uint64_t base, std::size_t from,
                           std::size_t to, std::vector<Hit>& hits) {
    Impl& s = *m_impl;
    to = std::min(to, data.size());
    if (s.words.empty() || from >= to) return;
    const auto* buf = reinterpret_cast<const unsigned char*>(data.data()) + from;
    s.Sample(buf, data.size() - from);
    s.hits = &hits;
    s.hitBase = base + from;
    s.ScanRange(buf, data.size() - from, to - from);
    s.hits = nullptr;
}

CSearchStream::Outcome CSearchStream::ScanFile(int fd, std::vector<CFoundWord>& found,
                                               const std::function<bool()>& goOn) {
    Impl& s = *m_impl;
    s.Reset(found);
    const std::size_t capacity = std::max(s.blockSize, 4 * s.maxLen);
    if (s.buffer.size() < capacity) s.buffer.resize(capacity);
    unsigned char* buf = s.buffer.data();
    std::size_t fill = 0;
    for (;;) {
        bool eof = false;
        while (fill < capacity) {
            const ssize_t got = ::read(fd, buf + fill, capacity - fill);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return Outcome::ReadError;
            if (got == 0) {
                eof = true;
                break;
            }
            fill += static_cast<std::size_t>(got);
        }
        std::size_t tryEnd = 0;
        if (s.ScanBlock(buf, fill, eof, tryEnd)) return Outcome::Finished;
        if (goOn && !goOn()) return Outcome::Stopped;
        // Once no more occurrences are kept, their positions need no counting.
        if (found.size() < s.keepLimit) s.CountUpTo(buf, tryEnd);
        std::memmove(buf, buf + tryEnd, fill - tryEnd);
        fill -= tryEnd;
        s.base += tryEnd;
    }
}

}  // namespace scarrow
