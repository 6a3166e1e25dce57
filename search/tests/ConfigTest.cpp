#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <optional>

#include "TempTree.h"
#include "common/AtomicFile.h"
#include "search/Config.h"

namespace scarrow {
namespace {

using testing::TempTree;

std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

CSearchConfig Sample(std::string folder) {
    CSearchConfig c;
    c.m_words = {"G01", "\xC3\xA9", "\xCE\xA9"};  // é fits the 8-bit form, Ω needs UTF-16
    c.m_dateFrom = CDateTime::FromDate(1980, 1, 1);
    c.m_dateTo = CDateTime::FromDate(2024, 3, 10, 12);
    c.m_nMatchMode = 1;
    c.m_nDateMode = 4;
    c.m_bIgnoreCase = 0;
    c.m_nLinesMode = 1;
    c.m_nLines = 258;
    c.m_strFolder = std::move(folder);
    c.m_bSubfolders = 0;
    c.m_nExtMode = 1;
    c.m_strExtensions = "nc";
    return c;
}

TEST(HistoryFile, BytesOfOneRecord) {
    CConfig config("unused.cfg");
    config.m_history.push_back(Sample("/cnc"));
    EXPECT_EQ(Hex(config.Serialize()),
              "19 20 63 00 "                          // signature 6496281
              "00 "                                   // reserved string, empty
              "01 00 00 00 "                          // version
              "01 00 00 00 "                          // one record
              "03 00 00 00 "                          // three words
              "03 47 30 31 "                          // "G01"
              "01 E9 "                                // "é" in Windows-1252
              "FF FE FF 01 A9 03 "                    // "Ω" in UTF-16
              "00 00 00 00 00 00 00 00 40 89 DC 40 "  // valid, 29221.0
              "00 00 00 00 00 00 00 00 30 26 E6 40 "  // valid, 45361.5
              "01 00 00 00 04 00 00 00 00 00 00 00 01 00 00 00 02 01 00 00 "
              "04 2F 63 6E 63 "  // "/cnc"
              "00 00 00 00 01 00 00 00 "
              "02 6E 63");  // "nc"
}

TEST(HistoryFile, SaveAndLoadKeepEverything) {
    TempTree tree;
    CConfig config(tree.Path("sub/scarrow.cfg"));
    config.m_strReserved = "kept";
    config.m_history.push_back(Sample(std::string(300, 'f')));  // the 16-bit length form
    CSearchConfig nulls;
    nulls.m_words = {"T12"};
    nulls.m_dateFrom = CDateTime(0.0, CDateTime::Status::Null);
    nulls.m_dateTo = CDateTime(-1.25);  // 29 December 1899, 06:00
    config.m_history.push_back(nulls);
    ASSERT_TRUE(config.Save());

    CConfig loaded(tree.Path("sub/scarrow.cfg"));
    loaded.Load();
    EXPECT_EQ(loaded.m_strReserved, "kept");
    ASSERT_EQ(loaded.m_history.size(), 2u);
    EXPECT_TRUE(loaded.m_history[0].IsEqual(config.m_history[0]));
    EXPECT_TRUE(loaded.m_history[1].IsEqual(config.m_history[1]));
    EXPECT_EQ(loaded.Serialize(), config.Serialize());
}

TEST(HistoryFile, MissingForeignOrDamagedFilesNeverStopTheProgram) {
    TempTree tree;
    CConfig missing(tree.Path("none.cfg"));
    EXPECT_EQ(missing.Load().status, HistoryFileStatus::Missing);
    EXPECT_TRUE(missing.m_history.empty());

    CConfig three("x");
    for (int i = 0; i < 3; ++i) three.m_history.push_back(Sample("/f" + std::to_string(i)));
    const std::string bytes = three.Serialize();
    const std::size_t recordSize = (bytes.size() - 13) / 3;

    CConfig reader("x");
    // Every cut keeps exactly the records that were read whole, and says it is damaged.
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        const HistoryLoadResult result = reader.Deserialize(std::string_view(bytes).substr(0, cut));
        const std::size_t whole = cut < 13 ? 0 : (cut - 13) / recordSize;
        ASSERT_EQ(reader.m_history.size(), whole) << "cut at " << cut;
        const HistoryFileStatus expected = cut == 0              ? HistoryFileStatus::Missing
                                           : cut == bytes.size() ? HistoryFileStatus::Loaded
                                                                 : HistoryFileStatus::Damaged;
        ASSERT_EQ(result.status, expected) << "cut at " << cut;
        ASSERT_EQ(result.message.empty(), expected != HistoryFileStatus::Damaged);
    }

