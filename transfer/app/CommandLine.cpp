#include "CommandLine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "common/ToolkitOptions.h"
#include "transfer/Port.h"
#include "transfer/Settings.h"
#include "transfer/Transfer.h"
#include "transfer/TransferWindow.h"

namespace sendrik::cli {

namespace fs = std::filesystem;

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
    // A second Ctrl+C ends the program the usual way.
    std::signal(SIGINT, SIG_DFL);
}

// Ctrl+C stops the transfer cleanly while a command runs.
class InterruptGuard {
public:
    InterruptGuard() {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
    }
    ~InterruptGuard() { sigaction(SIGINT, &m_previous, nullptr); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction m_previous {};
};

bool TakesValue(const std::string& name) {
    return name == "--config" || name == "--port" || name == "--idle-timeout" ||
           name == "--config-file";
}

const char* const kUsage =
    R"(Usage:
  sendrik [--config-file PATH] [FILE]
      Opens the window. A FILE (an argument holding "/") is sent as soon as the
      window is shown, with the configuration and port selected there.
  sendrik send --config NAME [--port N|DEVICE] FILE...
      Sends the files in order. The configuration's start delay counts down first.
  sendrik receive --config NAME [--port N|DEVICE] [--idle-timeout SECONDS] FILE
      Receives into FILE until the second "%" (when the configuration checks it),
      Ctrl+C, or SECONDS without data once data has started.
  sendrik configs
      Lists the configurations with all their settings.
  sendrik ports
      Lists the serial ports found: number (COM1 to COM30) and device.

Options:
  --config NAME         the port configuration (name as in the window, any case)
  --port N|DEVICE       port number (3 or COM3) or device path (/dev/ttyUSB0);
                        default: the configuration's port
  --idle-timeout SECS   receive: stop SECS seconds after the last data
  --config-file PATH    use this configuration file instead of "port.cfg"
  --help                this text
  --version             the version

The port map "ports.cfg" beside the configuration file gives numbers to
devices, one line each, for example:
  3=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0

Progress and messages go to standard error. Exit status: 0 done, 1 failed,
2 wrong arguments, 130 stopped by Ctrl+C (what was received is kept).
)";

std::string YesNo(std::int32_t flag) {
    return flag ? "yes" : "no";
}

std::string ParityName(int code) {
    switch (code) {
        case 0:
            return "None";
        case 1:
            return "Odd";
        case 2:
            return "Even";
        case 3:
            return "Mark";
        case 4:
            return "Space";
        default:
            return std::to_string(code);
    }
}

std::string StopBitsName(int code) {
    switch (code) {
        case 0:
            return "1";
        case 1:
            return "1.5";
        case 2:
            return "2";
        default:
            return std::to_string(code);
    }
}

std::string FlowName(int code) {
    switch (code) {
        case kFlowNone:
            return "None";
        case kFlowHardware:
            return "Hardware";
        case kFlowHardwareNoDtr:
            return "Hardware no DTR";
        case kFlowXonXoff:
            return "Xon/Xoff";
        default:
            return std::to_string(code) + " (None)";
    }
}

std::string CommentsText(int bits) {
    std::string text;
    if (bits & kCommentParen) text += "(...) ";
    if (bits & kCommentBracket) text += "[...] ";
    if (bits & kCommentSemicolon) text += ";...EOL ";
    if (text.empty()) return "none";
    text.pop_back();
    return text;
}

