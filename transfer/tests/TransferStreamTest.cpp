#include <gtest/gtest.h>

#include <functional>

#include "transfer/TransferStream.h"

using namespace sendrik;

namespace {

struct LineRecorder : ITransferLineSubscriber {
    void OnLine(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

struct Result {
    std::string output;
    std::vector<std::string> lines;
    int stop = 0;
    ByteSequence lineEnd;
};

// Feeds `input` in blocks of `block` bytes, as the transfers do.
Result RunStream(const TRANSFER_CONFIG& config, const std::string& input, std::size_t block = 512) {
    Result r;
    CBufferWriter writer;
    LineRecorder recorder;
    CTransferStream stream(config, r.stop, writer);
    stream.AddSubscriber(&recorder);
    stream.Begin();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.data());
    for (std::size_t at = 0; at < input.size() && r.stop == 0; at += block)
        stream.Process(bytes + at, std::min(block, input.size() - at));
    stream.End();
    r.output = writer.m_data;
    r.lines = recorder.lines;
    r.lineEnd = stream.LineEnd();
    return r;
}

ByteSequence Bytes(std::string_view s) {
    return ByteSequence(s.begin(), s.end());
}

using ConfigEdit = std::function<void(TRANSFER_CONFIG&)>;

struct Case {
    const char* name;
    ConfigEdit setup;
    std::string input;
    std::string output;
};

void RunTable(const TRANSFER_CONFIG& base, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        TRANSFER_CONFIG config = base;
        if (c.setup) c.setup(config);
        // Block size must not matter: whole input, then byte by byte.
        EXPECT_EQ(RunStream(config, c.input).output, c.output) << c.name;
        EXPECT_EQ(RunStream(config, c.input, 1).output, c.output) << c.name << " (byte by byte)";
    }
}

const ConfigEdit kSkipEmpty = [](TRANSFER_CONFIG& c) { c.m_bSkipEmptyLines = 1; };
const ConfigEdit kCrLf = [](TRANSFER_CONFIG& c) { c.m_eolRecognize = {13, 10}; };

}  // namespace

TEST(LineEndDetectionPiece, ShortestRepeatedPrefix) {
    struct {
        ByteSequence run;
        bool cut;
        ByteSequence expected;
    } cases[] = {
        {{13, 10}, false, {13, 10}},
        {{13, 10, 13, 10}, false, {13, 10}},
        {{13, 13, 10}, false, {13, 13, 10}},
        {{10}, false, {10}},
        {{13, 13}, false, {13}},
        {{10, 13}, false, {10, 13}},
        {{13, 10, 13}, false, {13, 10, 13}},
        {{}, false, {}},
        {{13, 13, 10, 13, 13, 10, 13}, true, {13, 13, 10}},
        {{13, 10, 10, 10}, true, {13, 10, 10, 10}},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectLineEndOf(c.run, c.cut), c.expected);
}

TEST(LineEndMatchingPiece, FallbackKeepsALineEndStart) {
    const ByteSequence crlf{13, 10};
    EXPECT_EQ(LineEndFallback({13}, crlf), 0u);
    EXPECT_EQ(LineEndFallback({13, 10}, crlf), 0u);
    EXPECT_EQ(LineEndFallback({13, 13}, crlf), 1u);
    EXPECT_EQ(LineEndFallback({10}, crlf), 1u);
    EXPECT_EQ(LineEndFallback({10, 13}, {10, 10, 13}), 2u);
    EXPECT_EQ(LineEndFallback({10, 10, 10}, {10, 10, 13}), 1u);
}

TEST(TransferStream, AutomaticDetectionTwoLinesEachReportedOnce) {
    const Result r = RunStream(TRANSFER_CONFIG_SEND(), "G00\r\nG01\r\n");
    EXPECT_EQ(r.output, "G00\r\nG01\r\n");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"G00\r\n", "G01\r\n"}));
    EXPECT_EQ(r.lineEnd, (ByteSequence{13, 10}));
}

