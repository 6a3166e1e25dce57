#include "turning/DovetailScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "TurningDrawing.h"
#include "calc/Domain.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"

namespace calc {

namespace {

using D = DovetailDim;
const QString kLineBreak = QStringLiteral("\n\r");
constexpr const char* kCornerOnly =
    QT_TRANSLATE_NOOP("calc::frmDovetaillV74",
                      "Impossible data are entered. Check Roll Diameter, Angle and Corner Width.");

// The diagram (pixels, in the screen's own coordinates) and the column of dimension
// boxes beside it. Each dimension line ends in a leader to its box.
constexpr double kFigureRight = 290;
constexpr int kCheckX = 298, kBoxX = 318, kCaptionX = 404;
// Height in pixels of each dimension line, and so of its box.
constexpr double kRiY = 76, kCoY = 190, kHY = 241, kRoY = 324, kCiY = 352;

// Saddle (female) and way (male) outlines.
constexpr double kCentreX = 150;
constexpr double kSlotTop = 64, kSlotBottom = 142;  // wide end and opening of the slot
constexpr double kTenonTop = 202, kTenonRoot = 280;
constexpr double kWide = 220, kRollR = 12;
constexpr double kTan60 = 1.7320508075688772;

int PxToTw(double px) {
    return static_cast<int>(std::lround(px * kTwipsPerPixel));
}

}  // namespace

frmDovetaillV74::frmDovetaillV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmDovetaillV74", tr("Dovetails"), tr("Dovetail"), 10570, 6850,
                  "html\\Dovetail.htm", ""},
                 parent) {
    auto* hint = AddLabel("Label1", tr("Check any 2 possible checkboxes to enter known data"), 2670,
                          405, 6600, 285);
    QFont hf = hint->font();
    hf.setBold(true);
    hint->setFont(hf);

    struct Row {
        D dim;
        const char* check;
        const char* box;
        const char* caption;
        double y;
    };
    const Row rows[] = {
        {D::InsideRolls, "chInsideRolls", "txtInsideRolls", QT_TR_NOOP("Inside Roll Width"), kRiY},
        {D::OutsideCorners, "chOutsideCorners", "txtOutsideCorners",
         QT_TR_NOOP("Outside Corner Width"), kCoY},
        {D::Height, "chHeight", "txtHeight", QT_TR_NOOP("Height"), kHY},
        {D::OutsideRolls, "chOutsideRolls", "txtOutsideRolls", QT_TR_NOOP("Outside Roll Width"),
         kRoY},
        {D::InsideCorners, "chInsideCorners", "txtInsideCorners", QT_TR_NOOP("Inside Corner Width"),
         kCiY},
    };
    QFont small = font();
    small.setPixelSize(11);
    for (const Row& row : rows) {
        const int top = PxToTw(row.y) - 142;
        Dim& dim = DimOf(row.dim);
        dim.check = AddCheckBox(row.check, "", PxToTw(kCheckX), top + 15, 255, 255);
        dim.box = AddEntryBox(row.box, PxToTw(kBoxX), top, 1215, 285);
        dim.box->setText("0");
        SetBoxEditable(dim.box, false);
        auto* caption = AddLabel(QString(row.box).replace("txt", "lbl"), tr(row.caption),
                                 PxToTw(kCaptionX), top, 2000, 285);
        caption->setFont(small);
        connect(dim.check, &QCheckBox::toggled, this, [this] { ValidateCheckBox(); });
        CheckOnLeave(dim.box, [this, d = row.dim] {
            return ValidateEntryBox(Env(), S(DimOf(d).box->text()), NameOf(d));
        });
    }

    AddLabel("Label2", tr("Roll diameter"), 7440, 1200, 1400, 285);
    txtRollDiameter_ = AddEntryBox("txtRollDiameter", 8880, 1200, 1215, 285);
    txtRollDiameter_->setToolTip(tr("Common fraction allowed if under 1.0"));
    AddLabel("Label3", tr("Angle"), 7440, 1800, 1400, 285)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtAngle_ = AddEntryBox("txtAngle", 8880, 1800, 1215, 285);
    for (QLineEdit* box : {txtRollDiameter_, txtAngle_}) box->setText("0");
    CheckOnLeave(txtRollDiameter_, [this] {
        return ValidateEntryBox(Env(), S(txtRollDiameter_->text()), TextRollDiameter(Env()));
    });
    CheckOnLeave(txtAngle_, [this] {
        const std::string text = S(txtAngle_->text());
        if (!ValidateEntryBox(Env(), text, TextAngle(Env()))) return false;
        // Flanks past square are unusual but possible: a warning only.
        if (ParseNumberText(text) > 90) MsgAngleMax90(Env());
        return true;
    });
    AddLabel("Label4", tr("Decimal Places"), 480, 6000, 1900, 285);
    AddDecimalPlacesBox(2520, 6000);

    AddCommandRow({.xTw = 8400, .yTw = 2400, .stepTw = 990, .sizeTw = 930, .vertical = true},
                  {Command::Calculate, Command::Print, Command::MmToInch, RowPlace::Calculator()});
    AddCommandRow({.xTw = 9420, .yTw = 2400, .stepTw = 990, .sizeTw = 930, .vertical = true},
                  {Command::Reset, Command::AngleConversion, Command::InchToMm});
}

