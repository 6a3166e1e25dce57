#include "calc/ui/PrintAnswer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

namespace calc {

namespace {

constexpr double kScreenDpi = 96.0;  // 15 twips to a pixel = 96 pixels per inch

bool PrintOneJob(QPrinter& printer, const QStringList& lines, const PrintPicture& picture) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The painter's origin is already the top-left of the printable area.
    const QRectF area(0, 0, page.width(), page.height());

    double pictureBottom = 0;
    if (picture.paint && !picture.sizePx.isEmpty()) {
        // Render the diagram as an image at print resolution so it stays crisp.
        const double scale = std::min(printer.resolution(), 600) / kScreenDpi;
        QImage image(picture.sizePx * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter ip(&image);
            ip.setRenderHint(QPainter::Antialiasing);
            ip.setRenderHint(QPainter::TextAntialiasing);
            ip.scale(scale, scale);
            picture.paint(ip);
        }
        const double toPage = printer.resolution() / kScreenDpi;
        pictureBottom = picture.sizePx.height() * toPage;
        painter.drawImage(QRectF(0, 0, picture.sizePx.width() * toPage, pictureBottom), image);
    }

    QFont font("DejaVu Sans");
    font.setPointSizeF(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &printer);
    const double lineHeight = metrics.lineSpacing();
    // The empty lines at the top of an answer are meant to clear the diagram; where the
    // printer's line height falls short of that, the text moves down below it.
    double y = 0;
    const auto firstText = std::find_if(lines.begin(), lines.end(),
                                        [](const QString& line) { return !line.isEmpty(); });
    const double firstTop = (firstText - lines.begin()) * lineHeight;
    if (pictureBottom > 0 && firstTop < pictureBottom + lineHeight / 2)
        y = pictureBottom + lineHeight / 2 - firstTop;
    for (const QString& line : lines) {
        if (y + lineHeight > area.height()) {
            if (!printer.newPage()) return false;
            y = 0;
        }
        if (!line.isEmpty()) painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += lineHeight;
    }
    return painter.end();
}

}  // namespace

QString AnswerTextToLines(const QString& answer) {
    QString text = answer;
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    return text;
}

int PrintAnswer(QWidget* parent, const QString& answer, const PrintPicture& picture,
                const PrintHooks& hooks) {
    QPrinter printer(QPrinter::HighResolution);
    bool accepted = false;
    if (hooks.chooseOptions) {
        accepted = hooks.chooseOptions(printer, parent);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) return 0;

    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    const QStringList lines = AnswerTextToLines(answer).split('\n');
    int printed = 0;
    const QString fileName = printer.outputFileName();
    for (int copy = 0; copy < copies; ++copy) {
        if (hooks.beforeJob) {
            hooks.beforeJob(printer, copy);
        } else if (!fileName.isEmpty() && copy > 0) {
            // Printing to a file: each copy gets its own file instead of overwriting.
            const QFileInfo info(fileName);
            printer.setOutputFileName(info.dir().filePath(
                info.completeBaseName() + QString("-%1.").arg(copy + 1) + info.suffix()));
        }
        if (!PrintOneJob(printer, lines, picture)) break;
        ++printed;
    }
    return printed;
}

}  // namespace calc