TEST(TransferStream, DetectionLimitIs128Bytes) {
    const Result found = RunStream(TRANSFER_CONFIG_SEND(), std::string(127, 'A') + "\r\nB\r\n");
    EXPECT_EQ(found.lines.size(), 2u);
    const std::string text = std::string(128, 'A') + "\r\nB\r\n";
    const Result gaveUp = RunStream(TRANSFER_CONFIG_SEND(), text);
    EXPECT_TRUE(gaveUp.lines.empty());
    EXPECT_EQ(gaveUp.output, text);
    const Result noLineEnd = RunStream(TRANSFER_CONFIG_SEND(), std::string(200, 'X'));
    EXPECT_TRUE(noLineEnd.lines.empty());
    EXPECT_EQ(noLineEnd.output, std::string(200, 'X'));
    // Without a line end the text still goes out in pieces of at most 1024 bytes.
    CBufferWriter writer;
    struct Counter : CWriter {
        void Write(const std::uint8_t*, std::size_t count) override { sizes.push_back(count); }
        std::vector<std::size_t> sizes;
    } counter;
    int stop = 0;
    TRANSFER_CONFIG_SEND config;
    CTransferStream stream(config, stop, counter);
    stream.Begin();
    const std::string big(5000, 'Y');
    stream.Process(reinterpret_cast<const std::uint8_t*>(big.data()), big.size());
    stream.End();
    std::size_t total = 0;
    for (std::size_t s : counter.sizes) {
        EXPECT_LE(s, 1024u);
        total += s;
    }
    EXPECT_EQ(total, big.size());
}

TEST(TransferStream, LineEndsAndEmptyLines) {
    RunTable(TRANSFER_CONFIG_SEND(),
             {
                 {"empty lines first", nullptr, "\r\n\r\nG00\r\n", "\r\n\r\nG00\r\n"},
                 {"empty lines first, skipped", kSkipEmpty, "\r\n\r\nG00\r\n", "G00\r\n"},
                 {"blank line skipped", kSkipEmpty, "G00\r\n \t \r\nG01\r\n", "G00\r\nG01\r\n"},
                 {"LF only", nullptr, "G00\nG01\n", "G00\nG01\n"},
                 {"CR CR LF detected whole", nullptr, "A\r\r\nB\r\r\n", "A\r\r\nB\r\r\n"},
                 {"lone CR stays", kCrLf, "A\rB\r\n", "A\rB\r\n"},
                 {"partial match restarts", kCrLf, "A\r\r\nB\r\n", "A\r\r\nB\r\n"},
                 {"replace with nothing joins lines",
                  [](TRANSFER_CONFIG& c) { c.m_bReplaceEol = 1; }, "G00\r\nG01\r\n", "G00G01"},
                 {"replace CR LF by LF",
                  [](TRANSFER_CONFIG& c) {
                      c.m_bReplaceEol = 1;
                      c.m_eolReplace = {10};
                  },
                  "G00\r\nG01\r\n", "G00\nG01\n"},
                 {"last line without line end", nullptr, "G00\r\nG01", "G00\r\nG01"},
                 {"input ends in a line end part", kCrLf, "G00\r", "G00\r"},
                 {"many blank lines", nullptr, std::string(1000, '\n') + "X\n",
                  std::string(1000, '\n') + "X\n"},
                 {"many CR CR LF lines, cut detection", nullptr,
                  [] {
                      std::string s;
                      for (int i = 0; i < 300; ++i) s += "\r\r\n";
                      return s + "X\r\r\n";
                  }(),
                  [] {
                      std::string s;
                      for (int i = 0; i < 300; ++i) s += "\r\r\n";
                      return s + "X\r\r\n";
                  }()},
             });
}

TEST(TransferStream, PartialMatchEndsTheRightLine) {
    TRANSFER_CONFIG_SEND config;
    config.m_eolRecognize = {13, 10};
    const Result r = RunStream(config, "A\r\r\nB\r\n");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"A\r\r\n", "B\r\n"}));
}

TEST(TransferStream, ReceiveDefaultsReplaceWithLfCr) {
    const Result r = RunStream(TRANSFER_CONFIG_RECEIVE(), "G00\r\n");
    EXPECT_EQ(r.output, "G00\n\r");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"G00\n\r"}));
}

