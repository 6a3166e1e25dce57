#include "CommandLine.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <algorithm>

#include "Commands.h"
#include "common/ToolkitOptions.h"
#include "transfer/ConfigText.h"
#include "transfer/Port.h"
#include "transfer/Settings.h"
#include "transfer/serve/Serve.h"

namespace sendrik::cli {

namespace {

// The subcommands. A new one is a row here (with its Command value).
const CommandEntry kCommands[] = {
    {Command::Send, "send", DefineTransferOptions, CheckTransferOptions, RunTransfer},
    {Command::Receive, "receive", DefineTransferOptions, CheckTransferOptions, RunTransfer},
    {Command::Preview, "preview", DefineTransferOptions, CheckTransferOptions, RunTransfer},
    {Command::Configs, "configs", DefineConfigsOptions, CheckConfigsOptions, RunConfigs},
    {Command::Ports, "ports", nullptr, nullptr, RunPorts},
    {Command::Serve, "serve", DefineServeOptions, nullptr, RunServeCommand},
};

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry& entry : kCommands)
        if (name == entry.name) return &entry;
    return nullptr;
}

const char* const kUsage =
    R"(Usage:
  sendrik [--config-file PATH] [FILE]
      Opens the window. A FILE (an argument holding "/") is sent as soon as the
      window is shown, with the configuration and port selected there.
  sendrik [--config-file PATH] --open FILE...
      Opens the window with the FILEs listed, sent only when Send is pressed (the
      menu entry opens files from the desktop this way).
  sendrik send --config NAME [--port N|DEVICE] [--skip-line-numbers] FILE...
      Sends the files in order. The configuration's start delay counts down first.
  sendrik receive --config NAME [--port N|DEVICE] [--idle-timeout SECONDS] FILE
      Receives into FILE until the second "%" (when the configuration checks it),
      Ctrl+C, or SECONDS without data once data has started.
  sendrik preview --config NAME [--skip-line-numbers] [--output OUT] FILE...
      Writes to standard output (or OUT) exactly the bytes "send" would put on the
      line for the files: header, processed text and trailer of each, in order.
      No port is opened and the start delay is not waited for.
  sendrik preview --receive --config NAME [--output OUT] FILE
      Processes FILE as if its bytes arrived on the port and writes what "receive"
      would store.
  sendrik configs
      Lists the configurations with all their settings.
  sendrik configs show NAME
  sendrik configs export [NAME...] [--output FILE]
  sendrik configs import FILE [--replace]
  sendrik configs add NAME [--like OTHER] [KEY=VALUE...]
  sendrik configs set NAME KEY=VALUE...
  sendrik configs remove NAME
  sendrik configs rename OLD NEW
      Configurations as text and changed from the command line; "sendrik configs
      --help" describes them and every KEY.
  sendrik ports
      Lists the serial ports found: number (COM1 to COM30) and device.
  sendrik serve [--machines FILE] [--log FILE] [--check]
      Serves every machine of the machines file at once: receives and names
      programs, answers requests (sendrik serve --help tells more).

Options:
  --config NAME         the port configuration (name as in the window, any case)
  --port N|DEVICE       port number (3 or COM3), device path (/dev/ttyUSB0) or
                        serial device server (tcp:HOST:PORT); default: the
                        configuration's port
  --idle-timeout SECS   receive: stop SECS seconds after the last data (such as
                        30 or 0.5)
  --skip-line-numbers   send, preview: drop "N" line numbers (the window's check
                        box of the same name, which the configuration file does
                        not keep)
  --output OUT          preview: write to OUT instead of standard output ("-")
  --config-file PATH    use this configuration file instead of "port.cfg"
  --help                this text
  --version             the version

The port map "ports.cfg" beside the configuration file gives numbers to
devices, one line each, for example:
  3=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0
A pseudo-terminal (/dev/pts/N) may take only 8 data bits without parity: line
settings it does not take are a warning there, and an error on a serial port.

Progress and messages go to standard error. Exit status: 0 done, 1 failed,
2 wrong arguments or bad values, 130 stopped by Ctrl+C (what was received is
kept).
)";

