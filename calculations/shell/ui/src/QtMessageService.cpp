#include "calc/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "common/Translations.h"

namespace calc {

namespace {

const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("calc::CoreText", "Do not insert spaces."),
    QT_TRANSLATE_NOOP("calc::CoreText", "'%s' is not Valid."),
    QT_TRANSLATE_NOOP("calc::CoreText", "Maximum decimal places is 5."),
    QT_TRANSLATE_NOOP("calc::CoreText", "'/' is not allowed."),
    QT_TRANSLATE_NOOP("calc::CoreText",
                      "Please enter the ratio in the format '1:x', or switch to Inch system."),
    QT_TRANSLATE_NOOP("calc::CoreText", "Ratio format '1:x' is for the Metric system only"),
    QT_TRANSLATE_NOOP("calc::CoreText", "Negative values are not allowed."),
    QT_TRANSLATE_NOOP("calc::CoreText",
                      "Impossible data entered: %s cannot be calculated from these values."),
};

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Runs the box, then gives its parent (the window that was active) the keyboard back:
// a message shown while a box is being left must not leave the screen without focus,
// with the next box it moves to unchecked.
int RunAndReturnFocus(QMessageBox& box) {
    const QPointer<QWidget> owner = box.parentWidget();
    const int result = box.exec();
    if (owner && owner->isVisible()) owner->activateWindow();
    return result;
}

}  // namespace

QString TranslateMessageText(const std::string& text) {
    return common::TranslateByPattern("calc::CoreText", kCoreTexts, text);
}

void QtMessageService::ShowMessage(const std::string& text, const std::string& caption,
                                   MsgIcon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), TranslateMessageText(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    RunAndReturnFocus(box);
}

MsgAnswer QtMessageService::AskYesNoCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(
        QMessageBox::Question, QString::fromStdString(caption), TranslateMessageText(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    box.setEscapeButton(QMessageBox::Cancel);
    switch (RunAndReturnFocus(box)) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Cancel;
    }
}

MsgAnswer QtMessageService::AskOkCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    TranslateMessageText(text), QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setEscapeButton(QMessageBox::Cancel);
    return RunAndReturnFocus(box) == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

}  // namespace calc
