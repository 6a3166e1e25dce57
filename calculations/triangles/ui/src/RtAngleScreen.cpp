#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "calc/Domain.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "triangles/TriangleScreens.h"

namespace calc {

namespace {

constexpr const char* kTooMuch = QT_TRANSLATE_NOOP(
    "calc::frmRtAngleV74", "Too much data entered. Enter two sides, or one side and one angle.");
constexpr const char* kNotEnough =
    QT_TRANSLATE_NOOP("calc::frmRtAngleV74",
                      "Not enough data specified. Enter two sides, or one side and one angle.");
constexpr const char* kHypotenuse =
    QT_TRANSLATE_NOOP("calc::frmRtAngleV74", "The hypotenuse cannot be smaller than another side.");
constexpr const char* kAngleLimit =
    QT_TRANSLATE_NOOP("calc::frmRtAngleV74", "Angle value must be less than 90.");
const QString kLineBreak = QStringLiteral("\n\r");

const QColor kTriangleFill(255, 248, 220);
const QColor kTriangleBack(205, 230, 250);

constexpr RtValue kSides[] = {RtValue::SideA, RtValue::SideB, RtValue::SideC};

std::string NameOf(RtValue v) {
    switch (v) {
        case RtValue::SideA:
            return S(QCoreApplication::translate("calc::frmRtAngleV74", "Side a"));
        case RtValue::SideB:
            return S(QCoreApplication::translate("calc::frmRtAngleV74", "Side b"));
        case RtValue::SideC:
            return S(QCoreApplication::translate("calc::frmRtAngleV74", "Side c"));
        case RtValue::AngleA:
            return S(QCoreApplication::translate("calc::frmRtAngleV74", "Angle A"));
        case RtValue::AngleB:
            return S(QCoreApplication::translate("calc::frmRtAngleV74", "Angle B"));
    }
    return {};
}

bool IsAngle(RtValue v) {
    return v == RtValue::AngleA || v == RtValue::AngleB;
}

}  // namespace

frmRtAngleV74::frmRtAngleV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(
          env,
          {"frmRtAngleV74", tr("Solve Right Angle Triangles"), tr("Right Angle Trigonometry"), 8280,
           5170, "html\\RATriangle.htm", "RightAngle", "DecimalPlaces", true, kTriangleBack},
          parent) {
    struct Place {
        RtValue value;
        const char* box;
        const char* field;
        int x, y;
    };
    const Place places[] = {
        {RtValue::SideA, "txtLegB", "lblLegB", 2340, 3190},
        {RtValue::SideB, "txtLegA", "lblLegA", 165, 2010},
        {RtValue::SideC, "txtHyp", "lblHyp", 2520, 1800},
        {RtValue::AngleA, "txtAngleA", "lblAngleA", 600, 600},
        {RtValue::AngleB, "txtAngleB", "lblAngleB", 4560, 3000},
    };
    AddLabel("lblSmalla", tr("Side a"), 2640, 3000, 900, 195);
    AddLabel("lblSmallb", tr("Side b"), 525, 1800, 900, 195);
    AddLabel("lblSmallc", tr("Side c"), 2880, 1560, 900, 225);
    AddLabel("lblBigA", tr("Angle A"), 720, 360, 900, 225);
    AddLabel("lblBigB", tr("Angle B"), 4680, 2760, 900, 225);
    AddLabel("lblRTAngle90", QString::fromUtf8("90°"), 960, 3120, 500, 225);
    for (const Place& p : places) {
        slots_[p.value] =
            AddValueSlot(p.box, p.field, p.x, p.y, [this, v = p.value] { return CheckBox(v); });
    }
    area_ = AddLabel("lblArea", "", 2355, 2520, 2600, 285);
    auto* hint =
        AddLabel("Label2", tr("Enter 2 sides or 1 side and 1 angle."), 3840, 600, 3975, 735);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameStyle(QFrame::Box | QFrame::Plain);
    hint->setWordWrap(true);
    QFont hf = hint->font();
    hf.setBold(true);
    hint->setFont(hf);
    auto* placesLabel = AddLabel("Label1", tr("Decimal Places in Answer"), 4800, 1695, 2460, 285);
    placesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddDecimalPlacesBox(7320, 1680);
    SetLengthRule({.skipsEmpty = true, .needsTypedLength = true});

    AddCommandRow({.xTw = 240, .yTw = 3720, .stepTw = 1320},
                  {RowPlace::Calculator(), Command::Print, Command::AngleConversion,
                   Command::MmToInch, Command::InchToMm, Command::Reset});
    AddCommand(Command::Calculate, 6840, 2400);
}

void frmRtAngleV74::PaintBackground(QPainter& p) {
    const QPolygonF triangle(
        {QPointF(TwPoint(810, 570)), QPointF(TwPoint(810, 3360)), QPointF(TwPoint(6285, 3360))});
    p.setPen(QPen(QColor(30, 70, 110), 2));
    p.setBrush(kTriangleFill);
    p.drawPolygon(triangle);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 70, 110), 1));
    const QPointF corner = triangle[1];
    p.drawRect(QRectF(corner.x(), corner.y() - 12, 12, 12));
}

