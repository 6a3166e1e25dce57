#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "calc/SettingsStore.h"
#include "calc/TestCalcEnv.h"
#include "common/AtomicFile.h"
#include "common/testing/Unprivileged.h"

namespace calc {
namespace {

namespace fs = std::filesystem;

using common::testing::AsUnprivileged;

class SettingsStoreTest : public ::testing::Test {
protected:
    void WriteRaw(const std::string& text) {
        std::ofstream out(File(), std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string ReadRaw() { return common::ReadWholeFile(File()).value_or("<missing>"); }
    fs::path File() { return t.settings.FileFor("Arbormate"); }
    std::vector<std::string> FolderEntries() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(t.folder)) names.push_back(e.path().filename());
        return names;
    }

    TestCalcEnv t;
    SettingsStore& store = t.settings;
};

TEST_F(SettingsStoreTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "");
    ASSERT_TRUE(store.SaveSetting("Arbormate", "Calcs", "Language", "German"));
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Other"), "");
    EXPECT_EQ(store.GetSetting("Arbormate", "Other", "Language"), "");
    EXPECT_EQ(store.GetSetting("Elsewhere", "Calcs", "Language"), "");
    EXPECT_EQ(File().filename(), "Arbormate.ini");
    EXPECT_EQ(ReadRaw(), "[Calcs]\nLanguage=German\n");
}

TEST_F(SettingsStoreTest, NamesMatchWithoutLetterCase) {
    ASSERT_TRUE(store.SaveSetting("Arbormate", "DecimalPlaces", "SpeedFeed", "3"));
    EXPECT_EQ(store.GetSetting("Arbormate", "DecimalPlaces", "Speedfeed"), "3");
    EXPECT_EQ(store.GetSetting("Arbormate", "DECIMALPLACES", "speedfeed"), "3");
    // Writing under another spelling replaces the same entry.
    ASSERT_TRUE(store.SaveSetting("Arbormate", "decimalplaces", "Speedfeed", "5"));
    EXPECT_EQ(store.GetSetting("Arbormate", "DecimalPlaces", "SpeedFeed"), "5");
    EXPECT_EQ(ReadRaw(), "[DecimalPlaces]\nSpeedFeed=5\n");
    // Values keep their case.
    ASSERT_TRUE(store.SaveSetting("Arbormate", "InchMetric", "SurfaceFin", "METRIC SYSTEM"));
    EXPECT_EQ(store.GetSetting("Arbormate", "InchMetric", "Surfacefin"), "METRIC SYSTEM");
}

TEST_F(SettingsStoreTest, ValuesReadBackExactly) {
    const std::vector<std::string> values = {
        "",      "  lead", "trail  ",  " both ",          "a=b=c", "\"quoted\"", "\"",
        "x\"",   "\"\"",   "Müller ß", "; not a comment", "[x]",   "tab\tin",    "\tedge\t",
        "#hash", "=",      "1:50",
    };
    for (const std::string& value : values) {
        ASSERT_TRUE(store.SaveSetting("Arbormate", "Values", "Key", value)) << value;
        EXPECT_EQ(store.GetSetting("Arbormate", "Values", "Key"), value) << value;
        ASSERT_TRUE(store.SaveSetting("Arbormate", "Values", "Other", value)) << value;
    }
    EXPECT_EQ(store.GetSetting("Arbormate", "Values", "Other"), values.back());
}

TEST_F(SettingsStoreTest, HandEditedBlanksAroundNamesAndValuesAreIgnored) {
    WriteRaw("  [ Calcs ]  \n  Language =  German  \n");
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "German");
}

TEST_F(SettingsStoreTest, RefusesWhatCannotBeStored) {
    ASSERT_TRUE(store.SaveSetting("Arbormate", "Calcs", "Language", "English"));
    const std::string before = ReadRaw();
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "Language", "two\nlines"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "Language", "cr\r"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "Key=1", "x"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "", "x"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "[Key", "x"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "Ca]lcs", "Key", "x"));
    EXPECT_FALSE(store.SaveSetting("Arbormate", "", "Key", "x"));
    EXPECT_FALSE(store.SaveSetting("../Arbormate", "Calcs", "Key", "x"));
    EXPECT_FALSE(store.SaveSetting("", "Calcs", "Key", "x"));
    EXPECT_FALSE(store.LastError().empty());
    EXPECT_EQ(ReadRaw(), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Arbormate.ini"});
}

TEST_F(SettingsStoreTest, WritesKeepEveryOtherLine) {
    WriteRaw(
        "; written by hand\n"
        "stray=before any section\n"
        "[Calcs]\n"
        "Language=German\n"
        "garbage line without equals\n"
        "[Unclosed section\n"
        "\n"
        "[DecimalPlaces]\n"
        "# another comment\n"
        "Keyway = 2\n"
        "=no name\n"
        "\n"
        "[calcs]\n"
        "Language=French\n");
    // The first section of a name wins.
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "German");
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "stray"), "");
    ASSERT_TRUE(store.SaveSetting("Arbormate", "Calcs", "Language", "English"));
    ASSERT_TRUE(store.SaveSetting("Arbormate", "decimalplaces", "Polygon", "3"));
    ASSERT_TRUE(store.SaveSetting("Arbormate", "decimalplaces", "KEYWAY", "1"));
    ASSERT_TRUE(store.SaveSetting("Arbormate", "ShaftTaper", "DecPlaces", "5"));
    EXPECT_EQ(ReadRaw(),
              "; written by hand\n"
              "stray=before any section\n"
              "[Calcs]\n"
              "Language=English\n"
              "garbage line without equals\n"
              "[Unclosed section\n"
              "\n"
              "[DecimalPlaces]\n"
              "# another comment\n"
              "Keyway=1\n"
              "=no name\n"
              "Polygon=3\n"
              "\n"
              "[calcs]\n"
              "Language=French\n"
              "\n"
              "[ShaftTaper]\n"
              "DecPlaces=5\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Arbormate.ini"});  // no temp file left
}