void PrintDirection(std::ostream& out, const char* title, const TRANSFER_CONFIG& t, bool send) {
    out << "  " << title << ":\n";
    out << "    Header: " << FormatCodes(t.m_header) << "\n";
    out << "    Trailer: " << FormatCodes(t.m_trailer) << "\n";
    out << "    Recognize custom EOL sequence: " << YesNo(t.m_bRecognizeEol) << "\n";
    out << "    Custom EOL sequence: " << FormatCodes(t.m_eolRecognize) << "\n";
    out << "    Replace EOL: " << YesNo(t.m_bReplaceEol) << "\n";
    out << "    Replace With: " << FormatCodes(t.m_eolReplace) << "\n";
    out << "    Check \"%\" for termination: " << YesNo(t.m_bCheckPercent) << "\n";
    out << "    Skip empty lines: " << YesNo(t.m_bSkipEmptyLines) << "\n";
    out << "    Skip line numbers: " << YesNo(t.m_bSkipLineNumbers) << "\n";
    out << "    Skip non printable bytes: " << YesNo(t.m_bSkipNonPrintable) << "\n";
    out << "    Skip comments: " << CommentsText(t.m_nSkipComments) << "\n";
    out << "    Default folder: " << t.m_strFolder << "\n";
    if (send)
        out << "    Start transfer delay: " << t.m_nDelaySeconds / 60 << " min. "
            << t.m_nDelaySeconds % 60 << " sec.\n";
}

void PrintConfig(std::ostream& out, const CPortConfig& c, const PortMap& map) {
    const PORT_CONFIG& p = c.m_port;
    out << c.m_strName << "\n";
    out << "  Port: "
        << (p.m_nPort == 0 ? std::string("Use Current Port") : PortDisplayName(p.m_nPort, map))
        << "\n";
    out << "  Line: " << FormatPortSettings(p) << "\n";
    out << "  Baud Rate: " << p.m_dwBaudRate << "\n";
    out << "  Data Bits: " << int(p.m_byDataBits) << "\n";
    out << "  Parity: " << ParityName(p.m_byParity) << "\n";
    out << "  Stop Bits: " << StopBitsName(p.m_byStopBits) << "\n";
    out << "  Flow Control: " << FlowName(p.m_nFlowControl) << "\n";
    out << "  XON Char: " << int(p.m_chXon) << "\n";
    out << "  XOFF Char: " << int(p.m_chXoff) << "\n";
    PrintDirection(out, "Send", c.m_send, true);
    PrintDirection(out, "Receive", c.m_receive, false);
    out << "  Files to send: " << c.m_arrFiles.size() << "\n";
    for (const std::string& file : c.m_arrFiles) out << "    " << file << "\n";
}

// Reads the configuration file without touching it: loading renames a file of an older
// version (and keeps a copy of a damaged one) for the window's next save, which the
// command line never does, so it reads a private copy.
bool LoadSettings(const std::string& path, CSettings& settings, std::ostream& err) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        err << "sendrik: configuration file " << path << " not found\n";
        return false;
    }
    QTemporaryDir dir;
    const fs::path copy = fs::path(dir.path().toStdString()) / kConfigFileName;
    if (!dir.isValid() || !fs::copy_file(path, copy, ec)) {
        err << "sendrik: cannot read " << path << (ec ? ": " + ec.message() : std::string())
            << "\n";
        return false;
    }
    settings.m_strPath = copy.string();
    const std::string problem = settings.Load();
    settings.m_strPath = path;
    if (!problem.empty()) err << "sendrik: " << path << ": " << problem << "\n";
    return true;
}

CPortConfig* FindConfig(const CSettings& settings, const Options& options, const std::string& path,
                        std::ostream& err) {
    CPortConfig* config = settings.FindByName(options.configName);
    if (config) return config;
    err << "sendrik: no configuration named \"" << options.configName << "\" in " << path << "\n";
    if (settings.GetCount() > 0) {
        err << "Configurations:";
        for (int i = 0; i < settings.GetCount(); ++i)
            err << " \"" << settings.GetAt(i)->m_strName << "\"";
        err << "\n";
    }
    return nullptr;
}

