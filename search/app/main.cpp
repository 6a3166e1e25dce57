// Scarrow: `scarrow search ...` searches on the command line; without a command the
// window opens with the search dialog.

#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "search/SearchCommand.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowApp.h"
#include "search/ui/UiSupport.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "search") == 0)
        return scarrow::RunSearchCommand(argc, argv, std::cout, std::cerr);

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
