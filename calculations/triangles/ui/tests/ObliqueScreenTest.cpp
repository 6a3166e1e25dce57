#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "triangles/TriangleScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const QString kImpossible = "Impossible data entered. Please reset and try again.";
const QString kOffer = "There may be an alternate answer to this scenario. Click OK to check.";

}  // namespace

class ObliqueScreenTest : public QObject, ScreenFixture<frmObliqueTriangleV74> {
    Q_OBJECT

    QString Text(const char* name) { return Box(name)->text(); }
    QString Area() { return s_->findChild<QLabel*>("lblArea")->text(); }
    // Clicks an option button on its round mark.
    void Option(const char* name) {
        QWidget* option = s_->findChild<QRadioButton*>(name);
        const QPoint mark(8, option->height() / 2);
        QTest::mousePress(option, Qt::LeftButton, {}, mark);
        QTest::mouseRelease(option, Qt::LeftButton, {}, mark);
        QVERIFY(s_->findChild<QRadioButton*>(name)->isChecked());
    }
    void Set(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, text] : values) TypeAndLeave(name, text);
    }
    void ExpectAllZero() {
        for (const char* b :
             {"txtSideA", "txtSideB", "txtSideC", "txtAngleA", "txtAngleB", "txtAngleC"})
            QCOMPARE(Text(b), QString("0"));
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmObliqueTriangleV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensWithZerosAndOneSideTwoAngles() {
        QCOMPARE(s_->size(), QSize(554, 433));
        QCOMPARE(s_->windowTitle(), QString("Oblique Triangle"));
        QCOMPARE(s_->findChild<QLabel*>("lblTitle")->text(), QString("Oblique Trigonometry"));
        ExpectAllZero();
        QVERIFY(s_->findChild<QRadioButton*>("opt1side2angles")->isChecked());
        QVERIFY(s_->findChild<QLabel*>("lblArea")->isHidden());
        for (const char* open : {"txtSideA", "txtAngleA", "txtAngleB"})
            QVERIFY(!Box(open)->isReadOnly());
        for (const char* locked : {"txtSideB", "txtSideC", "txtAngleC"})
            QVERIFY(Box(locked)->isReadOnly());
        Option("optAllSides");
        for (const char* open : {"txtSideA", "txtSideB", "txtSideC"})
            QVERIFY(!Box(open)->isReadOnly());
        QVERIFY(Box("txtAngleA")->isReadOnly());
    }

    void eachArrangementSolves() {
        Set({{"txtSideA", "10"}, {"txtAngleA", "40"}, {"txtAngleB", "60"}});
        Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("txtSideB"), QString("13.473"));
        QCOMPARE(Text("txtAngleC"), QString("80.0"));
        QCOMPARE(Text("txtSideC"), QString("15.3209"));
        QCOMPARE(Text("txtSideA"), QString("10"));  // known boxes keep their text

        // An option click keeps every value; Calculate uses the boxes it opens.
        Option("opt2sidesInclAngle");
        QCOMPARE(Text("txtSideB"), QString("13.473"));
        Set({{"txtSideA", "3"}, {"txtSideB", "4"}, {"txtAngleC", "90"}});
        Calculate();
        QCOMPARE(Text("txtSideC"), QString("5.0"));
        QCOMPARE(Text("txtAngleA"), QString("36.8699"));
        QCOMPARE(Text("txtAngleB"), QString("53.1301"));
        QCOMPARE(Area(), QString::fromUtf8("Area: 6.0 units²"));

        Option("optAllSides");
        Set({{"txtSideA", "3"}, {"txtSideB", "5"}, {"txtSideC", "3"}});
        Calculate();
        QCOMPARE(Text("txtAngleA"), QString("33.5573"));
        QCOMPARE(Text("txtAngleB"), QString("112.8854"));
        QCOMPARE(Text("txtAngleC"), QString("33.5573"));
        QVERIFY(Messages().isEmpty());
    }

    void impossibleDataResets_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("third");
        QTest::addColumn<QString>("thirdBox");
        QTest::newRow("sides 1, 1, 5") << "optAllSides"
                                       << "1"
                                       << "1"
                                       << "5"
                                       << "txtSideC";
        QTest::newRow("flat 1, 1, 2") << "optAllSides"
                                      << "1"
                                      << "1"
                                      << "2"
                                      << "txtSideC";
        QTest::newRow("obtuse A opposite the shorter side") << "opt2sidesOppAngle"
                                                            << "5"
                                                            << "5.05"
                                                            << "100"
                                                            << "txtAngleA";
        QTest::newRow("b sin A beyond a") << "opt2sidesOppAngle"
                                          << "5"
                                          << "20"
                                          << "40"
                                          << "txtAngleA";
    }
    void impossibleDataResets() {
        QFETCH(QString, option);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, third);
        QFETCH(QString, thirdBox);
        Option(qPrintable(option));
        Set({{"txtSideA", qPrintable(a)}, {"txtSideB", qPrintable(b)}});
        TypeAndLeave(qPrintable(thirdBox), third);
        Calculate();
        QCOMPARE(Messages(), QStringList{kImpossible});
        ExpectAllZero();
        // The area update runs on the reset values: 0, never NaN.
        QCOMPARE(Area(), QString::fromUtf8("Area: 0.0 units²"));
    }

    void validateNamesTheFirstMissingValue() {
        // "0.0" and "0/4" are not given values.
        TypeAndLeave("txtAngleA", "0.0");
        Calculate();
        QCOMPARE(Messages(), QStringList{"Angle A needs a value greater than zero."});
        t_->messages.Clear();
        Set({{"txtAngleA", "40"}, {"txtAngleB", "0/4"}});
        Calculate();
        QCOMPARE(Messages(), QStringList{"Angle B needs a value greater than zero."});
        t_->messages.Clear();
        Set({{"txtAngleA", "100"}, {"txtAngleB", "80"}, {"txtSideA", "1"}});
        Calculate();
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Angle B."});
        QCOMPARE(Text("txtSideB"), QString("0"));  // nothing changed
        t_->messages.Clear();
        TypeAndLeave("txtAngleA", "180");
        Calculate();
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Angle A."});
        // A negative typed and not left: the box's own check speaks first.
        t_->messages.Clear();
        Box("txtSideA")->setFocus(Qt::TabFocusReason);
        Box("txtSideA")->setText("-5");
        Calculate();
        QCOMPARE(Messages(), QStringList{"Side a needs a value greater than zero."});
        QCOMPARE(Text("txtSideB"), QString("0"));
    }

    void twoSidesAndTheOppositeAngleOffersTheAlternate() {
        Option("opt2sidesOppAngle");
        Set({{"txtSideA", "6"}, {"txtSideB", "8"}, {"txtAngleA", "40"}});
        t_->messages.QueueAnswer(MsgAnswer::Cancel);
        Calculate();
        QCOMPARE(Text("txtAngleB"), QString("58.987"));
        QCOMPARE(Text("txtAngleC"), QString("81.013"));
        QCOMPARE(Text("txtSideC"), QString("9.2198"));
        QCOMPARE(Messages(), QStringList{kOffer});
        QVERIFY(t_->messages.Last().question);
        QVERIFY(!s_->AlternateScreen());

        t_->messages.Clear();
        Calculate();  // answered OK this time
        QCOMPARE(Messages(), QStringList{kOffer});
        QPointer<frmAlternateObliqueV74> alt = s_->AlternateScreen();
        QVERIFY(alt);
        QTRY_VERIFY(alt->isVisible());
        QCOMPARE(alt->windowTitle(), QString("Alternate Answer"));
        QCOMPARE(alt->size(), QSize(449, 257));
        auto altText = [&](const char* name) { return alt->findChild<QLineEdit*>(name)->text(); };
        QCOMPARE(altText("txtAltAngB"), QString("121.013"));
        QCOMPARE(altText("txtAltAngC"), QString("18.987"));
        QCOMPARE(altText("txtAltSideC"), QString("3.037"));
        QCOMPARE(altText("txtAltAngA"), QString("40"));
        QCOMPARE(altText("txtAltSideA"), QString("6"));
        QCOMPARE(altText("txtAltSideB"), QString("8"));
        // The main screen keeps the first solution; "X" closes the alternate.
        Click(alt->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!alt);
        QCOMPARE(Text("txtAngleB"), QString("58.987"));

        // a = 10, b = 8, A = 40: A is not smaller than B, no offer.
        t_->messages.Clear();
        Set({{"txtSideA", "10"}, {"txtSideB", "8"}});
        Calculate();
        QVERIFY(Messages().isEmpty());
    }

    void conversionsAndTheArea() {
        // Nothing given: the check refuses and nothing changes.
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Messages(), QStringList{"Angle A needs a value greater than zero."});
        QCOMPARE(Text("txtSideA"), QString("0"));
        t_->messages.Clear();

        // Typed sides that make no triangle, converted without solving: area 0, not NaN.
        Option("optAllSides");
        Set({{"txtSideA", "1"}, {"txtSideB", "1"}, {"txtSideC", "5"}});
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Text("txtSideA"), QString("25.4"));
        QCOMPARE(Text("txtSideC"), QString("127.0"));
        QCOMPARE(Area(), QString::fromUtf8("Area: 0.0 units²"));

        Set({{"txtSideA", "3"}, {"txtSideB", "4"}, {"txtSideC", "5"}});
        Calculate();
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Text("txtSideA"), QString("1935.48"));   // 3 x 25.4 x 25.4
        QCOMPARE(Text("txtAngleA"), QString("36.8699"));  // angles untouched
        Click(s_->findChild<QWidget*>("lblMM2Inch1"));
        QCOMPARE(Text("txtSideA"), QString("76.2"));
        QCOMPARE(Area(), QString::fromUtf8("Area: 3870.96 units²"));

        Click(s_->findChild<QWidget*>("lblReset1"));
        ExpectAllZero();
        QVERIFY(s_->findChild<QLabel*>("lblArea")->isHidden());
        QVERIFY(s_->findChild<QRadioButton*>("optAllSides")->isChecked());
        Calculate();
        QVERIFY(s_->findChild<QLabel*>("lblArea")->isHidden());  // refused: nothing given
    }

    void printsTheAnswerWithTheDiagram() {
        Set({{"txtSideA", "10"}, {"txtAngleA", "40"}, {"txtAngleB", "60"}});
        Calculate();
        const QString text = s_->PrintText();
        QVERIFY(text.startsWith(QString("\n\r").repeated(8) + "Side a: 10\n\rSide b: 13.473"));
        QVERIFY(text.contains(QString::fromUtf8("\n\rAngle C: 80.0°\n\rArea: ")));

        QTemporaryDir dir;
        const QString file = dir.filePath("answer.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains(QString::fromUtf8("Angle B: 60°")), qPrintable(pdf));
        QVERIFY2(pdf.contains("Side c: 15.3209"), qPrintable(pdf));
        // the diagram
        QCOMPARE(PdfImageList(file).size(), 3);
    }

    void helpOpensItsTopic() { CheckHelpOpens(s_, CALC_HELP_DIR, "html/ObliqueTriangle.htm"); }

    void fromTheMenuWithStoredDecimals() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTriangleScreens(menu);
        auto* first = qobject_cast<frmObliqueTriangleV74*>(menu.OpenScreen("picOBtrig"));
        QVERIFY(first);
        first->findChild<QLineEdit*>("txtDecPlaces")->setText("2");
        Click(first->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picOBtrig"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "Oblique"),
                 std::string("2"));
        auto* second = qobject_cast<frmObliqueTriangleV74*>(menu.OpenScreen("picOBtrig"));
        QVERIFY(second);
        QCOMPARE(second->findChild<QLineEdit*>("txtDecPlaces")->text(), QString("2"));
        Click(second->findChild<QWidget*>("lblAngConvers1"));
        QVERIFY(qobject_cast<frmDegreeConvertV74*>(second->AngleConversionScreen()));
        second->AngleConversionScreen()->close();
        second->close();
    }
};

QTEST_MAIN(ObliqueScreenTest)
#include "ObliqueScreenTest.moc"
