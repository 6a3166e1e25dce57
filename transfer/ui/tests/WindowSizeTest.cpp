// Every Sendrik window on a 1366 x 768 display at 1.5 times the normal size (large fonts):
// each lies inside the free area of the display.

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "common/HelpWindow.h"
#include "common/testing/ShopScreen.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"
#include "transfer/ui/SendrikDlg.h"
#include "transfer/ui/TransferDialogs.h"

using namespace sendrik;
using namespace sendrik::test;

class WindowSizeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    RecordingMessageBoxes messages_;
    ScriptedFileDialogs files_;
    QRect area_;

    void CheckFits(QWidget* window, const char* what) {
        const QString problem = common::testing::WindowFitProblem(window, area_);
        QVERIFY2(problem.isEmpty(), qPrintable(QString("%1: %2").arg(what, problem)));
    }

private slots:
    void initTestCase() {
        area_ = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(area_.height() * 1.5 - 768) < 2);
    }

    void everyWindowFits() {
        const std::string path = (dir_.path() + "/port.cfg").toStdString();
        WriteConfigFile(path, {"Mill"});
        const UiServices services{&messages_, &files_};
        CSendrikDlg main(path, {}, services);
        CheckFits(&main, "main window");

        CConfigPS sheet(*main.SelectedConfig(), true, main.Settings(), main.GetPortMap(), services,
                        &main);
        CheckFits(&sheet, "configuration");
        CSendMultipleDlg list(*main.SelectedConfig(), services, &main);
        CheckFits(&list, "send multiple");
        int stop = 0;
        CCancelDlg progress(stop, &main);
        CheckFits(&progress, "progress");
        CTransDelayDlg delay(dir_.path() + "/O1000.nc", 30, &main);
        CheckFits(&delay, "delay");
        CAboutDlg about(&main);
        CheckFits(&about, "about");
        const QString help = common::HelpWindow::ProgramHelpFolder(kHelpFolder);
        if (auto* window = common::HelpWindow::ShowTopic(help, kHelpContents, kHelpTopic))
            CheckFits(window, "help");
        common::HelpWindow::CloseAll();
    }
};

int main(int argc, char** argv) {
    common::testing::UseOffscreenDisplay(1366, 768, 1.5);
    QApplication app(argc, argv);
    WindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowSizeTest.moc"
