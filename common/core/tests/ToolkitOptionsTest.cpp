#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ToolkitOptions.h"

using common::ToolkitOptionLength;

TEST(ToolkitOptions, CountsTheToolkitsOptionsWithTheirValues) {
    struct Case {
        std::vector<std::string> args;
        std::size_t length;
    };
    const Case cases[] = {
        {{"-platform", "offscreen"}, 2},
        {{"--platform", "offscreen", "x"}, 2},
        {{"-platform=offscreen"}, 1},
        {{"-style", "fusion"}, 2},
        {{"-reverse"}, 1},
        {{"--reverse"}, 1},
        {{"-display", ":1"}, 2},
        {{"-platform"}, 1},  // the toolkit itself reports the missing value
        {{"--reverse=1"}, 0},
        {{"--verbose"}, 0},
        {{"-x"}, 0},
        {{"-"}, 0},
        {{"platform", "offscreen"}, 0},
        {{"/tmp/-platform"}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ToolkitOptionLength(c.args, 0), c.length) << c.args[0];
    EXPECT_EQ(ToolkitOptionLength({"-reverse"}, 1), 0u);
}
