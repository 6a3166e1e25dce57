// calc_screenshot: drives the real menu and screens and saves a window as PNG, for the
// README pictures (scripts/screenshots.sh).
//
//   calc_screenshot OUT.png menu
//   calc_screenshot OUT.png about
//   calc_screenshot OUT.png help
//   calc_screenshot OUT.png open picRAtrig txtLegB=3 txtLegA=4 @lblCalculate1
//   calc_screenshot OUT.png angle txtDegreeDecimal=12.3456 @lblCalculate1
//   calc_screenshot OUT.png surfacefinish txtToolDia=0.5 txtStepover=0.05 @lblCalculate1
//     (the surface finish screen opened from speeds and feeds)
//
// Steps after the target: name=text types into an entry box and leaves it (its check
// runs), @name clicks a control, +name checks a check box or option button,
// name#N picks entry N of a drop-down list, print:FILE.pdf prints the answer into a PDF. Messages
// are printed, not shown.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <cstdio>

#include "Screens.h"
#include "calc/CalcEnv.h"
#include "calc/SettingsStore.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/MainMenu.h"
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
};

bool RunStep(QWidget* window, const QString& step) {
    auto find = [&](const QString& name) {
        QWidget* w = window->findChild<QWidget*>(name);
        if (!w) std::fprintf(stderr, "no control named %s\n", qPrintable(name));
        return w;
    };
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
        auto* c = qobject_cast<QComboBox*>(find(step.section('#', 0, 0)));
        if (!c) return false;
        c->setCurrentIndex(step.section('#', 1).toInt());
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
    calc::CalcEnv env{settings, messages};
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
    } else if (target == "open" && args.size() > 2) {
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
    for (int i = first; i < args.size(); ++i)
        if (!RunStep(window, args[i])) return 1;
    QTest::qWait(100);
    if (!window->grab().save(args[0])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[0]));
        return 1;
    }
    return 0;
}
