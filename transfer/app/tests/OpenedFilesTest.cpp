// "--open FILE...": which arguments become the files listed in the window.

#include <gtest/gtest.h>

#include "OpenedFiles.h"

using sendrik::cli::TakeOpenedFiles;
using Args = std::vector<std::string>;

TEST(OpenedFiles, EveryArgumentAfterTheOptionIsAFile) {
    struct Case {
        Args args;
        std::optional<Args> files;
        Args rest;
    };
    const Case cases[] = {
        {{"/p/a.nc"}, std::nullopt, {"/p/a.nc"}},
        {{"--open"}, Args{}, {}},
        {{"--open", "/p/a.nc", "b.tap"}, Args{"/p/a.nc", "b.tap"}, {}},
        // Names that look like options or hold blanks are files all the same.
        {{"--config-file", "/c/port.cfg", "--open", "-x.nc", "--help", "my prog.nc"},
         Args{"-x.nc", "--help", "my prog.nc"},
         {"--config-file", "/c/port.cfg"}},
        // After "--" the arguments are file names already.
        {{"--", "--open"}, std::nullopt, {"--", "--open"}},
    };
    for (const Case& c : cases) {
        Args args = c.args;
        EXPECT_EQ(TakeOpenedFiles(args), c.files);
        EXPECT_EQ(args, c.rest);
    }
}
