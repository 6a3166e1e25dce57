#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sendrik::cli {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;        // a transfer or a file failed
inline constexpr int kExitUsage = 2;          // the arguments are wrong
inline constexpr int kExitInterrupted = 130;  // stopped by Ctrl+C

enum class Command {
    Window,  // no subcommand: the main window opens
    Help,
    Version,
    Send,
    Receive,
    Preview,  // what a send (or with --receive a receive) would do, without a port
    Configs,
    Ports,
    Serve,  // every machine of the machines file at once
};

// What "configs" does: lists (no word after it), or one of its own subcommands.
enum class ConfigsAction { List, Show, Export, Import, Add, Set, Remove, Rename };

struct Options {
    Command command = Command::Window;
    std::string configFile;                    // --config-file: another "port.cfg"
    std::string configName;                    // --config
    std::string port;                          // --port: a port number or a device path
    std::chrono::milliseconds idleTimeout{0};  // --idle-timeout; 0: none
    bool skipLineNumbers = false;              // --skip-line-numbers: for this send only
    bool previewReceive = false;               // preview --receive
    std::string output;              // preview and configs export --output; empty: standard output
    std::vector<std::string> files;  // configs import: the text file
    ConfigsAction configsAction = ConfigsAction::List;
    std::vector<std::string> names;        // configs: the configuration names it is given
    std::vector<std::string> assignments;  // configs add, set: KEY=VALUE
    std::string like;                      // configs add --like
    bool replace = false;                  // configs import --replace
    std::string helpTopic;     // --help after a command, or "help COMMAND": that command's help
    std::string commandFile;   // window: the file to send when the window first becomes active
    std::string error;         // why the arguments were refused; empty when they are sound
    std::string machinesFile;  // serve --machines; empty: the default
    std::optional<std::string> logFile;  // serve --log; none: the default
    bool serveCheck = false;             // serve --check
};

// Reads the arguments (without the program name). Without a subcommand, an argument that
// holds "/" or "\" names the file the window sends at start (the last one wins), taken
// whole; the window toolkit's own options are left to it and any other option is refused.
// The subcommands are listed in CommandLine.cpp, each with its options and its work.
Options ParseArguments(const std::vector<std::string>& args);

// The --help text.
std::string UsageText();
// The help of "configs": its subcommands and the text form with every key.
std::string ConfigsHelpText();

// The configuration file in use: --config-file, else "port.cfg" in its usual place.
std::string ConfigFilePath(const Options& options, const std::string& programDir);

// Runs a subcommand (anything but Window) and returns the exit status. Send, receive
// and preview need a QCoreApplication. Results (and a preview without --output) go to
// `out`; progress, status and errors to `err`.
int RunCommand(const Options& options, const std::string& programDir, std::ostream& out,
               std::ostream& err);

}  // namespace sendrik::cli