    std::string foreign = bytes;
    foreign[0] = 0x18;
    EXPECT_EQ(reader.Deserialize(foreign).status, HistoryFileStatus::Foreign);
    EXPECT_TRUE(reader.m_history.empty());

    // Counts far beyond the data allocate nothing and keep what is there.
    std::string huge = bytes;
    huge[9] = huge[10] = huge[11] = '\xFF';
    huge[12] = 0x7F;
    EXPECT_EQ(reader.Deserialize(huge).status, HistoryFileStatus::Damaged);
    EXPECT_EQ(reader.m_history.size(), 3u);
    std::string hugeWords = bytes;
    hugeWords[13] = hugeWords[14] = hugeWords[15] = hugeWords[16] = '\xFF';
    EXPECT_EQ(reader.Deserialize(hugeWords).status, HistoryFileStatus::Damaged);
    EXPECT_TRUE(reader.m_history.empty());
    // A count of 0 or less announces no entries: a sound, empty history.
    std::string negative = bytes;
    negative[12] = '\x80';
    EXPECT_EQ(reader.Deserialize(negative).status, HistoryFileStatus::Loaded);
    EXPECT_TRUE(reader.m_history.empty());

    // Unknown date statuses and impossible values load as invalid dates.
    std::string odd = bytes;
    odd[13 + 4 + 4 + 2 + 6] = 7;  // status of the first record's m_dateFrom
    EXPECT_EQ(reader.Deserialize(odd).status, HistoryFileStatus::Loaded);
    ASSERT_EQ(reader.m_history.size(), 3u);
    EXPECT_EQ(reader.m_history[0].m_dateFrom.GetStatus(), CDateTime::Status::Invalid);
    EXPECT_EQ(CDateTime(std::nan("")).GetStatus(), CDateTime::Status::Invalid);
    EXPECT_EQ(CDateTime(1e300).GetStatus(), CDateTime::Status::Invalid);
}

TEST(HistoryFile, KeepsAtMostFiveRecordsFromAFile) {
    CConfig seven("x");
    for (int i = 0; i < 7; ++i) seven.m_history.push_back(Sample("/f" + std::to_string(i)));
    CConfig reader("x");
    EXPECT_EQ(reader.Deserialize(seven.Serialize()).status, HistoryFileStatus::Loaded);
    ASSERT_EQ(reader.m_history.size(), 5u);
    EXPECT_EQ(reader.m_history[4].m_strFolder, "/f4");
}

TEST(HistoryFile, LoadTellsWhatItFoundInTheFile) {
    TempTree tree;
    const std::string path = tree.Path("scarrow.cfg");
    CConfig three(path);
    for (int i = 0; i < 3; ++i) three.m_history.push_back(Sample("/f" + std::to_string(i)));
    const std::string bytes = three.Serialize();
    struct Case {
        const char* name;
        std::optional<std::string> contents;  // none: no file
        HistoryFileStatus status;
        std::size_t entries;
        std::string message;
    };
    const Case cases[] = {
        {"no file", std::nullopt, HistoryFileStatus::Missing, 0, ""},
        {"empty file", "", HistoryFileStatus::Missing, 0, ""},
        {"sound file", bytes, HistoryFileStatus::Loaded, 3, ""},
        {"foreign file", "G90 G54\n", HistoryFileStatus::Foreign, 0,
         path + " is not a search history file. The search history starts empty, and the file "
                "will be replaced when Scarrow closes."},
        {"header cut", bytes.substr(0, 10), HistoryFileStatus::Damaged, 0,
         "The search history file " + path + " is damaged. The search history starts empty."},
        {"last record cut", bytes.substr(0, bytes.size() - 3), HistoryFileStatus::Damaged, 2,
         "The search history file " + path + " is damaged: 2 of its 3 entries could be read."},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path);
        if (c.contents) tree.Write("scarrow.cfg", *c.contents);
        CConfig config(path);
        config.m_history.push_back(Sample("/stale"));  // Load starts afresh
        const HistoryLoadResult result = config.Load();
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(config.m_history.size(), c.entries) << c.name;
        EXPECT_EQ(result.message, c.message) << c.name;
    }

