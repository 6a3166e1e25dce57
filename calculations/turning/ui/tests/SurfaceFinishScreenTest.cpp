#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "turning/SurfaceFinishScreen.h"
#include "turning/TurningScreens.h"

using namespace calc;
using namespace calc::testing;

class SurfaceFinishScreenTest : public QObject, ScreenFixture<frmBallnoseV74> {
    Q_OBJECT

    void Open() {
        delete s_.data();
        s_ = new frmBallnoseV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    QString Text(const char* name) { return Box(name)->text(); }
    QString Field(const char* name) { return s_->findChild<QLabel*>(name)->text(); }
    QRadioButton* Option(const char* name) { return s_->findChild<QRadioButton*>(name); }
    std::string Stored(const char* section, const char* key) {
        return t_->settings.GetSetting("Arbormate", section, key);
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        t_->SetLanguage("English");
        Open();
    }
    void cleanup() { CloseScreen(); }

    void opensInTheMillModeLeftOfCentre() {
        QCOMPARE(s_->windowTitle(), QString("Ball Nose Cutters"));
        QCOMPARE(s_->findChild<QLabel*>("lblTitle")->text(), QString("  Surface Finish"));
        QCOMPARE(s_->size(), QSize(384, 345));
        QVERIFY(Option("optMill")->isChecked());
        QVERIFY(s_->findChild<QWidget*>("picLathe")->isHidden());
        QVERIFY(!Box("txtTNR")->isEnabled() && Box("txtToolDia")->isEnabled());
        QCOMPARE(Field("Label3"), QString("Stepover"));
        QCOMPARE(s_->UnitCaption(), QString("INCH SYSTEM"));
        QCOMPARE(Stored("LatheMill", "SurfaceFin"), std::string("Mill"));
        QCOMPARE(Text("txtDecPlaces"), QString("4"));
    }

    void inchMill() {
        TypeAndLeave("txtToolDia", "1/2");
        QCOMPARE(Text("txtTNR"), QString("0.25"));
        TypeAndLeave("txtStepover", "0.05");
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Field("lblPeakHeight"), QString("0.0013"));
        QCOMPARE(Field("lblSurfFin"), QString("417."));
        // To metric: the lengths with the decimal places, Ra in micrometres.
        Click(s_->findChild<QWidget*>("lblInchMetric1"));
        QCOMPARE(s_->UnitCaption(), QString("METRIC SYSTEM"));
        QCOMPARE(Text("txtToolDia"), QString("12.7"));
        QCOMPARE(Text("txtTNR"), QString("6.35"));
        QCOMPARE(Field("lblPeakHeight"), QString("0.033"));
        QCOMPARE(Text("txtStepover"), QString("1.27"));
        QCOMPARE(Field("lblSurfFin"), QString("10.59"));
        QCOMPARE(Stored("InchMetric", "SurfaceFin"), std::string("METRIC SYSTEM"));
        // Calculating again in millimetres gives the same finish.
        s_->Calculate();
        QCOMPARE(Field("lblSurfFin"), QString("10.58"));
        QCOMPARE(Field("lblPeakHeight"), QString("0.0318"));
        Click(s_->findChild<QWidget*>("lblInchMetric2"));
        QCOMPARE(Text("txtToolDia"), QString("0.5"));
        QCOMPARE(Field("lblSurfFin"), QString("417."));
        QCOMPARE(Stored("InchMetric", "SurfaceFin"), std::string("INCH SYSTEM"));
    }

