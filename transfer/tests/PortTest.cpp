#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <termios.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "PtyPair.h"
#include "transfer/Port.h"
#include "transfer/Transfer.h"

using namespace sendrik;
using Clock = std::chrono::steady_clock;

namespace {

// Records what the procedures show, in place of the main window.
struct RecordingWindow : ITransferWindow, ITransferLineSubscriber {
    int& StopFlag() override { return stop; }
    void SetStatusText(const std::string& text) override {
        statuses.push_back({text, Clock::now()});
    }
    void SetPortSettingsText(const std::string& text) override { portSettings = text; }
    void ShowProgress(const std::string& t, bool bar, const std::string& text) override {
        title = t;
        showBar = bar;
        progressText = text;
        progressShown = true;
    }
    void SetProgressPos(int percent) override { progress = percent; }
    void HideProgress() override { progressShown = false; }
    void SetMainWindowEnabled(bool e) override { enabled = e; }
    bool RunTransferDelay(const std::string&, int seconds) override {
        delayAsked = seconds;
        return delayAnswer;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    ITransferLineSubscriber* LineSubscriber() override { return this; }
    void OnLine(const std::string& text) override { lines.push_back(text); }

    bool Showed(const std::string& text) const {
        for (const auto& s : statuses)
            if (s.first == text) return true;
        return false;
    }

    int stop = 0;
    std::vector<std::pair<std::string, Clock::time_point>> statuses;
    std::string portSettings = "9600 8-N-1";
    std::string title, progressText;
    bool showBar = false, progressShown = false, enabled = true, delayAnswer = true;
    int progress = 0, delayAsked = 0;
    std::vector<std::string> messages, lines;
};

// Sets a stop flag after a time, like the user's Cancel. Unlike a bare single-shot
// timer it dies with the test that made it, so it never fires into a later test.
class StopAfter {
public:
    StopAfter(int ms, int& flag) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [&flag] { flag = 1; });
        timer_.start(ms);
    }

private:
    QTimer timer_;
};

// The machine's side, on its own thread; joined however the test ends.
class Peer {
public:
    template <typename F>
    explicit Peer(F&& body) : thread_(std::forward<F>(body)) {}
    ~Peer() { join(); }
    void join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};

std::string ReadAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
}

// A program of about `size` bytes.
std::string Program(std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "G01 X" + std::to_string(i) + " Y" + std::to_string(i * 7 % 1000) + "\r\n";
    return text;
}

}  // namespace

class PortTest : public QObject {
    Q_OBJECT

private slots:
    void portMapRules();
    void enumerateListsMappedPtyOnly();
    void openFailsForAMissingDevice();
    void openAppliesFlowControlCharacters();
    void pseudoTerminalRunsWithWhatItTakes();
    void sendWithHeaderTrailerAndFilters();
    void sendSkipsFileWhenDelayCancelled();
    void sendMissingFileIsReported();
    void receiveEndsAtSecondPercent();
    void receiveCancelKeepsHeldBytes();
    void receiveKeepsDataWhenTheFarEndCloses();
    void xoffHoldsAndXonResumes();
    void deviceServerOverTcp();
    void cancelWhileHeldStopsTheSend();
    void peerClosingMidSendEndsWithWriteError();

private:
    QTemporaryDir dir_;
};

void PortTest::portMapRules() {
    QCOMPARE(PortMap::DefaultDevicePath(1), std::string("/dev/ttyS0"));
    QCOMPARE(PortMap::DefaultDevicePath(8), std::string("/dev/ttyS7"));
    QCOMPARE(PortMap::DefaultDevicePath(9), std::string("/dev/ttyUSB0"));
    QCOMPARE(PortMap::DefaultDevicePath(20), std::string("/dev/ttyUSB11"));
    QCOMPARE(PortMap::DefaultDevicePath(21), std::string("/dev/ttyACM0"));
    QCOMPARE(PortMap::DefaultDevicePath(30), std::string("/dev/ttyACM9"));
    QCOMPARE(PortMap::DefaultDevicePath(31), std::string());
    QCOMPARE(PortMap::DefaultDevicePath(0), std::string());

    const QString file = dir_.filePath("ports.cfg");
    WriteAll(file,
             "# machines\n3 = "
             "/dev/ttyUSB4\n\n40=/dev/pts/7\nx=/dev/ttyS1\n5=\n9=/dev/serial/by-id/a b\n");
    const PortMap map = PortMap::Load(file.toStdString());
    QCOMPARE(map.DevicePath(3), std::string("/dev/ttyUSB4"));
    QCOMPARE(map.DevicePath(40), std::string("/dev/pts/7"));
    QCOMPARE(map.DevicePath(9), std::string("/dev/serial/by-id/a b"));
    QCOMPARE(map.DevicePath(5), std::string("/dev/ttyS4"));  // bad line: the rule
    QCOMPARE(map.Problems().size(), std::size_t(2));
    QCOMPARE(PortDisplayName(3, map), std::string("COM3 (/dev/ttyUSB4)"));
    QCOMPARE(map.DevicePath(13), std::string());  // ttyUSB4 is COM3 only
    QCOMPARE(PortDisplayName(13, map), std::string("COM13"));
    QCOMPARE(map.DevicePath(12), std::string("/dev/ttyUSB3"));
    QCOMPARE(PortMap::MapFileFor("/opt/sendrik/port.cfg"),
             std::filesystem::path("/opt/sendrik/ports.cfg"));
    QVERIFY(PortMap::Load(dir_.filePath("none.cfg").toStdString()).Entries().empty());
}

