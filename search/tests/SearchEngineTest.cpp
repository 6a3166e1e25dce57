#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>

#include "ReferenceScan.h"
#include "TempTree.h"
#include "common/testing/Unprivileged.h"
#include "search/Criteria.h"
#include "search/SearchEngine.h"
#include "search/SearchStream.h"

namespace scarrow {
namespace {

using testing::ReferenceScan;
using testing::TempTree;

std::vector<CFoundWord> Scan(std::string_view data, const std::vector<std::string>& words,
                             bool ignoreCase = true, bool limitLines = false,
                             std::uint32_t lines = 0) {
    CSearchStream stream(words, ignoreCase, limitLines, lines);
    std::vector<CFoundWord> found;
    stream.ScanBytes(data, found);
    return found;
}

std::vector<std::int64_t> Positions(const std::vector<CFoundWord>& found) {
    std::vector<std::int64_t> out;
    for (const CFoundWord& f : found) out.push_back(f.m_nPos);
    return out;
}

TEST(SearchStream, OverlappingOccurrencesAreAllFound) {
    EXPECT_EQ(Positions(Scan("aaa", {"aa"})), (std::vector<std::int64_t>{0, 1}));
    // Several words at one position come in list order.
    const auto found = Scan("abc", {"bc", "b", "abc"});
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].m_nWord, 2);
    EXPECT_EQ(found[1].m_nWord, 0);
    EXPECT_EQ(found[2].m_nWord, 1);
}

TEST(SearchStream, BytesOf128AndAboveAreTextTheFirstNulEndsTheScan) {
    // A Windows-1252 and a UTF-8 comment before the words: everything after is searched.
    EXPECT_EQ(Positions(Scan("\xC8 G01 X1", {"G01"})), (std::vector<std::int64_t>{2}));
    const std::string utf8 =
        "(2. Kreis fr\xC3\xA4sen \xC3\x98"
        "12)\r\nF100 M2\r\n";
    const auto found = Scan(utf8, {"f100", "M2",
                                   "\xC3\x98"
                                   "12"});
    ASSERT_EQ(found.size(), 3u);
    // Positions, lines and columns count bytes: "ä" and "Ø" are two each.
    EXPECT_EQ(found[0].m_nWord, 2);
    EXPECT_EQ(found[0].m_nPos, 18);
    EXPECT_EQ(found[1].m_nPos, 24);
    EXPECT_EQ(found[1].m_nLine, 1);
    EXPECT_EQ(found[1].m_nColumn, 0);
    EXPECT_EQ(found[2].m_nColumn, 5);
    // A word across non-ASCII bytes; case folds A-Z only, so "Ä" and "ä" stay apart.
    EXPECT_EQ(Positions(Scan("Vorschub fr\xE4sen", {"FR\xE4SEN"})), (std::vector<std::int64_t>{9}));
    EXPECT_TRUE(Scan("FR\xC4SEN", {"fr\xE4sen"}).empty());
    // No position from the first NUL on is tried; a word before it may run on over it.
    EXPECT_TRUE(Scan(std::string("T1\0 G01 X1", 10), {"G01"}).empty());
    EXPECT_EQ(Positions(Scan(std::string("T1 T\0T1", 7), {"T"})),
              (std::vector<std::int64_t>{0, 3}));
    EXPECT_EQ(Positions(Scan(std::string("\0G01", 4), {"G01"})), (std::vector<std::int64_t>{}));
}

TEST(SearchStream, PositionsCountLinesAsTheTextViewDoes) {
    // CR LF counts once; the second line starts at the first line's length plus one.
    const auto found = Scan("G90 G54\r\nT12 M06\r\nT12", {"T12"});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].m_nPos, 8);
    EXPECT_EQ(found[0].m_nLine, 1);
    EXPECT_EQ(found[0].m_nColumn, 0);
    EXPECT_EQ(found[1].m_nPos, 16);
    EXPECT_EQ(found[1].m_nLine, 2);
    const auto mid = Scan("\r\r\nab\r\n  xab", {"ab"});
    ASSERT_EQ(mid.size(), 2u);
    EXPECT_EQ(mid[1].m_nPos, 7);
    EXPECT_EQ(mid[1].m_nLine, 2);
    EXPECT_EQ(mid[1].m_nColumn, 3);
}

