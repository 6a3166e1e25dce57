#include "geometry/PolygonScreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <cmath>

#include "calc/Domain.h"
#include "calc/LocalText.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"

namespace calc {

namespace {

const QString kLineBreak = QStringLiteral("\n\r");
const QColor kBack(205, 230, 250);
const QColor kInk(30, 70, 110);
const QColor kFace(255, 250, 232);

// The diagram circle shCircleOut (twips) and its radius as the corners use it.
constexpr int kCircleLeft = 240, kCircleTop = 1320, kCircleSize = 3495;
int CircleRadius() {
    return static_cast<int>(std::nearbyint(kCircleSize / 2.0));  // 1748
}

struct Line {
    double x1, y1, x2, y2;
};

QPointF Px(double xTw, double yTw) {
    return {xTw / kTwipsPerPixel, yTw / kTwipsPerPixel};
}

void DrawLine(QPainter& p, const Line& l) {
    p.drawLine(Px(l.x1, l.y1), Px(l.x2, l.y2));
}

}  // namespace

// ---- The drawing ------------------------------------------------------------------

void frmPolygonsV74::PaintPolygonDiagram(QPainter& p, int sides) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int R = CircleRadius();
    const std::vector<point> corners = calculatePoints(sides, R);
    const QPointF centre(kCircleLeft + R, kCircleTop + R);  // (1988, 3068)

    // The across-corners circle.
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFace);
    p.drawEllipse(QRectF(Px(kCircleLeft, kCircleTop),
                         Px(kCircleLeft + kCircleSize, kCircleTop + kCircleSize)));
    p.setBrush(Qt::NoBrush);
    if (corners.size() <= 2) {
        p.restore();
        return;
    }
    // The polygon, then its inscribed circle.
    QPolygonF polygon;
    for (const point& c : corners) polygon << Px(centre.x() + c.X, centre.y() + c.Y);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(255, 236, 170));
    p.drawPolygon(polygon);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1));
    const double inner = corners.front().X;
    p.drawEllipse(Px(centre.x(), centre.y()), inner / kTwipsPerPixel, inner / kTwipsPerPixel);

    // Dimension and extension lines; four follow the polygon.
    const double flatRight = centre.x() + corners.front().X;
    const double flatLeft = centre.x() - corners.front().X;
    const double sideLower = centre.y() + corners.front().Y;
    const double sideUpper = centre.y() - corners.front().Y;
    const Line LeftAcrCorn{120, 1080, 1320, 1080}, RightAcrCorn{2760, 1080, 3840, 1080};
    const Line ScndLeftAcrCorn{240, 840, 240, 3240}, ScndRightAcrCorn{3720, 960, 3720, 3120};
    const Line LeftAcrFlats{120, 5040, 1320, 5040}, RightAcrFlats{2760, 5040, 3840, 5040};
    const Line ScndLeftAcrFlats{flatLeft, 3000, flatLeft, 5280};
    const Line ScndRightAcrFlats{flatRight, 3120, flatRight, 5280};
    const Line UpperChord{3960, 1200, 3960, 3360}, LowerChord{3960, 3360, 3960, 4800};
    const Line ScnUpperChord{2880, sideLower, 4200, sideLower};
    const Line ScnLowerChord{2880, sideUpper, 4200, sideUpper};
    p.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::FlatCap));
    for (const Line& l : {LeftAcrCorn, RightAcrCorn, ScndLeftAcrCorn, ScndRightAcrCorn,
                          LeftAcrFlats, RightAcrFlats, ScndLeftAcrFlats, ScndRightAcrFlats,
                          UpperChord, LowerChord, ScnUpperChord, ScnLowerChord})
        DrawLine(p, l);
    // DrawDimensionArrows: each dimension's arrows outside its extension lines.
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    DrawArrowHead(p, "top", QPointF(UpperChord.x2, ScnUpperChord.y2));
    DrawArrowHead(p, "bottom", QPointF(LowerChord.x2, ScnLowerChord.y2));
    DrawArrowHead(p, "right", QPointF(ScndLeftAcrFlats.x2, LeftAcrFlats.y2));
    DrawArrowHead(p, "left", QPointF(ScndRightAcrFlats.x2, RightAcrFlats.y2));
    DrawArrowHead(p, "right", QPointF(ScndLeftAcrCorn.x2, LeftAcrCorn.y2));
    DrawArrowHead(p, "left", QPointF(ScndRightAcrCorn.x2, RightAcrCorn.y2));
    p.restore();
}

void frmPolygonsV74::PaintBackground(QPainter& p) {
    PaintPolygonDiagram(p, sides_);
}

