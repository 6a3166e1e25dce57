#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "geometry/GeometryScreens.h"
#include "triangles/TriangleScreens.h"

using namespace calc;
using namespace calc::testing;

class ChordScreenTest : public QObject, ScreenFixture<frmChordsV74> {
    Q_OBJECT

    QLabel* Field(const char* name) { return s_->findChild<QLabel*>(name); }
    // The five values as shown: a, c, h, l, r (box when visible, else field).
    QStringList Shown() {
        QStringList out;
        for (const auto& [box, field] : {std::pair{"txtInclAngle", "lblInclAngle"},
                                         {"txtChordLength", "lblChordLength"},
                                         {"txtChordHeight", "lblChordHeight"},
                                         {"txtArcLength", "lblArcLength"},
                                         {"txtArcRad", "lblArcRad"}})
            out << (Box(box)->isHidden() ? Field(field)->text() : Box(box)->text());
        return out;
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmChordsV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensEmpty() {
        QCOMPARE(s_->windowTitle(), QString("Chord Calculations"));
        QCOMPARE(s_->findChild<QLabel*>("lblTitle")->text(), QString("Chord"));
        QCOMPARE(s_->size(), QSize(529, 489));
        QCOMPARE(Shown(), QStringList({"", "", "", "", ""}));
        for (const char* f :
             {"lblInclAngle", "lblChordLength", "lblChordHeight", "lblArcLength", "lblArcRad"})
            QVERIFY(Field(f)->isHidden());
    }

    void solvesEachKindOfPair_data() {
        QTest::addColumn<QStringList>("typed");  // box=text, left in this order
        QTest::addColumn<QStringList>("shown");  // a, c, h, l, r
        QTest::newRow("r, a") << QStringList{"txtArcRad=10", "txtInclAngle=60"}
                              << QStringList{"60", "10.0", "1.3397", "10.472", "10"};
        QTest::newRow("r, h") << QStringList{"txtArcRad=10", "txtChordHeight=2"}
                              << QStringList{"73.7398", "12.0", "2", "12.87", "10"};
        // 180 / pi, not 57.296.
        QTest::newRow("r, l") << QStringList{"txtArcRad=10", "txtArcLength=10"}
                              << QStringList{"57.2958", "9.5885", "1.2242", "10", "10"};
        // The answer of r = 10, a = 60 comes back.
        QTest::newRow("a, l") << QStringList{"txtInclAngle=60", "txtArcLength=10.472"}
                              << QStringList{"60", "10.0", "1.3397", "10.472", "10.0"};
        // The Newton solvers to their last iterate.
        QTest::newRow("c, l") << QStringList{"txtChordLength=10", "txtArcLength=11"}
                              << QStringList{"85.8275", "10", "1.9652", "11", "7.3433"};
        QTest::newRow("l, h") << QStringList{"txtArcLength=11", "txtChordHeight=2"}
                              << QStringList{"87.5105", "9.9616", "2", "11", "7.202"};
        QTest::newRow("c, h") << QStringList{"txtChordLength=10", "txtChordHeight=2"}
                              << QStringList{"87.2056", "10", "2", "11.0347", "7.25"};
    }
    void solvesEachKindOfPair() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        for (const QString& step : typed)
            TypeAndLeave(qPrintable(step.section('=', 0, 0)), step.section('=', 1));
        Calculate();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Shown(), shown);
    }

    void angleAndHeightBothTypedWithTheSecondNotLeft() {
        TypeAndLeave("txtInclAngle", "60");
        QVERIFY(Box("txtChordHeight")->isHidden());  // the angle hides the height box
        Box("txtChordHeight")->setText("1.339746");
        s_->Calculate();
        QCOMPARE(Field("lblArcRad")->text(), QString("10.0"));
    }

    void refusals() {
        TypeAndLeave("txtArcRad", "10");
        TypeAndLeave("txtChordHeight", "10");
        Calculate();
        QCOMPARE(Messages(), QStringList{"'h' must be less than 'r'"});
        QVERIFY(Field("lblChordLength")->text().isEmpty());

        // A chord longer than its arc: refused before any iteration, nothing written.
        Click(s_->findChild<QWidget*>("lblReset1"));
        t_->messages.Clear();
        TypeAndLeave("txtChordLength", "11");
        TypeAndLeave("txtArcLength", "10");
        Calculate();
        QCOMPARE(Messages(), QStringList{"Impossible data entered."});
        QCOMPARE(Shown(), QStringList({"", "11", "", "10", ""}));

        // One value only: nothing happens.
        Click(s_->findChild<QWidget*>("lblReset1"));
        t_->messages.Clear();
        TypeAndLeave("txtArcRad", "5");
        Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Shown(), QStringList({"", "", "", "", "5"}));
    }

    void angleBoxChecks() {
        TypeAndLeave("txtInclAngle", "180");
        QCOMPARE(Messages(), QStringList{"Angle value must be less than 180."});
        QVERIFY(Box("txtInclAngle")->text().isEmpty());
        QTRY_VERIFY(Box("txtInclAngle")->hasFocus());
        t_->messages.Clear();
        TypeAndLeave("txtArcRad", "0.0");
        QCOMPARE(Messages(), QStringList{"Arc radius - r needs a value greater than zero."});
        t_->messages.Clear();
        TypeAndLeave("txtArcLength", "-3");
        QCOMPARE(Messages(), QStringList{"Negative values are not allowed."});
        QVERIFY(Box("txtArcLength")->text().isEmpty());
    }

    void aThirdValueIsReplacedAndPrintsComputed() {
        Box("txtArcRad")->setText("10");
        Box("txtInclAngle")->setText("60");
        Box("txtChordLength")->setText("3");
        s_->Calculate();
        QCOMPARE(Field("lblChordLength")->text(), QString("10.0"));
        QVERIFY(Box("txtChordLength")->isHidden());
        QVERIFY(s_->PrintText().contains("Chord length - c: 10.0"));
    }

    void conversions() {
        s_->ConvertLengths(true);  // nothing typed: nothing happens
        QCOMPARE(Shown(), QStringList({"", "", "", "", ""}));
        TypeAndLeave("txtArcRad", "254");
        TypeAndLeave("txtInclAngle", "60");
        Calculate();
        Click(s_->findChild<QWidget*>("lblMM2Inch1"));
        QCOMPARE(Shown(), QStringList({"60", "10.0", "1.3397", "10.472", "10.0"}));
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Box("txtArcRad")->text(), QString("254.0"));
        QCOMPARE(Box("txtInclAngle")->text(), QString("60"));  // the angle stays
    }

    void printsWithTheDiagram() {
        TypeAndLeave("txtArcRad", "10");
        TypeAndLeave("txtInclAngle", "60");
        Calculate();
        const QString text = s_->PrintText();
        QCOMPARE(text, QString("\n\r").repeated(7) +
                           QString::fromUtf8("Included angle - a: 60°\n\rChord length - c: 10.0"
                                             "\n\rChord height - h: 1.3397\n\rArc length - l: "
                                             "10.472\n\rArc radius - r: 10"));
        QTemporaryDir dir;
        const QString file = dir.filePath("chord.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Arc length - l: 10.472"), qPrintable(pdf));
        QCOMPARE(PdfImageList(file).size(), 3);
    }

    void helpOpensItsTopic() { CheckHelpOpens(s_, CALC_HELP_DIR, "html/Chords.htm"); }

    void fromTheMenu() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTriangleScreens(menu);
        RegisterGeometryScreens(menu);
        auto* screen = qobject_cast<frmChordsV74*>(menu.OpenScreen("picChord"));
        QVERIFY(screen);
        screen->findChild<QLineEdit*>("txtDecPlaces")->setText("2");
        Click(screen->findChild<QWidget*>("lblAngConvers1"));
        QVERIFY(qobject_cast<frmDegreeConvertV74*>(screen->AngleConversionScreen()));
        screen->AngleConversionScreen()->close();
        Click(screen->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picChord"));
        // The decimal places are not kept.
        screen = qobject_cast<frmChordsV74*>(menu.OpenScreen("picChord"));
        QCOMPARE(screen->findChild<QLineEdit*>("txtDecPlaces")->text(), QString("4"));
        screen->close();
    }
};

QTEST_MAIN(ChordScreenTest)
#include "ChordScreenTest.moc"