    std::filesystem::remove(path);
    tree.Folder("scarrow.cfg");
    CConfig folder(path);
    HistoryLoadResult result = folder.Load();
    EXPECT_EQ(result.status, HistoryFileStatus::Unreadable);
    EXPECT_EQ(result.message,
              "The search history file " + path + " is a folder. The search history starts empty.");
    std::filesystem::remove(path);

    if (::geteuid() != 0) {  // root reads any file
        tree.Write("scarrow.cfg", bytes);
        ::chmod(path.c_str(), 0);
        CConfig locked(path);
        result = locked.Load();
        EXPECT_EQ(result.status, HistoryFileStatus::Unreadable);
        EXPECT_TRUE(locked.m_history.empty());
        EXPECT_EQ(result.message, "The search history file " + path +
                                      " cannot be read. The search history starts empty.");
    }
}

TEST(HistoryFile, SaveReportsAFolderThatCannotBeMade) {
    TempTree tree;
    tree.Write("plain-file", "x");
    CConfig config(tree.Path("plain-file/scarrow.cfg"));
    std::string error;
    EXPECT_FALSE(config.Save(&error));
    EXPECT_FALSE(error.empty());
}

TEST(History, SameCriteriaOnceAndTheSixthDropsTheOldest) {
    CConfig config("x");
    CSearchConfig a;
    a.m_words = {"T12"};
    a.m_strFolder = "/cnc";
    config.AddToHistory(a);
    config.AddToHistory(a);
    EXPECT_EQ(config.m_history.size(), 1u);
    for (int i = 1; i <= 5; ++i) {
        CSearchConfig c = a;
        c.m_words.push_back("W" + std::to_string(i));
        config.AddToHistory(c);
    }
    ASSERT_EQ(config.m_history.size(), 5u);
    EXPECT_EQ(config.m_history[0].m_words.back(), "W5");
    EXPECT_EQ(config.m_history[4].m_words.back(), "W1");  // a itself was dropped
    // An equal entry moves to the front; the others keep their order.
    CSearchConfig w3 = a;
    w3.m_words.push_back("W3");
    config.AddToHistory(w3);
    ASSERT_EQ(config.m_history.size(), 5u);
    EXPECT_EQ(config.m_history[0].m_words.back(), "W3");
    EXPECT_EQ(config.m_history[1].m_words.back(), "W5");
    EXPECT_EQ(config.m_history[2].m_words.back(), "W4");
    EXPECT_EQ(config.m_history[3].m_words.back(), "W2");
}

TEST(SearchConfig, DefaultsCopyAndIsEqual) {
    CSearchConfig c;
    EXPECT_TRUE(c.m_words.empty());
    EXPECT_DOUBLE_EQ(c.m_dateFrom.GetValue(), 29221.0);
    EXPECT_TRUE(c.m_dateTo.IsEqual(CDateTime::Today()));
    EXPECT_EQ(c.m_nMatchMode, 0);
    EXPECT_EQ(c.m_bIgnoreCase, 1);
    EXPECT_EQ(c.m_nLines, 10u);
    EXPECT_EQ(c.m_bSubfolders, 1);
    EXPECT_EQ(c.m_nExtMode, 0);

    CSearchConfig s = Sample("/cnc");
    CSearchConfig copy;
    copy.Copy(s);
    EXPECT_TRUE(copy.IsEqual(s));
    copy.m_words[0] = "g01";  // letter case counts
    EXPECT_FALSE(copy.IsEqual(s));
    copy.Copy(s);
    copy.m_dateTo = CDateTime(s.m_dateTo.GetValue() + 1.0 / 86400);
    EXPECT_FALSE(copy.IsEqual(s));
    // Dates that are not valid compare by status alone.
    copy.Copy(s);
    copy.m_dateFrom = CDateTime(1.0, CDateTime::Status::Null);
    s.m_dateFrom = CDateTime(2.0, CDateTime::Status::Null);
    EXPECT_TRUE(copy.IsEqual(s));
    copy.m_nExtMode = 0;
    EXPECT_FALSE(copy.IsEqual(s));
    s.SetDefault();
    EXPECT_TRUE(s.IsEqual(CSearchConfig()));
}

