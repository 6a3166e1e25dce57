#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "holes/HoleScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const QString kDesign =
    "X0.0 Y0.0\r\nX1.0 Y0.0\r\nX2.0 Y0.0\r\nX2.0 Y1.0\r\nX1.0 Y1.0\r\nX0.0 Y1.0\r\n"
    "X0.0 Y2.0\r\nX1.0 Y2.0\r\nX2.0 Y2.0\r\n";

}  // namespace

class GridScreenTest : public QObject, ScreenFixture<frmGridV74> {
    Q_OBJECT

    QString AnswerText() { return AnswerWithCrLf(s_->findChild<QPlainTextEdit*>("txtAnswer")); }
    QLabel* StartLabel() { return s_->findChild<QLabel*>("lblXY"); }
    // Start X, count X, step X, start Y, count Y, step Y.
    void Enter(const QStringList& v) {
        const char* names[] = {"txtXstart", "txtNumHoleX", "txtXincrement",
                               "txtYstart", "txtNumHoleY", "txtYincrement"};
        for (int i = 0; i < 6; ++i) Box(names[i])->setText(v[i]);
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmGridV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void designEntriesCalculated() {
        QCOMPARE(s_->size(), QSize(689, 537));
        QCOMPARE(s_->windowTitle(), QString("Rectangular Grid"));
        QCOMPARE(s_->findChild<QLabel*>("lblTitle")->text(), QString("Grid Pattern"));
        QVERIFY(!s_->findChild<QWidget*>("lblAngConvers1"));
        QCOMPARE(StartLabel()->pos(), QPoint(8, 448));
        Press("lblCalculate1");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(AnswerText(), kDesign);
        QCOMPARE(s_->Chart().scale, 1507.5);
        QCOMPARE(s_->Chart().markers.size(), size_t(9));
        QVERIFY(s_->Chart().markersShown);
        QCOMPARE(s_->Chart().numbers.size(), size_t(9));
        // "Start Point" moves to top 6582 twips under the start corner.
        QCOMPARE(StartLabel()->pos(), QPoint(8, 439));
    }

    void theChartIsPaintedFromTheStoredList() {
        // Dark pixels around the top of the middle hole's marker, at (1987.5, 4987.5) twips.
        const auto inkNearMiddleHole = [this] {
            const QImage image = s_->grab().toImage();
            int dark = 0;
            for (int x = 130; x <= 135; ++x)
                for (int y = 327; y <= 331; ++y)
                    if (qGray(image.pixel(x, y)) < 128) ++dark;
            return dark;
        };
        QCOMPARE(inkNearMiddleHole(), 0);
        s_->Calculate();
        QVERIFY(inkNearMiddleHole() > 0);
        // Typed but not calculated: the drawing stays that of the stored list.
        Box("txtNumHoleX")->setText("1");
        QVERIFY(inkNearMiddleHole() > 0);
    }

    void negativeStepsMoveTheStartCaption() {
        Enter({"1", "4", "-0.5", "2", "2", "0.25"});
        s_->Calculate();
        QCOMPARE(AnswerText(),
                 QString("X1.0 Y2.0\r\nX0.5 Y2.0\r\nX0.0 Y2.0\r\nX-0.5 Y2.0\r\n"
                         "X-0.5 Y2.25\r\nX0.0 Y2.25\r\nX0.5 Y2.25\r\nX1.0 Y2.25\r\n"));
        // The pattern starts at the lower right corner; so does its caption.
        QCOMPARE(s_->Chart().markers.front().x, 3495.0);
        QCOMPARE(StartLabel()->pos(), QPoint(218, 439));
        // Downward: the caption goes over the upper corner.
        Enter({"0", "3", "1", "0", "3", "-1"});
        s_->Calculate();
        QCOMPARE(StartLabel()->pos(), QPoint(8, 24));
    }

    void limitsAndCountsBeforeAnyInteger() {
        s_->Calculate();
        const struct {
            const char* x;
            const char* y;
            const char* message;
        } cases[] = {
            {"47", "50", "The maximum number of holes accepted per part is 2300."},
            {"65536", "65536", "The maximum number of holes accepted per part is 2300."},
            {"2.5", "3",
             "Only Integers may be entered into the Number of Holes on the X axis field."},
            {"3", "25e-1",
             "Only Integers may be entered into the Number of Holes on the Y axis field."},
        };
        for (const auto& c : cases) {
            t_->messages.Clear();
            Box("txtNumHoleX")->setText(c.x);
            Box("txtNumHoleY")->setText(c.y);
            QElapsedTimer timer;
            timer.start();
            s_->Calculate();
            QVERIFY(timer.elapsed() < 5000);
            QCOMPARE(Messages(), QStringList{c.message});
            // A refused Calculate leaves the answer as it was.
            QCOMPARE(AnswerText(), kDesign);
        }
        t_->messages.Clear();
        Box("txtNumHoleX")->setText("46");
        Box("txtNumHoleY")->setText("50");
        s_->Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(AnswerText().count("\r\n"), 2300);
        // Too dense for markers: only the path.
        QVERIFY(!s_->Chart().markersShown);
        QCOMPARE(s_->Chart().lines.size(), size_t(2299));
    }

    void stepTooLargeIsRefusedAndNothingIsDrawn() {
        s_->Calculate();
        Box("txtXincrement")->setText("1E308");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Step distance in X."});
        QCOMPARE(AnswerText(), kDesign);
        QCOMPARE(s_->Pattern()->stepX, 1.0);
        QCOMPARE(s_->Chart().markers.size(), size_t(9));
    }

    void leaveChecks() {
        // A single column: the X step becomes 1.
        Box("txtXincrement")->setText("7");
        TypeAndLeave("txtNumHoleX", "1");
        QCOMPARE(Box("txtXincrement")->text(), QString("1"));
        // Emptying the step then shows its message, and the column is still listed.
        Box("txtXincrement")->setText("");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Step distance in X needs a value greater than zero."});
        QCOMPARE(AnswerText(), QString("X0.0 Y0.0\r\nX0.0 Y1.0\r\nX0.0 Y2.0\r\n"));
        QCOMPARE(s_->Chart().scale, 5655 / 2.0);
        // A refused count becomes 0 and keeps the focus.
        t_->messages.Clear();
        TypeAndLeave("txtNumHoleY", "-2");
        QCOMPARE(Messages(),
                 QStringList{"Number of Holes on the Y axis needs a value greater than zero."});
        QCOMPARE(Box("txtNumHoleY")->text(), QString("0"));
        QTRY_COMPARE(QApplication::focusWidget(), Box("txtNumHoleY"));
        Box("txtNumHoleY")->setText("3");
        // A step or start that is no number becomes 0; a negative one is fine.
        t_->messages.Clear();
        TypeAndLeave("txtYincrement", "-0.5");
        QVERIFY(Messages().isEmpty());
        TypeAndLeave("txtXstart", "x1");
        QCOMPARE(Messages().size(), 1);
        QCOMPARE(Box("txtXstart")->text(), QString("0"));
        // 2.5 passes on leaving, Calculate refuses it.
        Box("txtXstart")->setText("");
        t_->messages.Clear();
        TypeAndLeave("txtNumHoleX", "2.5");
        QVERIFY(Messages().isEmpty());
        Box("txtXincrement")->setText("1");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Only Integers may be entered into the Number of Holes "
                                         "on the X axis field."});
        // Accepted: an empty start becomes 0.0.
        Box("txtNumHoleX")->setText("2");
        s_->Calculate();
        QCOMPARE(Box("txtXstart")->text(), QString("0.0"));
    }

    void conversionsBuildFromTheCurrentEntries() {
        // Straight after opening: the nine design holes in millimetres.
        Press("lblInch2MM1");
        QVERIFY(
            AnswerText().startsWith("X0.0 Y0.0\r\nX25.4 Y0.0\r\nX50.8 Y0.0\r\nX50.8 Y25.4\r\n"));
        QCOMPARE(AnswerText().count("\r\n"), 9);
        QCOMPARE(Box("txtXincrement")->text(), QString("25.4"));
        QCOMPARE(Box("txtYincrement")->text(), QString("25.4"));
        QCOMPARE(Box("txtXstart")->text(), QString("0.0"));
        QCOMPARE(s_->Chart().markers.size(), size_t(9));
        Press("lblInch2MM1");
        QCOMPARE(Box("txtXincrement")->text(), QString("645.16"));
        // A count changed since the last Calculate is what gets converted.
        Enter({"25.4", "2", "25.4", "0", "1", ""});
        Press("lblMM2Inch1");
        QCOMPARE(AnswerText(), QString("X1.0 Y0.0\r\nX2.0 Y0.0\r\n"));
        QCOMPARE(Box("txtXstart")->text(), QString("1.0"));
        QCOMPARE(Box("txtNumHoleX")->text(), QString("2"));
        // Refused: nothing converted.
        t_->messages.Clear();
        Box("txtNumHoleX")->setText("47");
        Box("txtNumHoleY")->setText("50");
        Press("lblMM2Inch1");
        QCOMPARE(Messages(), QStringList{"The maximum number of holes accepted per part is 2300."});
        QCOMPARE(Box("txtXstart")->text(), QString("1.0"));
        QCOMPARE(AnswerText(), QString("X1.0 Y0.0\r\nX2.0 Y0.0\r\n"));
    }

    void copyWithTheInsertLine() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("keep me");
        Press("lblCopy1");
        QCOMPARE(clipboard->text(), QString("keep me"));
        QVERIFY(Messages().isEmpty());

        Enter({"0", "2", "1", "0", "2", "1"});
        s_->findChild<QCheckBox*>("chkInsertLine")->setChecked(true);
        Box("txtInsertLine")->setText("M00");
        Press("lblCalculate1");
        Press("lblCopy1");
        QCOMPARE(clipboard->text(),
                 QString("X0.0 Y0.0\r\nM00\r\nX1.0 Y0.0\r\nM00\r\nX1.0 Y1.0\r\nM00\r\n"
                         "X0.0 Y1.0\r\nM00\r\n"));
        QCOMPARE(Messages(), QStringList{"The list of coordinates is now on the Clipboard ready "
                                         "to paste into your CNC document. "});
    }

    void resetKeepsTheDrawing() {
        Enter({"0", "4", "2", "0", "2", "2"});
        s_->Calculate();
        Box("txtDecPlaces")->setText("2");
        Press("lblReset1");
        for (const char* b : {"txtNumHoleX", "txtNumHoleY"}) QCOMPARE(Box(b)->text(), QString("3"));
        for (const char* b : {"txtXincrement", "txtYincrement"})
            QCOMPARE(Box(b)->text(), QString("1"));
        QCOMPARE(Box("txtXstart")->text(), QString("0"));
        QVERIFY(AnswerText().isEmpty());
        QCOMPARE(Box("txtDecPlaces")->text(), QString("2"));
        QCOMPARE(s_->Chart().markers.size(), size_t(8));
    }

    void printsWithoutAPicture() {
        s_->Calculate();
        const QString text = s_->PrintText();
        QVERIFY(text.startsWith(
            "Grid Pattern\n\r\n\rNumber of Holes on the X axis: 3\n\rStep distance in X: 1\n\r\n\r"
            "Number of Holes on the Y axis: 3\n\rIncrement Y: 1\n\r\n\rX0.0 Y0.0\r\n"));
        QVERIFY(text.endsWith(kDesign));
        QTemporaryDir dir;
        const QString file = dir.filePath("grid.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file, {"-layout"});
        QVERIFY2(pdf.trimmed().startsWith("Grid Pattern"), qPrintable(pdf));
        QVERIFY2(pdf.contains("Increment Y: 1"), qPrintable(pdf));
        QVERIFY2(pdf.contains("X2.0 Y2.0"), qPrintable(pdf));
        // No picture: only the two header lines of the image list.
        QCOMPARE(PdfImageList(file).size(), 2);
    }

    void modelessFromTheMenuOneInstance() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterHoleScreens(menu);
        menu.show();
        auto* grid = qobject_cast<frmGridV74*>(menu.OpenScreen("picGrid"));
        QVERIFY(grid);
        QCOMPARE(grid->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(menu.OpenScreen("picGrid"), grid);
        QCOMPARE(grid->Setup().helpTopic, QString("html\\Grid.htm"));
        // The menu stays usable: the bolt circle opens beside the grid.
        auto* bolt = menu.OpenScreen("picBoltCircle");
        QVERIFY(bolt);
        bolt->close();
        grid->close();
        QTRY_VERIFY(!menu.OpenInstance("picGrid"));
    }
};

QTEST_MAIN(GridScreenTest)
#include "GridScreenTest.moc"
