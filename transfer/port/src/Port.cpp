#include "transfer/Port.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>

#include "transfer/Machines.h"
#include "transfer/TransferWindow.h"

namespace sendrik {

namespace fs = std::filesystem;

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// The last status shown while a write waits; shared by every port of the process.
struct WaitStatus {
    bool known = false;
    int error = 0;
    bool held = false;
    qint64 input = 0;
    qint64 output = 0;
};
WaitStatus g_lastStatus;

// The slave side of a pseudo-terminal: Unix98 (/dev/pts/N) or the older /dev/ttyp0 kind.
bool IsPseudoTerminal(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned int kind = major(st.st_rdev);
    return (kind >= 136 && kind <= 143) || kind == 3;
}

}  // namespace

void ITransferWindow::PumpMessages() {
    if (QCoreApplication::instance() && !QCoreApplication::closingDown())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForEvents(int timeoutMs) {
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(std::min(timeoutMs, 10)));
        return;
    }
    // The timer bounds the wait; serial data, a finished write or any window event
    // end it earlier.
    QTimer timer;
    timer.setSingleShot(true);
    timer.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

PortMap PortMap::Load(const fs::path& mapFile) {
    PortMap map;
    std::ifstream in(mapFile);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const auto eq = line.find('=');
        const std::string number = eq == std::string::npos ? "" : Trim(line.substr(0, eq));
        const std::string device = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
        int value = 0;
        bool ok = !number.empty() && number.size() <= 4 && !device.empty();
        for (char c : number) {
            if (c < '0' || c > '9')
                ok = false;
            else
                value = value * 10 + (c - '0');
        }
        if (!ok || value < 1) {
            map.m_problems.push_back(mapFile.string() + ", line " + std::to_string(lineNo) +
                                     ": expected a line like 3=/dev/ttyUSB0");
            continue;
        }
        map.m_entries[value] = device;
    }
    return map;
}

fs::path PortMap::MapFileFor(const fs::path& configFile) {
    return configFile.parent_path() / "ports.cfg";
}

std::string PortMap::DefaultDevicePath(int number) {
    if (number >= 1 && number <= 8) return "/dev/ttyS" + std::to_string(number - 1);
    if (number >= 9 && number <= 20) return "/dev/ttyUSB" + std::to_string(number - 9);
    if (number >= 21 && number <= 30) return "/dev/ttyACM" + std::to_string(number - 21);
    return {};
}

std::string PortMap::DevicePath(int number) const {
    const auto it = m_entries.find(number);
    if (it != m_entries.end()) return it->second;
    // A device the map names keeps only its mapped number, so no port is listed twice.
    const std::string device = DefaultDevicePath(number);
    for (const auto& [mapped, path] : m_entries)
        if (path == device) return {};
    return device;
}

std::string PortDisplayName(int number, const PortMap& map) {
    std::string name = "COM" + std::to_string(number);
    const std::string device = map.DevicePath(number);
    if (!device.empty()) name += " (" + device + ")";
    return name;
}

CPort::CPort(const PortMap& map, ITransferWindow* owner) : m_map(map), m_owner(owner) {}

CPort::~CPort() {
    Close();
}

bool IsDeviceName(const std::string& port) {
    return port.find('/') != std::string::npos || port.rfind("tcp:", 0) == 0;
}

bool CPort::IsOpen() const {
    return m_bTcp ? m_tcp.isOpen() : m_port.isOpen();
}

int CPort::Handle() const {
    return m_bTcp ? static_cast<int>(m_tcp.socketDescriptor()) : static_cast<int>(m_port.handle());
}

void CPort::Close() {
    if (m_port.isOpen()) m_port.close();
    if (m_tcp.state() != QAbstractSocket::UnconnectedState) m_tcp.abort();
    m_inbox.clear();
}

void CPort::RecordError(int code, const std::string& text) {
    m_nLastError = code;
    m_strLastError = text;
}

