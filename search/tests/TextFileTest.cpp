#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>
#include <tuple>

#include "ReferenceScan.h"
#include "TempTree.h"
#include "search/TextFile.h"

namespace scarrow {
namespace {

using testing::ReferenceScan;
using testing::TempTree;
using Row = CTextFile::Row;

// Rows as plainly as they can be cut: at LF, CR LF and lone CR; a longer line at the
// first multiple of kCutBytes at least kMaxRowBytes after its start and then at every
// multiple, not before a UTF-8 continuation byte unless three have passed.
std::vector<Row> ReferenceRows(const std::string& text) {
    constexpr std::size_t unit = CTextFile::kCutBytes;
    std::vector<Row> rows;
    Row row;
    std::size_t cut = (CTextFile::kMaxRowBytes + unit - 1) / unit * unit;
    std::uint64_t line = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\n' || b == '\r') {
            const bool crlf = b == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            row.end = i;
            row.next = i + (crlf ? 2 : 1);
            if (b == '\n' || crlf) ++line;
            cut = (row.next + CTextFile::kMaxRowBytes + unit - 1) / unit * unit;
        } else if (i >= cut && ((b & 0xC0) != 0x80 || i >= cut + 3)) {
            row.end = row.next = i;
            cut = (i / unit + 1) * unit;
        } else {
            ++i;
            continue;
        }
        rows.push_back(row);
        i = row.next;
        row = Row{row.next, 0, 0, line};
    }
    row.end = row.next = text.size();
    rows.push_back(row);
    return rows;
}

void WaitIndexed(const CTextFile& file) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!file.Indexed() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_TRUE(file.Indexed());
}

// Where a row is, without its line count (RowAt and RowsFrom do not count lines).
std::tuple<std::uint64_t, std::uint64_t, std::uint64_t> Place(const Row& r) {
    return {r.start, r.end, r.next};
}

// The reference row that holds byte `offset` (the last row for the end).
const Row& RowHolding(const std::vector<Row>& rows, std::uint64_t offset) {
    const auto it = std::upper_bound(rows.begin(), rows.end(), offset,
                                     [](std::uint64_t o, const Row& r) { return o < r.next; });
    return it == rows.end() ? rows.back() : *it;
}

std::vector<std::uint64_t> Offsets(const std::vector<CTextFile::Hit>& hits) {
    std::vector<std::uint64_t> out;
    for (const auto& h : hits) out.push_back(h.offset);
    return out;
}

TEST(TextFile, RowsEndAtEveryKindOfLineEndAndLongRowsContinue) {
    const std::string utf8Edge = std::string(4095, 'x') + "\xC3\xA4" + "yz";
    // A line end right after the continuation bytes at a cut, and one more byte on.
    const std::string lineEndAtCut = std::string(20000, 'x') + std::string(480, 'y') + "\x80\n" +
                                     std::string(30000, 'z') + std::string(718, 'y') +
                                     "\x80\x80\x80\r\n";
    const std::vector<std::string> texts = {
        "",
        "a\nbc\r\nd\re",
        "x\n",
        "end\r",
        "\r\r\n\n",
        std::string(10000, 'x') + "\nG01",
        utf8Edge,
        std::string(4096, 'x') + std::string(5, '\x80') + "ab",
        std::string(50000, 'x'),
        lineEndAtCut,
        std::string(8192, 'x'),
    };
    TempTree tree;
    for (const std::string& text : texts) {
        const std::string path = tree.Write("t.nc", text);
        CTextFile file;
        std::string error;
        ASSERT_TRUE(file.Open(path, nullptr, error)) << error;
        const std::vector<Row> expected = ReferenceRows(text);
        EXPECT_EQ(file.Rows(0, 1000), expected) << text.substr(0, 20);
        // Found from the bytes before it: the same rows, from any byte (in the long texts
        // from every 97th and from those around the cuts).
        for (std::uint64_t o = 0; o <= text.size(); ++o) {
            if (text.size() > 20000 && o % 97 != 0 && (o + 8) % CTextFile::kCutBytes > 16) continue;
            ASSERT_EQ(Place(file.RowAt(o)), Place(RowHolding(expected, o))) << o;
        }
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const std::vector<Row> from = file.RowsFrom(expected[i].start, 2);
            ASSERT_EQ(from.size(), std::min<std::size_t>(2, expected.size() - i));
            EXPECT_EQ(Place(from.back()), Place(expected[i + from.size() - 1]));
        }
        WaitIndexed(file);
        EXPECT_EQ(file.RowCount(), expected.size());
    }
    EXPECT_EQ(ReferenceRows(utf8Edge)[0].end, 4097u);  // "ä" stays whole
}

