#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sendrik {

// Where the name of a received program comes from.
enum class NameFrom {
    ProgramNumber,  // "O1234" -> O1234.nc
    FirstComment,   // "(BRACKET OP2)" -> BRACKET_OP2.nc
    Time,           // 20261210-143000.nc
};

// One section of the machines file: a machine that the server watches.
struct MachineEntry {
    std::string name;  // the section name
    int line = 0;      // line of the section header
    std::string config;
    std::string port;  // a device path, "COMn" or "tcp:HOST:PORT"
    std::string receiveFolder;
    NameFrom nameFrom = NameFrom::ProgramNumber;
    std::vector<std::string> sendFolders;  // default: the receive folder
    std::optional<unsigned long> requestNumber;
    std::chrono::milliseconds requestDelay{5000};
    std::chrono::milliseconds idleTimeout{5000};
    std::map<std::string, int> keyLines;  // the line each key was given on

    bool operator==(const MachineEntry&) const = default;
    // The line of `key`, else that of the section header.
    int LineOf(const std::string& key) const {
        const auto it = keyLines.find(key);
        return it == keyLines.end() ? line : it->second;
    }
    // Equal settings, wherever in the file they stand.
    bool SameSettings(const MachineEntry& other) const {
        MachineEntry a = *this, b = other;
        a.line = b.line = 0;
        a.keyLines.clear();
        b.keyLines.clear();
        return a == b;
    }
};

struct MachinesProblem {
    std::string file;
    int line = 0;  // 0: the file as a whole
    std::string reason;
};

// "FILE, line N: REASON" (or "FILE: REASON" for the file as a whole).
std::string FormatProblem(const MachinesProblem& problem);

struct MachinesFile {
    std::vector<MachineEntry> machines;
    std::vector<MachinesProblem> problems;  // empty when the file is sound
};

// Reads the text of a machines file: INI sections, one a machine; "#" and ";" start
// comments (at the start of a line or after a blank). Checks the form of every value;
// what needs the disk or port.cfg is checked by the caller.
MachinesFile ParseMachines(std::string_view text, const std::string& fileName);

// Reads the machines file from disk; a missing or unreadable file is a problem of line 0.
MachinesFile LoadMachines(const std::string& path);

// "tcp:HOST:PORT" split into its host and port; false when `port` is not of that form.
bool SplitTcpPort(std::string_view port, std::string& host, unsigned short& number);

// A port number written "COM3" (any case); 0 when `port` is not of that form.
int ComPortNumber(std::string_view port);

// Seconds as "5", "0.5" or "2,5" to the millisecond; nullopt when not such a number.
std::optional<std::chrono::milliseconds> ParseSecondsText(std::string_view text);

// The default machines file: $XDG_CONFIG_HOME/tarvik/machines.conf, else
// ~/.config/tarvik/machines.conf.
std::string DefaultMachinesPath();

}  // namespace sendrik