bool frmRtAngleV74::CheckBox(RtValue v) {
    QLineEdit* box = slots_[v].box;
    if (box->text().isEmpty()) return true;
    const double value = ParseEntryText(Env(), S(box->text()));
    if (IsAngle(v)) {
        if (value >= 90) {
            Env().messages.ShowMessage(S(tr(kAngleLimit)), kAppTitle, MsgIcon::None);
            box->clear();
            return false;
        }
        if (value <= 0) {
            // A zero in any spelling is refused aloud; the reader already spoke for -1.
            if (value == 0) MsgNeedsAboveZero(Env(), NameOf(v));
            box->clear();
            return false;
        }
        const RtValue other = v == RtValue::AngleA ? RtValue::AngleB : RtValue::AngleA;
        slots_[other].box->hide();
        slots_[other].field->show();
        for (RtValue side : {RtValue::SideC, RtValue::SideB, RtValue::SideA})
            if (slots_.Typed(side)) slots_.ShowPair(v, side);
        return true;
    }
    if (value <= 0) {
        if (value == 0) MsgNeedsAboveZero(Env(), NameOf(v));
        box->clear();
        return false;
    }
    if (slots_.Typed(RtValue::AngleA))
        slots_.ShowPair(v, RtValue::AngleA);
    else if (slots_.Typed(RtValue::AngleB))
        slots_.ShowPair(v, RtValue::AngleB);

    RtValue first = RtValue::SideC, second = RtValue::SideA;
    switch (v) {
        case RtValue::SideB:
            first = RtValue::SideC, second = RtValue::SideA;
            break;
        case RtValue::SideA:
            first = RtValue::SideC, second = RtValue::SideB;
            break;
        default:
            first = RtValue::SideB, second = RtValue::SideA;
            break;
    }
    bool applied = false;
    if (slots_.Typed(first)) {
        slots_.ShowPair(v, first);
        applied = true;
    } else if (slots_.Typed(second)) {
        slots_.ShowPair(v, second);
        applied = true;
    }
    if (applied) slots_[RtValue::AngleB].field->show();
    return true;
}

void frmRtAngleV74::Calculate() {
    RightTriangle known;
    for (int i = 0; i < 5; ++i) {
        const auto v = static_cast<RtValue>(i);
        known.Set(v, ParseEntryText(Env(), S(slots_[v].box->text())));
    }
    const RightTriangleSolution solution = SolveRightTriangle(known);
    switch (solution.status) {
        case RightTriangleStatus::NotEnoughData:
            Env().messages.ShowMessage(S(tr(kNotEnough)), kAppTitle, MsgIcon::None);
            UpdateArea();
            return;
        case RightTriangleStatus::TooMuchData:
            Env().messages.ShowMessage(S(tr(kTooMuch)), kAppTitle, MsgIcon::None);
            UpdateArea();
            return;
        case RightTriangleStatus::HypotenuseTooShort:
            Env().messages.ShowMessage(S(tr(kHypotenuse)), kAppTitle, MsgIcon::None);
            return;
        case RightTriangleStatus::AngleTooLarge:
            Env().messages.ShowMessage(S(tr(kAngleLimit)), kAppTitle, MsgIcon::None);
            return;
        case RightTriangleStatus::OutsideDomain:
            ShowNotCalculable(Env(), S(tr("the triangle")));
            return;
        case RightTriangleStatus::Solved:
            break;
    }
    for (int i = 0; i < 5; ++i) {
        if (!solution.computed[i]) continue;
        const auto v = static_cast<RtValue>(i);
        slots_.ShowComputed(v, Format(solution.values.Get(v)));
    }
    UpdateArea();
}

