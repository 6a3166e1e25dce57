#include "transfer/ui/UiServices.h"

#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace sendrik {

namespace {
const QString kAllFilesFilter = QStringLiteral("All Files (*)");
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
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, kAllFilesFilter);
}

QStringList CQtFileDialogs::GetOpenFileNames(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getOpenFileNames(parent, QString(), startFolder, kAllFilesFilter);
}

QString CQtFileDialogs::GetSaveFileName(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getSaveFileName(parent, QString(), startFolder, kAllFilesFilter);
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
