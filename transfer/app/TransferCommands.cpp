// send, receive and preview: a transfer through the serial port, or its preview.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QObject>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "CommandSupport.h"
#include "Commands.h"
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

// Seconds as "30", "0.5" or "2,5", to the millisecond (a smaller fraction counts as one
// millisecond); 0 when the text is no such number or is 0.
std::chrono::milliseconds ParseSeconds(const std::string& text) {
    const std::size_t point = text.find_first_of(".,");
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction) ||
        whole.size() > 6)
        return std::chrono::milliseconds(0);
    long long ms = whole.empty() ? 0 : std::stoll(whole) * 1000;
    std::string thousandths = fraction.substr(0, 3);
    thousandths.resize(3, '0');
    ms += std::stoll(thousandths);
    if (ms == 0 && fraction.find_first_not_of('0') != std::string::npos) ms = 1;
    return std::chrono::milliseconds(ms);
}

// "30", "0.5", "2.25": milliseconds as seconds.
std::string SecondsText(std::chrono::milliseconds duration) {
    const long long ms = duration.count();
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03lld", ms % 1000);
        text += fraction;
        while (text.back() == '0') text.pop_back();
    }
    return text;
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
    if (IsDeviceName(text)) {
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
// error, message boxes as error lines, Ctrl+C and the idle time-out as Cancel. A
// preview shows no progress, does not wait for the start delay, and ends a receive
// when `inputEnded` says its file is used up.
class ConsoleWindow final : public ITransferWindow, public ITransferLineSubscriber {
public:
    ConsoleWindow(std::ostream& err, std::chrono::milliseconds idleTimeout, bool preview = false,
                  std::function<bool()> inputEnded = {})
        : m_err(err),
          m_idleTimeout(idleTimeout),
          m_tty(::isatty(STDERR_FILENO) == 1),
          m_preview(preview),
          m_inputEnded(std::move(inputEnded)) {}

    int& StopFlag() override {
        Poll();
        return m_stop;
    }
    void SetStatusText(const std::string& text) override {
        if (text == kStatusReceiving) NoteData();
        if (m_preview || text.empty() || text == m_lastStatus) return;
        m_lastStatus = text;
        EndProgressLine();
        m_err << text << "\n";
    }
    void SetPortSettingsText(const std::string&) override {}
    void ShowProgress(const std::string& title, bool, const std::string&) override {
        if (m_preview) return;
        EndProgressLine();
        m_lastStatus.clear();
        m_lastPercent = -1;
        m_err << title << "\n";
    }
    void SetProgressPos(int percent) override {
        if (m_preview) return;
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
        if (m_preview) {
            m_err << "File " << path << " would be sent after a start transfer delay of "
                  << seconds / 60 << " min. " << seconds % 60 << " sec. (not waited for)\n";
            if (g_interrupted) m_interrupted = true;
            return !m_interrupted;
        }
        m_err << "File " << path << " will be sent in:\n";
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
        if (m_idleTimeout.count() > 0 && m_sawData && !m_idle &&
            std::chrono::steady_clock::now() - m_lastData >= m_idleTimeout) {
            m_idle = true;
            m_stop = 1;
        }
        if (m_inputEnded && !m_ended && m_inputEnded()) {
            m_ended = true;
            m_stop = 1;
        }
    }

    bool Failed() const { return m_failed; }
    bool Interrupted() const { return m_interrupted; }
    bool IdleEnded() const { return m_idle; }
    bool InputEnded() const { return m_ended; }
    bool SawData() const { return m_sawData; }
    int Lines() const { return m_lines; }

private:
    void EndProgressLine() {
        if (m_progressLine) m_err << "\n";
        m_progressLine = false;
    }

    std::ostream& m_err;
    std::chrono::milliseconds m_idleTimeout;
    bool m_tty;
    bool m_preview;
    std::function<bool()> m_inputEnded;
    bool m_ended = false;
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

// The output of a preview: standard output or the --output file. The first failure to
// write ends the preview through the stop flag, as Cancel would, and is told once at
// the end rather than as a port error.
class PreviewOutput final : public CWriter {
public:
    PreviewOutput(std::ostream& out, std::string name) : m_out(out), m_name(std::move(name)) {}

    void StopOnFailure(int& stopFlag) { m_stop = &stopFlag; }
    void Write(const std::uint8_t* bytes, std::size_t count) override { Put(bytes, count); }
    bool Put(const std::uint8_t* bytes, std::size_t count) {
        if (m_error != 0) {
            if (m_stop) *m_stop = 1;  // the next file of the preview stops at once too
            return false;
        }
        errno = 0;
        if (!m_out.write(reinterpret_cast<const char*>(bytes),
                         static_cast<std::streamsize>(count))) {
            Fail();
            return false;
        }
        m_written += count;
        return true;
    }
    bool Flush() {
        errno = 0;
        if (m_error == 0 && !m_out.flush()) Fail();
        return m_error == 0;
    }

    const std::string& Name() const { return m_name; }
    int Error() const { return m_error; }
    std::uintmax_t BytesWritten() const { return m_written; }

private:
    void Fail() {
        m_error = errno != 0 ? errno : EIO;
        if (m_stop) *m_stop = 1;
    }

    std::ostream& m_out;
    std::string m_name;
    int* m_stop = nullptr;
    int m_error = 0;
    std::uintmax_t m_written = 0;
};

// Stands in for the port when a transfer is previewed: what would go on the line goes
// to the preview's output, and a receive takes the bytes of `input` as if they arrived.
class PreviewLine final : public ITransferLine {
public:
    explicit PreviewLine(PreviewOutput& output, std::FILE* input = nullptr)
        : m_output(output), m_input(input) {}

    std::size_t BytesWaiting() override {
        if (m_next == m_buffer.size() && m_input && !m_atEnd) {
            m_buffer.resize(kBlock);
            const std::size_t n = std::fread(m_buffer.data(), 1, kBlock, m_input);
            m_buffer.resize(n);
            m_next = 0;
            if (n == 0) {
                m_atEnd = true;
                m_readFailed = std::ferror(m_input) != 0;
            }
        }
        return m_buffer.size() - m_next;
    }
    bool Read(std::uint8_t* buffer, std::size_t count, std::size_t& read) override {
        read = std::min(count, BytesWaiting());
        if (read > 0) std::memcpy(buffer, m_buffer.data() + m_next, read);
        m_next += read;
        return true;
    }
    bool Write(const std::uint8_t* bytes, std::size_t count, std::size_t& written) override {
        const bool ok = m_output.Put(bytes, count);
        written = ok ? count : 0;
        return ok;
    }
    bool Drain() override { return m_output.Flush(); }
    void WaitForData(int) override {}
    bool DeviceLost() override { return false; }
    void Close() override {}
    int LastError() const override { return m_output.Error(); }
    const std::string& LastErrorText() const override { return m_noText; }

    bool InputEnded() const { return m_atEnd && m_next == m_buffer.size(); }
    bool ReadFailed() const { return m_readFailed; }

private:
    static constexpr std::size_t kBlock = 512;
    PreviewOutput& m_output;
    std::FILE* m_input;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_next = 0;
    bool m_atEnd = false;
    bool m_readFailed = false;
    const std::string m_noText;
};

std::string FilesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

// The files of a send (or the file a previewed receive reads), looked at before a port
// is opened, so that a wrong name never costs a machine's time.
bool CheckInputFiles(const Options& options, std::ostream& err) {
    for (const std::string& file : options.files) {
        if (const std::string problem = NotReadable("file", file); !problem.empty()) {
            err << "sendrik: " << problem << "\n";
            return false;
        }
    }
    return true;
}

// Sends the files in order through `line`: the serial port, or a preview's output.
int SendFiles(ITransferLine& line, const CPortConfig& config, const Options& options,
              ConsoleWindow& window, std::ostream& err) {
    std::size_t sent = 0;
    for (const std::string& file : options.files) {
        const bool goOn = SendFile(line, config, file, window);
        if (window.Interrupted()) {
            err << "sendrik: stopped by Ctrl+C; " << sent << " of " << options.files.size()
                << (options.command == Command::Preview ? " files previewed completely\n"
                                                        : " files sent completely\n");
            return kExitInterrupted;
        }
        if (!goOn || window.Failed()) return kExitFailure;
        ++sent;
    }
    line.Close();
    return kExitOk;
}

int RunPreview(const Options& options, const CPortConfig& config, std::ostream& out,
               std::ostream& err) {
    std::ofstream file;
    if (!options.output.empty()) {
        for (const std::string& input : options.files) {
            std::error_code ec;
            if (fs::equivalent(input, options.output, ec)) {
                err << "sendrik: --output " << options.output
                    << " is one of the files to preview; writing it would destroy it\n";
                return kExitUsage;
            }
        }
        if (const std::string problem = NotWritable(options.output); !problem.empty()) {
            err << "sendrik: " << problem << "\n";
            return kExitFailure;
        }
        file.open(options.output, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << "sendrik: cannot write " << options.output << ": " << std::strerror(errno)
                << "\n";
            return kExitFailure;
        }
    }
    PreviewOutput output(options.output.empty() ? out : file,
                         options.output.empty() ? "standard output" : options.output);
    const auto outputFailed = [&output, &err] {
        if (output.Flush()) return false;
        err << "sendrik: cannot write " << output.Name() << ": " << std::strerror(output.Error())
            << "\n";
        return true;
    };
    InterruptGuard interrupt;

    if (!options.previewReceive) {
        PreviewLine line(output);
        ConsoleWindow window(err, std::chrono::milliseconds(0), true);
        output.StopOnFailure(window.StopFlag());
        const int status = SendFiles(line, config, options, window, err);
        if (outputFailed()) return kExitFailure;
        if (status != kExitOk) return status;
        err << "Previewed " << FilesText(options.files.size()) << ": " << output.BytesWritten()
            << " bytes to " << output.Name() << "\n";
        return kExitOk;
    }

    const std::string& input = options.files.front();
    std::FILE* in = std::fopen(input.c_str(), "rb");
    if (!in) {
        err << "sendrik: cannot read " << input << ": " << std::strerror(errno) << "\n";
        return kExitFailure;
    }
    PreviewLine line(output, in);
    ConsoleWindow window(err, std::chrono::milliseconds(0), true,
                         [&line] { return line.InputEnded(); });
    output.StopOnFailure(window.StopFlag());
    ReceiveThrough(line, config, output, output.Name(), window);
    std::fclose(in);
    if (outputFailed()) return kExitFailure;
    if (line.ReadFailed()) {
        err << "sendrik: failed to read " << input << "; the preview is incomplete\n";
        return kExitFailure;
    }
    if (window.Failed()) return kExitFailure;
    std::string why = "\"%\" termination";
    if (window.Interrupted())
        why = "Ctrl+C";
    else if (window.InputEnded())
        why = "the end of " + input;
    err << "Previewed the receive of " << input << ": " << output.BytesWritten() << " bytes to "
        << output.Name() << " (ended by " << why << ")\n";
    return window.Interrupted() ? kExitInterrupted : kExitOk;
}

}  // namespace

int RunTransfer(const Options& options, const std::string& path, std::ostream& out,
                std::ostream& err) {
    CSettings settings;
    if (!LoadSettings(path, settings, err)) return kExitFailure;
    CPortConfig* config = FindConfig(settings, options.configName, path, err);
    if (!config) return kExitFailure;
    // The window's check box of the same name: for this run only, never stored.
    if (options.skipLineNumbers) config->m_send.m_bSkipLineNumbers = 1;

    if (options.command != Command::Receive && !CheckInputFiles(options, err)) return kExitFailure;
    if (options.command == Command::Preview) return RunPreview(options, *config, out, err);

    PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    int number = 0;
    if (!ResolvePort(options, *config, map, number, err)) return kExitUsage;
    if (options.command == Command::Receive) {
        // Say which file cannot be written before the machine starts sending.
        if (const std::string problem = NotWritable(options.files.front()); !problem.empty()) {
            err << "sendrik: " << problem << "\n";
            return kExitFailure;
        }
    }

    InterruptGuard interrupt;
    ConsoleWindow window(err, options.command == Command::Receive ? options.idleTimeout
                                                                  : std::chrono::milliseconds(0));
    CPort port(map, &window);
    if (!port.Open(number, config->m_port)) {
        err << "sendrik: unable to initialize port " << PortName(number, map)
            << " for configuration \"" << config->m_strName << "\": " << port.LastErrorText()
            << "\n";
        return kExitFailure;
    }
    err << "Port " << PortName(number, map) << ": " << FormatPortSettings(config->m_port) << "\n";
    for (const std::string& warning : port.Warnings())
        err << "sendrik: warning: " << warning << "\n";

    if (options.command == Command::Send) {
        const int status = SendFiles(port, *config, options, window, err);
        if (status == kExitOk) err << "Sent " << FilesText(options.files.size()) << "\n";
        return status;
    }

    const std::string& file = options.files.front();
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
        why = "no data for " + SecondsText(options.idleTimeout) + " s";
    err << "Received " << (ec ? 0 : size) << " bytes into " << file << " (ended by " << why
        << ")\n";
    return window.Interrupted() ? kExitInterrupted : kExitOk;
}

void DefineTransferOptions(CLI::App& app, Options& options) {
    app.add_option("--config", options.configName);
    app.add_option("--port", options.port);
    app.add_option_function<std::string>("--idle-timeout", [&options](const std::string& text) {
        options.idleTimeout = ParseSeconds(text);
        if (options.idleTimeout.count() <= 0 && options.error.empty())
            options.error = "--idle-timeout wants a number of seconds above 0, such as 30 or 0.5";
    });
    app.add_flag("--skip-line-numbers", options.skipLineNumbers);
    app.add_flag("--receive", options.previewReceive);
    app.add_option_function<std::string>("--output", [&options](const std::string& value) {
        if (value.empty() && options.error.empty()) options.error = "--output needs a file name";
        options.output = value == "-" ? std::string() : value;
    });
    app.add_option("files", options.files);
}

void CheckTransferOptions(Options& options) {
    const bool idle = options.idleTimeout.count() > 0;
    if (options.configName.empty())
        options.error = "--config NAME is required";
    else if (options.files.empty())
        options.error = options.command == Command::Send      ? "no file to send"
                        : options.command == Command::Receive ? "no file to receive into"
                                                              : "no file to preview";
    else if (options.command == Command::Receive && options.files.size() > 1)
        options.error = "receive takes one file";
    else if (options.previewReceive && options.files.size() > 1)
        options.error = "preview --receive takes one file";
    else if (options.command != Command::Receive && idle)
        options.error = "--idle-timeout belongs to receive";
    else if (options.command == Command::Receive && options.skipLineNumbers)
        options.error = "--skip-line-numbers belongs to send and preview";
    else if (options.previewReceive && options.skipLineNumbers)
        options.error =
            "--skip-line-numbers belongs to the send direction, not to preview --receive";
    else if (options.command == Command::Preview && !options.port.empty())
        options.error = "--port belongs to send and receive: preview opens no port";
    else if (options.command != Command::Preview && options.previewReceive)
        options.error = "--receive belongs to preview";
    else if (options.command != Command::Preview && !options.output.empty())
        options.error = "--output belongs to preview";
}

}  // namespace sendrik::cli
