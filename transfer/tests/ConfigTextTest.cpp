#include <gtest/gtest.h>

#include <functional>

#include "transfer/ConfigText.h"

using namespace sendrik;

namespace {

CPortConfig ParseOne(const std::string& body) {
    ConfigTextResult result = ParseConfigText("[Mill]\n" + body + "\n", "mill.txt");
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.configs.size(), 1u);
    return result.configs.empty() ? CPortConfig() : *result.configs.front();
}

// Every stored field away from its default, with texts that only survive quoted.
CPortConfig FullConfig() {
    CPortConfig c;
    c.m_strName = "  Haas [VF-2] \"left\"";
    c.m_port = {};
    c.m_port.m_dwBaudRate = 115200;
    c.m_port.m_byDataBits = 7;
    c.m_port.m_byParity = 4;
    c.m_port.m_byStopBits = 1;
    c.m_port.m_nFlowControl = kFlowHardwareNoDtr;
    c.m_port.m_chXon = 1;
    c.m_port.m_chXoff = 255;
    c.m_port.m_nPort = 1234;
    for (TRANSFER_CONFIG* t :
         {static_cast<TRANSFER_CONFIG*>(&c.m_send), static_cast<TRANSFER_CONFIG*>(&c.m_receive)}) {
        const std::uint8_t base = t == &c.m_send ? 1 : 2;
        t->m_eolRecognize = {13, base};
        t->m_bRecognizeEol = 1;
        t->m_eolReplace = {0, 255};
        t->m_bReplaceEol = t == &c.m_send ? 1 : 0;
        t->m_bCheckPercent = 1;
        t->m_bSkipEmptyLines = 1;
        t->m_header = {18, base};
        t->m_trailer = {20, 37, base};
        t->m_nDelaySeconds = t == &c.m_send ? kMaxDelaySeconds : 7;
        t->m_strFolder = t == &c.m_send ? " C:\\cnc\\prog #1; " : "/home/op/Ωmega\tin";
        t->m_nSkipComments = t == &c.m_send ? kCommentBracket | kCommentSemicolon : kCommentParen;
        t->m_bSkipNonPrintable = t == &c.m_send ? 1 : 0;
        t->m_dwReserved = 4000000000u;
        t->m_byReserved1 = base;
        t->m_byReserved2 = 255;
    }
    c.m_arrFiles = {"/cnc/O1000.nc", "\"quoted\".nc", "/cnc/line\nbreak.nc", "; not a comment"};
    return c;
}

