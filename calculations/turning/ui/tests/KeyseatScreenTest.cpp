#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "turning/KeyseatScreen.h"
#include "turning/TurningScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const char* const kResults[] = {"lblTotalHeight",  "lblSeatBottom",    "lblShaftKeyDepth",
                                "lblChordHeight",  "lblTotalKeyDepth", "lblHubKeyDepth",
                                "lblTotalHubDepth"};

// The diagram is drawn as vectors: render the page and look for ink above the text.
bool PageHasDrawingAtTop(const QString& pdf) {
    QTemporaryDir dir;
    QProcess p;
    p.start("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")});
    if (!p.waitForFinished()) return false;
    const QImage page(dir.filePath("page.png"));
    int ink = 0;
    for (int y = 0; y < page.height() / 4; ++y)
        for (int x = 0; x < page.width(); ++x) ink += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    return ink > 100;
}

}  // namespace

class KeyseatScreenTest : public QObject, ScreenFixture<frmKeyseatV74> {
    Q_OBJECT

    QString Field(const char* name) { return s_->findChild<QLabel*>(name)->text(); }
    QStringList Results() {
        QStringList out;
        for (const char* r : kResults) out << Field(r);
        return out;
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        t_->SetLanguage("English");
        s_ = new frmKeyseatV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void inchAndMetricKeys_data() {
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("s");
        QTest::addColumn<QStringList>("aToG");
        QTest::newRow("1/4 key, 1 inch shaft")
            << "0.25"
            << "1/4"
            << "1"
            << QStringList{"1.1091", "0.8591", "0.125", "0.0159", "0.1409", "0.1091", "0.125"};
        QTest::newRow("8 x 7 key, 30 mm shaft")
            << "8"
            << "7"
            << "30"
            << QStringList{"32.9568", "25.9568", "3.5", "0.5432", "4.0432", "2.9568", "3.5"};
    }
    void inchAndMetricKeys() {
        QFETCH(QString, w);
        QFETCH(QString, h);
        QFETCH(QString, s);
        QFETCH(QStringList, aToG);
        TypeAndLeave("txtKeyWidth", w);
        TypeAndLeave("txtKeyHeight", h);
        TypeAndLeave("txtShaftDia", s);
        Click(s_->findChild<QWidget*>("lblCalculate1"));
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        QCOMPARE(Results(), aToG);
    }

    void refusalsChangeNothing() {
        // Not enough data, then a key as wide (or as tall) as the shaft.
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Not enough data entered."});
        TypeAndLeave("txtKeyWidth", "1");
        TypeAndLeave("txtKeyHeight", "0.25");
        TypeAndLeave("txtShaftDia", "1");
        t_->messages.Clear();
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Keyseat is bigger than the shaft!"});
        TypeAndLeave("txtKeyWidth", "0.25");
        TypeAndLeave("txtKeyHeight", "1");
        t_->messages.Clear();
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"Keyseat is bigger than the shaft!"});
        QCOMPARE(Results(), QStringList(7, QString()));
        // A negative width is refused when the box is left, and keeps the focus.
        TypeAndLeave("txtKeyWidth", "-1");
        QTRY_VERIFY(Box("txtKeyWidth")->hasFocus());
        QCOMPARE(Messages().last(), QString("Key width needs a value greater than zero."));
    }

    void hugeSizesStayFinite() {
        TypeAndLeave("txtKeyWidth", "1E300");
        TypeAndLeave("txtKeyHeight", "1E300");
        TypeAndLeave("txtShaftDia", "1.5E300");
        s_->Calculate();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join('|')));
        for (const QString& r : Results()) {
            QVERIFY(!r.isEmpty());
            QVERIFY2(!r.contains("inf") && !r.contains("nan"), qPrintable(r));
        }
    }

    void squareKeyCopiesTheWidth() {
        auto* square = s_->findChild<QCheckBox*>("chkSquare");
        square->click();
        QVERIFY(Box("txtKeyHeight")->text().isEmpty());  // no width yet: nothing copied
        square->click();
        Box("txtKeyWidth")->setText("3/8");
        square->click();
        QCOMPARE(Box("txtKeyHeight")->text(), QString("3/8"));
        TypeAndLeave("txtKeyWidth", "1/2");
        QCOMPARE(Box("txtKeyHeight")->text(), QString("1/2"));
        s_->Reset();
        QVERIFY(!square->isChecked() && Box("txtKeyWidth")->text().isEmpty());
    }

    void inchToMmConvertsEntriesAndResults() {
        TypeAndLeave("txtKeyWidth", "0.25");
        TypeAndLeave("txtKeyHeight", "0.25");
        TypeAndLeave("txtShaftDia", "1");
        s_->Calculate();
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Box("txtShaftDia")->text(), QString("25.4"));
        QCOMPARE(Field("lblShaftKeyDepth"), QString("3.175"));
        QCOMPARE(Field("lblTotalHeight"), QString("28.1711"));  // 1.1091 x 25.4
        Click(s_->findChild<QWidget*>("lblInch2MM1"));
        QCOMPARE(Box("txtShaftDia")->text(), QString("645.16"));
    }

    void printsTheLettersWithTheDiagram() {
        TypeAndLeave("txtKeyWidth", "0.25");
        TypeAndLeave("txtKeyHeight", "0.25");
        TypeAndLeave("txtShaftDia", "1");
        s_->Calculate();
        const QString text = s_->PrintText();
        QVERIFY(text.startsWith(QString("\n\r").repeated(16) + "Key width: 0.25\n\rKey height: 0.25"
                                                               "\n\nShaft diameter: 1\n\r"
                                                               "A: Overall height: 1.1091"));
        QVERIFY(
            text.endsWith("G: Total depth of keyway in hub: 0.125\n\rNOTE: Add clearance to "
                          "depth of keyway in hub to facilitate assembly."));
        QTemporaryDir dir;
        const QString file = dir.filePath("keyseat.pdf");
        PrintToPdf(s_, file);
        const QString pdf = PdfText(file);
        QVERIFY2(pdf.contains("D: From top of shaft to full"), qPrintable(pdf));
        QVERIFY2(pdf.contains("G: Total depth of keyway in hub: 0.125"), qPrintable(pdf));
        QVERIFY(PageHasDrawingAtTop(file));
    }

    void fromTheMenuWithStoredDecimals() {
        t_->settings.SaveSetting("Arbormate", "DecimalPlaces", "Keyway", "2");
        frmArbormateEDITORv74 menu(t_->env);
        RegisterTurningScreens(menu);
        auto* screen = qobject_cast<frmKeyseatV74*>(menu.OpenScreen("picKeyseat"));
        QVERIFY(screen);
        QCOMPARE(screen->findChild<QLineEdit*>("txtDecPlaces")->text(), QString("2"));
        screen->findChild<QLineEdit*>("txtDecPlaces")->setText("3");
        Click(screen->findChild<QWidget*>("lblClose1"));
        QTRY_VERIFY(!menu.OpenInstance("picKeyseat"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "Keyway"), std::string("3"));
    }
};

QTEST_MAIN(KeyseatScreenTest)
#include "KeyseatScreenTest.moc"
