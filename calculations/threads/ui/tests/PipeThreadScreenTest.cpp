#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "threads/ThreadScreens.h"

using namespace calc;
using namespace calc::testing;

class PipeThreadScreenTest : public QObject, ScreenFixture<frmNPTmeasureV74> {
    Q_OBJECT

    QString Text(const char* name) {
        if (QLineEdit* box = Box(name)) return box->text();
        return s_->findChild<QLabel*>(name)->text();
    }
    QRadioButton* Option(const char* name) { return s_->findChild<QRadioButton*>(name); }
    void TypeAndLeave(const char* name, const QString& text) {
        calc::testing::TypeAndLeave(
            Box(name), text,
            Box(name == QString("txtDecPlaces") ? "txtActualWire" : "txtDecPlaces"));
    }
    void Choose(const QString& size) {
        auto* list = s_->findChild<QListWidget*>("lstPipeSize");
        const auto items = list->findItems(size, Qt::MatchExactly);
        QVERIFY(items.size() == 1);
        list->setCurrentItem(items.first());
        const QRect r = list->visualItemRect(items.first());
        list->scrollToItem(items.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
        Q_UNUSED(r);
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmNPTmeasureV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensEmpty() {
        QCOMPARE(s_->size(), QSize(337, 529));
        QCOMPARE(s_->windowTitle(), QString("NPT Thread Measure"));
        QCOMPARE(s_->findChild<QListWidget*>("lstPipeSize")->count(), 24);
        QCOMPARE(Text("txtAnglePerSide"), QString("1.78991"));
        QCOMPARE(Text("txtTaperPerFoot"), QString(".75"));
        QCOMPARE(Text("lblInchMetric2"), QString("INCH"));
        QVERIFY(Option("optTPI")->isChecked());
        QCOMPARE(Text("txtDecPlaces"), QString("4"));
        // Nothing chosen: Calculate MOW does nothing visible, best wire asks for a size.
        TypeAndLeave("txtActualWire", ".04");
        Press("lblCalculate1");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("lblMOW"), QString("0"));
        Press("lblBWSNPT2");
        QCOMPARE(Messages(), QStringList{"Please choose a thread size."});
    }

    void halfInchPipe() {
        Choose("1/2");
        QCOMPARE(Text("lblTPIpitch"), QString("14"));
        QCOMPARE(Text("lblSmallDia"), QString("0.75843"));
        QCOMPARE(Text("txtLength"), QString("0.32"));
        QCOMPARE(Text("lblLargeDia"), QString("0.77843"));
        QCOMPARE(Text("lblTaperPerFoot"), QString("0.75"));
        QCOMPARE(Text("lblAnglePerSide"), QString("1.78991"));
        QCOMPARE(Text("lblBWSNPT"), QString("0.0412"));
        QCOMPARE(Text("lblTurns"), QString("4.48"));
        TypeAndLeave("txtActualWire", ".04124");
        Press("lblCalculate1");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Text("lblMOW"), QString("0.8399"));
        QVERIFY(Option("optPitch")->isChecked());
        QCOMPARE(Text("lblTPIpitch"), QString("0.0714"));
        // The wire factor 3.00049: five places show 0.8399, not 0.83988.
        TypeAndLeave("txtDecPlaces", "5");
        Press("lblCalculate1");
        QCOMPARE(Text("lblMOW"), QString("0.8399"));
        // Every Calculate MOW uses the wire now entered.
        TypeAndLeave("txtActualWire", ".05");
        Press("lblCalculate2");
        QCOMPARE(Text("lblMOW"), QString("0.86617"));
        // A new gauge length moves E1, clears the measurement and counts the turns again.
        TypeAndLeave("txtLength", ".4");
        QCOMPARE(Text("lblLargeDia"), QString("0.78343"));
        QCOMPARE(Text("lblMOW"), QString("0"));
        QCOMPARE(Text("lblTurns"), QString("5.6"));
    }

    // The exact pitch 1/27, not the pitch read back from its rounded text.
    void theExactPitchAtFewPlaces() {
        TypeAndLeave("txtDecPlaces", "2");
        Choose("1/8");
        TypeAndLeave("txtActualWire", ".0214");
        Press("lblCalculate1");
        QCOMPARE(Text("lblMOW"), QString("0.41"));
        TypeAndLeave("txtDecPlaces", "1");
        Choose("1/16");
        TypeAndLeave("txtActualWire", ".0214");
        Press("lblCalculate1");
        QCOMPARE(Text("lblMOW"), QString("0.3"));
        QCOMPARE(Text("lblTPIpitch"), QString("0."));  // 1/27 at one place
        // The pitch shown as "0." still counts as 1/27 inch.
        TypeAndLeave("txtDecPlaces", "5");
        Press("lblCalculate1");
        QCOMPARE(Text("lblMOW"), QString("0.31316"));
        Press("lblBWSNPT2");
        QCOMPARE(Text("lblBWSNPT"), QString("0.02138"));
    }

