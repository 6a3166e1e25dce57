#include "transfer/ui/UiServices.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "common/Translations.h"

namespace sendrik {

namespace {

// The English texts of transfer/core and transfer/port the window can show.
const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Sending..."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Waiting..."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Error!!!"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Waiting for data..."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Receiving..."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Sending file %s"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Storing data to file %s"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Unable to open file %s"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Failed to open file!"),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "Failed to read file %s.\nThe program was not sent completely."),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "Failed to write file %s.\nThe received program may be incomplete."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Port Writing Error: %d"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Configuration name must be specified."),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "Configuration with this name already exist.\nEnter another name."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Wrong start of program special sequence"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Wrong end of program special sequence"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Expected end of line sequence is not specified"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Wrong end of line sequence"),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "Wrong config file format."),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "Can't open file: %s.\nPort configuration settings won't be saved."),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "Can't read file: %s (%s).\nIts port configurations can't be used. When "
                      "the configurations are saved, it is kept as %s."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "COM%d names no device."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "The port is not open."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "The device was disconnected."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "The pseudo-terminal %s cannot take %s; it runs %s."),
    QT_TRANSLATE_NOOP("sendrik::CoreText",
                      "The pseudo-terminal %s has no hardware handshake; it runs without flow "
                      "control."),
    QT_TRANSLATE_NOOP("sendrik::CoreText", "%s, line %d: expected a line like 3=/dev/ttyUSB0"),
};

QString AllFilesFilter() {
    return QCoreApplication::translate("sendrik::CQtFileDialogs", "All Files (*)");
}

}  // namespace

QString TranslateCoreText(const std::string& text) {
    return common::TranslateByPattern("sendrik::CoreText", kCoreTexts, text);
}

void CQtMessageBoxes::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromLatin1(kAppCaption), text);
}

bool CQtMessageBoxes::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QString::fromLatin1(kAppCaption), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString CQtFileDialogs::GetOpenFileName(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, AllFilesFilter());
}

QStringList CQtFileDialogs::GetOpenFileNames(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getOpenFileNames(parent, QString(), startFolder, AllFilesFilter());
}

QString CQtFileDialogs::GetSaveFileName(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getSaveFileName(parent, QString(), startFolder, AllFilesFilter());
}

QString CQtFileDialogs::GetExistingDirectory(QWidget* parent, const QString& title,
                                             const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

UiServices UiServices::Default() {
    static CQtMessageBoxes messages;
    static CQtFileDialogs files;
    return UiServices{&messages, &files};
}

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QIcon SendrikIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0xa8));
        p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
        // A connector plug with a send arrow: the program talks to a machine's port.
        p.setBrush(QColor(0xf2, 0xf2, 0xf2));
        QPainterPath arrow;
        arrow.moveTo(s * 0.16, s * 0.40);
        arrow.lineTo(s * 0.56, s * 0.40);
        arrow.lineTo(s * 0.56, s * 0.24);
        arrow.lineTo(s * 0.86, s * 0.50);
        arrow.lineTo(s * 0.56, s * 0.76);
        arrow.lineTo(s * 0.56, s * 0.60);
        arrow.lineTo(s * 0.16, s * 0.60);
        arrow.closeSubpath();
        p.drawPath(arrow);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QString FolderOfPath(const QString& path) {
    const int slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    if (slash < 0) return {};
    if (slash == 0) return path.left(1);
    return path.left(slash);
}

}  // namespace sendrik
