#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "TempTree.h"
#include "search/SearchCommand.h"

namespace scarrow {
namespace {

using testing::TempTree;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Search(std::vector<std::string> args, const SearchOptions& options = {}) {
    std::ostringstream out, err;
    const int status = RunSearchCommand(args, out, err, options);
    return {status, out.str(), err.str()};
}

TEST(SearchCommand, PrintsMatchingPathsAndExitsZeroOrOne) {
    TempTree tree;
    tree.Write("a/prog1.nc", "T12 M06\nX1 G83 Z-5.");
    tree.Write("prog2.tap", "t12\n");
    tree.Write("notes.txt", "nothing");
    Outcome r = Search({tree.Root().string(), "T12", "G83"});
    EXPECT_EQ(r.status, kExitMatched);
    EXPECT_EQ(r.out, tree.Path("a/prog1.nc") + "\n");
    EXPECT_EQ(r.err, "");

    r = Search({"--any", "--ext", "nc,tap", tree.Root().string() + "/", "T12", "G83"});
    EXPECT_EQ(r.status, kExitMatched);
    EXPECT_NE(r.out.find(tree.Path("prog2.tap") + "\n"), std::string::npos);
    EXPECT_NE(r.out.find(tree.Path("a/prog1.nc") + "\n"), std::string::npos);

    EXPECT_EQ(Search({"--case-sensitive", "--any", tree.Root().string(), "t12"}).out,
              tree.Path("prog2.tap") + "\n");
    EXPECT_EQ(Search({"--no-subfolders", tree.Root().string(), "G83"}).status, kExitNoMatch);
    r = Search({tree.Root().string(), "M30"});
    EXPECT_EQ(r.status, kExitNoMatch);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Search({"--first-lines", "1", tree.Root().string(), "G83"}).status, kExitNoMatch);
    EXPECT_EQ(Search({"--first-lines=2", tree.Root().string(), "G83"}).status, kExitMatched);
}

TEST(SearchCommand, OccurrencesCountLinesAndColumnsFromOne) {
    TempTree tree;
    const std::string path = tree.Write("prog.nc", "G90\r\nT12 M06 t12\r\n\r\nx-5.t12");
    const Outcome r = Search({"--occurrences", "--any", tree.Root().string(), "T12", "--", "-5."});
    EXPECT_EQ(r.status, kExitMatched);
    EXPECT_EQ(r.out, path + ":2:1:T12\n" + path + ":2:9:T12\n" + path + ":4:2:-5.\n" + path +
                         ":4:5:T12\n");
}

TEST(SearchCommand, SaysWhenOccurrencesWereLeftOut) {
    TempTree tree;
    const std::string path = tree.Write("prog.nc", "G01 G01 G01");
    SearchOptions options;
    options.maxOccurrencesPerFile = 2;
    const Outcome r = Search({"--occurrences", tree.Root().string(), "g01"}, options);
    EXPECT_EQ(r.status, kExitMatched);
    EXPECT_EQ(r.out, path + ":1:1:g01\n" + path + ":1:5:g01\n");
    EXPECT_EQ(r.err,
              "scarrow search: " + path + ": only the first 2 of 3 occurrences are listed\n");
}

TEST(SearchCommand, EveryNumberOfThreadsPrintsTheSame) {
    TempTree tree;
    for (int i = 0; i < 120; ++i) {
        tree.Write(
            (i % 7 ? "b/" : "A/") + std::to_string(i) + (i % 2 ? ".nc" : ".NC"),
            std::string(static_cast<std::size_t>(i) * 97, 'x') + (i % 3 ? "T12 g83" : "T12"));
    }
    const std::string root = tree.Root().string();
    for (const char* mode : {"--any", "--occurrences"}) {
        const Outcome one = Search({"-j", "1", mode, root, "T12", "G83"});
        EXPECT_EQ(one.status, kExitMatched);
        EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 70);
        for (const std::vector<std::string>& threads :
             {std::vector<std::string>{}, {"-j2"}, {"--threads", "3"}, {"--threads=8"}}) {
            std::vector<std::string> args = threads;
            args.insert(args.end(), {mode, root, "T12", "G83"});
            const Outcome r = Search(args);
            EXPECT_EQ(r.out, one.out) << mode << (threads.empty() ? "" : " " + threads[0]);
            EXPECT_EQ(r.status, kExitMatched);
        }
    }
}

