// Scarrow: `scarrow search ...` searches on the command line; anything else starts the
// window program beside this one. This program links no Qt, so a command-line search
// does not pay for loading the window libraries.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "search/Config.h"
#include "search/SearchCommand.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "search")
        return scarrow::RunSearchCommand(argc, argv, std::cout, std::cerr);

    const std::filesystem::path self = scarrow::ProgramFilePath();
    if (self.empty()) {
        std::cerr << "scarrow: cannot start the search window: the folder of this program is "
                     "unknown (/proc is not mounted?)\n";
        return scarrow::kExitError;
    }
    // argv[0] stays as the user typed it: the window calls itself "scarrow".
    const std::filesystem::path window = self.parent_path() / "scarrow-window";
    ::execv(window.c_str(), argv);
    const int error = errno;
    std::cerr << "scarrow: cannot start the search window " << window.string() << ": "
              << std::strerror(error) << '\n';
    return scarrow::kExitError;
}