bool CPort::Open(int number, const PORT_CONFIG& config) {
    Close();
    m_bLost = false;
    m_bPseudoTerminal = false;
    m_warnings.clear();
    m_strDevice = m_map.DevicePath(number);
    m_bTcp = false;
    if (m_strDevice.empty()) {
        RecordError(ENODEV, "COM" + std::to_string(number) + " names no device.");
        return false;
    }
    if (m_strDevice.rfind("tcp:", 0) == 0) return OpenTcp(config);
    m_port.setPortName(QString::fromStdString(m_strDevice));
    // QSerialPort opens the device exclusively (TIOCEXCL and a lock file).
    if (!m_port.open(QIODevice::ReadWrite)) {
        RecordError(static_cast<int>(m_port.error()), m_port.errorString().toStdString());
        return false;
    }
    if (!ApplySettings(config)) {
        // ApplySettings records the failures that are not QSerialPort's own.
        if (m_port.error() != QSerialPort::NoError)
            RecordError(static_cast<int>(m_port.error()), m_port.errorString().toStdString());
        m_port.close();
        return false;
    }
    // No read time-outs to set: QSerialPort reads without blocking (VMIN 0, VTIME 0)
    // and reports data as it arrives, which the 1 ms interval time-out gave on Windows.
    m_port.clearError();
    return true;
}

bool CPort::OpenTcp(const PORT_CONFIG& config) {
    std::string host;
    unsigned short number = 0;
    if (!SplitTcpPort(m_strDevice, host, number)) {
        RecordError(EINVAL, m_strDevice + " is not of the form tcp:HOST:PORT.");
        return false;
    }
    m_bTcp = true;
    m_bHeld = false;
    m_inbox.clear();
    m_bSoftFlow = config.m_nFlowControl == kFlowXonXoff;
    m_chXon = config.m_chXon;
    m_chXoff = config.m_chXoff;
    // A small send buffer, so that an XOFF from the machine holds the output at once
    // instead of after what the kernel has queued.
    m_tcp.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kTcpSendBuffer);
    m_tcp.connectToHost(QString::fromStdString(host), number);
    if (!m_tcp.waitForConnected(kConnectTimeoutMs)) {
        RecordError(static_cast<int>(m_tcp.error()), m_tcp.errorString().toStdString());
        m_tcp.abort();
        return false;
    }
    m_tcp.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_tcp.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    return true;
}

void CPort::PullTcp() {
    if (!m_tcp.isOpen()) return;
    const QByteArray bytes = m_tcp.readAll();
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (m_bSoftFlow && b == m_chXoff) {
            m_bHeld = true;
        } else if (m_bSoftFlow && b == m_chXon) {
            m_bHeld = false;
        } else {
            m_inbox.push_back(c);
        }
    }
}

