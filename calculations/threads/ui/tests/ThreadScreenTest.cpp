#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "common/HelpWindow.h"
#include "threads/ThreadScreens.h"

using namespace calc;
using namespace calc::testing;

class ThreadScreenTest : public QObject, ScreenFixture<frmThreadMeasureV74> {
    Q_OBJECT

    QLabel* Field(const char* name) { return s_->findChild<QLabel*>(name); }
    QRadioButton* Option(const char* name) { return s_->findChild<QRadioButton*>(name); }
    QString Text(const char* name) {
        if (QLineEdit* box = Box(name)) return box->text();
        return Field(name)->text();
    }
    void Open() {
        s_ = new frmThreadMeasureV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    // 1/2-13 UNC with a 0.0444 wire.
    void EnterHalfInchUnc() {
        TypeAndLeave("txtTPIpitch", "13");
        TypeAndLeave("txtNomDia", "1/2");
        TypeAndLeave("txtActualWire", ".0444");
    }
    QStringList Data() {
        QStringList out;
        for (const char* name :
             {"txtMajDiaScr", "txtMinDiaScr", "txtMinDiaNut", "txtHghtScr", "txtHghtNut"})
            out << Text(name);
        return out;
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        Open();
    }
    void cleanup() { CloseScreen(); }

    void opensInItsStoredLayout() {
        QCOMPARE(s_->size(), QSize(690, 609));
        QCOMPARE(s_->windowTitle(), QString("Measure threads"));
        QCOMPARE(Field("lblTitle")->text(), QString("Measure Threads with Wires"));
        QVERIFY(Option("optSixtyInch")->isChecked());
        QVERIFY(Option("optTPI")->isChecked() && Option("optTPI")->isEnabled());
        QVERIFY(Option("optNomDia")->isChecked());
        QVERIFY(Option("optInch")->isChecked());
        QCOMPARE(Text("txtDecPlaces"), QString("4"));
        for (const char* box : {"txtTPIpitch", "txtNomDia", "txtActualWire", "txtPitchDia",
                                "txtMOW", "txtBestWire", "txtMajDiaScr", "txtHghtNut"})
            QCOMPARE(Text(box), QString("0"));
        auto* list = s_->findChild<QComboBox*>("cboNumOD");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 10);
        QCOMPARE(list->itemText(9), QString("#12 = 0.216"));
        QCOMPARE(list->placeholderText(), QString("Nom dia of # thds"));
        QVERIFY(Field("lblCalcedThread")
                    ->text()
                    .startsWith("This illustration shows Maximum Material"));
        QCOMPARE(Field("lblMinDiaScr")->text(), QString("Minor Dia. External:"));
        QVERIFY(Box("txtMajDiaScr")->isReadOnly());
        QVERIFY(Box("txtPitchDia")->isReadOnly() && !Box("txtNomDia")->isReadOnly());
    }

    void halfInchUncFromTheMajorDiameter() {
        EnterHalfInchUnc();
        Press("lblCalculate1");
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QVERIFY(Box("txtPitchDia")->isHidden() && Field("lblPitchDia")->isVisible());
        QVERIFY(Box("txtMOW")->isHidden() && Field("lblMOW")->isVisible());
        QCOMPARE(Text("lblPitchDia"), QString("0.45"));
        QCOMPARE(Text("lblMOW"), QString("0.5166"));
        QCOMPARE(Data(), (QStringList{"0.5", "0.4056", "0.4167", "0.0472", "0.0416"}));
        Box("txtDecPlaces")->setText("5");
        s_->Calculate();
        QCOMPARE(Text("lblPitchDia"), QString("0.45004"));
        QCOMPARE(Text("lblMOW"), QString("0.51662"));
        QCOMPARE(Data(), (QStringList{"0.5", "0.40563", "0.41673", "0.04719", "0.04164"}));
        // Best wire: 0.57735 x P.
        Press("lblBestWire2");
        QCOMPARE(Text("txtBestWire"), QString("0.04441"));
    }

