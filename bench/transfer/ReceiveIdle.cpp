// CPU time a receive spends while the line is idle: opens a pseudo-terminal pair,
// receives on its slave for N seconds (default 10) with nothing arriving, then
// cancels, and prints the CPU time used (getrusage) against the wall time.
// With "hangup" the far end closes after one second, as when a cable adapter is pulled:
// the receive must not spin on the dead line either.
//   sendrik-receive-idle [seconds] [hangup]
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "transfer/Transfer.h"

namespace {

struct QuietWindow : sendrik::ITransferWindow {
    int& StopFlag() override { return stop; }
    void SetStatusText(const std::string&) override {}
    void SetPortSettingsText(const std::string&) override {}
    void ShowProgress(const std::string&, bool, const std::string&) override {}
    void SetProgressPos(int) override {}
    void HideProgress() override {}
    void SetMainWindowEnabled(bool) override {}
    bool RunTransferDelay(const std::string&, int) override { return true; }
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    sendrik::ITransferLineSubscriber* LineSubscriber() override { return nullptr; }
    int stop = 0;
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    sendrik::PortMap map;
    map.Set(1, name);
    QuietWindow window;
    sendrik::CPort port(map, &window);
    sendrik::CPortConfig config;
    if (!port.Open(1, config.m_port)) {
        std::fprintf(stderr, "open %s: %s\n", name, port.LastErrorText().c_str());
        return 1;
    }
    const std::string file =
        (std::filesystem::temp_directory_path() / "sendrik-receive-idle.nc").string();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [&] { window.stop = 1; });
    const bool hangup = argc > 2 && std::string(argv[2]) == "hangup";
    if (hangup) {
        QTimer::singleShot(1000, [&] {
            close(master);
            close(slave);
            master = slave = -1;
        });
    }
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = CpuSeconds();
    sendrik::ReceiveToFile(port, config, file, window);
    const double cpu = CpuSeconds() - cpuBefore;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    std::printf(hangup ? "receive, far end closed after 1 s:" : "idle receive:");
    std::printf(" %.2f s wall, %.3f s CPU (%.2f%% of one core)\n", elapsed, cpu,
                100.0 * cpu / elapsed);
    std::filesystem::remove(file);
    if (master >= 0) close(master);
    if (slave >= 0) close(slave);
    return 0;
}
