#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "geometry/GeometryScreens.h"
#include "triangles/TriangleScreens.h"

using namespace calc;
using namespace calc::testing;

class PolygonScreenTest : public QObject, ScreenFixture<frmPolygonsV74> {
    Q_OBJECT

    QString Text(const char* name) { return Box(name)->text(); }
    QString Label(const char* name) { return s_->findChild<QLabel*>(name)->text(); }
    void Option(const char* name) {
        QWidget* option = s_->findChild<QRadioButton*>(name);
        const QPoint mark(8, option->height() / 2);
        QTest::mousePress(option, Qt::LeftButton, {}, mark);
        QTest::mouseRelease(option, Qt::LeftButton, {}, mark);
        QVERIFY(s_->findChild<QRadioButton*>(name)->isChecked());
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmPolygonsV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensOnAHexagon() {
        QCOMPARE(s_->windowTitle(), QString("Polygons"));
        QCOMPARE(s_->size(), QSize(537, 489));
        QCOMPARE(Text("txtNumSides"), QString("6"));
        QCOMPARE(Text("txtSctrAngle"), QString("60"));
        QCOMPARE(Text("txtAcrossFlats"), QString("0"));
        QCOMPARE(Text("txtLength"), QString("1"));
        QVERIFY(Label("lblArea").isEmpty());
        QVERIFY(s_->findChild<QRadioButton*>("optInsideCircle")->isChecked());
        QVERIFY(!Box("txtAcrossFlats")->isReadOnly());
        QVERIFY(Box("txtAcrossCorners")->isReadOnly() && Box("txtChord")->isReadOnly());
        QVERIFY(Box("txtSctrAngle")->isReadOnly());
        QVERIFY(Messages().isEmpty());
        // The drawing's corners: the first below right of the centre.
        QVERIFY(s_->Corners().size() == 6 || s_->Corners().size() == 7);
        QCOMPARE(s_->Corners().front().X, 1514);
        QCOMPARE(s_->Corners().front().Y, 874);
    }

    void eachKnownDimension() {
        TypeAndLeave("txtAcrossFlats", "1");
        Calculate();
        QCOMPARE(Text("txtAcrossCorners"), QString("1.1547"));
        QCOMPARE(Text("txtChord"), QString("0.5774"));
        QCOMPARE(Label("lblArea"), QString::fromUtf8("Area= 0.8661units²"));
        QCOMPARE(Label("lblVol2"), QString::fromUtf8("unit length bar is 0.8661units³."));

        // INCH TO MM from there.
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Text("txtAcrossFlats"), QString("25.4"));
        QCOMPARE(Text("txtAcrossCorners"), QString("29.3294"));
        QCOMPARE(Text("txtChord"), QString("14.666"));
        QCOMPARE(Label("lblArea"), QString::fromUtf8("Area= 558.7746units²"));
        QCOMPARE(Text("txtLength"), QString("1"));

        Option("optOutsideCircle");
        QVERIFY(Box("txtAcrossFlats")->isReadOnly());
        TypeAndLeave("txtAcrossCorners", "2");
        Calculate();
        QCOMPARE(Text("txtAcrossFlats"), QString("1.7321"));
        QCOMPARE(Text("txtChord"), QString("1.0"));

        Option("optChord");
        TypeAndLeave("txtChord", "2");
        Calculate();
        QCOMPARE(Text("txtAcrossCorners"), QString("4.0"));
        QCOMPARE(Text("txtAcrossFlats"), QString("3.4641"));
        QCOMPARE(Label("lblArea"), QString::fromUtf8("Area= 10.3923units²"));
        QVERIFY(Messages().isEmpty());
    }

