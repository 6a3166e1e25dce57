#include "transfer/serve/Server.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/AtomicFile.h"
#include "transfer/Settings.h"

namespace sendrik::serve {

namespace fs = std::filesystem;

void EventLog::Event(const std::string& machine, const std::string& text) {
    if (machine.empty())
        m_err << "sendrik serve: " << text << std::endl;
    else
        m_err << machine << ": " << text << std::endl;
}

void EventLog::Transfer(const LogRecord& record) {
    if (m_logFile.empty()) return;
    // Opened for each line, so a rotated log file is picked up at once.
    const std::string line = JsonLogLine(record);
    const int fd = ::open(m_logFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    bool ok = fd >= 0;
    if (ok) ok = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (!ok && !m_logFailed)
        Event("", "cannot write the log file " + m_logFile + ": " + std::strerror(error));
    m_logFailed = !ok;
}

Server::Server(std::string machinesFile, std::string configFile, EventLog& log)
    : m_machinesFile(std::move(machinesFile)), m_configFile(std::move(configFile)), m_log(log) {}

bool Server::Load(std::vector<MachineSetup>& setups, std::vector<MachinesProblem>& problems) const {
    setups.clear();
    MachinesFile file = LoadMachines(m_machinesFile);
    problems = file.problems;
    const auto problem = [&](const MachineEntry& entry, const std::string& key,
                             const std::string& reason) {
        problems.push_back({m_machinesFile, entry.LineOf(key), reason});
    };

    CSettings settings(m_configFile);
    const std::optional<std::string> bytes = common::ReadWholeFile(m_configFile);
    if (!bytes) {
        problems.push_back(
            {m_configFile, 0, std::string("cannot be read: ") + std::strerror(errno)});
    } else if (!bytes->empty()) {
        const CSettings::ParseResult result = settings.Parse(*bytes);
        if (!result.damage.empty())
            problems.push_back({m_configFile, 0, settings.DescribeDamage(result)});
    }
    const PortMap map = PortMap::Load(PortMap::MapFileFor(m_configFile));

    std::map<std::string, std::string> devices;  // device -> machine
    for (MachineEntry& entry : file.machines) {
        MachineSetup setup;
        if (bytes) {
            if (const CPortConfig* config = settings.FindByName(entry.config))
                setup.config = *config;
            else
                problem(entry, "config",
                        "no configuration named \"" + entry.config + "\" in " + m_configFile);
        }
        if (const int number = ComPortNumber(entry.port); number > 0) {
            setup.device = map.DevicePath(number);
            if (setup.device.empty())
                problem(entry, "port",
                        entry.port + " names no device (port map " +
                            PortMap::MapFileFor(m_configFile).string() + ")");
        } else {
            setup.device = entry.port;
        }
        if (!setup.device.empty()) {
            if (auto [it, fresh] = devices.emplace(setup.device, entry.name); !fresh)
                problem(
                    entry, "port",
                    "port " + setup.device + " is already used by machine \"" + it->second + "\"");
        }
        const auto checkFolder = [&](const std::string& key, const std::string& folder,
                                     int access) {
            if (folder.empty()) return;
            std::error_code ec;
            if (!fs::is_directory(folder, ec))
                problem(entry, key,
                        "folder " + folder +
                            (fs::exists(folder, ec) ? " is not a folder" : " does not exist"));
            else if (::access(folder.c_str(), access) != 0)
                problem(entry, key,
                        "folder " + folder + " cannot be " + (access & W_OK ? "written" : "read") +
                            ": " + std::strerror(errno));
        };
        checkFolder("receive-folder", entry.receiveFolder, W_OK | X_OK);
        for (const std::string& folder : entry.sendFolders)
            checkFolder("send-folders", folder, R_OK | X_OK);
        setup.entry = std::move(entry);
        setups.push_back(std::move(setup));
    }
    return problems.empty();
}

void Server::Apply(std::vector<MachineSetup> setups) {
    std::vector<std::unique_ptr<MachineLink>> kept;
    std::vector<MachineSetup> fresh;
    for (MachineSetup& setup : setups) {
        auto it = std::find_if(m_links.begin(), m_links.end(),
                               [&](const auto& link) { return link && link->Setup().Same(setup); });
        if (it != m_links.end())
            kept.push_back(std::move(*it));
        else
            fresh.push_back(std::move(setup));
    }
    // Machines dropped or changed let go of their ports before any new one opens.
    for (auto& link : m_links) {
        if (!link) continue;
        m_log.Event(link->Setup().entry.name, "stopped");
        link->Stop();
        link.reset();
    }
    m_links = std::move(kept);
    for (MachineSetup& setup : fresh) {
        m_links.push_back(std::make_unique<MachineLink>(std::move(setup), m_log));
        m_links.back()->Start();
    }
}

void Server::Reload() {
    std::vector<MachineSetup> setups;
    std::vector<MachinesProblem> problems;
    if (!Load(setups, problems)) {
        for (const MachinesProblem& problem : problems) m_log.Event("", FormatProblem(problem));
        m_log.Event("", "the machines file was not taken up again; " +
                            std::to_string(m_links.size()) + " machines go on as they were");
        return;
    }
    m_log.Event("",
                "re-read " + m_machinesFile + ": " + std::to_string(setups.size()) + " machines");
    Apply(std::move(setups));
}

void Server::StopAll() {
    for (auto& link : m_links) link->Stop();
    m_links.clear();
}

}  // namespace sendrik::serve
