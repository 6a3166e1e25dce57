#include <sys/ioctl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTcpSocket>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "common/AtomicFile.h"
#include "transfer/serve/Server.h"

namespace sendrik::serve {

namespace fs = std::filesystem;

std::string Seconds(std::chrono::milliseconds duration) {
    const long long ms = duration.count();
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
        while (fraction.back() == '0') fraction.pop_back();
        text += "." + fraction;
    }
    return text + " s";
}

namespace {

// An error text as the end of a clause: "The device was disconnected" without its stop.
std::string Clause(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

MachineLink::MachineLink(MachineSetup setup, EventLog& log, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)), m_log(log) {
    m_retry.setSingleShot(true);
    m_idle.setSingleShot(true);
    m_delay.setSingleShot(true);
    m_delay.setTimerType(Qt::PreciseTimer);  // the control waits for the answer
    m_health.setInterval(200);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_state == State::Connecting)
            Retry("the device server does not answer");
        else
            TryOpen();
    });
    connect(&m_idle, &QTimer::timeout, this,
            [this] { FinishReceive(false, "no data for " + Seconds(m_setup.entry.idleTimeout)); });
    connect(&m_delay, &QTimer::timeout, this, &MachineLink::StartSending);
    connect(&m_health, &QTimer::timeout, this, &MachineLink::CheckLine);
    m_softFlow = m_setup.config.m_port.m_nFlowControl == kFlowXonXoff;
}

MachineLink::~MachineLink() {
    Stop();
}

void MachineLink::Start() {
    TryOpen();
}

void MachineLink::Stop() {
    m_retry.stop();
    m_delay.stop();
    if (m_state == State::Receiving) FinishReceive(true, "the server stopped");
    if (m_state == State::Answering || m_state == State::Sending || m_state == State::Draining)
        Record("sent", m_answerFile, m_sent, "failed: the server stopped");
    CloseLine();
    m_state = State::Closed;
}

void MachineLink::LostLater(const std::string& why) {
    // Called from a signal of the device itself, which must not be closed under it.
    const unsigned generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, why, generation] {
            if (generation == m_generation) Lost(why);
        },
        Qt::QueuedConnection);
}

void MachineLink::TryOpen() {
    CloseLine();
    const std::string& device = m_setup.device;
    if (device.rfind("tcp:", 0) == 0) {
        std::string host;
        unsigned short port = 0;
        SplitTcpPort(device, host, port);
        m_tcp = std::make_unique<QTcpSocket>();
        const unsigned generation = m_generation;
        connect(m_tcp.get(), &QTcpSocket::connected, this, [this] {
            m_tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            m_tcp->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
            Opened();
        });
        connect(m_tcp.get(), &QTcpSocket::readyRead, this, &MachineLink::ReadLine);
        connect(m_tcp.get(), &QTcpSocket::bytesWritten, this, &MachineLink::Pump);
        connect(
            m_tcp.get(), &QAbstractSocket::errorOccurred, this,
            [this, generation](QAbstractSocket::SocketError) {
                if (generation != m_generation || !m_tcp) return;
                const std::string why = m_tcp->errorString().toStdString();
                if (m_state == State::Connecting) {
                    const unsigned g = m_generation;
                    QMetaObject::invokeMethod(
                        this,
                        [this, why, g] {
                            if (g == m_generation) Retry(why);
                        },
                        Qt::QueuedConnection);
                } else {
                    LostLater(why);
                }
            },
            Qt::DirectConnection);
        connect(m_tcp.get(), &QTcpSocket::disconnected, this, [this] {
            if (m_state != State::Connecting) LostLater("the device server closed the connection");
        });
        m_state = State::Connecting;
        m_tcp->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, CPort::kTcpSendBuffer);
        m_tcp->connectToHost(QString::fromStdString(host), port);
        // A device server that does not answer at all is tried again like a refusal.
        m_retry.start(std::chrono::milliseconds(CPort::kConnectTimeoutMs));
        return;
    }
    m_map = PortMap();
    m_map.Set(1, device);
    m_serial = std::make_unique<CPort>(m_map);
    if (!m_serial->Open(1, m_setup.config.m_port)) {
        const std::string why = m_serial->LastErrorText();
        Retry(why);
        return;
    }
    for (const std::string& warning : m_serial->Warnings()) Event("warning: " + warning);
    QIODevice& io = m_serial->Device();
    connect(&io, &QIODevice::readyRead, this, &MachineLink::ReadLine);
    auto* port = static_cast<QSerialPort*>(&io);
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) {
            const unsigned generation = m_generation;
            QMetaObject::invokeMethod(
                this,
                [this, generation] {
                    if (generation == m_generation) CheckLine();
                },
                Qt::QueuedConnection);
        }
    });
    Opened();
}