void PortTest::enumerateListsMappedPtyOnly() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    map.Set(31, pty.SlaveName());
    const std::vector<int> ports = EnumeratePorts(map);
    QVERIFY(ports.size() <= 30);
    QVERIFY(std::find(ports.begin(), ports.end(), 3) != ports.end());
    for (int n : ports) QVERIFY(n >= 1 && n <= 30);
    QVERIFY(std::is_sorted(ports.begin(), ports.end()));
}

void PortTest::openFailsForAMissingDevice() {
    PortMap map;
    map.Set(5, "/dev/no-such-serial-device");
    CPort port(map);
    QVERIFY(!port.Open(5, PORT_CONFIG()));
    QVERIFY(!port.IsOpen());
    QVERIFY(port.LastError() != 0);
    QVERIFY(!port.Open(40, PORT_CONFIG()));  // no device at all
}

void PortTest::openAppliesFlowControlCharacters() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    CPort port(map);
    PORT_CONFIG config;
    config.m_chXon = 'Q';
    config.m_chXoff = 'S';
    config.m_dwBaudRate = 4800;
    // Linux keeps a pseudo-terminal at 8 data bits without parity, so only the rest of
    // the line settings can be seen here.
    QVERIFY2(port.Open(3, config), port.LastErrorText().c_str());
    termios tio{};
    QCOMPARE(::tcgetattr(pty.Slave(), &tio), 0);
    QCOMPARE(int(tio.c_cc[VSTART]), int('Q'));
    QCOMPARE(int(tio.c_cc[VSTOP]), int('S'));
    QVERIFY(tio.c_iflag & IXON);
    QVERIFY(tio.c_iflag & IXOFF);
    QVERIFY(!(tio.c_iflag & IXANY));
    QCOMPARE(int(cfgetospeed(&tio)), int(B4800));

    config.m_nFlowControl = kFlowNone;
    QVERIFY(port.Open(3, config));  // reopening closes first
    QCOMPARE(::tcgetattr(pty.Slave(), &tio), 0);
    QVERIFY(!(tio.c_iflag & (IXON | IXOFF)));

    config.m_byDataBits = 4;
    QVERIFY(!port.Open(3, config));
    QVERIFY(!port.IsOpen());
    QVERIFY(port.LastErrorText().find("data bits") != std::string::npos);
}

void PortTest::pseudoTerminalRunsWithWhatItTakes() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    CPort port(map);
    PORT_CONFIG config;
    QVERIFY(port.Open(3, config));
    QVERIFY(port.Warnings().empty());  // 8-N-1 is what it takes

    config.m_byDataBits = 7;
    config.m_byParity = 1;
    config.m_byStopBits = 1;
    config.m_nFlowControl = kFlowHardware;
    QVERIFY2(port.Open(3, config), port.LastErrorText().c_str());
    termios tio{};
    QCOMPARE(::tcgetattr(pty.Slave(), &tio), 0);
    // The kernel decides what a pseudo-terminal keeps; whatever it dropped is described.
    const bool format = (tio.c_cflag & CSIZE) == CS7 && (tio.c_cflag & PARENB) &&
                        (tio.c_cflag & PARODD) && (tio.c_cflag & CSTOPB);
    const bool handshake = (tio.c_cflag & CRTSCTS) != 0;
    std::vector<std::string> expected;
    if (!format)
        expected.push_back("The pseudo-terminal " + pty.SlaveName() +
                           " cannot take 9600 7-O-1.5; it runs 9600 8-N-1.5.");
    if (!handshake)
        expected.push_back("The pseudo-terminal " + pty.SlaveName() +
                           " has no hardware handshake; it runs without flow control.");
    QCOMPARE(port.Warnings(), expected);

    // Bytes still pass both ways.
    std::size_t written = 0;
    QVERIFY(port.Write(reinterpret_cast<const std::uint8_t*>("G00"), 3, written));
    std::string got;
    pty.ReadUntil(got, 3, 2000);
    QCOMPARE(got, std::string("G00"));
}

