#include "transfer/serve/Serve.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "transfer/Settings.h"
#include "transfer/serve/Server.h"

namespace sendrik::serve {

namespace fs = std::filesystem;

namespace {

int g_signalPair[2] = {-1, -1};

extern "C" void OnServeSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPair[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP reach the event loop through a socket pair; the previous
// handlers come back when the server ends.
class SignalRoute {
public:
    bool Install() {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPair) != 0) return false;
        struct sigaction action {};
        action.sa_handler = OnServeSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &m_previous[i]);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGPIPE, &ignore, &m_previousPipe);
        m_installed = true;
        return true;
    }
    ~SignalRoute() {
        if (!m_installed) return;
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &m_previous[i], nullptr);
        sigaction(SIGPIPE, &m_previousPipe, nullptr);
        ::close(g_signalPair[0]);
        ::close(g_signalPair[1]);
        g_signalPair[0] = g_signalPair[1] = -1;
    }

private:
    static constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction m_previous[3]{};
    struct sigaction m_previousPipe {};
    bool m_installed = false;
};

const char* NameFromText(NameFrom rule) {
    switch (rule) {
        case NameFrom::ProgramNumber:
            return "program-number";
        case NameFrom::FirstComment:
            return "first-comment";
        case NameFrom::Time:
            return "time";
    }
    return "";
}

void PrintMachine(std::ostream& out, const MachineSetup& setup) {
    const MachineEntry& entry = setup.entry;
    out << entry.name << "\n";
    out << "  port: " << entry.port;
    if (setup.device != entry.port) out << " (" << setup.device << ")";
    out << ", configuration \"" << setup.config.m_strName << "\"";
    if (setup.device.rfind("tcp:", 0) != 0) out << ", " << FormatPortSettings(setup.config.m_port);
    out << "\n";
    out << "  receive folder: " << entry.receiveFolder << " (names from "
        << NameFromText(entry.nameFrom) << ", idle timeout " << Seconds(entry.idleTimeout) << ")\n";
    out << "  send folders:";
    for (std::size_t i = 0; i < entry.sendFolders.size(); ++i)
        out << (i ? ", " : " ") << entry.sendFolders[i];
    out << "\n";
    if (entry.requestNumber)
        out << "  requests: program number " << *entry.requestNumber << ", answered after "
            << Seconds(entry.requestDelay) << "\n";
    else
        out << "  requests: none\n";
}

std::string DefaultLogPath() {
    fs::path base;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        base = state;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "state";
    else
        return {};
    return (base / "tarvik" / "sendrik-serve.jsonl").string();
}

}  // namespace

std::string ServeUsageText() {
    return R"(Usage:
  sendrik serve [--machines FILE] [--config-file PATH] [--log FILE] [--check]
      Serves every machine of the machines file at once until SIGTERM or Ctrl+C:
      programs a control sends are saved under their names in its receive folder,
      and a request program (request-number) is answered with the file its first
      comment names, from the send folders. SIGHUP re-reads the machines file.

Options:
  --machines FILE      the machines file (default ~/.config/tarvik/machines.conf)
  --config-file PATH   the port configurations (port.cfg; ports.cfg beside it)
  --log FILE           one JSON object a line per transfer (default
                       $XDG_STATE_HOME/tarvik/sendrik-serve.jsonl)
  --check              read and check everything, print each machine and exit:
                       0 when sound, 2 with the file, line and reason

A machine in the machines file:
  [Mill 1]
  config = Haas VF2              # a configuration in port.cfg
  port = /dev/ttyUSB0            # a device, COMn or tcp:HOST:PORT
  receive-folder = /srv/nc/mill1/in
  name-from = program-number     # program-number | first-comment | time
  send-folders = /srv/nc/mill1, /srv/nc/common
  request-number = 9999          # a program O9999 is a request
  request-delay = 5              # seconds between a request and the answer
  idle-timeout = 5               # seconds without data that end a receive
)";
}

int RunServe(const ServeOptions& options, std::ostream& out, std::ostream& err) {
    const std::string machinesFile =
        options.machinesFile.empty() ? DefaultMachinesPath() : options.machinesFile;
    const std::string& configFile = options.configFile;
    const std::string logFile = options.logFile ? *options.logFile : DefaultLogPath();
    const bool check = options.check;

    EventLog log(err, logFile);
    Server server(machinesFile, configFile, log);
    std::vector<MachineSetup> setups;
    std::vector<MachinesProblem> problems;
    const bool sound = server.Load(setups, problems);
    if (check) {
        for (std::size_t i = 0; i < setups.size(); ++i) {
            if (i) out << "\n";
            PrintMachine(out, setups[i]);
        }
    }
    for (const MachinesProblem& problem : problems)
        err << "sendrik serve: " << FormatProblem(problem) << "\n";
    if (!sound) return 2;
    if (check) {
        out << "\n"
            << setups.size() << (setups.size() == 1 ? " machine" : " machines") << " in "
            << machinesFile << ", configurations from " << configFile << "\n";
        return 0;
    }

    if (!logFile.empty()) {
        std::error_code ec;
        fs::create_directories(fs::path(logFile).parent_path(), ec);
    }
    SignalRoute route;
    if (!route.Install()) {
        err << "sendrik serve: cannot set up signal handling\n";
        return 1;
    }
    QSocketNotifier notifier(g_signalPair[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char number = 0;
        if (::read(g_signalPair[0], &number, 1) != 1) return;
        if (number == SIGHUP) {
            server.Reload();
            return;
        }
        log.Event("", number == SIGINT ? "stopping (interrupted)" : "stopping");
        server.StopAll();
        QCoreApplication::exit(number == SIGINT ? 130 : 0);
    });
    log.Event("", "serving " + std::to_string(setups.size()) + " machines from " + machinesFile +
                      (logFile.empty() ? std::string() : "; transfer log " + logFile));
    server.Apply(std::move(setups));
    const int status = QCoreApplication::exec();
    server.StopAll();
    return status;
}

}  // namespace sendrik::serve
