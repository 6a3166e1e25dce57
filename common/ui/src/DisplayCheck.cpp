#include "common/DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace common {

namespace {

std::string g_program;
QtMessageHandler g_previous = nullptr;
bool g_refused = false;
// The platform plugin's warnings while it connects: shown as usual once it has, dropped
// when it fails and the one line below says why.
struct Held {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QList<Held> g_held;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void Forward(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (g_previous)
        g_previous(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void OnToolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (g_refused) {
            std::string display = Env("DISPLAY");
            if (display.empty()) display = Env("WAYLAND_DISPLAY");
            std::fprintf(stderr, "%s: no display is available (cannot connect to the display %s)\n",
                         g_program.c_str(), display.c_str());
        } else {
            // The platform plugin's own first word on it says more than the advice to
            // reinstall that ends the toolkit's message.
            const QString why =
                g_held.isEmpty() ? text.section(QLatin1Char('\n'), 0, 0) : g_held.front().text;
            std::fprintf(stderr, "%s: no display is available (%s)\n", g_program.c_str(),
                         qPrintable(why.simplified()));
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && std::string_view(context.category).rfind("qt.qpa", 0) == 0) {
        if (text.contains(QLatin1String("could not connect to display")) ||
            text.contains(QLatin1String("Failed to create wl_display")))
            g_refused = true;
        g_held.push_back(
            {type, context.file, context.function, context.category, context.line, text});
        return;
    }
    Forward(type, context, text);
}

}  // namespace

std::string DisplayCheck::MissingDisplay(int argc, char** argv) {
    std::string platform = Env("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "-platform" || arg == "--platform") && i + 1 < argc)
            platform = argv[i + 1];
        else if (arg.rfind("-platform=", 0) == 0 || arg.rfind("--platform=", 0) == 0)
            platform = arg.substr(arg.find('=') + 1);
    }
    // "xcb", "wayland" or "wayland;xcb" need a display; any other platform brings its own.
    const std::string_view name =
        std::string_view(platform).substr(0, platform.find_first_of(":;"));
    if (!name.empty() && name != "xcb" && name.rfind("wayland", 0) != 0) return {};
    if (!Env("DISPLAY").empty() || !Env("WAYLAND_DISPLAY").empty()) return {};
    return "no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set)";
}

DisplayCheck::DisplayCheck(const char* program, int argc, char** argv) {
    const std::string missing = MissingDisplay(argc, argv);
    if (!missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, missing.c_str());
        m_available = false;
        return;
    }
    g_program = program;
    g_held.clear();
    g_refused = false;
    g_previous = qInstallMessageHandler(OnToolkitMessage);
    m_watching = true;
}

DisplayCheck::~DisplayCheck() {
    Connected();
}

void DisplayCheck::Connected() {
    if (!m_watching) return;
    m_watching = false;
    qInstallMessageHandler(g_previous);
    for (const Held& held : g_held) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        Forward(held.type, context, held.text);
    }
    g_held.clear();
}

}  // namespace common