    void everyRowShowsItsGaugeDiameter() {
        Choose("10");
        QCOMPARE(Text("lblLargeDia"), QString("10.62094"));
        Choose("18OD");
        QCOMPARE(Text("lblLargeDia"), QString("17.875"));
        QCOMPARE(Text("lblTurns"), QString("16.0"));
    }

    void millimetresAndBack() {
        Choose("1/2");
        TypeAndLeave("txtActualWire", ".04124");
        Press("lblCalculate1");
        Press("lblInchMetric2");
        QVERIFY(s_->Metric());
        QCOMPARE(Text("lblInchMetric2"), QString("MM"));
        QCOMPARE(Text("lblTaper"), QString("Ratio:"));
        QCOMPARE(Text("lblTaperPerFoot"), QString("1:16"));
        QCOMPARE(Text("lblLargeDia"), QString("19.772"));
        QCOMPARE(Text("lblSmallDia"), QString("19.264"));
        QCOMPARE(Text("lblTPIpitch"), QString("1.814"));
        QCOMPARE(Text("lblMOW"), QString("21.334"));
        QCOMPARE(Text("txtLength"), QString("8.128"));
        QCOMPARE(Text("txtActualWire"), QString("1.0475"));
        // In millimetres the measurement comes out in millimetres.
        Press("lblCalculate1");
        QCOMPARE(Text("lblMOW"), QString("21.3335"));  // with the wire 1.0475 mm
        Press("lblInchMetric1");
        QVERIFY(!s_->Metric());
        QCOMPARE(Text("lblTaperPerFoot"), QString("0.75"));
        QCOMPARE(Text("lblLargeDia"), QString("0.7784"));
        QVERIFY(Option("optTPI")->isChecked());
        QCOMPARE(Text("lblTPIpitch"), QString("14."));
        QCOMPARE(Text("txtLength"), QString("0.32"));
        // Choosing a size in millimetres returns to inches first.
        Press("lblInchMetric1");
        Choose("3/4");
        QVERIFY(!s_->Metric());
        QCOMPARE(Text("lblLargeDia"), QString("0.98887"));
    }

    void leavingTheBoxes() {
        TypeAndLeave("txtLength", "abc");
        QCOMPARE(Messages(), QStringList{"Numerals only"});
        QCOMPARE(Text("txtLength"), QString("0"));
        QTRY_VERIFY(Box("txtLength")->hasFocus());
        t_->messages.Clear();
        TypeAndLeave("txtActualWire", "-2");
        QCOMPARE(Messages(),
                 QStringList{"Negative values are not allowed in thread measurements."});
        QCOMPARE(Text("txtActualWire"), QString("0"));
        t_->messages.Clear();
        TypeAndLeave("txtDecPlaces", "0");
        QCOMPARE(Messages(), QStringList{"Decimal places must be between 1 and 5."});
        QCOMPARE(Text("txtDecPlaces"), QString("2"));
        QTest::qWait(10);
        TypeAndLeave("txtDecPlaces", "6");
        QCOMPARE(Text("txtDecPlaces"), QString("5"));
        QTest::qWait(10);
        t_->messages.Clear();
        for (const char* ok : {"1", "5"}) {
            TypeAndLeave("txtDecPlaces", ok);
            QCOMPARE(Text("txtDecPlaces"), QString(ok));
        }
        QVERIFY(Messages().isEmpty());
        Choose("1/2");
        Press("lblCalculate1");
        QCOMPARE(Messages(), QStringList{"An actual wire size is required."});
    }

    void printsThePipeValues() {
        Choose("1/2");
        TypeAndLeave("txtActualWire", ".04124");
        Press("lblCalculate1");
        QTemporaryDir dir;
        const QString file = dir.filePath("pipe.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("Nominal pipe size: 1/2"), qPrintable(pdf));
        QVERIFY2(pdf.contains("Measurement over wires at gauge point: 0.8399"), qPrintable(pdf));
        QVERIFY2(pdf.contains("4.48 turns to gauge length."), qPrintable(pdf));
    }
};

QTEST_MAIN(PipeThreadScreenTest)
#include "PipeThreadScreenTest.moc"