std::string frmDovetaillV74::NameOf(DovetailDim d) const {
    switch (d) {
        case D::OutsideRolls:
            return TextOutsideRollDimension(Env());
        case D::OutsideCorners:
            return TextOutsideCornerDimension(Env());
        case D::Height:
            return TextHeight(Env());
        case D::InsideRolls:
            return TextInsideRollDimension(Env());
        case D::InsideCorners:
            return TextInsideCornerDimension(Env());
    }
    return {};
}

void frmDovetaillV74::ValidateCheckBox() {
    std::array<bool, kDovetailDims> ticked{};
    for (int i = 0; i < kDovetailDims; ++i) ticked[i] = dims_[i].check->isChecked();
    tickCount_ = 0;
    for (bool t : ticked) tickCount_ += t ? 1 : 0;
    const auto editable = DovetailEditable(ticked);
    for (int i = 0; i < kDovetailDims; ++i) {
        dims_[i].check->setEnabled(editable[i]);
        SetBoxEditable(dims_[i].box, editable[i]);
    }
}

DovetailData frmDovetaillV74::Data() const {
    DovetailData data;
    data.rollDiameter = ParseNumberText(S(txtRollDiameter_->text()));
    data.angle = ParseNumberText(S(txtAngle_->text()));
    for (int i = 0; i < kDovetailDims; ++i) {
        data.values[i] = ParseNumberText(S(dims_[i].box->text()));
        data.ticked[i] = dims_[i].check->isChecked();
    }
    return data;
}

bool frmDovetaillV74::Validate() {
    const DovetailData data = Data();
    if (data.TickCount() < 2) {
        MsgMarkCheckBox(Env());
        return false;
    }
    if (IsEntryMissing(Env(), S(txtRollDiameter_->text()), TextRollDiameter(Env()))) return false;
    if (IsEntryMissing(Env(), S(txtAngle_->text()), TextAngle(Env()))) return false;
    for (D d : {D::OutsideRolls, D::InsideRolls, D::InsideCorners, D::OutsideCorners, D::Height}) {
        if (data.Ticked(d) && IsEntryMissing(Env(), S(DimOf(d).box->text()), NameOf(d)))
            return false;
    }
    switch (ValidateDovetail(data)) {
        case DovetailCheck::Ok:
            return true;
        case DovetailCheck::MarkCheckBox:
            MsgMarkCheckBox(Env());
            break;
        case DovetailCheck::ImpossibleRollAngleHeight:
            MsgImpossibleRollAngleHeight(Env());
            break;
        case DovetailCheck::InsideWiderThanOutside:
            MsgInsideWiderThanOutside(Env());
            break;
        case DovetailCheck::ImpossibleRollAngleCorner:
            MsgImpossibleRollAngleCorner(Env());
            break;
        case DovetailCheck::ImpossibleRollAngleCornerOnly:
            Env().messages.ShowMessage(S(tr(kCornerOnly)), kAppTitle, MsgIcon::None);
            break;
        case DovetailCheck::ImpossibleRollAngleRollWidth:
            MsgImpossibleRollAngleRollWidth(Env());
            break;
        case DovetailCheck::ImpossibleHeightOrRollWidth:
            MsgImpossibleHeightOrRollWidth(Env());
            break;
        case DovetailCheck::ImpossibleHeightOrCornerWidth:
            MsgImpossibleHeightOrCornerWidth(Env());
            break;
    }
    return false;
}

