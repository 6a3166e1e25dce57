#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <cmath>

#include "HoleDrawing.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "holes/HoleScreens.h"

namespace calc {

namespace {

const QString kPrintBreak = QStringLiteral("\n\r");
const QColor kChartInk(30, 70, 110);

}  // namespace

frmGridV74::frmGridV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmGridV74", tr("Rectangular Grid"), tr("Grid Pattern"), 10330, 8050,
                  "html\\Grid.htm", ""},
                 parent),
      numberFont_(HoleNumberFont()) {
    // The reference chart: the axis symbol and its captions, the start caption.
    QFont bold = font();
    bold.setBold(true);
    AddLabel("lblRefDiagram", tr("Reference Chart"), 1245, 360, 1800, 285)->setFont(bold);
    AddLabel("Label11", "Y", 120, 5760, 200, 255);
    AddLabel("Label10", "X", 960, 6720, 200, 255);
    startLabel_ = AddLabel("lblXY", tr("Start Point"), static_cast<int>(kStartLabelLeft), 6720,
                           static_cast<int>(kStartLabelWidth), static_cast<int>(kStartLabelHeight));
    startLabel_->setWordWrap(true);
    startLabel_->setAlignment(Qt::AlignCenter);

    struct Row {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* text;
    };
    const Row rows[] = {
        {&startX_, "txtXstart", QT_TR_NOOP("X Start Position:"), "0"},
        {&holesX_, "txtNumHoleX", QT_TR_NOOP("Number of Holes on the X Axis:"), "3"},
        {&stepX_, "txtXincrement", QT_TR_NOOP("X step distance:"), "1"},
        {&startY_, "txtYstart", QT_TR_NOOP("Y start Position:"), "0"},
        {&holesY_, "txtNumHoleY", QT_TR_NOOP("Number of Holes on the Y Axis"), "3"},
        {&stepY_, "txtYincrement", QT_TR_NOOP("Y step distance:"), "1"},
    };
    int y = 480;
    for (const Row& row : rows) {
        AddCaption(QString("lbl") + (row.name + 3), tr(row.caption), 3780, y, 2880);
        *row.box = AddValueBox(row.name, row.text, 6720, y, 1095);
        y += 360;
    }
    auto* hint =
        AddLabel("lblHint", tr("Use positive or negative step distance to decide direction."), 3780,
                 y, 4035, 435);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFont(bold);
    y += 480;
    AddCaption("lblDecPlaces", tr("Decimal Places:"), 3780, y, 2880);
    AddDecimalPlacesBox(6720, y);
    y += 360;
    insertLine_ = AddCheckBox("chkInsertLine", tr("Insert line of text between coordinates:"), 3780,
                              y, 4035, 285);
    insertText_ = AddEntryBox("txtInsertLine", 3780, y + 300, 4035, 285);

    CheckOnLeave(holesX_, [this] { return CheckCount(holesX_, stepX_, TextHolesOnX(Env())); });
    CheckOnLeave(holesY_, [this] { return CheckCount(holesY_, stepY_, TextHolesOnY(Env())); });
    CheckOnLeave(stepX_, [this] { return CheckNumber(stepX_, TextStepX(Env())); });
    CheckOnLeave(stepY_, [this] { return CheckNumber(stepY_, TextStepY(Env())); });
    CheckOnLeave(startX_, [this] { return CheckNumber(startX_, TextStartX(Env())); });
    CheckOnLeave(startY_, [this] { return CheckNumber(startY_, TextStartY(Env())); });

    answer_ = MakeAnswerBox(this, TwRect(7980, 480, 2250, 7440));

    const CommandRow row{.xTw = 3900, .yTw = 4140, .stepTw = 1380};
    AddCommandRow(row, {Command::Calculate, Command::Copy, Command::Print});
    AddCommandRow({row.xTw, 5400, row.stepTw},
                  {Command::InchToMm, Command::MmToInch, Command::Reset});
    AddCommandRow({row.xTw, 6660, row.stepTw},
                  {RowPlace::Calculator(), Command::Help, Command::Close});
}

