#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QIcon;
class QPushButton;
class QWidget;

namespace sendrik {

// Caption of every message box of the program.
inline constexpr const char* kAppCaption = "Sendrik";

// Message boxes, routed through one interface so tests can record and answer them.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // An information box with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
};

class CQtMessageBoxes final : public IMessageBoxes {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
};

// The system's file dialogs; an empty result means the user cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // One existing file.
    virtual QString GetOpenFileName(QWidget* parent, const QString& startFolder) = 0;
    // Several existing files.
    virtual QStringList GetOpenFileNames(QWidget* parent, const QString& startFolder) = 0;
    // A file to write, with an overwrite prompt.
    virtual QString GetSaveFileName(QWidget* parent, const QString& startFolder) = 0;
    virtual QString GetExistingDirectory(QWidget* parent, const QString& title,
                                         const QString& startFolder) = 0;
};

class CQtFileDialogs final : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget* parent, const QString& startFolder) override;
    QStringList GetOpenFileNames(QWidget* parent, const QString& startFolder) override;
    QString GetSaveFileName(QWidget* parent, const QString& startFolder) override;
    QString GetExistingDirectory(QWidget* parent, const QString& title,
                                 const QString& startFolder) override;
};

// What the windows use to talk to the user beyond their own controls.
struct UiServices {
    IMessageBoxes* messages = nullptr;
    IFileDialogs* files = nullptr;

    // The real message boxes and file dialogs.
    static UiServices Default();
};

// A push button named `name` (its objectName) that does not become the default button
// when it gets the focus.
QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent);

// The program icon, drawn in code so it needs no image plug-in.
QIcon SendrikIcon();

// The texts of the transfer procedures, the port and the configuration file are English
// (the command line prints them so); the windows show them in the language in force.
// `text` is matched against the known texts, with "%s" and "%d" standing for any
// inserted part; an unknown text comes back as it is.
QString TranslateCoreText(const std::string& text);

// Folder part of a path: everything before its last "/" (or "\"), "/" for a file in
// the root, empty when there is no separator.
QString FolderOfPath(const QString& path);

}  // namespace sendrik
