#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "triangles/TriangleScreens.h"

namespace calc {

namespace {

constexpr const char* kImpossible = QT_TRANSLATE_NOOP(
    "calc::frmObliqueTriangleV74", "Impossible data entered. Please reset and try again.");
constexpr const char* kAlternateOffer =
    QT_TRANSLATE_NOOP("calc::frmObliqueTriangleV74",
                      "There may be an alternate answer to this scenario. Click OK to check.");
const QString kLineBreak = QStringLiteral("\n\r");
const QString kDegree = QString::fromUtf8("°");

const QColor kTriangleFill(255, 248, 220);
const QColor kTriangleBack(205, 230, 250);
const QColor kTriangleLine(30, 70, 110);

void PaintTriangle(QPainter& p, QPoint a, QPoint b, QPoint c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kTriangleLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kTriangleFill);
    p.drawPolygon(QPolygonF({QPointF(a), QPointF(b), QPointF(c)}));
    p.restore();
}

}  // namespace

// ---- The oblique triangle screen ------------------------------------------------------

frmObliqueTriangleV74::frmObliqueTriangleV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(
          env,
          {"frmObliqueTriangleV74", tr("Oblique Triangle"), tr("Oblique Trigonometry"), 8310, 6490,
           "html\\ObliqueTriangle.htm", "Oblique", "DecimalPlaces", true, kTriangleBack},
          parent) {
    struct Place {
        Box box;
        const char* name;
        const char* captionName;
        const char* caption;
        int x, y;
    };
    const Place places[] = {
        {AngleA, "txtAngleA", "lblBigA", QT_TR_NOOP("Angle A"), 1320, 1080},
        {SideB, "txtSideB", "lblsmallB", QT_TR_NOOP("Side b"), 480, 2520},
        {SideC, "txtSideC", "lblSmallc", QT_TR_NOOP("Side c"), 3600, 2640},
        {AngleC, "txtAngleC", "lblBigC", QT_TR_NOOP("Angle C"), 120, 4320},
        {SideA, "txtSideA", "lblSmalla", QT_TR_NOOP("Side a"), 2520, 4320},
        {AngleB, "txtAngleB", "lblBigB", QT_TR_NOOP("Angle B"), 5400, 4320},
    };
    for (const Place& p : places) {
        AddLabel(p.captionName, tr(p.caption), p.x + 120, p.y - 240, 1100, 225);
        QLineEdit* box = AddEntryBox(p.name, p.x, p.y, 1215, 285);
        box->setText("0");
        boxes_[p.box] = box;
        CheckOnLeave(box, [this, box, which = p.box] {
            return ValidateEntryBox(Env(), S(box->text()), NameOf(which));
        });
    }
    const char* optionNames[] = {"opt1side2angles", "opt2sidesInclAngle", "opt2sidesOppAngle",
                                 "optAllSides"};
    const char* optionCaptions[] = {
        QT_TR_NOOP("One Side and Two Angles"), QT_TR_NOOP("Two Sides and the Included Angle"),
        QT_TR_NOOP("Two sides and the Opposite Angle"), QT_TR_NOOP("All Sides")};
    for (int i = 0; i < 4; ++i) {
        options_[i] =
            AddOption(optionNames[i], tr(optionCaptions[i]), 4080, 480 + 360 * i, 3600, 300);
        connect(options_[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) ApplyLocks();
        });
    }
    options_[0]->setChecked(true);
    ApplyLocks();

    area_ = AddLabel("lblArea", "", 2535, 3600, 3200, 285);
    area_->hide();
    auto* places2 = AddLabel("Label1", tr("Decimal Places"), 5565, 2640, 1560, 285);
    places2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddDecimalPlacesBox(7200, 2640);

    AddCommandRow({.xTw = 240, .yTw = 4920, .stepTw = 1320},
                  {RowPlace::Calculator(), Command::Print, Command::AngleConversion,
                   Command::MmToInch, Command::InchToMm, Command::Reset});
    AddCommand(Command::Calculate, 6840, 3600);
}

std::string frmObliqueTriangleV74::NameOf(Box box) const {
    switch (box) {
        case SideA:
            return TextSideA(Env());
        case SideB:
            return TextSideB(Env());
        case SideC:
            return TextSideC(Env());
        case AngleA:
            return TextAngleA(Env());
        case AngleB:
            return TextAngleB(Env());
        case AngleC:
            return TextAngleC(Env());
    }
    return {};
}

ObliqueCase frmObliqueTriangleV74::Arrangement() const {
    for (int i = 0; i < 4; ++i)
        if (options_[i]->isChecked()) return static_cast<ObliqueCase>(i);
    return ObliqueCase::OneSideTwoAngles;
}

