// Calculations in German and in French: the menu, the "?" pop-up, the About box, the
// frame of the screens and the help window show no English text, and a language chosen
// on the menu retranslates it at once.

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "calc/LocalText.h"
#include "calc/TestCalcEnv.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/QtMessageService.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "common/HelpWindow.h"
#include "common/testing/VisibleTexts.h"

using namespace calc;
using namespace calc::testing;
using common::testing::TextMap;

namespace {

// The program's names and the marks of the title strip.
const QStringList kSame = {"Arbormate", "X", "Version"};

// The frame alone: every standard command but the unit switch (its caption is the
// screens' unit state).
class FrameOnly : public CalcScreen {
public:
    explicit FrameOnly(CalcEnv& env)
        : CalcScreen(env, {"frmFrameV74", "", "", 7000, 4500, "html\\Sample.htm", ""}) {
        int x = 300;
        for (Command c :
             {Command::Calculate, Command::Reset, Command::Print, Command::Help, Command::Close,
              Command::InchToMm, Command::MmToInch, Command::AngleConversion, Command::Copy}) {
            AddCommand(c, x % 6000, 600 + x / 6000 * 1400);
            x += 1300;
        }
        AddCalculatorPicture(300, 3200);
        AddDecimalPlacesBox(4000, 3400);
    }
    void Calculate() override {}
};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
    QTemporaryDir help_;

    // The texts of the menu, the About box, a screen's frame and the help window with
    // `stored` as the stored language.
    TextMap AllWindows(const char* stored) {
        TestCalcEnv t;
        t.SetLanguage(stored);
        ApplyLanguage(t.env);
        TextMap all;
        const auto add = [&all](const QString& window, QWidget* w) {
            const TextMap texts = common::testing::VisibleTexts(w);
            for (auto it = texts.begin(); it != texts.end(); ++it)
                all.insert(window + "/" + it.key(), it.value());
        };
        frmArbormateEDITORv74 menu(t.env);
        add("bare", &menu);  // nothing registered: "not available yet"
        for (const MenuItem& item : MenuItems())
            menu.RegisterScreen(item.pictureName, [](CalcEnv&, QWidget*) { return new QDialog; });
        add("menu", &menu);
        dlgAboutEDITORv74 about(t.env);
        add("about", &about);
        FrameOnly frame(t.env);
        add("frame", &frame);
        common::HelpWindow* window = common::HelpWindow::ShowTopic(
            CalcScreen::HelpFolder(), CalcScreen::kHelpContents, CalcScreen::kHelpContents);
        if (window) {
            add("help", window);
            all.insert("help/contents", window->ContentsTitles().value(0));
        }
        common::HelpWindow::CloseAll();
        return all;
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationVersion("7.8.0");
        TranslationsFolderOverride() = SUITE_BUILD_TRANSLATIONS;
        // A help folder with an untitled contents page: the window's own caption shows.
        QFile page(help_.path() + "/" + CalcScreen::kHelpContents);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>Calculations</p></body></html>");
        page.close();
        CalcScreen::SetHelpFolder(help_.path());
    }
    void cleanupTestCase() {
        CalcScreen::SetHelpFolder({});
        TestCalcEnv t;
        t.SetLanguage("English");
        ApplyLanguage(t.env);
    }

    void everyWindowIsTranslated() {
        const TextMap english = AllWindows("English");
        QVERIFY(english.values().contains("CALCULATE"));
        QCOMPARE(english.value("help/contents"), QString("Contents"));
        for (const char* stored : {"German", "French"}) {
            const TextMap translated = AllWindows(stored);
            QCOMPARE(translated.size(), english.size());
            const QStringList left = common::testing::UntranslatedTexts(english, translated, kSame);
            for (const QString& text : left) qWarning("%s: %s", stored, qPrintable(text));
            QVERIFY2(left.isEmpty(), stored);
        }
    }

    // The choice on the "?" pop-up puts the language in force at once: the open menu
    // speaks it without being opened again.
    void choosingALanguageRetranslatesTheOpenMenu() {
        TestCalcEnv t;
        t.SetLanguage("English");
        ApplyLanguage(t.env);
        frmArbormateEDITORv74 menu(t.env);
        menu.SetQuitAction([] {});
        menu.RegisterScreen("picChord", [](CalcEnv&, QWidget*) { return new QDialog; });
        menu.show();
        Click(Child(&menu, "lblQuestion"));
        auto* language = Child<QLabel>(&menu, "lblLanguage2");
        QCOMPARE(language->text(), QString("Language"));

        menu.ShowLanguageChoice();
        Child<QAction>(Child<QMenu>(&menu, "mnuLanguage"), "actLanguageGerman")->trigger();
        QCOMPARE(language->text(), QString("Sprache"));
        QCOMPARE(Child<QLabel>(&menu, "lblAbout2")->text(), QString("Info"));
        QCOMPARE(Child<QLabel>(&menu, "Label2")->text(), QString::fromUtf8("für Tarvik"));
        QCOMPARE(Child<MenuPicture>(&menu, "picChord")->toolTip(),
                 QString::fromUtf8("Sehnen, Bögen und Radien berechnen."));
        QCOMPARE(Child<MenuPicture>(&menu, "picGrid")->toolTip(),
                 QString::fromUtf8("Diese Berechnung gibt es noch nicht."));
        QCOMPARE(Child<MenuPicture>(&menu, "picBoltCircle")->accessibleName(),
                 QString("LOCHKREIS"));
        QCOMPARE(menu.windowTitle(), QString("Arbormate"));

        menu.ShowLanguageChoice();
        Child<QAction>(Child<QMenu>(&menu, "mnuLanguage"), "actLanguageFrench")->trigger();
        QCOMPARE(language->text(), QString("Langue"));
        QCOMPARE(Child<MenuPicture>(&menu, "picBoltCircle")->accessibleName(),
                 QString::fromUtf8("CERCLE DE PERÇAGE"));
        // A screen opened now has its frame in French too.
        FrameOnly frame(t.env);
        QCOMPARE(Child<QLabel>(&frame, "lblCalculate2")->text(), QString("CALCULER"));

        menu.ShowLanguageChoice();
        Child<QAction>(Child<QMenu>(&menu, "mnuLanguage"), "actLanguageEnglish")->trigger();
        QCOMPARE(language->text(), QString("Language"));
        QCOMPARE(menu.windowTitle(), QString("Arbormate for Tarvik"));
    }

    // Messages of the number readers outside the localised table, with their values.
    void readerMessagesInTheLanguageInForce() {
        TestCalcEnv t;
        t.SetLanguage("German");
        ApplyLanguage(t.env);
        QCOMPARE(TranslateMessageText("Do not insert spaces."),
                 QString("Bitte keine Leerzeichen eingeben."));
        QCOMPARE(TranslateMessageText("'3,5' is not Valid."),
                 QString::fromUtf8("„3,5“ ist ungültig."));
        QCOMPARE(TranslateMessageText(LocalTextFor(LocalEntry::MsgNotEnoughData, Language::German)),
                 QString("Es wurden nicht genug Werte eingegeben."));
        t.SetLanguage("French");
        ApplyLanguage(t.env);
        QCOMPARE(TranslateMessageText("Impossible data entered: Side a cannot be calculated "
                                      "from these values."),
                 QString::fromUtf8("Les valeurs saisies sont incompatibles : Side a ne peut pas "
                                   "être calculé(e) à partir de ces valeurs."));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
