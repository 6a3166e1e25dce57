#pragma once

#include <QSerialPort>
#include <QTcpSocket>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "transfer/PortConfig.h"

namespace sendrik {

class ITransferWindow;

// Port numbers ("COM3") are what configurations store and the user sees; on Linux
// each number names a device path.
//
// A map file "ports.cfg" beside "port.cfg" gives a number to any device, lines like
//     3=/dev/ttyUSB0
//     7=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0
// (blank lines and lines starting with "#" are ignored). A number without an entry
// follows a fixed rule, so it keeps naming the same kind of device:
//     COM1  to COM8   /dev/ttyS0   to /dev/ttyS7     built-in serial ports
//     COM9  to COM20  /dev/ttyUSB0 to /dev/ttyUSB11  USB serial adapters
//     COM21 to COM30  /dev/ttyACM0 to /dev/ttyACM9   USB modem-class adapters
// Numbers above 30 have a device only through the map file. A device the map names
// keeps only its mapped number.
class PortMap {
public:
    PortMap() = default;
    // Reads the map file; a missing file gives an empty map. Bad lines are skipped and
    // described in Problems().
    static PortMap Load(const std::filesystem::path& mapFile);
    // "ports.cfg" beside the configuration file.
    static std::filesystem::path MapFileFor(const std::filesystem::path& configFile);

    void Set(int number, std::string device) { m_entries[number] = std::move(device); }
    // The device for a port number: the map entry, else the fixed rule; "" when neither.
    std::string DevicePath(int number) const;
    const std::map<int, std::string>& Entries() const { return m_entries; }
    const std::vector<std::string>& Problems() const { return m_problems; }

    // The fixed rule alone.
    static std::string DefaultDevicePath(int number);

private:
    std::map<int, std::string> m_entries;
    std::vector<std::string> m_problems;
};

// "COM3 (/dev/ttyUSB0)": the port list entry.
std::string PortDisplayName(int number, const PortMap& map);

// What the transfer procedures use of a line: the serial port, or files standing in
// for it when a transfer is only previewed.
class ITransferLine {
public:
    // Received bytes ready to read.
    virtual std::size_t BytesWaiting() = 0;
    // Reads up to `count` bytes.
    virtual bool Read(std::uint8_t* buffer, std::size_t count, std::size_t& read) = 0;
    // Writes all bytes; false on failure (the error is then recorded) or when stopped.
    virtual bool Write(const std::uint8_t* bytes, std::size_t count, std::size_t& written) = 0;
    // Waits until what was written has left; false when stopped meanwhile.
    virtual bool Drain() = 0;
    // Sleeps until data arrives, a window event comes or `timeoutMs` pass.
    virtual void WaitForData(int timeoutMs) = 0;
    // True once the far end has gone for good.
    virtual bool DeviceLost() = 0;
    virtual void Close() = 0;
    virtual int LastError() const = 0;
    virtual const std::string& LastErrorText() const = 0;
    // The device the line runs on, as the user named it; empty when there is none.
    virtual std::string LineName() const { return {}; }

protected:
    ~ITransferLine() = default;
};

// Whether a port text names a device rather than a port number: a path, or
// "tcp:HOST:PORT" for a serial device server.
bool IsDeviceName(const std::string& port);

// One open serial port, or a raw TCP connection to a serial device server when the
// device is "tcp:HOST:PORT" (no line settings there; XON/XOFF is handled here).
class CPort final : public ITransferLine {
public:
    // `owner` (may be null) provides the stop flag read while a write waits and the
    // status box that shows "Sending...", "Waiting..." or "Error!!!".
    explicit CPort(const PortMap& map, ITransferWindow* owner = nullptr);
    ~CPort();
    CPort(const CPort&) = delete;
    CPort& operator=(const CPort&) = delete;

