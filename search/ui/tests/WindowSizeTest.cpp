// Scarrow's windows on a 1366 x 768 display at 1.5 times the normal size (large fonts):
// each lies inside the free area of the display.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "common/HelpWindow.h"
#include "common/testing/ShopScreen.h"
#include "search/Config.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class SilentPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString&, Icon) override {}
    void Beep() override {}
};

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    SilentPrompts prompts_;
    QRect area_;

    void CheckFits(QWidget* window, const char* what) {
        const QString problem = common::testing::WindowFitProblem(window, area_);
        QVERIFY2(problem.isEmpty(), qPrintable(QString("%1: %2").arg(what, problem)));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        area_ = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(area_.height() * 1.5 - 768) < 2);
    }

    void everyWindowFits() {
        CConfig config(std::filesystem::path(dir_.filePath("history.cfg").toStdString()));
        CMainFrame frame(config, prompts_);
        CheckFits(&frame, "main window");
        CScarrowDoc doc;
        CSearchDlg search(doc, config, prompts_, &frame);
        CheckFits(&search, "search criteria");
        CAboutDlg about(&frame);
        CheckFits(&about, "about");

        QFile page(dir_.filePath("index.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>Scarrow help</p></body></html>");
        page.close();
        auto* help = common::HelpWindow::ShowContents(dir_.path(), "index.htm");
        QVERIFY(help);
        CheckFits(help, "help");
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
