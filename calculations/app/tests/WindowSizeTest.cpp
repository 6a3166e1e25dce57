// Every window of the calculator on a 1366 x 768 display, at the normal size and at 1.5
// times it (large fonts): each fits the free area of the display, no command caption is
// cut, and the keyboard starts in the first box and runs through the boxes in order.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "Screens.h"
#include "calc/TestCalcEnv.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/MainMenu.h"
#include "common/HelpWindow.h"
#include "common/testing/ShopScreen.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "threads/ThreadScreens.h"
#include "triangles/TriangleScreens.h"

#ifndef WINDOW_SCALE
#define WINDOW_SCALE 1.5
#endif

using namespace calc;

namespace {

QString Describe(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList TabNames(CalcScreen* screen) {
    QStringList names;
    for (QWidget* w : screen->TabChain()) names << w->objectName();
    return names;
}

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestCalcEnv> t_;
    std::unique_ptr<frmArbormateEDITORv74> menu_;
    QRect area_;

    // The window is on show and lies inside the free area; its captions are whole.
    void CheckFits(QWidget* window, const QString& what) {
        QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(what));
        const QRect frame = window->frameGeometry();
        QVERIFY2(area_.contains(frame),
                 qPrintable(what + ": " + Describe(frame) + " outside " + Describe(area_)));
        for (CommandButton* command : window->findChildren<CommandButton*>())
            QVERIFY2(command->CaptionFits(),
                     qPrintable(what + ": " + command->objectName() + " caption cut"));
    }

private slots:
    void initTestCase() {
        area_ = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(area_.width() * WINDOW_SCALE - 1366) < 2);
        QVERIFY(qAbs(area_.height() * WINDOW_SCALE - 768) < 2);
    }
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        menu_ = std::make_unique<frmArbormateEDITORv74>(t_->env);
        menu_->SetQuitAction([] {});
        RegisterAllScreens(*menu_);
        menu_->show();
        QVERIFY(QTest::qWaitForWindowActive(menu_.get()));
    }
    void cleanup() {
        common::HelpWindow::CloseAll();
        menu_.reset();
        t_.reset();
    }

    void menuAboutAndHelpFit() {
        CheckFits(menu_.get(), "menu");
        QDialog* about = menu_->ShowAbout();
        CheckFits(about, "about");
        about->close();

        QTemporaryDir dir;
        QFile page(dir.filePath("Introduction.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>contents</body></html>");
        page.close();
        CalcScreen::SetHelpFolder(dir.path());
        menu_->ShowHelp();
        CalcScreen::SetHelpFolder({});
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        CheckFits(common::HelpWindow::OpenWindows().first(), "help");
    }

    void everyScreenFits() {
        for (const MenuItem& item : MenuItems()) {
            QWidget* screen = menu_->OpenScreen(item.pictureName);
            QVERIFY2(screen, qPrintable(item.pictureName));
            CheckFits(screen, item.pictureName);
            // The keys start in an entry box.
            QTRY_VERIFY2(
                qobject_cast<QLineEdit*>(QApplication::focusWidget()),
                qPrintable(item.pictureName + " " +
                           (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                        : QString("none"))));
            screen->close();
            QTest::qWait(0);
        }
    }

    void screensOpenedFromScreensFit() {
        auto* speeds = static_cast<frmSpeedFeedV74*>(menu_->OpenScreen("picSpeedFeed"));
        auto* materials = new frmMaterialsV74(t_->env, speeds, speeds);
        materials->setWindowFlags(materials->windowFlags() | Qt::Dialog);
        ShowOwnedWindow(materials);
        CheckFits(materials, "materials");
        materials->close();
        speeds->close();

        auto* pipe = new frmNPTmeasureV74(t_->env, menu_.get());
        ShowOwnedWindow(pipe);
        CheckFits(pipe, "pipe thread");
        pipe->close();

        auto* angles = new frmDegreeConvertV74(t_->env, menu_.get());
        ShowOwnedWindow(angles);
        CheckFits(angles, "angle conversion");
        angles->close();

        auto* alternate = new frmAlternateObliqueV74(
            t_->env, {"30", "5", "8", "53.13", "96.87", "9.93"}, menu_.get());
        ShowOwnedWindow(alternate);
        CheckFits(alternate, "alternate oblique");
        alternate->close();
        QTest::qWait(0);
    }

    void tabScrollsToTheFocusedControl() {
        auto* screen = static_cast<CalcScreen*>(menu_->OpenScreen("picMeasureThread"));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        if (!screen->Scrolled()) QSKIP("the screen fits without scrolling");
        auto* area = screen->findChild<QScrollArea*>("screenScroll");
        QVERIFY(area);
        QWidget* calculate = screen->findChild<QWidget*>("lblCalculate1");
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == screen);
        for (int i = 0; i < 40 && QApplication::focusWidget() != calculate; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), calculate);
        const QRect shown(calculate->mapTo(area->viewport(), QPoint(0, 0)), calculate->size());
        QVERIFY(area->viewport()->rect().contains(shown));
        QVERIFY(area->verticalScrollBar()->value() > 0);
        // Enter on the focused command runs it: no message, the screen stays.
        QTest::keyClick(calculate, Qt::Key_Return);
        QVERIFY(screen->isVisible());
    }

    void aFramelessScreenMovesByItsTitle() {
        QWidget* screen = menu_->OpenScreen("picMeasureThread");
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        auto* title = screen->findChild<QWidget*>("lblTitle");
        const QPoint start = screen->pos();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 5),
                          title->mapToGlobal(QPointF(30, 5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 15), title->mapToGlobal(QPointF(10, 15)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &move);
        QCOMPARE(screen->pos(), start + QPoint(-20, 10));
    }

    void tabRunsThroughTheBoxesInReadingOrder_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("right angle")
            << "picRAtrig" << QStringList{"txtAngleA", "txtHyp",    "txtDecPlaces",
                                          "txtLegA",   "txtAngleB", "txtLegB"};
        // The RPM box shows the result while surface speed is given: no stop.
        QTest::newRow("speeds and feeds")
            << "picSpeedFeed" << QStringList{"txtDia",    "optInch",    "txtDecPlaces", "optSSpeed",
                                             "txtSSpeed", "optFeedRev", "txtFeedRev"};
        QTest::newRow("chords") << "picChord" << QStringList{};
        // Scrolled at 1.5 times.
        QTest::newRow("grid") << "picGrid"
                              << QStringList{"txtXstart", "txtNumHoleX", "txtXincrement",
                                             "txtYstart", "txtNumHoleY", "txtYincrement"};
    }

    void tabRunsThroughTheBoxesInReadingOrder() {
        QFETCH(QString, picture);
        QFETCH(QStringList, inputs);
        auto* screen = static_cast<CalcScreen*>(menu_->OpenScreen(picture));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        const QStringList chain = TabNames(screen);
        QVERIFY2(chain.mid(0, inputs.size()) == inputs, qPrintable(chain.join(' ')));
        QVERIFY2(!inputs.isEmpty() || !chain.isEmpty(), qPrintable(picture));
        // The keys start in the first box; real Tab presses follow the chain round to it.
        QWidget* firstBox = nullptr;
        for (QWidget* w : screen->TabChain())
            if (!firstBox && qobject_cast<QLineEdit*>(w)) firstBox = w;
        QTRY_COMPARE(QApplication::focusWidget(), firstBox);
        QStringList visited;
        for (int i = 0; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        const qsizetype start = chain.indexOf(firstBox->objectName());
        QCOMPARE(visited, chain.mid(start + 1) + chain.mid(0, start + 1));
        for (const QString& name : chain)
            QVERIFY2(!name.startsWith("lblX") && !name.startsWith("lblQuestion") &&
                         !name.startsWith("lblRechner"),
                     qPrintable(name));
        screen->close();
    }
};

int main(int argc, char** argv) {
    common::testing::UseOffscreenDisplay(1366, 768, WINDOW_SCALE);
    QApplication app(argc, argv);
    WindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowSizeTest.moc"