void frmDovetaillV74::Calculate() {
    if (!Validate()) return;
    const DovetailData data = Data();
    const auto solved = SolveDovetail(data);
    if (!solved) {
        ShowNotCalculable(Env(), S(tr("Dovetail")));
        return;
    }
    for (int i = 0; i < kDovetailDims; ++i) {
        if (data.ticked[i]) continue;
        dims_[i].box->setText(Format(solved->values[i]));
    }
}

void frmDovetaillV74::Reset() {
    for (Dim& dim : dims_) dim.box->setText("0");
    txtRollDiameter_->setText("0");
    txtAngle_->setText("0");
    for (Dim& dim : dims_) dim.check->setChecked(false);
}

QList<QWidget*> frmDovetaillV74::LengthFields() const {
    return {DimOf(D::OutsideRolls).box,  DimOf(D::InsideRolls).box, DimOf(D::OutsideCorners).box,
            DimOf(D::InsideCorners).box, txtRollDiameter_,          DimOf(D::Height).box};
}

bool frmDovetaillV74::CanConvertLengths() {
    return Validate();
}

QString frmDovetaillV74::PrintText() const {
    auto line = [](const std::string& name, const QString& value) {
        return Q(name) + ": " + value;
    };
    QStringList lines;
    lines << line(TextRollDiameter(Env()), txtRollDiameter_->text());
    lines << line(TextHeight(Env()), DimOf(D::Height).box->text());
    lines << line(TextAngle(Env()), txtAngle_->text() + QString::fromUtf8("\u00b0"));
    lines << line(TextOutsideRollDimension(Env()), DimOf(D::OutsideRolls).box->text());
    lines << line(TextInsideRollDimension(Env()), DimOf(D::InsideRolls).box->text());
    lines << line(TextOutsideCornerDimension(Env()), DimOf(D::OutsideCorners).box->text());
    lines << line(TextInsideCornerDimension(Env()), DimOf(D::InsideCorners).box->text());
    return kLineBreak.repeated(15) + lines.join(kLineBreak);
}

PrintPicture frmDovetaillV74::PrintDiagram() const {
    const QSize size(static_cast<int>(kFigureRight) + 10, 372);
    return {size, [size](QPainter& p) { PaintDiagram(p, QSizeF(size), false); }};
}

void frmDovetaillV74::PaintBackground(QPainter& p) {
    PaintDiagram(p, QSizeF(kBoxX, height()), true);
}