TEST(SearchStream, LineLimitTriesTheFirstCharacterOfTheNextLine) {
    const std::string text = "ab\nxy\nab xy\n";
    EXPECT_EQ(Positions(Scan(text, {"ab", "xy"}, true, true, 1)),
              (std::vector<std::int64_t>{0, 3}));
    EXPECT_EQ(Positions(Scan(text, {"y"}, true, true, 1)), (std::vector<std::int64_t>{}));
    // A word at the first character may run on into the next lines.
    EXPECT_EQ(Positions(Scan(text, {"xy\nab"}, true, true, 1)), (std::vector<std::int64_t>{3}));
    EXPECT_EQ(Positions(Scan(text, {"ab"}, true, true, 2)), (std::vector<std::int64_t>{0, 6}));
}

TEST(SearchStream, IgnoringCaseFoldsOnlyLetters) {
    EXPECT_EQ(Scan("g01 G01 g01", {"G01"}).size(), 3u);
    EXPECT_EQ(Scan("g01 G01 g01", {"G01"}, false).size(), 1u);
    // '@' and '`' differ only in the bit that folds letters.
    EXPECT_TRUE(Scan("`", {"@"}).empty());
    EXPECT_TRUE(Scan("[", {"{"}).empty());
}

TEST(SearchStream, EmptyWordsAreLeftOut) {
    const auto found = Scan("abc", {"", "b"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].m_nWord, 1);
}

// The fast matcher against the reference on random texts, in memory and through a file
// read in small blocks so the words cross block edges.
TEST(SearchStream, MatchesTheReferenceOnRandomTexts) {
    std::mt19937 rng(20261209);
    const std::string alphabet = "aAbBgG01\xE4\xC4 \r\n\r\n";
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    TempTree tree;
    std::size_t total = 0;
    for (int round = 0; round < 400; ++round) {
        std::string text(pick(round < 300 ? 300 : 5000), ' ');
        for (char& c : text) c = alphabet[pick(alphabet.size())];
        for (int k = 0; k < 3 && !text.empty(); ++k)
            if (pick(3) == 0) text[pick(text.size())] = static_cast<char>(0x80 + pick(128));
        if (pick(10) == 0 && !text.empty()) text[pick(text.size())] = '\0';
        std::vector<std::string> words(1 + pick(round % 4 == 3 ? 7 : 4));
        for (std::string& w : words) {
            w.resize(pick(5));  // empty words included
            for (char& c : w) c = alphabet[pick(alphabet.size() - 4)];
            if (pick(8) == 0) w.push_back('\n');
        }
        const bool ignoreCase = pick(2) == 0;
        const bool limitLines = pick(3) == 0;
        const std::uint32_t lines = static_cast<std::uint32_t>(pick(6));
        const auto expected = ReferenceScan(text, words, ignoreCase, limitLines, lines);
        ASSERT_EQ(Scan(text, words, ignoreCase, limitLines, lines), expected) << "round " << round;
        CSearchStream narrow(words, ignoreCase, limitLines, lines);
        narrow.SetWideVectors(false);
        std::vector<CFoundWord> narrowFound;
        narrow.ScanBytes(text, narrowFound);
        ASSERT_EQ(narrowFound, expected) << "round " << round << " in 16-byte steps";
        total += expected.size();

        const std::string path = tree.Write("r.txt", text);
        CSearchStream stream(words, ignoreCase, limitLines, lines);
        stream.SetBlockSize(1 + pick(64));
        std::vector<CFoundWord> found;
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(stream.ScanFile(fd, found, {}), CSearchStream::Outcome::Finished);
        ::close(fd);
        ASSERT_EQ(found, expected) << "round " << round << " through a file";
    }
    EXPECT_GT(total, 10000u);  // the texts are dense enough to say something
}

