#pragma once

// The calculator's main menu (twelve pictures, each opening one screen) and its About box.
//
// Screens are registered by the program with a factory, under the name of their menu
// picture:
//
//   menu.RegisterScreen("picRAtrig", [](CalcEnv& env, QWidget* menu) {
//       return new frmRtAngleV74(env, menu);
//   });
//   menu.RegisterScreen("picGrid", makeGrid, ShowMode::Modeless);
//
// Every screen exists at most once: opening a screen that is still open brings the one
// instance forward. Screens delete themselves when closed (WA_DeleteOnClose). Pictures
// without a registered screen are disabled.

#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "calc/CalcEnv.h"

namespace calc {

class MarkLabel;
class PressLabel;
class TitleStrip;

enum class ShowMode { Modal, Modeless };

using ScreenFactory = std::function<QWidget*(CalcEnv& env, QWidget* menu)>;

// The program's screens by menu picture name, as the menus register them: a screen opens
// another one through this registry, so no screen library links another. Empty when
// nothing is registered under the name.
ScreenFactory RegisteredScreen(const QString& pictureName);
// Registers a screen (an empty factory removes it); the menu's RegisterScreen does this.
void SetRegisteredScreen(const QString& pictureName, ScreenFactory factory);

struct MenuItem {
    QString pictureName;  // "picRAtrig"
    QString drawnName;    // "RIGHT ANGLE TRIGONOMETRY" (English; DrawnText translates)
    QString toolTip;      // "Click to solve right angle triangle problems."
    // The name and tool tip in the language in force.
    QString DrawnText() const;
    QString ToolTipText() const;
};
// The twelve menu items in menu order.
const QList<MenuItem>& MenuItems();

inline constexpr const char* kNotAvailableToolTip = "This screen is not available yet.";
// kNotAvailableToolTip in the language in force.
QString NotAvailableToolTip();

// A menu picture: a drawing of its subject with its name in capitals, white on blue.
class MenuPicture : public QLabel {
    Q_OBJECT
public:
    MenuPicture(const MenuItem& item, QWidget* parent);
    const MenuItem& Item() const { return item_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MenuItem item_;
    bool down_ = false;
};

// Paints the subject drawing of a menu item (by picture name) into `area`.
void PaintMenuDrawing(QPainter& painter, const QString& pictureName, const QRectF& area);
// The program's icon.
QPixmap AppIconPixmap(int size);

class frmArbormateEDITORv74 : public QWidget {
    Q_OBJECT
public:
    explicit frmArbormateEDITORv74(CalcEnv& env, QWidget* parent = nullptr);
    ~frmArbormateEDITORv74() override;

    void RegisterScreen(const QString& pictureName, ScreenFactory factory,
                        ShowMode mode = ShowMode::Modal);
    // Opens the picture's screen, or brings its one open instance forward; returns it
    // (nullptr when nothing is registered under the name).
    QWidget* OpenScreen(const QString& pictureName);
    // The open instance of the picture's screen, if any.
    QWidget* OpenInstance(const QString& pictureName) const;

    void ShowHelp();
    // The "Language" pop-up choice: a menu of English, Deutsch and Français with the
    // current language marked (mnuLanguage, actions actLanguageEnglish/German/French).
    QMenu* ShowLanguageChoice();
    // Stores the choice and applies it to the menu's title (and to every screen and
    // About box opened from now on).
    void ChooseLanguage(Language language);
    // Shows the About box (modal); the pop-up choices hide when it closes.
    QDialog* ShowAbout();
    // Closes help windows, every open screen and the menu, and ends the program.
    void EndProgram();
    // Tests replace the final quit of the program.
    void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language in force retranslates the menu at once.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Registration {
        ScreenFactory factory;
        ShowMode mode = ShowMode::Modal;
    };
    void SetPopupVisible(bool visible);
    void ApplyTitle();
    void RetranslateUi();
    void CloseOpenScreens();

    CalcEnv& env_;
    TitleStrip* title_ = nullptr;
    QLabel* sub_ = nullptr;
    MarkLabel* question_ = nullptr;
    MarkLabel* markX_ = nullptr;
    QLabel* about2_ = nullptr;
    QLabel* help2_ = nullptr;
    QLabel* language1_ = nullptr;
    QLabel* language2_ = nullptr;
    QPointer<QMenu> languageMenu_;
    QHash<QString, Registration> registry_;
    QHash<QString, QPointer<QWidget>> open_;
    QHash<QString, MenuPicture*> pictures_;
    QPointer<QDialog> about_;
    std::function<void()> quit_;
};

class dlgAboutEDITORv74 : public QDialog {
    Q_OBJECT
public:
    explicit dlgAboutEDITORv74(CalcEnv& env, QWidget* parent = nullptr);
    // "Version " + major.minor.revision of the program's version.
    static QString VersionText();

private:
    CalcEnv& env_;
};

using MainMenu = frmArbormateEDITORv74;

}  // namespace calc
