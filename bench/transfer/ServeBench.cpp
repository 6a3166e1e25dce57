// sendrik serve under load: N machines on pseudo-terminal pairs at once, each sending a
// program of about 300 KB and then a request answered with another 300 KB program.
// Reports the bytes lost or duplicated (stored programs against what `receive` stores,
// answers against what `send` puts on the line), the server's CPU time per machine, and
// the time from the end of each request to the first byte of its answer beyond the
// request delay.
//   sendrik-serve-bench [MACHINES...]          (default 8 32 64)
//   SENDRIK=path/to/sendrik sendrik-serve-bench 64
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "transfer/ServeRules.h"
#include "transfer/Settings.h"
#include "transfer/TransferStream.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kProgramSize = 300 * 1024;
constexpr double kDelaySeconds = 1.0;

std::string Program(const std::string& head, std::size_t size) {
    std::string text = "%\n" + head + "\n";
    for (int n = 10; text.size() < size; n += 10)
        text += "N" + std::to_string(n) + " G01 X" + std::to_string(n % 977) + ".125 Y-" +
                std::to_string(n % 313) + ".5 Z-1.25 F250.\n";
    return text + "M30\n%\n";
}

std::string Stored(const sendrik::CPortConfig& config, const std::string& bytes) {
    int stop = 0;
    sendrik::CBufferWriter writer;
    sendrik::CTransferStream stream(config.m_receive, stop, writer);
    stream.Begin();
    stream.Process(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    stream.End();
    return writer.m_data;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Bytes of `got` not matching `want`: missing, extra or changed.
std::size_t Difference(const std::string& want, const std::string& got) {
    const std::size_t common = std::min(want.size(), got.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < common; ++i) differing += want[i] != got[i];
    return differing + std::max(want.size(), got.size()) - common;
}

double ProcessCpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    double utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stod(field);
        if (i == 15) {
            stime = std::stod(field);
            break;
        }
    }
    return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Machine {
    int master = -1, slave = -1;
    std::string slaveName;
    std::string answer;
    double latency = -1;  // seconds beyond the delay
};

void WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR && errno != EAGAIN)
            return;
    }
}

