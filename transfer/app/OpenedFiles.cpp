#include "OpenedFiles.h"

#include <algorithm>

namespace sendrik::cli {

std::optional<std::vector<std::string>> TakeOpenedFiles(std::vector<std::string>& args) {
    const auto end = std::find(args.begin(), args.end(), std::string("--"));
    const auto open = std::find(args.begin(), end, std::string("--open"));
    if (open == end) return std::nullopt;
    std::vector<std::string> files(open + 1, args.end());
    args.erase(open, args.end());
    return files;
}

}  // namespace sendrik::cli
