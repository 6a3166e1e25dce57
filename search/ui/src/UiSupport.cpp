#include "search/ui/UiSupport.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <cmath>

#include "common/Translations.h"

static void InitScarrowResources() {
    Q_INIT_RESOURCE(scarrow);
}

namespace scarrow::ui {

namespace {

const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("scarrow::CoreText", "File extension filter is not specified!"),
    QT_TRANSLATE_NOOP("scarrow::CoreText", "Initial folder is not specified!"),
    QT_TRANSLATE_NOOP("scarrow::CoreText", "%s folder has not been found"),
    QT_TRANSLATE_NOOP("scarrow::CoreText", "%s is not a folder"),
    QT_TRANSLATE_NOOP("scarrow::CoreText",
                      "The search history file %s is a folder. The search history starts empty."),
    QT_TRANSLATE_NOOP("scarrow::CoreText",
                      "The search history file %s cannot be read. The search history starts "
                      "empty."),
    QT_TRANSLATE_NOOP("scarrow::CoreText",
                      "%s is not a search history file. The search history starts empty, and the "
                      "file will be replaced when Scarrow closes."),
    QT_TRANSLATE_NOOP("scarrow::CoreText",
                      "The search history file %s is damaged. The search history starts empty."),
    QT_TRANSLATE_NOOP("scarrow::CoreText",
                      "The search history file %s is damaged: %d of its %d entries could be read."),
};

}  // namespace

QString TranslateCoreText(const std::string& text) {
    return common::TranslateByPattern("scarrow::CoreText", kCoreTexts, text);
}

void InitUiResources() {
    static const bool done = (InitScarrowResources(), true);
    (void)done;
}

void CDefaultPrompts::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
    const QString caption = QStringLiteral("Scarrow");
    switch (icon) {
        case Icon::Information:
            QMessageBox::information(parent, caption, text);
            break;
        case Icon::Warning:
            QMessageBox::warning(parent, caption, text);
            break;
        case Icon::Critical:
            QMessageBox::critical(parent, caption, text);
            break;
    }
}

void CDefaultPrompts::Beep() {
    QApplication::beep();
}

CBusyCursor::CBusyCursor(bool arrowToo) {
    QGuiApplication::setOverrideCursor(arrowToo ? Qt::BusyCursor : Qt::WaitCursor);
}

CBusyCursor::~CBusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

QString PathToQString(const std::string& bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string PathFromQString(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QDateTime ToQDateTime(const CDateTime& date) {
    CDateTime::Parts parts;
    if (!date.GetParts(parts)) return {};
    return QDateTime(QDate(parts.year, parts.month, parts.day),
                     QTime(parts.hour, parts.minute, parts.second));
}

CDateTime FromQDateTime(const QDateTime& date) {
    if (!date.isValid()) return CDateTime(0.0, CDateTime::Status::Invalid);
    const QDate d = date.date();
    const QTime t = date.time();
    return CDateTime::FromDate(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

namespace {

// The locale's short date format, but never with a two-digit year: "3/4/24" would be
// read back as 1924.
QString ShortDateFormat() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

QString FormatDateForEdit(const CDateTime& date) {
    const QDateTime dt = ToQDateTime(date);
    if (!dt.isValid()) return {};
    const QLocale locale = QLocale::system();
    QString text = locale.toString(dt.date(), ShortDateFormat());
    if (dt.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(dt.time(), QLocale::ShortFormat);
    return text;
}

bool ParseDateFromEdit(const QString& input, CDateTime& date) {
    const QString text = input.simplified();
    if (text.isEmpty()) return false;
    const QLocale locale = QLocale::system();
    const QStringList dateFormats = {ShortDateFormat(), locale.dateFormat(QLocale::ShortFormat),
                                     QStringLiteral("yyyy-MM-dd")};
    const QStringList timeFormats = {locale.timeFormat(QLocale::ShortFormat),
                                     locale.timeFormat(QLocale::LongFormat),
                                     QStringLiteral("HH:mm"), QStringLiteral("HH:mm:ss")};
    for (const QString& df : dateFormats) {
        const QDate d = locale.toDate(text, df);
        if (d.isValid()) {
            date = FromQDateTime(QDateTime(d, QTime(0, 0)));
            return date.IsValid();
        }
        for (const QString& tf : timeFormats) {
            const QDateTime dt = locale.toDateTime(text, df + QLatin1Char(' ') + tf);
            if (dt.isValid()) {
                date = FromQDateTime(dt);
                return date.IsValid();
            }
        }
    }
    return false;
}

}  // namespace scarrow::ui
