#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <cmath>

#include "HoleDrawing.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "holes/HoleScreens.h"

namespace calc {

namespace {

const QString kPrintBreak = QStringLiteral("\n\r");
const QColor kChartInk(30, 70, 110);
const QColor kFirstHoleInk(200, 30, 30);

}  // namespace

frmBoltCircleV74::frmBoltCircleV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmBoltCircleV74", tr("Bolt Circle"), tr("Bolt Circle"), 11410, 7570,
                  "html\\BoltCircle.htm", ""},
                 parent),
      numberFont_(HoleNumberFont()) {
    // The reference chart's captions.
    QFont bold = font();
    bold.setBold(true);
    AddLabel("lblRefChart", tr("Reference Chart"), 1545, 720, 2100, 255)->setFont(bold);
    AddLabel("lblBCdia", tr("Bolt Circle Diameter", "the short dimension of the chart"), 1320, 6240,
             1800, 255)
        ->setAlignment(Qt::AlignCenter);

    // The entries.
    struct Row {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* text;
        const char* tip;
    };
    const Row rows[] = {
        {&diameter_, "txtBoltCircleDiameter", QT_TR_NOOP("Bolt Circle Diameter"), "0",
         QT_TR_NOOP("Common fraction allowed if under 1.0")},
        {&holes_, "txtNumHoles", QT_TR_NOOP("Number of Holes"), "3", nullptr},
        {&startAngle_, "txtStartAngle", QT_TR_NOOP("Angle of first hole, zero is 3 o'clock"), "0",
         QT_TR_NOOP("Enter the angle of the first hole from the X axis (3 o'clock). Positive is "
                    "CCW, negative is CW.")},
        {&centreX_, "txtXcenter", QT_TR_NOOP("Center of Circle: XC"), "0",
         QT_TR_NOOP("Enter the X distance from absolute zero.")},
        {&centreY_, "txtYcenter", QT_TR_NOOP("Center of Circle: YC"), "0",
         QT_TR_NOOP("Enter the Y distance from absolute zero.")},
    };
    int y = 480;
    for (const Row& row : rows) {
        AddCaption(QString("lbl") + (row.name + 3), tr(row.caption), 4560, y, 3180);
        *row.box = AddValueBox(row.name, row.text, 7800, y, 1095);
        if (row.tip) (*row.box)->setToolTip(tr(row.tip));
        y += 390;
    }
    AddCaption("lblDecPlaces", tr("Decimal Places in Answer:"), 4560, y, 3180);
    AddDecimalPlacesBox(7800, y);
    insertLine_ =
        AddCheckBox("chkInsertLine", tr("Insert text between coordinates:"), 4560, 2940, 4335, 285);
    insertText_ = AddEntryBox("txtInsertLine", 4560, 3270, 4335, 285);

    CheckOnLeave(diameter_, [this] {
        return ValidateEntryBox(Env(), S(diameter_->text()), TextBoltCircleDiameter(Env()));
    });
    CheckOnLeave(holes_, [this] {
        return ValidateEntryBox(Env(), S(holes_->text()), TextNumberOfHoles(Env()));
    });
    const auto numberCheck = [this](QLineEdit* box, std::string (*name)(const CalcEnv&)) {
        CheckOnLeave(box, [this, box, name] {
            return box->text().isEmpty() || CheckEntryIsNumber(Env(), S(box->text()), name(Env()));
        });
    };
    numberCheck(startAngle_, &TextStartAngle);
    numberCheck(centreX_, &TextCenterX);
    numberCheck(centreY_, &TextCenterY);

    AddLabel("lblAnswer", tr("Calculated Coordinates"), 9060, 420, 2250, 255);
    answer_ = MakeAnswerBox(this, TwRect(9060, 690, 2250, 4080));

    AddCommandRow(
        {.xTw = 4560, .yTw = 4920, .stepTw = 1335},
        {Command::Calculate, Command::Copy, Command::Print, Command::InchToMm, Command::MmToInch});
    AddCommandRow({.xTw = 4560, .yTw = 6240, .stepTw = 1335},
                  {Command::Reset, Command::AngleConversion, RowPlace::Calculator(), Command::Help,
                   Command::Close});
}

