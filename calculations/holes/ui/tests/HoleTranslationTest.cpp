// The bolt circle and grid screens in German and in French: no English text on the
// screen, and the print text in the language in force.

#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/QtControls.h"
#include "common/testing/VisibleTexts.h"
#include "holes/HoleScreens.h"

using namespace calc;
using common::testing::TextMap;

namespace {

// The marks of the title strip and the axis names.
const QStringList kSame = {"X", "Y"};

TextMap ScreenTexts(TestCalcEnv& t, const char* stored) {
    t.SetLanguage(stored);
    ApplyLanguage(t.env);
    TextMap all;
    frmBoltCircleV74 bolt(t.env);
    frmGridV74 grid(t.env);
    for (QWidget* screen : {static_cast<QWidget*>(&bolt), static_cast<QWidget*>(&grid)}) {
        const TextMap texts = common::testing::VisibleTexts(screen);
        for (auto it = texts.begin(); it != texts.end(); ++it) all.insert(it.key(), it.value());
    }
    return all;
}

}  // namespace

class HoleTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TranslationsFolderOverride() = SUITE_BUILD_TRANSLATIONS; }
    void cleanupTestCase() {
        TestCalcEnv t;
        t.SetLanguage("English");
        ApplyLanguage(t.env);
    }

    void noEnglishTextOnTheScreens() {
        TestCalcEnv t;
        const TextMap english = ScreenTexts(t, "English");
        QVERIFY(english.values().contains("Calculated Coordinates"));
        for (const char* stored : {"German", "French"}) {
            const TextMap translated = ScreenTexts(t, stored);
            QCOMPARE(translated.size(), english.size());
            const QStringList left =
                common::testing::UntranslatedTexts(english, translated, kSame);
            for (const QString& text : left) qWarning("%s: %s", stored, qPrintable(text));
            QVERIFY2(left.isEmpty(), stored);
        }
    }

    void printTextInTheLanguageInForce() {
        TestCalcEnv t;
        t.SetLanguage("German");
        ApplyLanguage(t.env);
        frmBoltCircleV74 bolt(t.env);
        QCOMPARE(bolt.windowTitle(), QString("Lochkreis"));
        const QString text = bolt.PrintText();
        QVERIFY2(text.contains("Anzahl der Bohrungen : 3"), qPrintable(text));
        QVERIFY2(text.contains("Lochkreis-Durchmesser : 0"), qPrintable(text));
        t.SetLanguage("French");
        ApplyLanguage(t.env);
        frmGridV74 grid(t.env);
        QCOMPARE(grid.windowTitle(), QString("Grille rectangulaire"));
    }
};

QTEST_MAIN(HoleTranslationTest)
#include "HoleTranslationTest.moc"
