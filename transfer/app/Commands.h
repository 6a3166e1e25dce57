#pragma once

// The subcommands behind RunCommand: each adds its options to the parser, checks what
// was given once parsing is done, and does its work.

#include <ostream>
#include <string>

#include "CommandLine.h"

namespace CLI {
class App;
}

namespace sendrik::cli {

struct CommandEntry {
    Command command;
    const char* name;
    // Adds the command's options and operands to `app`, stored into `options`.
    void (*define)(CLI::App& app, Options& options);
    // After parsing: sets options.error when the arguments do not fit together.
    void (*check)(Options& options);
    // `configPath` is the configuration file in use.
    int (*run)(const Options& options, const std::string& configPath, std::ostream& out,
               std::ostream& err);
};

// send, receive and preview share one set of options (TransferCommands.cpp).
void DefineTransferOptions(CLI::App& app, Options& options);
void CheckTransferOptions(Options& options);
int RunTransfer(const Options& options, const std::string& configPath, std::ostream& out,
                std::ostream& err);

// configs and its subcommands (ConfigCommands.cpp).
void DefineConfigsOptions(CLI::App& app, Options& options);
void CheckConfigsOptions(Options& options);
int RunConfigs(const Options& options, const std::string& configPath, std::ostream& out,
               std::ostream& err);

// ports (PortsCommand.cpp).
int RunPorts(const Options& options, const std::string& configPath, std::ostream& out,
             std::ostream& err);

// serve (ServeCommand.cpp).
void DefineServeOptions(CLI::App& app, Options& options);
int RunServeCommand(const Options& options, const std::string& configPath, std::ostream& out,
                    std::ostream& err);

}  // namespace sendrik::cli
