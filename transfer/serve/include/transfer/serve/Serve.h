#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sendrik::serve {

// `sendrik serve [--machines FILE] [--config-file PATH] [--log FILE] [--check]`: the
// arguments after "serve". Runs until SIGTERM or SIGINT and re-reads the machines file
// on SIGHUP; needs a QCoreApplication. Returns the exit status: 0 stopped by SIGTERM
// (or --check found nothing wrong), 130 by SIGINT (Ctrl+C), 1 failed, 2 a wrong
// argument or machines file.
int RunServe(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
             std::ostream& err);

// The usage text of the serve command.
std::string ServeUsageText();

}  // namespace sendrik::serve