// The port number for --port (a number, "COM3" or a device path) or the configuration's.
// A device path gets a number of its own in `map`.
bool ResolvePort(const Options& options, const CPortConfig& config, PortMap& map, int& number,
                 std::ostream& err) {
    std::string text = options.port;
    if (text.empty()) {
        number = config.m_port.m_nPort;
        if (number > 0) return true;
        err << "sendrik: configuration \"" << config.m_strName
            << "\" uses the current port: give one with --port\n";
        return false;
    }
    if (text.find('/') != std::string::npos) {
        for (int n = 1; n <= 30; ++n) {
            if (map.DevicePath(n) == text) {
                number = n;
                return true;
            }
        }
        number = 1000;
        while (map.Entries().count(number)) ++number;
        map.Set(number, text);
        return true;
    }
    if (text.size() > 3 && (text.compare(0, 3, "COM") == 0 || text.compare(0, 3, "com") == 0))
        text = text.substr(3);
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
        text.size() < 6) {
        number = std::stoi(text);
        if (number > 0) return true;
    }
    err << "sendrik: --port wants a port number (3 or COM3) or a device path, not \""
        << options.port << "\"\n";
    return false;
}

std::string PortName(int number, const PortMap& map) {
    return number >= 1000 ? map.DevicePath(number) : PortDisplayName(number, map);
}

// The window of a transfer run from the command line: progress and status on standard
// error, message boxes as error lines, Ctrl+C and the idle time-out as Cancel.
class ConsoleWindow final : public ITransferWindow, public ITransferLineSubscriber {
public:
    ConsoleWindow(std::ostream& err, int idleTimeoutSeconds)
        : m_err(err), m_idleTimeout(idleTimeoutSeconds), m_tty(::isatty(STDERR_FILENO) == 1) {}

    int& StopFlag() override {
        Poll();
        return m_stop;
    }
    void SetStatusText(const std::string& text) override {
        if (text == kStatusReceiving) NoteData();
        if (text.empty() || text == m_lastStatus) return;
        m_lastStatus = text;
        EndProgressLine();
        m_err << text << "\n";
    }
    void SetPortSettingsText(const std::string&) override {}
    void ShowProgress(const std::string& title, bool, const std::string&) override {
        EndProgressLine();
        m_lastStatus.clear();
        m_lastPercent = -1;
        m_err << title << "\n";
    }
    void SetProgressPos(int percent) override {
        if (m_tty) {
            m_err << "\r" << percent << "%" << std::flush;
            m_progressLine = true;
        } else if (percent / 10 != m_lastPercent / 10 || percent == 100) {
            if (percent != m_lastPercent) m_err << percent << "%\n";
        }
        m_lastPercent = percent;
    }
    void HideProgress() override { EndProgressLine(); }
    void SetMainWindowEnabled(bool) override {}
    bool RunTransferDelay(const std::string& path, int seconds) override {
        m_err << "File " << path << " will be send in:\n";
        for (int remaining = seconds; remaining > 0; --remaining) {
            if (m_tty)
                m_err << "\r" << remaining / 60 << " : " << remaining % 60 << "   " << std::flush;
            else if (remaining == seconds || remaining % 10 == 0)
                m_err << remaining / 60 << " : " << remaining % 60 << "\n";
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while (std::chrono::steady_clock::now() < until) {
                if (g_interrupted) {
                    if (m_tty) m_err << "\n";
                    m_interrupted = true;
                    return false;
                }
                WaitForEvents(100);
            }
        }
        if (m_tty) m_err << "\r0 : 0   \n";
        return true;
    }
    void ShowMessage(const std::string& text) override {
        EndProgressLine();
        m_err << "sendrik: " << text << "\n";
        m_failed = true;
    }
    ITransferLineSubscriber* LineSubscriber() override { return this; }
    void PumpMessages() override {
        ITransferWindow::PumpMessages();
        Poll();
    }

    void OnLine(const std::string&) override {
        ++m_lines;
        NoteData();
    }
    void NoteData() {
        m_sawData = true;
        m_lastData = std::chrono::steady_clock::now();
    }
    // Whether the stop flag was raised here, and why.
    void Poll() {
        if (g_interrupted) {
            m_interrupted = true;
            m_stop = 1;
        }
        if (m_idleTimeout > 0 && m_sawData && !m_idle &&
            std::chrono::steady_clock::now() - m_lastData >= std::chrono::seconds(m_idleTimeout)) {
            m_idle = true;
            m_stop = 1;
        }
    }

