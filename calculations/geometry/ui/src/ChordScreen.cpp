#include "geometry/ChordScreen.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"

namespace calc {

namespace {

constexpr const char* kAngleLimit =
    QT_TRANSLATE_NOOP("calc::frmChordsV74", "Angle value must be less than 180.");
const QString kLineBreak = QStringLiteral("\n\r");
const QColor kBack(205, 230, 250);
const QColor kInk(30, 70, 110);
const QColor kSegment(255, 236, 170);
const QColor kDisc(255, 250, 232);

QString CaptionOf(ChordValue v) {
    switch (v) {
        case ChordValue::InclAngle:
            return QCoreApplication::translate("calc::frmChordsV74", "Included angle - a");
        case ChordValue::ChordLength:
            return QCoreApplication::translate("calc::frmChordsV74", "Chord length - c");
        case ChordValue::ChordHeight:
            return QCoreApplication::translate("calc::frmChordsV74", "Chord height - h");
        case ChordValue::ArcLength:
            return QCoreApplication::translate("calc::frmChordsV74", "Arc length - l");
        case ChordValue::ArcRadius:
            return QCoreApplication::translate("calc::frmChordsV74", "Arc radius - r");
    }
    return {};
}

constexpr ChordValue kLengths[] = {ChordValue::ArcRadius, ChordValue::ChordLength,
                                   ChordValue::ChordHeight, ChordValue::ArcLength};

// An arrow head at `tip` pointing along `direction` (degrees, y downwards), `size` long.
void Arrow(QPainter& p, QPointF tip, double direction, double size) {
    const double back = (direction + 180) * M_PI / 180;
    for (double side : {-0.45, 0.45}) {
        const QPointF end(tip.x() + size * std::cos(back + side),
                          tip.y() + size * std::sin(back + side));
        p.drawLine(tip, end);
    }
}

// The segment drawing: a circle of `radius` around `centre` with a chord cut off above at
// half angle `half` (degrees), in pixels.
struct ChordDrawing {
    QPointF centre;
    double radius;
    double half;
};

void PaintChord(QPainter& p, const ChordDrawing& d, double pen, bool screen) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = screen ? kInk : QColor(Qt::black);
    const double r = d.radius;
    const QRectF circle(d.centre.x() - r, d.centre.y() - r, 2 * r, 2 * r);
    const double rad = d.half * M_PI / 180;
    const QPointF left(d.centre.x() - r * std::sin(rad), d.centre.y() - r * std::cos(rad));
    const QPointF right(d.centre.x() + r * std::sin(rad), d.centre.y() - r * std::cos(rad));
    const QPointF top(d.centre.x(), d.centre.y() - r);

    p.setPen(QPen(ink, pen));
    p.setBrush(screen ? kDisc : QColor(Qt::white));
    p.drawEllipse(circle);
    // The segment over the chord.
    QPainterPath segment;
    segment.moveTo(left);
    segment.arcTo(circle, 90 + d.half, -2 * d.half);
    segment.closeSubpath();
    p.setBrush(screen ? kSegment : QColor(225, 225, 225));
    p.drawPath(segment);
    p.setBrush(Qt::NoBrush);
    // Radii to the chord ends and the angle between them.
    p.setPen(QPen(ink, pen * 0.75));
    p.drawLine(d.centre, left);
    p.drawLine(d.centre, right);
    const double ar = r * 0.22;
    p.drawArc(QRectF(d.centre.x() - ar, d.centre.y() - ar, 2 * ar, 2 * ar),
              static_cast<int>((90 - d.half) * 16), static_cast<int>(2 * d.half * 16));
    // The arc length: an arc just outside the circle with arrow heads at its ends.
    const double lr = r * 1.09;
    const QRectF outer(d.centre.x() - lr, d.centre.y() - lr, 2 * lr, 2 * lr);
    p.drawArc(outer, static_cast<int>((90 - d.half) * 16), static_cast<int>(2 * d.half * 16));
    const double head = r * 0.07;
    const QPointF lEnd(d.centre.x() - lr * std::sin(rad), d.centre.y() - lr * std::cos(rad));
    const QPointF rEnd(d.centre.x() + lr * std::sin(rad), d.centre.y() - lr * std::cos(rad));
    // Along the arc, pointing away from its middle.
    Arrow(p, lEnd, 180 - d.half, head);
    Arrow(p, rEnd, d.half, head);
    // The height: extension lines to the right and a dimension line between them.
    const double hx = d.centre.x() + r * 1.05;
    p.drawLine(QPointF(top.x() + head, top.y()), QPointF(hx + head, top.y()));
    p.drawLine(QPointF(right.x() + head * 0.5, right.y()), QPointF(hx + head, right.y()));
    p.drawLine(QPointF(hx, top.y()), QPointF(hx, right.y()));
    Arrow(p, QPointF(hx, top.y()), -90, head);
    Arrow(p, QPointF(hx, right.y()), 90, head);
    // The radius: from the centre towards the lower right.
    const double rr = 45 * M_PI / 180;
    const QPointF rim(d.centre.x() + r * std::cos(rr), d.centre.y() + r * std::sin(rr));
    p.drawLine(d.centre, rim);
    Arrow(p, rim, 45, head);
    p.setBrush(ink);
    p.drawEllipse(d.centre, pen, pen);
    p.restore();
}

// The messages of the chord solver, for lupdate.
[[maybe_unused]] const char* const kChordMessages[] = {
    QT_TRANSLATE_NOOP("calc::Chords", "Angle must be less than 180 degrees"),
    QT_TRANSLATE_NOOP("calc::Chords", "'h' must be less than 'r'"),
    QT_TRANSLATE_NOOP("calc::Chords", "'c' will be bigger than arc diameter."),
    QT_TRANSLATE_NOOP("calc::Chords", "'c' must be less than 2(r)"),
    QT_TRANSLATE_NOOP("calc::Chords", "'c' is bigger than arc diameter."),
    QT_TRANSLATE_NOOP("calc::Chords", "'c' must be bigger than 2(r)"),
    QT_TRANSLATE_NOOP("calc::Chords", "Impossible data entered."),
};

}  // namespace