PrintPicture frmPolygonsV74::PrintDiagram() const {
    const int sides = sides_;
    return {QSize(282, 329), [sides](QPainter& p) {
                p.save();
                p.setRenderHint(QPainter::Antialiasing);
                // The drawing spans x 120..4200 and y 840..5280 twips (272 x 296 pixels);
                // scaled to leave room for the labels around it.
                constexpr double kScale = 0.86, kTop = 18;
                p.translate(141 - (120 + 4200) / 30.0 * kScale, kTop - 840 / 15.0 * kScale);
                p.scale(kScale, kScale);
                PaintPolygonDiagram(p, sides);
                p.restore();
                p.save();
                QFont f("DejaVu Sans");
                f.setPixelSize(10);
                p.setFont(f);
                p.setPen(Qt::black);
                const double bottom = kTop + 296 * kScale;
                p.drawText(QRectF(0, 2, 282, 14), Qt::AlignCenter,
                           tr("Across Corners(Outside Circle)"));
                p.drawText(QRectF(0, bottom + 1, 282, 14), Qt::AlignCenter,
                           tr("Across Flats (Inside Circle)"));
                p.translate(282 - 6, kTop + (3360 - 840) / 15.0 * kScale);
                p.rotate(-90);
                p.drawText(QRectF(-80, -12, 160, 12), Qt::AlignCenter, tr("Side length(chord)"));
                p.restore();
                p.save();
                QFont c("DejaVu Sans");
                c.setPixelSize(12);
                c.setBold(true);
                p.setFont(c);
                p.setPen(Qt::black);
                p.drawText(QRectF(0, 329 - 18, 282, 16), Qt::AlignCenter, tr("Polygon dimensions"));
                p.restore();
            }};
}

// ---- The screen -------------------------------------------------------------------

frmPolygonsV74::frmPolygonsV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmPolygonsV74", tr("Polygons"), tr("Regular Polygons"), 8050, 7330,
                  "html\\Polygons.htm", "Polygon", "DecimalPlaces", true, kBack},
                 parent) {
    QGroupBox* frame = AddFrame("frmDataFrame", tr("Enter Known Data"), 4700, 660, 3015, 1815);
    optFlats_ = AddOption("optInsideCircle", tr("Across Flats"), 240, 300, 2500, 285, frame);
    optCorners_ = AddOption("optOutsideCircle", tr("Across Corners"), 255, 660, 2500, 285, frame);
    optChord_ = AddOption("optChord", tr("Side Length"), 240, 1020, 2500, 285, frame);
    numSides_ = new QLineEdit(frame);
    numSides_->setObjectName("txtNumSides");
    numSides_->setGeometry(TwRect(240, 1380, 615, 285));
    auto* numLabel = new QLabel(tr("Number of Sides"), frame);
    numLabel->setObjectName("lblNumSides");
    numLabel->setGeometry(TwRect(960, 1380, 1950, 285));

    AddLabel("lblAcrossCorners", tr("Across Corners (Outside Circle)"), 960, 600, 3000, 285);
    corners_box_ = AddEntryBox("txtAcrossCorners", 1440, 960, 1215, 285);
    AddLabel("lblSideLength", tr("Side Length (Chord):"), 3705, 3330, 1800, 285);
    chord_ = AddEntryBox("txtChord", 3960, 3600, 1215, 285);
    chord_->setToolTip(tr("Hord Length"));
    flats_ = AddEntryBox("txtAcrossFlats", 1440, 4920, 1215, 285);
    AddLabel("lblAcrossFlats", tr("Across Flats (Inside Circle)"), 960, 5250, 3000, 285);
    AddCaption("lblIncluded", tr("Angle of sector:"), 4800, 2640, 1740);
    sectorAngle_ = AddEntryBox("txtSctrAngle", 6600, 2640, 855, 285);
    sectorAngle_->setToolTip(tr("Sector Angle"));
    SetBoxEditable(sectorAngle_, false);
    sectorAngle_->setFocusPolicy(Qt::NoFocus);
    AddCaption("Label2", tr("Decimal Places in Answer"), 4050, 4080, 2580);
    AddDecimalPlacesBox(6720, 4080);
    area_ = AddLabel("lblArea", "", 1320, 2880, 2100, 285);
    area_->setAlignment(Qt::AlignCenter);
    AddLabel("lblVol1", tr("Volume of a "), 480, 5640, 1050, 285);
    length_ = AddEntryBox("txtLength", 1545, 5640, 1215, 285);
    length_->setText("1");
    volume_ = AddLabel("lblVol2", tr("unit length bar is L*A units³."), 2820, 5640, 5000, 285);

    for (QLineEdit* box : {flats_, corners_box_, chord_}) box->setText("0");
    CheckOnLeave(flats_, [this] {
        return ValidateEntryBox(Env(), S(flats_->text()), TextAcrossFlats(Env()));
    });
    CheckOnLeave(corners_box_, [this] {
        return ValidateEntryBox(Env(), S(corners_box_->text()), TextAcrossCorners(Env()));
    });
    CheckOnLeave(chord_, [this] {
        return ValidateEntryBox(Env(), S(chord_->text()), TextSideLength(Env()));
    });
    CheckOnLeave(numSides_, [this] {
        if (!CheckNumberOfSides()) return false;
        ShowSectorAngle(true);
        return true;
    });
    for (QRadioButton* option : {optFlats_, optCorners_, optChord_})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ApplyLocks();
        });

    AddCommandRow({.xTw = 120, .yTw = 6000, .stepTw = 1320},
                  {RowPlace::Calculator(), Command::AngleConversion, Command::Print,
                   Command::MmToInch, Command::InchToMm, Command::Reset});
    AddCommand(Command::Calculate, 6720, 4680);

    optFlats_->setChecked(true);
    ApplyLocks();
    numSides_->setText("6");
    CheckNumberOfSides();
    ShowSectorAngle(false);
}

