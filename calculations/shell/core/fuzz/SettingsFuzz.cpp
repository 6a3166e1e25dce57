// Any file content: reading never crashes, and a value saved into it reads back exactly.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "calc/TestCalcEnv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static calc::TestCalcEnv t;
    const std::string content(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(t.settings.FileFor("Arbormate"), std::ios::binary | std::ios::trunc);
        out << content;
    }
    t.settings.GetSetting("Arbormate", "Calcs", "Language");
    t.settings.GetSetting("Arbormate", "DecimalPlaces", "Speedfeed");
    // The first line of the input, without line breaks, is the value to store.
    std::string value = content.substr(0, content.find_first_of("\r\n"));
    if (!t.settings.SaveSetting("Arbormate", "DecimalPlaces", "SpeedFeed", value)) {
        __builtin_trap();
    }
    if (t.settings.GetSetting("Arbormate", "decimalplaces", "SPEEDFEED") != value) {
        __builtin_trap();
    }
    return 0;
}