const char* const kConfigsUsage =
    R"(Usage:
  sendrik configs
      Lists the configurations with all their settings.
  sendrik configs show NAME
      Prints one configuration in the text form below.
  sendrik configs export [NAME...] [--output FILE]
      Prints the configurations named (all by default) in the text form, or
      writes them to FILE.
  sendrik configs import FILE [--replace]
      Adds the configurations of FILE (a text file as export writes it; "-" for
      standard input). A name there is already is an error unless --replace,
      which replaces that configuration where it stands. All or nothing: after
      any error the configuration file is as it was.
  sendrik configs add NAME [--like OTHER] [KEY=VALUE...]
      Makes a new configuration with the settings of the window's New... (or a
      copy of OTHER), then the KEY=VALUE settings.
  sendrik configs set NAME KEY=VALUE...
      Changes settings of a configuration.
  sendrik configs remove NAME
  sendrik configs rename OLD NEW
      Names are unique regardless of case and not empty (blanks around them are
      dropped, as in the window).
Every command takes --config-file PATH. A change writes the configuration file
atomically, as the window does; close the window first, since it writes the
file again when it closes. Exit status: 0 done, 1 failed (a file, or no
configuration of that name), 2 wrong arguments or bad values (nothing changed).

The text form:
  # a comment: a line starting with "#" or ";"
  [Mill]
  baud = 9600
  data-bits = 7
  parity = even
  send.header = 18
  file = /home/cnc/O1000.nc
A section "[NAME]" a configuration, then one KEY = VALUE a line. Keys and word
values are case-insensitive; a key left out keeps the value of a new
configuration. Codes are the decimal lists the window shows ("13,10"). A text
with blanks at either end or control characters is written in double quotes
with the escapes \\ \" \n \r \t \xHH. An unknown key, a bad value, a key given
twice or a section given twice (regardless of case) is an error that names the
file, the line and the key.

Keys:
)";

// Without a subcommand: the window's arguments.
Options ParseWindowArguments(const std::vector<std::string>& args) {
    Options options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            options.command = Command::Help;
            return options;
        }
        if (!onlyFiles && arg == "--version") {
            options.command = Command::Version;
            return options;
        }
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (!onlyFiles && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            std::string name = arg;
            std::string value;
            bool hasValue = false;
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
            // The commands' own options are let through and have no effect here.
            if (name == "--skip-line-numbers" || name == "--receive") continue;
            const bool takesValue = name == "--config" || name == "--port" ||
                                    name == "--idle-timeout" || name == "--config-file" ||
                                    name == "--output";
            if (!takesValue) {
                if (const std::size_t n = common::ToolkitOptionLength(args, i); n > 0) {
                    i += n - 1;
                    continue;
                }
                options.error = "unknown option " + name;
                return options;
            }
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    options.error = name + " needs a value";
                    return options;
                }
                value = args[++i];
            }
            if (name == "--config-file") options.configFile = value;
            continue;
        }
        // A path is taken whole, blanks and minus signs included.
        if (arg.find('/') != std::string::npos || arg.find('\\') != std::string::npos) {
            options.commandFile = arg;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            const std::size_t n = common::ToolkitOptionLength(args, i);
            if (n == 0) {
                options.error = "unknown option " + arg;
                return options;
            }
            i += n - 1;
        }
    }
    return options;
}

// The option `name` ("--output") of `app` or of a subcommand it parsed.
const CLI::Option* ParsedOption(const CLI::App& app, const std::string& name) {
    if (const CLI::Option* option = app.get_option_no_throw(name)) return option;
    for (const CLI::App* sub : app.get_subcommands())
        if (const CLI::Option* option = ParsedOption(*sub, name)) return option;
    return nullptr;
}

// What the parser left over, in the order given, without the "--" that ends the options.
std::vector<std::string> Leftovers(const CLI::App& app) {
    std::vector<std::string> rest;
    for (const std::string& arg : app.remaining())
        if (arg != "--") rest.push_back(arg);
    for (const CLI::App* sub : app.get_subcommands()) {
        const std::vector<std::string> more = Leftovers(*sub);
        rest.insert(rest.end(), more.begin(), more.end());
    }
    return rest;
}