TEST(TransferStream, LongLinesKeepTheirLineEnd) {
    const std::string longLine = std::string(1024, 'X') + "   ";
    RunTable(
        TRANSFER_CONFIG_SEND(),
        {
            {"white tail after a flush", kSkipEmpty, longLine + "\r\nG01\r\n",
             longLine + "\r\nG01\r\n"},
            {"comment tail after a flush",
             [](TRANSFER_CONFIG& c) { c.m_nSkipComments = kCommentParen; },
             std::string(1024, 'X') + "(C)\r\nG01\r\n", std::string(1024, 'X') + "\r\nG01\r\n"},
            {"all blank long line", kSkipEmpty, std::string(1500, ' ') + "\r\nG01\r\n",
             std::string(1500, ' ') + "\r\nG01\r\n"},
        });
}

TEST(TransferStream, PercentTermination) {
    TRANSFER_CONFIG_RECEIVE receive;
    receive.m_bCheckPercent = 1;
    receive.m_bReplaceEol = 0;
    receive.m_trailer = Bytes("END");
    const Result r = RunStream(receive, "%\r\nO1000\r\n%\r\nM30\r\n");
    EXPECT_EQ(r.output, "%\r\nO1000\r\n%END");
    EXPECT_EQ(r.stop, 1);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"%\r\n", "O1000\r\n"}));

    // Byte by byte the rest is never taken either.
    EXPECT_EQ(RunStream(receive, "%\r\nO1000\r\n%\r\nM30\r\n", 1).output, "%\r\nO1000\r\n%END");
    // The second "%" while the line end is still being detected.
    EXPECT_EQ(RunStream(receive, "%O1%M30\r\nX\r\n").output, "%O1%END");
}

TEST(TransferStream, HeaderAndTrailer) {
    TRANSFER_CONFIG_SEND config;
    config.m_header = {18};
    config.m_trailer = {20};
    EXPECT_EQ(RunStream(config, "").output, "\x12\x14");
    EXPECT_EQ(RunStream(config, "G00\r\n").output, "\x12G00\r\n\x14");
    const Result r = RunStream(config, "G00\r\n");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"G00\r\n"}));
}

TEST(TransferStream, Comments) {
    const ConfigEdit paren = [](TRANSFER_CONFIG& c) { c.m_nSkipComments = kCommentParen; };
    const ConfigEdit bracket = [](TRANSFER_CONFIG& c) { c.m_nSkipComments = kCommentBracket; };
    const ConfigEdit semi = [](TRANSFER_CONFIG& c) { c.m_nSkipComments = kCommentSemicolon; };
    const ConfigEdit semiCrLf = [](TRANSFER_CONFIG& c) {
        c.m_nSkipComments = kCommentSemicolon;
        c.m_eolRecognize = {13, 10};
    };
    RunTable(
        TRANSFER_CONFIG_SEND(),
        {
            {"paren", paren, "G00 (RAPID) X1\r\n", "G00  X1\r\n"},
            {"paren-only line dropped", paren, "(ONLY)\r\nG01\r\n", "G01\r\n"},
            {"paren not configured", bracket, "G00 (A) [B]\r\n", "G00 (A) \r\n"},
            {"semicolon", semi, "G01 X1 ;FEED\r\nG02\r\n", "G01 X1 \r\nG02\r\n"},
            {"semicolon-only line dropped", semi, ";NOTE\r\nG02\r\n", "G02\r\n"},
            {"semicolon with replacement",
             [](TRANSFER_CONFIG& c) {
                 c.m_nSkipComments = kCommentSemicolon;
                 c.m_bReplaceEol = 1;
                 c.m_eolReplace = {10};
             },
             "G01 ;F\r\nG02\r\n", "G01 \nG02\n"},
            {"lone CR inside a semicolon comment", semiCrLf, "G01 ;A\rB\r\nG02\r\n",
             "G01 \r\nG02\r\n"},
            {"CR CR LF ends a semicolon comment", semiCrLf, "G01 ;A\r\r\nG02\r\n",
             "G01 \r\nG02\r\n"},
            {"CR before a semicolon stays", semiCrLf, "G01\r;A\r\nG02\r\n", "G01\r\r\nG02\r\n"},
        });
}

