// The bolt circle and grid screens in German and in French: titles and print text in
// the language in force (calc_screen_translation_tests walks their captions).

#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/QtControls.h"
#include "holes/HoleScreens.h"

using namespace calc;

class HoleTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TranslationsFolderOverride() = SUITE_BUILD_TRANSLATIONS; }
    void cleanupTestCase() {
        TestCalcEnv t;
        t.SetLanguage("English");
        ApplyLanguage(t.env);
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
