// What the server decides about programs: their names, backups instead of overwriting,
// which requested files may go out on the line, and the log line.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "transfer/ServeRules.h"

using namespace sendrik;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/serve-rules-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

}  // namespace

TEST(ReceivedNames, FollowTheRuleAndFallBackToTheTime) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 14;
    t.tm_min = 30;
    t.tm_sec = 5;
    t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);
    const std::string time = "20261210-143005.nc";
    struct Case {
        std::string program;
        NameFrom rule;
        std::string name;
    };
    const std::string longComment = "(" + std::string(120, 'A') + ")";
    const Case cases[] = {
        {"%\nO1234 (BRACKET)\nG0 X0\n%\n", NameFrom::ProgramNumber, "O1234.nc"},
        {"%\r\n  O0012\r\n", NameFrom::ProgramNumber, "O0012.nc"},
        {std::string("\0\0\x12O77\n", 7), NameFrom::ProgramNumber, "O77.nc"},  // after a leader
        {"G0 O55\nO12345678\n", NameFrom::ProgramNumber, "O12345678.nc"},      // not at line start
        {"O123456789\n", NameFrom::ProgramNumber, time},                       // nine digits
        {"N10 G0\n", NameFrom::ProgramNumber, time},
        {"O12 (BRACKET OP2)\n", NameFrom::FirstComment, "BRACKET_OP2.nc"},
        {"( r\xc3\xa9v/2*a.b )\n", NameFrom::FirstComment, "r__v_2_a.b.nc"},
        {"(..hidden)\n", NameFrom::FirstComment, "__hidden.nc"},
        {"(../../etc/passwd)\n", NameFrom::FirstComment, "___.._etc_passwd.nc"},
        {"(   )\n", NameFrom::FirstComment, time},
        {"(unclosed\n", NameFrom::FirstComment, time},
        {longComment, NameFrom::FirstComment, std::string(97, 'A') + ".nc"},
        {"O1234\n", NameFrom::Time, time},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReceivedFileName(c.program, c.rule, when), c.name) << c.program;
    EXPECT_EQ(ReceivedFileName("O1\n", NameFrom::ProgramNumber, when, true), "O1.partial.nc");
    EXPECT_EQ(ReceivedFileName(longComment, NameFrom::FirstComment, when, true).size(), 100u);
}

TEST_F(TempFolder, ReceivedProgramsNeverOverwriteOneAnother) {
    std::string error;
    for (const char* text : {"first", "second", "third"})
        ASSERT_TRUE(SaveReceived(root, "O1.nc", text, error)) << error;
    EXPECT_EQ(Read(root / "O1.nc"), "third");
    EXPECT_EQ(Read(root / "O1.nc.~1~"), "first");
    EXPECT_EQ(Read(root / "O1.nc.~2~"), "second");
    // Numbering continues above the highest backup, as cp --backup=numbered does.
    Write(root / "O1.nc.~9~", "old");
    fs::remove(root / "O1.nc.~1~");
    EXPECT_EQ(NextBackupName(root, "O1.nc"), "O1.nc.~10~");
    EXPECT_EQ(NextBackupName(root, "O2.nc"), "O2.nc.~1~");
    // No temporary file is left behind.
    int count = 0;
    for (const auto& entry : fs::directory_iterator(root))
        count += entry.path().filename().string().front() == '.';
    EXPECT_EQ(count, 0);
}

