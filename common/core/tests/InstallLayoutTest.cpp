#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/InstallLayout.h"

namespace fs = std::filesystem;
using namespace common;

// A program folder counts as installed only when the suite's data folder sits beside it
// as the install rules put it; a build tree or a copied program folder does not.
TEST(InstallLayout, TellsAnInstalledProgramFolderFromABuildTree) {
    const fs::path prefix = fs::temp_directory_path() / ("layout-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "bin");
    EXPECT_EQ(InstalledDataFolder(prefix / "bin"), prefix / "share" / "tarvik");
    EXPECT_FALSE(IsInstalledProgramFolder(prefix / "bin"));

    fs::create_directories(prefix / "share" / "tarvik" / "help");
    EXPECT_TRUE(IsInstalledProgramFolder(prefix / "bin"));
    EXPECT_TRUE(IsInstalledProgramFolder(prefix / "bin/"));
    EXPECT_FALSE(IsInstalledProgramFolder(""));
    fs::remove_all(prefix);
}