BoltCircleEntries frmBoltCircleV74::Entries() const {
    return {S(holes_->text()), S(diameter_->text()), S(startAngle_->text()), S(centreX_->text()),
            S(centreY_->text())};
}

void frmBoltCircleV74::FillEmptyEntries() {
    for (QLineEdit* box : {startAngle_, centreX_, centreY_})
        if (box->text().isEmpty()) box->setText("0.0");
}

void frmBoltCircleV74::Calculate() {
    answer_->clear();
    if (!ValidateBoltCircleEntries(Env(), Entries())) {
        ClearChart();
        return;
    }
    FillEmptyEntries();
    std::optional<BoltCirclePattern> pattern = BuildBoltCircle(Env(), Entries());
    if (!pattern) {
        ClearChart();
        return;
    }
    DrawCircles(std::move(*pattern));
    PrintCoords();
}

void frmBoltCircleV74::ConvertLengths(bool toMillimetres) {
    if (!ValidateBoltCircleEntries(Env(), Entries())) return;
    FillEmptyEntries();
    std::optional<BoltCircleConversion> converted =
        ConvertCheckedBoltCircle(Env(), Entries(), toMillimetres, DecimalPlaces());
    if (!converted) return;
    DrawCircles(std::move(converted->pattern));
    PrintCoords();
    diameter_->setText(Q(converted->diameter));
    centreX_->setText(Q(converted->centreX));
    centreY_->setText(Q(converted->centreY));
}

void frmBoltCircleV74::DrawCircles(BoltCirclePattern pattern) {
    chart_ = BoltCircleChart(pattern, HoleNumberMetrics(numberFont_));
    pattern_ = std::move(pattern);
    update();
}

void frmBoltCircleV74::ClearChart() {
    pattern_.reset();
    chart_ = {};
    update();
}

void frmBoltCircleV74::PrintCoords() {
    if (!pattern_) return;
    BusyPointer busy;
    const std::optional<std::string> insert =
        insertLine_->isChecked() ? std::optional<std::string>(S(insertText_->text()))
                                 : std::nullopt;
    ShowCoordinateList(answer_, CoordinateLines(pattern_->holes, pattern_->centreX,
                                                pattern_->centreY, DecimalPlaces(), insert));
}

void frmBoltCircleV74::Reset() {
    holes_->setText("3");
    for (QLineEdit* box : {diameter_, centreX_, centreY_, startAngle_}) box->setText("0");
    answer_->clear();
    // The chart shows the list the answer was written from; with the answer gone, so is
    // the chart.
    ClearChart();
}

void frmBoltCircleV74::CopyToClipboard() {
    CopyAnswerToClipboard(Env(), answer_);
}

QString frmBoltCircleV74::PrintText() const {
    QString text = kPrintBreak.repeated(9);
    text += Q(TextCentreOfCircle(Env())) + ": X" + centreX_->text() + ",  Y" + centreY_->text() +
            kPrintBreak;
    text += Q(TextNumberOfHoles(Env())) + ": " + holes_->text() + kPrintBreak;
    text += Q(TextBoltCircleDiameterPadded(Env())) + ": " + diameter_->text() + kPrintBreak;
    text += Q(TextStartAngle(Env())) + ": " + startAngle_->text() + Q(TextDegreesSuffix(Env())) +
            kPrintBreak;
    text += AnswerWithCrLf(answer_);
    return text;
}

QSize frmBoltCircleV74::PrintPictureSize() {
    return {230, 190};
}

PrintPicture frmBoltCircleV74::PrintDiagram() const {
    return {PrintPictureSize(), &frmBoltCircleV74::PaintPrintPicture};
}