TEST(ConfigText, EachKeySetsItsField) {
    struct Case {
        const char* line;
        std::function<bool(const CPortConfig&)> holds;
    };
    const Case cases[] = {
        {"port = 3", [](auto& c) { return c.m_port.m_nPort == 3; }},
        {"port = com12", [](auto& c) { return c.m_port.m_nPort == 12; }},
        {"port = Current", [](auto& c) { return c.m_port.m_nPort == 0; }},
        {"baud = 115200", [](auto& c) { return c.m_port.m_dwBaudRate == 115200; }},
        {"data-bits = 5", [](auto& c) { return c.m_port.m_byDataBits == 5; }},
        {"parity = none", [](auto& c) { return c.m_port.m_byParity == 0; }},
        {"parity = odd", [](auto& c) { return c.m_port.m_byParity == 1; }},
        {"parity = EVEN", [](auto& c) { return c.m_port.m_byParity == 2; }},
        {"parity = mark", [](auto& c) { return c.m_port.m_byParity == 3; }},
        {"parity = space", [](auto& c) { return c.m_port.m_byParity == 4; }},
        {"stop-bits = 1.5", [](auto& c) { return c.m_port.m_byStopBits == 1; }},
        {"stop-bits = 2", [](auto& c) { return c.m_port.m_byStopBits == 2; }},
        {"flow-control = hardware",
         [](auto& c) { return c.m_port.m_nFlowControl == kFlowHardware; }},
        {"flow-control = hardware-no-dtr",
         [](auto& c) { return c.m_port.m_nFlowControl == kFlowHardwareNoDtr; }},
        {"flow-control = none", [](auto& c) { return c.m_port.m_nFlowControl == kFlowNone; }},
        {"xon = 0", [](auto& c) { return c.m_port.m_chXon == 0; }},
        {"xoff = 255", [](auto& c) { return c.m_port.m_chXoff == 255; }},
        {"send.header = 18, 13;10",
         [](auto& c) {
             return c.m_send.m_header == ByteSequence{18, 13, 10};
         }},
        {"send.trailer = 20", [](auto& c) { return c.m_send.m_trailer == ByteSequence{20}; }},
        {"send.recognize-eol = yes\nsend.eol = 10",
         [](auto& c) {
             return c.m_send.m_bRecognizeEol == 1 && c.m_send.m_eolRecognize == ByteSequence{10};
         }},
        {"send.replace-eol = on", [](auto& c) { return c.m_send.m_bReplaceEol == 1; }},
        {"send.replace-with = 13,10",
         [](auto& c) {
             return c.m_send.m_eolReplace == ByteSequence{13, 10};
         }},
        {"send.check-percent = TRUE", [](auto& c) { return c.m_send.m_bCheckPercent == 1; }},
        {"send.skip-empty-lines = 1", [](auto& c) { return c.m_send.m_bSkipEmptyLines == 1; }},
        {"send.skip-non-printable = yes",
         [](auto& c) { return c.m_send.m_bSkipNonPrintable == 1; }},
        {"send.skip-comments = semicolon, Parentheses",
         [](auto& c) { return c.m_send.m_nSkipComments == (kCommentSemicolon | kCommentParen); }},
        {"send.delay = 65", [](auto& c) { return c.m_send.m_nDelaySeconds == 65; }},
        {"send.folder = C:\\cnc\\#1 ; x",
         [](auto& c) { return c.m_send.m_strFolder == "C:\\cnc\\#1 ; x"; }},
        {"send.folder = \" /cnc \\\"a\\\"\\x41\"",
         [](auto& c) { return c.m_send.m_strFolder == " /cnc \"a\"A"; }},
        {"send.reserved = 7,8,9",
         [](auto& c) {
             return c.m_send.m_dwReserved == 7 && c.m_send.m_byReserved1 == 8 &&
                    c.m_send.m_byReserved2 == 9;
         }},
        {"receive.replace-eol = no", [](auto& c) { return c.m_receive.m_bReplaceEol == 0; }},
        {"receive.skip-comments = none", [](auto& c) { return c.m_receive.m_nSkipComments == 0; }},
        {"receive.delay = 3", [](auto& c) { return c.m_receive.m_nDelaySeconds == 3; }},
        {"receive.folder = /in", [](auto& c) { return c.m_receive.m_strFolder == "/in"; }},
        {"file = /a.nc\nFILE = /b c.nc",
         [](auto& c) {
             return c.m_arrFiles == std::vector<std::string>{"/a.nc", "/b c.nc"};
         }},
        {"BAUD=4800", [](auto& c) { return c.m_port.m_dwBaudRate == 4800; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(c.holds(ParseOne(c.line)));
    }
}

// Keys a section leaves out keep the values of a new configuration (receive replaces
// line ends with 10,13 and skips non-printable bytes).
TEST(ConfigText, OmittedKeysKeepTheDefaults) {
    CPortConfig expected;
    expected.m_strName = "Mill";
    EXPECT_EQ(ParseOne(""), expected);
    EXPECT_EQ(ParseOne("").m_receive.m_eolReplace, (ByteSequence{10, 13}));
}

TEST(ConfigText, CommentsBlankLinesAndLineEnds) {
    const std::string text =
        "\xEF\xBB\xBF# shop machines\r\n\r\n  ; old lathe below\r\n[Lathe]\r\n  Baud = 2400  "
        "\r\n# data-bits = 5\r\n\t[ Mill ]\nparity=Odd";
    const ConfigTextResult result = ParseConfigText(text, "shop.txt");
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.configs.size(), 2u);
    EXPECT_EQ(result.configs[0]->m_strName, "Lathe");
    EXPECT_EQ(result.configs[0]->m_port.m_dwBaudRate, 2400u);
    EXPECT_EQ(result.configs[0]->m_port.m_byDataBits, 8);
    EXPECT_EQ(result.configs[1]->m_strName, "Mill");
    EXPECT_EQ(result.configs[1]->m_port.m_byParity, 1);
    EXPECT_TRUE(ParseConfigText("# nothing yet\n", "x").configs.empty());
}

TEST(ConfigText, FaultsNameTheFileTheLineAndTheKey) {
    struct Case {
        std::string text;
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"[M]\nbaudrate = 9600", 2, "m.txt:2: unknown key \"baudrate\""},
        {"[M]\nbaud = 0", 2, "m.txt:2: baud: bad value \"0\": wants a number from 1"},
        {"[M]\nbaud = 4294967296", 2,
         "m.txt:2: baud: bad value \"4294967296\": wants a number from 1"},
        {"[M]\nbaud = 96OO", 2, "m.txt:2: baud: bad value \"96OO\": wants a number from 1"},
        {"[M]\n\ndata-bits = 9", 3, "m.txt:3: data-bits: bad value \"9\": wants 5 to 8"},
        {"[M]\ndata-bits = 4", 2, "m.txt:2: data-bits: bad value \"4\": wants 5 to 8"},
        {"[M]\nparity = N", 2,
         "m.txt:2: parity: bad value \"N\": wants none, odd, even, mark, space"},
        {"[M]\nstop-bits = 0", 2, "m.txt:2: stop-bits: bad value \"0\": wants 1, 1.5, 2"},
        {"[M]\nflow-control = rts", 2,
         "m.txt:2: flow-control: bad value \"rts\": wants none, xon-xoff, hardware or "
         "hardware-no-dtr"},
        {"[M]\nxon = 256", 2, "m.txt:2: xon: bad value \"256\": wants 0 to 255"},
        {"[M]\nport = COM", 2,
         "m.txt:2: port: bad value \"COM\": wants a port number 1 to 9999 (3 or COM3), or current"},
        {"[M]\nport = -1", 2,
         "m.txt:2: port: bad value \"-1\": wants a port number 1 to 9999 (3 or COM3), or current"},
        {"[M]\nsend.header = 13,256", 2,
         "m.txt:2: send.header: bad value \"13,256\": wants decimal codes 0 to 255 separated by "
         "commas, such as 13,10"},
        {"[M]\nreceive.eol = CR", 2, "m.txt:2: receive.eol: bad value \"CR\""},
        {"[M]\nsend.check-percent = maybe", 2,
         "m.txt:2: send.check-percent: bad value \"maybe\": wants yes or no"},
        {"[M]\nsend.skip-comments = braces", 2,
         "m.txt:2: send.skip-comments: bad value \"braces\""},
        {"[M]\nsend.skip-comments =", 2, "m.txt:2: send.skip-comments: bad value \"\""},
        {"[M]\nsend.delay = 28860", 2,
         "m.txt:2: send.delay: bad value \"28860\": wants seconds, 0 to 28859"},
        {"[M]\nsend.folder = \"/cnc", 2,
         "m.txt:2: send.folder: bad value \"\"/cnc\": wants the closing \" is missing"},
        {"[M]\nsend.folder = \"/cnc\" x", 2, "text after the closing \""},
        {"[M]\nsend.folder = \"\\q\"", 2, "unknown escape \\q"},
        {"[M]\nsend.reserved = 1,2", 2,
         "m.txt:2: send.reserved: bad value \"1,2\": wants three numbers N,N,N"},
        {"[M]\nfile =", 2, "m.txt:2: file: wants the path of a program"},
        {"[M]\nbaud = 9600\nBaud = 4800", 3, "m.txt:3: Baud: given twice in [M]"},
        {"baud = 9600\n[M]", 1, "m.txt:1: baud comes before the first [NAME] section"},
        {"[M]\nbaud 9600", 2, "m.txt:2: \"baud 9600\" is neither [NAME] nor KEY = VALUE"},
        {"[M]\n= 9600", 2, "m.txt:2: a key is missing before \"=\""},
        {"[M\nbaud = 9600", 1, "m.txt:1: a section line is [NAME]"},
        {"[ ]", 1, "m.txt:1: a section needs a configuration name: [NAME]"},
        {"[Mill]\n[Lathe]\n[mILL]", 3, "m.txt:3: section [mILL] is given twice (first at line 1)"},
        {"[A]\n[B]\nsend.recognize-eol = yes\n[C]", 2,
         "m.txt:2: [B]: send.recognize-eol = yes needs the codes of send.eol"},
        {"[A]\nreceive.recognize-eol = yes", 1,
         "m.txt:1: [A]: receive.recognize-eol = yes needs the codes of receive.eol"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ConfigTextResult result = ParseConfigText(c.text, "m.txt");
        EXPECT_NE(result.error.find(c.message), std::string::npos) << result.error;
        EXPECT_EQ(result.errorLine, c.line);
        EXPECT_TRUE(result.configs.empty());
    }
}

TEST(ConfigText, RoundTripIsExact) {
    const CPortConfig full = FullConfig();
    CPortConfig plain;
    plain.m_strName = "Lathe";
    const std::string text = FormatConfigText({&full, &plain});
    const ConfigTextResult result = ParseConfigText(text, "all.txt");
    ASSERT_EQ(result.error, "") << text;
    ASSERT_EQ(result.configs.size(), 2u);
    EXPECT_EQ(*result.configs[0], full) << text;
    EXPECT_EQ(*result.configs[1], plain);
    EXPECT_EQ(FormatConfigText({result.configs[0].get(), result.configs[1].get()}), text);
    // The keys scripts rely on, as they are written.
    const std::string section = FormatConfigSection(full);
    for (const char* line : {"baud = 115200\n", "data-bits = 7\n", "parity = space\n",
                             "stop-bits = 1.5\n", "send.header = 18,1\n", "port = 1234\n"})
        EXPECT_NE(section.find(line), std::string::npos) << line;
}

// A value set from the command line is checked as a line of a file is, and a refused one
// changes nothing.
TEST(ConfigText, SetConfigKeyLeavesTheConfigurationOnRefusal) {
    CPortConfig c;
    ConfigKeyError error;
    EXPECT_TRUE(SetConfigKey(c, "Stop-Bits", "2", error));
    EXPECT_EQ(c.m_port.m_byStopBits, 2);
    const CPortConfig before = c;
    EXPECT_FALSE(SetConfigKey(c, "send.header", "1,x", error));
    EXPECT_EQ(error.key, "send.header");
    EXPECT_EQ(c, before);
    EXPECT_FALSE(SetConfigKey(c, "name", "X", error));
    EXPECT_EQ(error.problem, "unknown key \"name\"");
}

}  // namespace
