#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "calc/ui/FrameWidgets.h"
#include "calc/ui/MainMenu.h"

namespace calc {

namespace {

const QColor kInk(20, 50, 90);
const QColor kMetal(190, 205, 220);
const QColor kCream(255, 248, 220);
const QColor kAccent(200, 60, 40);

QPointF Polar(QPointF c, double r, double degrees) {
    const double a = degrees * M_PI / 180.0;
    return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

}  // namespace

void PaintMenuDrawing(QPainter& p, const QString& name, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen ink(kInk, 1.6);
    ink.setJoinStyle(Qt::RoundJoin);
    p.setPen(ink);
    const double w = r.width(), h = r.height();
    const QPointF c = r.center();
    const double s = std::min(w, h);

    if (name == "picSpeedFeed") {
        // A drill turning above a workpiece, with its direction of rotation.
        QRectF work(r.left() + w * 0.1, r.top() + h * 0.72, w * 0.8, h * 0.25);
        p.setBrush(kMetal);
        p.drawRect(work);
        QPainterPath drill;
        const double dx = c.x(), half = w * 0.09;
        drill.moveTo(dx - half, r.top() + h * 0.05);
        drill.lineTo(dx + half, r.top() + h * 0.05);
        drill.lineTo(dx + half, r.top() + h * 0.58);
        drill.lineTo(dx, r.top() + h * 0.72);
        drill.lineTo(dx - half, r.top() + h * 0.58);
        drill.closeSubpath();
        p.setBrush(QColor(230, 230, 235));
        p.drawPath(drill);
        for (int i = 0; i < 4; ++i) {
            const double y = r.top() + h * (0.14 + i * 0.12);
            p.drawLine(QPointF(dx - half, y + h * 0.06), QPointF(dx + half, y));
        }
        p.setPen(QPen(kAccent, 1.6));
        p.setBrush(Qt::NoBrush);
        QRectF arc(dx - w * 0.3, r.top() + h * 0.16, w * 0.6, h * 0.2);
        p.drawArc(arc, 200 * 16, 140 * 16);
        const QPointF tip(arc.right() - w * 0.02, arc.center().y() + h * 0.05);
        p.drawLine(tip, tip + QPointF(-w * 0.07, h * 0.02));
        p.drawLine(tip, tip + QPointF(-w * 0.01, -h * 0.08));
    } else if (name == "picRAtrig") {
        QPolygonF tri({QPointF(r.left() + w * 0.15, r.top() + h * 0.08),
                       QPointF(r.left() + w * 0.15, r.bottom() - h * 0.08),
                       QPointF(r.right() - w * 0.1, r.bottom() - h * 0.08)});
        p.setBrush(kCream);
        p.drawPolygon(tri);
        const double m = s * 0.12;
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(tri[1].x(), tri[1].y() - m, m, m));
        p.drawArc(QRectF(tri[2].x() - s * 0.3, tri[2].y() - s * 0.15, s * 0.3, s * 0.3), 145 * 16,
                  35 * 16);
    } else if (name == "picOBtrig") {
        QPolygonF tri({QPointF(r.left() + w * 0.62, r.top() + h * 0.08),
                       QPointF(r.left() + w * 0.06, r.bottom() - h * 0.08),
                       QPointF(r.right() - w * 0.06, r.bottom() - h * 0.08)});
        p.setBrush(kCream);
        p.drawPolygon(tri);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(tri[1].x() - s * 0.15, tri[1].y() - s * 0.15, s * 0.3, s * 0.3), 0,
                  40 * 16);
        p.drawArc(QRectF(tri[2].x() - s * 0.15, tri[2].y() - s * 0.15, s * 0.3, s * 0.3), 115 * 16,
                  65 * 16);
    } else if (name == "picBoltCircle") {
        const double rad = s * 0.42;
        p.setBrush(kMetal);
        p.drawEllipse(c, rad, rad);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.drawEllipse(c, rad * 0.68, rad * 0.68);
        p.setPen(ink);
        p.setBrush(Qt::white);
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(Polar(c, rad * 0.68, 90 + i * 60), s * 0.06, s * 0.06);
        p.drawEllipse(c, rad * 0.2, rad * 0.2);
    } else if (name == "picSurfFin") {
        // Ball-nose cutter and the scallops it leaves.
        QPainterPath surface;
        const double base = r.bottom() - h * 0.1;
        surface.moveTo(r.left(), r.bottom());
        surface.lineTo(r.left(), base - h * 0.12);
        const int n = 5;
        const double step = w / n;
        for (int i = 0; i < n; ++i) {
            const double x0 = r.left() + i * step;
            surface.quadTo(QPointF(x0 + step / 2, base + h * 0.06),
                           QPointF(x0 + step, base - h * 0.12));
        }
        surface.lineTo(r.right(), r.bottom());
        surface.closeSubpath();
        p.setBrush(kMetal);
        p.drawPath(surface);
        const double rad = step * 0.5;
        const QPointF ball(r.left() + 2.5 * step, base - h * 0.12 - rad * 0.05);
        QPainterPath tool;
        tool.moveTo(ball.x() - rad, r.top());
        tool.lineTo(ball.x() - rad, ball.y() - rad);
        tool.arcTo(QRectF(ball.x() - rad, ball.y() - 2 * rad, 2 * rad, 2 * rad), 180, 180);
        tool.lineTo(ball.x() + rad, r.top());
        p.setBrush(QColor(230, 230, 235));
        p.drawPath(tool);
    } else if (name == "picKeyseat") {
        const double rad = s * 0.42;
        QPainterPath shaft;
        shaft.addEllipse(c, rad, rad);
        QPainterPath seat;
        seat.addRect(QRectF(c.x() - rad * 0.25, c.y() - rad * 1.1, rad * 0.5, rad * 0.45));
        p.setBrush(kMetal);
        p.drawPath(shaft.subtracted(seat));
        p.setBrush(kAccent);
        p.drawRect(QRectF(c.x() - rad * 0.25, c.y() - rad * 1.15, rad * 0.5, rad * 0.3));
    } else if (name == "picPolygon") {
        const double rad = s * 0.45;
        QPolygonF hex;
        for (int i = 0; i < 6; ++i) hex << Polar(c, rad, i * 60);
        p.setBrush(kCream);
        p.drawPolygon(hex);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.drawEllipse(c, rad * 0.866, rad * 0.866);
        p.drawLine(hex[0], hex[3]);
    } else if (name == "picGrid") {
        p.setBrush(kMetal);
        p.drawRect(r.adjusted(w * 0.05, h * 0.05, -w * 0.05, -h * 0.05));
        p.setBrush(Qt::white);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawEllipse(
                    QPointF(r.left() + w * (0.2 + col * 0.2), r.top() + h * (0.25 + row * 0.25)),
                    s * 0.05, s * 0.05);
    } else if (name == "picMeasureThread") {
        // Thread flanks with three wires resting in the grooves and the micrometer faces.
        QPolygonF teeth;
        const int n = 4;
        const double step = w * 0.8 / n, left = r.left() + w * 0.1;
        const double top = r.top() + h * 0.35, bottom = r.top() + h * 0.7;
        teeth << QPointF(left, r.bottom());
        for (int i = 0; i < n; ++i) {
            teeth << QPointF(left + i * step, bottom) << QPointF(left + (i + 0.5) * step, top);
        }
        teeth << QPointF(left + n * step, bottom) << QPointF(left + n * step, r.bottom());
        p.setBrush(kMetal);
        p.drawPolygon(teeth);
        p.setBrush(kAccent);
        for (int i = 1; i < n; ++i)
            p.drawEllipse(QPointF(left + i * step, bottom - step * 0.33), step * 0.22, step * 0.22);
    } else if (name == "picDovetail") {
        QPolygonF tail({QPointF(r.left() + w * 0.05, r.bottom() - h * 0.1),
                        QPointF(r.left() + w * 0.05, r.top() + h * 0.15),
                        QPointF(r.left() + w * 0.22, r.top() + h * 0.15),
                        QPointF(r.left() + w * 0.32, r.bottom() - h * 0.35),
                        QPointF(r.right() - w * 0.32, r.bottom() - h * 0.35),
                        QPointF(r.right() - w * 0.22, r.top() + h * 0.15),
                        QPointF(r.right() - w * 0.05, r.top() + h * 0.15),
                        QPointF(r.right() - w * 0.05, r.bottom() - h * 0.1)});
        p.setBrush(kMetal);
        p.drawPolygon(tail);
        p.setBrush(kAccent);
        const double rr = s * 0.08;
        p.drawEllipse(QPointF(r.left() + w * 0.33, r.bottom() - h * 0.35 - rr), rr, rr);
        p.drawEllipse(QPointF(r.right() - w * 0.33, r.bottom() - h * 0.35 - rr), rr, rr);
    } else if (name == "picTaper") {
        QPolygonF shaft({QPointF(r.left() + w * 0.05, c.y() - h * 0.2),
                         QPointF(r.left() + w * 0.35, c.y() - h * 0.2),
                         QPointF(r.right() - w * 0.08, c.y() - h * 0.08),
                         QPointF(r.right() - w * 0.08, c.y() + h * 0.08),
                         QPointF(r.left() + w * 0.35, c.y() + h * 0.2),
                         QPointF(r.left() + w * 0.05, c.y() + h * 0.2)});
        p.setBrush(kMetal);
        p.drawPolygon(shaft);
        p.setPen(QPen(kInk, 1, Qt::DashDotLine));
        p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
        // The taper angle: the flank against a line parallel to the axis.
        p.setPen(QPen(kAccent, 1.2, Qt::DashLine));
        p.drawLine(QPointF(r.left() + w * 0.35, c.y() - h * 0.2),
                   QPointF(r.right(), c.y() - h * 0.2));
    } else if (name == "picChord") {
        const double rad = s * 0.48;
        const QPointF centre(c.x(), c.y() + rad * 0.35);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(centre.x() - rad, centre.y() - rad, 2 * rad, 2 * rad), 15 * 16, 150 * 16);
        const QPointF a = Polar(centre, rad, 160), b = Polar(centre, rad, 20);
        p.setPen(QPen(kAccent, 1.6));
        p.drawLine(a, b);
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.drawLine(QPointF(centre.x(), a.y()), Polar(centre, rad, 90));
        p.drawLine(centre, a);
        p.drawLine(centre, b);
    }
    p.restore();
}

QPixmap AppIconPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonFace);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    // A right triangle and a compass arc: shop geometry.
    QPen pen(Qt::white, size / 16.0);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPolygon(QPolygonF({QPointF(size * 0.2, size * 0.18), QPointF(size * 0.2, size * 0.8),
                             QPointF(size * 0.82, size * 0.8)}));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(size * 0.2, size * 0.68, size * 0.12, size * 0.12));
    p.drawArc(QRectF(size * 0.58, size * 0.56, size * 0.48, size * 0.48), 135 * 16, 45 * 16);
    return pm;
}

}  // namespace calc
