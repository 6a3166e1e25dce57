#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/Archive.h"
#include "common/AtomicFile.h"
#include "common/testing/Unprivileged.h"
#include "transfer/Settings.h"

using namespace sendrik;
namespace fs = std::filesystem;

namespace {

using common::testing::AsUnprivileged;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sendrik-settings-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "port.cfg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteFile(const std::string& bytes, const std::string& path = {}) {
        std::ofstream out(path.empty() ? path_ : path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string ReadFile(const std::string& path) { return *common::ReadWholeFile(path); }

    fs::path dir_;
    std::string path_;
};

std::string U32(std::uint32_t v) {
    common::ArchiveWriter w;
    w.WriteU32(v);
    return w.Data();
}

// A configuration with every stored field away from its default.
std::unique_ptr<CPortConfig> FullConfig(const std::string& name) {
    auto c = std::make_unique<CPortConfig>();
    c->m_strName = name;
    c->m_arrFiles = {"/home/op/O1000.nc", "/home/op/Ωmega.nc"};
    c->m_port.m_dwBaudRate = 19200;
    c->m_port.m_byDataBits = 7;
    c->m_port.m_byParity = 2;
    c->m_port.m_byStopBits = 2;
    c->m_port.m_nFlowControl = 0;
    c->m_port.m_chXon = 1;
    c->m_port.m_chXoff = 2;
    c->m_port.m_nPort = 3;
    for (TRANSFER_CONFIG* t : {static_cast<TRANSFER_CONFIG*>(&c->m_send),
                               static_cast<TRANSFER_CONFIG*>(&c->m_receive)}) {
        t->m_eolRecognize = {13};
        t->m_bRecognizeEol = 1;
        t->m_eolReplace = {13, 10};
        t->m_bReplaceEol = 1;
        t->m_bCheckPercent = 1;
        t->m_bSkipEmptyLines = 1;
        t->m_header = {18, 0};
        t->m_trailer = {20};
        t->m_nDelaySeconds = 65;
        t->m_strFolder = "/home/op/progs é";
        t->m_nSkipComments = 5;
        t->m_bSkipNonPrintable = 1;
        t->m_dwReserved = 0xDEADBEEF;
        t->m_byReserved1 = 7;
        t->m_byReserved2 = 9;
    }
    return c;
}

}  // namespace

TEST_F(SettingsFile, EmptyListIsSixteenBytes) {
    CSettings settings(path_);
    settings.m_nSelected = -1;
    EXPECT_EQ(settings.Save(), "");
    EXPECT_EQ(ReadFile(path_), U32(3122361) + U32(13) + U32(0) + U32(0xFFFFFFFF));
}

TEST_F(SettingsFile, RecordBytesInOrder) {
    CSettings settings(path_);
    auto c = std::make_unique<CPortConfig>();
    c->m_strName = "Mill";
    c->m_send.m_header = {37};
    c->m_arrFiles = {"/p"};
    settings.Add(std::move(c));
    settings.m_nSelected = 0;

    std::string direction_send = U32(0) + U32(0) + U32(0) + U32(0) + U32(0) + U32(0) + U32(1) +
                                 "%" + U32(0) + U32(0) + std::string(1, '\0') + U32(0) + U32(0) +
                                 U32(0) + std::string(2, '\0');
    std::string direction_receive = U32(0) + U32(0) + U32(2) + "\x0a\x0d" + U32(1) + U32(0) +
                                    U32(0) + U32(0) + U32(0) + U32(0) + std::string(1, '\0') +
                                    U32(0) + U32(1) + U32(0) + std::string(2, '\0');
    std::string expected = U32(3122361) + U32(13) + U32(1) + U32(0) + "\x04Mill" + U32(9600) +
                           "\x08" + std::string(2, '\0') + U32(1) + "\x11\x13" + U32(0) +
                           direction_send + direction_receive + U32(1) + "\x02/p";
    EXPECT_EQ(settings.Serialize(), expected);
}

TEST_F(SettingsFile, RoundTripKeepsEverythingButSkipLineNumbers) {
    CSettings settings(path_);
    settings.Add(FullConfig("Lathe"));
    settings.Add(FullConfig("Фреза"));  // not in Windows-1252: stored as UTF-16
    settings.GetAt(0)->m_send.m_bSkipLineNumbers = 1;
    settings.m_nSelected = 1;
    ASSERT_EQ(settings.Save(), "");

    CSettings loaded(path_);
    EXPECT_EQ(loaded.Load(), "");
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.m_nSelected, 1);
    EXPECT_EQ(loaded.GetAt(0)->m_send.m_bSkipLineNumbers, 0);
    loaded.GetAt(0)->m_send.m_bSkipLineNumbers = 1;
    EXPECT_EQ(*loaded.GetAt(0), *settings.GetAt(0));
    EXPECT_EQ(*loaded.GetAt(1), *settings.GetAt(1));
    EXPECT_FALSE(fs::exists(path_ + "_old"));
}

