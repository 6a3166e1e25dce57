#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "turning/ShaftTaperScreen.h"
#include "turning/TurningScreens.h"

using namespace calc;
using namespace calc::testing;

class ShaftTaperScreenTest : public QObject, ScreenFixture<frmShaftTaperV74> {
    Q_OBJECT

    void Open() {
        delete s_.data();
        s_ = new frmShaftTaperV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    QLabel* Label(const char* name) { return s_->findChild<QLabel*>(name); }
    QString Text(const char* name) { return Box(name)->text(); }
    QString Field(const char* name) { return Label(name)->text(); }
    bool Shown(const char* name) { return s_->findChild<QWidget*>(name)->isVisible(); }
    void ToMetric() {
        Click(s_->findChild<QWidget*>("lblInchMetric1"));
        QCOMPARE(s_->UnitCaption(), QString("METRIC SYSTEM"));
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        t_->SetLanguage("English");
        Open();
    }
    void cleanup() { CloseScreen(); }

    void opensEmptyInInches() {
        QCOMPARE(s_->windowTitle(), QString("Shaft Tapers"));
        QCOMPARE(s_->size(), QSize(361, 521));
        QCOMPARE(s_->UnitCaption(), QString("INCH SYSTEM"));
        QCOMPARE(Field("lblTaper"), QString("Taper per Foot:"));
        for (const char* b : {"txtTaperPerFoot", "txtLargeDia", "txtSmallDia", "txtLength",
                              "txtIncludedAngle", "txtAnglePerSide"})
            QVERIFY(Shown(b) && Text(b).isEmpty());
    }

    void inchFromTheThreeDimensions() {
        TypeAndLeave("txtLargeDia", "2");
        TypeAndLeave("txtSmallDia", "1");
        TypeAndLeave("txtLength", "6");
        // The three dimensions in: the taper and both angles become results.
        QVERIFY(!Shown("txtTaperPerFoot") && Shown("lblTaperPerFoot"));
        QVERIFY(!Shown("txtAnglePerSide") && !Shown("txtIncludedAngle"));
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Field("lblTaperPerFoot"), QString("2.0"));  // 12 (D - d) / L
        QCOMPARE(Field("lblAnglePerSide"), QString("4.7636"));
        QCOMPARE(Field("lblIncludedAngle"), QString("9.5273"));
        QCOMPARE(s_->RememberedAngle(), 4.763641690726178);
    }

    void inchEmptySmallDiameterIsZero() {
        TypeAndLeave("txtLargeDia", "1");
        TypeAndLeave("txtLength", "12");
        s_->Calculate();
        QCOMPARE(Text("txtSmallDia"), QString("0"));
        QCOMPARE(Field("lblTaperPerFoot"), QString("1.0"));
    }

    void inchFromTheTaper() {
        TypeAndLeave("txtLargeDia", "2");
        TypeAndLeave("txtTaperPerFoot", "2");
        TypeAndLeave("txtSmallDia", "1");
        QVERIFY(!Shown("txtLength"));
        s_->Calculate();
        QCOMPARE(Field("lblLength"), QString("6.0"));
        QCOMPARE(Field("lblAnglePerSide"), QString("4.7636"));
    }

    void calculateOnAnEmptyInchScreen() {
        s_->Calculate();
        QCOMPARE(Text("txtSmallDia"), QString("0"));
        QCOMPARE(Field("lblAnglePerSide"), QString("0.0"));
        QCOMPARE(Field("lblIncludedAngle"), QString("0.0"));
        QVERIFY(!Shown("txtAnglePerSide") && !Shown("txtIncludedAngle"));
        QVERIFY(Text("txtLargeDia").isEmpty());
    }

