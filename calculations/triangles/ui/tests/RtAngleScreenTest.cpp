#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtMessageService.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "triangles/TriangleScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const QString kNotEnough = "Not enough data specified. Enter two sides, or one side and one angle.";

}  // namespace

class RtAngleScreenTest : public QObject, ScreenFixture<frmRtAngleV74> {
    Q_OBJECT

    QLabel* Field(const char* name) { return s_->findChild<QLabel*>(name); }
    // Types into a box and leaves it with Tab, as the machinist does.
    QString Area() { return Field("lblArea")->text(); }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmRtAngleV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensEmptyWithItsFrame() {
        QCOMPARE(s_->size(), QSize(552, 345));
        QCOMPARE(s_->windowTitle(), QString("Solve Right Angle Triangles"));
        QCOMPARE(s_->findChild<QLabel*>("lblTitle")->text(), QString("Right Angle Trigonometry"));
        QCOMPARE(Box("txtDecPlaces")->text(), QString("4"));
        for (const char* box : {"txtLegA", "txtLegB", "txtHyp", "txtAngleA", "txtAngleB"})
            QVERIFY(Box(box)->isVisible() && Box(box)->text().isEmpty());
        for (const char* f : {"lblLegA", "lblLegB", "lblHyp", "lblAngleA", "lblAngleB"})
            QVERIFY(Field(f)->isHidden());
        QCOMPARE(s_->findChild<QLabel*>("lblSmallb")->text(), QString("Side b"));
    }