void frmRtAngleV74::UpdateArea() {
    auto side = [this](RtValue v) {
        const auto& slot = slots_[v];
        const QString text = slot.box->isHidden() ? slot.field->text() : slot.box->text();
        return ParseEntryText(Env(), S(text));
    };
    const double b = side(RtValue::SideB);
    const double a = side(RtValue::SideA);
    const double area = b * a / 2;
    // A refused side reads -1: no area from it, and none that overflows.
    if (a < 0 || b < 0 || !AllFinite({area})) {
        area_->clear();
        return;
    }
    area_->setText(tr("Area: %1 units²").arg(Format(area)));
}

QList<QWidget*> frmRtAngleV74::LengthFields() const {
    QList<QWidget*> fields;
    for (RtValue v : kSides) fields << slots_[v].box;
    for (RtValue v : kSides) fields << slots_[v].field;
    return fields;
}

void frmRtAngleV74::LengthsConverted() {
    UpdateArea();
}

void frmRtAngleV74::Reset() {
    slots_.Reset();
    area_->clear();
}

QString frmRtAngleV74::PrintText() const {
    const QString degree = QString::fromUtf8("°");
    QString text = kLineBreak.repeated(6);
    text += kLineBreak + tr("Side a: ") + slots_.PrintText(RtValue::SideA);
    text += kLineBreak + tr("Side b: ") + slots_.PrintText(RtValue::SideB);
    text += kLineBreak + tr("Side c: ") + slots_.PrintText(RtValue::SideC);
    text += kLineBreak + tr("Angle A: ") + slots_.PrintText(RtValue::AngleA) + degree;
    text += kLineBreak + tr("Angle B: ") + slots_.PrintText(RtValue::AngleB) + degree;
    text += kLineBreak + tr("Angle C: ") + "90" + degree;
    text += kLineBreak + area_->text();
    return text;
}

PrintPicture frmRtAngleV74::PrintDiagram() const {
    return {QSize(187, 141), &frmRtAngleV74::PaintPrintDiagram};
}

void frmRtAngleV74::PaintPrintDiagram(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF top(30, 12), corner(30, 108), right(170, 108);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({top, corner, right}));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(corner.x(), corner.y() - 9, 9, 9));
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRectF(corner.x() + 11, corner.y() - 22, 30, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("90°"));
    f.setItalic(true);
    f.setPixelSize(13);
    p.setFont(f);
    p.drawText(QRectF(12, 52, 14, 16), Qt::AlignCenter, "b");
    p.drawText(QRectF(92, 108, 14, 16), Qt::AlignCenter, "a");
    p.drawText(QRectF(104, 46, 14, 16), Qt::AlignCenter, "c");
    f.setItalic(false);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(33, 26, 14, 16), Qt::AlignCenter, "A");
    p.drawText(QRectF(138, 91, 14, 16), Qt::AlignCenter, "B");
    f.setBold(false);
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRectF(0, 124, 187, 16), Qt::AlignCenter, tr("Right Angle Triangle"));
    p.restore();
}

void RegisterTriangleScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen(
        "picRAtrig", [](CalcEnv& env, QWidget* parent) { return new frmRtAngleV74(env, parent); });
    menu.RegisterScreen("picOBtrig", [](CalcEnv& env, QWidget* parent) {
        return new frmObliqueTriangleV74(env, parent);
    });
    CalcScreen::SetAngleConversionMaker(
        [](CalcEnv& env) { return new frmDegreeConvertV74(env, nullptr); });
}

}  // namespace calc
