#pragma once

// Small pieces the Scarrow windows share: the message and beep interface, the busy
// pointer guard and the conversions between the engine's types and Qt's.

#include <QDateTime>
#include <QString>
#include <string>

#include "search/DateTime.h"

class QWidget;

namespace scarrow::ui {

// Every message box and beep of the windows goes through here, so tests can record
// and answer them.
class IUserPrompts {
public:
    enum class Icon { Information, Warning, Critical };
    virtual ~IUserPrompts() = default;
    virtual void ShowMessage(QWidget* parent, const QString& text, Icon icon) = 0;
    virtual void Beep() = 0;
};

// QMessageBox with the caption "Scarrow", QApplication::beep.
class CDefaultPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget* parent, const QString& text, Icon icon) override;
    void Beep() override;
};

// Shows the busy pointer for its lifetime; nested guards are fine.
class CBusyCursor {
public:
    explicit CBusyCursor(bool arrowToo = false);
    ~CBusyCursor();
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

// Registers the icons of this library (it is static, so the linker would drop them).
void InitUiResources();

// The messages of the engine and the history file are English (the command line prints
// them so); the windows show them in the language in force, with the inserted names kept.
QString TranslateCoreText(const std::string& text);

inline QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8);
}
inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

// File names are bytes on Linux; these keep names that are not valid UTF-8 intact.
QString PathToQString(const std::string& bytes);
std::string PathFromQString(const QString& path);

// Invalid QDateTime for a date that is not valid.
QDateTime ToQDateTime(const CDateTime& date);
CDateTime FromQDateTime(const QDateTime& date);

// The date as the date edits show it: the locale's short date with a four-digit year,
// plus the time when it is not midnight. Empty for an invalid date.
QString FormatDateForEdit(const CDateTime& date);
// Reads what FormatDateForEdit writes, and ISO dates (2024-03-15, optionally with a
// time). False when the text is no date.
bool ParseDateFromEdit(const QString& text, CDateTime& date);

}  // namespace scarrow::ui
