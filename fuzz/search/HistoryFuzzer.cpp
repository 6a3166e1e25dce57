// Any bytes as a history file: reading never crashes or over-allocates, and what was
// read writes back to bytes that read the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "search/Config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    scarrow::CConfig config("unused.cfg");
    config.Deserialize(std::string_view(reinterpret_cast<const char*>(data), size));
    if (config.m_history.size() > scarrow::CConfig::kMaxHistory) std::abort();
    const std::string bytes = config.Serialize();
    scarrow::CConfig again("unused.cfg");
    again.Deserialize(bytes);
    if (again.m_history.size() != config.m_history.size()) std::abort();
    if (again.m_strReserved != config.m_strReserved) std::abort();
    for (std::size_t i = 0; i < config.m_history.size(); ++i) {
        if (!again.m_history[i].IsEqual(config.m_history[i])) std::abort();
    }
    if (again.Serialize() != bytes) std::abort();
    return 0;
}
