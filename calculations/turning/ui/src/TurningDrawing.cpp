#include "TurningDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "calc/ui/FrameWidgets.h"

namespace calc::drawing {

namespace {
constexpr double kArrowLength = 6;
constexpr double kArrowHalfWidth = 2.3;
}  // namespace

void ArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour) {
    FilledArrowHead(p, tip, direction, colour, kArrowLength, kArrowHalfWidth);
}

void DimensionLine(QPainter& p, QPointF a, QPointF b, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 1));
    p.drawLine(a, b);
    p.restore();
    ArrowHead(p, a, a - b, colour);
    ArrowHead(p, b, b - a, colour);
}

void ExtensionLine(QPainter& p, QPointF a, QPointF b, const QColor& colour) {
    p.save();
    QColor c = colour;
    c.setAlpha(150);
    p.setPen(QPen(c, 0.8));
    p.drawLine(a, b);
    p.restore();
}

void CentredText(QPainter& p, QPointF centre, const QString& text, int pixelSize,
                 const QColor& colour, bool bold, bool italic) {
    p.save();
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(colour);
    const QFontMetricsF m(f);
    const QRectF box(centre.x() - m.horizontalAdvance(text) / 2 - 2, centre.y() - m.height() / 2,
                     m.horizontalAdvance(text) + 4, m.height());
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void CentreLine(QPainter& p, QPointF a, QPointF b) {
    p.save();
    p.setPen(QPen(QColor(90, 100, 115), 0.8, Qt::DashDotLine));
    p.drawLine(a, b);
    p.restore();
}

void PaperFrame(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kPaper);
    p.setPen(QPen(QColor(120, 150, 180), 1));
    p.drawRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)));
}

void PaintInto(QPainter& p, const QRect& area,
               const std::function<void(QPainter&, const QSizeF&)>& paint) {
    p.save();
    p.translate(area.topLeft());
    paint(p, QSizeF(area.size()));
    p.restore();
}

}  // namespace calc::drawing