// Collects results; stops after `stopAfter` questions when set.
class CollectingSink : public ISearchSink {
public:
    void ResultFound(std::unique_ptr<CSearchResult> result) override {
        results.push_back(std::move(*result));
    }
    bool GoOn() override {
        ++asked;
        return stopAfter < 0 || asked < stopAfter;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CSearchResult& r : results) {
            names.push_back(std::filesystem::path(r.m_strPath).filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<CSearchResult> results;
    int asked = 0;
    int stopAfter = -1;
};

CSearchConfig Criteria(const std::string& folder, std::vector<std::string> words) {
    CSearchConfig c;
    c.m_strFolder = folder;
    c.m_words = std::move(words);
    return c;
}

std::vector<std::string> Found(const CSearchConfig& c, const SearchOptions& options = {}) {
    CollectingSink sink;
    RunSearch(c, sink, options);
    return sink.Names();
}

using Names = std::vector<std::string>;

TEST(RunSearch, AllWordsOrAnyWord) {
    TempTree tree;
    tree.Write("only-ab.nc", "ab ab\nab");
    tree.Write("both.nc", "xy\nab");
    tree.Write("neither.nc", "a b x y");
    CSearchConfig c = Criteria(tree.Root().string(), {"ab", "xy"});
    EXPECT_EQ(Found(c), (Names{"both.nc"}));
    c.m_nMatchMode = CSearchConfig::MatchAny;
    CollectingSink sink;
    RunSearch(c, sink);
    EXPECT_EQ(sink.Names(), (Names{"both.nc", "only-ab.nc"}));
    for (const CSearchResult& r : sink.results) {
        if (r.m_strPath.ends_with("only-ab.nc")) {
            EXPECT_EQ(Positions(r.m_foundWords), (std::vector<std::int64_t>{0, 3, 6}));
            EXPECT_EQ(r.m_dwSize, 8u);
            EXPECT_EQ(r.m_strPath, tree.Path("only-ab.nc"));
        }
    }
}

TEST(RunSearch, NonAsciiTextIsSearchedANulMarksABinaryFile) {
    TempTree tree;
    tree.Write("high.nc", "\xC8\nG01 X1");
    tree.Write("german.nc", "(2. Kreis mit Vorschubgeschwindigkeit fr\xC3\xA4sen)\nG01 F100\nM2\n");
    tree.Write("binary.nc", std::string("M2\nG\0"
                                        "01 X1",
                                        10));
    tree.Write("nul-first.nc", std::string("\0G01", 4));
    tree.Write("plain.nc", "G01 X1");
    EXPECT_EQ(Found(Criteria(tree.Root().string(), {"G01"})),
              (Names{"german.nc", "high.nc", "plain.nc"}));
    // Before the NUL the words are found.
    EXPECT_EQ(Found(Criteria(tree.Root().string(), {"M2"})), (Names{"binary.nc", "german.nc"}));
}

TEST(RunSearch, SubfoldersExtensionsAndTheRoot) {
    TempTree tree;
    tree.Write("PROG.NC", "M30");
    tree.Write("sub/prog.tap", "M30");
    tree.Write("sub/prog.old/readme", "M30");
    tree.Write("sub/notes.txt", "M30");
    CSearchConfig c = Criteria(tree.Root().string(), {"m30"});
    EXPECT_EQ(Found(c), (Names{"PROG.NC", "notes.txt", "prog.tap", "readme"}));
    c.m_nExtMode = CSearchConfig::ExtList;
    c.m_strExtensions = "nc, TAP";
    EXPECT_EQ(Found(c), (Names{"PROG.NC", "prog.tap"}));
    c.m_strExtensions = "*";
    EXPECT_EQ(Found(c).size(), 4u);
    c.m_bSubfolders = 0;
    EXPECT_EQ(Found(c), (Names{"PROG.NC"}));
}

// Each folder in name order, letter case aside, and a subfolder walked where its name
// falls, as a Windows file system lists them: the file system's own order is no order.
TEST(RunSearch, FilesAndSubfoldersComeInNameOrder) {
    TempTree tree;
    for (const char* name : {"o1003.nc", "B/x.nc", "_x.nc", "O1001.nc", "a.nc", "O1002.NC",
                             "c/y.nc", "Z.nc", "B/W.nc"}) {
        tree.Write(name, "T1");
    }
    CollectingSink sink;
    RunSearch(Criteria(tree.Root().string(), {"T1"}), sink);
    std::vector<std::string> order;
    for (const CSearchResult& r : sink.results) {
        order.push_back(std::filesystem::path(r.m_strPath).lexically_relative(tree.Root()));
    }
    EXPECT_EQ(order, (Names{"a.nc", "B/W.nc", "B/x.nc", "c/y.nc", "O1001.nc", "O1002.NC",
                            "o1003.nc", "Z.nc", "_x.nc"}));
}

TEST(RunSearch, SymbolicLinkLoopsEndAndEachFolderIsWalkedOnce) {
    TempTree tree;
    tree.Write("a/b/prog.nc", "T12");
    std::filesystem::create_directory_symlink(tree.Root(), tree.Root() / "a/b/up");
    std::filesystem::create_directory_symlink(tree.Root() / "a/b", tree.Root() / "b-again");
    std::filesystem::create_symlink(tree.Root() / "missing", tree.Root() / "dangling");
    CollectingSink sink;
    RunSearch(Criteria(tree.Root().string(), {"T12"}), sink);
    ASSERT_EQ(sink.results.size(), 1u);
}

TEST(RunSearch, UnreadableFoldersAndFilesAreSkipped) {
    TempTree tree;
    tree.Write("open/prog.nc", "T12");
    tree.Write("closed/prog.nc", "T12");
    tree.Write("locked.nc", "T12");
    ::chmod(tree.Path("closed").c_str(), 0);
    ::chmod(tree.Path("locked.nc").c_str(), 0);
    ::chmod(tree.Root().c_str(), 0755);
    common::testing::AsUnprivileged(tree.Root(), [&] {
        CollectingSink sink;
        RunSearch(Criteria(tree.Root().string(), {"T12"}), sink);
        EXPECT_EQ(sink.Names(), Names{"prog.nc"});
    });
}

TEST(RunSearch, WeekMonthYearAndRangeWithAFixedClock) {
    TempTree tree;
    const std::time_t now = TempTree::LocalTime(2024, 3, 10, 9);
    const std::pair<const char*, std::time_t> files[] = {
        {"today.nc", TempTree::LocalTime(2024, 3, 10, 1)},
        {"7days.nc", TempTree::LocalTime(2024, 3, 3, 0)},
        {"8days.nc", TempTree::LocalTime(2024, 3, 2, 23)},
        {"31days.nc", TempTree::LocalTime(2024, 2, 8)},
        {"365days.nc", TempTree::LocalTime(2023, 3, 11)},
        {"366days.nc", TempTree::LocalTime(2023, 3, 10)},
    };
    for (const auto& [name, when] : files) TempTree::SetModified(tree.Write(name, "G01"), when);
    SearchOptions options;
    options.now = CDateTime::FromTimeT(now);
    CSearchConfig c = Criteria(tree.Root().string(), {"G01"});
    c.m_nDateMode = CSearchConfig::DateWeek;
    EXPECT_EQ(Found(c, options), (Names{"7days.nc", "today.nc"}));
    c.m_nDateMode = CSearchConfig::DateMonth;
    EXPECT_EQ(Found(c, options), (Names{"31days.nc", "7days.nc", "8days.nc", "today.nc"}));
    c.m_nDateMode = CSearchConfig::DateYear;
    EXPECT_EQ(Found(c, options).size(), 5u);
    c.m_nDateMode = CSearchConfig::DateRange;
    c.m_dateFrom = CDateTime::FromDate(2024, 3, 2, 18);
    c.m_dateTo = CDateTime::FromDate(2024, 3, 3);
    EXPECT_EQ(Found(c, options), (Names{"7days.nc", "8days.nc"}));
    c.m_nDateMode = 9;
    EXPECT_TRUE(Found(c, options).empty());
}

TEST(RunSearch, SizesBeyond4GBAreTrue) {
    TempTree tree;
    const std::string path = tree.Write("big.nc", "T12\nM30\n");
    const std::uint64_t size = (5ull << 30) + 7;
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
    CSearchConfig c = Criteria(tree.Root().string(), {"T12"});
    c.m_nLinesMode = CSearchConfig::LinesFirst;  // the sparse zeros need not be read
    c.m_nLines = 1;
    CollectingSink sink;
    RunSearch(c, sink);
    ASSERT_EQ(sink.results.size(), 1u);
    EXPECT_EQ(sink.results[0].m_dwSize, size);
}

TEST(RunSearch, OccurrencesBeyondTheLimitAreCountedNotKept) {
    TempTree tree;
    tree.Write("many.nc", "G01 G01 G01 G01 G01 M30");
    SearchOptions options;
    options.maxOccurrencesPerFile = 3;
    CollectingSink sink;
    RunSearch(Criteria(tree.Root().string(), {"G01", "M30"}), sink, options);
    ASSERT_EQ(sink.results.size(), 1u);  // M30, past the limit, still counts
    EXPECT_EQ(Positions(sink.results[0].m_foundWords), (std::vector<std::int64_t>{0, 4, 8}));
    EXPECT_EQ(sink.results[0].m_nOccurrences, 6u);
}

TEST(RunSearch, WithoutKeptOccurrencesLargeFilesStillMatchWhole) {
    TempTree tree;
    tree.Write("long.nc", "T12\r\n" + std::string(600000, 'x') + "\r\nM30");
    SearchOptions options;
    options.maxOccurrencesPerFile = 0;
    CollectingSink sink;
    RunSearch(Criteria(tree.Root().string(), {"M30", "T12"}), sink, options);
    ASSERT_EQ(sink.results.size(), 1u);
    EXPECT_TRUE(sink.results[0].m_foundWords.empty());
    EXPECT_EQ(sink.results[0].m_nOccurrences, 2u);
}

TEST(RunSearch, GoOnFalseStopsTheWalk) {
    TempTree tree;
    for (int i = 0; i < 50; ++i) tree.Write("p" + std::to_string(i) + ".nc", "G01");
    CollectingSink sink;
    sink.stopAfter = 5;
    SearchOptions options;
    options.pollInterval = std::chrono::milliseconds(0);
    options.threads = 1;  // the walk itself asks
    RunSearch(Criteria(tree.Root().string(), {"G01"}), sink, options);
    EXPECT_EQ(sink.asked, 5);
    EXPECT_EQ(sink.results.size(), 4u);
}

TEST(RunSearch, GoOnIsAskedFromInsideALongFile) {
    TempTree tree;
    tree.Write("long.nc", std::string(8u << 20, 'x') + "G01");
    CollectingSink sink;
    sink.stopAfter = 3;
    SearchOptions options;
    options.pollInterval = std::chrono::milliseconds(0);
    options.threads = 1;  // the scan itself asks
    RunSearch(Criteria(tree.Root().string(), {"G01"}), sink, options);
    EXPECT_EQ(sink.asked, 3);
    EXPECT_TRUE(sink.results.empty());
}

}  // namespace
}  // namespace scarrow
