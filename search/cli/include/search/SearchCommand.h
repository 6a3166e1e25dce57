#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "search/SearchEngine.h"

namespace scarrow {

// The exit status of `scarrow search`, in one place.
enum SearchExitStatus : int {
    kExitMatched = 0,  // at least one file matched
    kExitNoMatch = 1,  // the search ran and no file matched
    kExitError = 2,    // bad command line or criteria; the reason is on `err`
};

// `scarrow search [options] FOLDER WORD...`; `args` are the arguments after "search".
// Prints the matching files' paths (or, with --occurrences, PATH:LINE:COLUMN:WORD lines)
// on `out` as they are found and returns a SearchExitStatus.
int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const SearchOptions& options = {});
// The same for main()'s arguments, argv[1] being "search".
int RunSearchCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

// The --help text.
std::string SearchCommandUsage();

}  // namespace scarrow
