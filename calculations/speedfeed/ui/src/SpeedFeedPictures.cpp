#include "SpeedFeedPictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "calc/ui/FrameWidgets.h"

namespace calc {
namespace {

constexpr double kArrowLength = 6;
constexpr double kArrowHalfWidth = 2.5;

void FillBackground(QPainter& p, const QWidget& w) {
    p.fillRect(w.rect(), kGroupBack);
    p.setPen(QPen(QColor(120, 150, 180), 1));
    p.drawRect(QRectF(w.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// A filled arrow head with its tip at `tip`, pointing along `direction`.
void ArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour) {
    FilledArrowHead(p, tip, direction, colour, kArrowLength, kArrowHalfWidth);
}

void Caption(QPainter& p, QPointF at, const QString& text, const QColor& colour, int pixels = 11,
             bool bold = false) {
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(at, text);
}

}  // namespace

DrillPointPicture::DrillPointPicture(QWidget* parent) : QWidget(parent) {}

void DrillPointPicture::paintEvent(QPaintEvent*) {
    using D = DrillDiagram;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    FillBackground(p, *this);

    const QRectF block(D::kBlockLeft, D::kSurfaceY, D::kBlockRight - D::kBlockLeft,
                       D::kBlockBottom - D::kSurfaceY);
    p.fillRect(block, QColor(196, 204, 212));
    p.fillRect(block, QBrush(QColor(150, 160, 172), Qt::BDiagPattern));
    p.setPen(QPen(kLineColour, 1.2));
    p.drawRect(block);

    const QPolygonF hole({QPointF(D::kHoleLeft, D::kSurfaceY),
                          QPointF(D::kHoleLeft, D::kFullDepthY), QPointF(D::CentreX(), D::kTipY),
                          QPointF(D::kHoleRight, D::kFullDepthY),
                          QPointF(D::kHoleRight, D::kSurfaceY)});
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawPolygon(hole);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLineColour, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(hole);

    // Centre line of the hole.
    p.setPen(QPen(QColor(90, 100, 110), 1, Qt::DashDotLine));
    p.drawLine(QPointF(D::CentreX(), D::kSurfaceY - 12), QPointF(D::CentreX(), D::kTipY + 14));

    Caption(p, QPointF(D::kHoleRight + 6, 20),
            QCoreApplication::translate("calc::SpeedFeedPictures", "\u00D8 Diameter"), kLineColour);
    Caption(p, QPointF(8, 70),
            QCoreApplication::translate("calc::SpeedFeedPictures", "Full \u00D8 depth"),
            kLineColour);
    Caption(
        p, QPointF(D::kBlockLeft + 4, D::kBlockBottom + 14),
        QCoreApplication::translate("calc::SpeedFeedPictures", "Dimensions in the screen's unit"),
        QColor(70, 80, 90), 10);
}

CuttingPicture::CuttingPicture(QWidget* parent) : QWidget(parent) {}

void CuttingPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    FillBackground(p, *this);

    const double cx = 112;
    const double cutterLeft = cx - 40, cutterRight = cx + 40;
    const double surface = 190;

    // Workpiece with the slot the cutter leaves behind it.
    const QRectF block(20, surface, 250, 70);
    p.fillRect(block, QColor(196, 204, 212));
    p.fillRect(block, QBrush(QColor(150, 160, 172), Qt::BDiagPattern));
    p.setPen(QPen(kLineColour, 1.2));
    p.drawRect(block);
    const QRectF slot(20, surface, cutterRight - 20, 24);
    p.fillRect(slot, kGroupBack);
    p.drawLine(QPointF(20, surface + 24), QPointF(cutterRight, surface + 24));

    // Shank and cutter.
    p.setPen(QPen(kLineColour, 1.4));
    p.setBrush(QColor(225, 228, 232));
    p.drawRect(QRectF(cx - 22, 40, 44, 80));
    p.setBrush(QColor(240, 242, 245));
    p.drawRect(QRectF(cutterLeft, 120, cutterRight - cutterLeft, surface + 24 - 120));
    p.setPen(QPen(QColor(110, 120, 130), 1));
    for (int i = 0; i < 4; ++i) {
        const double y = 126 + i * 22;
        p.drawLine(QPointF(cutterLeft + 2, y + 12), QPointF(cutterRight - 2, y));
    }
    p.setPen(QPen(QColor(90, 100, 110), 1, Qt::DashDotLine));
    p.drawLine(QPointF(cx, 30), QPointF(cx, surface + 34));

    // Spindle speed: an arrow around the shank.
    p.setPen(QPen(kAngleColour, 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF turn(cx - 36, 58, 72, 22);
    p.drawArc(turn, 200 * 16, 300 * 16);
    const double end = (200.0 + 300.0) * M_PI / 180;
    const QPointF tip(cx + 36 * std::cos(end), 69 - 11 * std::sin(end));
    ArrowHead(p, tip, QPointF(std::sin(end) * 36, std::cos(end) * 11), kAngleColour);
    Caption(p, QPointF(cx + 44, 74), QCoreApplication::translate("calc::SpeedFeedPictures", "RPM"),
            kAngleColour, 12, true);

    // Surface speed: tangent at the cutting edge.
    p.setPen(QPen(kPointLengthColour, 1.6));
    p.drawLine(QPointF(cutterRight + 2, 160), QPointF(cutterRight + 2, 132));
    ArrowHead(p, QPointF(cutterRight + 2, 128), QPointF(0, -1), kPointLengthColour);
    Caption(p, QPointF(cutterRight + 10, 146),
            QCoreApplication::translate("calc::SpeedFeedPictures", "Surface speed"),
            kPointLengthColour, 11, true);

    // Feed: the cutter moves along the work.
    p.setPen(QPen(kTotalDepthColour, 1.6));
    p.drawLine(QPointF(cutterRight + 10, surface + 12), QPointF(cutterRight + 60, surface + 12));
    ArrowHead(p, QPointF(cutterRight + 64, surface + 12), QPointF(1, 0), kTotalDepthColour);
    Caption(p, QPointF(cutterRight + 30, surface + 6),
            QCoreApplication::translate("calc::SpeedFeedPictures", "Feed"), kTotalDepthColour, 12,
            true);

    // Diameter.
    p.setPen(QPen(kLineColour, 1));
    p.drawLine(QPointF(cutterLeft, 110), QPointF(cutterLeft, 96));
    p.drawLine(QPointF(cutterRight, 110), QPointF(cutterRight, 96));
    p.drawLine(QPointF(cutterLeft + 1, 102), QPointF(cutterRight - 1, 102));
    ArrowHead(p, QPointF(cutterLeft, 102), QPointF(-1, 0), kLineColour);
    ArrowHead(p, QPointF(cutterRight, 102), QPointF(1, 0), kLineColour);
    Caption(p, QPointF(8, 106),
            QCoreApplication::translate("calc::SpeedFeedPictures", "\u00D8 Dia."), kLineColour);

    Caption(p, QPointF(14, 290),
            QCoreApplication::translate("calc::SpeedFeedPictures",
                                        "RPM = surface speed \u00D7 constant \u00F7 \u00D8"),
            QColor(60, 70, 80), 11);
}

DimensionLine::DimensionLine(QWidget* parent, const QString& name, QPointF from, QPointF to,
                             Kind kind, const QColor& colour, double spanDegrees)
    : QWidget(parent), from_(from), to_(to), kind_(kind), colour_(colour), span_(spanDegrees) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    QRectF bounds;
    if (kind_ == Kind::Arc) {
        const double r = to_.x();
        bounds = QRectF(from_.x() - r, from_.y() - r, 2 * r, 2 * r);
    } else {
        bounds = QRectF(from_, to_).normalized();
    }
    setGeometry(
        bounds.adjusted(-kArrowLength, -kArrowLength, kArrowLength, kArrowLength).toAlignedRect());
}

void DimensionLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-QPointF(pos()));
    p.setPen(QPen(colour_, kind_ == Kind::Plain ? 0.9 : 1.2));
    if (kind_ == Kind::Arc) {
        const double r = to_.x();
        p.drawArc(QRectF(from_.x() - r, from_.y() - r, 2 * r, 2 * r),
                  static_cast<int>(to_.y() * 16), static_cast<int>(span_ * 16));
        return;
    }
    if (kind_ == Kind::Plain) {
        p.drawLine(from_, to_);
        return;
    }
    const QPointF d = to_ - from_;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = length > 0 ? d / length : QPointF();
    // Short dimensions keep their arrows inside only while they fit.
    if (length > 2 * kArrowLength + 2) {
        p.drawLine(from_ + u * kArrowLength, to_ - u * kArrowLength);
        ArrowHead(p, from_, -d, colour_);
        ArrowHead(p, to_, d, colour_);
    } else {
        p.drawLine(from_, to_);
        ArrowHead(p, from_, d, colour_);
        ArrowHead(p, to_, -d, colour_);
        p.drawLine(from_ - u * (kArrowLength + 4), from_);
        p.drawLine(to_, to_ + u * (kArrowLength + 4));
    }
}

FaceOverlay::FaceOverlay(QWidget* face, std::function<void(QPainter&, const QRectF&)> paint)
    : QWidget(face), paint_(std::move(paint)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(face->rect());
}

void FaceOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(width() * 0.18, height() * 0.08, width() * 0.64, height() * 0.54);
    paint_(p, r);
}