void PortTest::sendWithHeaderTrailerAndFilters() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    config.m_port.m_dwBaudRate = 115200;
    QVERIFY2(port.Open(3, config.m_port), port.LastErrorText().c_str());

    config.m_send.m_header = {'%', 13, 10};
    config.m_send.m_trailer = {'%', 13, 10};
    config.m_send.m_nSkipComments = kCommentParen | kCommentSemicolon;
    config.m_send.m_bSkipLineNumbers = 1;
    config.m_send.m_bSkipEmptyLines = 1;
    const QString file = dir_.filePath("send.nc");
    WriteAll(file, "N10 G00 X1 (RAPID)\r\nN20 G01 Y2 ;feed\r\n\r\nM30\r\n");
    const std::string expected = "%\r\nG00 X1 \r\nG01 Y2 \r\nM30\r\n%\r\n";

    std::string received;
    Peer peer([&] { pty.ReadUntil(received, expected.size(), 3000); });
    QVERIFY(SendFile(port, config, file.toStdString(), window));
    peer.join();
    QCOMPARE(received, expected);
    QCOMPARE(window.lines.size(), std::size_t(3));
    QVERIFY(window.Showed("Sending..."));
    QCOMPARE(window.statuses.back().first, std::string());
    QCOMPARE(window.portSettings, std::string());
    QCOMPARE(window.title, "Sending file " + file.toStdString());
    QVERIFY(window.showBar);
    QCOMPARE(window.progress, 100);
    QVERIFY(!window.progressShown);
    QVERIFY(window.enabled);
    QVERIFY(window.messages.empty());
}

void PortTest::sendSkipsFileWhenDelayCancelled() {
    PortMap map;
    RecordingWindow window;
    window.delayAnswer = false;
    CPort port(map, &window);
    CPortConfig config;
    config.m_send.m_nDelaySeconds = 65;
    const QString file = dir_.filePath("delayed.nc");
    WriteAll(file, "G00\r\n");
    QVERIFY(!SendFile(port, config, file.toStdString(), window));
    QCOMPARE(window.delayAsked, 65);
    QVERIFY(!window.progressShown && window.statuses.empty());
}

void PortTest::sendMissingFileIsReported() {
    PortMap map;
    RecordingWindow window;
    CPort port(map, &window);
    QVERIFY(!SendFile(port, CPortConfig(), "/no/such/O1000.nc", window));
    QCOMPARE(window.messages, std::vector<std::string>{"Unable to open file /no/such/O1000.nc"});

    // A folder is no program, and a file that fails while it is read was not sent whole.
    RecordingWindow folder;
    const std::string dir = dir_.path().toStdString();
    QVERIFY(!SendFile(port, CPortConfig(), dir, folder));
    QCOMPARE(folder.messages, std::vector<std::string>{"Unable to open file " + dir});
    RecordingWindow broken;
    QVERIFY(!SendFile(port, CPortConfig(), "/proc/self/mem", broken));  // reading it fails
    QCOMPARE(broken.messages,
             std::vector<std::string>{
                 "Failed to read file /proc/self/mem.\nThe program was not sent completely."});
    QVERIFY(broken.enabled && !broken.progressShown);
}

void PortTest::receiveEndsAtSecondPercent() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(4, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    config.m_receive.m_bCheckPercent = 1;
    config.m_receive.m_trailer = {'E'};
    QVERIFY(port.Open(4, config.m_port));

    Peer peer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        pty.Write("%\r\nO1000\r\nG00 X1\r\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pty.Write("%\r\nM30\r\n");
    });
    StopAfter guard(10000, window.stop);  // never hang the suite
    const QString file = dir_.filePath("received.nc");
    const auto start = Clock::now();
    ReceiveToFile(port, config, file.toStdString(), window);
    peer.join();
    QVERIFY(Clock::now() - start < std::chrono::seconds(8));
    QCOMPARE(ReadAll(file), std::string("%\n\rO1000\n\rG00 X1\n\r%E"));
    QVERIFY(!port.IsOpen());
    QVERIFY(window.Showed("Waiting for data..."));
    QVERIFY(window.Showed("Receiving..."));
    QCOMPARE(window.statuses.back().first, std::string());
    QCOMPARE(window.progressText, std::string("Waiting for data..."));
    QVERIFY(!window.showBar);
    QCOMPARE(window.title, "Storing data to file " + file.toStdString());
    QVERIFY(window.enabled);
}

