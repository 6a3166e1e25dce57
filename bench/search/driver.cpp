// `scarrow-search-bench search ...` behaves as `scarrow search ...`, without the window
// program: the benchmark uses it when build/bin/scarrow is missing.
#include <iostream>
#include <string_view>

#include "search/SearchCommand.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2 || std::string_view(argv[1]) != "search") {
        std::cerr << "usage: scarrow-search-bench search [OPTIONS] FOLDER WORD...\n";
        return scarrow::kExitError;
    }
    return scarrow::RunSearchCommand(argc, argv, std::cout, std::cerr);
}
