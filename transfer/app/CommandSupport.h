#pragma once

// What several subcommands need: checks of the files they are given and reading the
// configuration file.

#include <ostream>
#include <string>

#include "transfer/Settings.h"

namespace sendrik::cli {

// What keeps `path` from being read as a file, as the end of a sentence that starts with
// `what` and the path ("file /cnc/O1000 is a folder"); empty when it is a readable file.
std::string NotReadable(const std::string& what, const std::string& path);

// Whether `path` can take a received program, said before anything is received: an
// existing file stays as it is until the transfer starts, a missing one is created.
std::string NotWritable(const std::string& path);

// Reads the configuration file without touching it: the window renames a file of an
// older version and keeps a copy of a damaged one, since it writes the file again when
// it closes; reading from the command line leaves the file as it is. A damaged file is
// told on `err` and read as far as it goes.
bool LoadSettings(const std::string& path, CSettings& settings, std::ostream& err);

// The configuration named `name` (any case); otherwise says so on `err`, with the names
// there are.
CPortConfig* FindConfig(const CSettings& settings, const std::string& name, const std::string& path,
                        std::ostream& err);

}  // namespace sendrik::cli
