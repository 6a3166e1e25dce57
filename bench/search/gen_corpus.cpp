// Writes a corpus of G-code-like CNC programs for the search benchmark:
//   scarrow-gen-corpus FOLDER [MEGABYTES=256] [SEED=1]
// Fixed seed, so every run searches the same bytes. About 3000 files in 40 folders,
// half with CR LF line ends, pure ASCII.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "GcodeGen.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scarrow-gen-corpus FOLDER [MEGABYTES=256] [SEED=1]\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const std::size_t total = (argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 256) << 20;
    std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1u);
    // Sizes from 2 KB to about 180 KB, a few large files of several megabytes.
    std::size_t written = 0;
    int n = 0;
    while (written < total) {
        const std::filesystem::path folder = root / ("job" + std::to_string(n % 40));
        std::filesystem::create_directories(folder);
        std::size_t size = 2048 + std::uniform_int_distribution<std::size_t>(0, 180000)(rng);
        if (n % 500 == 499) size = 6u << 20;
        const std::string text = scarrow_bench::Program(rng, size, n);
        std::ofstream(folder / ("O" + std::to_string(1000 + n) + (n % 3 ? ".nc" : ".tap")),
                      std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
        written += text.size();
        ++n;
    }
    std::printf("%d files, %zu bytes in %s\n", n, written, root.c_str());
    return 0;
}
