#include "turning/SurfaceFinishScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QScreen>
#include <cmath>
#include <functional>

#include "TurningDrawing.h"
#include "calc/Domain.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "turning/SurfaceFinish.h"

namespace calc {

namespace {

constexpr const char* kSettingsSection = "SurfaceFin";
constexpr const char* kNeedDiameter =
    QT_TRANSLATE_NOOP("calc::frmBallnoseV74", "Tool diameter greater than zero is required.");
constexpr const char* kStepoverTooLarge = QT_TRANSLATE_NOOP(
    "calc::frmBallnoseV74",
    "If stepover is greater than the tool diameter the peak height is depth of cut.");

constexpr int kWidthTw = 5760, kHeightTw = 5170;
// The diagrams (twips).
constexpr int kPicX = 2880, kPicY = 420, kPicW = 2760, kPicH = 2355;

// The scallops a rounded edge of radius `r` leaves at pitch `f`, with the bottoms of the
// arcs on `baseY`, from x0 to x1; one arc is centred at `centreX`.
QPainterPath ScallopProfile(double x0, double x1, double baseY, double r, double f,
                            double centreX) {
    const double half = f / 2;
    QPainterPath path;
    const double first = centreX - std::ceil((centreX - x0) / f) * f;
    bool started = false;
    for (double c = first; c - half < x1; c += f) {
        const int steps = 16;
        for (int i = 0; i <= steps; ++i) {
            const double x = c - half + f * i / steps;
            if (x < x0 || x > x1) continue;
            const double y = baseY - (r - std::sqrt(std::max(0.0, r * r - (x - c) * (x - c))));
            if (!started) {
                path.moveTo(x, y);
                started = true;
            } else {
                path.lineTo(x, y);
            }
        }
    }
    return path;
}

void PaintWorkpiece(QPainter& p, const QPainterPath& profile, double x0, double x1, double bottom) {
    QPainterPath body = profile;
    body.lineTo(x1, bottom);
    body.lineTo(x0, bottom);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(drawing::kMetal);
    p.drawPath(body);
    p.setBrush(QBrush(drawing::kMetalHatch, Qt::BDiagPattern));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(drawing::kInk, 1.4));
    p.drawPath(profile);
}

}  // namespace

frmBallnoseV74::frmBallnoseV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmBallnoseV74", tr("Ball Nose Cutters"), tr("  Surface Finish"), kWidthTw,
                  kHeightTw, "html\\BallNose.htm", "Ballnose", "DecimalPlaces", false},
                 parent) {
    // Left of centre: a quarter of the free width to the left, half the free height above.
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect area = display->geometry();
        move(area.x() + (area.width() - width()) / 4, area.y() + (area.height() - height()) / 2);
    }

    // The diagrams: the ball nose beneath, the lathe tool over it in the lathe mode.
    AddPicture("picBallnose", kPicX, kPicY, kPicW, kPicH, &frmBallnoseV74::PaintBallNose);
    picLathe_ = AddPicture("picLathe", kPicX, kPicY, kPicW, kPicH, &frmBallnoseV74::PaintLatheTool);

    optMill_ = AddOption("optMill", tr("Ball Nose Diameter"), 120, 480, 2640, 285);
    txtToolDia_ = AddEntryBox("txtToolDia", 480, 810, 1215, 285);
    optLathe_ = AddOption("optLathe", tr("Tool Nose Radius"), 120, 1230, 2640, 285);
    txtTNR_ = AddEntryBox("txtTNR", 480, 1560, 1215, 285);
    label3_ = AddLabel("Label3", tr("Stepover"), 120, 1980, 2640, 285);
    txtStepover_ = AddEntryBox("txtStepover", 480, 2280, 1215, 285);
    AddLabel("Label2", tr("Peak Height"), 120, 2700, 2640, 285);
    lblPeakHeight_ = AddResultField("lblPeakHeight", 480, 3000, 1215, 285);

    AddLabel("Label5", tr("Theoretical surface finish = Ra"), kPicX, 2880, kPicW, 285);
    lblSurfFin_ = AddResultField("lblSurfFin", kPicX + 360, 3180, 1215, 285);
    AddLabel("Label6", QString::fromUtf8("  \u00b5"), kPicX + 1575, 3180, 255, 285);
    // The unit after the micro sign: microinches or micrometres.
    unitSuffix_ = AddLabel("lblSurfFinUnit", "in", kPicX + 1800, 3180, 600, 285);
    AddLabel("Label1", tr("Decimal Places"), 120, 3465, 1440, 285);
    AddDecimalPlacesBox(1620, 3450);

    CheckOnLeave(txtToolDia_, [this] { return LeaveToolDia(); });
    CheckOnLeave(txtTNR_, [this] { return LeaveNoseRadius(); });
    CheckOnLeave(txtStepover_, [this] { return LeaveStepover(); });

    AddCommandRow({.xTw = 90, .yTw = 3960, .stepTw = 930, .sizeTw = 900},
                  {Command::Calculate, Command::Reset, Command::InchMetric, Command::Help,
                   RowPlace::Calculator(), Command::Close});

    lblSurfFin_->clear();
    // A stored unit text other than the two captions counts as the inch system.
    SetLengthRule({.skipsEmpty = true});
    ShowUnitsOn(CommandButtonFor(Command::InchMetric)->Caption());
    KeepUnitsUnder({{"InchMetric", kSettingsSection, SystemCaptions()}});

    connect(optMill_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ApplyMill();
    });
    connect(optLathe_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ApplyLathe();
    });
    const std::string mode = env.settings.GetSetting(kSettingsApp, "LatheMill", kSettingsSection);
    if (mode == "Mill")
        optMill_->setChecked(true);
    else if (mode == "Lathe")
        optLathe_->setChecked(true);
    if (!optMill_->isChecked() && !optLathe_->isChecked()) optMill_->setChecked(true);
}