PolygonKnown frmPolygonsV74::Known() const {
    if (optCorners_->isChecked()) return PolygonKnown::AcrossCorners;
    if (optChord_->isChecked()) return PolygonKnown::Side;
    return PolygonKnown::AcrossFlats;
}

QLineEdit* frmPolygonsV74::KnownBox() const {
    switch (Known()) {
        case PolygonKnown::AcrossCorners:
            return corners_box_;
        case PolygonKnown::Side:
            return chord_;
        case PolygonKnown::AcrossFlats:
            break;
    }
    return flats_;
}

std::string frmPolygonsV74::KnownName() const {
    switch (Known()) {
        case PolygonKnown::AcrossCorners:
            return TextAcrossCorners(Env());
        case PolygonKnown::Side:
            return TextSideLength(Env());
        case PolygonKnown::AcrossFlats:
            break;
    }
    return TextAcrossFlats(Env());
}

void frmPolygonsV74::ApplyLocks() {
    QLineEdit* known = KnownBox();
    for (QLineEdit* box : {flats_, corners_box_, chord_}) SetBoxEditable(box, box == known);
}

bool frmPolygonsV74::CheckNumberOfSides() {
    const SidesCheck check = calc::CheckNumberOfSides(Env(), S(numSides_->text()));
    numSides_->setText(Q(check.boxText));
    if (!check.accepted) return false;
    sides_ = check.sides;
    corners_ = calculatePoints(sides_, CircleRadius());
    update();
    return true;
}

void frmPolygonsV74::ShowSectorAngle(bool formatted) {
    // The box shows the angle rounded; the lengths use the exact 360 / n.
    const double angle = SectorAngle(sides_);
    sectorAngle_->setText(formatted ? Format(angle) : Q(DoubleToText15(angle)));
}

bool frmPolygonsV74::Validate() {
    return !IsEntryMissing(Env(), S(KnownBox()->text()), KnownName());
}

void frmPolygonsV74::Calculate() {
    if (Validate()) {
        const double value = ParseNumberText(S(KnownBox()->text()));
        const std::optional<PolygonDims> dims = SolvePolygon(sides_, Known(), value);
        if (!dims) {
            ShowNotCalculable(Env(), KnownName());
        } else {
            switch (Known()) {
                case PolygonKnown::AcrossCorners:
                    flats_->setText(Format(dims->flats));
                    chord_->setText(Format(dims->side));
                    break;
                case PolygonKnown::AcrossFlats:
                    corners_box_->setText(Format(dims->corners));
                    chord_->setText(Format(dims->side));
                    break;
                case PolygonKnown::Side:
                    corners_box_->setText(Format(dims->corners));
                    flats_->setText(Format(dims->flats));
                    break;
            }
        }
    }
    UpdateAreaVolume();
}

void frmPolygonsV74::UpdateAreaVolume() {
    const double n = ParseEntryText(Env(), S(numSides_->text()));
    const double side = ParseEntryText(Env(), S(chord_->text()));
    const double flats = ParseEntryText(Env(), S(flats_->text()));
    const double length = ParseEntryText(Env(), S(length_->text()));
    const int places = DecimalPlaces();
    const PolygonAreaVolume av = AreaVolume(n, side, flats, length);
    // The area rounded to the places, then without trailing zeros: 0.8661, 3.
    const double shownArea = ParseNumberText(FormatDecimals(DoubleToText15(av.area), places));
    area_->setText(tr("Area= %1units²").arg(Q(DoubleToText15(shownArea))));
    volume_->setText(tr("unit length bar is %1units³.")
                         .arg(Q(FormatDecimals(DoubleToText15(av.volume), places))));
}

QList<QWidget*> frmPolygonsV74::LengthFields() const {
    return {flats_, corners_box_, chord_};
}

bool frmPolygonsV74::CanConvertLengths() {
    return Validate();
}

void frmPolygonsV74::LengthsConverted() {
    UpdateAreaVolume();
}

void frmPolygonsV74::Reset() {
    for (QLineEdit* box : {corners_box_, flats_, chord_}) box->setText("0");
    numSides_->setText("6");
    CheckNumberOfSides();
    ShowSectorAngle(true);
}

QString frmPolygonsV74::PrintText() const {
    QStringList lines;
    lines << Q(TextNumberOfSides(Env())) + ": " + numSides_->text();
    lines << Q(TextAcrossFlats(Env())) + ": " + flats_->text();
    lines << Q(TextAcrossCorners(Env())) + ": " + corners_box_->text();
    lines << Q(TextSideLength(Env())) + ": " + chord_->text();
    lines << tr("Sector angle: ") + sectorAngle_->text() + QString::fromUtf8("°");
    lines << area_->text();
    lines << tr("Volume: ") + length_->text() + volume_->text();
    return kLineBreak.repeated(19) + lines.join(kLineBreak);
}

}  // namespace calc
