#include "ThreadPictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace calc {

namespace {

// The thread forms' titles of the thread library, for lupdate.
[[maybe_unused]] const char* const kPrintTitles[] = {
    QT_TRANSLATE_NOOP("calc::ThreadForms", "60° Unified Thread"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "60° ISO Metric Thread"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "55° Whitworth Thread"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "29° Acme Thread"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "29° Stub Acme Thread"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "30° Trapezoid Thread"),
};

}  // namespace

namespace {

const QColor kInk(20, 40, 70);
const QColor kMetal(205, 214, 224);
const QColor kWire(235, 170, 60);
const QColor kDimension(170, 30, 30);
const QColor kPitchLine(30, 110, 60);
const QColor kPaper(255, 255, 255);

constexpr double kDegree = 3.14159265358979 / 180;

void Arrow(QPainter& p, QPointF tip, QPointF from) {
    const double len = 6;
    const double spread = 0.45;
    const double angle = std::atan2(from.y() - tip.y(), from.x() - tip.x());
    QPolygonF head;
    head << tip << tip + QPointF(len * std::cos(angle + spread), len * std::sin(angle + spread))
         << tip + QPointF(len * std::cos(angle - spread), len * std::sin(angle - spread));
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

// A dimension line with arrows at both ends and its name beside the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& name, QPointF labelOffset) {
    p.drawLine(a, b);
    Arrow(p, a, b);
    Arrow(p, b, a);
    const QPointF mid = (a + b) / 2 + labelOffset;
    p.drawText(QRectF(mid.x() - 20, mid.y() - 8, 40, 16), Qt::AlignCenter, name);
}

struct Profile {
    double crestFlat;  // share of the pitch
    double rootFlat;
};

Profile ProfileOf(ThreadForm form) {
    switch (form) {
        case ThreadForm::SixtyUn:
        case ThreadForm::SixtyIsoMetric:
            return {0.125, 0.25};
        case ThreadForm::FiftyFiveBsw:
            return {0.1, 0.1};
        case ThreadForm::TwentyNineAcme:
            return {0.3707, 0.3707};
        case ThreadForm::TwentyNineStub:
            return {0.4224, 0.4224};
        case ThreadForm::ThirtyTrapezoid:
            return {0.366, 0.366};
    }
    return {0.125, 0.25};
}

QFont DrawingFont(double pixelSize, bool bold = false, bool italic = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}  // namespace

void PaintThreadIllustration(QPainter& p, const QRectF& area, ThreadForm form) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, kPaper);
    p.translate(area.topLeft());
    const double w = area.width();
    const double h = area.height();

    const ThreadFormInfo& info = InfoOf(form);
    const double half = info.halfAngle * kDegree;
    const Profile shape = ProfileOf(form);
    const double pitch = w / 7.5;
    const double flankRun = (1 - shape.crestFlat - shape.rootFlat) * pitch / 2;
    const double depth = flankRun / std::tan(half);

    const double left = w * 0.16;
    const double right = w * 0.84;
    const double top = h * 0.30;     // crest line of the upper flank
    const double bottom = h * 0.80;  // crest line of the lower flank
    // The pitch line lies where thread and groove are equally wide.
    const double pitchDepth =
        (pitch / 4 - shape.crestFlat * pitch / 2) / std::tan(half);  // from the crest

    // One profile edge: crests at `crestY`, grooves pointing into the body (`inward` is +1
    // for the upper edge, -1 for the lower), grooves centred at x0 + k * pitch.
    auto edge = [&](double crestY, double inward, double x0) {
        QPolygonF line;
        const double grooveHalfTop = pitch / 2 - shape.crestFlat * pitch / 2;
        const double grooveHalfRoot = shape.rootFlat * pitch / 2;
        for (double c = x0 - 2 * pitch; c < right + 2 * pitch; c += pitch) {
            line << QPointF(c - grooveHalfTop, crestY)
                 << QPointF(c - grooveHalfRoot, crestY + inward * depth)
                 << QPointF(c + grooveHalfRoot, crestY + inward * depth)
                 << QPointF(c + grooveHalfTop, crestY);
        }
        return line;
    };
    const double grooveTop = left + pitch * 1.5;
    const double grooveBottom = grooveTop + pitch / 2;
    QPolygonF upper = edge(top, +1, grooveTop);
    QPolygonF lower = edge(bottom, -1, grooveBottom);

    // The body between the two edges, clipped to the drawn length.
    QPainterPath body;
    body.moveTo(upper.first());
    for (const QPointF& pt : upper) body.lineTo(pt);
    for (auto it = lower.crbegin(); it != lower.crend(); ++it) body.lineTo(*it);
    body.closeSubpath();
    p.save();
    p.setClipRect(QRectF(left, 0, right - left, h));
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kMetal);
    p.drawPath(body);
    // Centre line.
    p.setPen(QPen(kInk, 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(left, (top + bottom) / 2), QPointF(right, (top + bottom) / 2));
    p.restore();
    // Break lines at both ends.
    p.setPen(QPen(kInk, 1));
    for (double x : {left, right}) {
        QPainterPath wave;
        wave.moveTo(x, top - 2);
        wave.cubicTo(x - 5, top + (bottom - top) * 0.35, x + 5, top + (bottom - top) * 0.65, x,
                     bottom + 2);
        p.drawPath(wave);
    }

    // Pitch lines.
    const double upperPitch = top + pitchDepth;
    const double lowerPitch = bottom - pitchDepth;
    p.setPen(QPen(kPitchLine, 1, Qt::DashLine));
    p.drawLine(QPointF(left - 30, upperPitch), QPointF(right, upperPitch));
    p.drawLine(QPointF(left - 30, lowerPitch), QPointF(right, lowerPitch));

    // Wires of best size: touching the flanks at the pitch line.
    const double radius = (pitch / 4) / std::cos(half);
    const double lift = (pitch / 4) * std::tan(half);
    QList<QPointF> wires = {QPointF(grooveTop + pitch, upperPitch - lift),
                            QPointF(grooveTop + 2 * pitch, upperPitch - lift),
                            QPointF(grooveBottom + pitch, lowerPitch + lift)};
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kWire);
    for (const QPointF& c : wires) p.drawEllipse(c, radius, radius);
    p.setBrush(Qt::NoBrush);

    // Micrometer faces over the wires.
    const double faceTop = wires[0].y() - radius;
    const double faceBottom = wires[2].y() + radius;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 130, 145));
    p.drawRect(QRectF(grooveTop + pitch * 0.4, faceTop - 9, pitch * 2.2, 9));
    p.drawRect(QRectF(grooveBottom + pitch * 0.4, faceBottom, pitch * 1.2, 9));
    p.setBrush(Qt::NoBrush);

    p.setFont(DrawingFont(std::max(10.0, h / 20), true));
    p.setPen(QPen(kDimension, 1));
    // M: over the wires, at the right.
    const double mx = right + 22;
    p.drawLine(QPointF(grooveTop + pitch * 2.6, faceTop), QPointF(mx + 6, faceTop));
    p.drawLine(QPointF(grooveBottom + pitch * 1.6, faceBottom), QPointF(mx + 6, faceBottom));
    Dimension(p, QPointF(mx, faceTop), QPointF(mx, faceBottom), "M", QPointF(12, 0));
    // D: the major diameter, over the crests at the left.
    const double dx = left - 12;
    p.drawLine(QPointF(dx - 6, top), QPointF(left, top));
    p.drawLine(QPointF(dx - 6, bottom), QPointF(left, bottom));
    Dimension(p, QPointF(dx, top), QPointF(dx, bottom), "D", QPointF(-11, 0));
    // E: the pitch diameter.
    p.setPen(QPen(kPitchLine, 1));
    const double ex = left - 32;
    Dimension(p, QPointF(ex, upperPitch), QPointF(ex, lowerPitch), "E", QPointF(-11, 0));
    // P: crest to crest above the upper edge.
    p.setPen(QPen(kDimension, 1));
    const double crestA = grooveTop + 2 * pitch + pitch / 2;
    const double py = faceTop - 22;
    p.drawLine(QPointF(crestA, top - 2), QPointF(crestA, py - 5));
    p.drawLine(QPointF(crestA + pitch, top - 2), QPointF(crestA + pitch, py - 5));
    Dimension(p, QPointF(crestA, py), QPointF(crestA + pitch, py), "P", QPointF(0, -10));
    // W: the wire diameter.
    const QPointF wc = wires[2];
    p.drawLine(wc + QPointF(-radius, 0), wc + QPointF(radius, 0));
    p.drawText(QRectF(wc.x() + radius + 2, wc.y() - radius - 10, 20, 16),
               Qt::AlignLeft | Qt::AlignVCenter, "W");
    // The included angle.
    p.setFont(DrawingFont(std::max(9.0, h / 24)));
    p.setPen(kInk);
    p.drawText(QRectF(0, h - 18, w, 16), Qt::AlignCenter,
               QCoreApplication::translate("calc::ThreadPictures", "%1 — three wires")
                   .arg(QCoreApplication::translate("calc::ThreadForms", info.printTitle)));
    p.restore();
}

