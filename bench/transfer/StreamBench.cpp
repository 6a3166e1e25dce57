// Throughput of the line processor over a generated program of about 4 MB.
#include <benchmark/benchmark.h>

#include <string>

#include "transfer/TransferStream.h"

namespace {

std::string Program() {
    std::string text;
    for (int i = 0; text.size() < 4 * 1024 * 1024; ++i) {
        text += "N" + std::to_string(i * 10) + " G01 X" + std::to_string(i % 997) + ".125 Y" +
                std::to_string(i % 331) + ".5 F250. (PASS " + std::to_string(i) + ") ;cut\r\n";
        if (i % 50 == 0) text += "\r\n[BLOCK]\r\n";
    }
    return text;
}

class NullWriter : public sendrik::CWriter {
public:
    void Write(const std::uint8_t*, std::size_t count) override { bytes += count; }
    std::size_t bytes = 0;
};

void Run(benchmark::State& state, const sendrik::TRANSFER_CONFIG& config) {
    static const std::string text = Program();
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    for (auto _ : state) {
        NullWriter writer;
        int stop = 0;
        sendrik::CTransferStream stream(config, stop, writer);
        stream.Begin();
        for (std::size_t at = 0; at < text.size(); at += 512)
            stream.Process(data + at, std::min<std::size_t>(512, text.size() - at));
        stream.End();
        benchmark::DoNotOptimize(writer.bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_AllFilters(benchmark::State& state) {
    sendrik::TRANSFER_CONFIG_RECEIVE config;
    config.m_nSkipComments = 7;
    config.m_bSkipLineNumbers = 1;
    config.m_bSkipEmptyLines = 1;
    config.m_bCheckPercent = 1;
    Run(state, config);
}

void BM_NoFilters(benchmark::State& state) {
    Run(state, sendrik::TRANSFER_CONFIG_SEND());
}

}  // namespace

BENCHMARK(BM_AllFilters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoFilters)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