    void refusalsWriteNothing() {
        Press("lblCalculate1");
        QCOMPARE(Messages(), QStringList{"An actual wire size is required."});
        t_->messages.Clear();
        TypeAndLeave("txtActualWire", ".0444");
        Press("lblCalculate1");
        QCOMPARE(Messages(), QStringList{"Please enter a value for TPI or Thread Pitch."});
        t_->messages.Clear();
        TypeAndLeave("txtTPIpitch", "13");
        Press("lblCalculate1");
        QCOMPARE(t_->messages.Last().text, std::string("Nominal thread size is required."));
        QCOMPARE(t_->messages.Last().caption, std::string("Major Diam."));
        QVERIFY(Box("txtPitchDia")->isVisible() && Field("lblPitchDia")->text().isEmpty());
        t_->messages.Clear();
        Press("lblReset1");
        Press("lblBestWire1");
        QCOMPARE(Messages(), QStringList{"Thread Pitch or TPI required"});
        QCOMPARE(Text("txtBestWire"), QString("0"));
        // A pitch out of proportion to the diameter.
        t_->messages.Clear();
        TypeAndLeave("txtTPIpitch", "1");
        TypeAndLeave("txtNomDia", ".1");
        TypeAndLeave("txtActualWire", ".05");
        Press("lblCalculate1");
        QCOMPARE(Messages(), QStringList{"Impossible data are entered."});
        QVERIFY(Box("txtPitchDia")->isVisible() && Field("lblPitchDia")->text().isEmpty());
        QCOMPARE(Data(), (QStringList{"0", "0", "0", "0", "0"}));
    }