// Over a file of many rows, read from the marks the worker leaves: every row, the row
// of any offset, before the worker is done and after.
TEST(TextFile, AnyRowAndTheRowOfAnyOffset) {
    std::mt19937 rng(7);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    // Lines longer than RowAt looks back for their start, one of them with characters of
    // two and three bytes.
    std::string text = "G01\n" + std::string(CTextFile::kMaxLineBack + 300'000, 'x') + "\r\n";
    for (int i = 0; i < 20'000; ++i) text += i % 3 ? "\xC3\xA4" : "\xE2\x82\xAC";
    text += "\n";
    while (text.size() < 3'000'000) {
        const std::size_t length = pick(10) == 0 ? pick(9000) : pick(40);
        text += std::string(length, 'G');
        const char* ends[] = {"\n", "\r\n", "\r"};
        text += ends[pick(3)];
    }
    TempTree tree;
    const std::string path = tree.Write("big.nc", text);
    const std::vector<Row> expected = ReferenceRows(text);
    CTextFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, nullptr, error));
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) WaitIndexed(file);
        for (int i = 0; i < 200; ++i) {
            const std::uint64_t first = pick(expected.size());
            const std::vector<Row> rows = file.Rows(first, 5);
            ASSERT_FALSE(rows.empty());
            EXPECT_EQ(rows[0], expected[first]) << "row " << first;
            const std::uint64_t offset = pick(text.size() + 1);
            EXPECT_EQ(Place(file.RowAt(offset)), Place(RowHolding(expected, offset))) << offset;
            const std::uint64_t row = file.RowOf(offset);
            ASSERT_LT(row, expected.size());
            EXPECT_TRUE(expected[row].start <= offset &&
                        (offset < expected[row].next || row + 1 == expected.size()))
                << "offset " << offset;
        }
    }
    EXPECT_EQ(file.RowCount(), expected.size());
    EXPECT_EQ(file.Rows(expected.size() - 1, 3).size(), 1u);
}

// The occurrences as the search finds them: the same positions (the texts have no CR,
// so byte offsets and the search's positions agree), the NUL and the line limit
// included, whether or not the worker has got there.
TEST(TextFile, OccurrencesAreTheSearchsOwn) {
    std::mt19937 rng(11);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    const std::string alphabet = "G01 xX\n\xC3\xA4";
    TempTree tree;
    for (int round = 0; round < 40; ++round) {
        std::string text(round < 30 ? pick(3000) : 400'000 + pick(400'000), ' ');
        for (char& c : text) c = alphabet[pick(alphabet.size())];
        if (round % 5 == 4 && !text.empty()) text[pick(text.size())] = '\0';
        CSearchPattern pattern;
        pattern.words = {"G01", "x", "\xC3\xA4G"};
        pattern.words.resize(1 + pick(3));
        pattern.ignoreCase = pick(2) == 0;
        pattern.limitLines = round % 3 == 2;
        pattern.lines = static_cast<std::uint32_t>(pick(2000));
        std::vector<std::uint64_t> expected;
        for (const CFoundWord& f : ReferenceScan(text, pattern.words, pattern.ignoreCase,
                                                 pattern.limitLines, pattern.lines))
            expected.push_back(static_cast<std::uint64_t>(f.m_nPos));

        const std::string path = tree.Write("r.nc", text);
        CTextFile file;
        std::string error;
        ASSERT_TRUE(file.Open(path, &pattern, error));
        const std::uint64_t a = pick(text.size() + 1);
        const std::uint64_t b = a + pick(5000);
        std::vector<std::uint64_t> inRange;
        for (std::uint64_t o : expected)
            if (o >= a && o < b) inRange.push_back(o);
        EXPECT_EQ(Offsets(file.Find(a, b)), inRange) << "round " << round;

        const auto next = file.NextFrom(a);
        const auto after = std::lower_bound(expected.begin(), expected.end(), a);
        ASSERT_EQ(next.has_value(), after != expected.end()) << "round " << round;
        if (next) {
            EXPECT_EQ(next->offset, *after);
        }
        const auto last = file.LastBefore(text.size());
        ASSERT_EQ(last.has_value(), !expected.empty());
        if (last) {
            EXPECT_EQ(last->offset, expected.back());
        }
        const auto before = file.LastBefore(a);
        const auto lb = std::lower_bound(expected.begin(), expected.end(), a);
        ASSERT_EQ(before.has_value(), lb != expected.begin());
        if (before) {
            EXPECT_EQ(before->offset, *std::prev(lb));
        }

        WaitIndexed(file);
        EXPECT_EQ(file.OccurrenceCount(), expected.size()) << "round " << round;
        if (!expected.empty()) {
            EXPECT_EQ(file.NextFrom(0)->offset, expected.front());
            EXPECT_EQ(file.LastBefore(text.size())->offset, expected.back());
        }
    }
}

