#pragma once

#include <filesystem>
#include <string_view>

#include "calc/CalcEnv.h"

namespace calc {

// For tests: a settings store in a fresh temporary folder (removed again at the end),
// a recording message service and the CalcEnv over both.
class TestCalcEnv {
public:
    TestCalcEnv();
    ~TestCalcEnv();
    TestCalcEnv(const TestCalcEnv&) = delete;
    TestCalcEnv& operator=(const TestCalcEnv&) = delete;

    // Stores [Calcs] Language=<language> ("" removes the choice).
    void SetLanguage(std::string_view language);

    std::filesystem::path folder;
    SettingsStore settings;
    RecordingMessageService messages;
    CalcEnv env;
};

}  // namespace calc