    // The leave check of the box being typed in runs before a command.
    void aPendingEntryIsCheckedBeforeCalculate() {
        EnterHalfInchUnc();
        QLineEdit* wire = Box("txtActualWire");
        wire->setFocus(Qt::TabFocusReason);
        wire->setText("abc");
        Press("lblCalculate1");
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages()[0].startsWith("Please insert a valid amount into Actual Wire Size."));
        QVERIFY(Box("txtMOW")->isVisible() && Field("lblMOW")->text().isEmpty());
        QTRY_VERIFY(wire->hasFocus());
    }

    void givenPitchDiameterOrMeasurement() {
        EnterHalfInchUnc();
        s_->Calculate();
        // A given pitch diameter: the measurement follows from it and the thread data
        // from the diameter now entered.
        Option("optPDia")->click();
        QVERIFY(!Box("txtPitchDia")->isReadOnly() && Box("txtPitchDia")->isVisible());
        TypeAndLeave("txtNomDia", ".6");
        TypeAndLeave("txtPitchDia", ".45");
        TypeAndLeave("txtMOW", ".6");  // ignored: the pitch diameter wins
        s_->Calculate();
        QVERIFY(Box("txtPitchDia")->isVisible());
        QCOMPARE(Text("lblMOW"), QString("0.5166"));  // 0.45 - 0.86603/13 + 3 x 0.0444
        QCOMPARE(Text("txtMajDiaScr"), QString("0.6"));
        QCOMPARE(Text("txtMinDiaScr"), QString("0.5056"));
        // A given measurement: the pitch diameter follows.
        Press("lblReset1");
        EnterHalfInchUnc();
        Option("optMOW")->click();
        TypeAndLeave("txtMOW", ".516619");
        s_->Calculate();
        QVERIFY(Box("txtMOW")->isVisible() && Box("txtPitchDia")->isHidden());
        QCOMPARE(Text("lblPitchDia"), QString("0.45"));
        QCOMPARE(Text("txtHghtNut"), QString("0.0416"));
    }

    void acmeWithTheWireActuallyUsed() {
        Option("optTwentyNine")->click();
        QVERIFY(Field("lblCalcedThread")->text().startsWith("This illustration shows Basic"));
        QVERIFY(s_->findChild<QComboBox*>("cboNumOD")->isHidden());
        TypeAndLeave("txtTPIpitch", "10");
        TypeAndLeave("txtNomDia", "1");
        TypeAndLeave("txtActualWire", ".055");
        s_->Calculate();
        QCOMPARE(Text("lblPitchDia"), QString("0.942"));
        QCOMPARE(Text("lblMOW"), QString("1.0233"));
        QCOMPARE(Data(), (QStringList{"1.0", "0.88", "0.9", "0.06", "0.06"}));
        Press("lblBestWire1");
        QCOMPARE(Text("txtBestWire"), QString("0.0516"));
    }

    void trapezoidInMillimetres() {
        Option("optThirtyTrap")->click();
        QVERIFY(!Option("optTPI")->isEnabled() && Option("optThreadPitch")->isChecked());
        Option("optMetric")->click();
        TypeAndLeave("txtTPIpitch", "7");
        TypeAndLeave("txtNomDia", "40");
        TypeAndLeave("txtActualWire", "3.6");
        s_->Calculate();
        QCOMPARE(Data(), (QStringList{"40.0", "32.0", "33.0", "4.0", "4.0"}));
        QCOMPARE(Text("lblPitchDia"), QString("36.5"));
        // The same thread entered in inches is judged by its millimetre pitch.
        Option("optInch")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("0.2756"));
        s_->Calculate();
        QCOMPARE(Text("txtMinDiaNut"), QString("1.2992"));  // 33 mm
    }

    void whitworthCaptions() {
        Option("optFiftyFive")->click();
        QCOMPARE(Field("lblMinDiaScr")->text(), QString("Root and crest rad:"));
        QCOMPARE(Field("lblMinDiaNut")->text(), QString("Minor Dia:"));
        TypeAndLeave("txtTPIpitch", "12");
        TypeAndLeave("txtNomDia", ".5");
        TypeAndLeave("txtActualWire", ".05");
        s_->Calculate();
        QCOMPARE(Text("txtMinDiaScr"), QString("0.0114"));  // 0.137329 / 12
        Option("optSixtyISOmetric")->click();
        QCOMPARE(Field("lblMinDiaScr")->text(), QString("Minor Dia. External:"));
        QVERIFY(Option("optThreadPitch")->isChecked() && !Option("optTPI")->isEnabled());
        QCOMPARE(Text("txtNomDia"), QString("0"));  // selecting a form resets
    }

    void unitSwitchConvertsEverythingShown() {
        EnterHalfInchUnc();
        s_->Calculate();
        Press("lblBestWire1");
        Option("optMetric")->click();
        QVERIFY(Option("optThreadPitch")->isChecked() && !Option("optTPI")->isEnabled());
        QCOMPARE(Text("txtTPIpitch"), QString("1.9533"));  // 0.0769 in
        QCOMPARE(Text("txtNomDia"), QString("12.7"));
        QCOMPARE(Text("lblPitchDia"), QString("11.43"));
        QCOMPARE(Text("lblMOW"), QString("13.1216"));
        QCOMPARE(Text("txtBestWire"), QString("1.1278"));
        QCOMPARE(Text("txtMajDiaScr"), QString("12.7"));
        Option("optInch")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("0.0769"));
        QVERIFY(Option("optThreadPitch")->isChecked() && Option("optTPI")->isEnabled());
        QCOMPARE(Text("lblMOW"), QString("0.5166"));
        // 20 TPI becomes the pitch 1.27 and back.
        Press("lblReset1");
        Option("optTPI")->click();
        TypeAndLeave("txtTPIpitch", "20");
        Option("optMetric")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("1.27"));
        Option("optInch")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("0.05"));
    }

    // A form that takes threads per inch selects them in metric mode too: they stay per
    // inch (P = 25.4 / TPI mm), and switching to inch leaves them as they are.
    void threadsPerInchInMetricMode() {
        Option("optMetric")->click();
        Option("optSixtyISOmetric")->click();
        Option("optSixtyInch")->click();
        QVERIFY(Option("optTPI")->isChecked() && Option("optTPI")->isEnabled());
        TypeAndLeave("txtTPIpitch", "20");
        TypeAndLeave("txtNomDia", "12.7");
        TypeAndLeave("txtActualWire", ".7331");
        s_->Calculate();
        QCOMPARE(Text("lblPitchDia"), QString("11.8751"));  // 12.7 - 0.649519 x 1.27
        Press("lblBestWire1");
        QCOMPARE(Text("txtBestWire"), QString("0.7332"));
        Option("optThreadPitch")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("1.27"));
        Option("optTPI")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("20.0"));
        Option("optInch")->click();
        QCOMPARE(Text("txtTPIpitch"), QString("20.0"));
        QCOMPARE(Text("txtNomDia"), QString("0.5"));
    }

    void convertingTpiToPitchKeepsTheValue() {
        for (const char* places : {"4", "0"}) {
            Box("txtDecPlaces")->setText(places);
            Option("optTPI")->click();
            TypeAndLeave("txtTPIpitch", "11.5");
            Option("optThreadPitch")->click();
            QVERIFY(Text("txtTPIpitch") != "0");
            Option("optTPI")->click();
            QCOMPARE(Text("txtTPIpitch"), QString("11.5"));
        }
    }

    void printsTheIllustrationAndTheAnswer() {
        EnterHalfInchUnc();
        s_->Calculate();
        Press("lblBestWire1");
        const QString text = s_->PrintText();
        QVERIFY(
            text.startsWith(QString("\n\r").repeated(10) +
                            QString::fromUtf8("60° Unified Thread\n\r\n\rPitch diameter: 0.45") +
                            "\n\rNominal major diameter: 1/2\n\rMeasurement over wires: " +
                            "0.5166\n\rThreads per inch: 13\n\rActual wire size: .0444\n\r" +
                            "Best wire size: 0.0444"));
        QTemporaryDir dir;
        const QString file = dir.filePath("answer.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Measurement over wires: 0.5166"), qPrintable(pdf));
        QVERIFY2(pdf.contains("Minor diameter, internal: 0.4167"), qPrintable(pdf));
        QCOMPARE(PdfImageList(file).size(), 3);
    }

    void closeSavesTheFormAndDecimals() {
        Option("optTwentyNineStub")->click();
        Box("txtDecPlaces")->setText("3");
        Press("lblClose2");
        QTRY_VERIFY(!s_);
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "ThreadMeas"),
                 std::string("twentyninestub"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "ThreadMeas"),
                 std::string("3"));
        Open();
        QVERIFY(Option("optTwentyNineStub")->isChecked());
        QCOMPARE(Text("txtDecPlaces"), QString("3"));
        delete s_.data();
        t_->settings.SaveSetting("Arbormate", "InchMetric", "ThreadMeas", "nonsense");
        Open();
        QVERIFY(Option("optSixtyInch")->isChecked());
        QVERIFY(s_->findChild<QComboBox*>("cboNumOD")->isVisible());
    }

    void germanOpensInMetric() {
        delete s_.data();
        t_->SetLanguage("German");
        Open();
        QCOMPARE(Option("optInch")->text(), QString("Zoll"));
        QCOMPARE(Option("optMetric")->text(), QString("Metrisch"));
        QVERIFY(Option("optMetric")->isChecked() && s_->Metric());
        // 60° UN then selects threads per inch, per inch in metric mode too.
        QVERIFY(Option("optTPI")->isChecked());
    }

    void pipeThreadsOpenTheirOwnScreen() {
        Option("optTwentyNine")->click();
        Option("optNPT")->click();
        QPointer<frmNPTmeasureV74> pipe = s_->PipeScreen();
        QVERIFY(pipe);
        QVERIFY(pipe->isWindow() && pipe->isVisible());
        QCOMPARE(pipe->parentWidget(), s_.data());
        QVERIFY(pipe->isModal());
        QCOMPARE(s_->Form(), ThreadForm::TwentyNineAcme);  // nothing else changes here
        CalcScreen::SetHelpFolder(CALC_HELP_DIR);
        Click(pipe->findChild<QWidget*>("lblQuestion"));
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(),
                 QString("html/NPTMeasure.htm"));
        TypeAndLeave("txtNomDia", "1");
        Click(pipe->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!pipe);
        QVERIFY(Option("optSixtyInch")->isChecked());
        QCOMPARE(s_->Form(), ThreadForm::SixtyUn);
        QCOMPARE(Text("txtNomDia"), QString("0"));  // the 60° UN selection reset the screen
        // Closing the pipe screen hands back to the thread screen: help stays open.
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        common::HelpWindow::CloseAll();
    }

    void fromTheMenuWithHelp() {
        CalcScreen::SetHelpFolder(CALC_HELP_DIR);
        frmArbormateEDITORv74 menu(t_->env);
        RegisterThreadScreens(menu);
        auto* screen = qobject_cast<frmThreadMeasureV74*>(menu.OpenScreen("picMeasureThread"));
        QVERIFY(screen);
        Click(screen->findChild<QWidget*>("lblHelp2"));
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(),
                 QString("html/ThreadMeasure.htm"));
        Click(screen->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picMeasureThread"));
        QTRY_VERIFY(common::HelpWindow::OpenWindows().isEmpty());
    }
};

QTEST_MAIN(ThreadScreenTest)
#include "ThreadScreenTest.moc"
