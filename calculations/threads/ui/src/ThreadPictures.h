#pragma once

// The thread illustration and the taper pipe thread diagram, painted in vectors so they
// stay crisp on screen and on paper.

#include <QRectF>
#include <QWidget>

#include "threads/ThreadMeasure.h"

class QPainter;

namespace calc {

// A side view of the thread of `form` with three wires, the micrometer faces and the
// dimensions M, E, D, P and W, fitted into `area`.
void PaintThreadIllustration(QPainter& painter, const QRectF& area, ThreadForm form);
// A taper pipe thread with E0 at the start of the thread, E1 at the gauge point and the
// gauge length L1, fitted into `area`.
void PaintPipeDiagram(QPainter& painter, const QRectF& area);

// A widget that shows one of the two drawings.
class ThreadPicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Thread, Pipe };
    ThreadPicture(Kind kind, QWidget* parent);
    void SetForm(ThreadForm form);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    ThreadForm form_ = ThreadForm::SixtyUn;
};

}  // namespace calc
