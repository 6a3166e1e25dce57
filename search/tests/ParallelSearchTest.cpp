#include <gtest/gtest.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>
#include <thread>

#include "TempTree.h"
#include "common/testing/Unprivileged.h"
#include "search/SearchEngine.h"

namespace scarrow {
namespace {

using testing::TempTree;

// What a sink was told, comparable as a whole.
struct Reported {
    std::string path;
    std::uint64_t size;
    double date;
    std::uint64_t occurrences;
    std::vector<CFoundWord> found;
    bool operator==(const Reported&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Reported& r) {
    return os << r.path << " (" << r.occurrences << ")";
}

class RecordingSink : public ISearchSink {
public:
    void ResultFound(std::unique_ptr<CSearchResult> r) override {
        ASSERT_EQ(std::this_thread::get_id(), m_caller) << "reported on another thread";
        reported.push_back(
            {r->m_strPath, r->m_dwSize, r->m_date.GetValue(), r->m_nOccurrences, r->m_foundWords});
        if (throwAt >= 0 && static_cast<int>(reported.size()) == throwAt)
            throw std::runtime_error("sink full");
    }
    bool GoOn() override {
        EXPECT_EQ(std::this_thread::get_id(), m_caller) << "asked on another thread";
        ++asked;
        return stopAfter < 0 || static_cast<int>(reported.size()) < stopAfter;
    }
    std::vector<Reported> reported;
    int stopAfter = -1;
    int throwAt = -1;
    int asked = 0;

private:
    std::thread::id m_caller = std::this_thread::get_id();
};

std::vector<Reported> Search(const CSearchConfig& c, unsigned threads, SearchOptions options = {}) {
    options.threads = threads;
    options.now = CDateTime::FromDate(2024, 3, 10);
    RecordingSink sink;
    RunSearch(c, sink, options);
    return sink.reported;
}

CSearchConfig Criteria(const std::string& folder, std::vector<std::string> words) {
    CSearchConfig c;
    c.m_strFolder = folder;
    c.m_words = std::move(words);
    return c;
}

// The threads of this process: none a search started may outlive it.
int ThreadCount() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Threads:", 0) == 0) return std::stoi(line.substr(8));
    return -1;
}

// A tree of folders and programs made from `seed` in the folder `top` of `tree`: names
// that differ in case only, empty files, NULs, CR LF and LF, words across the 256 KB
// read blocks, unreadable files and folders, links to files, a dangling link and a link
// loop.
std::string MakeRandomTree(const TempTree& tree, const std::string& top, unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const char* const pieces[] = {"G01 ", "g83 ",  "T12",       "t1",   "M6",       "\r\n",
                                  "\n",   " X1.5", "(T12 M06)", "Z-5.", "\xC3\xA4", "%"};
    const auto text = [&](std::size_t count) {
        std::string s;
        for (std::size_t i = 0; i < count; ++i) s += pieces[pick(std::size(pieces))];
        if (pick(12) == 0) s.insert(pick(s.size() + 1), 1, '\0');
        return s;
    };
    std::vector<std::string> folders{top + "/"};
    for (int i = 0; i < 12; ++i) {
        const std::string parent = folders[pick(folders.size())];
        folders.push_back(parent + (pick(2) ? "Sub" : "sub") + std::to_string(pick(6)) + "/");
    }
    for (const std::string& folder : folders) {
        tree.Folder(folder);
        for (std::size_t f = pick(30); f > 0; --f) {
            const std::string name = folder + (pick(2) ? "O" : "o") +
                                     std::to_string(1000 + pick(40)) + (pick(3) ? ".nc" : ".TAP");
            const std::string path = tree.Write(name, text(pick(400)));
            if (pick(15) == 0) ::chmod(path.c_str(), 0);
        }
    }
    const std::string longFile =
        tree.Write(folders[1] + "long.nc", text(20) + std::string((256u << 10) - 2, 'x') +
                                               "T12 G83" + std::string(3u << 20, ' ') + text(50));
    std::filesystem::create_directory_symlink(tree.Path(top), tree.Path(folders.back() + "loop"));
    std::filesystem::create_symlink(longFile, tree.Path(top + "/link.nc"));
    std::filesystem::create_symlink(tree.Path("missing.nc"), tree.Path(top + "/dangling.nc"));
    ::chmod(tree.Path(folders[2]).c_str(), 0);
    return tree.Path(top);
}

TEST(ParallelSearch, ReportsWhatOneThreadReportsInTheSameOrder) {
    TempTree tree;
    ::chmod(tree.Root().c_str(), 0755);
    common::testing::AsUnprivileged(tree.Root(), [&] {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            const std::string root = MakeRandomTree(tree, "tree" + std::to_string(seed), seed);
            struct Variant {
                const char* what;
                std::function<void(CSearchConfig&, SearchOptions&)> set;
            };
            const Variant variants[] = {
                {"all words", [](CSearchConfig&, SearchOptions&) {}},
                {"any word", [](CSearchConfig& k, SearchOptions&) { k.m_nMatchMode = 1; }},
                {"case, 3 lines, .nc",
                 [](CSearchConfig& k, SearchOptions&) {
                     k.m_nMatchMode = 1;
                     k.m_bIgnoreCase = 0;
                     k.m_nLinesMode = CSearchConfig::LinesFirst;
                     k.m_nLines = 3;
                     k.m_nExtMode = CSearchConfig::ExtList;
                     k.m_strExtensions = "nc";
                 }},
                {"two occurrences kept",
                 [](CSearchConfig& k, SearchOptions& o) {
                     k.m_nMatchMode = 1;
                     o.maxOccurrencesPerFile = 2;
                 }},
                {"none kept",
                 [](CSearchConfig& k, SearchOptions& o) {
                     k.m_nMatchMode = 1;
                     o.maxOccurrencesPerFile = 0;
                 }},
            };
            for (const Variant& v : variants) {
                CSearchConfig k = Criteria(root, {"T12", "g83", "M6 "});
                SearchOptions o;
                v.set(k, o);
                const std::vector<Reported> one = Search(k, 1, o);
                EXPECT_GT(one.size(), 3u) << "seed " << seed << ", " << v.what;
                for (unsigned threads : {2u, 3u, 8u}) {
                    EXPECT_EQ(Search(k, threads, o), one)
                        << "seed " << seed << ", " << v.what << ", " << threads << " threads";
                }
            }
        }
    });
}

TEST(ParallelSearch, ManySmallFilesBehindOneHugeFileKeepTheirOrder) {
    TempTree tree;
    // The first file takes longest, so every other result waits behind it, far more than
    // the threads may run ahead.
    tree.Write("a-huge.nc", "T12\n" + std::string(16u << 20, 'x') + "\nG83");
    for (int i = 0; i < 2000; ++i)
        tree.Write("b/p" + std::to_string(i) + ".nc", i % 3 ? "T12 G83\n" : "T12\n");
    CSearchConfig c = Criteria(tree.Root().string(), {"T12", "G83"});
    const std::vector<Reported> one = Search(c, 1);
    ASSERT_EQ(one.size(), 1u + 1333u);
    EXPECT_EQ(one.front().path, tree.Path("a-huge.nc"));
    EXPECT_EQ(Search(c, 2), one);
    EXPECT_EQ(Search(c, 8), one);
}

TEST(ParallelSearch, FilesOfManyKeptOccurrencesWaitTheirTurn) {
    TempTree tree;
    // Behind the slow first file the others finish with far more occurrences than the
    // threads may hold, so they wait for the sink.
    tree.Write("a-huge.nc", std::string(16u << 20, 'x') + "G01");
    std::string dense;
    for (int i = 0; i < 8000; ++i) dense += "G01 ";
    for (int i = 0; i < 60; ++i) tree.Write("p" + std::to_string(100 + i) + ".nc", dense);
    const CSearchConfig c = Criteria(tree.Root().string(), {"G01"});
    SearchOptions options;
    options.maxOccurrencesPerFile = 10000;  // all kept; the threads hold about 65000
    const std::vector<Reported> one = Search(c, 1, options);
    ASSERT_EQ(one.size(), 61u);
    EXPECT_EQ(one[1].found.size(), 8000u);
    EXPECT_EQ(Search(c, 2, options), one);
    EXPECT_EQ(Search(c, 8, options), one);
}

TEST(ParallelSearch, LongRunsOfFilesThatDoNotMatchKeepTheWalkGoing) {
    TempTree tree;
    // Far more than the threads may queue ahead, none of them reported.
    for (int i = 0; i < 1500; ++i) tree.Write("p" + std::to_string(10000 + i) + ".nc", "G00\n");
    tree.Write("z.nc", "G01\n");
    const CSearchConfig c = Criteria(tree.Root().string(), {"G01"});
    for (unsigned threads : {2u, 8u}) {
        const std::vector<Reported> found = Search(c, threads);
        ASSERT_EQ(found.size(), 1u) << threads << " threads";
        EXPECT_EQ(found[0].path, tree.Path("z.nc"));
    }
}

TEST(ParallelSearch, StopFromTheSinkAfterNResultsReportsExactlyNAndEndsEveryThread) {
    TempTree tree;
    for (int i = 0; i < 200; ++i) tree.Write("p" + std::to_string(1000 + i) + ".nc", "G01\n");
    // Nothing is ready yet when the first answer is no.
    tree.Write("a.nc", std::string(16u << 20, 'x') + "G01");
    CSearchConfig c = Criteria(tree.Root().string(), {"G01"});
    const std::vector<Reported> all = Search(c, 1);
    ASSERT_EQ(all.size(), 201u);
    const int before = ThreadCount();
    for (unsigned threads : {2u, 8u}) {
        for (int n : {0, 1, 7, 120}) {
            RecordingSink sink;
            sink.stopAfter = n;
            SearchOptions options;
            options.threads = threads;
            options.pollInterval = std::chrono::milliseconds(0);
            options.now = CDateTime::FromDate(2024, 3, 10);
            RunSearch(c, sink, options);
            EXPECT_EQ(sink.reported, std::vector<Reported>(all.begin(), all.begin() + n))
                << threads << " threads, stop after " << n;
            EXPECT_EQ(ThreadCount(), before) << threads << " threads, stop after " << n;
        }
    }
}

TEST(ParallelSearch, WhatTheSinkThrowsEndsEveryThreadAndComesOut) {
    TempTree tree;
    for (int i = 0; i < 300; ++i) tree.Write("p" + std::to_string(i) + ".nc", "G01\n");
    const int before = ThreadCount();
    RecordingSink sink;
    sink.throwAt = 5;
    SearchOptions options;
    options.threads = 4;
    EXPECT_THROW(RunSearch(Criteria(tree.Root().string(), {"G01"}), sink, options),
                 std::runtime_error);
    EXPECT_EQ(sink.reported.size(), 5u);
    EXPECT_EQ(ThreadCount(), before);
}

TEST(ParallelSearch, OneThreadByDefaultForEachProcessorThisProcessMayUse) {
    cpu_set_t set;
    CPU_ZERO(&set);
    ASSERT_EQ(::sched_getaffinity(0, sizeof set, &set), 0);
    EXPECT_EQ(DefaultSearchThreads(), static_cast<unsigned>(CPU_COUNT(&set)));
}

}  // namespace
}  // namespace scarrow