void PortTest::receiveCancelKeepsHeldBytes() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(4, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    QVERIFY(port.Open(4, config.m_port));
    std::atomic<bool> wrote{false};
    Peer peer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pty.Write("G00 X1");
        wrote = true;
    });
    // The user cancels once the program has taken in the bytes, however slow the machine is.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (wrote && pty.WaitUntilDrained(0) && port.BytesWaiting() == 0 &&
            window.Showed("Receiving..."))
            window.stop = 1;
    });
    cancel.start(10);
    StopAfter guard(10000, window.stop);  // never hang the suite
    const QString file = dir_.filePath("cancelled.nc");
    ReceiveToFile(port, config, file.toStdString(), window);
    peer.join();
    QCOMPARE(ReadAll(file), std::string("G00 X1"));
}

void PortTest::receiveKeepsDataWhenTheFarEndCloses() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(4, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    config.m_receive.m_bReplaceEol = 0;
    QVERIFY(port.Open(4, config.m_port));
    Peer peer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pty.Write(Program(20000));
        // Linux drops what the far end has not read yet when the master closes.
        pty.WaitUntilDrained(10000);
        pty.CloseMaster();
    });
    // The receive ends by itself, saying which port went.
    StopAfter guard(20000, window.stop);  // never hang the suite
    const QString file = dir_.filePath("unplugged.nc");
    ReceiveToFile(port, config, file.toStdString(), window);
    peer.join();
    QCOMPARE(ReadAll(file).size(), Program(20000).size());
    QVERIFY(ReadAll(file) == Program(20000));
    QVERIFY(window.Showed("Error!!!"));
    QCOMPARE(window.messages.size(), std::size_t(1));
    QVERIFY(window.messages[0].find("The port " + pty.SlaveName() + " is gone") == 0);
    QVERIFY(!port.IsOpen());
}

void PortTest::xoffHoldsAndXonResumes() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;  // XON/XOFF with 17 and 19
    QVERIFY(port.Open(3, config.m_port));
    const std::string program = Program(300 * 1024);
    const QString file = dir_.filePath("long.nc");
    WriteAll(file, program);

    std::string received;
    std::atomic<bool> heldQuiet{false};
    Clock::time_point xoffAt, xonAt;
    std::size_t atXoff = 0;
    Peer peer([&] {
        pty.ReadUntil(received, 2000, 3000);
        pty.Write("\x13");
        xoffAt = Clock::now();
        // Bytes already on their way still arrive; then the line must stay quiet.
        while (pty.ReadSome(received, 300)) {
        }
        atXoff = received.size();
        heldQuiet = !pty.ReadSome(received, 700);
        xonAt = Clock::now();
        pty.Write("\x11");
        pty.ReadUntil(received, program.size(), 3000);
    });
    StopAfter guard(20000, window.stop);
    QVERIFY(SendFile(port, config, file.toStdString(), window));
    peer.join();

    QVERIFY(heldQuiet);
    QVERIFY2(atXoff < program.size() / 2, std::to_string(atXoff).c_str());
    QCOMPARE(received.size(), program.size());
    QVERIFY(received == program);  // nothing lost, nothing doubled
    bool waitingWhileHeld = false;
    bool sendingAfter = false;
    for (const auto& [text, when] : window.statuses) {
        if (text == "Waiting..." && when > xoffAt && when < xonAt) waitingWhileHeld = true;
        if (text == "Sending..." && when > xonAt) sendingAfter = true;
    }
    QVERIFY(waitingWhileHeld);
    QVERIFY(sendingAfter);
    QVERIFY(window.messages.empty());
}