    void metricFromTheThreeDimensions() {
        ToMetric();
        QCOMPARE(Field("lblTaper"), QString("Ratio:"));
        TypeAndLeave("txtLargeDia", "50");
        TypeAndLeave("txtSmallDia", "40");
        TypeAndLeave("txtLength", "200");
        s_->Calculate();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Field("lblTaperPerFoot"), QString("1:20.0"));
        QCOMPARE(Text("txtTaperPerFoot"), QString("1:20.0"));
        // ISO 1:x: half angle atan(1 / 2x).
        QCOMPARE(Field("lblAnglePerSide"), QString("1.4321"));
        QCOMPARE(Field("lblIncludedAngle"), QString("2.8642"));
        QVERIFY(Shown("lblSmallDia") && !Shown("txtSmallDia"));
        QCOMPARE(Field("lblSmallDia"), QString("40.0"));
        QVERIFY(Shown("txtLargeDia") && Shown("txtLength"));
    }

    void metricRatioTyped() {
        ToMetric();
        TypeAndLeave("txtTaperPerFoot", "1:20");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Field("lblAnglePerSide"), QString("1.4321"));
        QCOMPARE(Field("lblIncludedAngle"), QString("2.8642"));
        TypeAndLeave("txtLargeDia", "50");
        TypeAndLeave("txtLength", "200");
        s_->Calculate();
        QCOMPARE(Field("lblSmallDia"), QString("40.0"));
    }

    void anglePerSide45_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("taper");
        QTest::newRow("inch") << false << "24.0";
        QTest::newRow("metric") << true << "1:0.5";
    }
    void anglePerSide45() {
        QFETCH(bool, metric);
        if (metric) ToMetric();
        TypeAndLeave("txtAnglePerSide", "45");
        QTEST(Field("lblTaperPerFoot"), "taper");
        QTEST(Text("txtTaperPerFoot"), "taper");
        QCOMPARE(Field("lblIncludedAngle"), QString("90.0"));
        QVERIFY(!Shown("txtIncludedAngle") && !Shown("txtTaperPerFoot"));
    }

    void metricRatioFromAnAngleIsRoundedOnce() {
        ToMetric();
        Box("txtDecPlaces")->setText("2");
        TypeAndLeave("txtAnglePerSide", "20");
        QCOMPARE(Field("lblTaperPerFoot"), QString("1:1.37"));  // tan 70 / 2 = 1.3737
        s_->Reset();
        TypeAndLeave("txtIncludedAngle", "40");
        QCOMPARE(Field("lblTaperPerFoot"), QString("1:1.37"));
        QCOMPARE(Field("lblAnglePerSide"), QString("20.0"));
    }

    void unitSwitchConvertsTheTaper() {
        TypeAndLeave("txtTaperPerFoot", "0.6");
        TypeAndLeave("txtLargeDia", "1");
        ToMetric();
        QCOMPARE(Text("txtTaperPerFoot"), QString("1:20.0"));
        QCOMPARE(Text("txtLargeDia"), QString("25.4"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "ShaftTaper"),
                 std::string("Metric"));
        Click(s_->findChild<QWidget*>("lblInchMetric2"));
        QCOMPARE(s_->UnitCaption(), QString("INCH SYSTEM"));
        QCOMPARE(Field("lblTaper"), QString("Taper per foot:"));
        QCOMPARE(Text("txtTaperPerFoot"), QString("0.6"));
        QCOMPARE(Text("txtLargeDia"), QString("1.0"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "ShaftTaper"),
                 std::string("Inch"));
    }

    void switchToInchWithAnUnreadableRatioStillConverts() {
        ToMetric();
        TypeAndLeave("txtLargeDia", "25.4");
        Box("txtTaperPerFoot")->setText("1:abc");  // never left, so never checked
        s_->InchMetric();
        QCOMPARE(s_->UnitCaption(), QString("INCH SYSTEM"));
        QVERIFY(Text("txtTaperPerFoot").isEmpty());
        QCOMPARE(Text("txtLargeDia"), QString("1.0"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "ShaftTaper"),
                 std::string("Inch"));
    }

    void refusedEntries_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("ratio in inch") << false << "txtTaperPerFoot"
                                       << "1:20"
                                       << "Ratio format '1:x' is for the Metric system only";
        QTest::newRow("number in metric")
            << true << "txtTaperPerFoot"
            << "20"
            << "Please enter the ratio in the format '1:x', or switch to Inch system.";
        QTest::newRow("negative taper") << false << "txtTaperPerFoot"
                                        << "-0.5"
                                        << "Negative values are not allowed.";
        QTest::newRow("negative ratio") << true << "txtTaperPerFoot"
                                        << "1:-20"
                                        << "Negative values are not allowed.";
        QTest::newRow("square side") << false << "txtAnglePerSide"
                                     << "90"
                                     << "The angle per side must be less than 90 degrees.";
        QTest::newRow("flat included") << false << "txtIncludedAngle"
                                       << "180"
                                       << "The included angle must be less than 180 degrees.";
        QTest::newRow("zero diameter") << false << "txtLargeDia"
                                       << "0"
                                       << "The large diameter must be greater than zero.";
        QTest::newRow("zero as a fraction") << false << "txtLength"
                                            << "0/5"
                                            << "The length must be greater than zero.";
    }
    void refusedEntries() {
        QFETCH(bool, metric);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        if (metric) ToMetric();
        const QByteArray name = box.toLatin1();
        TypeAndLeave(name, text);
        QCOMPARE(Messages(), QStringList{message});  // said once
        QVERIFY(Text(name).isEmpty());
        QTRY_VERIFY(Box(name)->hasFocus());
        // Nothing was derived from it.
        QVERIFY(Field("lblAnglePerSide").isEmpty() && Field("lblTaperPerFoot").isEmpty());
    }

    void steepButValidAngleAndZeroSmallDiameter() {
        TypeAndLeave("txtAnglePerSide", "89.9");
        QVERIFY(Messages().isEmpty());
        QVERIFY(!Field("lblTaperPerFoot").isEmpty());
        TypeAndLeave("txtSmallDia", "0");
        QCOMPARE(Text("txtSmallDia"), QString("0"));
        QVERIFY(Messages().isEmpty());
    }

    void equalDiametersHaveNoTaper_data() {
        QTest::addColumn<bool>("metric");
        QTest::newRow("inch") << false;
        QTest::newRow("metric") << true;
    }
    void equalDiametersHaveNoTaper() {
        QFETCH(bool, metric);
        if (metric) ToMetric();
        TypeAndLeave("txtLargeDia", "2");
        TypeAndLeave("txtSmallDia", "2");
        TypeAndLeave("txtLength", "6");
        s_->Calculate();
        QCOMPARE(
            Messages(),
            QStringList{"Large and small diameters are equal: there is no taper to calculate."});
        QVERIFY(Field("lblTaperPerFoot").isEmpty() && Text("txtTaperPerFoot").isEmpty());
        QVERIFY(Field("lblAnglePerSide").isEmpty());
    }

    void printsTheAnswer() {
        TypeAndLeave("txtLargeDia", "2");
        TypeAndLeave("txtSmallDia", "1");
        TypeAndLeave("txtLength", "6");
        s_->Calculate();
        QCOMPARE(s_->PrintText(),
                 QString("\n\r").repeated(9) +
                     QString::fromUtf8("Taper per foot: 2.0\"\n\rLarge diameter: 2\"\n\r"
                                       "Small diameter: 1\"\n\rLength: 6\"\n\r"
                                       "Included angle: 9.5273°\n\rAngle per side: 4.7636°"));
        ToMetric();
        QVERIFY(s_->PrintText().contains("Taper Ratio= 1:6.0\n\rLarge diameter: 50.8mm"));
        QTemporaryDir dir;
        const QString file = dir.filePath("taper.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Taper Ratio= 1:6.0"), qPrintable(pdf));
        QVERIFY(PdfImageList(file).size() >= 3);
    }

    void remembersUnitAndDecimals() {
        ToMetric();
        Box("txtDecPlaces")->setText("3");
        Click(s_->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!s_);
        QCOMPARE(t_->settings.GetSetting("Arbormate", "ShaftTaper", "InchOrMetric"),
                 std::string("METRIC SYSTEM"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "ShaftTaper", "DecPlaces"), std::string("3"));
        Open();
        QCOMPARE(s_->UnitCaption(), QString("METRIC SYSTEM"));
        QCOMPARE(Field("lblTaper"), QString("Ratio:"));
        QCOMPARE(Text("txtDecPlaces"), QString("3"));
    }

    // The two keys as earlier builds wrote them: the caption at close, the last switch.
    void readsTheStoredUnit_data() {
        QTest::addColumn<QString>("closedIn");
        QTest::addColumn<QString>("lastSwitch");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("taperLabel");
        QTest::newRow("closed in metric") << "METRIC SYSTEM"
                                          << ""
                                          << "METRIC SYSTEM"
                                          << "Ratio:";
        QTest::newRow("switched to inch since") << "METRIC SYSTEM"
                                                << "Inch"
                                                << "INCH SYSTEM"
                                                << "Taper per foot:";
        QTest::newRow("switched to metric since") << "INCH SYSTEM"
                                                  << "Metric"
                                                  << "METRIC SYSTEM"
                                                  << "Ratio:";
    }
    void readsTheStoredUnit() {
        QFETCH(QString, closedIn);
        QFETCH(QString, lastSwitch);
        QFETCH(QString, caption);
        QFETCH(QString, taperLabel);
        t_->settings.SaveSetting("Arbormate", "ShaftTaper", "InchOrMetric", S(closedIn));
        if (!lastSwitch.isEmpty())
            t_->settings.SaveSetting("Arbormate", "InchMetric", "ShaftTaper", S(lastSwitch));
        Open();
        QCOMPARE(s_->UnitCaption(), caption);
        QCOMPARE(Field("lblTaper"), taperLabel);
    }

    void fromTheMenuWithAngleConversion() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTurningScreens(menu);
        auto* screen = qobject_cast<frmShaftTaperV74*>(menu.OpenScreen("picTaper"));
        QVERIFY(screen);
        screen->close();
        QTRY_VERIFY(!menu.OpenInstance("picTaper"));
    }
};

QTEST_MAIN(ShaftTaperScreenTest)
#include "ShaftTaperScreenTest.moc"
