// The line processor with fuzzed options and input: never crashes, gives the same
// result whatever the block sizes, and with every option off passes the text through
// unchanged between header and trailer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "transfer/TransferStream.h"

namespace {

struct Lines : sendrik::ITransferLineSubscriber {
    void OnLine(const std::string& text) override { all += text; }
    std::string all;
};

struct Outcome {
    std::string output;
    std::string lines;
    int stop = 0;
};

Outcome Run(const sendrik::TRANSFER_CONFIG& config, const std::uint8_t* data, std::size_t size,
            std::size_t block, bool cancelHalfway) {
    Outcome o;
    sendrik::CBufferWriter writer;
    Lines lines;
    sendrik::CTransferStream stream(config, o.stop, writer);
    stream.AddSubscriber(&lines);
    stream.Begin();
    for (std::size_t at = 0; at < size && o.stop == 0; at += block) {
        if (cancelHalfway && at >= size / 2) o.stop = 1;
        stream.Process(data + at, std::min(block, size - at));
    }
    stream.End();
    o.output = writer.m_data;
    o.lines = lines.all;
    return o;
}

sendrik::ByteSequence Take(const std::uint8_t*& data, std::size_t& size, std::size_t most) {
    std::size_t n = size > 0 ? data[0] % (most + 1) : 0;
    if (size > 0) {
        ++data;
        --size;
    }
    n = std::min(n, size);
    sendrik::ByteSequence seq(data, data + n);
    data += n;
    size -= n;
    return seq;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::uint8_t flags = data[0];
    const std::uint8_t more = data[1];
    const std::size_t block = 1 + data[2] % 64;
    data += 3;
    size -= 3;

    sendrik::TRANSFER_CONFIG config;
    config.m_bReplaceEol = flags & 1;
    config.m_bCheckPercent = (flags >> 1) & 1;
    config.m_bSkipEmptyLines = (flags >> 2) & 1;
    config.m_bSkipNonPrintable = (flags >> 3) & 1;
    config.m_bSkipLineNumbers = (flags >> 4) & 1;
    config.m_nSkipComments = (flags >> 5) & 7;
    const bool customEol = more & 1;
    const bool cancel = (more >> 1) & 1;
    if (customEol) config.m_eolRecognize = Take(data, size, 3);
    if (config.m_bReplaceEol) config.m_eolReplace = Take(data, size, 3);
    if (more & 4) config.m_header = Take(data, size, 4);
    if (more & 8) config.m_trailer = Take(data, size, 4);

    const Outcome whole = Run(config, data, size, size == 0 ? 1 : size, false);
    const Outcome pieces = Run(config, data, size, block, false);
    if (whole.output != pieces.output || whole.lines != pieces.lines) std::abort();

    const bool plain = flags == 0;
    if (plain) {
        std::string expected(config.m_header.begin(), config.m_header.end());
        expected.append(reinterpret_cast<const char*>(data), size);
        expected.append(config.m_trailer.begin(), config.m_trailer.end());
        if (whole.output != expected) std::abort();
    }
    if (cancel) Run(config, data, size, block, true);
    return 0;
}