void MachineLink::Opened() {
    m_retry.stop();
    const std::string settings =
        m_tcp ? std::string("device server") : FormatPortSettings(m_setup.config.m_port);
    Event((m_lastFailure.empty() ? "port " : "port is back: ") + m_setup.device + " (" + settings +
          ")");
    m_lastFailure.clear();
    m_state = State::Idle;
    m_held = false;
    m_health.start();
    ReadLine();
}

void MachineLink::Retry(std::string why) {
    CloseLine();
    m_state = State::Closed;
    if (why != m_lastFailure)
        Event("cannot open " + m_setup.device + ": " + Clause(why) + "; trying again every " +
              Seconds(std::chrono::duration_cast<std::chrono::milliseconds>(kRetryInterval)));
    m_lastFailure = why;
    m_retry.start(kRetryInterval);
}

void MachineLink::Lost(std::string why) {
    if (m_state == State::Closed || m_state == State::Connecting) return;
    // What the device had delivered before it went is part of the program.
    if ((m_serial && m_serial->IsOpen()) || m_tcp) ReadLine();
    if (m_state == State::Receiving) FinishReceive(true, "the port is gone");
    if (m_state == State::Answering || m_state == State::Sending || m_state == State::Draining) {
        Event("the answer was not sent completely: the port is gone");
        Record("sent", m_answerFile, m_sent, "failed: the port is gone");
    }
    Event("port " + m_setup.device + " is gone: " + Clause(why) + "; trying again every " +
          Seconds(std::chrono::duration_cast<std::chrono::milliseconds>(kRetryInterval)));
    m_lastFailure = why;
    CloseLine();
    m_state = State::Closed;
    m_retry.start(kRetryInterval);
}

void MachineLink::CloseLine() {
    ++m_generation;
    m_health.stop();
    if (m_writable) m_writable.release()->deleteLater();
    if (m_serial) {
        m_serial->Device().disconnect(this);
        m_serial->Close();
        m_serial.reset();
    }
    if (m_tcp) {
        m_tcp->disconnect(this);
        m_tcp->abort();
        m_tcp.release()->deleteLater();
    }
}

int MachineLink::Handle() const {
    if (m_serial) return m_serial->Handle();
    if (m_tcp) return static_cast<int>(m_tcp->socketDescriptor());
    return -1;
}

