#include "common/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

#include "common/InstallLayout.h"

namespace common {
namespace {

struct Installed {
    QString language;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

bool Load(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return false;
    QCoreApplication::installTranslator(translator.get());
    Current().translators.push_back(std::move(translator));
    return true;
}

}  // namespace

QString DesktopLanguageCode() {
    switch (QLocale::system().language()) {
        case QLocale::German:
            return QStringLiteral("de");
        case QLocale::French:
            return QStringLiteral("fr");
        default:
            return {};
    }
}

QString TranslationsFolder() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString beside = programDir + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir()) return beside;
    const std::filesystem::path data =
        InstalledDataFolder(QFile::encodeName(programDir).toStdString());
    return QFile::decodeName(data.c_str()) + QStringLiteral("/translations");
}

bool InstallTranslations(const QString& program, const QString& language, const QString& folder) {
    Installed& current = Current();
    for (const auto& translator : current.translators)
        QCoreApplication::removeTranslator(translator.get());
    current.translators.clear();
    current.language.clear();
    if (language != QLatin1String("de") && language != QLatin1String("fr")) return true;

    const QString from = folder.isEmpty() ? TranslationsFolder() : folder;
    // The last one installed is asked first: the program's own texts win over Qt's.
    Load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Load(QStringLiteral("tarvik-common_") + language, from);
    const bool found = Load(program + QLatin1Char('_') + language, from);
    current.language = language;
    return found;
}

QString InstalledLanguage() {
    return Current().language;
}

QString TranslateByPattern(const char* context, std::span<const char* const> sources,
                           const std::string& text) {
    const QString whole = QString::fromStdString(text);
    static const QRegularExpression placeholder(QStringLiteral("%[sd]"));
    for (const char* source : sources) {
        const QString pattern = QString::fromUtf8(source);
        // "%s" and "%d" match any inserted part, the last one to the end.
        const QStringList pieces = pattern.split(placeholder);
        QString expression;
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0) expression += i + 1 == pieces.size() ? "(.*)" : "(.*?)";
            expression += QRegularExpression::escape(pieces[i]);
        }
        const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
                                    QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = re.match(whole);
        if (!match.hasMatch()) continue;
        QString translated = QCoreApplication::translate(context, source);
        qsizetype from = 0;
        for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
            const QRegularExpressionMatch at = placeholder.match(translated, from);
            if (!at.hasMatch()) break;
            translated.replace(at.capturedStart(), 2, match.captured(i));
            from = at.capturedStart() + match.captured(i).size();
        }
        return translated;
    }
    return whole;
}

}  // namespace common
