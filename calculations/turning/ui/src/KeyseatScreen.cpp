#include "turning/KeyseatScreen.h"

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
#include "turning/Keyseat.h"

namespace calc {

namespace {

const QString kLineBreak = QStringLiteral("\n\r");
constexpr const char* kBiggerThanShaft =
    QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "Keyseat is bigger than the shaft!");

// Where Picture1 sits on the screen (twips).
constexpr int kPictureX = 120, kPictureY = 420, kPictureW = 3300, kPictureH = 4560;

struct ResultRow {
    const char* name;
    const char* printed;
    const char* shown;
};
// A to G.
constexpr ResultRow kRows[] = {
    {"lblTotalHeight", QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "A: Overall height: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "A: Overall height")},
    {"lblSeatBottom", QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "B: Shaft diam minus keyseat: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "B: Shaft minus keyseat")},
    {"lblShaftKeyDepth",
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "C: Depth of keyseat in shaft from flat: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "C: Seat depth from flat")},
    {"lblChordHeight",
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "D: From top of shaft to full flat: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "D: Top of shaft to flat")},
    {"lblTotalKeyDepth",
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "E: Total depth of keyseat in shaft: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "E: Total seat depth")},
    {"lblHubKeyDepth",
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "F: Depth of keyway in hub from flat: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "F: Hub depth from flat")},
    {"lblTotalHubDepth",
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "G: Total depth of keyway in hub: "),
     QT_TRANSLATE_NOOP("calc::frmKeyseatV74", "G: Total hub depth")},
};
enum Letter { A, B, C, D, E, F, G };

}  // namespace

frmKeyseatV74::frmKeyseatV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmKeyseatV74", tr("Keyseat"), tr("Keyseat"), 6970, 6730, "html\\Keyseat.htm",
                  "Keyway"},
                 parent) {
    const int labelX = 3540, boxX = 5640;
    AddLabel("Label1", tr("W = Key Width:"), labelX, 480, 2100, 285);
    txtKeyWidth_ = AddEntryBox("txtKeyWidth", boxX, 450, 1215, 285);
    AddLabel("Label2", tr("H = Key Height:"), labelX, 840, 2100, 285);
    txtKeyHeight_ = AddEntryBox("txtKeyHeight", boxX, 810, 1215, 285);
    AddLabel("Label3", tr("S = Shaft Diameter:"), labelX, 1200, 2100, 285);
    txtShaftDia_ = AddEntryBox("txtShaftDia", boxX, 1170, 1215, 285);
    chkSquare_ = AddCheckBox("chkSquare", tr("Check if key is square"), labelX, 1560, 3375, 285);
    QLabel* places = AddLabel("Label4", tr("Decimal Places in Answer"), labelX, 1950, 2220, 285);
    QFont small = places->font();
    small.setPixelSize(11);
    places->setFont(small);
    AddDecimalPlacesBox(boxX + 600, 1920);

    const struct {
        QLineEdit* box;
        const char* name;
    } entries[] = {{txtKeyWidth_, QT_TR_NOOP("Key width")},
                   {txtKeyHeight_, QT_TR_NOOP("Key height")},
                   {txtShaftDia_, QT_TR_NOOP("Shaft diameter")}};
    for (const auto& e : entries) {
        CheckOnLeave(e.box, [this, box = e.box, name = e.name] {
            if (!ValidateEntryBox(Env(), S(box->text()), S(tr(name)))) return false;
            if (box == txtKeyWidth_) CopyWidthToHeight();
            return true;
        });
    }
    connect(chkSquare_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) CopyWidthToHeight();
    });

    for (int i = 0; i < 7; ++i) {
        const int y = 2460 + i * 360;
        auto* label = AddLabel(QString("lblLetter%1").arg(QChar('A' + i)), tr(kRows[i].shown),
                               labelX, y, 2070, 285);
        label->setFont(small);
        label->setToolTip(tr(kRows[i].printed).chopped(2));
        results_[i] = AddResultField(kRows[i].name, boxX, y - 15, 1215, 285);
    }

    AddCommandRow({.xTw = 120, .yTw = 5580, .stepTw = 960, .sizeTw = 930},
                  {Command::Calculate, Command::Reset, Command::Print, Command::InchToMm,
                   Command::MmToInch, Command::Help, Command::Close});
    // The calculator sits in the free corner of the diagram.
    AddCalculatorPicture(kPictureX + kPictureW - 720, kPictureY + 60, 660, 660);
}

void frmKeyseatV74::CopyWidthToHeight() {
    if (chkSquare_->isChecked() && ParseEntryText(Env(), S(txtKeyWidth_->text())) > 0)
        txtKeyHeight_->setText(txtKeyWidth_->text());
}

void frmKeyseatV74::Calculate() {
    const double w = ParseEntryText(Env(), S(txtKeyWidth_->text()));
    const double h = ParseEntryText(Env(), S(txtKeyHeight_->text()));
    const double s = ParseEntryText(Env(), S(txtShaftDia_->text()));
    const KeyseatSolution solution = SolveKeyseat(w, h, s);
    switch (solution.status) {
        case KeyseatStatus::NotEnoughData:
            MsgNotEnoughData(Env());
            return;
        case KeyseatStatus::BiggerThanShaft:
            Env().messages.ShowMessage(S(tr(kBiggerThanShaft)), kAppTitle, MsgIcon::None);
            return;
        case KeyseatStatus::NotCalculable:
            ShowNotCalculable(Env(), S(tr("Keyseat depth")));
            return;
        case KeyseatStatus::Solved:
            break;
    }
    const KeyseatResult& r = solution.result;
    // Written in the order D, G, E, B, A, F, C.
    const std::pair<Letter, double> values[] = {
        {D, r.chordHeight}, {G, r.totalHubDepth}, {E, r.totalKeyDepth}, {B, r.seatBottom},
        {A, r.totalHeight}, {F, r.hubKeyDepth},   {C, r.shaftKeyDepth}};
    for (const auto& [letter, value] : values) results_[letter]->setText(Format(value));
}

void frmKeyseatV74::Reset() {
    for (QLineEdit* box : {txtKeyWidth_, txtKeyHeight_, txtShaftDia_}) box->clear();
    for (QLabel* field : results_) field->clear();
    chkSquare_->setChecked(false);
}

QList<QWidget*> frmKeyseatV74::LengthFields() const {
    QList<QWidget*> fields{txtKeyWidth_, txtKeyHeight_, txtShaftDia_};
    for (QLabel* field : results_) fields << field;
    return fields;
}

QString frmKeyseatV74::PrintText() const {
    QString text = kLineBreak.repeated(15);
    text += kLineBreak + tr("Key width: ") + txtKeyWidth_->text();
    text += kLineBreak + tr("Key height: ") + txtKeyHeight_->text();
    text += "\n\n" + tr("Shaft diameter: ") + txtShaftDia_->text();
    for (int i = 0; i < 7; ++i) text += kLineBreak + tr(kRows[i].printed) + results_[i]->text();
    text +=
        kLineBreak + tr("NOTE: Add clearance to depth of keyway in hub to facilitate assembly.");
    return text;
}

PrintPicture frmKeyseatV74::PrintDiagram() const {
    const QSize size = TwSize(kPictureW, kPictureH);
    return {size, [size](QPainter& p) { PaintDiagram(p, QSizeF(size)); }};
}

void frmKeyseatV74::PaintBackground(QPainter& p) {
    drawing::PaintInto(p, TwRect(kPictureX, kPictureY, kPictureW, kPictureH),
                       &frmKeyseatV74::PaintDiagram);
}

void frmKeyseatV74::PaintDiagram(QPainter& p, const QSizeF& size) {
    using namespace drawing;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    PaperFrame(p, size);

    // Proportions of a typical key: W = S / 2, H = 0.7 W, drawn in a shaft of radius R.
    const double R = std::min(size.width() * 0.235, size.height() * 0.2);
    const QPointF centre(size.width() * 0.40, size.height() * 0.5);
    const double halfW = R * 0.5, halfH = R * 0.36;
    const double chordY = centre.y() - std::sqrt(R * R - halfW * halfW);
    const double topY = centre.y() - R, bottomY = centre.y() + R;
    const double seatY = chordY + halfH;  // keyseat bottom
    const double keyTopY = chordY - halfH;

    // The hub around the shaft, with its keyway.
    const double hubR = R * 1.25;
    QPainterPath hub;
    hub.addEllipse(centre, hubR, hubR);
    QPainterPath bore;
    bore.addEllipse(centre, R, R);
    bore.addRect(QRectF(centre.x() - halfW, keyTopY, 2 * halfW, chordY - keyTopY + 1));
    hub = hub.subtracted(bore);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(225, 230, 238));
    p.drawPath(hub);
    p.setBrush(QBrush(kMetalHatch, Qt::FDiagPattern));
    p.drawPath(hub);

