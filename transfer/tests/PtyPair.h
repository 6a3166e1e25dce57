#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

// A pseudo-terminal pair: the program under test opens the slave by its name as its
// serial port; the test plays the machine on the master.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) slaveName_ = name;
        // A program the test starts must not hold the machine's end open too.
        for (int fd : {master_, slave_})
            if (fd >= 0) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    ~PtyPair() {
        StopCollecting();
        CloseMaster();
        if (slave_ >= 0) ::close(slave_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return master_ >= 0 && !slaveName_.empty(); }
    const std::string& SlaveName() const { return slaveName_; }
    int Master() const { return master_; }
    int Slave() const { return slave_; }
    void CloseMaster() {
        StopCollecting();
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    void Write(const std::string& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    }

    // True once the program has opened the slave and put it into raw mode. Bytes written
    // before that would pass the terminal's default line handling (echo, CR to LF).
    bool WaitUntilRaw(int timeoutMs) const {
        return WaitFor(timeoutMs, [this] {
            termios t{};
            return ::tcgetattr(slave_, &t) == 0 && !(t.c_lflag & ICANON);
        });
    }

    // True once the program has read every byte written to the master so far. The
    // kernel moves a large write to the slave's read queue in steps, so the queue can be
    // empty for a moment while more is on its way: it has to stay empty for a while.
    bool WaitUntilDrained(int timeoutMs) const {
        auto emptySince = std::chrono::steady_clock::now();
        bool wasEmpty = false;
        return WaitFor(timeoutMs, [&] {
            int pending = 0;
            const bool empty = ::ioctl(slave_, FIONREAD, &pending) == 0 && pending == 0;
            const auto now = std::chrono::steady_clock::now();
            if (empty && !wasEmpty) emptySince = now;
            wasEmpty = empty;
            return empty && (timeoutMs == 0 || now - emptySince >= std::chrono::milliseconds(50));
        });
    }

    // Appends what arrives within `timeoutMs`; false when nothing came.
    bool ReadSome(std::string& into, int timeoutMs) const {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN)) return false;
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) return false;
        into.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    // Reads until `into` holds `size` bytes or `timeoutMs` pass without data.
    void ReadUntil(std::string& into, std::size_t size, int timeoutMs) const {
        while (into.size() < size && ReadSome(into, timeoutMs)) {
        }
    }

    // Reads everything the program writes, on a thread of its own, so a long send never
    // stalls on a full pseudo-terminal buffer; Received() is what came so far.
    void StartCollecting() {
        run_ = true;
        thread_ = std::thread([this] {
            char buffer[4096];
            while (run_) {
                pollfd p{master_, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) continue;
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n > 0) {
                    std::lock_guard lock(mutex_);
                    received_.append(buffer, static_cast<std::size_t>(n));
                }
            }
        });
    }
    void StopCollecting() {
        run_ = false;
        if (thread_.joinable()) thread_.join();
    }
    std::string Received() {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    template <class Done>
    static bool WaitFor(int timeoutMs, Done done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() >= end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
    std::atomic<bool> run_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::string received_;
};
