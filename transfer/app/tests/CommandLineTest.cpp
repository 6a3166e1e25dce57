// The command line: argument parsing as a table, and the subcommands against real
// configuration files and pseudo-terminals.

#include <signal.h>
#include <sys/stat.h>

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
        const int preview = int(Command::Preview);
        const QString badIdle =
            "error: --idle-timeout wants a number of seconds above 0, such as 30 or 0.5";
        QTest::newRow("bad idle") << "receive|--config|M|--idle-timeout|0|a" << receive << badIdle;
        QTest::newRow("idle 0.0") << "receive|--config|M|--idle-timeout=0.0|a" << receive
                                  << badIdle;
        QTest::newRow("idle word")
            << "receive|--config|M|--idle-timeout|1s|a" << receive << badIdle;
        QTest::newRow("idle two points")
            << "receive|--config|M|--idle-timeout|1.2.3|a" << receive << badIdle;
        QTest::newRow("idle fraction")
            << "receive|--config|M|--idle-timeout|0.5|a" << receive << "a";
        QTest::newRow("preview") << "preview|--config|M|--skip-line-numbers|a|b" << preview
                                 << "a b";
        QTest::newRow("preview receive")
            << "preview|--receive|--config|M|--output|o.nc|a" << preview << "a";
        QTest::newRow("preview no file")
            << "preview|--config|M" << preview << "error: no file to preview";
        QTest::newRow("preview receive two") << "preview|--receive|--config|M|a|b" << preview
                                             << "error: preview --receive takes one file";
        QTest::newRow("preview port") << "preview|--config|M|--port|3|a" << preview
                                      << "error: --port belongs to send and receive: preview "
                                         "opens no port";
        QTest::newRow("preview receive skip")
            << "preview|--receive|--skip-line-numbers|--config|M|a" << preview
            << "error: --skip-line-numbers belongs to the send direction, not to preview "
               "--receive";
        QTest::newRow("receive skip") << "receive|--skip-line-numbers|--config|M|a" << receive
                                      << "error: --skip-line-numbers belongs to send and preview";
        QTest::newRow("send output")
            << "send|--config|M|--output|x|a" << send << "error: --output belongs to preview";
        QTest::newRow("send receive")
            << "send|--config|M|--receive|a" << send << "error: --receive belongs to preview";
        QTest::newRow("flag value") << "send|--config|M|--skip-line-numbers=1|a" << send
                                    << "error: --skip-line-numbers takes no value";
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

    void optionValues() {
        using std::chrono::milliseconds;
        for (const auto& [text, ms] :
             {std::pair{"0.5", 500}, {"2,25", 2250}, {".0001", 1}, {"30", 30000}, {"7.", 7000}}) {
            const Options options =
                ParseArguments({"receive", "--config", "M", "--idle-timeout", text, "a"});
            QVERIFY2(options.error.empty(), text);
            QCOMPARE(options.idleTimeout, milliseconds(ms));
        }
        const Options options =
            ParseArguments(Split("preview|--receive|--config|M|--output=/tmp/out.nc|in.nc"));
        QVERIFY(options.previewReceive);
        QVERIFY(!options.skipLineNumbers);
        QCOMPARE(QString::fromStdString(options.output), QString("/tmp/out.nc"));
        QVERIFY(ParseArguments(Split("send|--skip-line-numbers|--config|M|a")).skipLineNumbers);
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
        QVERIFY(run.err.find("will be sent in:\n0 : 1\n") != std::string::npos);
    }

    // What preview writes is what send puts on the line, byte for byte, for the same
    // files and configuration.
    void previewIsWhatSendPutsOnTheLine() {
        const std::string first =
            "%\r\nO1000 (MAIN)\r\nN10 G00 X0 ;RAPID\r\n\r\n/N20 G01 X5 [FEED]\r\n   \r\nN30 "
            "M30\r\n%\r\nN40 after\r\n";
        std::string second = "O1001\nN5 G00\n";
        second += std::string("\x00\xC8\tX1\n", 6);
        for (int i = 0; i < 300; ++i)
            second += "N" + std::to_string(100 + i) + " G01 X" + std::to_string(i) + "\n";
        second += std::string(1500, 'Y') + "\n%\n";
        WriteFile(Path("O1000.nc"), first);
        WriteFile(Path("O1001.nc"), second);

        const std::vector<std::pair<const char*, std::function<void(CPortConfig&)>>> configs{
            {"defaults", {}},
            {"header, trailer, comments, empty lines",
             [](CPortConfig& c) {
                 c.m_send.m_header = {18, 13, 10};
                 c.m_send.m_trailer = {20};
                 c.m_send.m_nSkipComments = kCommentParen | kCommentBracket | kCommentSemicolon;
                 c.m_send.m_bSkipEmptyLines = 1;
             }},
            {"percent termination",
             [](CPortConfig& c) {
                 c.m_send.m_bCheckPercent = 1;
                 c.m_send.m_header = {18};
                 c.m_send.m_trailer = {20};
             }},
            {"custom line end, replaced, non-printable skipped",
             [](CPortConfig& c) {
                 c.m_send.m_bRecognizeEol = 1;
                 c.m_send.m_eolRecognize = {10};
                 c.m_send.m_bReplaceEol = 1;
                 c.m_send.m_eolReplace = {13, 10};
                 c.m_send.m_bSkipNonPrintable = 1;
             }},
        };
        for (const auto& [name, adjust] : configs) {
            for (const bool skip : {false, true}) {
                const QByteArray label = QByteArray(name) + (skip ? ", line numbers skipped" : "");
                PtyPair machine;
                QVERIFY(machine.Ok());
                Setup(machine, adjust);
                std::vector<std::string> args{"--config", "Mill"};
                if (skip) args.push_back("--skip-line-numbers");
                args.push_back(Path("O1000.nc"));
                args.push_back(Path("O1001.nc"));

                std::vector<std::string> previewArgs{"preview"};
                previewArgs.insert(previewArgs.end(), args.begin(), args.end());
                const Run preview = Execute(previewArgs);
                QVERIFY2(preview.status == kExitOk, label + ": " + preview.err.c_str());
                QVERIFY2(!preview.out.empty(), label);

                machine.StartCollecting();
                std::vector<std::string> sendArgs{"send"};
                sendArgs.insert(sendArgs.end(), args.begin(), args.end());
                const Run send = Execute(sendArgs);
                QVERIFY2(send.status == kExitOk, label + ": " + send.err.c_str());
                // Send returns once the device has passed everything on.
                QTRY_COMPARE_WITH_TIMEOUT(machine.Received().size(), preview.out.size(), 5000);
                machine.StopCollecting();
                QVERIFY2(machine.Received() == preview.out, label);
                // The filters did something where they were asked to.
                QCOMPARE(preview.out.find("N10") == std::string::npos, skip);
            }
        }
    }

    void previewWritesTheOutputFileWithoutWaiting() {
        WriteConfigFile(Path("port.cfg"), {"Lathe"});
        CSettings settings(Path("port.cfg"));
        settings.Load();
        settings.GetAt(0)->m_send.m_nDelaySeconds = 3600;
        settings.GetAt(0)->m_send.m_trailer = {'M', '3', '0'};
        settings.Save();
        WriteFile(Path("a.nc"), "G00\r\n");

        QElapsedTimer timer;
        timer.start();
        const Run run =
            Execute({"preview", "--config", "Lathe", "--output", Path("out.nc"), Path("a.nc")});
        QCOMPARE(run.status, kExitOk);
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(run.out, std::string());
        QCOMPARE(ReadFile(Path("out.nc")), std::string("G00\r\nM30"));
        QVERIFY(run.err.find("start transfer delay of 60 min. 0 sec. (not waited for)") !=
                std::string::npos);
        QVERIFY(run.err.find("Previewed 1 file: 8 bytes to " + Path("out.nc")) !=
                std::string::npos);

        // The output must never be one of the programs it is made from.
        const Run same =
            Execute({"preview", "--config", "Lathe", "--output", Path("a.nc"), Path("a.nc")});
        QCOMPARE(same.status, kExitUsage);
        QVERIFY(same.err.find("is one of the files to preview") != std::string::npos);
        QCOMPARE(ReadFile(Path("a.nc")), std::string("G00\r\n"));
    }

    // preview --receive stores what receive stores when the same bytes arrive on the port.
    void previewReceiveIsWhatReceiveStores() {
        std::string program = "%\r\nO2000 (PART)\r\n\r\nG00 X0\x01\x80\r\n";
        for (int i = 0; i < 200; ++i) program += "G01 X" + std::to_string(i) + "\r\n";
        program += "M30\r\n%\r\nafter the end\r\n";
        WriteFile(Path("sent.nc"), program);
        const std::vector<std::pair<const char*, std::function<void(CPortConfig&)>>> configs{
            {"defaults, ended by the idle time", {}},
            {"percent, trailer, comments",
             [](CPortConfig& c) {
                 c.m_receive.m_bCheckPercent = 1;
                 c.m_receive.m_trailer = {13, 10};
                 c.m_receive.m_nSkipComments = kCommentParen;
                 c.m_receive.m_bSkipEmptyLines = 1;
             }},
        };
        for (const auto& [name, adjust] : configs) {
            PtyPair machine;
            QVERIFY(machine.Ok());
            Setup(machine, adjust);
            const Run preview =
                Execute({"preview", "--receive", "--config", "Mill", Path("sent.nc")});
            QVERIFY2(preview.status == kExitOk, (std::string(name) + ": " + preview.err).c_str());

            std::thread feeder([&] {
                machine.WaitUntilRaw(10000);
                machine.Write(program);
            });
            const Run receive = Execute(
                {"receive", "--config", "Mill", "--idle-timeout", "0.5", Path("received.nc")});
            feeder.join();
            QVERIFY2(receive.status == kExitOk, (std::string(name) + ": " + receive.err).c_str());
            QVERIFY2(ReadFile(Path("received.nc")) == preview.out, name);
            QVERIFY2(preview.out.find("\n\rG01 X199\n\r") != std::string::npos, name);
        }
    }

    void sevenEvenTwoOverAPseudoTerminal() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        Setup(machine, [](CPortConfig& c) {
            c.m_port.m_byDataBits = 7;
            c.m_port.m_byParity = 2;
            c.m_port.m_byStopBits = 2;
            c.m_port.m_nFlowControl = kFlowNone;
        });
        WriteFile(Path("a.nc"), "%\r\nG00 X1\r\n%\r\n");
        machine.StartCollecting();
        const Run run = Execute({"send", "--config", "Mill", Path("a.nc")});
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received(), std::string("%\r\nG00 X1\r\n%\r\n"), 5000);
        machine.StopCollecting();
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        // Whether the pseudo-terminal keeps 7-E-2 is the kernel's choice; if it did not,
        // the user is told.
        termios tio{};
        QCOMPARE(::tcgetattr(machine.Slave(), &tio), 0);
        const bool took = (tio.c_cflag & CSIZE) == CS7 && (tio.c_cflag & PARENB) &&
                          !(tio.c_cflag & PARODD) && (tio.c_cflag & CSTOPB);
        if (!took)
            QVERIFY2(
                run.err.find("sendrik: warning: The pseudo-terminal " + machine.SlaveName() +
                             " cannot take 9600 7-E-2; it runs 9600 8-N-2.\n") != std::string::npos,
                run.err.c_str());
    }

    // Each refusal says what is wrong.
    void refusalsSayWhatIsWrong() {
        WriteConfigFile(Path("port.cfg"), {"Mill"});
        QVERIFY(QDir().mkpath(QString::fromStdString(Path("O1000"))));
        QCOMPARE(::mkfifo(Path("pipe").c_str(), 0600), 0);
        WriteFile(Path("a.nc"), "G00\n");
        WriteFile(Path("big.nc"), std::string(200000, 'X'));
        struct Case {
            std::vector<std::string> args;
            int status;
            std::string message;
        };
        const std::vector<Case> cases{
            {{"send", "--config", "Mill", "--port", "3", Path("O1000")},
             kExitFailure,
             "sendrik: file " + Path("O1000") + " is a folder\n"},
            {{"preview", "--config", "Mill", Path("a.nc"), Path("pipe")},
             kExitFailure,
             "sendrik: file " + Path("pipe") + " is a FIFO (named pipe), not a regular file\n"},
            {{"send", "--config", "Mill", "--port", "3", "/dev/null"},
             kExitFailure,
             "sendrik: file /dev/null is a device, not a regular file\n"},
            {{"preview", "--receive", "--config", "Mill", Path("missing.nc")},
             kExitFailure,
             "sendrik: file " + Path("missing.nc") + " not found\n"},
            {{"preview", "--config", "Mill", "--output", Path("O1000"), Path("a.nc")},
             kExitFailure,
             "sendrik: cannot write " + Path("O1000") + ": it is a folder\n"},
            {{"receive", "--config", "Mill", "--port", "3", Path("O1000")},
             kExitFailure,
             "sendrik: cannot write " + Path("O1000") + ": it is a folder\n"},
            {{"preview", "--config", "Mill", "--output", "/dev/full", Path("a.nc")},
             kExitFailure,
             "sendrik: cannot write /dev/full: No space left on device\n"},
            {{"preview", "--config", "Mill", "--output", "/dev/full", Path("big.nc"), Path("a.nc")},
             kExitFailure,
             "sendrik: cannot write /dev/full: No space left on device\n"},
            {{"preview", "--receive", "--config", "Mill", "--output", "/dev/full", Path("big.nc")},
             kExitFailure,
             "sendrik: cannot write /dev/full: No space left on device\n"},
            {{"receive", "--config", "Mill", "--idle-timeout", "-1", Path("in.nc")},
             kExitUsage,
             "sendrik: --idle-timeout wants a number of seconds above 0, such as 30 or 0.5\n"},
        };
        for (const Case& c : cases) {
            const Run run = Execute(c.args);
            QVERIFY2(run.err.find(c.message) != std::string::npos,
                     (c.message + " not in: " + run.err).c_str());
            // One message for one fault: it opens standard error, and a wrong argument is
            // followed by nothing but the usage.
            QVERIFY2(run.err.rfind(c.message, 0) == 0, run.err.c_str());
            const std::string rest = run.err.substr(c.message.size());
            if (c.status == kExitUsage)
                QVERIFY2(rest.rfind("\nUsage:", 0) == 0, rest.c_str());
            else
                QVERIFY2(rest.empty(), rest.c_str());
            QCOMPARE(run.status, c.status);
        }

        std::ostringstream out, err;
        Options options = ParseArguments({"configs", "--config-file", Path("O1000")});
        QCOMPARE(RunCommand(options, "", out, err), kExitFailure);
        QCOMPARE(err.str(), "sendrik: configuration file " + Path("O1000") + " is a folder\n");
    }

    // A damaged file is read as far as it goes and left as it is, and the message says so.
    void damagedConfigurationFileIsLeftAlone() {
        WriteConfigFile(Path("port.cfg"), {"Lathe", "Mill"});
        std::string bytes = ReadFile(Path("port.cfg"));
        bytes.resize(bytes.size() - 10);
        WriteFile(Path("port.cfg"), bytes);
        const Run run = Execute({"configs"});
        QCOMPARE(run.status, kExitOk);
        QVERIFY(run.out.find("Lathe\n") != std::string::npos);
        QVERIFY2(run.err.find("sendrik: " + Path("port.cfg") + ": Wrong config file format.") == 0,
                 run.err.c_str());
        QVERIFY(run.err.find("1 configuration(s) could be read. The file was left as it is; no "
                             "copy of it was kept.\n") != std::string::npos);
        QCOMPARE(ReadFile(Path("port.cfg")), bytes);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"port.cfg"});
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