TEST(SearchCommand, RelativeFoldersPrintFullPaths) {
    TempTree tree;
    tree.Write("sub/prog.nc", "T12");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(tree.Root());
    const Outcome dot = Search({".", "T12"});
    const Outcome sub = Search({"./sub/", "T12"});
    std::filesystem::current_path(before);
    EXPECT_EQ(dot.out, tree.Path("sub/prog.nc") + "\n");
    EXPECT_EQ(sub.out, tree.Path("sub/prog.nc") + "\n");
}

TEST(SearchCommand, ModifiedWithinAndBetween) {
    TempTree tree;
    TempTree::SetModified(tree.Write("old.nc", "T12"), TempTree::LocalTime(2024, 1, 15));
    TempTree::SetModified(tree.Write("new.nc", "T12"), TempTree::LocalTime(2024, 3, 8));
    SearchOptions options;
    options.now = CDateTime::FromDate(2024, 3, 10, 8);
    EXPECT_EQ(Search({"--modified", "week", tree.Root().string(), "T12"}, options).out,
              tree.Path("new.nc") + "\n");
    EXPECT_EQ(Search({"--modified", "2024-01-15:2024-01-15", tree.Root().string(), "T12"}).out,
              tree.Path("old.nc") + "\n");
    EXPECT_EQ(Search({"--modified", "year", tree.Root().string(), "T12"}, options).status,
              kExitMatched);
}

TEST(SearchCommand, ErrorsExitTwoWithTheReason) {
    TempTree tree;
    const std::string root = tree.Root().string();
    const std::string file = tree.Write("prog.nc", "T12");
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{root, ""}, "word 1 is empty"},
        {{root, "T12", ""}, "word 2 is empty"},
        {{"--first-lines", "0", root, "T12"}, "--first-lines needs a whole number"},
        {{"--first-lines", "ten", root, "T12"}, "--first-lines needs a whole number"},
        {{"--first-lines", "4294967296", root, "T12"}, "--first-lines needs a whole number"},
        {{"--first-lines"}, "--first-lines needs a value"},
        {{"--modified", "fortnight", root, "T12"}, "--modified needs week, month, year"},
        {{"--modified", "2024-02-30:2024-03-01", root, "T12"}, "--modified needs"},
        {{"--modified", "2024-03-02:2024-03-01", root, "T12"}, "the first date is after"},
        {{"--recursive", root, "T12"}, "unknown option '--recursive'"},
        {{"--any=1", root, "T12"}, "--any takes no value"},
        {{"-j", "0", root, "T12"}, "-j needs a whole number from 1 to 256, not '0'"},
        {{"-j257", root, "T12"}, "-j needs a whole number from 1 to 256, not '257'"},
        {{"--threads=two", root, "T12"}, "--threads needs a whole number from 1 to 256"},
        {{"--threads"}, "--threads needs a value"},
        {{}, "the folder to search is missing"},
        {{root}, "no word or phrase"},
        {{"--ext", "", root, "T12"}, "File extension filter is not specified!"},
        {{"", "T12"}, "Initial folder is not specified!"},
        {{root + "/none", "T12"}, root + "/none folder has not been found"},
        {{file, "T12"}, file + " is not a folder"},
    };
    for (const Case& c : cases) {
        const Outcome r = Search(c.args);
        EXPECT_EQ(r.status, kExitError) << c.reason;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(SearchCommand, HelpAndMainArguments) {
    const Outcome r = Search({"--help"});
    EXPECT_EQ(r.status, kExitMatched);
    EXPECT_NE(r.out.find("Usage: scarrow search [OPTIONS] FOLDER WORD..."), std::string::npos);
    EXPECT_NE(r.out.find("Exit status: 0 when a file matched, 1 when none did, 2 on an error."),
              std::string::npos);

    TempTree tree;
    tree.Write("prog.nc", "T12");
    std::string folder = tree.Root().string();
    char a0[] = "scarrow", a1[] = "search", a2[] = "T12";
    char* argv[] = {a0, a1, folder.data(), a2};
    std::ostringstream out, err;
    EXPECT_EQ(RunSearchCommand(4, argv, out, err), kExitMatched);
    EXPECT_EQ(out.str(), tree.Path("prog.nc") + "\n");
}

}  // namespace
}  // namespace scarrow
