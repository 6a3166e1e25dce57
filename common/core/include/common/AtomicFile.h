#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Writes `data` to a temporary file in the same folder, flushes it to disk and
// renames it over `path`, so a crash never leaves a half-written file behind.
// On failure returns false and puts a readable reason in `error` (when given).
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error = nullptr);

// Reads a whole file. Returns nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace common
