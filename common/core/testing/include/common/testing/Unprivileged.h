#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace common::testing {

// The super-user reads every file, so a test of an unreadable file proves nothing as
// root. When the tests run as root, `body` runs as nobody in a child process, with
// `folder` handed over to nobody; otherwise it simply runs. Failures inside `body` fail
// the test.
template <class Body>
void AsUnprivileged(const std::filesystem::path& folder, Body body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        body();
        std::fflush(stdout);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace common::testing