bool CPort::ApplySettings(const PORT_CONFIG& config) {
    m_bPseudoTerminal = IsPseudoTerminal(static_cast<int>(m_port.handle()));
    // A pseudo-terminal refuses (or quietly drops) the character formats it cannot
    // take; what it ended up with is read back and described below.
    const auto lineSetting = [this](bool ok) {
        if (ok || !m_bPseudoTerminal) return ok;
        m_port.clearError();
        return true;
    };
    if (!m_port.setBaudRate(static_cast<qint32>(config.m_dwBaudRate))) return false;

    QSerialPort::DataBits dataBits;
    switch (config.m_byDataBits) {
        case 5:
            dataBits = QSerialPort::Data5;
            break;
        case 6:
            dataBits = QSerialPort::Data6;
            break;
        case 7:
            dataBits = QSerialPort::Data7;
            break;
        case 8:
            dataBits = QSerialPort::Data8;
            break;
        default:
            RecordError(EINVAL, std::to_string(config.m_byDataBits) +
                                    " data bits are not supported by this port.");
            return false;
    }
    if (!lineSetting(m_port.setDataBits(dataBits))) return false;

    static const QSerialPort::Parity kParity[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                  QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                  QSerialPort::SpaceParity};
    if (!lineSetting(m_port.setParity(config.m_byParity < 5 ? kParity[config.m_byParity]
                                                            : QSerialPort::NoParity)))
        return false;

    // Linux has no separate code for one and a half stop bits: a UART sends 1.5 stop
    // bits for 5 data bits when asked for two, as the Windows drivers do.
    const QSerialPort::StopBits stopBits =
        config.m_byStopBits == 0 ? QSerialPort::OneStop : QSerialPort::TwoStop;
    if (!lineSetting(m_port.setStopBits(stopBits))) return false;

    // Linux has no DSR output flow and no DTR handshake: "hardware" is RTS/CTS with DTR
    // raised, "hardware without DTR" the same with DTR dropped. Pseudo-terminals and
    // some adapters have no modem lines, so setting DTR and RTS may fail there; the
    // port still works, so those failures are not errors.
    bool dtr = true;
    switch (config.m_nFlowControl) {
        case kFlowHardware:
            if (!lineSetting(m_port.setFlowControl(QSerialPort::HardwareControl))) return false;
            break;
        case kFlowHardwareNoDtr:
            if (!lineSetting(m_port.setFlowControl(QSerialPort::HardwareControl))) return false;
            dtr = false;
            break;
        case kFlowXonXoff:
            if (!m_port.setFlowControl(QSerialPort::SoftwareControl)) return false;
            break;
        default:
            if (!m_port.setFlowControl(QSerialPort::NoFlowControl)) return false;
            break;
    }
    m_port.setDataTerminalReady(dtr);
    if (config.m_nFlowControl != kFlowHardware && config.m_nFlowControl != kFlowHardwareNoDtr)
        m_port.setRequestToSend(true);
    m_port.clearError();

    if (config.m_nFlowControl == kFlowXonXoff) {
        // QSerialPort has no setting for the XON and XOFF characters, so they go to the
        // terminal device underneath (c_cc[VSTART], c_cc[VSTOP]). IXANY is cleared: only
        // XON may resume output, as on the machine side.
        termios tio{};
        const int fd = static_cast<int>(m_port.handle());
        if (::tcgetattr(fd, &tio) != 0) {
            RecordError(errno, std::strerror(errno));
            return false;
        }
        tio.c_cc[VSTART] = config.m_chXon;
        tio.c_cc[VSTOP] = config.m_chXoff;
        tio.c_iflag &= ~static_cast<tcflag_t>(IXANY);
        tio.c_iflag |= IXON | IXOFF;
        if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
            RecordError(errno, std::strerror(errno));
            return false;
        }
    }
    if (m_bPseudoTerminal) CheckPseudoTerminalSettings(config);
    return true;
}

void CPort::CheckPseudoTerminalSettings(const PORT_CONFIG& config) {
    termios tio{};
    if (::tcgetattr(static_cast<int>(m_port.handle()), &tio) != 0) return;
    PORT_CONFIG actual = config;
    switch (tio.c_cflag & CSIZE) {
        case CS5:
            actual.m_byDataBits = 5;
            break;
        case CS6:
            actual.m_byDataBits = 6;
            break;
        case CS7:
            actual.m_byDataBits = 7;
            break;
        default:
            actual.m_byDataBits = 8;
            break;
    }
    if (!(tio.c_cflag & PARENB))
        actual.m_byParity = 0;
    else if (tio.c_cflag & CMSPAR)
        actual.m_byParity = (tio.c_cflag & PARODD) ? 3 : 4;
    else
        actual.m_byParity = (tio.c_cflag & PARODD) ? 1 : 2;
    // Two stop bits stand for one and a half as well (see ApplySettings).
    if (!(tio.c_cflag & CSTOPB))
        actual.m_byStopBits = 0;
    else if (config.m_byStopBits == 0)
        actual.m_byStopBits = 2;
    if (actual.m_byDataBits != config.m_byDataBits || actual.m_byParity != config.m_byParity ||
        actual.m_byStopBits != config.m_byStopBits)
        m_warnings.push_back("The pseudo-terminal " + m_strDevice + " cannot take " +
                             FormatPortSettings(config) + "; it runs " +
                             FormatPortSettings(actual) + ".");
    const bool hardware =
        config.m_nFlowControl == kFlowHardware || config.m_nFlowControl == kFlowHardwareNoDtr;
    if (hardware && !(tio.c_cflag & CRTSCTS))
        m_warnings.push_back("The pseudo-terminal " + m_strDevice +
                             " has no hardware handshake; it runs without flow control.");
}