    bool Failed() const { return m_failed; }
    bool Interrupted() const { return m_interrupted; }
    bool IdleEnded() const { return m_idle; }
    bool SawData() const { return m_sawData; }
    int Lines() const { return m_lines; }

private:
    void EndProgressLine() {
        if (m_progressLine) m_err << "\n";
        m_progressLine = false;
    }

    std::ostream& m_err;
    int m_idleTimeout;
    bool m_tty;
    int m_stop = 0;
    bool m_failed = false;
    bool m_interrupted = false;
    bool m_idle = false;
    bool m_sawData = false;
    bool m_progressLine = false;
    int m_lines = 0;
    int m_lastPercent = -1;
    std::string m_lastStatus;
    std::chrono::steady_clock::time_point m_lastData{};
};

int RunConfigs(const std::string& path, std::ostream& out, std::ostream& err) {
    CSettings settings;
    if (!LoadSettings(path, settings, err)) return kExitFailure;
    const PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    if (settings.GetCount() == 0) err << "sendrik: " << path << " holds no configurations\n";
    for (int i = 0; i < settings.GetCount(); ++i) {
        if (i > 0) out << "\n";
        PrintConfig(out, *settings.GetAt(i), map);
    }
    return kExitOk;
}

int RunPorts(const std::string& path, std::ostream& out, std::ostream& err) {
    const PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    for (const std::string& problem : map.Problems()) err << "sendrik: " << problem << "\n";
    const std::vector<int> ports = EnumeratePorts(map);
    for (int number : ports) out << "COM" << number << "\t" << map.DevicePath(number) << "\n";
    if (ports.empty())
        err << "sendrik: no serial port could be opened (COM1 to COM30, port map "
            << PortMap::MapFileFor(path).string() << ")\n";
    return kExitOk;
}

int RunTransfer(const Options& options, const std::string& path, std::ostream& err) {
    CSettings settings;
    if (!LoadSettings(path, settings, err)) return kExitFailure;
    CPortConfig* config = FindConfig(settings, options, path, err);
    if (!config) return kExitFailure;

    if (options.command == Command::Send) {
        for (const std::string& file : options.files) {
            std::error_code ec;
            if (!fs::is_regular_file(file, ec)) {
                err << "sendrik: file " << file << " not found\n";
                return kExitFailure;
            }
        }
    }

    PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    int number = 0;
    if (!ResolvePort(options, *config, map, number, err)) return kExitUsage;

    InterruptGuard interrupt;
    ConsoleWindow window(err, options.command == Command::Receive ? options.idleTimeout : 0);
    CPort port(map, &window);
    if (!port.Open(number, config->m_port)) {
        err << "sendrik: unable to initialize port " << PortName(number, map)
            << " for configuration \"" << config->m_strName << "\": " << port.LastErrorText()
            << "\n";
        return kExitFailure;
    }
    err << "Port " << PortName(number, map) << ": " << FormatPortSettings(config->m_port) << "\n";

    if (options.command == Command::Send) {
        int sent = 0;
        for (const std::string& file : options.files) {
            const bool goOn = SendFile(port, *config, file, window);
            if (window.Interrupted()) {
                err << "sendrik: stopped by Ctrl+C; " << sent << " of " << options.files.size()
                    << " files sent completely\n";
                return kExitInterrupted;
            }
            if (!goOn || window.Failed()) return kExitFailure;
            ++sent;
        }
        port.Close();
        err << "Sent " << sent << (sent == 1 ? " file\n" : " files\n");
        return kExitOk;
    }

    const std::string& file = options.files.front();
    {
        // Say which file cannot be written, before the machine starts sending.
        std::FILE* probe = std::fopen(file.c_str(), "ab");
        if (!probe) {
            err << "sendrik: cannot write " << file << ": " << std::strerror(errno) << "\n";
            return kExitFailure;
        }
        std::fclose(probe);
    }
    QObject::connect(&port.Device(), &QIODevice::readyRead, &port.Device(),
                     [&window] { window.NoteData(); });
    ReceiveToFile(port, *config, file, window);
    if (window.Failed()) return kExitFailure;
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    std::string why = "\"%\" termination";
    if (window.Interrupted())
        why = "Ctrl+C";
    else if (window.IdleEnded())
        why = "no data for " + std::to_string(options.idleTimeout) + " s";
    err << "Received " << (ec ? 0 : size) << " bytes into " << file << " (ended by " << why
        << ")\n";
    return window.Interrupted() ? kExitInterrupted : kExitOk;
}

}  // namespace

