// sendrik serve as the shop floor meets it: the real program serving machines played by
// this test over pseudo-terminal pairs and over loopback TCP (a device-server stand-in),
// with real folders, signals and machines files.

#include <signal.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "../../tests/PtyPair.h"
#include "transfer/Settings.h"

using namespace sendrik;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A program of about `size` bytes: "%", the number line, a comment, moves, "%".
std::string Program(const std::string& head, std::size_t size) {
    std::string text = "%\n" + head + "\n";
    for (int n = 10; text.size() < size; n += 10)
        text += "N" + std::to_string(n) + " G01 X" + std::to_string(n % 977) + ".125 Y-" +
                std::to_string(n % 313) + ".5 F250.\n";
    return text + "M30\n%\n";
}

bool WaitUntil(int timeoutMs, const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

// The program under test, run by its real name.
struct Run {
    int status = -1;
    QByteArray out, err;
};

Run Sendrik(const QStringList& args, int timeoutMs = 20000) {
    QProcess process;
    process.start(SENDRIK_PROGRAM, args);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A running `sendrik serve` whose standard error the test reads.
class Server {
public:
    explicit Server(const QStringList& args) {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(SENDRIK_PROGRAM, QStringList{"serve"} + args);
    }
    ~Server() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    // Whether standard error shows `text` (from `from` on) within the time.
    bool WaitFor(const QString& text, int timeoutMs = 15000, qsizetype from = 0) {
        return WaitUntil(timeoutMs, [&] {
            m_err += m_process.readAllStandardError();
            return m_err.indexOf(text.toUtf8(), from) >= 0;
        });
    }
    qsizetype Mark() {
        m_err += m_process.readAllStandardError();
        return m_err.size();
    }
    void Signal(int number) { ::kill(static_cast<pid_t>(m_process.processId()), number); }
    bool WaitForExit(int timeoutMs) {
        const bool ended = m_process.waitForFinished(timeoutMs);
        m_err += m_process.readAllStandardError();
        return ended;
    }
    int ExitCode() const { return m_process.exitCode(); }
    const QByteArray& Err() {
        Mark();
        return m_err;
    }

private:
    QProcess m_process;
    QByteArray m_err;
};

}  // namespace

class ServeTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::string Path(const std::string& name) const {
        return m_dir.path().toStdString() + "/" + name;
    }
    QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }

    QStringList ServeArgs() const {
        return {"--machines", QPath("machines.conf"),    "--config-file", QPath("port.cfg"),
                "--log",      QPath("state/serve.jsonl")};
    }

    // "Mill": receives until the second "%"; sends with a leader and a trailer so the
    // answer to a request is more than the file.
    void WriteConfig() {
        CSettings settings(Path("port.cfg"));
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        c->m_receive.m_bCheckPercent = 1;
        c->m_send.m_header = {0, 0, 0};
        c->m_send.m_trailer = {20};
        c->m_send.m_bReplaceEol = 1;
        c->m_send.m_eolReplace = {13, 10};
        settings.Add(std::move(c));
        QVERIFY(settings.Save().empty());
    }

    static std::string Machine(const std::string& name, const std::string& port,
                               const std::string& folder, const std::string& extra = "") {
        return "[" + name + "]\nconfig = Mill\nport = " + port + "\nreceive-folder = " + folder +
               "\nidle-timeout = 3\n" + extra + "\n";
    }

    // What `sendrik receive` stores of `bytes`, and what `sendrik send` puts on the line
    // for `file`, told by the program itself.
    std::string Stored(const std::string& bytes) {
        WriteFile(Path("preview-in"), bytes);
        const Run run =
            Sendrik({"preview", "--receive", "--config", "Mill", "--config-file", QPath("port.cfg"),
                     "--output", QPath("preview-out"), QPath("preview-in")});
        return run.status == 0 ? ReadFile(Path("preview-out")) : "preview failed";
    }
    std::string SentBytes(const std::string& file) {
        const Run run = Sendrik({"preview", "--config", "Mill", "--config-file", QPath("port.cfg"),
                                 QString::fromStdString(file)});
        return run.status == 0 ? run.out.toStdString() : "preview failed";
    }

    std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::ifstream in(Path("state/serve.jsonl"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        for (const char* folder : {"in1", "in2", "in3", "send", "common"})
            fs::create_directories(Path(folder));
        WriteConfig();
    }

    // Three machines at once, each with a naming rule of its own; a program number
    // received twice keeps the first as a numbered backup.
    void machinesReceiveAtOnceUnderTheirNames() {
        PtyPair a, b, c;
        QVERIFY(a.Ok() && b.Ok() && c.Ok());
        WriteFile(Path("machines.conf"),
                  Machine("Mill 1", a.SlaveName(), Path("in1")) +
                      Machine("Mill 2", b.SlaveName(), Path("in2"), "name-from = first-comment") +
                      Machine("Lathe", c.SlaveName(), Path("in3"), "name-from = time") +
                      Machine("Unplugged", Path("no-such-tty"), Path("in3")));
        Server server(ServeArgs());
        QVERIFY(server.WaitFor("Unplugged: cannot open " + QPath("no-such-tty")));
        QVERIFY(a.WaitUntilRaw(10000) && b.WaitUntilRaw(10000) && c.WaitUntilRaw(10000));

        const std::string one = Program("O1000 (FIRST)", 120000);
        const std::string two = Program("O2000 (BRACKET OP2/B)", 150000);
        const std::string three = Program("O3000 (LATHE)", 90000);
        {
            std::thread ta([&] { a.Write(one); });
            std::thread tb([&] { b.Write(two); });
            std::thread tc([&] { c.Write(three); });
            ta.join();
            tb.join();
            tc.join();
        }
        QVERIFY(server.WaitFor("Mill 1: received"));
        QVERIFY(server.WaitFor("Mill 2: received"));
        QVERIFY(server.WaitFor("Lathe: received"));
        QVERIFY(ReadFile(Path("in1/O1000.nc")) == Stored(one));
        QVERIFY(ReadFile(Path("in2/BRACKET_OP2_B.nc")) == Stored(two));
        const QStringList lathe = QDir(QPath("in3")).entryList(QDir::Files);
        QCOMPARE(lathe.size(), 1);
        QVERIFY(QRegularExpression("^\\d{8}-\\d{6}\\.nc$").match(lathe[0]).hasMatch());
        QVERIFY(ReadFile(Path("in3/" + lathe[0].toStdString())) == Stored(three));

        const qsizetype mark = server.Mark();
        const std::string again = Program("O1000 (SECOND)", 5000);
        a.Write(again);
        QVERIFY(server.WaitFor("Mill 1: received", 15000, mark));
        QVERIFY(ReadFile(Path("in1/O1000.nc")) == Stored(again));
        QVERIFY(ReadFile(Path("in1/O1000.nc.~1~")) == Stored(one));
        // The machine without its device was told of once, not every 2 s.
        QCOMPARE(server.Err().count("Unplugged: cannot open"), 1);

        const auto log = LogLines();
        QCOMPARE(log.size(), std::size_t(4));
        QVERIFY(log[3].find("\"machine\":\"Mill 1\",\"direction\":\"received\",\"file\":\"" +
                            Path("in1/O1000.nc") +
                            "\",\"bytes\":" + std::to_string(Stored(again).size()) +
                            ",\"result\":\"ok\"}") != std::string::npos);
    }

    // A request is answered after the delay with exactly the bytes of `sendrik send`; a
    // missing program, a path or a link leading out of the send folders sends nothing.
    void requestsAreAnsweredOnlyFromTheSendFolders() {
        PtyPair pty;
        QVERIFY(pty.Ok());
        WriteFile(Path("send/O1234.nc"), Program("O1234 (ASKED FOR)", 40000));
        WriteFile(Path("common/BRACKET-OP2.tap"), Program("O77 (BRACKET-OP2)", 2000));
        WriteFile(Path("secret"), "the PC's own file\n");
        fs::create_symlink(Path("secret"), Path("send/LINKOUT.nc"));
        WriteFile(Path("machines.conf"),
                  Machine("Mill", pty.SlaveName(), Path("in1"),
                          "send-folders = " + Path("send") + ", " + Path("common") +
                              "\nrequest-number = 9999\nrequest-delay = 1.5"));
        Server server(ServeArgs());
        QVERIFY(pty.WaitUntilRaw(10000));
        pty.StartCollecting();

        pty.Write("%\nO9999 (o1234)\n%\n");
        QVERIFY(server.WaitFor("request for \"o1234\": sending"));
        QThread::msleep(700);
        QVERIFY(pty.Received().empty());  // well within the delay
        const std::string expected = SentBytes(Path("send/O1234.nc"));
        QVERIFY(WaitUntil(15000, [&] { return pty.Received().size() >= expected.size(); }));
        QVERIFY(server.WaitFor("Mill: sent"));
        QVERIFY(pty.Received() == expected);

        const qsizetype mark = server.Mark();
        pty.Write("%\nO9999 (BRACKET-OP2)\n%\n");
        QVERIFY(server.WaitFor("Mill: sent", 15000, mark));
        QVERIFY(pty.Received() == expected + SentBytes(Path("common/BRACKET-OP2.tap")));

        const std::string before = pty.Received();
        const struct {
            const char* request;
            const char* log;
        } refused[] = {
            {"O4321", "request for \"O4321\": not found; nothing sent"},
            {"../secret", "request for \"../secret\": refused: the request names a path"},
            {"/etc/passwd", "request for \"/etc/passwd\": refused: the request names a path"},
            {"LINKOUT", "leads out of the send folders; nothing sent"},
        };
        for (const auto& r : refused) {
            pty.Write(std::string("%\nO9999 (") + r.request + ")\n%\n");
            QVERIFY2(server.WaitFor(r.log), r.request);
        }
        QThread::msleep(2000);  // longer than the delay
        QVERIFY(pty.Received() == before);
        QVERIFY(QDir(QPath("in1")).entryList(QDir::Files).isEmpty());  // requests are not saved
        const auto log = LogLines();
        QVERIFY(log.size() >= 8);
        QVERIFY(log[0].find("\"direction\":\"request\",\"file\":\"o1234\"") != std::string::npos);
        QVERIFY(log[1].find("\"direction\":\"sent\",\"file\":\"" + Path("send/O1234.nc") +
                            "\",\"bytes\":" + std::to_string(expected.size())) !=
                std::string::npos);
        QVERIFY(log.back().find("leads out of the send folders") != std::string::npos);
    }

    // A port that vanishes mid-receive keeps the part that came as a partial program and
    // is opened again when it is back.
    void aVanishedPortKeepsThePartAndComesBack() {
        auto first = std::make_unique<PtyPair>();
        QVERIFY(first->Ok());
        const std::string link = Path("ttyMill");
        fs::create_symlink(first->SlaveName(), link);
        WriteFile(Path("machines.conf"), Machine("Mill", link, Path("in1")));
        Server server(ServeArgs());
        QVERIFY(first->WaitUntilRaw(10000));

        const std::string part = Program("O500 (CUT OFF)", 30000);
        const std::string cut = part.substr(0, part.size() - 100);
        first->Write(cut);
        QVERIFY(first->WaitUntilDrained(10000));
        first.reset();
        QVERIFY(server.WaitFor("Mill: port " + QString::fromStdString(link) + " is gone"));
        QVERIFY(ReadFile(Path("in1/O500.partial.nc")) == Stored(cut));

        PtyPair second;
        QVERIFY(second.Ok());
        fs::remove(link);
        fs::create_symlink(second.SlaveName(), link);
        QVERIFY(server.WaitFor("Mill: port is back"));
        QVERIFY(second.WaitUntilRaw(10000));
        const std::string whole = Program("O501", 20000);
        second.Write(whole);
        QVERIFY(server.WaitFor("Mill: received " + QPath("in1/O501.nc")));
        QVERIFY(ReadFile(Path("in1/O501.nc")) == Stored(whole));
    }

    // A device server over TCP: programs in, a request answered, and a dropped
    // connection made again by the server.
    void aDeviceServerConnectionIsRemade() {
        QTcpServer deviceServer;
        QVERIFY(deviceServer.listen(QHostAddress::LocalHost));
        const std::string port = "tcp:127.0.0.1:" + std::to_string(deviceServer.serverPort());
        WriteFile(Path("send/O42.nc"), Program("O42", 30000));
        WriteFile(Path("machines.conf"),
                  Machine("Router", port, Path("in1"),
                          "send-folders = " + Path("send") +
                              "\nrequest-number = 9000\nrequest-delay = 0.2"));
        Server server(ServeArgs());
        QVERIFY(deviceServer.waitForNewConnection(10000));
        std::unique_ptr<QTcpSocket> line(deviceServer.nextPendingConnection());
        QVERIFY(server.WaitFor("Router: port " + QString::fromStdString(port)));

        const std::string one = Program("O10 (OVER TCP)", 60000);
        line->write(one.data(), static_cast<qint64>(one.size()));
        QVERIFY(line->waitForBytesWritten(5000));
        QVERIFY(server.WaitFor("Router: received"));
        QVERIFY(ReadFile(Path("in1/O10.nc")) == Stored(one));

        const std::string request = "%\nO9000 (O42)\n%\n";
        line->write(request.data(), static_cast<qint64>(request.size()));
        const std::string expected = SentBytes(Path("send/O42.nc"));
        QByteArray answer;
        QVERIFY(WaitUntil(15000, [&] {
            line->waitForReadyRead(20);
            answer += line->readAll();
            return answer.size() >= static_cast<qsizetype>(expected.size());
        }));
        QVERIFY(answer.toStdString() == expected);

        line->abort();
        QVERIFY(server.WaitFor("Router: port " + QString::fromStdString(port) + " is gone"));
        QVERIFY(deviceServer.waitForNewConnection(15000));
        line.reset(deviceServer.nextPendingConnection());
        QVERIFY(server.WaitFor("Router: port is back"));
        const std::string two = Program("O11", 10000);
        line->write(two.data(), static_cast<qint64>(two.size()));
        QVERIFY(line->waitForBytesWritten(5000));
        QVERIFY(server.WaitFor("Router: received " + QPath("in1/O11.nc")));
        QVERIFY(ReadFile(Path("in1/O11.nc")) == Stored(two));
    }

    // SIGTERM during a receive saves what came and ends the server; SIGHUP takes up a
    // machine added to the file.
    void signalsStopAndReload() {
        PtyPair a, b;
        QVERIFY(a.Ok() && b.Ok());
        WriteFile(Path("machines.conf"), Machine("Mill 1", a.SlaveName(), Path("in1")));
        Server server(ServeArgs());
        QVERIFY(a.WaitUntilRaw(10000));
        QVERIFY(server.WaitFor("Mill 1: port"));

        WriteFile(Path("machines.conf"), Machine("Mill 1", a.SlaveName(), Path("in1")) +
                                             Machine("Mill 2", b.SlaveName(), Path("in2")));
        server.Signal(SIGHUP);
        QVERIFY(server.WaitFor("re-read"));
        QVERIFY(b.WaitUntilRaw(10000));
        QVERIFY(!server.Err().contains("Mill 1: stopped"));  // unchanged: left running
        const std::string program = Program("O2", 8000);
        b.Write(program);
        QVERIFY(server.WaitFor("Mill 2: received"));
        QVERIFY(ReadFile(Path("in2/O2.nc")) == Stored(program));

        // A faulty file is told and changes nothing.
        WriteFile(Path("machines.conf"), "[Mill 1]\nspeed = 9\n");
        server.Signal(SIGHUP);
        QVERIFY(server.WaitFor("not taken up again; 2 machines go on"));

        const std::string part = Program("O3 (HALF)", 20000).substr(0, 9000);
        a.Write(part);
        QVERIFY(a.WaitUntilDrained(10000));
        server.Signal(SIGTERM);
        QVERIFY(server.WaitForExit(10000));
        QCOMPARE(server.ExitCode(), 0);
        QVERIFY(ReadFile(Path("in1/O3.partial.nc")) == Stored(part));
    }

    void checkReportsFileLineAndReason_data() {
        QTest::addColumn<QString>("machines");
        QTest::addColumn<QString>("error");
        const QString in = QPath("in1");
        const QString head = "[M]\nconfig = Mill\nport = /dev/null\nreceive-folder = " + in + "\n";
        QTest::newRow("unknown key") << head + "speed = 9600\n"
                                     << "line 5: unknown key \"speed\"";
        QTest::newRow("no port") << "[M]\nconfig = Mill\nreceive-folder = " + in + "\n"
                                 << "line 1: machine \"M\" has no \"port\"";
        QTest::newRow("unknown config")
            << "[M]\nport = /dev/null\nconfig = Lathe\nreceive-folder = " + in + "\n"
            << "line 3: no configuration named \"Lathe\" in " + QPath("port.cfg");
        QTest::newRow("missing folder")
            << head + "send-folders = " + in + ", " + QPath("nowhere") + "\n"
            << "line 5: folder " + QPath("nowhere") + " does not exist";
        QTest::newRow("same port twice")
            << head + "[N]\nconfig = Mill\nport = /dev/null\nreceive-folder = " + in + "\n"
            << "line 7: port /dev/null is already used by machine \"M\"";
        QTest::newRow("COM without device")
            << "[M]\nconfig = Mill\nport = COM77\nreceive-folder = " + in + "\n"
            << "line 3: COM77 names no device";
        QTest::newRow("bad name rule") << head + "name-from = date\n"
                                       << "line 5: name-from";
    }
    void checkReportsFileLineAndReason() {
        QFETCH(QString, machines);
        QFETCH(QString, error);
        WriteFile(Path("machines.conf"), machines.toStdString());
        const Run run = Sendrik({"serve", "--check", "--machines", QPath("machines.conf"),
                                 "--config-file", QPath("port.cfg")});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains((QPath("machines.conf") + ", " + error).toUtf8()), run.err);
    }

    void checkListsSoundMachines() {
        WriteFile(Path("ports.cfg"), "5=tcp:127.0.0.1:4001\n");
        WriteFile(Path("machines.conf"),
                  Machine("Mill 1", "COM5", Path("in1"), "request-number = O9999"));
        // --config-file may also stand before the command, as for the others.
        const Run run = Sendrik({"--config-file", QPath("port.cfg"), "serve", "--check",
                                 "--machines", QPath("machines.conf")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("Mill 1\n  port: COM5 (tcp:127.0.0.1:4001), configuration "
                                  "\"Mill\"\n"),
                 run.out);
        QVERIFY(run.out.contains(("  receive folder: " + QPath("in1")).toUtf8()));
        QVERIFY(run.out.contains("requests: program number 9999, answered after 5 s"));
        QCOMPARE(Sendrik({"serve", "--machines"}).status, 2);
        QCOMPARE(Sendrik({"serve", "--bogus"}).status, 2);
    }

    // `sendrik receive` ends when its port vanishes, keeping what came; `send` and
    // `receive` both run over a device server, named directly or through ports.cfg.
    void receiveAndSendOverTheirLines() {
        PtyPair pty;
        QVERIFY(pty.Ok());
        QProcess receive;
        receive.start(SENDRIK_PROGRAM,
                      {"receive", "--config", "Mill", "--config-file", QPath("port.cfg"), "--port",
                       QString::fromStdString(pty.SlaveName()), QPath("back.nc")});
        QVERIFY(pty.WaitUntilRaw(10000));
        const std::string part = Program("O7", 10000).substr(0, 6000);
        pty.Write(part);
        QVERIFY(pty.WaitUntilDrained(10000));
        pty.CloseMaster();
        QVERIFY(receive.waitForFinished(10000));
        QCOMPARE(receive.exitCode(), 1);
        QVERIFY(receive.readAllStandardError().contains(
            ("The port " + pty.SlaveName() + " is gone").c_str()));
        QVERIFY(ReadFile(Path("back.nc")) == Stored(part));

        QTcpServer deviceServer;
        QVERIFY(deviceServer.listen(QHostAddress::LocalHost));
        const QString tcp = "tcp:127.0.0.1:" + QString::number(deviceServer.serverPort());
        WriteFile(Path("ports.cfg"), "5=" + tcp.toStdString() + "\n");
        WriteFile(Path("out.nc"), Program("O8", 50000));
        QProcess send;
        send.start(SENDRIK_PROGRAM, {"send", "--config", "Mill", "--config-file", QPath("port.cfg"),
                                     QPath("out.nc")});
        QVERIFY(deviceServer.waitForNewConnection(10000));
        std::unique_ptr<QTcpSocket> line(deviceServer.nextPendingConnection());
        QByteArray got;
        QVERIFY(WaitUntil(15000, [&] {
            line->waitForReadyRead(20);
            got += line->readAll();
            return send.state() == QProcess::NotRunning;
        }));
        line->waitForReadyRead(200);
        got += line->readAll();
        QCOMPARE(send.exitCode(), 0);
        QVERIFY(got.toStdString() == SentBytes(Path("out.nc")));

        QProcess tcpReceive;
        tcpReceive.start(SENDRIK_PROGRAM, {"receive", "--config", "Mill", "--config-file",
                                           QPath("port.cfg"), "--port", tcp, QPath("tcp-back.nc")});
        QVERIFY(deviceServer.waitForNewConnection(10000));
        line.reset(deviceServer.nextPendingConnection());
        const std::string program = Program("O9", 20000);
        line->write(program.data(), static_cast<qint64>(program.size()));
        QVERIFY(line->waitForBytesWritten(5000));
        QVERIFY(tcpReceive.waitForFinished(15000));
        QCOMPARE(tcpReceive.exitCode(), 0);
        QVERIFY(ReadFile(Path("tcp-back.nc")) == Stored(program));
    }
};

QTEST_GUILESS_MAIN(ServeTest)
#include "ServeTest.moc"