bool WaitRaw(int slave, int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    termios t{};
    while (Clock::now() < end) {
        if (::tcgetattr(slave, &t) == 0 && !(t.c_lflag & ICANON)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int RunOnce(const std::string& sendrik, int count) {
    char pattern[] = "/tmp/sendrik-serve-bench-XXXXXX";
    if (!::mkdtemp(pattern)) return 1;
    const fs::path dir = pattern;
    fs::create_directories(dir / "send");

    sendrik::CSettings settings((dir / "port.cfg").string());
    auto config = std::make_unique<sendrik::CPortConfig>();
    config->m_strName = "Mill";
    config->m_port.m_dwBaudRate = 115200;
    config->m_receive.m_bCheckPercent = 1;
    const sendrik::CPortConfig configCopy = *config;
    settings.Add(std::move(config));
    settings.Save();

    std::vector<Machine> machines(static_cast<std::size_t>(count));
    std::string file;
    for (int i = 0; i < count; ++i) {
        Machine& m = machines[static_cast<std::size_t>(i)];
        char name[256] = {};
        if (::openpty(&m.master, &m.slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            return 1;
        }
        ::fcntl(m.master, F_SETFD, FD_CLOEXEC);
        ::fcntl(m.slave, F_SETFD, FD_CLOEXEC);
        m.slaveName = name;
        const std::string in = (dir / ("in" + std::to_string(i))).string();
        fs::create_directories(in);
        file += "[M" + std::to_string(i) + "]\nconfig = Mill\nport = " + m.slaveName +
                "\nreceive-folder = " + in + "\nsend-folders = " + (dir / "send").string() +
                "\nrequest-number = 9999\nrequest-delay = 1\nidle-timeout = 10\n\n";
        std::ofstream(dir / "send" / ("P" + std::to_string(i) + ".nc"), std::ios::binary)
            << Program("O" + std::to_string(5000 + i) + " (ANSWER " + std::to_string(i) + ")",
                       kProgramSize);
    }
    std::ofstream(dir / "machines.conf") << file;

    const pid_t server = ::fork();
    if (server == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        const std::string machinesFile = (dir / "machines.conf").string();
        const std::string configFile = (dir / "port.cfg").string();
        const std::string logFile = (dir / "log.jsonl").string();
        ::execl(sendrik.c_str(), sendrik.c_str(), "serve", "--machines", machinesFile.c_str(),
                "--config-file", configFile.c_str(), "--log", logFile.c_str(), nullptr);
        ::_exit(127);
    }
    for (Machine& m : machines) {
        if (!WaitRaw(m.slave, 20000)) {
            std::fprintf(stderr, "the server did not open %s\n", m.slaveName.c_str());
            ::kill(server, SIGKILL);
            return 1;
        }
    }
    const double cpuBefore = ProcessCpuSeconds(server);
    const auto start = Clock::now();

    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back([&, i] {
            Machine& m = machines[static_cast<std::size_t>(i)];
            WriteAll(m.master,
                     Program("O" + std::to_string(1000 + i) + " (PART " + std::to_string(i) + ")",
                             kProgramSize));
            // Wait until the program is stored before asking, as an operator would.
            const fs::path stored =
                dir / ("in" + std::to_string(i)) / ("O" + std::to_string(1000 + i) + ".nc");
            const auto giveUp = Clock::now() + std::chrono::seconds(120);
            while (!fs::exists(stored) && Clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const std::size_t want =
                sendrik::SendBytes(configCopy,
                                   ReadFile(dir / "send" / ("P" + std::to_string(i) + ".nc")))
                    .size();
            // Every machine asks at once, when all programs are in.
            ++ready;
            while (ready.load() < count && Clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            WriteAll(m.master, "%\nO9999 (P" + std::to_string(i) + ")\n%\n");
            const auto asked = Clock::now();
            char buffer[8192];
            while (m.answer.size() < want && Clock::now() < giveUp) {
                pollfd p{m.master, POLLIN, 0};
                if (::poll(&p, 1, 200) <= 0) continue;
                const ssize_t n = ::read(m.master, buffer, sizeof buffer);
                if (n <= 0) break;
                if (m.answer.empty())
                    m.latency =
                        std::chrono::duration<double>(Clock::now() - asked).count() - kDelaySeconds;
                m.answer.append(buffer, static_cast<std::size_t>(n));
            }
        });
    }
    for (std::thread& t : threads) t.join();
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = ProcessCpuSeconds(server) - cpuBefore;
    ::kill(server, SIGTERM);
    int status = 0;
    ::waitpid(server, &status, 0);

    std::size_t bad = 0;
    std::vector<double> latencies;
    for (int i = 0; i < count; ++i) {
        const Machine& m = machines[static_cast<std::size_t>(i)];
        const std::string sent = Program(
            "O" + std::to_string(1000 + i) + " (PART " + std::to_string(i) + ")", kProgramSize);
        bad += Difference(
            Stored(configCopy, sent),
            ReadFile(dir / ("in" + std::to_string(i)) / ("O" + std::to_string(1000 + i) + ".nc")));
        bad +=
            Difference(sendrik::SendBytes(
                           configCopy, ReadFile(dir / "send" / ("P" + std::to_string(i) + ".nc"))),
                       m.answer);
        latencies.push_back(m.latency);
        ::close(m.master);
        ::close(m.slave);
    }
    std::sort(latencies.begin(), latencies.end());
    const double median = latencies[latencies.size() / 2];
    std::printf(
        "%2d machines: %zu bytes lost, duplicated or changed; %.1f s wall; server CPU %.3f s "
        "(%.1f ms per machine, %.0f KB each way); answer latency beyond the delay: median "
        "%.0f ms, worst %.0f ms\n",
        count, bad, wall, cpu, cpu * 1000 / count, kProgramSize / 1024.0, median * 1000,
        latencies.back() * 1000);
    std::fflush(stdout);
    fs::remove_all(dir);
    return bad == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* env = std::getenv("SENDRIK");
    const std::string sendrik = env && *env ? env : SENDRIK_PROGRAM;
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {8, 32, 64};
    int status = 0;
    for (int count : counts)
        if (count > 0) status |= RunOnce(sendrik, count);
    return status;
}