frmChordsV74::frmChordsV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmChordsV74", tr("Chord Calculations"), tr("Chord"), 7930, 7330,
                  "html\\Chords.htm", QString(), "DecimalPlaces", true, kBack},
                 parent) {
    struct Place {
        ChordValue value;
        const char* box;
        const char* field;
        const char* caption;
        int top;
    };
    const Place places[] = {
        {ChordValue::InclAngle, "txtInclAngle", "lblInclAngle", "lblCaptionInclAngle", 660},
        {ChordValue::ChordLength, "txtChordLength", "lblChordLength", "lblCaptionChordLength",
         1155},
        {ChordValue::ChordHeight, "txtChordHeight", "lblChordHeight", "lblCaptionChordHeight",
         1665},
        {ChordValue::ArcLength, "txtArcLength", "lblArcLength", "lblCaptionArcLength", 2160},
        {ChordValue::ArcRadius, "txtArcRad", "lblArcRad", "lblCaptionArcRad", 2655},
    };
    for (const Place& p : places) {
        AddCaption(p.caption, CaptionOf(p.value), 4380, p.top, 1980);
        slots_[p.value] =
            AddValueSlot(p.box, p.field, 6465, p.top, [this, v = p.value] { return CheckBox(v); });
    }
    // The letters on the diagram.
    struct Letter {
        const char* name;
        const char* text;
        int x, y;
    };
    for (const Letter& l : {Letter{"lblL", "l", 2160, 600}, Letter{"lblC", "c", 2160, 1400},
                            Letter{"lblA", "a", 2160, 1920}, Letter{"lblH", "h", 4320, 1320},
                            Letter{"lblR", "r", 2880, 3720}}) {
        QLabel* label = AddLabel(l.name, l.text, l.x - 60, l.y - 40, 240, 285);
        QFont f = label->font();
        f.setItalic(true);
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() + 1);
        label->setFont(f);
    }
    auto* hint =
        AddLabel("Label2", tr("Enter two values to calculate the others."), 4800, 3480, 2880, 600);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameStyle(QFrame::Box | QFrame::Plain);
    hint->setWordWrap(true);
    QFont hf = hint->font();
    hf.setBold(true);
    hint->setFont(hf);
    AddCaption("Label1", tr("Decimal Places in Answer"), 120, 5190, 2520);
    AddDecimalPlacesBox(2700, 5190, 360, 285);
    SetLengthRule({.skipsEmpty = true, .needsTypedLength = true, .valuePattern = true});

    AddCommandRow({.xTw = 120, .yTw = 5640, .stepTw = 1290},
                  {RowPlace::Calculator(), Command::Print, Command::AngleConversion,
                   Command::MmToInch, Command::InchToMm, Command::Reset});
    AddCommand(Command::Calculate, 6570, 4230);
}

void frmChordsV74::PaintBackground(QPainter& p) {
    // Centre (2175, 3105); the chord ends at about (870, 1770) and (3510, 1770).
    const double radius = std::hypot(3510 - 2175, 3105 - 1770) / kTwipsPerPixel;
    const double half = std::atan2(3510 - 2175, 3105 - 1770) * 180 / M_PI;
    PaintChord(p, {QPointF(2175.0 / kTwipsPerPixel, 3105.0 / kTwipsPerPixel), radius, half}, 2,
               true);
}

