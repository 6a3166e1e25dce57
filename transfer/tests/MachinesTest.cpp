// The machines file: a sound file with its defaults, and a table of faulty files, each
// reported with its line and reason.

#include <gtest/gtest.h>

#include "transfer/Machines.h"

using namespace sendrik;
using namespace std::chrono_literals;

TEST(MachinesFile, ReadsEverySettingAndFillsDefaults) {
    const MachinesFile file = ParseMachines(
        "# the floor\n"
        "[Mill 1]\n"
        "config = Haas VF2           # a configuration in port.cfg\n"
        "port = /dev/ttyUSB0\n"
        "receive-folder = /srv/nc/mill1/in\n"
        "name-from = First-Comment\n"
        "send-folders = /srv/nc/mill1, /srv/nc/common\n"
        "request-number = 9999\n"
        "request-delay = 2.5\n"
        "idle-timeout = 0,5\n"
        "\n"
        "; a lathe on a device server\n"
        "[Lathe]\n"
        "CONFIG=Lathe\n"
        "port=tcp:10.0.0.5:4001\n"
        "receive-folder=/srv/nc/#lathe\n",
        "machines.conf");
    ASSERT_TRUE(file.problems.empty()) << FormatProblem(file.problems.front());
    ASSERT_EQ(file.machines.size(), 2u);
    const MachineEntry& mill = file.machines[0];
    EXPECT_EQ(mill.name, "Mill 1");
    EXPECT_EQ(mill.line, 2);
    EXPECT_EQ(mill.config, "Haas VF2");
    EXPECT_EQ(mill.port, "/dev/ttyUSB0");
    EXPECT_EQ(mill.nameFrom, NameFrom::FirstComment);
    EXPECT_EQ(mill.sendFolders, (std::vector<std::string>{"/srv/nc/mill1", "/srv/nc/common"}));
    EXPECT_EQ(mill.requestNumber, 9999u);
    EXPECT_EQ(mill.requestDelay, 2500ms);
    EXPECT_EQ(mill.idleTimeout, 500ms);

    const MachineEntry& lathe = file.machines[1];
    EXPECT_EQ(lathe.receiveFolder, "/srv/nc/#lathe");  // "#" without a blank before it stays
    EXPECT_EQ(lathe.nameFrom, NameFrom::ProgramNumber);
    EXPECT_EQ(lathe.sendFolders, std::vector<std::string>{"/srv/nc/#lathe"});
    EXPECT_FALSE(lathe.requestNumber);
    EXPECT_EQ(lathe.requestDelay, 5000ms);
    EXPECT_EQ(lathe.idleTimeout, 5000ms);
}

TEST(MachinesFile, FaultsNameTheirLineAndReason) {
    const std::string head = "[M]\nconfig = C\nport = /dev/ttyS0\nreceive-folder = /in\n";
    struct Case {
        std::string text;
        int line;
        std::string reason;
    };
    const Case cases[] = {
        {"", 0, "no machine is defined"},
        {"config = C\n", 1, "comes before the first \"[machine]\" header"},
        {"[M]\nport = COM3\nreceive-folder = /in\n", 1, "has no \"config\""},
        {"[M]\nconfig = C\nreceive-folder = /in\n", 1, "has no \"port\""},
        {"[M]\nconfig = C\nport = COM3\n", 1, "has no \"receive-folder\""},
        {head + "colour = red\n", 5, "unknown key \"colour\""},
        {head + "port = COM4\n", 5, "\"port\" is already given on line 3"},
        {head + "[m]\nconfig=C\nport=COM1\nreceive-folder=/x\n", 5,
         "machine \"m\" is already defined on line 1"},
        {"[]\n", 1, "needs a name"},
        {"[M\n", 1, "must end with \"]\""},
        {head + "just words\n", 5, "expected \"key = value\""},
        {head + "name-from = date\n", 5, "none of program-number, first-comment, time"},
        {head + "request-number = 123456789\n", 5, "not a program number of 1-8 digits"},
        {head + "request-number = 9x\n", 5, "not a program number"},
        {head + "request-delay = -1\n", 5, "not a number of seconds"},
        {head + "idle-timeout = 0\n", 5, "above 0"},
        {head + "send-folders = /a, , /b\n", 5, "empty entry"},
        {head + "send-folders = relative/nc\n", 5, "not an absolute folder path"},
        {"[M]\nconfig = C\nport = /dev/ttyS0\nreceive-folder = in\n", 4,
         "not an absolute folder path"},
        {"[M]\nconfig = C\nport = ttyUSB0\nreceive-folder = /in\n", 3,
         "neither a device path, COMn nor tcp:HOST:PORT"},
        {"[M]\nconfig = C\nport = tcp:host\nreceive-folder = /in\n", 3, "tcp:HOST:PORT"},
        {"[M]\nconfig = C\nport = tcp:host:70000\nreceive-folder = /in\n", 3, "PORT 1-65535"},
        {head + "request-delay =\n", 5, "has no value"},
    };
    for (const Case& c : cases) {
        const MachinesFile file = ParseMachines(c.text, "/etc/m.conf");
        ASSERT_FALSE(file.problems.empty()) << c.text;
        EXPECT_EQ(file.problems.front().line, c.line) << c.text;
        EXPECT_NE(file.problems.front().reason.find(c.reason), std::string::npos)
            << c.text << " gave: " << file.problems.front().reason;
    }
    EXPECT_EQ(FormatProblem({"/etc/m.conf", 5, "unknown key \"x\""}),
              "/etc/m.conf, line 5: unknown key \"x\"");
}

TEST(MachinesFile, PortForms) {
    std::string host;
    unsigned short port = 0;
    EXPECT_TRUE(SplitTcpPort("tcp:10.0.0.5:4001", host, port));
    EXPECT_EQ(host, "10.0.0.5");
    EXPECT_EQ(port, 4001);
    EXPECT_TRUE(SplitTcpPort("tcp:[::1]:23", host, port));
    EXPECT_EQ(host, "::1");
    for (const char* bad : {"tcp::4001", "tcp:h:0", "tcp:h:", "tcp:a:b:1", "/dev/ttyS0", "tcp:h:x"})
        EXPECT_FALSE(SplitTcpPort(bad, host, port)) << bad;
    EXPECT_EQ(ComPortNumber("COM3"), 3);
    EXPECT_EQ(ComPortNumber("com12"), 12);
    EXPECT_EQ(ComPortNumber("COM"), 0);
    EXPECT_EQ(ComPortNumber("/dev/ttyS0"), 0);
}