TEST_F(TempFolder, AReceiveIsWrittenAsItArrivesAndLeavesNothingWhenDropped) {
    std::string error;
    {
        ReceivedFile dropped;
        ASSERT_TRUE(dropped.Create(root, error)) << error;
        dropped.Write(reinterpret_cast<const std::uint8_t*>("O9999"), 5);
    }  // neither committed nor discarded: removed
    ReceivedFile file;
    ASSERT_TRUE(file.Create(root, error)) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
    for (const char* part : {"%\nO12\n", "G0 X1\n", "%\n"})
        file.Write(reinterpret_cast<const std::uint8_t*>(part), std::strlen(part));
    ASSERT_EQ(file.Commit("O12.nc", error), (root / "O12.nc").string()) << error;
    EXPECT_EQ(Read(root / "O12.nc"), "%\nO12\nG0 X1\n%\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
    EXPECT_FALSE(file.Create((root / "nowhere").string(), error));
    EXPECT_NE(error.find("nowhere"), std::string::npos);
}

TEST_F(TempFolder, ALinkInTheReceiveFolderIsReplacedNotWrittenThrough) {
    fs::create_directory(root / "in");
    Write(root / "outside.txt", "precious");
    fs::create_symlink(root / "outside.txt", root / "in" / "O7.nc");
    std::string error;
    ASSERT_TRUE(SaveReceived(root / "in", "O7.nc", "received", error)) << error;
    EXPECT_EQ(Read(root / "outside.txt"), "precious");
    EXPECT_FALSE(fs::is_symlink(root / "in" / "O7.nc"));
    EXPECT_EQ(Read(root / "in" / "O7.nc"), "received");
    EXPECT_TRUE(fs::is_symlink(root / "in" / "O7.nc.~1~"));

    fs::create_directory(root / "in" / "O8.nc");
    EXPECT_FALSE(SaveReceived(root / "in", "O8.nc", "x", error));
    EXPECT_NE(error.find("O8.nc"), std::string::npos);
}

TEST_F(TempFolder, RequestsFindOnlyFilesInsideTheSendFolders) {
    const fs::path mill = root / "mill", common = root / "common";
    fs::create_directories(mill);
    fs::create_directories(common);
    fs::create_directories(root / "other");
    Write(mill / "o1234.NC", "mill");
    Write(common / "O1234.nc", "common");
    Write(common / "BRACKET-OP2.tap", "tap");
    Write(common / "BRACKET-OP2.txt", "txt");
    Write(root / "secret", "secret");
    Write(root / "other" / "O5.nc", "other");
    fs::create_symlink(root / "secret", common / "O66.nc");
    fs::create_symlink(root / "other" / "O5.nc", common / "O5");
    fs::create_symlink(common / "BRACKET-OP2.tap", mill / "SHARED.nc");
    fs::create_directory(mill / "O9.nc");
    const std::vector<std::string> folders = {mill, common};

    struct Case {
        const char* name;
        std::string path;  // empty: nothing sent
        const char* problem;
    };
    const Case cases[] = {
        {"O1234", mill / "o1234.NC", ""},                 // first folder first, any case
        {"bracket-op2", common / "BRACKET-OP2.tap", ""},  // extensions in order
        {"BRACKET-OP2.txt", common / "BRACKET-OP2.txt", ""},
        {"SHARED", common / "BRACKET-OP2.tap", ""},  // a link between send folders
        {"O4321", "", "not found"},
        {"O9", "", "not found"},  // a folder is no program
        {"../secret", "", "refused: the request names a path"},
        {"/etc/passwd", "", "refused: the request names a path"},
        {"..\\secret", "", "refused: the request names a path"},
        {".hidden", "", "refused: the requested name starts with \".\""},
        {"", "", "refused"},
        {"O66", "", "leads out of the send folders"},
        {"O5", "", "leads out of the send folders"},
    };
    for (const Case& c : cases) {
        const RequestLookup found = FindRequested(folders, c.name);
        EXPECT_EQ(found.path, c.path) << c.name;
        EXPECT_NE(found.problem.find(c.problem), std::string::npos)
            << c.name << " gave: " << found.problem;
    }
}

TEST(TransferLog, OneJsonObjectALine) {
    LogRecord record;
    record.time = 0;
    record.machine = "Mill \"1\"\\";
    record.direction = "received";
    record.file = "/srv/nc/O1.nc\n\xff";
    record.bytes = 301234;
    record.result = "ok";
    const std::string line = JsonLogLine(record);
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_NE(line.find(R"("machine":"Mill \"1\"\\")"), std::string::npos) << line;
    EXPECT_NE(line.find(R"("file":"/srv/nc/O1.nc\u000a)"
                        "\xef\xbf\xbd\""),
              std::string::npos)
        << line;
    EXPECT_NE(line.find(R"("bytes":301234,"result":"ok"})"), std::string::npos) << line;
    EXPECT_NE(line.find("\"time\":\"19"), std::string::npos) << line;
    EXPECT_EQ(JsonString("\xc3\xa9t\xc3"), "\"\xc3\xa9t\xef\xbf\xbd\"");
}