TEST_F(SettingsStoreTest, DamagedFileNeverCrashes) {
    static const char kStart[] =
        "\xEF\xBB\xBF[Calcs]\r\nLanguage=German\r\n\0\x01\xFF[\n=\n[]\n]]]\n";
    std::string junk(kStart, sizeof kStart - 1);
    junk += std::string(3000, '[') + "\n" + std::string(2000, '=') + "\nKey";  // no final newline
    WriteRaw(junk);
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "German");
    ASSERT_TRUE(store.SaveSetting("Arbormate", "Calcs", "Language", "French"));
    EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "French");
    const std::string after = ReadRaw();
    EXPECT_EQ(after.substr(0, 3), "\xEF\xBB\xBF");                    // the byte-order mark stays
    EXPECT_NE(after.find("Language=French\r\n"), std::string::npos);  // line ends stay
    EXPECT_NE(after.find(std::string(3000, '[')), std::string::npos);
    EXPECT_NE(after.find(std::string("\0\x01\xFF[", 4)), std::string::npos);
}

TEST_F(SettingsStoreTest, ExternalEditIsSeenAtTheNextRead) {
    ASSERT_TRUE(store.SaveSetting("Arbormate", "InchMetric", "SpeedFeed", "Inch"));
    EXPECT_EQ(store.GetSetting("Arbormate", "InchMetric", "SpeedFeed"), "Inch");
    WriteRaw("[InchMetric]\nSpeedFeed=Metric\n");
    EXPECT_EQ(store.GetSetting("Arbormate", "InchMetric", "SpeedFeed"), "Metric");
    // A second store on the same folder (another program instance) sees it too.
    SettingsStore other(t.folder);
    ASSERT_TRUE(other.SaveSetting("Arbormate", "InchMetric", "ShaftTaper", "Metric"));
    EXPECT_EQ(store.GetSetting("Arbormate", "InchMetric", "ShaftTaper"), "Metric");
    EXPECT_EQ(store.GetSetting("Arbormate", "InchMetric", "SpeedFeed"), "Metric");
}

TEST_F(SettingsStoreTest, MissingFolderIsCreated) {
    SettingsStore nested(t.folder / "a" / "b");
    EXPECT_EQ(nested.GetSetting("Arbormate", "Calcs", "Language"), "");
    ASSERT_TRUE(nested.SaveSetting("Arbormate", "Calcs", "Language", "English"));
    EXPECT_EQ(nested.GetSetting("Arbormate", "Calcs", "Language"), "English");
    EXPECT_TRUE(fs::exists(t.folder / "a" / "b" / "Arbormate.ini"));
}

TEST_F(SettingsStoreTest, UnreadableFileIsNotReplaced) {
    AsUnprivileged(t.folder, [&] {
        WriteRaw("[Calcs]\nLanguage=German\n[Other]\nKey=keep me\n");
        ::chmod(File().c_str(), 0);
        EXPECT_EQ(store.GetSetting("Arbormate", "Calcs", "Language"), "");
        EXPECT_FALSE(store.SaveSetting("Arbormate", "Calcs", "Language", "English"));
        EXPECT_FALSE(store.LastError().empty());
        ::chmod(File().c_str(), 0644);
        EXPECT_EQ(store.GetSetting("Arbormate", "Other", "Key"), "keep me");
    });
}

TEST_F(SettingsStoreTest, FolderThatCannotBeWrittenReportsFailure) {
    WriteRaw("blocker");
    SettingsStore blocked(File() / "sub");  // a file stands where the folder should be
    EXPECT_FALSE(blocked.SaveSetting("Arbormate", "Calcs", "Language", "English"));
    EXPECT_FALSE(blocked.LastError().empty());
    EXPECT_EQ(blocked.GetSetting("Arbormate", "Calcs", "Language"), "");
    EXPECT_EQ(ReadRaw(), "blocker");
}

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsStoreFolder, DefaultFolderOrder) {
    {
        ScopedEnv a("TARVIK_CONFIG_DIR", "/tmp/tv-config");
        ScopedEnv b("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(SettingsStore::DefaultFolder(), fs::path("/tmp/tv-config"));
    }
    {
        ScopedEnv a("TARVIK_CONFIG_DIR", "");
        ScopedEnv b("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(SettingsStore::DefaultFolder(), fs::path("/tmp/xdg/tarvik"));
    }
    {
        ScopedEnv a("TARVIK_CONFIG_DIR", nullptr);
        ScopedEnv b("XDG_CONFIG_HOME", nullptr);
        ScopedEnv c("HOME", "/home/machinist");
        EXPECT_EQ(SettingsStore::DefaultFolder(), fs::path("/home/machinist/.config/tarvik"));
    }
}

}  // namespace
}  // namespace calc
