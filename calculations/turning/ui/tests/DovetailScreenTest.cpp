#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "turning/DovetailScreen.h"
#include "turning/TurningScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const char* const kBoxes[] = {"txtOutsideRolls", "txtOutsideCorners", "txtHeight", "txtInsideRolls",
                              "txtInsideCorners"};

}  // namespace

class DovetailScreenTest : public QObject, ScreenFixture<frmDovetaillV74> {
    Q_OBJECT

    QString Text(const char* name) { return Box(name)->text(); }
    QCheckBox* Check(const char* name) { return s_->findChild<QCheckBox*>(name); }
    // Roll 0.25, 60 degrees and two ticked dimensions.
    void Enter(const char* check1, const char* box1, const QString& v1, const char* check2,
               const char* box2, const QString& v2, const QString& roll = "0.25",
               const QString& angle = "60") {
        TypeAndLeave("txtRollDiameter", roll);
        TypeAndLeave("txtAngle", angle);
        Check(check1)->click();
        Check(check2)->click();
        TypeAndLeave(box1, v1);
        TypeAndLeave(box2, v2);
        t_->messages.Clear();
    }
    QStringList Values() {
        QStringList out;
        for (const char* b : kBoxes) out << Text(b);
        return out;
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        t_->SetLanguage("English");
        s_ = new frmDovetaillV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensWithZerosAndLockedBoxes() {
        QCOMPARE(s_->windowTitle(), QString("Dovetails"));
        QCOMPARE(s_->size(), QSize(705, 457));
        for (const char* b : kBoxes) {
            QCOMPARE(Text(b), QString("0"));
            QVERIFY(Box(b)->isReadOnly());
        }
        QCOMPARE(Text("txtRollDiameter"), QString("0"));
        for (auto* c : s_->findChildren<QCheckBox*>()) QVERIFY(c->isEnabled());
    }

    void ticksLockWhatTheyRuleOut() {
        Check("chOutsideRolls")->click();
        QVERIFY(!Check("chInsideCorners")->isEnabled());
        QVERIFY(Box("txtInsideCorners")->isReadOnly());
        QVERIFY(!Box("txtOutsideRolls")->isReadOnly() && !Box("txtHeight")->isReadOnly());
        Check("chHeight")->click();
        for (const char* c : {"chOutsideCorners", "chInsideRolls", "chInsideCorners"})
            QVERIFY(!Check(c)->isEnabled());
        // RESET clears the ticks: everything editable again, all boxes 0.
        s_->Reset();
        for (const char* b : kBoxes) QVERIFY(!Box(b)->isReadOnly());
        QCOMPARE(Values(), QStringList(5, "0"));
    }

    void solvesFromCornerAndHeight() {
        Enter("chInsideCorners", "txtInsideCorners", "2", "chHeight", "txtHeight", "0.5");
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Text("txtOutsideRolls"), QString("2.683"));
        QCOMPARE(Text("txtOutsideCorners"), QString("2.5774"));
        QCOMPARE(Text("txtInsideRolls"), QString("1.8943"));
        QCOMPARE(Text("txtInsideCorners"), QString("2"));  // ticked boxes are not touched
    }

    void solvesFromTheTwoRollWidths() {
        Enter("chOutsideRolls", "txtOutsideRolls", "2.683", "chInsideRolls", "txtInsideRolls",
              "1.8943");
        s_->Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("txtOutsideCorners"), QString("2.5773"));
        QCOMPARE(Text("txtInsideCorners"), QString("2.0"));
        QCOMPARE(Text("txtHeight"), QString("0.5"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("entry");  // check1 box1 v1 check2 box2 v2 [angle]
        QTest::addColumn<QString>("message");
        const QString height =
            "Impossible data are entered. Check Roll Diameter, Angle and Height.";
        const QString corner =
            "Impossible data are entered. Check Roll Diameter, Angle and Corner Width.";
        QTest::newRow("too low") << QStringList{"chInsideCorners", "txtInsideCorners", "2",
                                                "chHeight",        "txtHeight",        "0.1"}
                                 << height;
        QTest::newRow("inside wider") << QStringList{"chOutsideCorners", "txtOutsideCorners", "1",
                                                     "chInsideCorners",  "txtInsideCorners",  "2"}
                                      << "Inside Corner Width cannot be greater than Outside "
                                         "Corner Width.";
        // Ri would be -0.3521.
        QTest::newRow("negative inside roll width")
            << QStringList{"chInsideCorners", "txtInsideCorners", "0.1",
                           "chHeight",        "txtHeight",        "0.2"}
            << height;
        QTest::newRow("negative Ri from outside rolls")
            << QStringList{"chOutsideRolls", "txtOutsideRolls", "0.7",
                           "chHeight",       "txtHeight",       "0.2"}
            << "Impossible data are entered. Check Roll Diameter, Angle, Height or Roll Width.";
        // Square flanks cannot give a height from two widths.
        QTest::newRow("90 degrees, corners") << QStringList{"chOutsideCorners",
                                                            "txtOutsideCorners",
                                                            "2.1",
                                                            "chInsideCorners",
                                                            "txtInsideCorners",
                                                            "2",
                                                            "90"}
                                             << corner;
        QTest::newRow("90 degrees, rolls")
            << QStringList{"chOutsideRolls",
                           "txtOutsideRolls",
                           "2.5",
                           "chInsideRolls",
                           "txtInsideRolls",
                           "1.9",
                           "90"}
            << "Impossible data are entered. Check Roll Diameter, Angle and Roll Width.";
        // The English-only message of the (Co, Ro) pair, with its blanks and full stop.
        QTest::newRow("corner and roll too low")
            << QStringList{"chOutsideCorners", "txtOutsideCorners", "2",
                           "chOutsideRolls",   "txtOutsideRolls",   "2.683"}
            << corner;
    }
    void refusals() {
        QFETCH(QStringList, entry);
        QFETCH(QString, message);
        const QString angle = entry.size() > 6 ? entry[6] : "60";
        const QByteArray c1 = entry[0].toLatin1(), b1 = entry[1].toLatin1();
        const QByteArray c2 = entry[3].toLatin1(), b2 = entry[4].toLatin1();
        Enter(c1, b1, entry[2], c2, b2, entry[5], "0.25", angle);
        const QStringList before = Values();
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{message});
        QCOMPARE(Values(), before);
    }

