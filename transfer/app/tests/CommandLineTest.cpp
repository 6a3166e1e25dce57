// The command line: argument parsing as a table, and the subcommands against real
// configuration files and pseudo-terminals.

#include <signal.h>

#include <QTemporaryDir>
#include <QtTest>
#include <sstream>
#include <thread>

#include "../../ui/tests/TestSupport.h"
#include "CommandLine.h"

using namespace sendrik;
using namespace sendrik::cli;
using namespace sendrik::test;

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

std::vector<std::string> Split(const QString& text) {
    std::vector<std::string> args;
    for (const QString& part : text.split('|', Qt::SkipEmptyParts))
        args.push_back(part.toStdString());
    return args;
}

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::string Path(const char* name) const { return (m_dir.path() + "/" + name).toStdString(); }

    Run Execute(std::vector<std::string> args) {
        args.push_back("--config-file");
        args.push_back(Path("port.cfg"));
        std::ostringstream out, err;
        Run run;
        run.status = RunCommand(ParseArguments(args), m_dir.path().toStdString(), out, err);
        run.out = out.str();
        run.err = err.str();
        return run;
    }

    // A configuration "Mill" on port 5, which the port map gives to the pseudo-terminal.
    void Setup(const PtyPair& machine, const std::function<void(CPortConfig&)>& adjust = {}) {
        WriteFile(Path("ports.cfg"), "5=" + machine.SlaveName() + "\n");
        CSettings settings(Path("port.cfg"));
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        if (adjust) adjust(*c);
        settings.Add(std::move(c));
        settings.Save();
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void parsing_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("detail");  // command file, files or error
        const int window = int(Command::Window), send = int(Command::Send),
                  receive = int(Command::Receive), help = int(Command::Help);
        QTest::newRow("nothing") << "" << window << "";
        QTest::newRow("path whole")
            << "/tmp/my prog-1, final.nc" << window << "/tmp/my prog-1, final.nc";
        QTest::newRow("last path wins")
            << "/a/one.nc|-reverse|plain|C:\\cnc\\two.nc" << window << "C:\\cnc\\two.nc";
        QTest::newRow("no slash") << "prog.nc" << window << "";
        QTest::newRow("toolkit option") << "-platform|offscreen|--style=fusion" << window << "";
        QTest::newRow("window unknown option")
            << "--verbose|/a/one.nc" << window << "error: unknown option --verbose";
        QTest::newRow("window unknown short option")
            << "-x" << window << "error: unknown option -x";
        QTest::newRow("window dash path") << "-x/one.nc" << window << "-x/one.nc";
        QTest::newRow("help") << "send|--help" << help << "";
        QTest::newRow("version") << "--version" << int(Command::Version) << "";
        QTest::newRow("send") << "send|--config|Mill|a.nc|--port=3|b.nc" << send << "a.nc b.nc";
        QTest::newRow("dash file") << "send|--config|Mill|--|-odd.nc" << send << "-odd.nc";
        QTest::newRow("receive") << "receive|--config=Mill|--idle-timeout|30|in.nc" << receive
                                 << "in.nc";
        QTest::newRow("no config") << "send|a.nc" << send << "error: --config NAME is required";
        QTest::newRow("no file") << "send|--config|Mill" << send << "error: no file to send";
        QTest::newRow("two targets")
            << "receive|--config|M|a|b" << receive << "error: receive takes one file";
        QTest::newRow("bad idle") << "receive|--config|M|--idle-timeout|0|a" << receive
                                  << "error: --idle-timeout wants a number of seconds above 0";
        QTest::newRow("unknown") << "send|--config|M|--speed|9|a" << send
                                 << "error: unknown option --speed";
        QTest::newRow("missing value")
            << "send|--config" << send << "error: --config needs a value";
        QTest::newRow("configs extra")
            << "configs|x" << int(Command::Configs) << "error: unexpected argument x";
        QTest::newRow("config file before the command")
            << "--config-file|/s/port.cfg|send|--config|Mill|a.nc" << send << "a.nc";
        QTest::newRow("config file= before the command")
            << "--config-file=/s/port.cfg|configs" << int(Command::Configs) << "";
        QTest::newRow("config file before a window file")
            << "--config-file|/s/port.cfg|/cnc/o1.nc" << window << "/cnc/o1.nc";
    }

    void configFileAnywhere() {
        for (const char* args :
             {"--config-file|/s/port.cfg|ports", "ports|--config-file|/s/port.cfg",
              "--config-file=/s/port.cfg|/cnc/o1.nc"}) {
            const Options options = ParseArguments(Split(args));
            QCOMPARE(QString::fromStdString(options.error), QString());
            QCOMPARE(QString::fromStdString(options.configFile), QString("/s/port.cfg"));
        }
    }

    void parsing() {
        QFETCH(QString, args);
        QFETCH(int, command);
        QFETCH(QString, detail);
        const Options options = ParseArguments(Split(args));
        QCOMPARE(int(options.command), command);
        if (detail.startsWith("error: ")) {
            QCOMPARE(QString::fromStdString(options.error), detail.mid(7));
            return;
        }
        QCOMPARE(QString::fromStdString(options.error), QString());
        if (options.command == Command::Window) {
            QCOMPARE(QString::fromStdString(options.commandFile), detail);
        } else if (options.command != Command::Help) {
            QStringList files;
            for (const auto& f : options.files) files << QString::fromStdString(f);
            QCOMPARE(files.join(' '), detail);
        }
    }

    void usageErrorsAndMissingThings() {
        Run run = Execute({"send", "a.nc"});
        QCOMPARE(run.status, kExitUsage);
        QVERIFY(run.err.find("--config NAME is required") != std::string::npos);

        run = Execute({"configs"});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("not found") != std::string::npos);

        WriteConfigFile(Path("port.cfg"), {"Lathe", "Mill"});
        run = Execute({"send", "--config", "Router", "/nonexistent/a.nc"});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("no configuration named \"Router\"") != std::string::npos);
        QVERIFY(run.err.find("\"Lathe\" \"Mill\"") != std::string::npos);

        run = Execute({"send", "--config", "mill", "/nonexistent/a.nc"});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("file /nonexistent/a.nc not found") != std::string::npos);

        WriteFile(Path("a.nc"), "G00\n");
        run = Execute({"send", "--config", "Mill", Path("a.nc")});  // port 0, no --port
        QCOMPARE(run.status, kExitUsage);
        QVERIFY(run.err.find("uses the current port") != std::string::npos);

        PtyPair machine;
        run = Execute(
            {"receive", "--config", "Mill", "--port", machine.SlaveName(), "/nonexistent/in.nc"});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("cannot write /nonexistent/in.nc") != std::string::npos);

        run = Execute({"send", "--config", "Mill", "--port", "/nonexistent/tty", Path("a.nc")});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("unable to initialize port /nonexistent/tty") != std::string::npos);
    }

    void configsListsEverySetting() {
        CSettings settings(Path("port.cfg"));
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Haas";
        c->m_port.m_dwBaudRate = 4800;
        c->m_port.m_byDataBits = 7;
        c->m_port.m_byParity = 2;
        c->m_port.m_byStopBits = 2;
        c->m_send.m_header = {18};
        c->m_send.m_nDelaySeconds = 65;
        c->m_send.m_nSkipComments = kCommentParen | kCommentSemicolon;
        c->m_arrFiles = {"/cnc/O1.nc"};
        settings.Add(std::move(c));
        settings.Save();
        const std::string before = ReadFile(Path("port.cfg"));

        const Run run = Execute({"configs"});
        QCOMPARE(run.status, kExitOk);
        for (const char* line :
             {"Haas\n", "  Port: Use Current Port\n", "  Line: 4800 7-E-2\n", "  Parity: Even\n",
              "  Flow Control: Xon/Xoff\n", "  XON Char: 17\n", "    Header: 18\n",
              "    Start transfer delay: 1 min. 5 sec.\n", "    Skip comments: (...) ;...EOL\n",
              "    Replace With: 10,13\n", "  Files to send: 1\n    /cnc/O1.nc\n"})
            QVERIFY2(run.out.find(line) != std::string::npos, line);
        // Listing leaves the file as it was.
        QCOMPARE(ReadFile(Path("port.cfg")), before);
    }

    void olderFileIsReadWithoutBeingMoved() {
        // A version 11 file (one configuration at its defaults): the window moves it
        // aside after reading, the command line must not, or the window would then start
        // without configurations.
        const std::string bytes("\xB9\xA4\x2F\x00\x0B\0\0\0\x01\0\0\0\0\0\0\0", 16);
        WriteFile(Path("port.cfg"), bytes);
        const Run run = Execute({"configs"});
        QVERIFY(run.out.find("New Config\n") != std::string::npos);
        QVERIFY(QFileInfo::exists(QString::fromStdString(Path("port.cfg"))));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(Path("port.cfg_old"))));
        QCOMPARE(ReadFile(Path("port.cfg")), bytes);
    }

    void portsListsThePseudoTerminal() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(Path("ports.cfg"), "7=" + machine.SlaveName() + "\n");
        const Run run = Execute({"ports"});
        QCOMPARE(run.status, kExitOk);
        QVERIFY(run.out.find("COM7\t" + machine.SlaveName() + "\n") != std::string::npos);
    }

    void sendsTheFilesInOrder() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        Setup(machine);
        std::string first = "%\r\nO1000\r\n";
        for (int i = 0; i < 400; ++i) first += "G01 X" + std::to_string(i) + " Y-0.5\r\n";
        first += "M30\r\n%\r\n";
        const std::string second = "%\nO1001\nG00 X0\nM30\n%\n";
        WriteFile(Path("O1000.nc"), first);
        WriteFile(Path("O1001 two-part.nc"), second);

        machine.StartCollecting();
        const Run run =
            Execute({"send", "--config", "Mill", Path("O1000.nc"), Path("O1001 two-part.nc")});
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received().size(), first.size() + second.size(), 5000);
        machine.StopCollecting();
        QCOMPARE(run.status, kExitOk);
        QCOMPARE(machine.Received(), first + second);
        QVERIFY(run.err.find("Sending file " + Path("O1000.nc")) != std::string::npos);
        QVERIFY(run.err.find("100%") != std::string::npos);
        QVERIFY(run.err.find("Sent 2 files") != std::string::npos);
    }

    void sendWithDeviceAndDelay() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(Path("ports.cfg"), "");
        CSettings settings(Path("port.cfg"));
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Lathe";
        c->m_send.m_nDelaySeconds = 1;
        c->m_send.m_header = {18};
        c->m_send.m_trailer = {20};
        settings.Add(std::move(c));
        settings.Save();
        WriteFile(Path("a.nc"), "G00\r\n");
        machine.StartCollecting();
        const Run run =
            Execute({"send", "--config", "Lathe", "--port", machine.SlaveName(), Path("a.nc")});
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received(), std::string("\x12G00\r\n\x14"), 5000);
        machine.StopCollecting();
        QCOMPARE(run.status, kExitOk);
        QVERIFY(run.err.find("will be send in:\n0 : 1\n") != std::string::npos);
    }

    void receiveEndsAtThePercent() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        Setup(machine, [](CPortConfig& c) { c.m_receive.m_bCheckPercent = 1; });
        std::thread feeder([&] {
            machine.WaitUntilRaw(10000);
            machine.Write("%\r\nO2000\r\nG00 X0\r\n%\r\nM30\r\n");
        });
        const Run run = Execute({"receive", "--config", "Mill", Path("in.nc")});
        feeder.join();
        QCOMPARE(run.status, kExitOk);
        QCOMPARE(ReadFile(Path("in.nc")), std::string("%\n\rO2000\n\rG00 X0\n\r%"));
        QVERIFY(run.err.find("Waiting for data...") != std::string::npos);
        QVERIFY(run.err.find("ended by \"%\" termination") != std::string::npos);
    }

    void receiveEndsAfterIdleTime() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        Setup(machine, [](CPortConfig& c) {
            c.m_receive.m_bReplaceEol = 0;
            c.m_receive.m_trailer = {37};
        });
        std::thread feeder([&] {
            machine.WaitUntilRaw(10000);
            machine.Write("G00\r\nG01");
        });
        const Run run =
            Execute({"receive", "--config", "Mill", "--idle-timeout", "1", Path("in.nc")});
        feeder.join();
        QCOMPARE(run.status, kExitOk);
        QCOMPARE(ReadFile(Path("in.nc")), std::string("G00\r\nG01%"));
        QVERIFY(run.err.find("ended by no data for 1 s") != std::string::npos);
    }

    void interruptKeepsWhatWasReceived() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        Setup(machine, [](CPortConfig& c) { c.m_receive.m_bReplaceEol = 0; });
        std::thread feeder([&] {
            machine.WaitUntilRaw(10000);
            machine.Write("O3000\nG00\n");
            machine.WaitUntilDrained(10000);
            // The program moves the bytes from its port buffer to the file on its next round.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ::kill(::getpid(), SIGINT);
        });
        const Run run = Execute({"receive", "--config", "Mill", Path("in.nc")});
        feeder.join();
        QCOMPARE(run.status, kExitInterrupted);
        QCOMPARE(ReadFile(Path("in.nc")), std::string("O3000\nG00\n"));
        QVERIFY(run.err.find("ended by Ctrl+C") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