void CPort::WaitForData(int timeoutMs) {
    if (QCoreApplication::instance() || !m_port.isOpen()) {
        if (m_bTcp && !QCoreApplication::instance()) {
            m_tcp.waitForReadyRead(timeoutMs);
            return;
        }
        WaitForEvents(timeoutMs);
    } else if (!m_port.waitForReadyRead(timeoutMs) && m_port.error() == QSerialPort::TimeoutError) {
        m_port.clearError();
    }
}

bool CPort::DeviceLost() {
    if (m_bTcp) {
        PullTcp();
        if (!m_inbox.empty() || m_bLost) return m_bLost;
        if (m_tcp.state() != QAbstractSocket::ConnectedState) {
            RecordError(ECONNRESET, "The device server closed the connection.");
            Close();
            m_bLost = true;
        }
        return m_bLost;
    }
    // Bytes already taken from the device are read first.
    if (!m_port.isOpen() || m_port.bytesAvailable() > 0) return m_bLost;
    // A hung-up terminal reads as endless end-of-file, which QSerialPort takes for "no
    // data" and is woken for again at once; poll tells the hang-up apart.
    pollfd p{static_cast<int>(m_port.handle()), POLLIN, 0};
    const bool hungUp = ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
    if (hungUp || m_port.error() == QSerialPort::ResourceError) {
        RecordError(hungUp ? EIO : static_cast<int>(m_port.error()),
                    hungUp ? "The device was disconnected." : m_port.errorString().toStdString());
        m_port.close();
        m_bLost = true;
    }
    return m_bLost;
}

std::size_t CPort::BytesWaiting() {
    if (m_bTcp) {
        PullTcp();
        return m_inbox.size();
    }
    if (!m_port.isOpen()) return 0;
    return static_cast<std::size_t>(std::max<qint64>(0, m_port.bytesAvailable()));
}

bool CPort::Read(std::uint8_t* buffer, std::size_t count, std::size_t& read) {
    read = 0;
    if (m_bTcp) {
        PullTcp();
        if (m_inbox.empty() && m_tcp.waitForReadyRead(2000)) PullTcp();
        read = std::min(count, m_inbox.size());
        std::memcpy(buffer, m_inbox.data(), read);
        m_inbox.erase(0, read);
        return true;
    }
    if (!m_port.isOpen()) {
        RecordError(EBADF, "The port is not open.");
        return false;
    }
    if (m_port.bytesAvailable() == 0 && !m_port.waitForReadyRead(2000)) {
        RecordError(static_cast<int>(m_port.error()), m_port.errorString().toStdString());
        m_port.clearError();
        return false;
    }
    const qint64 n = m_port.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(count));
    if (n < 0) {
        RecordError(static_cast<int>(m_port.error()), m_port.errorString().toStdString());
        m_port.clearError();
        return false;
    }
    read = static_cast<std::size_t>(n);
    return true;
}