TEST(DateTime, DaysSince30December1899) {
    struct Case {
        CDateTime::Parts parts;
        double value;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},       {{1900, 1, 1, 0, 0, 0}, 2.0},
        {{1980, 1, 1, 0, 0, 0}, 29221.0},     {{2024, 3, 10, 18, 0, 0}, 45361.75},
        {{1899, 12, 29, 6, 0, 0}, -1.25},     {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
    };
    for (const Case& c : cases) {
        const CDateTime d = CDateTime::FromParts(c.parts);
        EXPECT_TRUE(d.IsValid());
        EXPECT_DOUBLE_EQ(d.GetValue(), c.value) << c.parts.year << "-" << c.parts.month;
        CDateTime::Parts back;
        ASSERT_TRUE(d.GetParts(back));
        EXPECT_EQ(back.year, c.parts.year);
        EXPECT_EQ(back.month, c.parts.month);
        EXPECT_EQ(back.day, c.parts.day);
        EXPECT_EQ(back.hour, c.parts.hour);
    }
    EXPECT_EQ(CDateTime(-1.25).DayNumber(), -1);
    EXPECT_EQ(CDateTime(45361.99).DayNumber(), 45361);
    EXPECT_FALSE(CDateTime::FromDate(2023, 2, 29).IsValid());
    EXPECT_TRUE(CDateTime::FromDate(2024, 2, 29).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(2024, 4, 31).IsValid());
    EXPECT_FALSE(CDateTime::FromDate(2024, 1, 1, 24).IsValid());
}

TEST(HistoryPath, BesideAWritableProgramElseTheUserConfigFolder) {
    TempTree tree;
    ::unsetenv("SCARROW_HISTORY_FILE");
    EXPECT_EQ(DefaultHistoryPath(tree.Root() / "scarrow"), tree.Root() / "scarrow.cfg");
    ::setenv("XDG_CONFIG_HOME", tree.Path("xdg").c_str(), 1);
    EXPECT_EQ(DefaultHistoryPath(tree.Root() / "missing-folder/scarrow"),
              tree.Root() / "xdg/tarvik/scarrow.cfg");
    ::setenv("SCARROW_HISTORY_FILE", tree.Path("elsewhere.cfg").c_str(), 1);
    EXPECT_EQ(DefaultHistoryPath(tree.Root() / "scarrow"), tree.Root() / "elsewhere.cfg");
    ::unsetenv("SCARROW_HISTORY_FILE");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(HistoryPath, AnInstalledProgramKeepsItInTheUserConfigFolder) {
    // <prefix>/bin stays clean even when it is writable (root, a prefix in $HOME).
    TempTree tree;
    ::unsetenv("SCARROW_HISTORY_FILE");
    std::filesystem::create_directories(tree.Root() / "usr/bin");
    std::filesystem::create_directories(tree.Root() / "usr/share/tarvik/help");
    ::setenv("XDG_CONFIG_HOME", tree.Path("xdg").c_str(), 1);
    EXPECT_EQ(DefaultHistoryPath(tree.Root() / "usr/bin/scarrow"),
              tree.Root() / "xdg/tarvik/scarrow.cfg");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(HistoryPath, NamedAfterScarrowWhicheverProgramReadsIt) {
    // The window runs as a program of its own beside `scarrow` and shares its history.
    ::unsetenv("SCARROW_HISTORY_FILE");
    const std::filesystem::path folder = ProgramFilePath().parent_path();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(ScarrowProgramFile(), folder / "scarrow");
    EXPECT_EQ(CConfig().m_strPath, DefaultHistoryPath(folder / "scarrow"));
    EXPECT_EQ(CConfig().m_strPath.filename(), "scarrow.cfg");
}

}  // namespace
}  // namespace scarrow