void frmObliqueTriangleV74::ApplyLocks() {
    std::array<bool, 6> open{};
    switch (Arrangement()) {
        case ObliqueCase::OneSideTwoAngles:
            open[SideA] = open[AngleA] = open[AngleB] = true;
            break;
        case ObliqueCase::TwoSidesIncludedAngle:
            open[SideA] = open[SideB] = open[AngleC] = true;
            break;
        case ObliqueCase::TwoSidesOppositeAngle:
            open[SideA] = open[SideB] = open[AngleA] = true;
            break;
        case ObliqueCase::AllSides:
            open[SideA] = open[SideB] = open[SideC] = true;
            break;
    }
    for (int i = 0; i < 6; ++i) SetBoxEditable(boxes_[i], open[i]);
}

double frmObliqueTriangleV74::Value(Box box) const {
    return ParseNumberText(S(boxes_[box]->text()));
}

bool frmObliqueTriangleV74::Validate() {
    // A value is given when it reads greater than 0 ("0.0" and "0/4" are not).
    auto present = [this](Box box) {
        if (Value(box) > 0) return true;
        MsgNeedsAboveZero(Env(), NameOf(box));
        return false;
    };
    auto below180 = [this](Box box, double value) {
        if (value < 180) return true;
        MsgInvalidValue(Env(), NameOf(box));
        return false;
    };
    switch (Arrangement()) {
        case ObliqueCase::OneSideTwoAngles:
            return present(AngleA) && below180(AngleA, Value(AngleA)) && present(AngleB) &&
                   below180(AngleB, Value(AngleA) + Value(AngleB)) && present(SideA);
        case ObliqueCase::TwoSidesIncludedAngle:
            return present(SideA) && present(SideB) && present(AngleC) &&
                   below180(AngleC, Value(AngleC));
        case ObliqueCase::TwoSidesOppositeAngle:
            return present(SideA) && present(SideB) && present(AngleA) &&
                   below180(AngleA, Value(AngleA));
        case ObliqueCase::AllSides:
            return present(SideA) && present(SideB) && present(SideC);
    }
    return true;
}

void frmObliqueTriangleV74::Calculate() {
    if (!Validate()) return;
    const ObliqueCase arrangement = Arrangement();
    const ObliqueTriangle known{Value(SideA),  Value(SideB),  Value(SideC),
                                Value(AngleA), Value(AngleB), Value(AngleC)};
    const std::optional<ObliqueTriangle> t = SolveOblique(arrangement, known);
    if (!t) {
        Env().messages.ShowMessage(S(tr(kImpossible)), kAppTitle, MsgIcon::None);
        Reset();
    } else {
        auto put = [this](Box box, double value) { boxes_[box]->setText(Format(value)); };
        switch (arrangement) {
            case ObliqueCase::OneSideTwoAngles:
                put(SideB, t->b), put(AngleC, t->C), put(SideC, t->c);
                break;
            case ObliqueCase::TwoSidesIncludedAngle:
                put(AngleA, t->A), put(AngleB, t->B), put(SideC, t->c);
                break;
            case ObliqueCase::TwoSidesOppositeAngle:
                put(AngleC, t->C), put(AngleB, t->B), put(SideC, t->c);
                break;
            case ObliqueCase::AllSides:
                put(AngleA, t->A), put(AngleB, t->B), put(AngleC, t->C);
                break;
        }
    }
    UpdateArea();
    if (t && arrangement == ObliqueCase::TwoSidesOppositeAngle) OfferAlternate();
}

void frmObliqueTriangleV74::UpdateArea() {
    const double area = HeronArea(Value(SideA), Value(SideB), Value(SideC));
    area_->setText(tr("Area: %1 units²").arg(Format(area)));
    area_->show();
}

void frmObliqueTriangleV74::OfferAlternate() {
    // From the boxes as shown: B is the rounded value.
    const double a = Value(SideA), A = Value(AngleA), B = Value(AngleB);
    if (!HasAlternateAnswer(a, A, B)) return;
    if (Env().messages.AskOkCancel(S(tr(kAlternateOffer)), kAppTitle) != MsgAnswer::Ok) return;
    const AlternateOblique alt = AlternateAnswer(a, A, B);
    AlternateObliqueTexts texts{boxes_[AngleA]->text(), boxes_[SideA]->text(),
                                boxes_[SideB]->text(),  Format(alt.B),
                                Format(alt.C),          Format(alt.c)};
    if (alternate_) alternate_->close();
    auto* screen = new frmAlternateObliqueV74(Env(), texts, nullptr);
    screen->setParent(this, screen->windowFlags() | Qt::Dialog);
    alternate_ = screen;
    ShowOwnedWindow(screen);
}

