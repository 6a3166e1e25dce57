#include "HoleDrawing.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPlainTextEdit>

#include "calc/LocalText.h"
#include "holes/HoleScreens.h"

namespace calc {

QFont HoleNumberFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    return font;
}

NumberMetrics HoleNumberMetrics(const QFont& font) {
    const QFontMetricsF m(font);
    return {m.horizontalAdvance(QStringLiteral("0")) * 15.0, m.height() * 15.0};
}

void PaintHoleChart(QPainter& p, const HoleChart& chart, const QFont& numberFont,
                    const QColor& lineColour, const QColor& background, bool markers) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lineColour, 1));
    for (const ChartLine& line : chart.lines) p.drawLine(Px(line.from), Px(line.to));
    if (markers) {
        p.setPen(QPen(Qt::black, chart.markerLineWidth));
        const double r = chart.markerRadius / 15.0;
        for (const ChartPoint& m : chart.markers) p.drawEllipse(Px(m), r, r);
    }
    p.setFont(numberFont);
    p.setPen(QColor(160, 20, 20));
    for (const HoleNumber& n : chart.numbers) {
        const QRectF box(Px(n.box.left, n.box.top), Px(n.box.Right(), n.box.Bottom()));
        p.fillRect(box, background);
        p.drawText(box, Qt::AlignCenter, QString::number(n.number));
    }
    p.restore();
}

QPlainTextEdit* MakeAnswerBox(QWidget* parent, const QRect& rect) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName("txtAnswer");
    box->setGeometry(rect);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setToolTip(QCoreApplication::translate(
        "calc::HoleDrawing",
        "The list of coordinates will appear here when the \"Calculate\" button is clicked."));
    return box;
}

QString AnswerWithCrLf(const QPlainTextEdit* answer) {
    QString text = answer->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void ShowCoordinateList(QPlainTextEdit* answer, const std::string& lines) {
    QString text = QString::fromStdString(lines);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    answer->setPlainText(text);
}

void CopyAnswerToClipboard(const CalcEnv& env, const QPlainTextEdit* answer) {
    const QString text = AnswerWithCrLf(answer);
    if (text.trimmed().isEmpty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    MsgCoordinatesOnClipboard(env);
}

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace calc