void frmBallnoseV74::ShowUnits() {
    unitSuffix_->setText(Metric() ? "m" : "in");
}

void frmBallnoseV74::ApplyMill() {
    picLathe_->hide();
    label3_->setText(tr("Stepover"));
    txtTNR_->setEnabled(false);
    txtToolDia_->setEnabled(true);
    Env().settings.SaveSetting(kSettingsApp, "LatheMill", kSettingsSection, "Mill");
}

void frmBallnoseV74::ApplyLathe() {
    picLathe_->show();
    label3_->setText(tr("Feed per rev."));
    txtToolDia_->setEnabled(false);
    txtTNR_->setEnabled(true);
    Env().settings.SaveSetting(kSettingsApp, "LatheMill", kSettingsSection, "Lathe");
}

// The diameter and the nose radius describe one edge: each box writes the other, and a
// refused value empties both (the diameter shows 0).
bool frmBallnoseV74::LeaveToolDia() {
    if (txtToolDia_->text().isEmpty()) return true;
    const double v = ParseEntryText(Env(), S(txtToolDia_->text()));
    if (v == 0 || v == -1) {
        txtToolDia_->setText("0");
        txtTNR_->clear();
        return true;
    }
    txtTNR_->setText(Q(DoubleToText15(v / 2)));
    return true;
}

bool frmBallnoseV74::LeaveNoseRadius() {
    if (txtTNR_->text().isEmpty()) return true;
    const double v = ParseEntryText(Env(), S(txtTNR_->text()));
    if (v == 0 || v == -1) {
        txtTNR_->clear();
        txtToolDia_->setText("0");
        return true;
    }
    txtToolDia_->setText(Q(DoubleToText15(v * 2)));
    return true;
}

bool frmBallnoseV74::LeaveStepover() {
    if (txtStepover_->text().isEmpty()) return true;
    const double v = ParseEntryText(Env(), S(txtStepover_->text()));
    if (v == 0 || v == -1) txtStepover_->setText("0");
    return true;
}