TEST(TransferStream, SemicolonCommentWithoutKnownLineEnd) {
    TRANSFER_CONFIG_SEND config;
    config.m_nSkipComments = kCommentSemicolon;
    // 128 bytes without a line end: detection gives up, no line end is known.
    const std::string head(128, 'A');
    EXPECT_EQ(RunStream(config, head + ";C\rG01\nG02;X\nG03").output, head + "\rG01\nG02\nG03");
}

TEST(TransferStream, LineNumbers) {
    const ConfigEdit numbers = [](TRANSFER_CONFIG& c) { c.m_bSkipLineNumbers = 1; };
    RunTable(
        TRANSFER_CONFIG_SEND(),
        {
            {"number dropped", numbers, "N100 G01\r\n", "G01\r\n"},
            {"N in a comment text", numbers, "(NOTE)\r\n", "(OTE)\r\n"},
            {"slash before number", numbers, "/N10 G01\r\n", "G01\r\n"},
            {"slash alone", numbers, "/X1\r\n", "/X1\r\n"},
            {"two slashes", numbers, "//X1\r\n", "//X1\r\n"},
            {"N without digits", numbers, "NX1\r\n", "X1\r\n"},
            {"number-only line joins", numbers, "G00\r\nN10\r\nG01\r\n", "G00\r\nG01\r\n"},
            {"number at the line end keeps the line", numbers, "X1 N5\r\nY2\r\n", "X1 \r\nY2\r\n"},
            {"slash at the very end", numbers, "G00\r\nG01/", "G00\r\nG01/"},
            {"slash at the end of a line", numbers, "G01/\r\nG02\r\n", "G01/\r\nG02\r\n"},
            // Detection gives up on a long first line; the blocks must still stay apart.
            {"no known line end", numbers, std::string(130, '-') + "\r\nX1 N5\r\nY2\r\n",
             std::string(130, '-') + "\r\nX1 \r\nY2\r\n"},
        });
    TRANSFER_CONFIG_SEND config;
    config.m_bSkipLineNumbers = 1;
    EXPECT_EQ(RunStream(config, "X1 N5\r\nY2\r\n").lines,
              (std::vector<std::string>{"X1 \r\n", "Y2\r\n"}));
}

TEST(TransferStream, NonPrintableBytes) {
    const ConfigEdit skip = [](TRANSFER_CONFIG& c) { c.m_bSkipNonPrintable = 1; };
    RunTable(TRANSFER_CONFIG_SEND(),
             {
                 {"dropped", skip, std::string("\0A\xC8\tB\x7F\r\n", 8), "A\tB\r\n"},
                 {"kept", nullptr, std::string("\0A\xC8\r\n", 5), std::string("\0A\xC8\r\n", 5)},
             });

    // A configured line end made of control bytes still ends the lines; its bytes are
    // filtered only where they turn out not to be a line end.
    TRANSFER_CONFIG_RECEIVE receive;  // skips non-printable bytes, replaces with LF CR
    receive.m_eolRecognize = {30};
    receive.m_bRecognizeEol = 1;
    const Result rs = RunStream(receive, "G00\x1EG01\x01\x1E");
    EXPECT_EQ(rs.output, "G00\n\rG01\n\r");
    EXPECT_EQ(rs.lines, (std::vector<std::string>{"G00\n\r", "G01\n\r"}));
    const ConfigEdit etxEot = [](TRANSFER_CONFIG& c) {
        c.m_bSkipNonPrintable = 1;
        c.m_eolRecognize = {3, 4};
    };
    const std::string etx = "\x03", eot = "\x04";
    RunTable(TRANSFER_CONFIG_SEND(),
             {
                 {"control line end", etxEot, "A" + etx + eot + "B" + etx + eot,
                  "A" + etx + eot + "B" + etx + eot},
                 {"lone start dropped", etxEot, "A" + etx + "B" + etx + eot, "AB" + etx + eot},
                 {"start held at the end dropped", etxEot, "A" + etx + eot + "B" + etx,
                  "A" + etx + eot + "B"},
                 {"lone start kept", kCrLf, "A" + etx + "B\r\n", "A" + etx + "B\r\n"},
             });
}

