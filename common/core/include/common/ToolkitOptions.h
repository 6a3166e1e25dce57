#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace common {

// The window toolkit's own command-line options (-platform NAME, -style=NAME, --reverse,
// -display HOST:0, ...), which the application object takes out of the arguments before
// a window program reads them. Returns how many arguments from args[i] on make up one
// such option (1 or 2), or 0 when args[i] is not one.
std::size_t ToolkitOptionLength(const std::vector<std::string>& args, std::size_t i);

}  // namespace common
