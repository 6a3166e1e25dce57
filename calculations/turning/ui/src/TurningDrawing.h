#pragma once

// Drawing aids shared by the diagrams of the taper, dovetail, keyseat and surface finish
// screens (pixel coordinates, antialiased painters).

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

namespace calc::drawing {

inline const QColor kInk(25, 45, 70);
inline const QColor kDimension(170, 30, 30);
inline const QColor kMetal(200, 208, 218);
inline const QColor kMetalHatch(140, 150, 165);
inline const QColor kRoll(255, 236, 170);
inline const QColor kPaper(255, 255, 255);

// A filled arrow head with its tip at `tip`, pointing along `direction`.
void ArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour);
// A dimension line from `a` to `b` with an arrow head at each end, pointing outwards to
// the two extension lines.
void DimensionLine(QPainter& p, QPointF a, QPointF b, const QColor& colour = kDimension);
// A thin extension line.
void ExtensionLine(QPainter& p, QPointF a, QPointF b, const QColor& colour = kDimension);
// Text centred on `centre`.
void CentredText(QPainter& p, QPointF centre, const QString& text, int pixelSize,
                 const QColor& colour = kInk, bool bold = false, bool italic = false);
// A dash-dot centre line.
void CentreLine(QPainter& p, QPointF a, QPointF b);
// White paper with a thin border over (0, 0, size): the frame of a diagram.
void PaperFrame(QPainter& p, const QSizeF& size);
// Paints `paint` (a diagram drawn from (0, 0) for a given size) into `area`.
void PaintInto(QPainter& p, const QRect& area,
               const std::function<void(QPainter&, const QSizeF&)>& paint);

}  // namespace calc::drawing