TEST(TransferStream, CancelKeepsBytesHeldByDetection) {
    TRANSFER_CONFIG_RECEIVE config;
    config.m_trailer = Bytes("T");
    int stop = 0;
    CBufferWriter writer;
    CTransferStream stream(config, stop, writer);
    stream.Begin();
    const std::string text = "%\r\nG00 X1";  // detection still open after "\r\n"?
    stream.Process(reinterpret_cast<const std::uint8_t*>(text.data()), 5);  // "%\r\nG0"
    stop = 1;                                                               // Cancel
    stream.Process(reinterpret_cast<const std::uint8_t*>(text.data()) + 5, text.size() - 5);
    stream.End();
    EXPECT_EQ(writer.m_data, "%\n\rG0T");

    // Nothing but text without a line end yet, then Cancel.
    int stop2 = 0;
    CBufferWriter writer2;
    CTransferStream stream2(config, stop2, writer2);
    stream2.Begin();
    stream2.Process(reinterpret_cast<const std::uint8_t*>("G00 X1"), 6);
    stop2 = 1;
    stream2.End();
    EXPECT_EQ(writer2.m_data, "G00 X1T");

    // Line-end bytes held at Cancel.
    int stop3 = 0;
    CBufferWriter writer3;
    CTransferStream stream3(config, stop3, writer3);
    stream3.Begin();
    stream3.Process(reinterpret_cast<const std::uint8_t*>("G00\r\n"), 5);
    stop3 = 1;
    stream3.End();
    EXPECT_EQ(writer3.m_data, "G00\n\rT");
}

TEST(TransferStream, ProcessStopsAtTheStopFlag) {
    TRANSFER_CONFIG_SEND config;
    config.m_eolRecognize = {10};
    int stop = 0;
    CBufferWriter writer;
    CTransferStream stream(config, stop, writer);
    stream.Begin();
    stream.Process(reinterpret_cast<const std::uint8_t*>("A\n"), 2);
    stop = 1;
    stream.Process(reinterpret_cast<const std::uint8_t*>("B\n"), 2);
    stream.End();
    EXPECT_EQ(writer.m_data, "A\n");
}

TEST(TransferStream, BeginClearsTheStopFlagAndState) {
    TRANSFER_CONFIG_SEND config;
    config.m_nSkipComments = kCommentParen;
    int stop = 1;
    CBufferWriter writer;
    CTransferStream stream(config, stop, writer);
    stream.Begin();
    EXPECT_EQ(stop, 0);
    stream.Process(reinterpret_cast<const std::uint8_t*>("A(open\n"), 7);
    stream.End();
    stream.Begin();
    stream.Process(reinterpret_cast<const std::uint8_t*>("B\n"), 2);
    stream.End();
    EXPECT_EQ(writer.m_data, "AB\n");
}

TEST(TransferStream, RunsOfLineEndBytesAreNotHeldBack) {
    TRANSFER_CONFIG_SEND config;
    int stop = 0;
    CBufferWriter writer;
    CTransferStream stream(config, stop, writer);
    stream.Begin();
    std::string run;
    for (int i = 0; i < 100000; ++i) run += "\r\n";
    stream.Process(reinterpret_cast<const std::uint8_t*>(run.data()), 200);
    // Detection decided after 128 bytes instead of holding the whole run.
    EXPECT_FALSE(stream.DetectingLineEnd());
    EXPECT_EQ(stream.LineEnd(), (ByteSequence{13, 10}));
    EXPECT_EQ(writer.m_data.size(), 200u);
    stream.Process(reinterpret_cast<const std::uint8_t*>(run.data()) + 200, run.size() - 200);
    stream.Process(reinterpret_cast<const std::uint8_t*>("G00\r\n"), 5);
    stream.End();
    EXPECT_EQ(writer.m_data, run + "G00\r\n");
}