bool CPort::Write(const std::uint8_t* bytes, std::size_t count, std::size_t& written) {
    written = 0;
    if (!IsOpen()) {
        RecordError(EBADF, "The port is not open.");
        return false;
    }
    // Written straight to the device rather than through QSerialPort's buffer: a
    // device that takes nothing for the moment (XOFF received, CTS low, buffer full)
    // answers EAGAIN, which QSerialPort reports as a write error, and the real error
    // number of a failure is kept for the user.
    const int fd = Handle();
    std::optional<QSocketNotifier> room;
    if (QCoreApplication::instance()) {
        room.emplace(static_cast<qintptr>(fd), QSocketNotifier::Write);
        room->setEnabled(false);
    }
    QElapsedTimer tick;
    tick.start();
    m_lastOutput = std::numeric_limits<qint64>::max();
    while (written < count) {
        // Over TCP the device server passes XOFF on as data: the output waits here.
        if (m_bTcp) PullTcp();
        ssize_t n = -1;
        errno = EAGAIN;
        if (!m_bTcp)
            n = ::write(fd, bytes + written, count - written);
        else if (!m_bHeld)
            n = ::send(fd, bytes + written, count - written, MSG_NOSIGNAL);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            RecordError(errno, std::strerror(errno));
            return false;
        }
        // Wait for room, a window event or 100 ms, whichever comes first.
        if (room && !(m_bTcp && m_bHeld)) {
            room->setEnabled(true);
            WaitForEvents(100);
            room->setEnabled(false);
        } else if (m_bTcp && m_bHeld) {
            WaitForData(100);
        } else {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
        if (m_owner && m_owner->StopFlag() != 0) {
            // Cancelled: what the device still holds is not sent either.
            ::tcflush(fd, TCOFLUSH);
            return false;
        }
        if (tick.elapsed() >= 100) {
            UpdateStatusDisplay(static_cast<qint64>(count - written));
            tick.restart();
        }
    }
    // Output moves again (XON came): the status must not go on saying "Waiting...".
    if (m_owner && g_lastStatus.known && g_lastStatus.held) {
        g_lastStatus.held = false;
        m_owner->SetStatusText("Sending...");
    }
    return true;
}

bool CPort::Drain() {
    if (!IsOpen()) return true;
    const int fd = Handle();
    QElapsedTimer tick;
    tick.start();
    m_lastOutput = std::numeric_limits<qint64>::max();
    int output = 0;
    while (::ioctl(fd, TIOCOUTQ, &output) == 0 && output > 0) {
        WaitForEvents(50);
        if (m_owner && m_owner->StopFlag() != 0) {
            ::tcflush(fd, TCOFLUSH);
            return false;
        }
        if (tick.elapsed() >= 100) {
            UpdateStatusDisplay(0);
            tick.restart();
        }
    }
    return true;
}

void CPort::UpdateStatusDisplay(qint64 unwritten) {
    if (!m_owner) return;
    int input = 0;
    int output = 0;
    const int fd = Handle();
    if (::ioctl(fd, FIONREAD, &input) != 0 || ::ioctl(fd, TIOCOUTQ, &output) != 0) {
        m_owner->SetStatusText("Error!!!");
        return;
    }
    // Linux does not report whether a received XOFF (or a low CTS) holds the output;
    // output that has not moved for a whole wait interval is taken as held.
    const qint64 queued = unwritten + output;
    const bool held = queued > 0 && queued >= m_lastOutput;
    m_lastOutput = queued;
    const int error = m_bTcp ? 0 : static_cast<int>(m_port.error());
    const bool heldNow = held || (m_bTcp && m_bHeld);
    WaitStatus now{true, error, heldNow, input + Device().bytesAvailable(), queued};
    const bool statusChanged = !g_lastStatus.known || now.held != g_lastStatus.held ||
                               now.input != g_lastStatus.input || now.output != g_lastStatus.output;
    const bool errorChanged = now.error != g_lastStatus.error;
    g_lastStatus = now;
    if (statusChanged || errorChanged)
        m_owner->SetStatusText(heldNow ? "Waiting..." : "Sending...");
}

std::vector<int> EnumeratePorts(const PortMap& map) {
    std::vector<int> ports;
    for (int number = 1; number <= 30; ++number) {
        const std::string device = map.DevicePath(number);
        if (device.empty() || !fs::exists(device)) continue;
        QSerialPort port(QString::fromStdString(device));
        port.setBaudRate(9600);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        if (port.open(QIODevice::ReadWrite)) {
            ports.push_back(number);
            port.close();
        }
    }
    // A device server is listed without connecting: it may be far away, and a
    // connection it takes could be the one a machine needs.
    for (const auto& [number, device] : map.Entries())
        if (device.rfind("tcp:", 0) == 0 &&
            std::find(ports.begin(), ports.end(), number) == ports.end())
            ports.push_back(number);
    std::sort(ports.begin(), ports.end());
    return ports;
}

}  // namespace sendrik