void PaintMaterialsFace(QPainter& p, const QRectF& r) {
    // A reference sheet: a table with a header row.
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF sheet(r.center().x() - r.height() * 0.45, r.top(), r.height() * 0.9, r.height());
    p.drawRect(sheet);
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), sheet.height() * 0.2), Qt::white);
    for (int i = 1; i < 4; ++i) {
        const double y = sheet.top() + sheet.height() * (0.2 + i * 0.2);
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
    }
    const double x = sheet.left() + sheet.width() * 0.62;
    p.drawLine(QPointF(x, sheet.top() + sheet.height() * 0.2), QPointF(x, sheet.bottom()));
}

void PaintSurfaceFinishFace(QPainter& p, const QRectF& r) {
    // A turned surface profile under a tool nose.
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    const double base = r.bottom() - r.height() * 0.15;
    path.moveTo(r.left(), base);
    const int waves = 4;
    const double step = r.width() / waves;
    for (int i = 0; i < waves; ++i) {
        const double x = r.left() + i * step;
        path.quadTo(QPointF(x + step / 2, base - r.height() * 0.45), QPointF(x + step, base));
    }
    p.drawPath(path);
    p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom()));
}

void PaintCopyFace(QPainter& p, const QRectF& r) {
    // Two sheets and an arrow from one to the other.
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    const double s = r.height() * 0.8;
    const QRectF left(r.center().x() - s * 1.6, r.top() + r.height() * 0.1, s * 0.8, s);
    const QRectF right(r.center().x() + s * 0.8, r.top() + r.height() * 0.1, s * 0.8, s);
    p.drawRect(left);
    p.drawRect(right);
    const double y = left.center().y();
    p.drawLine(QPointF(left.right() + 4, y), QPointF(right.left() - 5, y));
    ArrowHead(p, QPointF(right.left() - 2, y), QPointF(1, 0), Qt::white);
}

}  // namespace calc