    // The shaft with its keyseat.
    QPainterPath shaft;
    shaft.addEllipse(centre, R, R);
    QPainterPath seat;
    seat.addRect(QRectF(centre.x() - halfW, topY - 2, 2 * halfW, seatY - topY + 2));
    shaft = shaft.subtracted(seat);
    p.setBrush(kMetal);
    p.drawPath(shaft);
    p.setBrush(QBrush(kMetalHatch, Qt::BDiagPattern));
    p.drawPath(shaft);

    // The key.
    const QRectF key(centre.x() - halfW, keyTopY, 2 * halfW, seatY - keyTopY);
    p.setBrush(QColor(250, 222, 150));
    p.setPen(QPen(kInk, 1.4));
    p.drawRect(key);
    CentredText(p, key.center(), tr("KEY"), 10, kInk, true);

    // The arc the keyseat cut away, dashed, and the chord (the flat).
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 0.8, Qt::DashLine));
    const double sweep = std::asin(halfW / R) * 180 / kPi;
    p.drawArc(QRectF(centre.x() - R, centre.y() - R, 2 * R, 2 * R), int((90 - sweep) * 16),
              int(2 * sweep * 16));
    p.drawLine(QPointF(centre.x() - halfW, chordY), QPointF(centre.x() + halfW, chordY));
    CentreLine(p, QPointF(centre.x(), keyTopY - 14), QPointF(centre.x(), bottomY + 8));
    CentreLine(p, QPointF(centre.x() - R - 8, centre.y()), QPointF(centre.x() + R + 8, centre.y()));

    // Dimensions: A and B on the left, C to G on the right.
    const double leftX = centre.x() - hubR - 4;
    auto ext = [&](double y, double fromX, double toX) {
        ExtensionLine(p, QPointF(fromX, y), QPointF(toX, y));
    };
    auto vertical = [&](double x, double y1, double y2, const QString& letter, QPointF label) {
        DimensionLine(p, QPointF(x, y1), QPointF(x, y2));
        CentredText(p, label, letter, 12, kDimension, true);
    };
    const double aX = std::max(8.0, leftX - 12), bX = aX + 11;
    ext(bottomY, centre.x(), aX - 3);
    ext(keyTopY, centre.x() - halfW, aX - 3);
    ext(seatY, centre.x() - halfW, bX - 3);
    vertical(aX, keyTopY, bottomY, "A", QPointF(aX - 8, (keyTopY + bottomY) / 2));
    vertical(bX, seatY, bottomY, "B", QPointF(bX + 8, (seatY + bottomY) / 2 + 14));

    const double r0 = centre.x() + halfW;
    const double first = centre.x() + hubR + 8, gap = (size.width() - 10 - first) / 4;
    const double dX = first, cX = first + gap, eX = first + 2 * gap, gX = first + 3 * gap,
                 fX = first + 4 * gap;
    ext(topY, centre.x(), fX + 3);
    ext(chordY, r0, gX + 3);
    ext(seatY, r0, eX + 3);
    ext(keyTopY, r0, fX + 3);
    // The letters of these short dimensions sit below or above their lines.
    const double below = seatY + 12, above = keyTopY - 10;
    vertical(dX, topY, chordY, "D", QPointF(dX, below));
    vertical(cX, chordY, seatY, "C", QPointF(cX, below));
    vertical(eX, topY, seatY, "E", QPointF(eX, below));
    vertical(gX, keyTopY, chordY, "G", QPointF(gX, above));
    vertical(fX, keyTopY, topY, "F", QPointF(fX, above));

    // The key width across the top of the key, and a legend.
    const double wY = above - 8;
    ExtensionLine(p, QPointF(centre.x() - halfW, keyTopY), QPointF(centre.x() - halfW, wY - 3));
    ExtensionLine(p, QPointF(centre.x() + halfW, keyTopY), QPointF(centre.x() + halfW, wY - 3));
    DimensionLine(p, QPointF(centre.x() - halfW, wY), QPointF(centre.x() + halfW, wY), kInk);
    CentredText(p, QPointF(centre.x(), wY - 8), "W", 11, kInk, true);
    const double legendY = bottomY + 0.12 * size.height();
    CentredText(p, QPointF(size.width() / 2, legendY), tr("W key width, H key height,"), 10);
    CentredText(p, QPointF(size.width() / 2, legendY + 14), tr("S shaft diameter"), 10);
    CentredText(p, QPointF(size.width() / 2, legendY + 34), tr("Shaft, key and hub"), 11, kInk,
                true);
    p.restore();
}

}  // namespace calc
