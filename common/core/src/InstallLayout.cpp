#include "common/InstallLayout.h"

#include <system_error>

#ifndef SUITE_DATA_FROM_BIN
#define SUITE_DATA_FROM_BIN "../share/tarvik"
#endif

namespace common {

namespace fs = std::filesystem;

fs::path InstalledDataFolder(const fs::path& programDir) {
    return (programDir / SUITE_DATA_FROM_BIN).lexically_normal();
}

bool IsInstalledProgramFolder(const fs::path& programDir) {
    if (programDir.empty()) return false;
    std::error_code ec;
    return fs::is_directory(InstalledDataFolder(programDir), ec);
}

}  // namespace common