    void legsThreeAndFour() {
        TypeAndLeave("txtLegB", "3");  // side a
        TypeAndLeave("txtLegA", "4");  // side b
        // Two sides in: the other three turn into result fields.
        QVERIFY(Box("txtHyp")->isHidden() && Box("txtAngleA")->isHidden());
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Field("lblAngleA")->text(), QString("36.8699"));
        QCOMPARE(Field("lblAngleB")->text(), QString("53.1301"));
        QCOMPARE(Field("lblHyp")->text(), QString("5.0"));
        QCOMPARE(Area(), QString::fromUtf8("Area: 6.0 units²"));
        QVERIFY(Box("txtHyp")->isHidden() && Box("txtHyp")->text().isEmpty());
        QCOMPARE(Box("txtLegB")->text(), QString("3"));
        // Again with the same two boxes: the same answer.
        s_->Calculate();
        QCOMPARE(Field("lblHyp")->text(), QString("5.0"));
        QVERIFY(Messages().isEmpty());
    }

    void hypotenuseAndAngleUseRoundedSidesForTheArea() {
        TypeAndLeave("txtHyp", "5");
        TypeAndLeave("txtAngleA", "30");
        s_->Calculate();
        QCOMPARE(Field("lblLegA")->text(), QString("4.3301"));  // side b
        QCOMPARE(Field("lblLegB")->text(), QString("2.5"));     // side a
        QCOMPARE(Field("lblAngleB")->text(), QString("60.0"));
        QCOMPARE(Area(), QString::fromUtf8("Area: 5.4126 units²"));  // 4.3301 x 2.5 / 2
    }

    void fractionsAndTheTanRule() {
        TypeAndLeave("txtLegB", "3/4");
        TypeAndLeave("txtLegA", "1");
        s_->Calculate();
        QCOMPARE(Field("lblHyp")->text(), QString("1.25"));
        s_->Reset();
        TypeAndLeave("txtLegB", "3");
        TypeAndLeave("txtAngleA", "36.8699");
        s_->Calculate();
        QCOMPARE(Field("lblLegA")->text(), QString("4.0"));  // b = a / tan A
    }

    void refusedCalculations() {
        // Hypotenuse no longer than the leg: nothing changes.
        TypeAndLeave("txtLegB", "5");
        TypeAndLeave("txtHyp", "5");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"The hypotenuse cannot be smaller than another side."});
        QVERIFY(Area().isEmpty());
        QVERIFY(Field("lblLegA")->text().isEmpty());

        // One value, or two angles: not enough, and the area line still updates.
        s_->Reset();
        t_->messages.Clear();
        TypeAndLeave("txtLegB", "5");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{kNotEnough});
        QCOMPARE(Area(), QString::fromUtf8("Area: 0.0 units²"));
        s_->Reset();
        t_->messages.Clear();
        Box("txtAngleA")->setText("30");
        Box("txtAngleB")->setText("60");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{kNotEnough});

        // Three sides typed without leaving the boxes: too much, area a x b / 2.
        s_->Reset();
        t_->messages.Clear();
        Box("txtLegB")->setText("3");
        Box("txtLegA")->setText("4");
        Box("txtHyp")->setText("5");
        s_->Calculate();
        QCOMPARE(Messages(),
                 QStringList{"Too much data entered. Enter two sides, or one side and one angle."});
        QCOMPARE(Area(), QString::fromUtf8("Area: 6.0 units²"));
    }

    void angleBoxChecksOnLeaving() {
        QLineEdit* angle = Box("txtAngleA");
        TypeAndLeave("txtAngleA", "90");
        QCOMPARE(Messages(), QStringList{"Angle value must be less than 90."});
        QVERIFY(angle->text().isEmpty());
        QTRY_VERIFY(angle->hasFocus());
        t_->messages.Clear();
        TypeAndLeave("txtAngleA", "0/4");
        QCOMPARE(Messages(), QStringList{"Angle A needs a value greater than zero."});
        QVERIFY(angle->text().isEmpty());
        QTRY_VERIFY(angle->hasFocus());
        // No language stored: the refusal still speaks (English here).
        t_->messages.Clear();
        TypeAndLeave("txtLegB", "-2");
        QCOMPARE(Messages(), QStringList{"Negative values are not allowed."});
        QVERIFY(Box("txtLegB")->text().isEmpty());
    }

    // Typed and not left: the command checks the entry first, as leaving would.
    void commandsCheckTheEntryBeingTypedIn() {
        TypeAndLeave("txtLegA", "4");
        QLineEdit* a = Box("txtLegB");
        a->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(a->hasFocus());
        QTest::keyClicks(a, "abc");
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QCOMPARE(Messages(), QStringList{"'abc' is not Valid."});
        QVERIFY(!Area().contains("-"));
        QVERIFY(Field("lblAngleA")->text().isEmpty());
        QTRY_VERIFY(a->hasFocus());
        QCoreApplication::processEvents();  // the focus is put back

        t_->messages.Clear();
        a->clear();
        QTest::keyClicks(a, "-3");
        Click(s_->findChild<QWidget*>("lblInch2MM2"));
        QCOMPARE(Messages(), QStringList{"Negative values are not allowed."});
        QVERIFY(a->text().isEmpty());
        QCOMPARE(Box("txtLegA")->text(), QString("4"));

        // An accepted entry is used: 3 and 4 give the 3-4-5 triangle.
        t_->messages.Clear();
        QTRY_VERIFY(a->hasFocus());
        QCoreApplication::processEvents();
        QTest::keyClicks(a, "3");
        Click(s_->findChild<QWidget*>("lblCalculate2"));
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Field("lblHyp")->text(), QString("5.0"));
    }

    void sidesTooLargeForAnyResultWriteNothing() {
        Box("txtLegB")->setText("1E200");
        Box("txtLegA")->setText("1E200");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Impossible data entered: the triangle cannot be "
                                         "calculated from these values."});
        QVERIFY(Field("lblHyp")->text().isEmpty());
        QVERIFY(Field("lblHyp")->isHidden());
        QVERIFY(Area().isEmpty());
        t_->messages.Clear();
        Box("txtLegB")->setText("1E307");
        s_->InchToMm();
        QCOMPARE(Messages(), QStringList{"Impossible data entered: the converted length cannot be "
                                         "calculated from these values."});
        QCOMPARE(Box("txtLegB")->text(), QString("1E307"));
    }

    void twoRefusedBoxesDoNotPassTheFocusBackAndForth() {
        QLineEdit* a = Box("txtAngleA");
        QLineEdit* b = Box("txtAngleB");
        b->setText("97");
        a->setFocus(Qt::TabFocusReason);
        a->setText("95");
        b->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(a->hasFocus());
        QTest::qWait(20);
        QCOMPARE(Messages(), QStringList{"Angle value must be less than 90."});
        QCOMPARE(b->text(), QString("97"));
        QVERIFY(a->hasFocus());
        // Leaving B for real checks it.
        b->setFocus(Qt::MouseFocusReason);
        Box("txtDecPlaces")->setFocus(Qt::TabFocusReason);
        QCOMPARE(Messages().size(), 2);
        QVERIFY(b->text().isEmpty());
    }

    // The refusal in a real message box: once the machinist has closed it, the box has
    // the keyboard again and leaving it runs its check.
    void aRefusalInAMessageBoxLeavesTheBoxWorking() {
        QtMessageService boxes;
        CalcEnv env{t_->settings, boxes};
        delete s_.data();
        s_ = new frmRtAngleV74(env);
        s_->show();
        s_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s_));
        QStringList shown;
        QTimer dismiss;
        connect(&dismiss, &QTimer::timeout, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->accept();
            }
        });
        dismiss.start(10);

        QLineEdit* angle = Box("txtAngleA");
        angle->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(angle->hasFocus());
        QTest::keyClicks(angle, "95");
        QTest::keyClick(angle, Qt::Key_Tab);
        QCOMPARE(shown, QStringList{"Angle value must be less than 90."});
        QTRY_VERIFY(angle->hasFocus());
        QVERIFY(angle->text().isEmpty());

        QTest::keyClicks(angle, "30");
        QTest::keyClick(angle, Qt::Key_Tab);
        QVERIFY(!angle->hasFocus());
        QVERIFY(Box("txtAngleB")->isHidden());
        QVERIFY(!Field("lblAngleB")->isHidden());
        delete s_.data();
    }

    void pairSwitchOnLeaving() {
        TypeAndLeave("txtLegA", "4");  // side b
        TypeAndLeave("txtHyp", "5");
        QVERIFY(!Box("txtLegA")->isHidden() && !Box("txtHyp")->isHidden());
        for (const char* hidden : {"txtLegB", "txtAngleA", "txtAngleB"})
            QVERIFY(Box(hidden)->isHidden());
        QVERIFY(!Field("lblAngleB")->isHidden());
        s_->Calculate();
        QCOMPARE(Field("lblLegB")->text(), QString("3.0"));
    }

    void millimetresToInchesTwiceDividesTwice() {
        TypeAndLeave("txtLegB", "254");
        TypeAndLeave("txtLegA", "127");
        s_->Calculate();
        Click(s_->findChild<QWidget*>("lblMM2Inch1"));
        QCOMPARE(Box("txtLegB")->text(), QString("10.0"));
        QCOMPARE(Box("txtLegA")->text(), QString("5.0"));
        QCOMPARE(Field("lblHyp")->text(), QString("11.1803"));
        QCOMPARE(Field("lblAngleA")->text(), QString("63.4349"));  // angles untouched
        QCOMPARE(Area(), QString::fromUtf8("Area: 25.0 units²"));
        Click(s_->findChild<QWidget*>("lblMM2Inch2"));
        QCOMPARE(Box("txtLegB")->text(), QString("0.3937"));
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Box("txtLegB")->text(), QString("10.0"));
        // Nothing typed: nothing happens.
        s_->Reset();
        s_->ConvertLengths(true);
        QVERIFY(Box("txtLegB")->text().isEmpty());
        QVERIFY(Area().isEmpty());
    }

    void resetKeepsDecimalPlaces() {
        Box("txtDecPlaces")->setText("2");
        TypeAndLeave("txtLegB", "3");
        TypeAndLeave("txtLegA", "4");
        s_->Calculate();
        Click(s_->findChild<QWidget*>("lblReset2"));
        for (const char* box : {"txtLegA", "txtLegB", "txtHyp", "txtAngleA", "txtAngleB"})
            QVERIFY(!Box(box)->isHidden() && Box(box)->text().isEmpty());
        for (const char* f : {"lblLegA", "lblLegB", "lblHyp", "lblAngleA", "lblAngleB"})
            QVERIFY(Field(f)->isHidden() && Field(f)->text().isEmpty());
        QVERIFY(Area().isEmpty());
        QCOMPARE(Box("txtDecPlaces")->text(), QString("2"));
    }

    void printsTheAnswerWithTheDiagram() {
        TypeAndLeave("txtLegB", "3");
        TypeAndLeave("txtLegA", "4");
        s_->Calculate();
        const QString text = s_->PrintText();
        QVERIFY(
            text.startsWith(QString("\n\r").repeated(7) + "Side a: 3\n\rSide b: 4\n\rSide c: 5.0"));
        QVERIFY(text.endsWith(QString::fromUtf8("Angle C: 90°\n\rArea: 6.0 units²")));

        QTemporaryDir dir;
        const QString file = dir.filePath("answer.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains(QString::fromUtf8("Angle A: 36.8699°")), qPrintable(pdf));
        QVERIFY2(pdf.contains(QString::fromUtf8("Area: 6.0 units²")), qPrintable(pdf));
        QCOMPARE(PdfImageList(file).size(), 3);
    }

    void openedFromTheMenuAgainStartsEmptyWithStoredDecimals() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTriangleScreens(menu);
        // Held weakly: the first screen is deleted on close, and a new one may take its
        // address.
        QPointer<frmRtAngleV74> first = qobject_cast<frmRtAngleV74*>(menu.OpenScreen("picRAtrig"));
        QVERIFY(first);
        first->findChild<QLineEdit*>("txtLegB")->setText("3");
        first->findChild<QLineEdit*>("txtDecPlaces")->setText("3");
        Click(first->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picRAtrig"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "RightAngle"),
                 std::string("3"));
        auto* second = qobject_cast<frmRtAngleV74*>(menu.OpenScreen("picRAtrig"));
        QVERIFY(second && !first);
        QVERIFY(second->findChild<QLineEdit*>("txtLegB")->text().isEmpty());
        QCOMPARE(second->findChild<QLineEdit*>("txtDecPlaces")->text(), QString("3"));
        // ANGLE CONVERSION opens the angle conversion screen.
        Click(second->findChild<QWidget*>("lblAngConvers1"));
        QVERIFY(qobject_cast<frmDegreeConvertV74*>(second->AngleConversionScreen()));
        second->AngleConversionScreen()->close();
        second->close();
    }
};

QTEST_MAIN(RtAngleScreenTest)
#include "RtAngleScreenTest.moc"
