// The calculator screens opened from the menu in German and in French show no English
// text: captions, options, frame titles, tool tips and window titles.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "Screens.h"
#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "common/testing/VisibleTexts.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "threads/ThreadScreens.h"
#include "triangles/TriangleScreens.h"
#include "turning/ShaftTaperScreen.h"

using namespace calc;
using common::testing::TextMap;

namespace {

// The screens whose own texts are translated.
const QStringList kScreens = {"picBoltCircle", "picGrid",    "picDovetail",
                              "picKeyseat",    "picPolygon", "picChord",
                              "picRAtrig",     "picOBtrig",  "picSpeedFeed"};

// The marks of the title strip, axis and dimension letters, and French "Angle".
const QStringList kSame = {"X",  "Y",      "l",       "c",       "a",       "h",
                           "r",  "Angle",  "Angle A", "Angle B", "Angle C", "Minutes",
                           "MM", "D = 2r", "Ra",      "in"};

// The material name, filled in from the list.
const QStringList kData = {"lblMaterialName"};

// The option buttons, check boxes and one-line labels whose text is wider than the
// control, named by where they are.
QStringList CutTexts(QWidget* screen, const QString& where) {
    QStringList cut;
    for (QAbstractButton* b : screen->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(screen) || b->text().isEmpty()) continue;
        if (!qobject_cast<QRadioButton*>(b) && !qobject_cast<QCheckBox*>(b)) continue;
        if (b->sizeHint().width() > b->width())
            cut << where + "/" + b->objectName() + ": " + b->text() +
                       QString(" (%1 > %2)").arg(b->sizeHint().width()).arg(b->width());
    }
    for (QLabel* l : screen->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(screen) || l->text().isEmpty() || l->wordWrap()) continue;
        if (l->textFormat() == Qt::RichText || l->text().contains('<')) continue;
        const QRect need =
            l->fontMetrics().boundingRect(l->contentsRect(), int(l->alignment()), l->text());
        if (need.width() > l->contentsRect().width() + 1)
            cut << where + "/" + l->objectName() + ": " + l->text() +
                       QString(" (%1 > %2)").arg(need.width()).arg(l->contentsRect().width());
    }
    return cut;
}

QStringList& CutSoFar() {
    static QStringList cut;
    return cut;
}

TextMap ScreenTexts(const char* stored) {
    TestCalcEnv t;
    t.SetLanguage(stored);
    ApplyLanguage(t.env);
    frmArbormateEDITORv74 menu(t.env);
    menu.SetQuitAction([] {});
    RegisterAllScreens(menu);
    TextMap all;
    for (const QString& picture : kScreens) {
        QWidget* screen = menu.OpenScreen(picture);
        if (!screen) qFatal("no screen %s", qPrintable(picture));
        const TextMap texts = common::testing::VisibleTexts(screen);
        for (auto it = texts.begin(); it != texts.end(); ++it)
            all.insert(picture + "/" + it.key(), it.value());
        CutSoFar() << CutTexts(screen, QString(stored) + " " + picture);
        screen->close();
        QTest::qWait(0);
    }
    // The two screens other screens open.
    frmDegreeConvertV74 angles(t.env);
    frmAlternateObliqueV74 alternate(t.env, AlternateObliqueTexts{});
    frmMaterialsV74 materials(t.env, nullptr);
    frmNPTmeasureV74 pipe(t.env);
    for (QWidget* screen : {static_cast<QWidget*>(&angles), static_cast<QWidget*>(&alternate),
                            static_cast<QWidget*>(&materials), static_cast<QWidget*>(&pipe)}) {
        const TextMap texts = common::testing::VisibleTexts(screen);
        for (auto it = texts.begin(); it != texts.end(); ++it) all.insert(it.key(), it.value());
        // Texts are fitted to their places when a screen first shows.
        screen->show();
        QTest::qWait(0);
        CutSoFar() << CutTexts(screen, QString(stored) + " " + screen->objectName());
    }
    return all;
}

}  // namespace

class ScreenTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TranslationsFolderOverride() = SUITE_BUILD_TRANSLATIONS; }
    void cleanupTestCase() {
        TestCalcEnv t;
        t.SetLanguage("English");
        ApplyLanguage(t.env);
    }

    void noEnglishTextOnTheScreens() {
        const TextMap english = ScreenTexts("English");
        QVERIFY(english.values().contains("Calculated Coordinates"));
        for (const char* stored : {"German", "French"}) {
            const TextMap translated = ScreenTexts(stored);
            QCOMPARE(translated.size(), english.size());
            const QStringList left =
                common::testing::UntranslatedTexts(english, translated, kSame, kData);
            for (const QString& text : left) qWarning("%s: %s", stored, qPrintable(text));
            QVERIFY2(left.isEmpty(), stored);
        }
    }

    // In every language each option, check box and one-line label shows its whole text.
    void noTextIsCut() {
        CutSoFar().clear();
        for (const char* stored : {"English", "German", "French"}) ScreenTexts(stored);
        for (const QString& text : CutSoFar()) qWarning("cut: %s", qPrintable(text));
        QVERIFY(CutSoFar().isEmpty());
    }

    // The unit switch shows its caption translated and keeps its English state: the
    // switch works both ways and the settings keep their English values.
    void unitSwitchInGerman() {
        TestCalcEnv t;
        t.SetLanguage("German");
        ApplyLanguage(t.env);
        frmShaftTaperV74 taper(t.env);
        QLabel* caption = taper.findChild<QLabel*>("lblInchMetric2");
        QVERIFY(caption);
        QCOMPARE(caption->text(), QString("ZOLL"));
        taper.InchMetric();
        QCOMPARE(caption->text(), QString("METRISCH"));
        QCOMPARE(t.settings.GetSetting("Arbormate", "InchMetric", "ShaftTaper"),
                 std::string("Metric"));
        taper.InchMetric();
        QCOMPARE(caption->text(), QString("ZOLL"));
        taper.close();
        QCOMPARE(t.settings.GetSetting("Arbormate", "ShaftTaper", "InchOrMetric"),
                 std::string("INCH SYSTEM"));
    }

    // The drill chart rows keep their columns in the fixed-width font.
    void drillChartRowsKeepTheirColumns() {
        TestCalcEnv t;
        t.SetLanguage("German");
        ApplyLanguage(t.env);
        frmSpeedFeedV74 screen(t.env);
        auto* rows = screen.findChild<QComboBox*>("cboDrillCharts");
        QVERIFY(rows);
        QCOMPARE(rows->itemText(0), QString::fromUtf8("Bohrer wählen"));
        QCOMPARE(rows->itemText(1), QString("Bohrer: #80 -----Dezimal: .0135"));
        QCOMPARE(rows->itemText(1).size(), QString("Drill: #80 ------Decimal: .0135").size());
        auto* charts = screen.findChild<QComboBox*>("cboChartName");
        charts->setCurrentIndex(3);
        QCOMPARE(rows->itemText(1), QString("M1.6 X 0.35 Schneiden--Bohrer 1.25"));
    }
};

QTEST_MAIN(ScreenTranslationTest)
#include "ScreenTranslationTest.moc"