void ParseCommand(const std::vector<std::string>& args, Options& options) {
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.add_option("--config-file", options.configFile);
    for (const CommandEntry& entry : kCommands) {
        CLI::App* sub = app.add_subcommand(entry.name);
        sub->fallthrough();
        sub->allow_extras();
        sub->set_help_flag();
        sub->preparse_callback(
            [&options, &entry](std::size_t) { options.command = entry.command; });
        if (entry.define) entry.define(*sub, options);
    }
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& e) {
        // "--config: 1 required TEXT missing"
        const std::string what = e.what();
        const std::size_t colon = what.find(':');
        options.error = colon != std::string::npos && what.rfind("--", 0) == 0 &&
                                what.find("missing") != std::string::npos
                            ? what.substr(0, colon) + " needs a value"
                            : what;
        return;
    } catch (const CLI::ParseError& e) {
        options.error = e.what();
        return;
    }
    if (!options.error.empty()) return;

    for (const std::string& arg : args) {
        if (arg == "--") break;
        const std::size_t eq = arg.find('=');
        if (arg.rfind("--", 0) != 0 || eq == std::string::npos) continue;
        const CLI::Option* option = ParsedOption(app, arg.substr(0, eq));
        if (option && option->get_expected_max() == 0) {
            options.error = arg.substr(0, eq) + " takes no value";
            return;
        }
    }
    if (const std::vector<std::string> rest = Leftovers(app); !rest.empty()) {
        const std::string& first = rest.front();
        if (first.size() > 1 && first[0] == '-') {
            const std::string name = first.substr(0, first.find('='));
            const bool transferOption = name == "--config" || name == "--port" ||
                                        name == "--idle-timeout" || name == "--skip-line-numbers" ||
                                        name == "--receive" || name == "--output";
            if (transferOption &&
                (options.command == Command::Configs || options.command == Command::Ports))
                options.error = "only --config-file goes with this command";
            else
                options.error = "unknown option " + name;
        } else {
            options.error = "unexpected argument " + first;
        }
        return;
    }
    for (const CommandEntry& entry : kCommands)
        if (entry.command == options.command && entry.check) entry.check(options);
}

}  // namespace

Options ParseArguments(const std::vector<std::string>& args) {
    // --config-file is the one option shared by every command, so scripts may also put it
    // before the command: "sendrik --config-file PATH send ...".
    std::size_t i = 0;
    while (i < args.size()) {
        if (args[i] == "--config-file" && i + 1 < args.size())
            i += 2;
        else if (args[i].rfind("--config-file=", 0) == 0)
            ++i;
        else
            break;
    }
    if (i == args.size() || (args[i] != "help" && !FindCommand(args[i])))
        return ParseWindowArguments(args);

    Options options;
    // --help and --version go before anything else the command is given.
    for (std::size_t j = 0; j < args.size(); ++j) {
        const std::string& arg = args[j];
        if (arg == "--") break;
        if (arg == "--config-file" && j + 1 < args.size()) {
            options.configFile = args[j + 1];
        } else if (arg.rfind("--config-file=", 0) == 0) {
            options.configFile = arg.substr(std::string("--config-file=").size());
        } else if (arg == "--help" || arg == "-h" || (j == i && arg == "help")) {
            options.command = Command::Help;
            options.helpTopic = args[i] != "help"     ? args[i]
                                : j + 1 < args.size() ? args[j + 1]
                                                      : "";
            return options;
        } else if (arg == "--version") {
            options.command = Command::Version;
            return options;
        }
    }
    options.configFile.clear();
    ParseCommand(args, options);
    return options;
}

std::string UsageText() {
    return kUsage;
}

std::string ConfigsHelpText() {
    return kConfigsUsage + ConfigTextKeyReference();
}

std::string ConfigFilePath(const Options& options, const std::string& programDir) {
    if (!options.configFile.empty()) return options.configFile;
    return DefaultConfigPath(programDir).string();
}

int RunCommand(const Options& options, const std::string& programDir, std::ostream& out,
               std::ostream& err) {
    if (!options.error.empty()) {
        err << "sendrik: " << options.error << "\n\n" << UsageText();
        return kExitUsage;
    }
    const std::string path = ConfigFilePath(options, programDir);
    switch (options.command) {
        case Command::Help:
            if (options.helpTopic == "serve") {
                out << serve::ServeUsageText();
                return kExitOk;
            }
            out << (options.helpTopic == "configs" ? ConfigsHelpText() : UsageText())
                << "\nConfiguration file: " << path
                << "\nPort map: " << PortMap::MapFileFor(path).string() << "\n";
            return kExitOk;
        case Command::Version:
            out << "Sendrik " << QCoreApplication::applicationVersion().toStdString() << "\n";
            return kExitOk;
        default:
            break;
    }
    for (const CommandEntry& entry : kCommands)
        if (entry.command == options.command) return entry.run(options, path, out, err);
    err << "sendrik: no command\n";
    return kExitUsage;
}

}  // namespace sendrik::cli