void MachineLink::ReadLine() {
    QByteArray bytes;
    if (m_serial && m_serial->IsOpen()) {
        bytes = m_serial->Device().readAll();
    } else if (m_tcp) {
        bytes = m_tcp->readAll();
        if (m_softFlow) {
            // A device server passes XON and XOFF on as data; a serial port's driver
            // takes them out of what arrives.
            const char xon = static_cast<char>(m_setup.config.m_port.m_chXon);
            const char xoff = static_cast<char>(m_setup.config.m_port.m_chXoff);
            QByteArray data;
            bool resumed = false;
            for (char c : bytes) {
                if (c == xoff) {
                    m_held = true;
                } else if (c == xon) {
                    resumed = m_held;
                    m_held = false;
                } else {
                    data.append(c);
                }
            }
            bytes = data;
            if (resumed) Pump();
        }
    }
    if (!bytes.isEmpty()) Take(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void MachineLink::Take(const char* bytes, std::size_t count) {
    if (count == 0) return;
    switch (m_state) {
        case State::Idle:
            m_stop = 0;
            m_raw.clear();
            m_rawBytes = 0;
            StartStoring();
            m_stream = std::make_unique<CTransferStream>(m_setup.config.m_receive, m_stop, m_sink);
            m_stream->Begin();
            m_state = State::Receiving;
            [[fallthrough]];
        case State::Receiving:
            if (m_raw.size() < kRawKept)
                m_raw.append(bytes, std::min(count, kRawKept - m_raw.size()));
            m_rawBytes += count;
            m_stream->Process(reinterpret_cast<const std::uint8_t*>(bytes), count);
            if (m_stop != 0)
                FinishReceive(false, "\"%\"");
            else
                m_idle.start(m_setup.entry.idleTimeout);
            break;
        case State::Answering:
        case State::Sending:
        case State::Draining:
            if (!m_ignoredTold)
                Event("ignored " + std::to_string(count) +
                      " bytes that came while a request was answered");
            m_ignoredTold = true;
            break;
        case State::Closed:
        case State::Connecting:
            break;
    }
}

void MachineLink::FinishReceive(bool partial, const std::string& why) {
    m_idle.stop();
    if (!m_stream) return;
    m_stream->End();
    m_stream.reset();
    const std::string raw = std::move(m_raw);
    m_raw.clear();
    m_state = State::Idle;
    m_requestEnd = std::chrono::steady_clock::now();
    const MachineEntry& entry = m_setup.entry;
    if (!partial && entry.requestNumber) {
        if (const auto number = ProgramNumberOf(raw);
            number && std::stoul(number->substr(1)) == *entry.requestNumber) {
            m_file.Discard();
            AnswerRequest(raw);
            return;
        }
    }
    if (!m_sink.HoldsProgram()) {
        m_file.Discard();
        Event("ignored " + std::to_string(m_rawBytes) + " bytes that held no program");
        return;
    }
    SaveProgram(raw, partial);
    if (partial) Event("the receive was cut off (" + why + "); kept what arrived");
}

void MachineLink::StartStoring() {
    // Written to the receive folder as it arrives, so a program of any size is stored;
    // memory holds it only when the folder takes no file at the moment.
    const std::string& folder = m_setup.entry.receiveFolder;
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::string error;
    m_memory.m_data.clear();
    if (m_file.Create(folder, error)) {
        m_sink.Reset(m_file);
    } else {
        Event(error + "; keeping the program in memory until it has arrived");
        m_sink.Reset(m_memory);
    }
}

void MachineLink::SaveProgram(const std::string& raw, bool partial) {
    const MachineEntry& entry = m_setup.entry;
    const std::string name = ReceivedFileName(raw, entry.nameFrom, std::time(nullptr), partial);
    const unsigned long long bytes = m_sink.Bytes();
    std::string error;
    const std::optional<std::string> saved =
        m_file.IsOpen() ? m_file.Commit(name, error)
                        : SaveReceived(entry.receiveFolder, name, m_memory.m_data, error);
    m_memory.m_data.clear();
    if (!saved) {
        Event("cannot save a received program of " + std::to_string(bytes) + " bytes: " + error);
        Record("received", entry.receiveFolder + "/" + name, bytes, "failed: " + error);
        return;
    }
    Event("received " + *saved + " (" + std::to_string(bytes) + " bytes" +
          (partial ? ", partial)" : ")"));
    Record("received", *saved, bytes, partial ? "partial" : "ok");
}

void MachineLink::AnswerRequest(const std::string& raw) {
    const std::string name = FirstCommentOf(raw).value_or("");
    const RequestLookup found = FindRequested(m_setup.entry.sendFolders, name);
    if (found.path.empty()) {
        Event("request for \"" + name + "\": " + found.problem + "; nothing sent");
        Record("request", name, m_rawBytes, found.problem);
        return;
    }
    const std::optional<std::string> program = common::ReadWholeFile(found.path);
    if (!program) {
        const std::string error =
            std::string("failed: cannot read ") + found.path + ": " + std::strerror(errno);
        Event("request for \"" + name + "\": " + error + "; nothing sent");
        Record("request", name, m_rawBytes, error);
        return;
    }
    Record("request", name, m_rawBytes, "ok");
    m_answerFile = found.path;
    m_out = SendBytes(m_setup.config, *program);
    m_sent = 0;
    m_ignoredTold = false;
    m_state = State::Answering;
    Event("request for \"" + name + "\": sending " + found.path + " in " +
          Seconds(m_setup.entry.requestDelay));
    // Counted from the end of the request: looking up and preparing the answer (and the
    // requests of other machines arriving at the same moment) does not lengthen it.
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - m_requestEnd);
    m_delay.start(std::max(std::chrono::milliseconds(0), m_setup.entry.requestDelay - spent));
}

void MachineLink::StartSending() {
    if (m_state != State::Answering) return;
    m_state = State::Sending;
    Pump();
}

void MachineLink::Pump() {
    if (m_state != State::Sending) {
        if (m_state == State::Draining) CheckLine();
        return;
    }
    if (m_tcp) {
        while (!m_held && m_sent < m_out.size() && m_tcp->bytesToWrite() < CPort::kTcpSendBuffer) {
            const std::size_t chunk =
                std::min<std::size_t>(CPort::kTcpSendBuffer, m_out.size() - m_sent);
            const qint64 n = m_tcp->write(m_out.data() + m_sent, static_cast<qint64>(chunk));
            if (n <= 0) return LostLater(m_tcp->errorString().toStdString());
            m_sent += static_cast<std::size_t>(n);
        }
    } else if (m_serial) {
        // Straight to the device: a port held by XOFF takes nothing for the moment, and
        // the notifier tells when it takes more.
        const int fd = Handle();
        while (m_sent < m_out.size()) {
            const ssize_t n = ::write(fd, m_out.data() + m_sent, m_out.size() - m_sent);
            if (n > 0) {
                m_sent += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                return LostLater(std::strerror(errno));
            if (!m_writable) {
                m_writable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
                connect(m_writable.get(), &QSocketNotifier::activated, this, [this] {
                    m_writable->setEnabled(false);
                    Pump();
                });
            }
            m_writable->setEnabled(true);
            return;
        }
    }
    if (m_sent == m_out.size()) {
        m_state = State::Draining;
        CheckLine();
    }
}

void MachineLink::CheckLine() {
    if (m_state == State::Closed || m_state == State::Connecting) return;
    if (m_serial) {
        if (m_serial->IsOpen()) ReadLine();
        if (m_serial->DeviceLost()) {
            const std::string why = m_serial->LastErrorText();
            return Lost(why);
        }
    } else if (m_tcp && m_tcp->state() != QAbstractSocket::ConnectedState) {
        return Lost("the device server closed the connection");
    }
    if (m_state != State::Draining) return;
    int queued = 0;
    if (m_serial)
        ::ioctl(Handle(), TIOCOUTQ, &queued);
    else if (m_tcp)
        queued = static_cast<int>(m_tcp->bytesToWrite());
    if (queued > 0) return;
    m_state = State::Idle;
    Event("sent " + m_answerFile + " (" + std::to_string(m_out.size()) + " bytes)");
    Record("sent", m_answerFile, m_out.size(), "ok");
    m_out.clear();
}

void MachineLink::Record(const std::string& direction, const std::string& file,
                         unsigned long long bytes, const std::string& result) {
    LogRecord record;
    record.time = std::time(nullptr);
    record.machine = m_setup.entry.name;
    record.direction = direction;
    record.file = file;
    record.bytes = bytes;
    record.result = result;
    m_log.Transfer(record);
}

}  // namespace sendrik::serve