    void missingData() {
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Please mark check box and enter known data."});
        Check("chInsideCorners")->click();
        Check("chHeight")->click();
        TypeAndLeave("txtInsideCorners", "2");
        TypeAndLeave("txtHeight", "0.5");
        TypeAndLeave("txtAngle", "60");
        t_->messages.Clear();
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Roll Diameter needs a value greater than zero."});
    }

    void squareFlanksWithTheHeightGiven() {
        Enter("chInsideCorners", "txtInsideCorners", "2", "chHeight", "txtHeight", "0.5", "0.25",
              "90");
        s_->Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("txtOutsideCorners"), QString("2.0"));
        QCOMPARE(Text("txtOutsideRolls"), QString("2.5"));
    }

    void anglesAboveNinetyAreOnlyWarned() {
        TypeAndLeave("txtAngle", "100");
        QCOMPARE(Messages(), QStringList{"The angle must be 90 Degrees or less."});
        QCOMPARE(Text("txtAngle"), QString("100"));
    }

    void mmToInchValidatesThenConvertsAll() {
        Enter("chInsideCorners", "txtInsideCorners", "50.8", "chHeight", "txtHeight", "12.7",
              "6.35");
        s_->Calculate();
        Click(s_->findChild<QWidget*>("lblMM2Inch1"));
        QCOMPARE(Text("txtRollDiameter"), QString("0.25"));
        QCOMPARE(Text("txtInsideCorners"), QString("2.0"));
        QCOMPARE(Text("txtHeight"), QString("0.5"));
        QCOMPARE(Text("txtOutsideRolls"), QString("2.683"));
        QCOMPARE(Text("txtAngle"), QString("60"));
        // Refused data convert nothing.
        s_->Reset();
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Messages(), QStringList{"Please mark check box and enter known data."});
        QCOMPARE(Text("txtRollDiameter"), QString("0"));
    }

    void printsTheDiagramAndValues() {
        Enter("chInsideCorners", "txtInsideCorners", "2", "chHeight", "txtHeight", "0.5");
        s_->Calculate();
        const QString text = s_->PrintText();
        QCOMPARE(text, QString("\n\r").repeated(15) +
                           QString::fromUtf8("Roll Diameter: 0.25\n\rHeight: 0.5\n\rAngle: 60°\n\r"
                                             "Outside Roll Dimension: 2.683\n\r"
                                             "Inside Roll Dimension: 1.8943\n\r"
                                             "Outside Corner Dimension: 2.5774\n\r"
                                             "Inside Corner Dimension: 2"));
        QTemporaryDir dir;
        const QString file = dir.filePath("dovetail.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Inside Roll Dimension: 1.8943"), qPrintable(pdf));
        // The diagram goes onto the page as a picture.
        QVERIFY(PdfImageList(file).size() >= 3);
    }

    void germanNamesAndMessages() {
        t_->SetLanguage("German");
        s_->Calculate();
        QCOMPARE(t_->messages.Last().caption, std::string("Arbormate"));
        QVERIFY(s_->PrintText().contains(QString::fromUtf8("Außenmaß über Rollen: 0")));
    }

    void fromTheMenu() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTurningScreens(menu);
        QVERIFY(qobject_cast<frmDovetaillV74*>(menu.OpenScreen("picDovetail")));
        Click(menu.OpenInstance("picDovetail")->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picDovetail"));
    }
};

QTEST_MAIN(DovetailScreenTest)
#include "DovetailScreenTest.moc"