void frmDovetaillV74::PaintDiagram(QPainter& p, const QSizeF& size, bool withLeaders) {
    using namespace drawing;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double g = 2 * (kTenonRoot - kTenonTop) / kTan60;  // 60 degree flanks
    const double narrow = kWide - g;
    const double k = kRollR * kTan60;  // corner to the roll's touching points
    const double left = kCentreX - kWide / 2, right = kCentreX + kWide / 2;
    const double nLeft = kCentreX - narrow / 2, nRight = kCentreX + narrow / 2;
    const double figLeft = 10, figRight = kFigureRight;
    // On paper the picture is framed; on the screen it lies on the window.
    if (!withLeaders) {
        PaperFrame(p, size);
    }
    const QPen outline(kInk, 1.4);
    auto metal = [&](const QPainterPath& path) {
        p.setPen(outline);
        p.setBrush(kMetal);
        p.drawPath(path);
        p.setBrush(QBrush(kMetalHatch, Qt::BDiagPattern));
        p.drawPath(path);
        p.setBrush(Qt::NoBrush);
    };
    auto roll = [&](QPointF c) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kRoll);
        p.drawEllipse(c, kRollR, kRollR);
        p.setBrush(Qt::NoBrush);
        p.drawPoint(c);
    };
    auto leader = [&](double fromX, double y) {
        if (withLeaders) ExtensionLine(p, QPointF(fromX + 3, y), QPointF(kCheckX - 2, y));
    };

    // The saddle: a block with the slot opening downwards; rolls in its wide corners.
    QPainterPath saddle;
    saddle.moveTo(figLeft + 10, kSlotTop - 16);
    saddle.lineTo(figRight - 10, kSlotTop - 16);
    saddle.lineTo(figRight - 10, kSlotBottom);
    saddle.lineTo(nRight, kSlotBottom);
    saddle.lineTo(right, kSlotTop);
    saddle.lineTo(left, kSlotTop);
    saddle.lineTo(nLeft, kSlotBottom);
    saddle.lineTo(figLeft + 10, kSlotBottom);
    saddle.closeSubpath();
    metal(saddle);
    const QPointF riLeft(left + k, kSlotTop + kRollR), riRight(right - k, kSlotTop + kRollR);
    roll(riLeft);
    roll(riRight);
    DimensionLine(p, QPointF(riLeft.x() + kRollR, kRiY), QPointF(riRight.x() - kRollR, kRiY));
    leader(riRight.x() - kRollR, kRiY);
    CentredText(p, QPointF(kCentreX, kSlotBottom - 16), tr("Saddle"), 10, kInk, true);

    // The way: a bed with the tenon standing on it; rolls in its narrow corners.
    QPainterPath way;
    way.moveTo(figLeft, kTenonRoot);
    way.lineTo(nLeft, kTenonRoot);
    way.lineTo(left, kTenonTop);
    way.lineTo(right, kTenonTop);
    way.lineTo(nRight, kTenonRoot);
    way.lineTo(figRight, kTenonRoot);
    way.lineTo(figRight, kTenonRoot + 28);
    way.lineTo(figLeft, kTenonRoot + 28);
    way.closeSubpath();
    metal(way);
    const QPointF roLeft(nLeft - k, kTenonRoot - kRollR), roRight(nRight + k, kTenonRoot - kRollR);
    roll(roLeft);
    roll(roRight);
    CentredText(p, QPointF(kCentreX, kTenonRoot + 14), tr("Way"), 10, kInk, true);

    // Co across the top of the tenon.
    ExtensionLine(p, QPointF(left, kTenonTop - 2), QPointF(left, kCoY - 4));
    ExtensionLine(p, QPointF(right, kTenonTop - 2), QPointF(right, kCoY - 4));
    DimensionLine(p, QPointF(left, kCoY), QPointF(right, kCoY));
    leader(right, kCoY);
    // H beside the tenon, with its leader along the middle of the flank.
    const double hX = left - 14;
    ExtensionLine(p, QPointF(left - 2, kTenonTop), QPointF(hX - 4, kTenonTop));
    DimensionLine(p, QPointF(hX, kTenonTop), QPointF(hX, kTenonRoot));
    CentredText(p, QPointF(hX - 8, (kTenonTop + kTenonRoot) / 2), "H", 11, kDimension, true);
    if (withLeaders) {
        const double midFlankX = (right + nRight) / 2 + 4;
        ExtensionLine(p, QPointF(midFlankX, kHY), QPointF(kCheckX - 2, kHY));
    }
    // Ro over the rolls and Ci at the root, both below the bed.
    const double roL = roLeft.x() - kRollR, roR = roRight.x() + kRollR;
    ExtensionLine(p, QPointF(roL, roLeft.y()), QPointF(roL, kRoY + 4));
    ExtensionLine(p, QPointF(roR, roRight.y()), QPointF(roR, kRoY + 4));
    DimensionLine(p, QPointF(roL, kRoY), QPointF(roR, kRoY));
    leader(roR, kRoY);
    ExtensionLine(p, QPointF(nLeft, kTenonRoot), QPointF(nLeft, kCiY + 4));
    ExtensionLine(p, QPointF(nRight, kTenonRoot), QPointF(nRight, kCiY + 4));
    DimensionLine(p, QPointF(nLeft, kCiY), QPointF(nRight, kCiY));
    leader(nRight, kCiY);

    // The angle between flank and base, and the roll diameter.
    p.setPen(QPen(kDimension, 1));
    const double arcR = 26;
    p.drawArc(QRectF(nRight - arcR, kTenonRoot - arcR, 2 * arcR, 2 * arcR), 0 * 16, 60 * 16);
    p.drawArc(QRectF(nLeft - arcR, kTenonRoot - arcR, 2 * arcR, 2 * arcR), 120 * 16, 60 * 16);
    CentredText(p, QPointF(nRight + arcR + 14, kTenonRoot - 30), tr("Angle"), 10, kDimension, true);
    const QPointF rollText(kCentreX, kSlotTop + 36);
    CentredText(p, rollText, tr("Roll Diameter"), 10, kDimension, true);
    ExtensionLine(p, rollText + QPointF(-34, -4), riLeft + QPointF(kRollR * 0.7, kRollR * 0.7));
    p.restore();
}

}  // namespace calc
