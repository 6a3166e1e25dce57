#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>

// A pseudo-terminal pair: the program under test opens the slave by its name as its
// serial port; the test plays the machine on the master.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) slaveName_ = name;
    }
    ~PtyPair() {
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

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
