// The help window on a 1366 x 768 screen at 1.5 times the normal size.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "common/HelpWindow.h"
#include "common/testing/ShopScreen.h"

using common::HelpWindow;

class HelpWindowSizeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void fitsTheAvailableArea() {
        QFile file(dir_.path() + "/index.htm");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>help</p></body></html>");
        file.close();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(area.width() * 1.5 - 1366) < 2 && qAbs(area.height() * 1.5 - 768) < 2);
        auto* w = HelpWindow::ShowContents(dir_.path(), "index.htm");
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY2(area.contains(w->frameGeometry()),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
        HelpWindow::CloseAll();
    }
};

int main(int argc, char** argv) {
    common::testing::UseOffscreenDisplay(1366, 768, 1.5);
    QApplication app(argc, argv);
    HelpWindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpWindowSizeTest.moc"
