#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sendrik::cli {

// "--open FILE...": how the menu entry starts the window for files opened from the
// desktop. Every argument after the option is a file (taken whole, whatever it starts
// with), to be listed in the window and sent only when the user presses Send: opening a
// file must never transmit it, unlike "sendrik FILE" typed in a shell.
// Takes the option and its files out of `args` (an "--open" after "--" is a file name of
// the arguments before it) and returns the files; nullopt when the option is not there.
std::optional<std::vector<std::string>> TakeOpenedFiles(std::vector<std::string>& args);

}  // namespace sendrik::cli
