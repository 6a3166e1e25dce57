#include "calc/TestCalcEnv.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <system_error>

namespace calc {
namespace {

std::filesystem::path FreshFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("calc-test-" + std::to_string(::getpid()) + "-" +
                                    std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

TestCalcEnv::TestCalcEnv() : folder(FreshFolder()), settings(folder), env{settings, messages} {}

TestCalcEnv::~TestCalcEnv() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

void TestCalcEnv::SetLanguage(std::string_view language) {
    settings.SaveSetting(kSettingsApp, kLanguageSection, kLanguageKey, language);
}

}  // namespace calc
