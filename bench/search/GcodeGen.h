#pragma once
// G-code-like CNC programs for the search benchmarks: tool changes, drilling cycles and
// contour moves with coordinates, half of them with CR LF line ends, pure ASCII.

#include <cstdio>
#include <random>
#include <string>

namespace scarrow_bench {

inline std::string Number(std::mt19937& rng, double low, double high) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f",
                  std::uniform_real_distribution<double>(low, high)(rng));
    return text;
}

inline std::string Program(std::mt19937& rng, std::size_t target, int number) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::string eol = pick(2) ? "\r\n" : "\n";
    std::string p = "%" + eol + "O" + std::to_string(1000 + number) + " (PART " +
                    std::to_string(number) + ")" + eol;
    p += "G90 G54 G17 G40 G49 G80" + eol;
    while (p.size() < target) {
        const int tool = 1 + pick(30);
        p += "(TOOL " + std::to_string(tool) + " D=" + Number(rng, 1, 25) + ")" + eol;
        p += "T" + std::to_string(tool) + " M06" + eol;
        p += "S" + std::to_string(500 + pick(6000)) + " M03" + eol;
        p += "G00 X" + Number(rng, -200, 200) + " Y" + Number(rng, -150, 150) + eol;
        p += "G43 H" + std::to_string(tool) + " Z50. M08" + eol;
        const int cycle = pick(6);
        const int moves = 20 + pick(200);
        if (cycle == 0) {
            p += "G83 Z-" + Number(rng, 5, 40) + " R2. Q" + Number(rng, 1, 5) + " F" +
                 std::to_string(50 + pick(400)) + "." + eol;
        } else if (cycle == 1) {
            p += "G81 Z-" + Number(rng, 2, 20) + " R2. F" + std::to_string(50 + pick(400)) + "." +
                 eol;
        }
        for (int i = 0; i < moves; ++i) {
            if (cycle <= 1) {
                p += "X" + Number(rng, -200, 200) + " Y" + Number(rng, -150, 150) + eol;
            } else {
                const int g = pick(4);
                p += (g == 0   ? "G01"
                      : g == 1 ? "G02"
                      : g == 2 ? "G03"
                               : "G01") +
                     std::string(" X") + Number(rng, -200, 200) + " Y" + Number(rng, -150, 150);
                if (g == 1 || g == 2) p += " R" + Number(rng, 1, 50);
                if (pick(5) == 0) p += " F" + std::to_string(100 + pick(2000)) + ".";
                p += eol;
            }
        }
        p += "G80 G00 Z50. M09" + eol + "G91 G28 Z0. M05" + eol + "G90" + eol;
    }
    p += "M30" + eol + "%" + eol;
    return p;
}

}  // namespace scarrow_bench
