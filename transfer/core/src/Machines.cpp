#include "transfer/Machines.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "transfer/PortConfig.h"

namespace sendrik {

namespace {

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A comment starts with "#" or ";" at the start of the line or after a blank, so a value
// such as a folder "/srv/nc/#1" keeps its "#".
std::string StripComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if ((line[i] == '#' || line[i] == ';') &&
            (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return std::string(line.substr(0, i));
    }
    return std::string(line);
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr const char* kKeys[] = {"config",        "port",         "receive-folder",
                                 "name-from",     "send-folders", "request-number",
                                 "request-delay", "idle-timeout"};

}  // namespace

std::string FormatProblem(const MachinesProblem& problem) {
    if (problem.line <= 0) return problem.file + ": " + problem.reason;
    return problem.file + ", line " + std::to_string(problem.line) + ": " + problem.reason;
}

std::optional<std::chrono::milliseconds> ParseSecondsText(std::string_view text) {
    const std::size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction) ||
        whole.size() > 6)
        return std::nullopt;
    long long ms = whole.empty() ? 0 : std::stoll(std::string(whole)) * 1000;
    std::string thousandths(fraction.substr(0, 3));
    thousandths.resize(3, '0');
    ms += std::stoll(thousandths);
    if (ms == 0 && fraction.find_first_not_of('0') != std::string_view::npos) ms = 1;
    return std::chrono::milliseconds(ms);
}

bool SplitTcpPort(std::string_view port, std::string& host, unsigned short& number) {
    if (port.substr(0, 4) != "tcp:") return false;
    const std::string_view rest = port.substr(4);
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string_view hostPart = rest.substr(0, colon);
    // An IPv6 address is written in brackets: tcp:[::1]:4001.
    if (hostPart.front() == '[') {
        if (hostPart.size() < 3 || hostPart.back() != ']') return false;
        hostPart = hostPart.substr(1, hostPart.size() - 2);
    } else if (hostPart.find(':') != std::string_view::npos) {
        return false;
    }
    const std::string_view numberPart = rest.substr(colon + 1);
    if (!AllDigits(numberPart) || numberPart.size() > 5) return false;
    const unsigned long value = std::stoul(std::string(numberPart));
    if (value < 1 || value > 65535) return false;
    if (hostPart.find_first_of(" \t/") != std::string_view::npos) return false;
    host = std::string(hostPart);
    number = static_cast<unsigned short>(value);
    return true;
}

int ComPortNumber(std::string_view port) {
    if (port.size() < 4 || Lower(std::string(port.substr(0, 3))) != "com") return 0;
    const std::string_view digits = port.substr(3);
    if (!AllDigits(digits) || digits.size() > 5) return 0;
    return std::stoi(std::string(digits));
}