QList<QWidget*> frmObliqueTriangleV74::LengthFields() const {
    return {boxes_[SideA], boxes_[SideB], boxes_[SideC]};
}

bool frmObliqueTriangleV74::CanConvertLengths() {
    return Validate();
}

void frmObliqueTriangleV74::LengthsConverted() {
    UpdateArea();
}

void frmObliqueTriangleV74::Reset() {
    for (QLineEdit* box : boxes_) box->setText("0");
    area_->hide();
}

QString frmObliqueTriangleV74::PrintText() const {
    QString text = kLineBreak.repeated(7);
    text += kLineBreak + tr("Side a: ") + boxes_[SideA]->text();
    text += kLineBreak + tr("Side b: ") + boxes_[SideB]->text();
    text += kLineBreak + tr("Side c: ") + boxes_[SideC]->text();
    text += kLineBreak + tr("Angle A: ") + boxes_[AngleA]->text() + kDegree;
    text += kLineBreak + tr("Angle B: ") + boxes_[AngleB]->text() + kDegree;
    text += kLineBreak + tr("Angle C: ") + boxes_[AngleC]->text() + kDegree;
    text += kLineBreak + (area_->isHidden() ? QString() : area_->text());
    return text;
}

PrintPicture frmObliqueTriangleV74::PrintDiagram() const {
    return {QSize(152, 137), &frmObliqueTriangleV74::PaintPrintDiagram};
}

void frmObliqueTriangleV74::PaintPrintDiagram(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF A(52, 14), C(12, 104), B(140, 104);
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({A, C, B}));
    QFont f("DejaVu Sans");
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(A.x() - 7, A.y() - 14, 14, 14), Qt::AlignCenter, "A");
    p.drawText(QRectF(C.x() - 12, C.y() + 1, 14, 14), Qt::AlignCenter, "C");
    p.drawText(QRectF(B.x() - 2, B.y() + 1, 14, 14), Qt::AlignCenter, "B");
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRectF(18, 50, 14, 16), Qt::AlignCenter, "b");
    p.drawText(QRectF(98, 50, 14, 16), Qt::AlignCenter, "c");
    p.drawText(QRectF(70, 104, 14, 16), Qt::AlignCenter, "a");
    f.setItalic(false);
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRectF(0, 121, 152, 16), Qt::AlignCenter, tr("Oblique triangle"));
    p.restore();
}

void frmObliqueTriangleV74::PaintBackground(QPainter& p) {
    PaintTriangle(p, TwPoint(165, 4290), TwPoint(1935, 1005), TwPoint(6435, 4290));
}

// ---- The alternate answer screen --------------------------------------------------

frmAlternateObliqueV74::frmAlternateObliqueV74(CalcEnv& env, const AlternateObliqueTexts& texts,
                                               QWidget* parent)
    : CalcScreen(
          env,
          {"frmAlternateObliqueV74", tr("Alternate Answer"), tr("  Alternate Oblique Answer"), 6730,
           3850, QString(), QString(), "DecimalPlaces", true, kTriangleBack},
          parent) {
    // No help topic: the "?" mark has nothing to open.
    if (auto* question = findChild<QWidget*>("lblQuestion")) question->hide();
    struct Place {
        const char* name;
        const char* caption;
        int x, y;
        QString text;
    };
    const Place places[] = {
        {"txtAltAngA", QT_TR_NOOP("Angle A"), 2880, 720, texts.angleA},
        {"txtAltSideB", QT_TR_NOOP("Side b"), 1440, 2040, texts.sideB},
        {"txtAltSideC", QT_TR_NOOP("Alternate Side c"), 4200, 1920, texts.sideC},
        {"txtAltAngC", QT_TR_NOOP("Alternate Angle C"), 480, 3240, texts.angleC},
        {"txtAltSideA", QT_TR_NOOP("Side a"), 3000, 3240, texts.sideA},
        {"txtAltAngB", QT_TR_NOOP("Alternate Angle B"), 5040, 3240, texts.angleB},
    };
    int i = 0;
    for (const Place& p : places) {
        AddLabel(QString("lblAlt%1").arg(++i), tr(p.caption), p.x, p.y - 240, 1700, 225);
        QLineEdit* box = AddEntryBox(p.name, p.x, p.y, 1215, 285);
        box->setText(p.text);
        box->setReadOnly(true);
    }
}

void frmAlternateObliqueV74::PaintBackground(QPainter& p) {
    PaintTriangle(p, TwPoint(975, 3570), TwPoint(3525, 630), TwPoint(6075, 3570));
}

}  // namespace calc
