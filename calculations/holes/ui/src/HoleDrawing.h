#pragma once

// Drawing and answer-box helpers the two hole pattern screens share.

#include <QColor>
#include <QFont>
#include <QPointF>

#include "calc/CalcEnv.h"
#include "holes/HolePattern.h"

class QPainter;
class QPlainTextEdit;

namespace calc {

// A chart position in twips as a painter position in pixels.
inline QPointF Px(ChartPoint p) {
    return {p.x / 15.0, p.y / 15.0};
}
inline QPointF Px(double xTw, double yTw) {
    return {xTw / 15.0, yTw / 15.0};
}

// The small font the hole numbers are written in, and its size in twips.
QFont HoleNumberFont();
NumberMetrics HoleNumberMetrics(const QFont& font);

// Draws a stored chart: thin lines in `lineColour`, then markers (unless `markers` is
// false), then the numbers, each on a patch of `background` so lines under it do not
// blur it.
void PaintHoleChart(QPainter& painter, const HoleChart& chart, const QFont& numberFont,
                    const QColor& lineColour, const QColor& background, bool markers = true);

// The answer box as a plain-text box: editable, a vertical scroll bar, no wrapping.
QPlainTextEdit* MakeAnswerBox(QWidget* parent, const QRect& rect);

// COPY ALL TO CLIPBOARD: the answer as shown, with CR LF line ends, replaces what the
// clipboard held, then MsgCoordinatesOnClipboard. An empty answer (nothing but blanks)
// leaves the clipboard alone and shows nothing.
void CopyAnswerToClipboard(const CalcEnv& env, const QPlainTextEdit* answer);

// The busy pointer while a list is written; restored however the scope ends.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace calc
