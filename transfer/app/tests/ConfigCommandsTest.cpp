// "sendrik configs" and its subcommands against real configuration files: the program
// itself for a set-up from nothing, the text form in and out, and the window reading
// what the command line made.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "../../ui/tests/TestSupport.h"
#include "CommandLine.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendrikDlg.h"

using namespace sendrik;
using namespace sendrik::cli;
using namespace sendrik::test;

namespace {

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// Every stored field away from its default.
std::unique_ptr<CPortConfig> FullConfig(const std::string& name) {
    auto c = std::make_unique<CPortConfig>();
    c->m_strName = name;
    c->m_port = {};
    c->m_port.m_dwBaudRate = 38400;
    c->m_port.m_byDataBits = 7;
    c->m_port.m_byParity = 3;
    c->m_port.m_byStopBits = 2;
    c->m_port.m_nFlowControl = kFlowHardware;
    c->m_port.m_chXon = 2;
    c->m_port.m_chXoff = 4;
    c->m_port.m_nPort = 7;
    int n = 0;
    for (TRANSFER_CONFIG* t : {static_cast<TRANSFER_CONFIG*>(&c->m_send),
                               static_cast<TRANSFER_CONFIG*>(&c->m_receive)}) {
        ++n;
        t->m_eolRecognize = {13, 10};
        t->m_bRecognizeEol = 1;
        t->m_eolReplace = {10};
        t->m_bReplaceEol = n == 1 ? 1 : 0;
        t->m_bCheckPercent = 1;
        t->m_bSkipEmptyLines = 1;
        t->m_header = {18, static_cast<std::uint8_t>(n)};
        t->m_trailer = {20};
        t->m_nDelaySeconds = 60 * n + 5;
        t->m_strFolder = n == 1 ? "/home/cnc/out going " : "C:\\cnc\\in";
        t->m_nSkipComments = kCommentParen | (n == 1 ? kCommentSemicolon : kCommentBracket);
        t->m_bSkipNonPrintable = n == 1 ? 1 : 0;
        t->m_dwReserved = 77;
        t->m_byReserved1 = 1;
        t->m_byReserved2 = static_cast<std::uint8_t>(n);
    }
    c->m_arrFiles = {"/cnc/O1000.nc", "/cnc/Ωmega #2.nc"};
    return c;
}

}  // namespace

class ConfigCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::string Path(const char* name) const { return (m_dir.path() + "/" + name).toStdString(); }

    Run Execute(std::vector<std::string> args, const char* config = "port.cfg") {
        args.push_back("--config-file");
        args.push_back(Path(config));
        std::ostringstream out, err;
        Run run;
        run.status = RunCommand(ParseArguments(args), m_dir.path().toStdString(), out, err);
        run.out = out.str();
        run.err = err.str();
        return run;
    }

    // The installed program itself, as a set-up script runs it.
    Run Program(const QStringList& args) {
        QProcess process;
        process.start(
            SENDRIK_PROGRAM,
            args + QStringList{"--config-file", QString::fromStdString(Path("port.cfg"))});
        process.waitForFinished(20000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    std::unique_ptr<CSettings> Saved(const char* name = "port.cfg") {
        auto settings = std::make_unique<CSettings>(Path(name));
        const std::string problem = settings->Load();
        if (!problem.empty()) qWarning("%s", problem.c_str());
        return settings;
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void parsing() {
        struct Case {
            std::vector<std::string> args;
            ConfigsAction action;
            std::string error;
        };
        const std::vector<Case> cases{
            {{"configs", "add", "Mill", "--like", "Lathe", "baud=4800", "file=/a b.nc"},
             ConfigsAction::Add,
             ""},
            {{"configs", "show", "add"}, ConfigsAction::Show, ""},
            {{"configs", "export", "A", "B", "--output=-"}, ConfigsAction::Export, ""},
            {{"configs", "import", "-", "--replace"}, ConfigsAction::Import, ""},
            {{"configs", "show"}, ConfigsAction::Show, "no configuration NAME given"},
            {{"configs", "show", "A", "B"}, ConfigsAction::Show, "unexpected argument B"},
            {{"configs", "rename", "A"}, ConfigsAction::Rename, "configs rename wants OLD and NEW"},
            {{"configs", "set", "A"}, ConfigsAction::Set, "configs set wants KEY=VALUE"},
            {{"configs", "set", "A", "baud", "9600"},
             ConfigsAction::Set,
             "\"baud\" is not KEY=VALUE"},
            {{"configs", "import"}, ConfigsAction::Import, "configs import wants a FILE (or - )"},
            {{"configs", "import", "a.txt", "--replace=yes"},
             ConfigsAction::Import,
             "--replace takes no value"},
            {{"configs", "add", "M", "--like"}, ConfigsAction::Add, "--like needs a value"},
            {{"configs", "remove", "M", "--force"},
             ConfigsAction::Remove,
             "unknown option --force"},
            {{"configs", "--config", "M"},
             ConfigsAction::List,
             "only --config-file goes with this command"},
        };
        for (const Case& c : cases) {
            const Options options = ParseArguments(c.args);
            QCOMPARE(int(options.command), int(Command::Configs));
            QCOMPARE(int(options.configsAction), int(c.action));
            QCOMPARE(QString::fromStdString(options.error), QString::fromStdString(c.error));
        }
        const Options add = ParseArguments(cases[0].args);
        QCOMPARE(add.names, std::vector<std::string>{"Mill"});
        QCOMPARE(add.like, std::string("Lathe"));
        QCOMPARE(add.assignments, (std::vector<std::string>{"baud=4800", "file=/a b.nc"}));
        QCOMPARE(ParseArguments({"configs", "--help"}).helpTopic, std::string("configs"));
        QCOMPARE(ParseArguments({"help", "configs"}).helpTopic, std::string("configs"));
    }

    // A fresh machine set up entirely from the command line, through the program.
    void setUpFromNothing() {
        Run run = Program({"configs"});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY2(run.err.find("Make one with \"sendrik configs add NAME\"") != std::string::npos,
                 run.err.c_str());

        run = Program({"configs", "add", "Mill", "baud=4800", "data-bits=7", "parity=even",
                       "stop-bits=2", "send.header=18", "send.trailer=20", "file=/cnc/O1.nc"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        run = Program({"configs", "add", "Lathe", "--like", "mill", "port=COM3", "file="});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        run = Program({"configs", "set", "LATHE", "send.delay=65", "send.skip-comments=parentheses",
                       "receive.check-percent=yes"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());

        auto settings = Saved();
        QCOMPARE(settings->GetCount(), 2);
        const CPortConfig& mill = *settings->GetAt(0);
        QCOMPARE(FormatPortSettings(mill.m_port), std::string("4800 7-E-2"));
        QCOMPARE(mill.m_send.m_header, ByteSequence{18});
        QCOMPARE(mill.m_arrFiles, std::vector<std::string>{"/cnc/O1.nc"});
        QCOMPARE(mill.m_receive, TRANSFER_CONFIG_RECEIVE());
        const CPortConfig& lathe = *settings->GetAt(1);
        QCOMPARE(lathe.m_strName, std::string("Lathe"));
        QCOMPARE(lathe.m_port.m_nPort, 3);
        QCOMPARE(lathe.m_port.m_byDataBits, std::uint8_t(7));
        QVERIFY(lathe.m_arrFiles.empty());
        QCOMPARE(lathe.m_send.m_nDelaySeconds, 65);
        QCOMPARE(lathe.m_send.m_nSkipComments, int(kCommentParen));
        QCOMPARE(lathe.m_receive.m_bCheckPercent, 1);

        // Refusals say why and change nothing.
        const std::string before = ReadFile(Path("port.cfg"));
        struct Refusal {
            QStringList args;
            int status;
            std::string message;
        };
        const std::vector<Refusal> refusals{
            {{"configs", "add", "mILL"}, kExitUsage, "already has a configuration named \"Mill\""},
            {{"configs", "add", "  "}, kExitUsage, "a configuration name must not be empty"},
            {{"configs", "add", "Router", "--like", "Grinder"},
             kExitFailure,
             "no configuration named \"Grinder\""},
            {{"configs", "set", "Mill", "baud=1200", "data-bits=9"},
             kExitUsage,
             "data-bits: bad value \"9\": wants 5 to 8; nothing was changed"},
            {{"configs", "set", "Mill", "send.recognize-eol=yes"},
             kExitUsage,
             "send.recognize-eol = yes needs the codes of send.eol"},
            {{"configs", "set", "Mill", "speed=9600"}, kExitUsage, "unknown key \"speed\""},
            {{"configs", "set", "Router", "baud=1200"},
             kExitFailure,
             "no configuration named \"Router\""},
            {{"configs", "rename", "Mill", "lathe"},
             kExitUsage,
             "already has a configuration named \"Lathe\""},
            {{"configs", "remove", "Router"}, kExitFailure, "no configuration named \"Router\""},
            {{"configs", "show", "Mill", "Lathe"}, kExitUsage, "unexpected argument Lathe"},
            {{"configs", "export", "--output", QString::fromStdString(Path("port.cfg"))},
             kExitUsage,
             "is the configuration file; writing it would destroy it"},
        };
        for (const Refusal& r : refusals) {
            run = Program(r.args);
            QVERIFY2(run.err.find(r.message) != std::string::npos, run.err.c_str());
            QCOMPARE(run.status, r.status);
            QCOMPARE(ReadFile(Path("port.cfg")), before);
        }

        run = Program({"configs", "rename", "mill", "Mill 2"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        run = Program({"configs", "show", "MILL 2"});
        QCOMPARE(run.status, kExitOk);
        QVERIFY2(
            run.out.rfind("[Mill 2]\nport = current\nbaud = 4800\ndata-bits = 7\nparity = even\n"
                          "stop-bits = 2\n",
                          0) == 0,
            run.out.c_str());
        run = Program({"configs", "remove", "Lathe"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        settings = Saved();
        QCOMPARE(settings->GetCount(), 1);
        QCOMPARE(settings->GetAt(0)->m_strName, std::string("Mill 2"));
    }

    // The window keeps its selection on the configuration it was on.
    void selectionFollowsTheConfiguration() {
        WriteConfigFile(Path("port.cfg"), {"Mill", "Lathe"}, 1);  // list: Lathe, Mill
        QCOMPARE(Execute({"configs", "add", "Grinder"}).status, kExitOk);
        QCOMPARE(Saved()->m_nSelected, 2);  // Grinder, Lathe, Mill
        QCOMPARE(Execute({"configs", "rename", "Mill", "Borer"}).status, kExitOk);
        QCOMPARE(Saved()->m_nSelected, 0);  // Borer, Grinder, Lathe
        QCOMPARE(Execute({"configs", "remove", "Borer"}).status, kExitOk);
        QCOMPARE(Saved()->m_nSelected, 0);
    }

    void roundTripIsExact() {
        {
            CSettings settings(Path("port.cfg"));
            settings.Add(FullConfig("Haas VF-2"));
            settings.Add(std::make_unique<CPortConfig>());
            settings.Add(FullConfig("Okuma"));
            settings.GetAt(2)->m_port.m_nPort = 0;
            settings.m_nSelected = 2;
            settings.Save();
        }
        const std::string before = ReadFile(Path("port.cfg"));
        const Run exported = Execute({"configs", "export", "--output", Path("shop.txt")});
        QVERIFY2(exported.status == kExitOk, exported.err.c_str());
        QCOMPARE(Execute({"configs", "export"}).out, ReadFile(Path("shop.txt")));

        // Back into the same file: byte for byte what it was.
        Run run = Execute({"configs", "import", Path("shop.txt"), "--replace"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        QVERIFY(run.err.find("(3 replaced)") != std::string::npos);
        QCOMPARE(ReadFile(Path("port.cfg")), before);

        // Into a new file: equal field by field.
        run = Execute({"configs", "import", Path("shop.txt")}, "new.cfg");
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        const auto original = Saved(), copy = Saved("new.cfg");
        QCOMPARE(copy->GetCount(), 3);
        for (int i = 0; i < 3; ++i) QVERIFY(*copy->GetAt(i) == *original->GetAt(i));

        // Chosen configurations only, in the order named.
        run = Execute({"configs", "export", "okuma", "New Config"});
        QCOMPARE(run.status, kExitOk);
        const std::size_t okuma = run.out.find("[Okuma]\n"), other = run.out.find("[New Config]\n");
        QVERIFY(okuma != std::string::npos && other != std::string::npos && okuma < other);
        QVERIFY(run.out.find("[Haas VF-2]") == std::string::npos);
    }

    void importIsAllOrNothing() {
        WriteConfigFile(Path("port.cfg"), {"Mill"});
        const std::string before = ReadFile(Path("port.cfg"));
        WriteFile(Path("shop.txt"),
                  "# three machines\n[Lathe]\nbaud = 4800\n\n[Router]\nparity = odd\n\n"
                  "[Grinder]\nstop-bits = 3\n");
        Run run = Execute({"configs", "import", Path("shop.txt")});
        QCOMPARE(run.status, kExitUsage);
        QVERIFY2(
            run.err.find(Path("shop.txt") + ":9: stop-bits: bad value \"3\"") != std::string::npos,
            run.err.c_str());
        QCOMPARE(ReadFile(Path("port.cfg")), before);

        // A name the file has already, without --replace.
        WriteFile(Path("shop.txt"), "[Lathe]\n[MILL]\nbaud = 1200\n");
        run = Execute({"configs", "import", Path("shop.txt")});
        QCOMPARE(run.status, kExitUsage);
        QVERIFY(run.err.find("already has a configuration named \"Mill\" (import --replace "
                             "replaces it); nothing was imported") != std::string::npos);
        QCOMPARE(ReadFile(Path("port.cfg")), before);

        run = Execute({"configs", "import", Path("shop.txt"), "--replace"});
        QCOMPARE(run.status, kExitOk);
        const auto settings = Saved();
        QCOMPARE(settings->GetCount(), 2);
        QCOMPARE(settings->GetAt(0)->m_strName, std::string("MILL"));
        QCOMPARE(settings->GetAt(0)->m_port.m_dwBaudRate, 1200u);
        QCOMPARE(settings->GetAt(1)->m_strName, std::string("Lathe"));

        // A damaged configuration file is never written over.
        std::string damaged = ReadFile(Path("port.cfg"));
        damaged.resize(damaged.size() - 5);
        WriteFile(Path("port.cfg"), damaged);
        WriteFile(Path("shop.txt"), "[Router]\n");
        run = Execute({"configs", "import", Path("shop.txt")});
        QCOMPARE(run.status, kExitFailure);
        QVERIFY(run.err.find("Nothing was changed") != std::string::npos);
        QCOMPARE(ReadFile(Path("port.cfg")), damaged);
        QCOMPARE(Execute({"configs", "add", "Router"}).status, kExitFailure);
        QCOMPARE(ReadFile(Path("port.cfg")), damaged);
    }

    // A file of an older version is changed as the window changes it: kept as port.cfg_old.
    void olderFileIsKeptAside() {
        const std::string bytes("\xB9\xA4\x2F\x00\x0B\0\0\0\x01\0\0\0\0\0\0\0", 16);
        WriteFile(Path("port.cfg"), bytes);
        const Run run = Execute({"configs", "set", "New Config", "baud=2400"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());
        QCOMPARE(ReadFile(Path("port.cfg_old")), bytes);
        QCOMPARE(Saved()->GetAt(0)->m_port.m_dwBaudRate, 2400u);
    }

    // The window shows what "configs add" made: its New... starts from the selected one.
    void windowShowsWhatAddMade() {
        const Run run = Execute({"configs", "add", "Mill", "baud=19200", "data-bits=7",
                                 "parity=even", "stop-bits=2", "send.header=18,13", "send.delay=65",
                                 "send.check-percent=yes"});
        QVERIFY2(run.status == kExitOk, run.err.c_str());

        RecordingMessageBoxes messages;
        ScriptedFileDialogs files;
        CSendrikDlg dlg(Path("port.cfg"), {}, UiServices{&messages, &files});
        QCOMPARE(dlg.findChild<QComboBox*>("configBox")->currentText(), QString("Mill"));
        QMap<QString, QString> shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* sheet = qobject_cast<CConfigPS*>(QApplication::activeModalWidget());
            if (!sheet || !sheet->isVisible()) return;
            poll.stop();
            for (const char* box : {"baudRateBox", "dataBitsBox", "parityBox", "stopBitsBox"})
                shown[box] = sheet->CommonPage()->findChild<QComboBox*>(box)->currentText();
            shown["name"] = sheet->CommonPage()->findChild<QLineEdit*>("nameEdit")->text();
            QWidget* send = sheet->SendPage();
            for (const char* edit : {"headerEdit", "delayMinutesEdit", "delaySecondsEdit"})
                shown[edit] = send->findChild<QLineEdit*>(edit)->text();
            sheet->reject();
        });
        poll.start(10);
        dlg.findChild<QPushButton*>("newButton")->click();
        QCOMPARE(shown["name"], QString("New Config"));
        QCOMPARE(shown["baudRateBox"], QString("19200"));
        QCOMPARE(shown["dataBitsBox"], QString("7"));
        QCOMPARE(shown["parityBox"], QString("Even"));
        QCOMPARE(shown["stopBitsBox"], QString("2"));
        QCOMPARE(shown["headerEdit"], QString("18,13"));
        QCOMPARE(shown["delayMinutesEdit"], QString("1"));
        QCOMPARE(shown["delaySecondsEdit"], QString("5"));
    }
};

QTEST_MAIN(ConfigCommandsTest)
#include "ConfigCommandsTest.moc"
