#include <gtest/gtest.h>

#include <filesystem>

#include "common/AtomicFile.h"

namespace fs = std::filesystem;
using namespace common;

TEST(AtomicFile, ReplacesTheFileAndLeavesNoTemporary) {
    const fs::path dir = fs::temp_directory_path() / ("atomic-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "port.cfg";
    ASSERT_TRUE(WriteFileAtomically(file, "first"));
    ASSERT_TRUE(WriteFileAtomically(file, std::string("sec\0nd", 6)));
    EXPECT_EQ(ReadWholeFile(file), std::string("sec\0nd", 6));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(AtomicFile, ReportsAFolderThatDoesNotExist) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-folder/x.cfg", "x", &error));
    EXPECT_NE(error.find("/nonexistent-folder"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile("/nonexistent-folder/x.cfg").has_value());
}
