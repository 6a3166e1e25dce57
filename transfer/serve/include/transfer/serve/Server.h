#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "transfer/Machines.h"
#include "transfer/Port.h"
#include "transfer/PortConfig.h"
#include "transfer/ServeRules.h"
#include "transfer/TransferStream.h"

class QSocketNotifier;
class QTcpSocket;

namespace sendrik::serve {

// "5 s", "0.25 s": a duration as the log and --check write it.
std::string Seconds(std::chrono::milliseconds duration);

// Where the server tells what happens: one line an event on standard error, and one
// JSON object a line per transfer in the log file.
class EventLog {
public:
    EventLog(std::ostream& err, std::string logFile) : m_err(err), m_logFile(std::move(logFile)) {}
    void Event(const std::string& machine, const std::string& text);
    void Transfer(const LogRecord& record);
    const std::string& LogFile() const { return m_logFile; }

private:
    std::ostream& m_err;
    std::string m_logFile;
    bool m_logFailed = false;
};

// What a machine runs on: its settings from the machines file, its configuration from
// port.cfg and the device its port names.
struct MachineSetup {
    MachineEntry entry;
    CPortConfig config;
    std::string device;  // a device path or "tcp:HOST:PORT"

    bool Same(const MachineSetup& other) const {
        return entry.SameSettings(other.entry) && config == other.config && device == other.device;
    }
};

// Where the stored bytes of a receive go (the file being received, or memory when the
// folder took no file), counted, noting whether they hold anything but line ends,
// blanks and "%": noise on an idle line (a leader, a stray line end) is no program.
class StoreSink final : public CWriter {
public:
    void Reset(CWriter& target) {
        m_target = &target;
        m_bytes = 0;
        m_program = false;
    }
    void Write(const std::uint8_t* bytes, std::size_t count) override {
        m_target->Write(bytes, count);
        m_bytes += count;
        for (std::size_t i = 0; i < count && !m_program; ++i)
            m_program = bytes[i] > ' ' && bytes[i] != '%' && bytes[i] != 127;
    }
    unsigned long long Bytes() const { return m_bytes; }
    bool HoldsProgram() const { return m_program; }

private:
    CWriter* m_target = nullptr;
    unsigned long long m_bytes = 0;
    bool m_program = false;
};

// One machine: its port watched on its own, a small state machine that opens the port
// (again every 2 s while that fails), receives what arrives, answers requests and
// sends the answer without holding up any other machine.
class MachineLink final : public QObject {
    Q_OBJECT

public:
    MachineLink(MachineSetup setup, EventLog& log, QObject* parent = nullptr);
    ~MachineLink() override;

    void Start();
    // Saves what is being received (as a partial program) and closes the port.
    void Stop();
    const MachineSetup& Setup() const { return m_setup; }

    static constexpr std::chrono::milliseconds kRetryInterval{2000};

private:
    enum class State { Closed, Connecting, Idle, Receiving, Answering, Sending, Draining };

    void TryOpen();
    void Opened();
    void Lost(std::string why);
    void LostLater(const std::string& why);
    void Retry(std::string why);
    void CloseLine();
    void ReadLine();
    void Take(const char* bytes, std::size_t count);
    void FinishReceive(bool partial, const std::string& why);
    void StartStoring();
    void SaveProgram(const std::string& raw, bool partial);
    void AnswerRequest(const std::string& raw);
    void StartSending();
    void Pump();
    void CheckLine();
    void Event(const std::string& text) { m_log.Event(m_setup.entry.name, text); }
    void Record(const std::string& direction, const std::string& file, unsigned long long bytes,
                const std::string& result);
    int Handle() const;

    MachineSetup m_setup;
    EventLog& m_log;
    State m_state = State::Closed;
    unsigned m_generation = 0;  // counts the lines opened, so stale calls find out
    PortMap m_map;
    std::unique_ptr<CPort> m_serial;
    std::unique_ptr<QTcpSocket> m_tcp;
    std::unique_ptr<QSocketNotifier> m_writable;
    QTimer m_retry;
    QTimer m_idle;
    QTimer m_delay;
    QTimer m_health;
    std::string m_lastFailure;  // told once until the port opens again

    // The receive in progress.
    int m_stop = 0;
    ReceivedFile m_file;
    CBufferWriter m_memory;
    StoreSink m_sink;
    std::unique_ptr<CTransferStream> m_stream;
    std::string m_raw;  // the start of what arrived, where its number and comment are
    unsigned long long m_rawBytes = 0;
    static constexpr std::size_t kRawKept = 64 * 1024;
    bool m_ignoredTold = false;

    // The answer to a request.
    std::string m_answerFile;
    std::string m_out;
    std::size_t m_sent = 0;
    std::chrono::steady_clock::time_point m_requestEnd{};
    bool m_softFlow = false;  // XON/XOFF over TCP
    bool m_held = false;
};

// Every machine of the machines file. Load checks the whole setup and reports each
// problem; Apply starts, keeps or restarts machines to match it.
class Server final : public QObject {
    Q_OBJECT

public:
    Server(std::string machinesFile, std::string configFile, EventLog& log);

    // Reads the machines file and port.cfg and checks both; false with the problems.
    bool Load(std::vector<MachineSetup>& setups, std::vector<MachinesProblem>& problems) const;
    // Keeps the machines whose setup is unchanged, stops the others and starts the new.
    void Apply(std::vector<MachineSetup> setups);
    // Re-reads everything; a faulty file is reported and the running machines go on.
    void Reload();
    void StopAll();
    std::size_t MachineCount() const { return m_links.size(); }

private:
    std::string m_machinesFile;
    std::string m_configFile;
    EventLog& m_log;
    std::vector<std::unique_ptr<MachineLink>> m_links;
};

}  // namespace sendrik::serve
