#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/LocalText.h"
#include "calc/TestCalcEnv.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/testing/ScreenTesting.h"

using namespace calc;
using namespace calc::testing;

class MenuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestCalcEnv> t_;
    std::unique_ptr<frmArbormateEDITORv74> menu_;

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion("7.8.0"); }
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        menu_ = std::make_unique<frmArbormateEDITORv74>(t_->env);
        menu_->SetQuitAction([] {});
        menu_->show();
    }
    void cleanup() {
        menu_.reset();
        t_.reset();
    }

    void twelvePicturesWithTheirToolTips() {
        QCOMPARE(menu_->size(), QSize(409, 385));
        QCOMPARE(MenuItems().size(), 12);
        for (const MenuItem& item : MenuItems()) {
            auto* pic = Child<MenuPicture>(menu_.get(), qPrintable(item.pictureName));
            QVERIFY(!pic->isEnabled());
            QCOMPARE(pic->toolTip(), QString(kNotAvailableToolTip));
        }
        menu_->RegisterScreen("picChord", [](CalcEnv&, QWidget*) { return new QDialog; });
        auto* chord = Child<MenuPicture>(menu_.get(), "picChord");
        QVERIFY(chord->isEnabled());
        QCOMPARE(chord->toolTip(), QString("Click to calculate chord measurements."));
        QCOMPARE(Child<QLabel>(menu_.get(), "Label1")->text(), QString("Arbormate"));
        QCOMPARE(Child<QLabel>(menu_.get(), "Label2")->text(), QString("for Tarvik"));
    }

    void modelessScreenIsFoundAgainNotMadeTwice() {
        int made = 0;
        menu_->RegisterScreen(
            "picGrid",
            [&](CalcEnv&, QWidget* parent) {
                ++made;
                return new QDialog(parent);
            },
            ShowMode::Modeless);
        Click(Child(menu_.get(), "picGrid"));
        QWidget* grid = menu_->OpenInstance("picGrid");
        QVERIFY(grid && grid->isVisible());
        QCOMPARE(grid->windowModality(), Qt::NonModal);
        Click(Child(menu_.get(), "picGrid"));
        QCOMPARE(made, 1);
        QCOMPARE(menu_->OpenInstance("picGrid"), grid);
        // Closed, it is made afresh.
        grid->close();
        QTest::qWait(0);
        QVERIFY(!menu_->OpenInstance("picGrid"));
        Click(Child(menu_.get(), "picGrid"));
        QCOMPARE(made, 2);
    }

    void calculatorScreensOpenModal() {
        menu_->RegisterScreen("picRAtrig",
                              [](CalcEnv&, QWidget* parent) { return new QDialog(parent); });
        Click(Child(menu_.get(), "picRAtrig"));
        QWidget* screen = menu_->OpenInstance("picRAtrig");
        QVERIFY(screen);
        QCOMPARE(screen->windowModality(), Qt::WindowModal);
        QVERIFY(screen->testAttribute(Qt::WA_DeleteOnClose));
    }

    void questionMarkPopUpAndAboutBox() {
        auto* about2 = Child<QLabel>(menu_.get(), "lblAbout2");
        auto* help2 = Child<QLabel>(menu_.get(), "lblHelp2");
        QVERIFY(about2->isHidden() && help2->isHidden());
        Click(Child(menu_.get(), "lblQuestion"));
        QVERIFY(!about2->isHidden() && !help2->isHidden());
        Click(about2);
        auto* about = menu_->findChild<dlgAboutEDITORv74*>("dlgAboutEDITORv74");
        QVERIFY(about && about->isVisible());
        // The pop-up stays until the About box has closed.
        QVERIFY(!about2->isHidden());
        QCOMPARE(Child<QLabel>(about, "lblVersion")->text(), QString("Version 7.8.0"));
        QCOMPARE(Child<QLabel>(about, "lblTitle")->text(), QString("Arbormate for Tarvik"));
        QCOMPARE(Child<QPushButton>(about, "cmdSysInfo")->text(), QString("&System Info..."));
        Click(Child(about, "lblClose2"));
        QTest::qWait(0);
        QVERIFY(about2->isHidden() && help2->isHidden());
    }

    void aboutBoxTakesTheDesktopColours() {
        const QPalette desktop = QApplication::palette();
        QPalette dark = desktop;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        for (const QPalette& palette : {desktop, dark}) {
            QApplication::setPalette(palette);
            dlgAboutEDITORv74 about(t_->env);
            const QImage picture = about.grab().toImage();
            // Empty space left of the title, below the icon.
            QCOMPARE(picture.pixelColor(10, 110), palette.color(QPalette::Window));
            for (const char* name : {"lblTitle", "lblVersion", "lblDescription"})
                QCOMPARE(Child<QLabel>(&about, name)->palette().color(QPalette::WindowText),
                         palette.color(QPalette::WindowText));
        }
        QApplication::setPalette(desktop);
    }

    void aboutTitleFollowsTheLanguage() {
        t_->SetLanguage("German");
        dlgAboutEDITORv74 german(t_->env);
        QCOMPARE(Child<QLabel>(&german, "lblTitle")->text(), QString("Arbormate"));
        t_->SetLanguage("english");  // not a language: the title stays
        dlgAboutEDITORv74 none(t_->env);
        QCOMPARE(Child<QLabel>(&none, "lblTitle")->text(), QString("Arbormate for Tarvik"));
    }

    void aboutTitleFollowsTheDesktopWithoutAStoredLanguage() {
        t_->SetLanguage("german");  // not a language name: the desktop's language speaks
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        t_->env.desktopLanguage = DesktopLanguage();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(t_->env.desktopLanguage, Language::German);
        dlgAboutEDITORv74 about(t_->env);
        QCOMPARE(Child<QLabel>(&about, "lblTitle")->text(), QString("Arbormate"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "Calcs", "Language"), std::string("german"));
    }

    void languageChoiceStoresAndAppliesAtOnce() {
        Click(Child(menu_.get(), "lblQuestion"));
        auto* language2 = Child<QLabel>(menu_.get(), "lblLanguage2");
        QVERIFY(!language2->isHidden());
        QCOMPARE(language2->text(), QString("Language"));
        Click(Child(menu_.get(), "lblLanguage1"));
        auto* choice = Child<QMenu>(menu_.get(), "mnuLanguage");
        QTRY_VERIFY(choice->isVisible());
        QCOMPARE(language2->palette().color(QPalette::WindowText), QColor(Qt::white));
        QStringList captions, checked;
        for (QAction* action : choice->actions()) {
            captions << action->text();
            if (action->isChecked()) checked << action->objectName();
        }
        QCOMPARE(captions, (QStringList{"English", "Deutsch", QString::fromUtf8("Français")}));
        QCOMPARE(checked, QStringList{"actLanguageEnglish"});  // the desktop's, nothing stored
        QCOMPARE(menu_->windowTitle(), QString("Arbormate for Tarvik"));

        Child<QAction>(choice, "actLanguageFrench")->trigger();
        QCOMPARE(t_->settings.GetSetting("Arbormate", "Calcs", "Language"), std::string("French"));
        QCOMPARE(menu_->windowTitle(), QString("Arbormate"));
        QVERIFY(language2->isHidden());
        // The next screen and About box speak French.
        QDialog* about = menu_->ShowAbout();
        QCOMPARE(Child<QLabel>(about, "lblTitle")->text(), QString("Arbormate"));
        about->close();
        MsgNegativeValues(t_->env);
        QCOMPARE(t_->messages.Last().text,
                 std::string("Les valeurs négatives ne sont pas autorisées."));

        QMenu* again = menu_->ShowLanguageChoice();
        QVERIFY(Child<QAction>(again, "actLanguageFrench")->isChecked());
        QVERIFY(!Child<QAction>(again, "actLanguageEnglish")->isChecked());
        Child<QAction>(again, "actLanguageEnglish")->trigger();
        QCOMPARE(t_->settings.GetSetting("Arbormate", "Calcs", "Language"), std::string("English"));
        QCOMPARE(menu_->windowTitle(), QString("Arbormate for Tarvik"));
    }

    void versionTextPadsMissingParts() {
        QCoreApplication::setApplicationVersion("7.8");
        QCOMPARE(dlgAboutEDITORv74::VersionText(), QString("Version 7.8.0"));
        QCoreApplication::setApplicationVersion("7.8.0");
    }

    void endingTheProgramClosesScreensAndHelp() {
        bool quit = false;
        menu_->SetQuitAction([&] { quit = true; });
        menu_->RegisterScreen(
            "picGrid", [](CalcEnv&, QWidget* parent) { return new QDialog(parent); },
            ShowMode::Modeless);
        QPointer<QWidget> grid = menu_->OpenScreen("picGrid");
        QVERIFY(grid);
        Click(Child(menu_.get(), "lblX"));
        QVERIFY(quit);
        QVERIFY(!menu_->isVisible());
        QTest::qWait(0);
        QVERIFY(grid.isNull());
    }

    void arrowsChooseThePicturesAndCtrlQQuits() {
        menu_ = std::make_unique<frmArbormateEDITORv74>(t_->env);
        bool quit = false;
        menu_->SetQuitAction([&] { quit = true; });
        for (const MenuItem& item : MenuItems())
            menu_->RegisterScreen(item.pictureName,
                                  [](CalcEnv&, QWidget* parent) { return new QDialog(parent); });
        menu_->show();
        QVERIFY(QTest::qWaitForWindowActive(menu_.get()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("picSpeedFeed"));
        // Four pictures a row, three rows; an arrow past the edge stays.
        const struct {
            Qt::Key key;
            const char* focus;
        } steps[] = {
            {Qt::Key_Right, "picRAtrig"},       {Qt::Key_Down, "picKeyseat"},
            {Qt::Key_Down, "picDovetail"},      {Qt::Key_Down, "picDovetail"},
            {Qt::Key_Left, "picMeasureThread"}, {Qt::Key_Left, "picMeasureThread"},
            {Qt::Key_Up, "picSurfFin"},         {Qt::Key_Tab, "picKeyseat"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.key);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(step.focus));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(quit);
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