MachinesFile ParseMachines(std::string_view text, const std::string& fileName) {
    MachinesFile result;
    const auto problem = [&](int line, std::string reason) {
        result.problems.push_back({fileName, line, std::move(reason)});
    };
    MachineEntry* current = nullptr;
    std::map<std::string, int> seenKeys;      // key -> line, in the current section
    std::map<std::string, int> seenMachines;  // lower-case name -> line
    bool sendFoldersGiven = false;

    const auto finishSection = [&] {
        if (!current) return;
        for (const char* key : {"config", "port", "receive-folder"}) {
            if (!seenKeys.count(key))
                problem(current->line, "machine \"" + current->name + "\" has no \"" + key + "\"");
        }
        if (!sendFoldersGiven && !current->receiveFolder.empty())
            current->sendFolders = {current->receiveFolder};
    };

    std::istringstream in{std::string(text)};
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = Trim(StripComment(raw));
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                problem(lineNo, "a section header must end with \"]\"");
                continue;
            }
            finishSection();
            const std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            result.machines.push_back({});
            current = &result.machines.back();
            current->name = name;
            current->line = lineNo;
            seenKeys.clear();
            sendFoldersGiven = false;
            if (name.empty()) {
                problem(lineNo, "a machine needs a name between \"[\" and \"]\"");
            } else if (auto [it, fresh] = seenMachines.emplace(Lower(name), lineNo); !fresh) {
                problem(lineNo, "machine \"" + name + "\" is already defined on line " +
                                    std::to_string(it->second));
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            problem(lineNo, "expected \"key = value\" or a \"[machine]\" header");
            continue;
        }
        const std::string key = Lower(Trim(std::string_view(line).substr(0, eq)));
        const std::string value = Trim(std::string_view(line).substr(eq + 1));
        if (!current) {
            problem(lineNo, "\"" + key + "\" comes before the first \"[machine]\" header");
            continue;
        }
        if (std::find_if(std::begin(kKeys), std::end(kKeys),
                         [&](const char* k) { return key == k; }) == std::end(kKeys)) {
            problem(lineNo, "unknown key \"" + key + "\"");
            continue;
        }
        if (auto [it, fresh] = seenKeys.emplace(key, lineNo); !fresh) {
            problem(lineNo,
                    "\"" + key + "\" is already given on line " + std::to_string(it->second));
            continue;
        }
        current->keyLines[key] = lineNo;
        if (value.empty()) {
            problem(lineNo, "\"" + key + "\" has no value");
            continue;
        }
        const auto absoluteFolder = [&](const std::string& folder) {
            if (folder.front() == '/') return true;
            problem(lineNo, "\"" + folder + "\" is not an absolute folder path");
            return false;
        };
        if (key == "config") {
            current->config = value;
        } else if (key == "port") {
            std::string host;
            unsigned short tcpPort = 0;
            if (value.rfind("tcp:", 0) == 0) {
                if (!SplitTcpPort(value, host, tcpPort))
                    problem(lineNo,
                            "\"" + value + "\" is not of the form tcp:HOST:PORT (PORT 1-65535)");
            } else if (ComPortNumber(value) <= 0 && value.front() != '/') {
                problem(lineNo,
                        "port \"" + value + "\" is neither a device path, COMn nor tcp:HOST:PORT");
            }
            current->port = value;
        } else if (key == "receive-folder") {
            if (absoluteFolder(value)) current->receiveFolder = value;
        } else if (key == "name-from") {
            const std::string v = Lower(value);
            if (v == "program-number")
                current->nameFrom = NameFrom::ProgramNumber;
            else if (v == "first-comment")
                current->nameFrom = NameFrom::FirstComment;
            else if (v == "time")
                current->nameFrom = NameFrom::Time;
            else
                problem(lineNo, "name-from \"" + value +
                                    "\" is none of program-number, first-comment, time");
        } else if (key == "send-folders") {
            sendFoldersGiven = true;
            std::string folder;
            std::istringstream list(value);
            while (std::getline(list, folder, ',')) {
                folder = Trim(folder);
                if (folder.empty()) {
                    problem(lineNo, "send-folders holds an empty entry");
                    continue;
                }
                if (absoluteFolder(folder)) current->sendFolders.push_back(folder);
            }
        } else if (key == "request-number") {
            std::string digits = value;
            if (!digits.empty() && (digits[0] == 'O' || digits[0] == 'o')) digits.erase(0, 1);
            if (!AllDigits(digits) || digits.size() > 8)
                problem(lineNo,
                        "request-number \"" + value + "\" is not a program number of 1-8 digits");
            else
                current->requestNumber = std::stoul(digits);
        } else {
            const auto seconds = ParseSecondsText(value);
            const bool idle = key == "idle-timeout";
            if (!seconds || (idle && seconds->count() == 0) || seconds->count() > 86400000)
                problem(lineNo, key + " \"" + value + "\" is not a number of seconds" +
                                    (idle ? " above 0" : "") + " up to 86400");
            else if (idle)
                current->idleTimeout = *seconds;
            else
                current->requestDelay = *seconds;
        }
    }
    finishSection();
    if (result.machines.empty() && result.problems.empty())
        problem(0, "no machine is defined (a section such as [Mill 1])");
    return result;
}

MachinesFile LoadMachines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        MachinesFile result;
        result.problems.push_back(
            {path, 0, std::string("cannot be read: ") + std::strerror(errno)});
        return result;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseMachines(text.str(), path);
}

std::string DefaultMachinesPath() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::string(xdg) + "/tarvik/machines.conf";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/tarvik/machines.conf";
    return "machines.conf";
}

}  // namespace sendrik
