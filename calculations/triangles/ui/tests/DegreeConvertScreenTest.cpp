#include <QLineEdit>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "triangles/TriangleScreens.h"

using namespace calc;
using namespace calc::testing;

class DegreeConvertScreenTest : public QObject, ScreenFixture<frmDegreeConvertV74> {
    Q_OBJECT
    QLineEdit *deg_, *min_, *sec_, *dec_;

    void TypeAndLeave(QLineEdit* box, const QString& text) {
        calc::testing::TypeAndLeave(box, text, box == dec_ ? deg_ : dec_);
    }
    void Convert() {
        QWidget* face = s_->findChild<QWidget*>("lblCalculate1");
        QTest::mouseClick(face, Qt::LeftButton);
    }
    QStringList Shown() const { return {deg_->text(), min_->text(), sec_->text(), dec_->text()}; }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        t_->SetLanguage("English");
        s_ = new frmDegreeConvertV74(t_->env);
        QVERIFY(ShowActive(s_));
        deg_ = s_->findChild<QLineEdit*>("txtDegree");
        min_ = s_->findChild<QLineEdit*>("txtMinute");
        sec_ = s_->findChild<QLineEdit*>("txtSecond");
        dec_ = s_->findChild<QLineEdit*>("txtDegreeDecimal");
    }
    void cleanup() { CloseScreen(); }

    void frame() {
        QCOMPARE(s_->size(), QSize(273, 233));
        QCOMPARE(s_->windowTitle(), QString("Convert Angles"));
        QCOMPARE(s_->findChild<QLabel*>("lblCalculate2")->text(), QString("CONVERT"));
        QVERIFY(!s_->findChild<QLineEdit*>("txtDecPlaces"));
    }

    void decimalToDegreesMinutesSeconds_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QStringList>("dms");
        QTest::newRow("45.5") << "45.5" << QStringList{"45", "30", "0"};
        QTest::newRow("10.1234") << "10.1234" << QStringList{"10", "7", "24.24"};
        QTest::newRow("12.3456") << "12.3456" << QStringList{"12", "20", "44.16"};
        QTest::newRow("100.999") << "100.999" << QStringList{"100", "59", "56.4"};
        QTest::newRow("0.5") << "0.5" << QStringList{"0", "30", "0"};
        QTest::newRow("45") << "45" << QStringList{"45", "0", "0"};
    }
    void decimalToDegreesMinutesSeconds() {
        QFETCH(QString, decimal);
        QFETCH(QStringList, dms);
        TypeAndLeave(dec_, decimal);
        QVERIFY(deg_->isReadOnly() && min_->isReadOnly() && sec_->isReadOnly());
        Convert();
        QCOMPARE(Shown(), dms + QStringList{decimal});
    }

    void convertWithoutLeavingTheDecimalBoxConvertsBack() {
        dec_->setText("45");
        Convert();
        QCOMPARE(Shown(), (QStringList{"45", "0", "0", "45.0"}));
        s_->Reset();
        dec_->setText("45.5");
        Convert();
        QCOMPARE(Shown(), (QStringList{"45", "30", "0", "45.5"}));
    }

    void degreesMinutesSecondsToDecimal_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("30 15") << QStringList{"30", "15", ""}
                               << QStringList{"30", "15", "0", "30.25"};
        QTest::newRow("1 0 1") << QStringList{"1", "0", "1"}
                               << QStringList{"1", "0", "1", "1.00028"};
        QTest::newRow("0 0 30") << QStringList{"0", "0", "30"}
                                << QStringList{"0", "0", "30", "0.00833"};
        QTest::newRow("45 only") << QStringList{"45", "", ""} << QStringList{"45", "", "", "45.0"};
        QTest::newRow("all empty") << QStringList{"", "", ""} << QStringList{"", "", "", ".0"};
    }
    void degreesMinutesSecondsToDecimal() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        QLineEdit* boxes[] = {deg_, min_, sec_};
        for (int i = 0; i < 3; ++i)
            if (!typed[i].isEmpty()) TypeAndLeave(boxes[i], typed[i]);
        Convert();
        QCOMPARE(Shown(), shown);
        QVERIFY(t_->messages.Empty());
    }

    void sixtyMinutesOrSecondsAreRefused() {
        TypeAndLeave(min_, "75");
        QCOMPARE(t_->messages.Count(), 1u);
        QCOMPARE(t_->messages.Last().text, std::string("Do not enter 60 or more minutes."));
        QCOMPARE(t_->messages.Last().icon, MsgIcon::Exclamation);
        QVERIFY(min_->text().isEmpty());
        QTRY_VERIFY(min_->hasFocus());
        TypeAndLeave(sec_, "60");
        QCOMPARE(t_->messages.Last().text, std::string("Do not enter 60 or more seconds."));
        QVERIFY(sec_->text().isEmpty());
    }

    void changedMinutesAreConvertedAgain() {
        TypeAndLeave(deg_, "30");
        TypeAndLeave(min_, "15");
        QVERIFY(dec_->isReadOnly());
        Convert();
        QCOMPARE(dec_->text(), QString("30.25"));
        // Passing through the locked decimal box does not lock the other side.
        dec_->setFocus(Qt::TabFocusReason);
        TypeAndLeave(min_, "30");
        Convert();
        QCOMPARE(dec_->text(), QString("30.5"));
        // RESET empties and unlocks all four.
        QTest::mouseClick(s_->findChild<QWidget*>("lblReset1"), Qt::LeftButton);
        QCOMPARE(Shown(), (QStringList{"", "", "", ""}));
        QVERIFY(!dec_->isReadOnly());
    }

    void negativeDegreesCountAsZero() {
        TypeAndLeave(deg_, "-5");
        QCOMPARE(t_->messages.Last().text, std::string("Negative values are not allowed."));
        TypeAndLeave(min_, "30");
        Convert();
        QCOMPARE(Shown(), (QStringList{"0", "30", "0", "0.5"}));
    }

    void decimalThatCannotBeSplitIsRefused() {
        dec_->setText("1.5/2");
        Convert();
        QCOMPARE(t_->messages.Last().text, std::string("'1.5/2' is not Valid."));
        QCOMPARE(Shown(), (QStringList{"", "", "", "1.5/2"}));
    }

    void closesWithoutSavingAnything() {
        QTest::mouseClick(s_->findChild<QWidget*>("lblX"), Qt::LeftButton);
        QTRY_VERIFY(s_.isNull());
        QVERIFY(!std::filesystem::exists(t_->settings.FileFor("Arbormate")) ||
                t_->settings.GetSetting("Arbormate", "DecimalPlaces", "").empty());
    }
};

QTEST_MAIN(DegreeConvertScreenTest)
#include "DegreeConvertScreenTest.moc"
