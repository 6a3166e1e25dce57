#pragma once

// Shared by the window and command-line tests: a pseudo-terminal pair that plays the
// machine, message boxes that record and answer, file dialogs that answer from a script,
// and configuration files on a real temporary disk.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QStringList>
#include <atomic>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "transfer/Settings.h"
#include "transfer/ui/UiServices.h"

namespace sendrik::test {

// The program opens the slave by its name as its serial port; the test is the machine on
// the master side.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) m_slaveName = name;
    }
    ~PtyPair() {
        StopCollecting();
        if (m_master >= 0) ::close(m_master);
        if (m_slave >= 0) ::close(m_slave);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return m_master >= 0 && !m_slaveName.empty(); }
    const std::string& SlaveName() const { return m_slaveName; }

    void Write(const std::string& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    }

    // Reads everything the program writes, on a thread of its own, so a long send never
    // stalls on a full pseudo-terminal buffer.
    void StartCollecting() {
        m_run = true;
        m_thread = std::thread([this] {
            char buffer[4096];
            while (m_run) {
                pollfd p{m_master, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) continue;
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0) {
                    std::lock_guard lock(m_mutex);
                    m_received.append(buffer, static_cast<std::size_t>(n));
                }
            }
        });
    }
    void StopCollecting() {
        m_run = false;
        if (m_thread.joinable()) m_thread.join();
    }
    std::string Received() {
        std::lock_guard lock(m_mutex);
        return m_received;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slaveName;
    std::atomic<bool> m_run{false};
    std::thread m_thread;
    std::mutex m_mutex;
    std::string m_received;
};

// Records every message and answers questions from a queue (Yes when it is empty).
class RecordingMessageBoxes final : public IMessageBoxes {
public:
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
};

// Answers the file dialogs with what the test put in; records where each started.
class ScriptedFileDialogs final : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget*, const QString& start) override {
        starts << start;
        return openFile;
    }
    QStringList GetOpenFileNames(QWidget*, const QString& start) override {
        starts << start;
        return openFiles;
    }
    QString GetSaveFileName(QWidget*, const QString& start) override {
        starts << start;
        return saveFile;
    }
    QString GetExistingDirectory(QWidget*, const QString& title, const QString& start) override {
        titles << title;
        starts << start;
        return directory;
    }
    QString openFile;
    QStringList openFiles;
    QString saveFile;
    QString directory;
    QStringList titles;
    QStringList starts;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Writes a configuration file holding configurations named `names` (defaults otherwise).
inline void WriteConfigFile(const std::string& path, const std::vector<std::string>& names,
                            int selected = 0) {
    CSettings settings(path);
    for (const std::string& name : names) {
        auto config = std::make_unique<CPortConfig>();
        config->m_strName = name;
        settings.Add(std::move(config));
    }
    settings.m_nSelected = selected;
    settings.Save();
}

}  // namespace sendrik::test