bool frmGridV74::CheckCount(QLineEdit* box, QLineEdit* stepBox, const std::string& name) {
    const std::string text = S(box->text());
    if (!ValidateEntryBox(Env(), text, name)) {
        box->setText("0");
        return false;
    }
    if (ParseNumberText(text) == 1) stepBox->setText("1");
    return true;
}

bool frmGridV74::CheckNumber(QLineEdit* box, const std::string& name) {
    if (box->text().isEmpty() || CheckEntryIsNumber(Env(), S(box->text()), name)) return true;
    box->setText("0");
    return false;
}

GridEntries frmGridV74::Entries() const {
    return {S(startX_->text()), S(holesX_->text()), S(stepX_->text()),
            S(startY_->text()), S(holesY_->text()), S(stepY_->text())};
}

void frmGridV74::FillEmptyEntries() {
    for (QLineEdit* box : {startX_, startY_})
        if (box->text().isEmpty()) box->setText("0.0");
}

void frmGridV74::cmdCalculateClickSub() {
    if (!ValidateGridEntries(Env(), Entries())) return;
    FillEmptyEntries();
    std::optional<GridPattern> pattern = BuildGrid(Env(), Entries());
    if (!pattern) return;
    DrawCircles(std::move(*pattern));
    PrintCoords();
}

void frmGridV74::ConvertLengths(bool toMillimetres) {
    if (!ValidateGridEntries(Env(), Entries())) return;
    FillEmptyEntries();
    std::optional<GridConversion> converted =
        ConvertCheckedGrid(Env(), Entries(), toMillimetres, DecimalPlaces());
    if (!converted) return;
    DrawCircles(std::move(converted->pattern));
    PrintCoords();
    startX_->setText(Q(converted->startX));
    startY_->setText(Q(converted->startY));
    stepX_->setText(Q(converted->stepX));
    stepY_->setText(Q(converted->stepY));
}

void frmGridV74::DrawCircles(GridPattern pattern) {
    chart_ = GridChartOf(pattern, HoleNumberMetrics(numberFont_));
    pattern_ = std::move(pattern);
    const ChartRect& label = chart_.startLabel;
    startLabel_->move(Tw(static_cast<int>(std::lround(label.left))),
                      Tw(static_cast<int>(std::lround(label.top))));
    update();
}

void frmGridV74::PrintCoords() {
    if (!pattern_) return;
    BusyPointer busy;
    const std::optional<std::string> insert =
        insertLine_->isChecked() ? std::optional<std::string>(S(insertText_->text()))
                                 : std::nullopt;
    ShowCoordinateList(answer_, CoordinateLines(pattern_->holes, pattern_->startX, pattern_->startY,
                                                DecimalPlaces(), insert));
}

void frmGridV74::Reset() {
    holesX_->setText("3");
    holesY_->setText("3");
    stepX_->setText("1");
    stepY_->setText("1");
    startX_->setText("0");
    startY_->setText("0");
    answer_->clear();
}

void frmGridV74::CopyToClipboard() {
    CopyAnswerToClipboard(Env(), answer_);
}

QString frmGridV74::PrintText() const {
    const QString twoBreaks = kPrintBreak + kPrintBreak;
    QString text = Q(TextGridPattern(Env())) + twoBreaks;
    text += Q(TextHolesOnX(Env())) + ": " + holesX_->text() + kPrintBreak;
    text += Q(TextStepX(Env())) + ": " + stepX_->text() + twoBreaks;
    text += Q(TextHolesOnY(Env())) + ": " + holesY_->text() + kPrintBreak;
    text += Q(TextStepY(Env())) + ": " + stepY_->text() + twoBreaks;
    text += AnswerWithCrLf(answer_);
    return text;
}

void frmGridV74::PaintBackground(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kChartInk, 1));
    const ChartRect& r = kGridRect;
    p.drawRect(QRectF(Px(r.left, r.top), Px(r.Right(), r.Bottom())));
    // The axis symbol LineY and LineX.
    p.drawLine(Px(360, 5640), Px(360, 6600));
    p.drawLine(Px(960, 6600), Px(360, 6600));
    PaintHoleChart(p, chart_, numberFont_, Qt::black, Setup().background, chart_.markersShown);
}

}  // namespace calc