    // Opens the device of `number` for exclusive reading and writing and applies the
    // line settings. On failure records the error, closes the port and returns false.
    //
    // Linux may keep a pseudo-terminal at 8 data bits without parity whatever it is
    // asked for, so there the line settings it does not take are no failure: they are
    // described in Warnings() and the port opens as the device allows. On a serial
    // port they stay failures.
    bool Open(int number, const PORT_CONFIG& config);
    void Close() override;
    bool IsOpen() const;

    // Received bytes ready to read.
    std::size_t BytesWaiting() override;
    // Reads up to `count` bytes; waits at most 2000 ms when nothing is ready.
    bool Read(std::uint8_t* buffer, std::size_t count, std::size_t& read) override;
    // Writes all bytes, waiting for the device to take them while the window stays
    // responsive (it wakes on window events and at least every 100 ms). Fails without
    // recording an error when the owner's stop flag was set while waiting.
    bool Write(const std::uint8_t* bytes, std::size_t count, std::size_t& written) override;

    // Waits until the device has sent what it holds, keeping the window responsive;
    // false (and the rest discarded) when the owner's stop flag is set meanwhile.
    bool Drain() override;

    // Sleeps until data arrives, a window event comes or `timeoutMs` pass.
    void WaitForData(int timeoutMs) override;

    // True once the device has gone (adapter pulled, far end of a pseudo-terminal
    // closed); the port is then closed, so nothing polls the dead device.
    bool DeviceLost() override;

    // The last failure: errno when known (always for writes), else the QSerialPort
    // error code, and a text.
    int LastError() const override { return m_nLastError; }
    const std::string& LastErrorText() const override { return m_strLastError; }
    const std::string& DevicePath() const { return m_strDevice; }
    std::string LineName() const override { return m_strDevice; }
    bool IsTcp() const { return m_bTcp; }

    // What the last Open could not set on a pseudo-terminal; empty on a real port.
    const std::vector<std::string>& Warnings() const { return m_warnings; }

    // The open device: the serial port or the TCP socket.
    QIODevice& Device() { return m_bTcp ? static_cast<QIODevice&>(m_tcp) : m_port; }
    int Handle() const;

    // How long Open waits for a device server to accept the connection.
    static constexpr int kConnectTimeoutMs = 5000;
    // Bytes the kernel may hold for a device server: far more than a serial line moves
    // in a round trip, far less than a program.
    static constexpr int kTcpSendBuffer = 4096;

private:
    bool OpenTcp(const PORT_CONFIG& config);
    // Moves what the socket holds into m_inbox, taking XON and XOFF out of it.
    void PullTcp();

    void RecordError(int code, const std::string& text);
    bool ApplySettings(const PORT_CONFIG& config);
    void CheckPseudoTerminalSettings(const PORT_CONFIG& config);
    void UpdateStatusDisplay(qint64 unwritten);

    const PortMap& m_map;
    ITransferWindow* m_owner;
    QSerialPort m_port;
    std::string m_strDevice;
    qint64 m_lastOutput = 0;
    bool m_bLost = false;  // bytes queued at the last status check
    int m_nLastError = 0;
    std::string m_strLastError;
    bool m_bPseudoTerminal = false;
    std::vector<std::string> m_warnings;
    QTcpSocket m_tcp;
    bool m_bTcp = false;
    bool m_bSoftFlow = false;  // XON/XOFF over TCP
    bool m_bHeld = false;      // XOFF received over TCP
    std::uint8_t m_chXon = 17;
    std::uint8_t m_chXoff = 19;
    std::string m_inbox;
};

// The port numbers 1 to 30 whose device opens with 9600 8-N-1 and no flow control
// (each is closed again at once), and every number the map gives to a "tcp:" device,
// in ascending order.
std::vector<int> EnumeratePorts(const PortMap& map);

// Lets queued window events run and then waits for the next event (a window event,
// serial data, a finished write) or `timeoutMs`, whichever comes first, so a loop that
// polls the port sleeps while the line is idle.
void WaitForEvents(int timeoutMs);

}  // namespace sendrik
