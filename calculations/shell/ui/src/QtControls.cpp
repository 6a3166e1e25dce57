#include "calc/ui/QtControls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include "calc/LocalText.h"
#include "common/Translations.h"

namespace calc {

Language DesktopLanguage() {
    switch (QLocale().language()) {
        case QLocale::German:
            return Language::German;
        case QLocale::French:
            return Language::French;
        default:
            return Language::English;
    }
}

QString& TranslationsFolderOverride() {
    static QString folder;
    return folder;
}

void ApplyLanguage(const CalcEnv& env) {
    QString code;
    switch (CurrentLanguage(env)) {
        case Language::German:
            code = QStringLiteral("de");
            break;
        case Language::French:
            code = QStringLiteral("fr");
            break;
        case Language::English:
        case Language::None:
            break;
    }
    common::InstallTranslations(QStringLiteral("calculations"), code, TranslationsFolderOverride());
}

void SetTitleCaption(const CalcEnv& env, QLabel* label) {
    if (const auto caption = TitleCaption(env)) label->setText(Q(*caption));
}

void SetBoxEditable(QLineEdit* box, bool editable) {
    const QPalette system = QApplication::palette();
    QPalette p = box->palette();
    p.setColor(QPalette::Base,
               editable ? system.color(QPalette::Base) : system.color(QPalette::Button));
    p.setColor(QPalette::Text, system.color(QPalette::WindowText));
    box->setPalette(p);
    box->setReadOnly(!editable);
}

void SetControlVisible(QWidget* control, bool visible) {
    control->setVisible(visible);
}

QString FieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(field)) return label->text();
    return {};
}

void SetFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(field))
        label->setText(text);
}

}  // namespace calc
