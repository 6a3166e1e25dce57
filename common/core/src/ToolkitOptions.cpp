#include "common/ToolkitOptions.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace common {

namespace {

// The options of QGuiApplication, QApplication and the X11 platform, given with one dash
// or two.
constexpr std::array<std::string_view, 17> kWithValue = {"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "geometry",
                                                         "qwindowicon",
                                                         "icon",
                                                         "qwindowtitle",
                                                         "title",
                                                         "session",
                                                         "style",
                                                         "stylesheet",
                                                         "display",
                                                         "name",
                                                         "qmljsdebugger",
                                                         "visual"};
constexpr std::array<std::string_view, 6> kFlags = {"reverse", "widgetcount", "nograb",
                                                    "dograb",  "sync",        "qdevel"};

bool Contains(const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

std::size_t ToolkitOptionLength(const std::vector<std::string>& args, std::size_t i) {
    if (i >= args.size()) return 0;
    std::string_view arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') return 0;
    arg.remove_prefix(arg.size() > 2 && arg[1] == '-' ? 2 : 1);
    const std::size_t eq = arg.find('=');
    const std::string_view name = arg.substr(0, eq);
    if (Contains(kFlags, name) && eq == std::string_view::npos) return 1;
    if (!Contains(kWithValue, name)) return 0;
    if (eq != std::string_view::npos) return 1;
    return i + 1 < args.size() ? 2 : 1;
}

}  // namespace common