void frmBallnoseV74::Calculate() {
    if (txtToolDia_->text().isEmpty()) txtToolDia_->setText("0");
    if (txtStepover_->text().isEmpty()) txtStepover_->setText("0");
    const double diameter = ParseNumberText(S(txtToolDia_->text()));
    if (!(diameter > 0)) {
        Env().messages.ShowMessage(S(tr(kNeedDiameter)), kAppTitle, MsgIcon::None);
        return;
    }
    if (ParseNumberText(S(txtStepover_->text())) > 0) {
        const double f = ParseEntryText(Env(), S(txtStepover_->text()));
        if (f > diameter) {
            Env().messages.ShowMessage(S(tr(kStepoverTooLarge)), kAppTitle, MsgIcon::None);
            return;
        }
        const auto h = PeakHeight(diameter / 2, f);
        if (!h) {
            ShowNotCalculable(Env(), S(tr("Peak Height")));
            return;
        }
        lblPeakHeight_->setText(Format(*h));
        lblPeakHeight_->show();
    }
    if (txtStepover_->text().isEmpty() || txtTNR_->text().isEmpty()) return;
    double f = ParseEntryText(Env(), S(txtStepover_->text()));
    double r = ParseEntryText(Env(), S(txtTNR_->text()));
    const bool inch = !Metric();
    if (!inch) {
        f /= kMmPerInch;
        r /= kMmPerInch;
    }
    // Only a real edge (r > 0) at a real feed (f >= 0) has a theoretical finish.
    const auto ra = TheoreticalRoughness(r, f);
    if (!ra) return;
    if (inch)
        lblSurfFin_->setText(Q(FormatDecimals(DoubleToText15(*ra), 0)));
    else
        lblSurfFin_->setText(Q(FormatDecimals(DoubleToText15(*ra * kMicrometrePerMicroinch), 2)));
}

void frmBallnoseV74::Reset() {
    for (QLineEdit* box : {txtToolDia_, txtTNR_, txtStepover_}) {
        box->clear();
        box->setEnabled(true);
    }
    lblPeakHeight_->clear();
    lblSurfFin_->clear();
}

bool frmBallnoseV74::ConvertUnits(UnitSystem units) {
    const bool toMetric = units == UnitSystem::Metric;
    if (!ConvertFields({txtToolDia_, txtTNR_, lblPeakHeight_, txtStepover_},
                       toMetric ? kMmPerInch : kInchPerMm))
        return false;
    const std::string ra = S(lblSurfFin_->text());
    if (!ra.empty()) {
        const double value = ParseEntryText(Env(), ra);
        lblSurfFin_->setText(
            toMetric ? Q(FormatDecimals(DoubleToText15(value * kMicrometrePerMicroinch), 2))
                     : Q(FormatDecimals(DoubleToText15(value / kMicrometrePerMicroinch), 0)));
    }
    return true;
}

void frmBallnoseV74::PaintBallNose(QPainter& p, const QSizeF& size) {
    using namespace drawing;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawing::PaperFrame(p, size);
    const double w = size.width(), h = size.height();
    const double r = w * 0.16, f = r * 1.35;
    const double baseY = h * 0.72, cx = w * 0.42;
    const double x0 = 8, x1 = w - 8;
    const QPainterPath profile = ScallopProfile(x0, x1, baseY, r, f, cx);
    PaintWorkpiece(p, profile, x0, x1, h - 8);

    // The cutter in its last pass: a shank and its ball end, and the next pass dashed.
    const QPointF ball(cx, baseY - r);
    QPainterPath shank, end;
    shank.addRect(QRectF(cx - r, 12, 2 * r, ball.y() - 12));
    end.addEllipse(ball, r, r);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(180, 200, 225));
    p.drawPath(shank.united(end));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawEllipse(QPointF(cx + f, ball.y()), r, r);
    CentreLine(p, QPointF(cx, 6), QPointF(cx, baseY + 6));
    CentreLine(p, QPointF(cx + f, ball.y() - r - 6), QPointF(cx + f, baseY + 6));
    // The ball's radius.
    p.setPen(QPen(kInk, 1));
    const QPointF rim(ball.x() - r * 0.71, ball.y() + r * 0.71);
    p.drawLine(ball, rim);
    ArrowHead(p, rim, rim - ball, kInk);
    CentredText(p, QPointF(ball.x() - r * 0.5, ball.y() + r * 0.1), "r", 11, kInk, true, true);
    CentredText(p, QPointF(cx, 24), tr("D = 2r"), 10, kInk, true);

    // The stepover and the peak height between two passes.
    const double stepY = baseY + 14;
    DimensionLine(p, QPointF(cx, stepY), QPointF(cx + f, stepY));
    CentredText(p, QPointF(cx + f / 2, stepY + 10), tr("Stepover"), 10, kDimension, true);
    const double cuspX = cx + f / 2;
    const double cuspY = baseY - (r - std::sqrt(r * r - f * f / 4));
    const double hX = std::min(cx + f + r + 6, w - 14);
    ExtensionLine(p, QPointF(cuspX, cuspY), QPointF(hX + 4, cuspY));
    ExtensionLine(p, QPointF(cx + f, baseY), QPointF(hX + 4, baseY));
    DimensionLine(p, QPointF(hX, cuspY - 12), QPointF(hX, cuspY));
    DimensionLine(p, QPointF(hX, baseY + 12), QPointF(hX, baseY));
    CentredText(p, QPointF(hX - 6, cuspY - 20), tr("Peak"), 10, kDimension, true);
    p.restore();
}

