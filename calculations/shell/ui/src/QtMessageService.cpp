#include "calc/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace calc {

namespace {

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

void QtMessageService::ShowMessage(const std::string& text, const std::string& caption,
                                   MsgIcon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    RunAndReturnFocus(box);
}

MsgAnswer QtMessageService::AskYesNoCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(
        QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
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
                    QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setEscapeButton(QMessageBox::Cancel);
    return RunAndReturnFocus(box) == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

}  // namespace calc
