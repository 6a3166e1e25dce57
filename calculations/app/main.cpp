// The Calculations program: the main menu with every screen on it.

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "Screens.h"
#include "calc/CalcEnv.h"
#include "calc/SettingsStore.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/QtMessageService.h"
#include "common/DisplayCheck.h"
#include "common/HelpWindow.h"
#include "common/ToolkitOptions.h"

namespace {

const char* const kUsage =
    "Usage: calculations [--help-topic [TOPIC]]\n"
    "Shop mathematics for CNC machinists: a main menu of twelve pictures opens the\n"
    "calculator screens (speeds and feeds, threads, triangles, angles, chords and arcs,\n"
    "polygons, tapers, dovetails, keyseats, surface finish, bolt circles, grids).\n"
    "\n"
    "Options:\n"
    "  --help-topic [TOPIC]  opens the help window alone, at TOPIC (a page of the help\n"
    "                        folder, for example html/RATriangle.htm) or at the contents\n"
    "  --version             shows the version\n"
    "  --help                shows this help\n"
    "\n"
    "The window toolkit's own options (-platform NAME, -style NAME, ...) are accepted.\n"
    "\n"
    "Exit status: 0 the window was closed; 1 the help topic was not found or no display\n"
    "is available; 2 wrong arguments.\n";

enum class Start { Menu, Help, Usage, Version, Error };

struct Arguments {
    Start start = Start::Menu;
    QString topic;
    std::string error;
};

Arguments ReadArguments(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    Arguments result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") return {Start::Usage, {}, {}};
        if (arg == "--version") return {Start::Version, {}, {}};
        if (arg == "--help-topic") {
            result.start = Start::Help;
            if (i + 1 < args.size() && args[i + 1].rfind('-', 0) != 0)
                result.topic = QString::fromLocal8Bit(args[++i]);
        } else if (arg.rfind("--help-topic=", 0) == 0) {
            result.start = Start::Help;
            result.topic = QString::fromLocal8Bit(arg.substr(sizeof("--help-topic=") - 1));
        } else if (const std::size_t n = common::ToolkitOptionLength(args, i); n > 0) {
            i += n - 1;
        } else {
            result.error =
                arg.rfind('-', 0) == 0 ? "unknown option " + arg : "unexpected argument " + arg;
            result.start = Start::Error;
            return result;
        }
    }
    return result;
}

// The help window on its own, as the desktop's "Help" entry starts it; the program ends
// when it closes.
int ShowHelpAlone(const QString& topic) {
    const QString contents = calc::CalcScreen::kHelpContents;
    const QString folder = calc::CalcScreen::HelpFolder();
    common::HelpWindow* window =
        common::HelpWindow::ShowTopic(folder, contents, topic.isEmpty() ? contents : topic);
    if (!window) {
        std::fprintf(stderr, "calculations: no help topic %s in %s\n",
                     qPrintable(topic.isEmpty() ? contents : topic), qPrintable(folder));
        return 1;
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the window toolkit starts, so they work without a display.
    const Arguments arguments = ReadArguments(argc, argv);
    switch (arguments.start) {
        case Start::Usage:
            std::fputs(kUsage, stdout);
            return 0;
        case Start::Version:
            std::fputs("Calculations " CALC_VERSION "\n", stdout);
            return 0;
        case Start::Error:
            std::fprintf(stderr, "calculations: %s\n%s", arguments.error.c_str(), kUsage);
            return 2;
        case Start::Menu:
        case Start::Help:
            break;
    }

    common::DisplayCheck display("calculations", argc, argv);
    if (!display.Available()) return 1;
    QApplication app(argc, argv);
    display.Connected();
    QCoreApplication::setApplicationName("calculations");
    QCoreApplication::setApplicationVersion(CALC_VERSION);
    QApplication::setApplicationDisplayName("Calculations for Tarvik");
    // Ties the windows to the menu entry (its icon in the task bar on Wayland).
    QGuiApplication::setDesktopFileName("org.tarvik.Calculations");
    QApplication::setWindowIcon(QIcon(calc::AppIconPixmap(64)));

    calc::SettingsStore settings;
    calc::QtMessageService messages;
    calc::CalcEnv env{settings, messages, calc::DesktopLanguage()};
    calc::ApplyLanguage(env);
    if (arguments.start == Start::Help) return ShowHelpAlone(arguments.topic);

    calc::frmArbormateEDITORv74 menu(env);
    calc::RegisterAllScreens(menu);

    menu.show();
    return QApplication::exec();
}
