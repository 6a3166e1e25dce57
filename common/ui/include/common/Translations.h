#pragma once

// The programs' translations: Qt's own translation system, with one catalogue per program
// ("sendrik_de.qm"), one for the pieces the programs share ("tarvik-common_de.qm") and
// Qt's own ("qtbase_de.qm": the standard buttons and dialogs).
//
// The catalogues are in "translations/" beside the program (a build tree, a portable
// copy) or, installed, in <prefix>/share/tarvik/translations.
//
//   common::InstallTranslations("sendrik", common::DesktopLanguageCode());

#include <QString>
#include <span>
#include <string>

namespace common {

// "de" or "fr" when the desktop's language (LC_ALL, LC_MESSAGES, LANG) is German or
// French; the empty text (English) otherwise.
QString DesktopLanguageCode();

// Where the program's catalogues are: <program folder>/translations, else the installed
// <prefix>/share/tarvik/translations.
QString TranslationsFolder();

// Replaces the translations in force by those of `language` ("de", "fr"; anything else,
// the empty text included, means English: every translation is removed). Every widget
// gets a LanguageChange event. `folder` defaults to TranslationsFolder(). Returns false
// when the program's own catalogue for that language is missing.
bool InstallTranslations(const QString& program, const QString& language,
                         const QString& folder = {});

// The language installed last ("de", "fr" or empty).
QString InstalledLanguage();

// Texts of the plain C++ libraries are English (the command lines print them so); the
// windows show them translated. `text` is matched against `sources` (marked with
// QT_TRANSLATE_NOOP(context, ...)), "%s" and "%d" standing for any inserted part, and comes
// back translated in `context` with the inserted parts kept; an unknown text comes back
// as it is.
QString TranslateByPattern(const char* context, std::span<const char* const> sources,
                           const std::string& text);

}  // namespace common
