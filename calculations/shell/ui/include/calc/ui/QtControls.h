#pragma once

// Qt forms of the shared control helpers, and the text conversions screens use.

#include <QString>
#include <string>
#include <string_view>

#include "calc/CalcEnv.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace calc {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

// "Arbormate for Tarvik" (English) or "Arbormate" (German, French).
void SetTitleCaption(const CalcEnv& env, QLabel* label);
// The desktop's language from the locale Qt reports (QLocale(), the system locale
// unless a default was set): German for de, French for fr, English otherwise.
Language DesktopLanguage();
// Puts the program's translations for the language in force (CurrentLanguage) in place;
// every window gets a LanguageChange event. Tests point `TranslationsFolderOverride` at
// the catalogues of the build tree.
void ApplyLanguage(const CalcEnv& env);
QString& TranslationsFolderOverride();
// Editable: unlocked on the window background; not editable: locked on the button face.
void SetBoxEditable(QLineEdit* box, bool editable);
void SetControlVisible(QWidget* control, bool visible);

// The text of an entry box (QLineEdit) or result field (QLabel); empty for anything else.
QString FieldText(const QWidget* field);
void SetFieldText(QWidget* field, const QString& text);

}  // namespace calc