Options ParseArguments(const std::vector<std::string>& args) {
    Options options;
    std::size_t i = 0;
    // --config-file is the one option shared by every command, so scripts may also put it
    // before the command: "sendrik --config-file PATH send ...".
    while (i < args.size()) {
        if (args[i] == "--config-file" && i + 1 < args.size()) {
            options.configFile = args[i + 1];
            i += 2;
        } else if (args[i].rfind("--config-file=", 0) == 0) {
            options.configFile = args[i].substr(std::string("--config-file=").size());
            ++i;
        } else {
            break;
        }
    }
    if (i < args.size()) {
        const std::string& first = args[i];
        if (first == "send")
            options.command = Command::Send;
        else if (first == "receive")
            options.command = Command::Receive;
        else if (first == "configs")
            options.command = Command::Configs;
        else if (first == "ports")
            options.command = Command::Ports;
        else if (first == "help")
            options.command = Command::Help;
        if (options.command != Command::Window) ++i;
    }
    const bool window = options.command == Command::Window;
    bool onlyFiles = false;
    for (; i < args.size(); ++i) {
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
            if (!TakesValue(name)) {
                if (const std::size_t n = common::ToolkitOptionLength(args, i); window && n > 0) {
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
            if (name == "--config-file") {
                options.configFile = value;
            } else if (window) {
                continue;
            } else if (name == "--config") {
                options.configName = value;
            } else if (name == "--port") {
                options.port = value;
            } else {
                const bool digits = !value.empty() && value.size() < 7 &&
                                    value.find_first_not_of("0123456789") == std::string::npos;
                options.idleTimeout = digits ? std::stoi(value) : 0;
                if (options.idleTimeout <= 0) {
                    options.error = "--idle-timeout wants a number of seconds above 0";
                    return options;
                }
            }
            continue;
        }
        if (window) {
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
            continue;
        }
        if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            options.error = "unknown option " + arg;
            return options;
        }
        options.files.push_back(arg);
    }

    switch (options.command) {
        case Command::Send:
        case Command::Receive:
            if (options.configName.empty())
                options.error = "--config NAME is required";
            else if (options.files.empty())
                options.error = options.command == Command::Send ? "no file to send"
                                                                 : "no file to receive into";
            else if (options.command == Command::Receive && options.files.size() > 1)
                options.error = "receive takes one file";
            else if (options.command == Command::Send && options.idleTimeout > 0)
                options.error = "--idle-timeout belongs to receive";
            break;
        case Command::Configs:
        case Command::Ports:
            if (!options.files.empty())
                options.error = "unexpected argument " + options.files.front();
            else if (!options.configName.empty() || !options.port.empty() ||
                     options.idleTimeout > 0)
                options.error = "only --config-file goes with this command";
            break;
        default:
            break;
    }
    return options;
}

std::string UsageText() {
    return kUsage;
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
            out << UsageText() << "\nConfiguration file: " << path
                << "\nPort map: " << PortMap::MapFileFor(path).string() << "\n";
            return kExitOk;
        case Command::Version:
            out << "Sendrik " << QCoreApplication::applicationVersion().toStdString() << "\n";
            return kExitOk;
        case Command::Configs:
            return RunConfigs(path, out, err);
        case Command::Ports:
            return RunPorts(path, out, err);
        case Command::Send:
        case Command::Receive:
            return RunTransfer(options, path, err);
        case Command::Window:
            break;
    }
    err << "sendrik: no command\n";
    return kExitUsage;
}

}  // namespace sendrik::cli
