#pragma once

// Drawings of the speeds and feeds screen, painted at the widget's own resolution so they
// stay sharp at any scale.

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <functional>

class QPainter;

namespace calc {

// Colours that tie each drill dimension to its entry row.
inline const QColor kAngleColour(150, 30, 30);
inline const QColor kPointLengthColour(20, 110, 40);
inline const QColor kTotalDepthColour(20, 60, 150);
inline const QColor kLineColour(25, 35, 45);

// Layout of the drill point diagram in its own pixels.
struct DrillDiagram {
    static constexpr double kSurfaceY = 34;
    static constexpr double kHoleLeft = 120;
    static constexpr double kHoleRight = 190;
    static constexpr double kFullDepthY = 150;
    static constexpr double kTipY = 171;
    static constexpr double kBlockLeft = 18;
    static constexpr double kBlockRight = 212;
    static constexpr double kBlockBottom = 205;
    static constexpr double CentreX() { return (kHoleLeft + kHoleRight) / 2; }
};

// DrillPoint1b: a drilled hole in section, full diameter and point.
class DrillPointPicture : public QWidget {
public:
    explicit DrillPointPicture(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// DrillPoint2b: a cutter at work, with its diameter, spindle speed, surface speed and feed.
class CuttingPicture : public QWidget {
public:
    explicit CuttingPicture(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// One dimension or extension line of the diagram (Line1 ... Line10, TopPointLength,
// BottomPointLen): a control of its own, so it shows and hides with the drilling boxes.
class DimensionLine : public QWidget {
public:
    enum class Kind { Plain, Arrows, Arc };
    // `from` and `to` in the parent's pixels. An arc is centred at `from` with radius
    // `to.x()`, from `to.y()` degrees spanning `spanDegrees`.
    DimensionLine(QWidget* parent, const QString& name, QPointF from, QPointF to, Kind kind,
                  const QColor& colour, double spanDegrees = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF from_, to_;
    Kind kind_;
    QColor colour_;
    double span_;
};

// A drawing laid over a command face that has none of its own; mouse events pass through.
class FaceOverlay : public QWidget {
public:
    FaceOverlay(QWidget* face, std::function<void(QPainter&, const QRectF&)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&, const QRectF&)> paint_;
};

void PaintMaterialsFace(QPainter& painter, const QRectF& area);
void PaintSurfaceFinishFace(QPainter& painter, const QRectF& area);
void PaintCopyFace(QPainter& painter, const QRectF& area);

}  // namespace calc