    void theExactSectorAngle() {
        TypeAndLeave("txtNumSides", "7");
        QCOMPARE(Text("txtSctrAngle"), QString("51.4286"));
        QVERIFY(s_->Corners().size() == 7 || s_->Corners().size() == 8);
        Option("optOutsideCircle");
        TypeAndLeave("txtAcrossCorners", "1000");
        Calculate();
        QCOMPARE(Text("txtChord"), QString("433.8837"));  // from 360 / 7, not 51.4286

        // At 0 places the angle of many sides shows "0."; the lengths still come out.
        TypeAndLeave("txtDecPlaces", "0");
        TypeAndLeave("txtNumSides", "1000");
        QCOMPARE(Text("txtSctrAngle"), QString("0."));
        Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("txtChord"), QString("3."));  // 1000 sin(0.18 degrees) = 3.14
    }

    void aNumberTypedAndNotLeftIsCheckedFirst() {
        Box("txtNumSides")->setFocus(Qt::TabFocusReason);
        Box("txtNumSides")->setText("8");
        Box("txtAcrossFlats")->setText("1");
        Calculate();
        QCOMPARE(Text("txtSctrAngle"), QString("45.0"));
        QCOMPARE(Text("txtChord"), QString("0.4142"));
        QCOMPARE(s_->Sides(), 8);
    }

    void numberOfSidesRefusals() {
        TypeAndLeave("txtNumSides", "2");
        QCOMPARE(Messages(), QStringList{"The minimum number allowed is 3."});
        QCOMPARE(Text("txtNumSides"), QString("3"));
        QTRY_VERIFY(Box("txtNumSides")->hasFocus());
        t_->messages.Clear();
        TypeAndLeave("txtNumSides", "40000");
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Number of Sides ."});
        QCOMPARE(Text("txtNumSides"), QString("3"));
        t_->messages.Clear();
        TypeAndLeave("txtNumSides", "12/4");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(s_->Sides(), 3);
        QCOMPARE(Text("txtSctrAngle"), QString("120.0"));
    }

    void calculateWithTheKnownBoxEmpty() {
        Calculate();
        QCOMPARE(Messages(), QStringList{"Across Flats needs a value greater than zero."});
        QCOMPARE(Text("txtAcrossCorners"), QString("0"));
        QCOMPARE(Label("lblArea"), QString::fromUtf8("Area= 0units²"));  // still rewritten
        t_->messages.Clear();
        Click(s_->findChild<QWidget*>("lblMM2Inch1"));
        QCOMPARE(Messages(), QStringList{"Across Flats needs a value greater than zero."});
    }

    void resetKeepsTheOptionAndTheLines() {
        Option("optChord");
        TypeAndLeave("txtNumSides", "12");
        TypeAndLeave("txtChord", "2");
        Calculate();
        const QString area = Label("lblArea");
        Click(s_->findChild<QWidget*>("lblReset1"));
        QVERIFY(s_->findChild<QRadioButton*>("optChord")->isChecked());
        QCOMPARE(Text("txtNumSides"), QString("6"));
        QCOMPARE(Text("txtSctrAngle"), QString("60.0"));
        QCOMPARE(Text("txtChord"), QString("0"));
        QCOMPARE(Label("lblArea"), area);
        QCOMPARE(s_->Sides(), 6);
    }

    void printsWithTheDiagram() {
        TypeAndLeave("txtAcrossFlats", "1");
        Calculate();
        QCOMPARE(s_->PrintText(),
                 QString("\n\r").repeated(19) +
                     QString::fromUtf8("Number of Sides : 6\n\rAcross Flats: 1\n\rAcross Corners: "
                                       "1.1547\n\rSide length: 0.5774\n\rSector angle: 60.0°\n\r"
                                       "Area= 0.8661units²\n\rVolume: 1unit length bar is "
                                       "0.8661units³."));
        QTemporaryDir dir;
        const QString file = dir.filePath("polygon.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Across Corners: 1.1547"), qPrintable(pdf));
        QCOMPARE(PdfImageList(file).size(), 3);
    }

    void helpOpensItsTopic() { CheckHelpOpens(s_, CALC_HELP_DIR, "html/Polygons.htm"); }

    void fromTheMenuWithStoredDecimals() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTriangleScreens(menu);
        RegisterGeometryScreens(menu);
        auto* first = qobject_cast<frmPolygonsV74*>(menu.OpenScreen("picPolygon"));
        QVERIFY(first);
        first->findChild<QLineEdit*>("txtDecPlaces")->setText("2");
        Click(first->findChild<QWidget*>("lblAngConvers1"));
        QVERIFY(qobject_cast<frmDegreeConvertV74*>(first->AngleConversionScreen()));
        first->AngleConversionScreen()->close();
        Click(first->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picPolygon"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "Polygon"),
                 std::string("2"));
        auto* second = qobject_cast<frmPolygonsV74*>(menu.OpenScreen("picPolygon"));
        QCOMPARE(second->findChild<QLineEdit*>("txtDecPlaces")->text(), QString("2"));
        second->close();
    }
};

QTEST_MAIN(PolygonScreenTest)
#include "PolygonScreenTest.moc"