// A device server stand-in on 127.0.0.1: the port map names it, the port list shows it,
// and XON/XOFF, which arrive as data over TCP, hold and resume the send.
void PortTest::deviceServerOverTcp() {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(listener >= 0);
    const int small = 4096;  // a small window, as a device server's buffer
    ::setsockopt(listener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(::listen(listener, 1) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0);
    PortMap map;
    map.Set(40, "tcp:127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
    const std::vector<int> ports = EnumeratePorts(map);
    QVERIFY(std::find(ports.begin(), ports.end(), 40) != ports.end());

    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;  // XON/XOFF with 17 and 19
    QVERIFY(port.Open(40, config.m_port));
    QVERIFY(port.IsTcp());
    const std::string program = Program(300 * 1024);
    const QString file = dir_.filePath("long.nc");
    WriteAll(file, program);
    std::string received;
    std::size_t atXoff = 0;
    bool heldQuiet = false;
    Peer peer([&] {
        const int line = ::accept(listener, nullptr, nullptr);
        const auto readSome = [&](int timeoutMs) {
            pollfd p{line, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0) return false;
            char buffer[4096];
            const ssize_t n = ::read(line, buffer, sizeof buffer);
            if (n <= 0) return false;
            received.append(buffer, static_cast<std::size_t>(n));
            return true;
        };
        while (received.size() < 2000 && readSome(3000)) {
        }
        [[maybe_unused]] ssize_t n = ::write(line, "\x13", 1);
        while (readSome(300)) {
        }
        atXoff = received.size();
        heldQuiet = !readSome(700);
        n = ::write(line, "\x11", 1);
        while (received.size() < program.size() && readSome(3000)) {
        }
        ::close(line);
    });
    StopAfter guard(20000, window.stop);
    QVERIFY(SendFile(port, config, file.toStdString(), window));
    peer.join();
    ::close(listener);
    QVERIFY(heldQuiet);
    QVERIFY2(atXoff < program.size() / 2, std::to_string(atXoff).c_str());
    QVERIFY(received == program);
    QVERIFY(window.Showed("Waiting..."));
    QVERIFY(window.messages.empty());
}

void PortTest::cancelWhileHeldStopsTheSend() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    config.m_send.m_trailer = {'E', 'N', 'D'};
    QVERIFY(port.Open(3, config.m_port));
    const std::string program = Program(300 * 1024);
    const QString file = dir_.filePath("cancelled-send.nc");
    WriteAll(file, program);

    std::string received;
    std::atomic<bool> held{false};
    Peer peer([&] {
        pty.ReadUntil(received, 2000, 3000);
        pty.Write("\x13");
        while (pty.ReadSome(received, 300)) {
        }
        held = true;
    });
    // Cancel once the machine holds the line.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (held) window.stop = 1;
    });
    cancel.start(50);
    StopAfter guard(20000, window.stop);
    const auto start = Clock::now();
    QVERIFY(SendFile(port, config, file.toStdString(), window));
    QVERIFY(Clock::now() - start < std::chrono::seconds(10));
    peer.join();
    pty.Write("\x11");
    while (pty.ReadSome(received, 500)) {
    }
    QVERIFY(received.size() < program.size());
    QVERIFY(received.find("END") == std::string::npos);
    QVERIFY(program.compare(0, received.size(), received) == 0);
    QVERIFY2(window.messages.empty(), window.messages.empty() ? "" : window.messages[0].c_str());
    QVERIFY(window.enabled);
}

void PortTest::peerClosingMidSendEndsWithWriteError() {
    PtyPair pty;
    QVERIFY(pty.Ok());
    PortMap map;
    map.Set(3, pty.SlaveName());
    RecordingWindow window;
    CPort port(map, &window);
    CPortConfig config;
    config.m_port.m_nFlowControl = kFlowNone;
    config.m_send.m_trailer = {'E', 'N', 'D'};
    QVERIFY(port.Open(3, config.m_port));
    const QString file = dir_.filePath("cut.nc");
    WriteAll(file, Program(300 * 1024));

    Peer peer([&] {
        std::string received;
        pty.ReadUntil(received, 2000, 3000);
        pty.CloseMaster();
    });
    StopAfter guard(20000, window.stop);
    const auto start = Clock::now();
    QVERIFY(SendFile(port, config, file.toStdString(), window));
    peer.join();
    QVERIFY(Clock::now() - start < std::chrono::seconds(10));
    QCOMPARE(window.messages.size(), std::size_t(1));
    QVERIFY2(window.messages[0].rfind("Port Writing Error: ", 0) == 0, window.messages[0].c_str());
    qInfo("%s", window.messages[0].c_str());
    QCOMPARE(window.stop, 1);
    QVERIFY(window.enabled);
}

QTEST_GUILESS_MAIN(PortTest)
#include "PortTest.moc"
