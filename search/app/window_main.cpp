// The Scarrow window. `scarrow` starts it for everything but `scarrow search`; it keeps
// the name, the history file and the help of "scarrow".

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/DisplayCheck.h"
#include "common/ToolkitOptions.h"
#include "common/Translations.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowApp.h"
#include "search/ui/UiSupport.h"

namespace {

const char* const kUsage =
    "Usage: scarrow [FILE]\n"
    "  or:  scarrow search [OPTIONS] FOLDER WORD...\n"
    "Scarrow " SCARROW_VERSION
    ": finds CNC program files by their words, extension and date.\n"
    "\n"
    "Without a command, opens the search window with the search criteria dialog (with\n"
    "FILE as its document, as File > Open does). \"scarrow search\" searches on the\n"
    "command line and prints the files found (scarrow search --help).\n";

// Started by its own name, the window program has no "search" command of its own.
const char* const kWindowUsage =
    "Usage: scarrow-window [FILE]\n"
    "Scarrow " SCARROW_VERSION
    ": the search window, which scarrow starts.\n"
    "\n"
    "Opens the search window with the search criteria dialog (with FILE as its\n"
    "document, as File > Open does), as \"scarrow [FILE]\" does. Searches on the\n"
    "command line are \"scarrow search\" (scarrow search --help).\n";

const char* const kOptions =
    "\n"
    "Options:\n"
    "  --version   shows the version\n"
    "  --help      shows this help\n"
    "\n"
    "The window toolkit's own options (-platform NAME, -style NAME, ...) are accepted.\n";

// Whether the program was started by its own name rather than through scarrow.
bool StartedAsWindow(const char* argv0) {
    const std::string_view name = argv0;
    return name.substr(name.find_last_of('/') + 1) == "scarrow-window";
}

std::string Usage(const char* argv0) {
    return std::string(StartedAsWindow(argv0) ? kWindowUsage : kUsage) + kOptions;
}

// The document to open, or why the arguments are refused.
struct Arguments {
    std::string document;
    std::string error;
};

Arguments ReadArguments(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    Arguments result;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            const std::size_t n = common::ToolkitOptionLength(args, i);
            if (n == 0) return {{}, "unknown option " + arg};
            i += n - 1;
        } else if (result.document.empty()) {
            result.document = arg;
        } else {
            return {{}, "unexpected argument " + arg};
        }
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage(argv[0]).c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("Scarrow " SCARROW_VERSION "\n", stdout);
            return 0;
        }
    }

    const Arguments arguments = ReadArguments(argc, argv);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "scarrow: %s\n\n%s", arguments.error.c_str(), Usage(argv[0]).c_str());
        return 2;
    }

    common::DisplayCheck display(StartedAsWindow(argv[0]) ? "scarrow-window" : "scarrow", argc,
                                 argv);
    if (!display.Available()) return 1;
    QApplication app(argc, argv);
    display.Connected();
    QApplication::setApplicationName(QStringLiteral("Scarrow"));
    QApplication::setApplicationVersion(QStringLiteral(SCARROW_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvik.Scarrow"));
    common::InstallTranslations(QStringLiteral("scarrow"), common::DesktopLanguageCode());
    scarrow::ui::InitUiResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/scarrow/scarrow.svg")));

    scarrow::ui::CDefaultPrompts prompts;
    scarrow::ui::CScarrowApp scarrowApp(prompts);
    scarrowApp.InitInstance();
    if (!arguments.document.empty())
        scarrowApp.MainFrame()->OpenDocument(QString::fromLocal8Bit(arguments.document));
    const int status = QApplication::exec();
    scarrowApp.ExitInstance();
    return status;
}