void frmBallnoseV74::PaintLatheTool(QPainter& p, const QSizeF& size) {
    using namespace drawing;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawing::PaperFrame(p, size);
    const double w = size.width(), h = size.height();
    const double r = w * 0.12, f = r * 1.5;
    const double baseY = h * 0.62, cx = w * 0.46;
    const double x0 = 8, x1 = w - 8;
    const QPainterPath profile = ScallopProfile(x0, x1, baseY, r, f, cx);
    PaintWorkpiece(p, profile, x0, x1, h - 26);
    CentredText(p, QPointF(w / 2, h - 14), tr("Turned surface"), 10, kInk);

    // The tool: an insert whose rounded nose of radius r cuts the last groove.
    const QPointF nose(cx, baseY - r);
    const double spread = 0.5;  // half angle of the insert's point, radians
    QPainterPath tool;
    const QPointF leftEdge(nose.x() - r * std::cos(spread), nose.y() + r * std::sin(spread));
    const QPointF rightEdge(nose.x() + r * std::cos(spread), nose.y() + r * std::sin(spread));
    tool.moveTo(leftEdge);
    tool.arcTo(QRectF(nose.x() - r, nose.y() - r, 2 * r, 2 * r), 180 + spread * 180 / kPi,
               180 - 2 * spread * 180 / kPi);
    tool.lineTo(rightEdge.x() + 60 * std::sin(0.9), rightEdge.y() - 60 * std::cos(0.9) - 40);
    tool.lineTo(leftEdge.x() - 20, 10);
    tool.closeSubpath();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(180, 200, 225));
    p.drawPath(tool);
    CentreLine(p, QPointF(cx, nose.y() - 6), QPointF(cx, baseY + 6));
    p.setPen(QPen(kInk, 1));
    const QPointF rim(nose.x() + r * 0.7, nose.y() + r * 0.71);
    p.drawLine(nose, rim);
    ArrowHead(p, rim, rim - nose, kInk);
    CentredText(p, QPointF(nose.x() + r * 0.2, nose.y() + r * 0.05), "r", 11, kInk, true, true);

    // The feed per revolution and the profile depth.
    const double feedY = baseY + 14;
    DimensionLine(p, QPointF(cx - f, feedY), QPointF(cx, feedY));
    CentredText(p, QPointF(cx - f / 2, feedY + 10), tr("Feed/rev"), 10, kDimension, true);
    const double cuspX = cx - f / 2;
    const double cuspY = baseY - (r - std::sqrt(r * r - f * f / 4));
    const double hX = cx - f - r - 8;
    ExtensionLine(p, QPointF(cuspX, cuspY), QPointF(hX - 4, cuspY));
    ExtensionLine(p, QPointF(cx - f, baseY), QPointF(hX - 4, baseY));
    DimensionLine(p, QPointF(hX, cuspY - 12), QPointF(hX, cuspY));
    DimensionLine(p, QPointF(hX, baseY + 12), QPointF(hX, baseY));
    CentredText(p, QPointF(hX, cuspY - 20), tr("Peak"), 10, kDimension, true);
    // Feed direction.
    p.setPen(QPen(kDimension, 1.2));
    p.drawLine(QPointF(w - 60, 20), QPointF(w - 20, 20));
    ArrowHead(p, QPointF(w - 60, 20), QPointF(-1, 0), kDimension);
    CentredText(p, QPointF(w - 40, 32), tr("feed"), 10, kDimension);
    p.restore();
}

}  // namespace calc
