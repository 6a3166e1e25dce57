#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "calc/TestCalcEnv.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "common/HelpWindow.h"
#include "speedfeed/SpeedFeedScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const char* const kAskMetric =
    "You have chosen a metric drill list. Would you like these calculations to switch to "
    "metric mode?";
const char* const kAskInch =
    "You have chosen an Inch drill list. Would you like these calculations to switch to Inch "
    "mode?";

// A screen that is closed (and so deleted) when the test ends.
template <typename Screen>
struct Open {
    QPointer<Screen> screen;
    explicit Open(Screen* s) : screen(s) {}
    ~Open() {
        if (screen) screen->close();
    }
    Screen* operator->() const { return screen; }
    Screen* get() const { return screen; }
};

void Release(QWidget* screen, const char* name) {
    auto* label = screen->findChild<QLabel*>(name);
    QVERIFY2(label, name);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton);
}

QLineEdit* Box(QWidget* screen, const char* name) {
    auto* box = screen->findChild<QLineEdit*>(name);
    if (!box) qFatal("no box %s", name);
    return box;
}

QString Text(QWidget* screen, const char* name) {
    return Box(screen, name)->text();
}

QRadioButton* Option(QWidget* screen, const char* name) {
    auto* opt = screen->findChild<QRadioButton*>(name);
    if (!opt) qFatal("no option %s", name);
    return opt;
}

QComboBox* Combo(QWidget* screen, const char* name) {
    auto* cbo = screen->findChild<QComboBox*>(name);
    if (!cbo) qFatal("no list %s", name);
    return cbo;
}

QStringList Texts(const TestCalcEnv& t) {
    QStringList out;
    for (const std::string& s : t.messages.Texts()) out << QString::fromStdString(s);
    return out;
}

// Picks a row of a drop-down list the way the machinist does.
void Activate(QComboBox* cbo, int index) {
    cbo->setCurrentIndex(index);
    emit cbo->activated(index);
}

int RowOf(QComboBox* cbo, const QString& text) {
    return cbo->findText(text);
}

}  // namespace

class SpeedFeedScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestCalcEnv> t;

    frmSpeedFeedV74* NewScreen() {
        auto* s = new frmSpeedFeedV74(t->env);
        return s;
    }
    // Shown and active, for tests that move the focus.
    frmSpeedFeedV74* ShownScreen() {
        auto* s = NewScreen();
        s->show();
        s->activateWindow();
        if (!QTest::qWaitForWindowActive(s)) qWarning("window not active");
        return s;
    }
    void Leave(QLineEdit* box) {
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        t = std::make_unique<TestCalcEnv>();
        t->SetLanguage("English");
    }
    void cleanup() { t.reset(); }

    void freshScreenShowsTheDesignState() {
        t->SetLanguage("");
        Open s(NewScreen());
        QCOMPARE(s->windowTitle(), QString("Machining Calculations"));
        QCOMPARE(s->findChild<QLabel*>("lblTitle")->text(), QString("Machining Calculations"));
        // Nothing is stored for the user: the desktop's language goes on applying.
        QCOMPARE(t->settings.GetSetting("Arbormate", "Calcs", "Language"), std::string());
        QVERIFY(Option(s.get(), "optInch")->isChecked());
        QVERIFY(Option(s.get(), "optSSpeed")->isChecked());
        QVERIFY(Option(s.get(), "optFeedRev")->isChecked());
        QCOMPARE(Option(s.get(), "optSSpeed")->text(), QString("Surface speed: Feet/min"));
        QCOMPARE(Option(s.get(), "optFeedRev")->text(), QString("Inches/Rev   (or thread pitch)"));
        QVERIFY(!Box(s.get(), "txtSSpeed")->isReadOnly());
        QVERIFY(Box(s.get(), "txtRPM")->isReadOnly());
        QVERIFY(!Box(s.get(), "txtFeedRev")->isReadOnly());
        QVERIFY(Box(s.get(), "txtFeedFlute")->isReadOnly());
        QVERIFY(Box(s.get(), "txtInchesPerMinute")->isReadOnly());
        QCOMPARE(Text(s.get(), "txtPointAngle"), QString("118"));
        QCOMPARE(Combo(s.get(), "cboNumFlutes")->currentText(), QString("1"));
        QCOMPARE(Combo(s.get(), "cboNumFlutes")->count(), 100);
        QCOMPARE(Text(s.get(), "txtDia"), QString("0"));
        QCOMPARE(Text(s.get(), "txtDecPlaces"), QString("4"));
        QVERIFY(!s->DrillingShown());
        QCOMPARE(s->findChild<QLabel*>("lblShowHide")->text(),
                 QString("Show Drill Point/Countersink"));
        QVERIFY(s->findChild<QWidget*>("DrillPoint1b")->isHidden());
        QVERIFY(!s->findChild<QWidget*>("DrillPoint2b")->isHidden());
        QCOMPARE(s->findChild<QWidget*>("DrillPoint2b")->geometry(),
                 s->findChild<QWidget*>("DrillPoint1b")->geometry());
        // Every chart of the drill chart text reaches the screen, with all its rows.
        const std::vector<DrillChart> charts = ParseDrillCharts(DrillChartLines());
        QCOMPARE(s->Charts().Charts().size(), charts.size());
        for (std::size_t i = 0; i < charts.size(); ++i)
            QCOMPARE(s->Charts().Charts()[i].entries.size(), charts[i].entries.size());
        auto* names = Combo(s.get(), "cboChartName");
        QCOMPARE(names->count(), 4);
        QCOMPARE(names->currentText(), QString("Decimal equivalents of Inch drills (inch)"));
        auto* drills = Combo(s.get(), "cboDrillCharts");
        QCOMPARE(drills->count(), 169);
        QCOMPARE(drills->currentText(), QString("Select a Drill"));
        QVERIFY(drills->isEnabled());
        QCOMPARE(Box(s.get(), "txtDia")->toolTip(),
                 QString("Common fractions under 1 may be entered here."));
        QVERIFY(t->messages.Empty());
    }

    void storedSettingsApplyAtLoad() {
        t->settings.SaveSetting("Arbormate", "DecimalPlaces", "Speedfeed", "3");
        t->settings.SaveSetting("Arbormate", "InchMetric", "SpeedFeed", "Metric");
        {
            Open s(NewScreen());
            QCOMPARE(Text(s.get(), "txtDecPlaces"), QString("3"));
            QVERIFY(Option(s.get(), "optMetric")->isChecked());
            QCOMPARE(Option(s.get(), "optSSpeed")->text(), QString("Surface speed in M/Min"));
            QCOMPARE(Option(s.get(), "optFeedRev")->text(),
                     QString("MM per Rev (or thread pitch)"));
            QCOMPARE(Text(s.get(), "txtDia"), QString("0.0"));
            QCOMPARE(Text(s.get(), "txtSSpeed"), QString("0.0"));
            // The first chart is an inch chart, chosen while the screen was still inch.
            QVERIFY(t->messages.Empty());
            Box(s.get(), "txtDecPlaces")->setText("2");
        }
        QCOMPARE(t->settings.GetSetting("Arbormate", "DecimalPlaces", "SpeedFeed"),
                 std::string("2"));

        t->settings.SaveSetting("Arbormate", "InchMetric", "SpeedFeed", "Inch");
        Open s(NewScreen());
        QVERIFY(Option(s.get(), "optInch")->isChecked());
        QCOMPARE(Option(s.get(), "optSSpeed")->text(), QString("Surface speed in Feet/Min"));
        QCOMPARE(Text(s.get(), "txtDia"), QString("0.0"));
        QCOMPARE(Text(s.get(), "txtSSpeed"), QString("0"));
    }

    void calculateSpeedsAndFeeds_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("sSpeed");
        QTest::addColumn<QString>("rpm");
        QTest::addColumn<QString>("feedFlute");
        QTest::addColumn<QString>("teeth");
        QTest::addColumn<QStringList>("expected");  // dia, sSpeed, rpm, feedRev, feedFlute, ipm
        QTest::newRow("inch surface speed")
            << false << "optSSpeed"
            << "0.5"
            << "100"
            << "0"
            << "0"
            << "1" << QStringList{"0.5", "100", "764", "0", "0.0", "0.0"};
        QTest::newRow("feed per tooth")
            << false << "optFeedFlute"
            << "0.5"
            << "100"
            << "0"
            << "0.002"
            << "4" << QStringList{"0.5", "100", "764", "0.008", "0.002", "6.112"};
        QTest::newRow("metric surface speed")
            << true << "optSSpeed"
            << "10"
            << "30"
            << "0"
            << "0"
            << "1" << QStringList{"10", "30", "955", "0", "0.0", "0.0"};
        QTest::newRow("inch spindle speed")
            << false << "optRPM"
            << "0.5"
            << "0"
            << "1000"
            << "0"
            << "1" << QStringList{"0.5", "131", "1000", "0", "0.0", "0.0"};
        QTest::newRow("metric spindle speed")
            << true << "optRPM"
            << "10"
            << "0"
            << "1000"
            << "0"
            << "1" << QStringList{"10", "31.42", "1000", "0", "0.0", "0.0"};
        QTest::newRow("diameter from both speeds")
            << false << "optSSpeed"
            << "0"
            << "100"
            << "764"
            << "0"
            << "1" << QStringList{"0.5", "100", "764", "0", "0.0", "0.0"};
    }
    void calculateSpeedsAndFeeds() {
        QFETCH(bool, metric);
        QFETCH(QString, mode);
        QFETCH(QString, dia);
        QFETCH(QString, sSpeed);
        QFETCH(QString, rpm);
        QFETCH(QString, feedFlute);
        QFETCH(QString, teeth);
        QFETCH(QStringList, expected);
        Open s(NewScreen());
        if (metric) Option(s.get(), "optMetric")->setChecked(true);
        if (mode == "optFeedFlute") {
            Option(s.get(), "optFeedFlute")->setChecked(true);
        } else {
            Option(s.get(), mode.toUtf8().constData())->setChecked(true);
        }
        Box(s.get(), "txtDia")->setText(dia);
        Box(s.get(), "txtSSpeed")->setText(sSpeed);
        Box(s.get(), "txtRPM")->setText(rpm);
        Box(s.get(), "txtFeedRev")->setText("0");
        Box(s.get(), "txtFeedFlute")->setText(feedFlute);
        Combo(s.get(), "cboNumFlutes")->setEditText(teeth);
        Release(s.get(), "lblCalculate2");
        const QStringList actual{
            Text(s.get(), "txtDia"),       Text(s.get(), "txtSSpeed"),
            Text(s.get(), "txtRPM"),       Text(s.get(), "txtFeedRev"),
            Text(s.get(), "txtFeedFlute"), Text(s.get(), "txtInchesPerMinute")};
        QCOMPARE(actual, expected);
        QCOMPARE(Texts(*t), QStringList());
    }

    void drillingDisplayTogglesAndCalculates() {
        Open s(NewScreen());
        Release(s.get(), "lblShowHide");
        QVERIFY(s->DrillingShown());
        QCOMPARE(s->findChild<QLabel*>("lblShowHide")->text(),
                 QString("Hide Drill Point/Countersink"));
        for (const char* name : {"lblPtLen", "lblPtAng", "lblTotalDepth", "txtDrlPoint",
                                 "txtPointAngle", "txtTotalDepth", "txtDrlDepth", "TopPointLength",
                                 "BottomPointLen", "Line1", "Line10", "DrillPoint1b"}) {
            QVERIFY2(!s->findChild<QWidget*>(name)->isHidden(), name);
        }
        QVERIFY(s->findChild<QWidget*>("DrillPoint2b")->isHidden());

        // Only the design angle: nothing is computed.
        Release(s.get(), "lblCalculate1");
        QCOMPARE(Texts(*t),
                 QStringList{"Point Length or Diameter of Tool should be greater than zero."});
        t->messages.Clear();

        Box(s.get(), "txtDia")->setText("0.5");
        Box(s.get(), "txtDrlDepth")->setText("1");
        Release(s.get(), "lblCalculate2");
        QCOMPARE(Text(s.get(), "txtDrlPoint"), QString("0.1502"));
        QCOMPARE(Text(s.get(), "txtTotalDepth"), QString("1.1502"));

        Box(s.get(), "txtDia")->setText("0");
        Release(s.get(), "lblCalculate2");
        QCOMPARE(Text(s.get(), "txtDia"), QString("0.4999"));

        Box(s.get(), "txtDia")->setText("0.5");
        Box(s.get(), "txtPointAngle")->setText("0");
        Release(s.get(), "lblCalculate2");
        QCOMPARE(Text(s.get(), "txtPointAngle"), QString("118.0051"));

        Release(s.get(), "lblShowHide");
        QVERIFY(!s->DrillingShown());
        QCOMPARE(Text(s.get(), "txtDrlPoint"), QString("0.1502"));  // hidden boxes keep texts
        QVERIFY(t->messages.Empty());
    }

    void failureNamesRpmAndWritesNothing() {
        Open s(NewScreen());
        Option(s.get(), "optRPM")->setChecked(true);
        Option(s.get(), "optFeedFlute")->setChecked(true);
        Release(s.get(), "lblShowHide");
        Box(s.get(), "txtDrlPoint")->setText("0.1502");
        Box(s.get(), "txtFeedFlute")->setText("0.002");
        Box(s.get(), "txtFeedRev")->setText("7");
        Release(s.get(), "lblCalculate2");
        QCOMPARE(Texts(*t), QStringList{"RPM needs a value greater than zero."});
        QCOMPARE(Text(s.get(), "txtInchesPerMinute"), QString("0"));
        QCOMPARE(Text(s.get(), "txtDia"), QString("0"));
        QCOMPARE(Text(s.get(), "txtFeedRev"), QString("7"));
    }

    void aStoredLanguageSurvivesOpeningTheScreen() {
        for (const char* stored : {"German", "French", "English"}) {
            t->SetLanguage(stored);
            { Open s(NewScreen()); }
            QCOMPARE(t->settings.GetSetting("Arbormate", "Calcs", "Language"), std::string(stored));
        }
    }

    void resetKeepsAngleTeethAndOptions() {
        Open s(NewScreen());
        Option(s.get(), "optMetric")->setChecked(true);
        for (const char* name :
             {"txtDia", "txtSSpeed", "txtRPM", "txtFeedRev", "txtFeedFlute", "txtInchesPerMinute",
              "txtDrlPoint", "txtDrlDepth", "txtTotalDepth"}) {
            Box(s.get(), name)->setText("5");
        }
        Box(s.get(), "txtPointAngle")->setText("90");
        Combo(s.get(), "cboNumFlutes")->setEditText("3");
        Release(s.get(), "lblReset2");
        for (const char* name :
             {"txtDia", "txtSSpeed", "txtRPM", "txtFeedRev", "txtFeedFlute", "txtInchesPerMinute",
              "txtDrlPoint", "txtDrlDepth", "txtTotalDepth"}) {
            QCOMPARE(Text(s.get(), name), QString("0"));
        }
        QCOMPARE(Text(s.get(), "txtPointAngle"), QString("90"));
        QCOMPARE(Combo(s.get(), "cboNumFlutes")->currentText(), QString("3"));
        QVERIFY(Option(s.get(), "optMetric")->isChecked());
    }

    void unitSwitchRoundTripIsStored() {
        Open s(NewScreen());
        Box(s.get(), "txtDia")->setText("0.5");
        Box(s.get(), "txtSSpeed")->setText("100");
        Box(s.get(), "txtRPM")->setText("764");
        QTest::mouseClick(Option(s.get(), "optMetric"), Qt::LeftButton);
        QCOMPARE(Text(s.get(), "txtDia"), QString("12.7"));
        QCOMPARE(Text(s.get(), "txtSSpeed"), QString("30.48"));
        QCOMPARE(Text(s.get(), "txtRPM"), QString("764"));
        QCOMPARE(Text(s.get(), "txtFeedRev"), QString("0.0"));
        QCOMPARE(Option(s.get(), "optInchesPerMinute")->text(), QString("MM per Minute"));
        QCOMPARE(t->settings.GetSetting("Arbormate", "InchMetric", "SpeedFeed"),
                 std::string("Metric"));
        // Choosing the unit already selected converts nothing.
        QTest::mouseClick(Option(s.get(), "optMetric"), Qt::LeftButton);
        QCOMPARE(Text(s.get(), "txtDia"), QString("12.7"));
        QTest::mouseClick(Option(s.get(), "optInch"), Qt::LeftButton);
        QCOMPARE(Text(s.get(), "txtDia"), QString("0.5"));
        QCOMPARE(Text(s.get(), "txtSSpeed"), QString("100"));
        QCOMPARE(Option(s.get(), "optFeedFlute")->text(), QString("Inches per tooth"));
        QCOMPARE(t->settings.GetSetting("Arbormate", "InchMetric", "SpeedFeed"),
                 std::string("Inch"));
    }

    void leavingBoxesAppliesTheEntryRules() {
        Open s(ShownScreen());
        auto* dia = Box(s.get(), "txtDia");
        dia->setText("3/8");
        Leave(dia);
        QCOMPARE(dia->text(), QString("3/8"));
        dia->setText("-2");
        Leave(dia);
        QCOMPARE(dia->text(), QString("0"));
        QCOMPARE(Texts(*t), QStringList{"Negative values are not allowed."});
        t->messages.Clear();
        dia->setText("");
        Leave(dia);
        QCOMPARE(dia->text(), QString("0"));

        // Surface speed refuses a negative entry and keeps the focus.
        auto* speed = Box(s.get(), "txtSSpeed");
        speed->setText("-5");
        Leave(speed);
        QCOMPARE(Texts(*t), QStringList{"Surface speed needs a value greater than zero."});
        QTRY_VERIFY(speed->hasFocus());
        QCOMPARE(speed->text(), QString("-5"));
        speed->setText("120");
        t->messages.Clear();
        Leave(speed);
        QVERIFY(t->messages.Empty());

        Release(s.get(), "lblShowHide");
        auto* angle = Box(s.get(), "txtPointAngle");
        angle->setText("200");
        Leave(angle);
        QCOMPARE(Texts(*t), QStringList{"You entered an invalid value for 200."});
        QCOMPARE(angle->text(), QString("200"));
        t->messages.Clear();

        Option(s.get(), "optFeedFlute")->setChecked(true);
        auto* tooth = Box(s.get(), "txtFeedFlute");
        tooth->setText("");
        Leave(tooth);
        QCOMPARE(tooth->text(), QString());
        QVERIFY(t->messages.Empty());
    }

    void teethCheckKeepsTheFocus() {
        Open s(ShownScreen());
        auto* teeth = Combo(s.get(), "cboNumFlutes");
        teeth->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(teeth->hasFocus());
        teeth->setEditText("2.5");
        QTest::keyClick(teeth, Qt::Key_Tab);
        QCOMPARE(Texts(*t),
                 QStringList{"Only Integers may be entered into the Number of Teeth field."});
        QTRY_VERIFY(teeth->hasFocus());
        t->messages.Clear();
        teeth->setEditText("0");
        QTest::keyClick(teeth, Qt::Key_Tab);
        QCOMPARE(Texts(*t), QStringList{"Number of Teeth needs a value greater than zero."});
        QCOMPARE(teeth->currentText(), QString("1"));
        QTRY_VERIFY(teeth->hasFocus());
        t->messages.Clear();
        teeth->setEditText("4");
        QTest::keyClick(teeth, Qt::Key_Tab);
        QVERIFY(t->messages.Empty());
        QTRY_VERIFY(!teeth->hasFocus());
    }

    void metricChartAsksOncePerChoice_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("metricAfter");
        QTest::addColumn<QString>("chartShown");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("dia");
        QTest::newRow("yes") << int(MsgAnswer::Yes) << true << "ISO Metric tapping drills (MM)"
                             << 92 << "12.7";
        QTest::newRow("no") << int(MsgAnswer::No) << false << "ISO Metric tapping drills (MM)" << 92
                            << "0.5";
        QTest::newRow("cancel") << int(MsgAnswer::Cancel) << false
                                << "Decimal equivalents of Inch drills (inch)" << 169 << "0.5";
    }
    void metricChartAsksOncePerChoice() {
        QFETCH(int, answer);
        QFETCH(bool, metricAfter);
        QFETCH(QString, chartShown);
        QFETCH(int, rows);
        QFETCH(QString, dia);
        Open s(NewScreen());
        Box(s.get(), "txtDia")->setText("0.5");
        t->messages.QueueAnswer(static_cast<MsgAnswer>(answer));
        Combo(s.get(), "cboChartName")->setCurrentIndex(3);
        QCOMPARE(Texts(*t), QStringList{kAskMetric});
        QVERIFY(t->messages.Last().question);
        QCOMPARE(Option(s.get(), "optMetric")->isChecked(), metricAfter);
        QCOMPARE(Combo(s.get(), "cboChartName")->currentText(), chartShown);
        QCOMPARE(Combo(s.get(), "cboDrillCharts")->count(), rows);
        QCOMPARE(Combo(s.get(), "cboDrillCharts")->currentText(), QString("Select a Drill"));
        QCOMPARE(Text(s.get(), "txtDia"), dia);
    }

    void drillPickFillsTheDiameter() {
        Open s(NewScreen());
        auto* drills = Combo(s.get(), "cboDrillCharts");
        Activate(drills, RowOf(drills, "Drill: #80 ------Decimal: .0135"));
        QCOMPARE(Text(s.get(), "txtDia"), QString(".0135"));
        QVERIFY(t->messages.Empty());
        Box(s.get(), "txtDia")->setText("0.75");
        Activate(drills, 0);  // the prompt row
        QCOMPARE(Text(s.get(), "txtDia"), QString("0.75"));

        // Metric screen, inch chart, answer No: the inch value lands unconverted.
        Option(s.get(), "optMetric")->setChecked(true);
        t->messages.QueueAnswer(MsgAnswer::No);
        Activate(drills, RowOf(drills, "Drill: #80 ------Decimal: .0135"));
        QCOMPARE(Texts(*t), QStringList{kAskInch});
        QCOMPARE(Text(s.get(), "txtDia"), QString(".0135"));
        QVERIFY(Option(s.get(), "optMetric")->isChecked());

        // The metric chart on an inch screen asks nothing when a drill is picked.
        t->messages.Clear();
        Option(s.get(), "optInch")->setChecked(true);
        t->messages.QueueAnswer(MsgAnswer::No);
        Combo(s.get(), "cboChartName")->setCurrentIndex(3);
        t->messages.Clear();
        Activate(drills, RowOf(drills, "M4 X 0.70 Tap--------Drill 3.30"));
        QCOMPARE(Text(s.get(), "txtDia"), QString("3.30"));
        QVERIFY(t->messages.Empty());
    }

    void inchChartOnMetricScreenAsksOnceOnly() {
        Open s(NewScreen());
        t->messages.QueueAnswer(MsgAnswer::Yes);
        Combo(s.get(), "cboChartName")->setCurrentIndex(3);
        QVERIFY(Option(s.get(), "optMetric")->isChecked());
        t->messages.Clear();
        t->messages.QueueAnswer(MsgAnswer::No);
        Combo(s.get(), "cboChartName")->setCurrentIndex(1);
        QCOMPARE(Texts(*t), QStringList{kAskInch});
        QVERIFY(Option(s.get(), "optMetric")->isChecked());
        QCOMPARE(Combo(s.get(), "cboDrillCharts")->count(), 87);
    }

    void materialsPickSearchAndCopy() {
        Open s(NewScreen());
        Release(s.get(), "lblMaterials2");
        frmMaterialsV74* m = s->MaterialsScreen();
        QVERIFY(m);
        QCOMPARE(m->windowTitle(), QString("Material List"));
        auto* list = m->findChild<QListWidget*>("lstMaterials");
        QCOMPARE(list->count(), 322);
        QCOMPARE(list->height(), 303);  // 4545 twips
        QCOMPARE(m->findChild<QLabel*>("lblMaterialName")->text(), QString("Label1"));

        Release(m, "lblBackButton");
        QCOMPARE(list->height(), 238);  // 3570 twips
        QCOMPARE(m->findChild<QLabel*>("lblMaterialName")->text(),
                 QString("Plain carbon steel, B1111, AISI B1112, AISI B1113, 140-180Bhn, HSS: "));
        QCOMPARE(Text(m, "txtFPM"), QString("140"));
        QCOMPARE(Text(m, "txtMPM"), QString("42.67"));

        list->setCurrentRow(list->row(
            list->findItems("Beryllium Copper, A CD, HSS:105", Qt::MatchExactly).value(0)));
        QCOMPARE(m->findChild<QLabel*>("lblMaterialName")->text(),
                 QString("Beryllium Copper, A CD, HSS: "));
        QCOMPARE(Text(m, "txtMPM"), QString("32.0"));

        Box(m, "txtSearch")->setText("Aluminum Bronze");
        Release(m, "lblSearchButton");
        QCOMPARE(Text(m, "txtSearch"), QString("aluminium"));
        QCOMPARE(list->currentItem()->text(),
                 QString("aluminium, wrought alloys (all), cd, hss:600"));
        QCOMPARE(Text(m, "txtFPM"), QString("600"));
        QCOMPARE(Text(m, "txtMPM"), QString("182.88"));

        Box(m, "txtSearch")->setText("BRASS");
        Release(m, "lblSearchButton");
        QCOMPARE(m->findChild<QLabel*>("lblMaterialName")->text(),
                 QString("leaded brass, a cd, hss: "));
        QCOMPARE(list->item(list->currentRow() + 1)->text(),
                 QString("Leaded Brass, A CD, Carbide:900"));

        const int before = list->currentRow();
        Box(m, "txtSearch")->setText("zzz");
        Release(m, "lblSearchButton");
        QCOMPARE(Texts(*t), QStringList{"'zzz' not found."});
        QCOMPARE(t->messages.Last().caption, std::string("Calculations for Tarvik"));
        QCOMPARE(list->currentRow(), before);
        QCOMPARE(list->item(321)->text(), list->item(321)->text().toLower());

        // Copy back in the speeds and feeds screen's unit: inch, then metric.
        Release(m, "lblCopyButton2");
        QCOMPARE(Text(s.get(), "txtSSpeed"), QString("325"));
        Option(s.get(), "optMetric")->setChecked(true);
        Release(m, "lblCopyButton1");
        QCOMPARE(Text(s.get(), "txtSSpeed"), QString("99.06"));
        QVERIFY(m->isVisible());
        m->close();
        QTRY_VERIFY(!s->MaterialsScreen());
    }

    void surfaceFinishWaitsForItsScreen() {
        {
            Open s(NewScreen());
            auto* face = s->findChild<QWidget*>("lblSurfFin1");
            QVERIFY(!face->isEnabled());
            QCOMPARE(face->toolTip(), QString("The surface finish screen is not available yet."));
            Release(s.get(), "lblSurfFin2");
            QVERIFY(!s->SurfaceFinishScreen());
        }
        frmSpeedFeedV74::SetSurfaceFinishMaker([](CalcEnv&) { return new QWidget; });
        {
            Open s(NewScreen());
            QVERIFY(s->findChild<QWidget*>("lblSurfFin1")->isEnabled());
            Release(s.get(), "lblSurfFin2");
            QVERIFY(s->SurfaceFinishScreen());
            s->SurfaceFinishScreen()->close();
        }
        {
            // A refused entry in the box being typed in stops the command.
            Open s(ShownScreen());
            QLineEdit* dia = Box(s.get(), "txtSSpeed");
            dia->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(dia->hasFocus());
            dia->setText("-5");
            Release(s.get(), "lblSurfFin2");
            QVERIFY(!s->SurfaceFinishScreen());
            QVERIFY(!t->messages.Empty());
        }
        frmSpeedFeedV74::SetSurfaceFinishMaker({});
    }

    // The materials list and the surface finish screen hold the speeds and feeds screen
    // (and so the menu) still, but leave other windows, such as the help they open, usable.
    void openedScreensBlockOnlyTheSpeedsScreen() {
        frmSpeedFeedV74::SetSurfaceFinishMaker([](CalcEnv&) { return new QWidget; });
        QPushButton other("help stand-in");
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        int clicks = 0;
        connect(&other, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        Open s(ShownScreen());
        Box(s.get(), "txtDia")->setText("5");
        // A real mouse click on a window, as the window system delivers it.
        auto clickThroughWindow = [](QWidget* w) {
            QWindow* window = w->window()->windowHandle();
            QTest::mouseClick(window, Qt::LeftButton, {},
                              window->mapFromGlobal(w->mapToGlobal(w->rect().center())));
        };

        for (const char* opener : {"lblMaterials1", "lblSurfFin1"}) {
            Release(s.get(), opener);
            QWidget* opened = std::string(opener) == "lblMaterials1"
                                  ? static_cast<QWidget*>(s->MaterialsScreen())
                                  : s->SurfaceFinishScreen();
            QVERIFY2(opened, opener);
            QVERIFY(QTest::qWaitForWindowExposed(opened));
            clicks = 0;
            clickThroughWindow(&other);
            QVERIFY2(clicks == 1, opener);
            clickThroughWindow(s->findChild<QWidget*>("lblReset1"));
            QCOMPARE(Text(s.get(), "txtDia"), QString("5"));
            opened->close();
            QTest::qWait(0);
        }
        // With nothing open over it the screen takes the click again.
        clickThroughWindow(s->findChild<QWidget*>("lblReset1"));
        QCOMPARE(Text(s.get(), "txtDia"), QString("0"));
        frmSpeedFeedV74::SetSurfaceFinishMaker({});
    }

    void helpOpensTheTopicsAndCloseSaves() {
        CalcScreen::SetHelpFolder(CALC_HELP_DIR);
        QPointer<frmSpeedFeedV74> s = NewScreen();
        Release(s, "lblHelp2");
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(),
                 QString("html/SpeedsFeeds.htm"));
        Release(s, "lblMaterials1");
        Release(s->MaterialsScreen(), "lblQuestion");
        QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(),
                 QString("html/MaterialList.htm"));
        Release(s->MaterialsScreen(), "lblX");
        QTRY_VERIFY(!s->MaterialsScreen());
        QVERIFY(common::HelpWindow::OpenWindows().isEmpty());
        QVERIFY(t->settings.GetSetting("Arbormate", "DecimalPlaces", "SpeedFeed").empty());

        Box(s, "txtDecPlaces")->setText("3");
        Release(s, "lblHelp1");
        Release(s, "lblX");
        QTRY_VERIFY(!s);
        QVERIFY(common::HelpWindow::OpenWindows().isEmpty());
        QCOMPARE(t->settings.GetSetting("Arbormate", "DecimalPlaces", "SpeedFeed"),
                 std::string("3"));
    }

    void printsTheSpeedAndFeedData() {
        QTemporaryDir dir;
        Open s(NewScreen());
        Option(s.get(), "optMetric")->setChecked(true);
        Box(s.get(), "txtDia")->setText("10");
        Box(s.get(), "txtSSpeed")->setText("30");
        Release(s.get(), "lblCalculate2");
        const QString pdf = dir.filePath("answer.pdf");
        s->SetPrintHooks(PdfPrintHooks(pdf));
        QCOMPARE(s->PrintText(),
                 QString("Speed Data\n\r\n\rDiameter of workpiece or cutting tool: 10\n\r"
                         "Surface speed in M/Min: 30\n\rRPM: 955\n\rFeed Data\n\r"
                         "MM per Revolution(Thread Pitch): 0.0\n\rMM per tooth: 0.0\n\r"
                         "MM per Minute: 0.0"));
        Release(s.get(), "lblPrint2");
        QVERIFY(QFile::exists(pdf));
        const QString printed = PdfText(pdf, {"-layout"});
        QVERIFY2(printed.contains("Surface speed in M/Min: 30"), qPrintable(printed));
        QVERIFY(printed.contains("RPM: 955"));
    }
};

QTEST_MAIN(SpeedFeedScreenTest)
#include "SpeedFeedScreenTest.moc"
