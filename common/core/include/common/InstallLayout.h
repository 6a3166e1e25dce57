#pragma once

#include <filesystem>

namespace common {

// Where the suite's shared files are for a program in `programDir`: the data folder of
// the installed layout (<prefix>/share/tarvik for a program in <prefix>/bin), found from
// the program's own folder so that any installation prefix works.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programDir);

// True when `programDir` is the program folder of an installed suite (its data folder is
// there). An installed program keeps its writable files in the per-user configuration
// folder even when its own folder happens to be writable (root, a prefix in $HOME).
bool IsInstalledProgramFolder(const std::filesystem::path& programDir);

}  // namespace common
