// The Calculations program: the main menu with every screen on it.

#include <QApplication>

#include "Screens.h"
#include "calc/CalcEnv.h"
#include "calc/SettingsStore.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/QtMessageService.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("calculations");
    QCoreApplication::setApplicationVersion(CALC_VERSION);
    QApplication::setApplicationDisplayName("Calculations for Tarvik");

    calc::SettingsStore settings;
    calc::QtMessageService messages;
    calc::CalcEnv env{settings, messages, calc::DesktopLanguage()};

    calc::frmArbormateEDITORv74 menu(env);
    QApplication::setWindowIcon(menu.windowIcon());
    calc::RegisterAllScreens(menu);

    menu.show();
    return QApplication::exec();
}