    void lathe_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<QString>("feed");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("peak");
        QTest::addColumn<QString>("ra");
        QTest::newRow("inch") << false << "0.03125"
                              << "0.005"
                              << "0.0625"
                              << "0.0001"
                              << "33.";
        QTest::newRow("metric") << true << "0.8"
                                << "0.2"
                                << "1.6"
                                << "0.0063"
                                << "2.08";
    }
    void lathe() {
        QFETCH(bool, metric);
        QFETCH(QString, radius);
        QFETCH(QString, feed);
        if (metric) s_->InchMetric();
        Option("optLathe")->click();
        QVERIFY(s_->findChild<QWidget*>("picLathe")->isVisible());
        QCOMPARE(Field("Label3"), QString("Feed per rev."));
        QVERIFY(Box("txtTNR")->isEnabled() && !Box("txtToolDia")->isEnabled());
        QCOMPARE(Stored("LatheMill", "SurfaceFin"), std::string("Lathe"));
        TypeAndLeave("txtTNR", radius);
        TypeAndLeave("txtStepover", feed);
        s_->Calculate();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QTEST(Text("txtToolDia"), "diameter");
        QTEST(Field("lblPeakHeight"), "peak");
        QTEST(Field("lblSurfFin"), "ra");
        // The boxes stay tied.
        TypeAndLeave("txtTNR", "0.04");
        QCOMPARE(Text("txtToolDia"), QString("0.08"));
    }

    void stepoverLimits() {
        TypeAndLeave("txtToolDia", "0.5");
        TypeAndLeave("txtStepover", "0.5");
        s_->Calculate();
        QCOMPARE(Field("lblPeakHeight"), QString("0.25"));
        TypeAndLeave("txtStepover", "0.6");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"If stepover is greater than the tool diameter the peak "
                                         "height is depth of cut."});
        QCOMPARE(Field("lblPeakHeight"), QString("0.25"));
    }

    void zeroRadiusNeverDivides() {
        // A 0 typed in the radius box and CALCULATE pressed: the box is settled first and
        // the missing diameter is reported.
        Option("optLathe")->click();
        QLineEdit* tnr = Box("txtTNR");
        tnr->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(tnr->hasFocus());
        tnr->setText("0");
        TypeAndLeave("txtStepover", "0.005");
        TypeAndLeave("txtTNR", "0.03125");
        tnr->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(tnr->hasFocus());
        tnr->setText("0");
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QCOMPARE(Messages(), QStringList{"Tool diameter greater than zero is required."});
        QVERIFY(Text("txtTNR").isEmpty());
        QCOMPARE(Text("txtToolDia"), QString("0"));
        // Called with a radius of 0 still in its box: no finish, nothing written.
        t_->messages.Clear();
        Box("txtToolDia")->setText("0.0625");
        tnr->setText("0");
        s_->Calculate();
        QVERIFY(Field("lblSurfFin").isEmpty());
        QCOMPARE(Field("lblPeakHeight"), QString("0.0001"));
    }

    void hugeSizesStayFinite() {
        TypeAndLeave("txtToolDia", "1E300");
        TypeAndLeave("txtStepover", "1E300");
        s_->Calculate();
        for (const QString& text : {Field("lblPeakHeight"), Field("lblSurfFin")}) {
            QVERIFY2(!text.contains("inf") && !text.contains("nan"), qPrintable(text));
        }
        QVERIFY(!Field("lblPeakHeight").isEmpty());
    }

    void remembersModeUnitAndDecimals() {
        t_->settings.SaveSetting("Arbormate", "LatheMill", "SurfaceFin", "Lathe");
        t_->settings.SaveSetting("Arbormate", "InchMetric", "SurfaceFin", "METRIC SYSTEM");
        t_->settings.SaveSetting("Arbormate", "DecimalPlaces", "BallNose", "3");
        Open();
        QVERIFY(Option("optLathe")->isChecked());
        QCOMPARE(s_->UnitCaption(), QString("METRIC SYSTEM"));
        QCOMPARE(Text("txtDecPlaces"), QString("3"));
        // RESET empties the values and enables both edge boxes; mode and unit stay.
        TypeAndLeave("txtTNR", "0.8");
        s_->Reset();
        QVERIFY(Text("txtTNR").isEmpty() && Text("txtToolDia").isEmpty());
        QVERIFY(Box("txtTNR")->isEnabled() && Box("txtToolDia")->isEnabled());
        QVERIFY(Option("optLathe")->isChecked());
        // The visible CLOSE pair closes and keeps the decimal places.
        Box("txtDecPlaces")->setText("2");
        Click(s_->findChild<QWidget*>("lblClose1"));
        QTRY_VERIFY(!s_);
        QCOMPARE(Stored("DecimalPlaces", "Ballnose"), std::string("2"));
        // An unknown stored unit counts as inch.
        t_->settings.SaveSetting("Arbormate", "InchMetric", "SurfaceFin", "furlongs");
        Open();
        QCOMPARE(s_->UnitCaption(), QString("INCH SYSTEM"));
    }

    void opensFromTheMenuAndFromSpeedsAndFeeds() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTurningScreens(menu);
        QVERIFY(qobject_cast<frmBallnoseV74*>(menu.OpenScreen("picSurfFin")));
        menu.OpenInstance("picSurfFin")->close();
        QTRY_VERIFY(!menu.OpenInstance("picSurfFin"));

        QPointer<frmSpeedFeedV74> speeds = new frmSpeedFeedV74(t_->env);
        speeds->show();
        QVERIFY(speeds->findChild<QWidget*>("lblSurfFin1")->isEnabled());
        Click(speeds->findChild<QWidget*>("lblSurfFin2"));
        auto* finish = qobject_cast<frmBallnoseV74*>(speeds->SurfaceFinishScreen());
        QVERIFY(finish);
        QCOMPARE(finish->parentWidget(), speeds.data());
        Click(finish->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!speeds->SurfaceFinishScreen());
        speeds->close();
        QTRY_VERIFY(!speeds);
        frmSpeedFeedV74::SetSurfaceFinishMaker({});
    }
};

QTEST_MAIN(SurfaceFinishScreenTest)
#include "SurfaceFinishScreenTest.moc"