void frmBoltCircleV74::PaintPrintPicture(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(105, 98);
    const double r = 62;
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);
    // Axes, with 0° at 3 o'clock.
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(QPointF(c.x() - r - 18, c.y()), QPointF(c.x() + r + 22, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r - 18), QPointF(c.x(), c.y() + r + 18));
    p.setPen(QPen(Qt::black, 1.2));
    p.drawEllipse(c, r, r);
    // Four holes, the first at 45°.
    p.setPen(QPen(Qt::black, 1.5));
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + 90 * i) * kPi / 180;
        p.drawEllipse(QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a)), 7, 7);
    }
    p.drawText(QRectF(c.x() + r + 19, c.y() - 15, 30, 14), Qt::AlignLeft, QString::fromUtf8("0°"));
    p.drawText(QRectF(c.x() + 4, c.y() - r - 22, 20, 14), Qt::AlignLeft, "Y");
    p.drawText(QRectF(c.x() + r + 24, c.y() + 1, 20, 14), Qt::AlignLeft, "X");
    // Positive angles turn up (counter-clockwise), negative ones down (clockwise).
    const auto arc = [&](double sweep, const QString& label, double labelY) {
        const QRectF box(c.x() - r - 14, c.y() - r - 14, 2 * r + 28, 2 * r + 28);
        QPainterPath path;
        path.arcMoveTo(box, 0);
        path.arcTo(box, 0, sweep);
        p.setPen(QPen(Qt::black, 1));
        p.drawPath(path);
        const double end = sweep * kPi / 180;
        const QPointF tip(c.x() + (r + 14) * std::cos(end), c.y() - (r + 14) * std::sin(end));
        const double dir = sweep > 0 ? 1 : -1;
        // An arrow head along the arc's direction at its end.
        const QPointF along(-std::sin(end) * dir, -std::cos(end) * dir);
        const QPointF side(along.y(), -along.x());
        p.drawLine(tip, tip - along * 6 + side * 3.5);
        p.drawLine(tip, tip - along * 6 - side * 3.5);
        p.drawText(QRectF(c.x() + r + 4, labelY, 60, 14), Qt::AlignLeft, label);
    };
    arc(30, tr("+ CCW"), c.y() - r + 2);
    arc(-30, tr("- CW"), c.y() + r - 14);
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 230, 16), Qt::AlignCenter, tr("Bolt Circles"));
    p.restore();
}

void frmBoltCircleV74::PaintBackground(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kChartInk, 1));
    p.drawEllipse(QRectF(Px(kBoltChartLeft, kBoltChartTop),
                         Px(kBoltChartLeft + kBoltChartSize, kBoltChartTop + kBoltChartSize)));
    // Axes Line1 and Ycoord.
    p.drawLine(Px(120, 3315), Px(4320, 3315));
    p.drawLine(Px(2235, 1080), Px(2235, 5400));
    // The diameter dimension.
    p.drawLine(Px(360, 3000), Px(360, 6600));
    p.drawLine(Px(4080, 3360), Px(4080, 6600));
    p.drawLine(Px(360, 6360), Px(1320, 6360));
    p.drawLine(Px(3120, 6360), Px(4080, 6360));
    DrawArrowHead(p, "left", QPointF(360, 6360));
    DrawArrowHead(p, "right", QPointF(4080, 6360));
    // The captions inside the circle go under the holes, which may fall on them.
    const QString captions[] = {tr("Start angle, positive"), tr("Start angle, negative"),
                                tr("XC,YC")};
    p.setPen(Qt::black);
    p.setFont(font());
    for (int i = 0; i < 3; ++i) {
        const ChartRect& r = kBoltChartCaptions[i];
        p.drawText(QRectF(Px(r.left, r.top), Px(r.Right(), r.Bottom())),
                   Qt::AlignLeft | Qt::AlignVCenter, captions[i]);
    }
    // The line from the centre to hole 1 in colour, so it shows over the X axis too.
    PaintHoleChart(p, chart_, numberFont_, kFirstHoleInk, Setup().background);
}

void RegisterHoleScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen("picBoltCircle", [](CalcEnv& env, QWidget* parent) {
        return new frmBoltCircleV74(env, parent);
    });
    menu.RegisterScreen(
        "picGrid", [](CalcEnv& env, QWidget* parent) { return new frmGridV74(env, parent); },
        ShowMode::Modeless);
}

}  // namespace calc