TEST_F(SettingsFile, MissingFileIsSilentAndKeepsTheList) {
    CSettings settings(path_);
    settings.Add(std::make_unique<CPortConfig>());
    EXPECT_EQ(settings.Load(), "");
    EXPECT_EQ(settings.GetCount(), 1);
}

TEST_F(SettingsFile, SaveFailureIsReported) {
    fs::create_directories(path_);  // a folder where the file should be
    CSettings settings(path_);
    const std::string message = settings.Save();
    EXPECT_EQ(
        message.rfind(
            "Can't open file: " + path_ + ".\nPort configuration settings won't be saved.", 0),
        0u)
        << message;
}

TEST_F(SettingsFile, UnreadableFileIsNeverWrittenOver) {
    AsUnprivileged(dir_, [&] {
        {
            CSettings shop(path_);
            shop.Add(FullConfig("Lathe"));
            ASSERT_EQ(shop.Save(), "");
        }
        const std::string original = ReadFile(path_);
        fs::permissions(path_, fs::perms::none);

        CSettings settings(path_);
        const std::string message = settings.Load();
        EXPECT_NE(message.find("Can't read file: " + path_), std::string::npos) << message;
        EXPECT_EQ(settings.GetCount(), 0);
        settings.Add(std::make_unique<CPortConfig>());
        EXPECT_EQ(settings.Save(), "");

        const std::string aside = path_ + "_unreadable";
        fs::permissions(aside, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(ReadFile(aside), original);
        CSettings reread(path_);
        EXPECT_EQ(reread.Load(), "");
        ASSERT_EQ(reread.GetCount(), 1);
        EXPECT_EQ(reread.GetAt(0)->m_strName, "New Config");
        // A second save writes the new file again and leaves the kept one alone.
        EXPECT_EQ(settings.Save(), "");
        EXPECT_EQ(ReadFile(aside), original);
    });
}

TEST_F(SettingsFile, SaveCreatesTheConfigFolder) {
    CSettings settings((dir_ / "sub" / "tarvik" / "port.cfg").string());
    EXPECT_EQ(settings.Save(), "");
    EXPECT_TRUE(fs::exists(dir_ / "sub" / "tarvik" / "port.cfg"));
}

TEST_F(SettingsFile, HeaderlessSevenIsWrongFormatAndKept) {
    const std::string bytes = U32(7) + U32(0) + U32(0);
    WriteFile(bytes);
    CSettings settings(path_);
    settings.Add(std::make_unique<CPortConfig>());
    const std::string message = settings.Load();
    EXPECT_EQ(message.rfind("Wrong config file format.", 0), 0u) << message;
    EXPECT_EQ(settings.GetCount(), 0);
    EXPECT_FALSE(fs::exists(path_ + "_old"));
    EXPECT_EQ(ReadFile(path_ + "_damaged"), bytes);
    EXPECT_EQ(ReadFile(path_), bytes);  // untouched until the next Save
}

namespace {

// A fixed record of the headerless versions 2 to 6.
std::string FixedRecord(int version) {
    static const std::size_t kSize[] = {0, 0, 72, 92, 100, 140, 144};
    std::string r(kSize[version], '\0');
    auto put = [&r](std::size_t at, std::string_view s) { r.replace(at, s.size(), s); };
    put(0, "Fanuc \xC4");  // Windows-1252 A-umlaut
    put(52, U32(4800));
    r[56] = 7;
    r[57] = 2;
    r[58] = 2;
    put(60, U32(2));
    r[64] = 17;
    r[65] = 19;
    if (version == 2) {
        put(68, U32(1));
    } else {
        put(66, "\r\n");
        put(77, "\n");
        put(88, U32(1));
    }
    if (version >= 4) {
        put(92, U32(4));
        put(96, U32(1));
    }
    if (version >= 5) {
        put(100, "%");
        put(120, std::string(20, 'E'));  // fills its space: no terminator
    }
    if (version >= 6) put(140, U32(90));
    return r;
}

}  // namespace

TEST_F(SettingsFile, FixedRecordVersions) {
    for (int v = 2; v <= 6; ++v) {
        SCOPED_TRACE(v);
        WriteFile(U32(v) + U32(0) + FixedRecord(v) + FixedRecord(v) + std::string(10, 'x'));
        CSettings settings(path_);
        EXPECT_EQ(settings.Load(), "");
        ASSERT_EQ(settings.GetCount(), 2);
        const CPortConfig& c = *settings.GetAt(1);
        EXPECT_EQ(c.m_strName, "Fanuc Ä");
        EXPECT_EQ(c.m_port.m_dwBaudRate, 4800u);
        EXPECT_EQ(c.m_port.m_byDataBits, 7);
        EXPECT_EQ(c.m_port.m_byParity, 2);
        EXPECT_EQ(c.m_port.m_byStopBits, 2);
        EXPECT_EQ(c.m_port.m_nFlowControl, 2);
        EXPECT_EQ(c.m_send.m_eolReplace, (ByteSequence{13, 10}));
        EXPECT_EQ(c.m_send.m_bReplaceEol, 0);
        EXPECT_EQ(c.m_receive.m_bReplaceEol, 1);
        EXPECT_EQ(c.m_receive.m_eolReplace, v == 2 ? (ByteSequence{10, 13}) : (ByteSequence{10}));
        EXPECT_EQ(c.m_receive.m_bCheckPercent, v >= 3 ? 1 : 0);
        EXPECT_EQ(c.m_port.m_nPort, v >= 4 ? 4 : 0);
        EXPECT_EQ(c.m_send.m_bSkipEmptyLines, v >= 4 ? 1 : 0);
        EXPECT_EQ(c.m_send.m_header, v >= 5 ? (ByteSequence{'%'}) : ByteSequence{});
        EXPECT_EQ(c.m_send.m_trailer, v >= 5 ? ByteSequence(20, 'E') : ByteSequence{});
        EXPECT_EQ(c.m_send.m_nDelaySeconds, v >= 6 ? 90 : 0);
        EXPECT_FALSE(fs::exists(path_ + "_old"));
        EXPECT_FALSE(fs::exists(path_ + "_damaged"));
    }
    // The next Save replaces the old file with the current version.
    CSettings settings(path_);
    settings.Load();
    ASSERT_EQ(settings.Save(), "");
    EXPECT_EQ(ReadFile(path_).substr(0, 8), U32(3122361) + U32(13));
}

TEST_F(SettingsFile, FixedRecordEmptyReceiveLineEndKeepsTheDefault) {
    std::string record = FixedRecord(6);
    record.replace(77, 11, std::string(11, '\0'));
    WriteFile(U32(6) + U32(0) + record);
    CSettings settings(path_);
    EXPECT_EQ(settings.Load(), "");
    ASSERT_EQ(settings.GetCount(), 1);
    EXPECT_EQ(settings.GetAt(0)->m_receive.m_bReplaceEol, 1);
    EXPECT_EQ(settings.GetAt(0)->m_receive.m_eolReplace, (ByteSequence{10, 13}));
}

TEST_F(SettingsFile, FixedRecordV2SendLineEndFlag) {
    std::string record = FixedRecord(2);
    record.replace(68, 4, U32(0));
    WriteFile(U32(2) + U32(0) + record);
    CSettings settings(path_);
    settings.Load();
    ASSERT_EQ(settings.GetCount(), 1);
    EXPECT_EQ(settings.GetAt(0)->m_send.m_eolReplace, (ByteSequence{13}));
}

namespace {

std::string Str(std::string_view s) {
    return std::string(1, static_cast<char>(s.size())) + std::string(s);
}

// An intermediate record (versions 7 to 10).
std::string IntermediateRecord(int v, std::string_view sendEol, std::string_view recvEol) {
    std::string r = Str("Mazak") + U32(2400) + std::string("\x07\x01\x00", 3) + U32(3) + "\x11\x13";
    r += Str(sendEol) + Str(recvEol) + U32(1) + U32(5) + U32(1) + Str("%") + Str("M30") + U32(30) +
         Str("/send");
    if (v == 10) r += Str("/recv");
    if (v >= 9) r += U32(2) + Str("/a.nc") + Str("/b.nc");
    return r;
}

}  // namespace

TEST_F(SettingsFile, IntermediateVersions) {
    for (int v = 7; v <= 10; ++v) {
        SCOPED_TRACE(v);
        WriteFile(U32(3122361) + U32(v) + U32(1) + U32(0) + IntermediateRecord(v, "\r", "\r\r"));
        CSettings settings(path_);
        EXPECT_EQ(settings.Load(), "");
        ASSERT_EQ(settings.GetCount(), 1);
        const CPortConfig& c = *settings.GetAt(0);
        EXPECT_EQ(c.m_strName, "Mazak");
        EXPECT_EQ(c.m_port.m_dwBaudRate, 2400u);
        EXPECT_EQ(c.m_port.m_byDataBits, 7);
        EXPECT_EQ(c.m_port.m_byParity, 1);
        EXPECT_EQ(c.m_port.m_nFlowControl, 3);
        EXPECT_EQ(c.m_port.m_nPort, 5);
        EXPECT_EQ(c.m_send.m_eolReplace, (ByteSequence{13}));
        EXPECT_EQ(c.m_send.m_bReplaceEol, 1);
        EXPECT_EQ(c.m_receive.m_eolRecognize, (ByteSequence{13, 13}));
        EXPECT_EQ(c.m_receive.m_bRecognizeEol, 1);
        EXPECT_EQ(c.m_send.m_bCheckPercent + c.m_receive.m_bCheckPercent, 2);
        EXPECT_EQ(c.m_send.m_bSkipEmptyLines + c.m_receive.m_bSkipEmptyLines, 2);
        EXPECT_EQ(c.m_send.m_header, (ByteSequence{'%'}));
        EXPECT_EQ(c.m_send.m_trailer, (ByteSequence{'M', '3', '0'}));
        EXPECT_EQ(c.m_send.m_nDelaySeconds, 30);
        EXPECT_EQ(c.m_send.m_strFolder, "/send");
        EXPECT_EQ(c.m_receive.m_strFolder, v == 10 ? "/recv" : "/send");
        EXPECT_EQ(c.m_arrFiles, v >= 9 ? (std::vector<std::string>{"/a.nc", "/b.nc"})
                                       : std::vector<std::string>{});
        // Headed files of older versions are moved aside for the next Save.
        EXPECT_FALSE(fs::exists(path_));
        EXPECT_TRUE(fs::exists(path_ + "_old"));
        fs::remove(path_ + "_old");
    }
}

TEST_F(SettingsFile, IntermediateUsualLineEndsMeanNoChange) {
    struct Case {
        const char* sendEol;
        const char* recvEol;
    } cases[] = {{"\r\n", "\n"}, {"\r\n", "\r\n"}, {"", "\n\r"}, {"", ""}};
    for (const Case& k : cases) {
        WriteFile(U32(3122361) + U32(8) + U32(1) + U32(0) +
                  IntermediateRecord(8, k.sendEol, k.recvEol));
        CSettings settings(path_);
        EXPECT_EQ(settings.Load(), "");
        ASSERT_EQ(settings.GetCount(), 1);
        const CPortConfig& c = *settings.GetAt(0);
        EXPECT_EQ(c.m_send.m_bReplaceEol, 0);
        EXPECT_TRUE(c.m_send.m_eolReplace.empty());
        EXPECT_EQ(c.m_receive.m_bRecognizeEol, 0);
        EXPECT_TRUE(c.m_receive.m_eolRecognize.empty());
        // The receive direction keeps its own defaults.
        EXPECT_EQ(c.m_receive.m_bReplaceEol, 1);
        EXPECT_EQ(c.m_receive.m_eolReplace, (ByteSequence{10, 13}));
    }
}

TEST_F(SettingsFile, Version11GivesUniqueDefaultConfigurations) {
    CSettings first(path_);
    WriteFile(U32(3122361) + U32(11) + U32(3) + U32(2));
    EXPECT_EQ(first.Load(), "");
    ASSERT_EQ(first.GetCount(), 3);
    EXPECT_EQ(first.GetAt(0)->m_strName, "New Config");
    EXPECT_EQ(first.GetAt(1)->m_strName, "New Config 2");
    EXPECT_EQ(first.GetAt(2)->m_strName, "New Config 3");
    EXPECT_EQ(first.m_nSelected, 2);
    CPortConfig defaults;
    defaults.m_strName = "New Config 3";
    EXPECT_EQ(*first.GetAt(2), defaults);

    CSettings huge(path_);
    WriteFile(U32(3122361) + U32(11) + U32(0xFFFFFFF0) + U32(0));
    EXPECT_EQ(huge.Load().rfind("Wrong config file format.", 0), 0u);
    EXPECT_EQ(huge.GetCount(), 0);
}

TEST_F(SettingsFile, Version12ReadsWithoutReservedValuesAndIsMovedAside) {
    // A version 12 record is the version 13 record without the reserved values.
    CSettings source(path_);
    source.Add(FullConfig("Okuma"));
    std::string v13 = source.Serialize();
    std::string v12 = U32(3122361) + U32(12) + v13.substr(8);
    // Remove the six reserved bytes after each direction record.
    common::ArchiveWriter name;
    name.WriteString("Okuma");
    const std::size_t port = 16 + name.Data().size() + 17;
    common::ArchiveWriter dir;
    source.GetAt(0)->m_send.Serialize(dir);
    const std::size_t dirSize = dir.Data().size();
    v12.erase(port + dirSize - 6, 6);
    v12.erase(port + 2 * dirSize - 12, 6);
    WriteFile(v12);

    CSettings settings(path_);
    EXPECT_EQ(settings.Load(), "");
    ASSERT_EQ(settings.GetCount(), 1);
    CPortConfig expected = *source.GetAt(0);
    for (TRANSFER_CONFIG* t : {static_cast<TRANSFER_CONFIG*>(&expected.m_send),
                               static_cast<TRANSFER_CONFIG*>(&expected.m_receive)}) {
        t->m_dwReserved = 0;
        t->m_byReserved1 = 0;
        t->m_byReserved2 = 0;
    }
    EXPECT_EQ(*settings.GetAt(0), expected);
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_EQ(ReadFile(path_ + "_old"), v12);
}

TEST_F(SettingsFile, TruncationAtEveryOffsetKeepsCompleteConfigurations) {
    CSettings source(path_);
    source.Add(FullConfig("A"));
    source.Add(FullConfig("B"));
    source.Add(FullConfig("C"));
    const std::string full = source.Serialize();
    std::vector<std::size_t> ends;  // where each record ends
    {
        std::size_t at = 16;
        for (int i = 0; i < source.GetCount(); ++i) {
            common::ArchiveWriter w;
            source.GetAt(i)->Serialize(w);
            at += w.Data().size();
            ends.push_back(at);
        }
        ASSERT_EQ(at, full.size());
    }
    for (std::size_t length = 0; length <= full.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string prefix = full.substr(0, length);
        WriteFile(prefix);
        fs::remove(path_ + "_damaged");
        CSettings settings(path_);
        const std::string message = settings.Load();
        int complete = 0;
        for (std::size_t end : ends) complete += end <= length ? 1 : 0;
        ASSERT_EQ(settings.GetCount(), complete);
        for (int i = 0; i < complete; ++i) EXPECT_EQ(*settings.GetAt(i), *source.GetAt(i));
        const bool damaged = length > 0 && length < full.size();
        EXPECT_EQ(!message.empty(), damaged) << message;
        if (damaged) {
            EXPECT_EQ(message.rfind("Wrong config file format.", 0), 0u);
            EXPECT_EQ(ReadFile(path_ + "_damaged"), prefix);
        }
        EXPECT_EQ(ReadFile(path_), prefix);
    }
}

TEST_F(SettingsFile, HugeCountsFailWithoutHugeAllocations) {
    // A count of four billion configurations or files in a small file.
    WriteFile(U32(3122361) + U32(13) + U32(0xFFFFFFFF) + U32(0));
    CSettings settings(path_);
    EXPECT_FALSE(settings.Load().empty());

    CSettings one(path_);
    one.Add(FullConfig("A"));
    one.GetAt(0)->m_arrFiles.clear();
    std::string bytes = one.Serialize();
    ASSERT_EQ(bytes.substr(bytes.size() - 4), U32(0));
    bytes.replace(bytes.size() - 4, 4, U32(0xFFFFFFFF));
    WriteFile(bytes + "\x01x");
    CSettings two(path_);
    EXPECT_FALSE(two.Load().empty());
    EXPECT_EQ(two.GetCount(), 0);
}

TEST(DefaultConfigPath, BesideTheProgramElseUserFolder) {
    const fs::path here = fs::temp_directory_path();
    EXPECT_EQ(DefaultConfigPath(here), here / "port.cfg");
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(DefaultConfigPath("/no/such/folder"), fs::path("/xdg/conf/tarvik/port.cfg"));
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/op", 1);
    EXPECT_EQ(DefaultConfigPath("/no/such/folder"), fs::path("/home/op/.config/tarvik/port.cfg"));
    ::setenv("HOME", home.c_str(), 1);
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(DefaultConfigPath, AnInstalledProgramUsesTheUserFolderEvenWhenItsFolderIsWritable) {
    const fs::path prefix = fs::temp_directory_path() / ("prefix-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/tarvik/help/sendrik");
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(DefaultConfigPath(prefix / "bin"), fs::path("/xdg/conf/tarvik/port.cfg"));
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(prefix);
}
