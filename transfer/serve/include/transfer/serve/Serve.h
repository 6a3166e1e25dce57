#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace sendrik::serve {

// What `sendrik serve [--machines FILE] [--config-file PATH] [--log FILE] [--check]`
// was given.
struct ServeOptions {
    std::string machinesFile;            // empty: ~/.config/tarvik/machines.conf
    std::string configFile;              // the port configurations in use
    std::optional<std::string> logFile;  // none: $XDG_STATE_HOME/tarvik/sendrik-serve.jsonl
    bool check = false;                  // read and check everything, then exit
};

// Runs until SIGTERM or SIGINT and re-reads the machines file on SIGHUP; needs a
// QCoreApplication. Returns the exit status: 0 stopped by SIGTERM (or --check found
// nothing wrong), 130 by SIGINT (Ctrl+C), 1 failed, 2 a wrong machines file.
int RunServe(const ServeOptions& options, std::ostream& out, std::ostream& err);

// The usage text of the serve command.
std::string ServeUsageText();

}  // namespace sendrik::serve