void PaintPipeDiagram(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, kPaper);
    p.translate(area.topLeft());
    const double w = area.width();
    const double h = area.height();

    // The taper is drawn steeper than 1:16 so it can be seen.
    const double left = w * 0.12;
    const double right = w * 0.90;
    const double axisY = h * 0.47;
    const double smallHalf = h * 0.22;
    const double slope = 0.10;  // half-diameter growth per unit of length
    const double pitch = w / 11;
    const double depth = pitch * 0.55;
    auto crestHalf = [&](double x) { return smallHalf + (x - left) * slope; };

    // Sawtooth edges along the taper: 60° grooves.
    auto edge = [&](double sign) {
        QPolygonF line;
        for (double x = left; x <= right + 0.1; x += pitch) {
            line << QPointF(x, axisY - sign * crestHalf(x));
            const double mid = x + pitch / 2;
            if (mid < right) line << QPointF(mid, axisY - sign * (crestHalf(mid) - depth));
        }
        return line;
    };
    const QPolygonF upper = edge(+1);
    const QPolygonF lower = edge(-1);
    QPainterPath body;
    body.moveTo(upper.first());
    for (const QPointF& pt : upper) body.lineTo(pt);
    body.lineTo(QPointF(right + 16, upper.last().y()));
    body.lineTo(QPointF(right + 16, lower.last().y()));
    for (auto it = lower.crbegin(); it != lower.crend(); ++it) body.lineTo(*it);
    body.closeSubpath();
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(kMetal);
    p.drawPath(body);
    // Bore of the pipe.
    p.setBrush(kPaper);
    p.drawRect(QRectF(left, axisY - smallHalf * 0.45, right + 16 - left, smallHalf * 0.9));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(left - 10, axisY), QPointF(right + 20, axisY));

    // Pitch cone.
    p.setPen(QPen(kPitchLine, 1, Qt::DashLine));
    auto pitchHalf = [&](double x) { return crestHalf(x) - depth / 2; };
    p.drawLine(QPointF(left, axisY - pitchHalf(left)), QPointF(right, axisY - pitchHalf(right)));
    p.drawLine(QPointF(left, axisY + pitchHalf(left)), QPointF(right, axisY + pitchHalf(right)));

    // E0 at the start of the thread, E1 at the gauge point.
    const double gauge = left + (right - left) * 0.62;
    p.setFont(DrawingFont(std::max(10.0, h / 17), true));
    p.setPen(QPen(kPitchLine, 1));
    // E0 just outside the end of the pipe, with extension lines from the pitch cone.
    const double e0x = left - 12;
    p.drawLine(QPointF(left, axisY - pitchHalf(left)), QPointF(e0x - 4, axisY - pitchHalf(left)));
    p.drawLine(QPointF(left, axisY + pitchHalf(left)), QPointF(e0x - 4, axisY + pitchHalf(left)));
    Dimension(p, QPointF(e0x, axisY - pitchHalf(left)), QPointF(e0x, axisY + pitchHalf(left)), "E0",
              QPointF(-2, -pitchHalf(left) - 12));
    p.setPen(QPen(kPitchLine, 1, Qt::DashLine));
    p.drawLine(QPointF(gauge, axisY - crestHalf(gauge) - 8), QPointF(gauge, h * 0.93));
    p.setPen(QPen(kPitchLine, 1));
    Dimension(p, QPointF(gauge, axisY - pitchHalf(gauge)), QPointF(gauge, axisY + pitchHalf(gauge)),
              "E1", QPointF(14, 0));
    // L1 from the end of the pipe to the gauge point.
    p.setPen(QPen(kDimension, 1));
    const double ly = h * 0.90;
    p.drawLine(QPointF(left, axisY + crestHalf(left) + 2), QPointF(left, ly + 5));
    Dimension(p, QPointF(left, ly), QPointF(gauge, ly), "L1", QPointF(0, -9));
    p.setFont(DrawingFont(std::max(9.0, h / 20)));
    p.setPen(kInk);
    p.drawText(
        QRectF(0, 2, w, 16), Qt::AlignCenter,
        QCoreApplication::translate("calc::ThreadPictures", "NPT  taper 1:16 on the diameter"));
    p.restore();
}

ThreadPicture::ThreadPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void ThreadPicture::SetForm(ThreadForm form) {
    form_ = form;
    update();
}

void ThreadPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF area(0, 0, width(), height());
    if (kind_ == Kind::Thread)
        PaintThreadIllustration(p, area, form_);
    else
        PaintPipeDiagram(p, area);
    p.setPen(QPen(QColor(120, 150, 180), 1));
    p.drawRect(area.adjusted(0, 0, -1, -1));
}

}  // namespace calc
