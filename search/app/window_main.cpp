// The Scarrow window. `scarrow` starts it for everything but `scarrow search`; it keeps
// the name, the history file and the help of "scarrow".

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>

#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowApp.h"
#include "search/ui/UiSupport.h"

namespace {

const char* const kUsage =
    "Scarrow " SCARROW_VERSION
    ": finds CNC program files by their words, extension and date.\n"
    "\n"
    "Usage: scarrow                 opens the search window with the search criteria dialog\n"
    "       scarrow search [OPTIONS] FOLDER WORD...\n"
    "                               searches on the command line (scarrow search --help)\n"
    "       scarrow --version       shows the version\n"
    "       scarrow --help          shows this help\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("Scarrow " SCARROW_VERSION "\n", stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scarrow"));
    QApplication::setApplicationVersion(QStringLiteral(SCARROW_VERSION));
    scarrow::ui::InitUiResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/scarrow/scarrow.svg")));

    scarrow::ui::CDefaultPrompts prompts;
    scarrow::ui::CScarrowApp scarrowApp(prompts);
    scarrowApp.InitInstance();
    const int status = QApplication::exec();
    scarrowApp.ExitInstance();
    return status;
}
