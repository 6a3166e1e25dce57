// Any file content: reading never crashes, never allocates beyond what the data can
// hold, and whatever was read is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "transfer/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sendrik::CSettings settings;
    settings.Parse(std::string_view(reinterpret_cast<const char*>(data), size));

    sendrik::CSettings again;
    const auto result = again.Parse(settings.Serialize());
    if (!result.damage.empty() || result.olderVersion) std::abort();
    if (again.GetCount() != settings.GetCount() || again.m_nSelected != settings.m_nSelected)
        std::abort();
    for (int i = 0; i < settings.GetCount(); ++i) {
        sendrik::CPortConfig expected = *settings.GetAt(i);
        // Strings that are not valid UTF-8 cannot come from a file; names read come
        // back identical.
        if (!(*again.GetAt(i) == expected)) std::abort();
    }
    return 0;
}
