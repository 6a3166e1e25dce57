// calc_screenshot: drives the real menu and screens and saves a window as PNG, for the
// README pictures (scripts/screenshots.sh).
//
//   calc_screenshot OUT.png menu
//   calc_screenshot OUT.png about
//   calc_screenshot OUT.png help
//   calc_screenshot OUT.png open picRAtrig txtLegB=3 txtLegA=4 @lblCalculate1
//   calc_screenshot OUT.png angle txtDegreeDecimal=12.3456 @lblCalculate1
//   calc_screenshot OUT.png beside picGrid txtNumHoleX=4 @lblCalculate1
//
//   calc_screenshot OUT.png surfacefinish txtToolDia=0.5 txtStepover=0.05 @lblCalculate1
//     (the surface finish screen opened from speeds and feeds)
//
// "beside" opens a modeless screen next to the menu and saves that part of the display.
//
// Steps after the target: name=text types into an entry box and leaves it (its check
// runs), @name clicks a control, +name checks a check box or option button,
// name#N picks entry N of a drop-down list, print:FILE.pdf prints the answer into a PDF,
// window:NAME takes the picture of the open window NAME instead (a screen the last step
// opened). Messages are printed, not shown; questions are answered Yes (OK).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "Screens.h"
#include "calc/CalcEnv.h"
#include "calc/SettingsStore.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "common/HelpWindow.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace {

class PrintingMessages : public calc::IMessageService {
public:
    void ShowMessage(const std::string& text, const std::string& caption, calc::MsgIcon) override {
        std::fprintf(stderr, "message [%s]: %s\n", caption.c_str(), text.c_str());
    }
    calc::MsgAnswer AskYesNoCancel(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "question [%s]: %s -> Yes\n", caption.c_str(), text.c_str());
        return calc::MsgAnswer::Yes;
    }
    calc::MsgAnswer AskOkCancel(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "question [%s]: %s -> OK\n", caption.c_str(), text.c_str());
        return calc::MsgAnswer::Ok;
    }
};

bool RunStep(QWidget*& window, const QString& step) {
    auto find = [&](const QString& name) {
        QWidget* w = window->findChild<QWidget*>(name);
        if (!w) std::fprintf(stderr, "no control named %s\n", qPrintable(name));
        return w;
    };
    if (step.startsWith("window:")) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == step.mid(7) && w->isVisible()) {
                window = w;
                return true;
            }
        }
        std::fprintf(stderr, "no open window named %s\n", qPrintable(step.mid(7)));
        return false;
    }
    if (step.startsWith("print:")) {
        auto* screen = qobject_cast<calc::CalcScreen*>(window);
        if (!screen) return false;
        const QString file = step.mid(6);
        calc::PrintHooks hooks;
        hooks.chooseOptions = [](QPrinter&, QWidget*) { return true; };
        hooks.beforeJob = [file](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        };
        screen->SetPrintHooks(hooks);
        screen->Print();
    } else if (step.startsWith('@')) {
        QWidget* w = find(step.mid(1));
        if (!w) return false;
        QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
    } else if (step.startsWith('+')) {
        auto* b = qobject_cast<QAbstractButton*>(find(step.mid(1)));
        if (!b) return false;
        b->click();
    } else if (step.contains('#')) {
        QWidget* w = find(step.section('#', 0, 0));
        const int row = step.section('#', 1).toInt();
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            QListWidgetItem* item = list->item(row);
            if (!item) return false;
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(row);
        } else {
            return false;
        }
    } else if (step.contains('=')) {
        auto* box = qobject_cast<QLineEdit*>(find(step.section('=', 0, 0)));
        if (!box) return false;
        box->setFocus(Qt::TabFocusReason);
        box->setText(step.section('=', 1));
        box->clearFocus();
        window->setFocus(Qt::TabFocusReason);
    } else {
        std::fprintf(stderr, "unknown step %s\n", qPrintable(step));
        return false;
    }
    QTest::qWait(50);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("calculations");
    QCoreApplication::setApplicationVersion(CALC_VERSION);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: calc_screenshot OUT.png menu|about|help|open PIC|angle|surfacefinish "
                     "[steps]\n");
        return 2;
    }
    calc::SettingsStore settings;
    PrintingMessages messages;
    // The desktop's language, as the program has it (LANG=de_DE.UTF-8 for German pictures).
    calc::CalcEnv env{settings, messages, calc::DesktopLanguage()};
    calc::ApplyLanguage(env);
    calc::frmArbormateEDITORv74 menu(env);
    menu.SetQuitAction([] {});
    calc::RegisterAllScreens(menu);
    menu.show();
    QTest::qWait(100);

    const QString target = args[1];
    int first = 2;
    QWidget* window = &menu;
    if (target == "about") {
        window = menu.ShowAbout();
    } else if (target == "help") {
        menu.ShowHelp();
        const auto help = common::HelpWindow::OpenWindows();
        window = help.isEmpty() ? nullptr : help.first();
    } else if ((target == "open" || target == "beside") && args.size() > 2) {
        window = menu.OpenScreen(args[2]);
        first = 3;
    } else if (target == "angle") {
        auto* host = qobject_cast<calc::CalcScreen*>(menu.OpenScreen("picRAtrig"));
        if (host) {
            QTest::mouseClick(host->findChild<QWidget*>("lblAngConvers1"), Qt::LeftButton);
            window = host->AngleConversionScreen();
        } else {
            window = nullptr;
        }
    } else if (target == "surfacefinish") {
        auto* host = qobject_cast<calc::frmSpeedFeedV74*>(menu.OpenScreen("picSpeedFeed"));
        if (host) {
            QTest::mouseClick(host->findChild<QWidget*>("lblSurfFin1"), Qt::LeftButton);
            window = host->SurfaceFinishScreen();
        } else {
            window = nullptr;
        }
    } else if (target != "menu") {
        window = nullptr;
    }
    if (!window) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(target));
        return 1;
    }
    QTest::qWait(100);
    // ">NAME" goes on in the open window NAME (a screen opened by another); "!desktop"
    // saves the whole display around the windows instead of the one window.
    bool desktop = false;
    for (int i = first; i < args.size(); ++i) {
        if (args[i] == "!desktop") {
            desktop = true;
            continue;
        }
        if (args[i].startsWith('>')) {
            window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == args[i].mid(1) && w->isVisible()) window = w;
            if (!window) {
                std::fprintf(stderr, "no open window %s\n", qPrintable(args[i].mid(1)));
                return 1;
            }
            QTest::qWait(100);
            continue;
        }
        if (!RunStep(window, args[i])) return 1;
    }
    QTest::qWait(100);
    if (target == "beside") {
        menu.move(16, 16);
        window->move(menu.frameGeometry().right() + 16, 16);
        QTest::qWait(300);
        const QRect area =
            menu.frameGeometry().united(window->frameGeometry()).adjusted(-16, -16, 16, 16);
        QScreen* display = menu.screen();
        if (!display || !display->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                             .save(args[0])) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args[0]));
            return 1;
        }
        return 0;
    }
    QPixmap picture = window->grab();
    if (desktop) {
        QRect area;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &menu) area |= w->frameGeometry();
        picture = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    }
    if (!picture.save(args[0])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[0]));
        return 1;
    }
    return 0;
}