// Far beyond what is known a place counts as searched until the worker's quick pass
// gets there; then a NUL or the end of the line limit cuts the occurrences off as the
// search does.
TEST(TextFile, FarCutOffsSettleWithTheWorker) {
    const std::string line = "G01 X1\n";
    const std::size_t lines = (3 * CTextFile::kSyncScanBytes) / line.size();
    std::string text;
    text.reserve(lines * line.size() + 10);
    for (std::size_t i = 0; i < lines; ++i) text += line;
    const std::uint64_t nul = 2 * CTextFile::kSyncScanBytes + 3;
    TempTree tree;
    struct Case {
        bool nul;
        std::uint32_t limit;  // lines, 0 for none
    } cases[] = {{true, 0}, {false, static_cast<std::uint32_t>(lines / 2)}};
    for (const Case& c : cases) {
        std::string bytes = text;
        if (c.nul) bytes[nul] = '\0';
        CSearchPattern pattern;
        pattern.words = {"G01"};
        pattern.limitLines = c.limit > 0;
        pattern.lines = c.limit;
        std::vector<std::uint64_t> expected;
        for (const CFoundWord& f :
             ReferenceScan(bytes, pattern.words, false, pattern.limitLines, pattern.lines))
            expected.push_back(static_cast<std::uint64_t>(f.m_nPos));
        CTextFile file;
        std::string error;
        ASSERT_TRUE(file.Open(tree.Write("far.nc", bytes), &pattern, error));
        const std::uint64_t cutOff =
            c.nul ? nul : static_cast<std::uint64_t>(c.limit) * line.size() + 1;
        WaitIndexed(file);
        EXPECT_EQ(file.KnownCutOff(), cutOff);
        EXPECT_EQ(file.LastBefore(bytes.size())->offset, expected.back());
        EXPECT_TRUE(file.Find(cutOff, bytes.size()).empty());
        EXPECT_EQ(file.OccurrenceCount(), expected.size());
    }
}

TEST(TextFile, Utf8OrWindows1252) {
    TempTree tree;
    struct Case {
        std::string text;
        bool utf8;
    } cases[] = {
        {"fr\xC3\xA4sen", true},
        {"fr\xE4sen", false},
        {std::string(200'000, 'x') + "\xE4", false},  // found by the worker
        {std::string(2'000'000, 'x') + "\xC3", false},
    };
    for (const Case& c : cases) {
        CTextFile file;
        std::string error;
        ASSERT_TRUE(file.Open(tree.Write("e.nc", c.text), nullptr, error));
        WaitIndexed(file);
        EXPECT_EQ(file.IsUtf8(), c.utf8) << c.text.size();
    }
}

TEST(TextFile, FoldersAndMissingFilesAreRefused) {
    TempTree tree;
    CTextFile file;
    std::string error;
    EXPECT_FALSE(file.Open(tree.Root().string(), nullptr, error));
    EXPECT_EQ(error, "it is a folder");
    EXPECT_FALSE(file.Open(tree.Path("missing.nc"), nullptr, error));
    EXPECT_EQ(error, "No such file or directory");
}

}  // namespace
}  // namespace scarrow