bool frmChordsV74::CheckBox(ChordValue v) {
    QLineEdit* box = slots_[v].box;
    if (box->text().isEmpty()) return true;
    const double value = ParseEntryText(Env(), S(box->text()));
    if (value <= 0) {
        // A zero in any spelling is refused aloud; the reader already spoke for -1.
        if (value == 0) MsgNeedsAboveZero(Env(), S(CaptionOf(v)));
        box->clear();
        return false;
    }
    if (v == ChordValue::InclAngle) {
        slots_[ChordValue::ChordHeight].box->hide();
        slots_[ChordValue::ChordHeight].field->show();
        if (value >= 180) {
            Env().messages.ShowMessage(S(tr(kAngleLimit)), kAppTitle, MsgIcon::None);
            box->clear();
            return false;
        }
    } else if (v == ChordValue::ChordHeight) {
        slots_[ChordValue::InclAngle].box->hide();
        slots_[ChordValue::InclAngle].field->show();
    }
    using C = ChordValue;
    std::array<C, 4> order{};
    switch (v) {
        case C::ArcLength:
            order = {C::ChordHeight, C::ArcRadius, C::ChordLength, C::InclAngle};
            break;
        case C::InclAngle:
            order = {C::ChordHeight, C::ArcRadius, C::ChordLength, C::ArcLength};
            break;
        case C::ArcRadius:
            order = {C::ArcLength, C::InclAngle, C::ChordHeight, C::ChordLength};
            break;
        case C::ChordLength:
            order = {C::ArcLength, C::InclAngle, C::ChordHeight, C::ArcRadius};
            break;
        case C::ChordHeight:
            order = {C::ArcLength, C::InclAngle, C::ArcRadius, C::ChordLength};
            break;
    }
    for (C other : order)
        if (slots_.Typed(other)) slots_.ShowPair(v, other);
    return true;
}

void frmChordsV74::Calculate() {
    ChordValues known;
    for (int i = 0; i < 5; ++i) {
        const auto v = static_cast<ChordValue>(i);
        known.Set(v, ParseEntryText(Env(), S(slots_[v].box->text())));
    }
    const ChordSolution solution = SolveChord(known);
    if (solution.status == ChordStatus::NoPair) return;
    if (solution.status != ChordStatus::Solved) {
        Env().messages.ShowMessage(
            S(QCoreApplication::translate("calc::Chords", ChordMessage(solution.status))),
            kAppTitle, MsgIcon::None);
        return;
    }
    values_ = solution.values;
    const int places = DecimalPlaces();
    for (int i = 0; i < 5; ++i) {
        const auto v = static_cast<ChordValue>(i);
        if (solution.computed[i]) {
            slots_.ShowComputed(v, Q(FormatValueDecimals(solution.values.Get(v), places)));
        } else {
            slots_[v].field->hide();
            slots_[v].box->show();
        }
    }
}

QList<QWidget*> frmChordsV74::LengthFields() const {
    QList<QWidget*> fields;
    for (ChordValue v : kLengths) fields << slots_[v].box;
    for (ChordValue v : {ChordValue::ArcLength, ChordValue::ArcRadius, ChordValue::ChordLength,
                         ChordValue::ChordHeight})
        fields << slots_[v].field;
    return fields;
}

void frmChordsV74::Reset() {
    slots_.Reset();
    values_ = {};
}

QString frmChordsV74::PrintText() const {
    QString text = kLineBreak.repeated(6);
    text += kLineBreak + CaptionOf(ChordValue::InclAngle) + ": " +
            slots_.PrintText(ChordValue::InclAngle) + QString::fromUtf8("°");
    for (ChordValue v : {ChordValue::ChordLength, ChordValue::ChordHeight, ChordValue::ArcLength,
                         ChordValue::ArcRadius})
        text += kLineBreak + CaptionOf(v) + ": " + slots_.PrintText(v);
    return text;
}

PrintPicture frmChordsV74::PrintDiagram() const {
    return {QSize(171, 146), &frmChordsV74::PaintPrintDiagram};
}

void frmChordsV74::PaintPrintDiagram(QPainter& p) {
    PaintChord(p, {QPointF(72, 70), 52, 45}, 1.2, false);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(66, 24, 14, 14), Qt::AlignCenter, "C");
    p.drawText(QRectF(66, 1, 14, 12), Qt::AlignCenter, "L");
    p.drawText(QRectF(138, 18, 14, 14), Qt::AlignCenter, "H");
    p.drawText(QRectF(24, 22, 14, 14), Qt::AlignCenter, "R");
    p.drawText(QRectF(66, 46, 14, 14), Qt::AlignCenter, "A");
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(0, 129, 171, 16), Qt::AlignCenter, tr("Chord Dimensions"));
    p.restore();
}

}  // namespace calc
