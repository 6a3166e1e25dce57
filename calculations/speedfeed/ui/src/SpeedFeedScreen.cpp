#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <cmath>

#include "SpeedFeedPictures.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace calc {
namespace {

constexpr const char* kUnitSection = "InchMetric";
constexpr const char* kUnitKey = "SpeedFeed";
constexpr const char* kShowDrilling =
    QT_TRANSLATE_NOOP("calc::frmSpeedFeedV74", "Show Drill Point/Countersink");
constexpr const char* kHideDrilling =
    QT_TRANSLATE_NOOP("calc::frmSpeedFeedV74", "Hide Drill Point/Countersink");
constexpr const char* kFractionTip =
    QT_TRANSLATE_NOOP("calc::frmSpeedFeedV74", "Common fractions under 1 may be entered here.");
constexpr const char* kSurfaceFinishMissing =
    QT_TRANSLATE_NOOP("calc::frmSpeedFeedV74", "The surface finish screen is not available yet.");

// The drill point diagram and its controls: left, top and size in twips.
constexpr int kPictureX = 4980, kPictureY = 420, kPictureW = 4030, kPictureH = 4700;

// The menu picture the surface finish screen is registered under.
constexpr const char* kSurfaceFinishPicture = "picSurfFin";

void SetText(QLineEdit* box, const std::string& text) {
    const QString value = Q(text);
    if (box->text() != value) box->setText(value);
}

// The drill charts' names, for lupdate (the data file has them in English).
[[maybe_unused]] const char* const kChartNames[] = {
    QT_TRANSLATE_NOOP("calc::DrillCharts", "Decimal equivalents of Inch drills (inch)"),
    QT_TRANSLATE_NOOP("calc::DrillCharts", "Unified tapping drills (inch)"),
    QT_TRANSLATE_NOOP("calc::DrillCharts", "Taper pipe tapping drills (inch)"),
    QT_TRANSLATE_NOOP("calc::DrillCharts", "ISO Metric tapping drills (MM)"),
};

// A chart row in the language in force ("#0-80UNF Tap-------Drill 3/64"): its words
// translated, and the dashes between its two columns adjusted so that the second column
// still starts where it did in the fixed-width font.
QString DrillRowText(const std::string& row) {
    const auto word = [](const QString& text) {
        static const QRegularExpression words(QStringLiteral("\\b(RollTap|Tap|Drill|Decimal)\\b"));
        QString out;
        qsizetype at = 0;
        for (auto it = words.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out += text.mid(at, m.capturedStart() - at);
            const QString w = m.captured(1);
            out += w == "RollTap" ? QCoreApplication::translate("calc::DrillCharts", "RollTap")
                   : w == "Tap"   ? QCoreApplication::translate("calc::DrillCharts", "Tap")
                   : w == "Drill" ? QCoreApplication::translate("calc::DrillCharts", "Drill")
                                  : QCoreApplication::translate("calc::DrillCharts", "Decimal");
            at = m.capturedEnd();
        }
        return out + text.mid(at);
    };
    if (row == kSelectDrillPrompt)
        return QCoreApplication::translate("calc::DrillCharts", "Select a Drill");
    const QString text = Q(row);
    static const QRegularExpression columns(QStringLiteral("^(.*?)(-{2,})(.*)$"));
    const QRegularExpressionMatch m = columns.match(text);
    if (!m.hasMatch()) return word(text);
    const QString first = word(m.captured(1));
    const qsizetype width = m.captured(1).size() + m.captured(2).size();
    return first + QString(std::max<qsizetype>(2, width - first.size()), '-') + word(m.captured(3));
}

}  // namespace

void frmSpeedFeedV74::SetSurfaceFinishMaker(ScreenMaker maker) {
    ScreenFactory factory;
    if (maker) factory = [maker = std::move(maker)](CalcEnv& env, QWidget*) { return maker(env); };
    SetRegisteredScreen(kSurfaceFinishPicture, std::move(factory));
}

frmSpeedFeedV74::frmSpeedFeedV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmSpeedFeedV74", tr("Machining Calculations"), tr("Machining Calculations"),
                  9130, 7090, "html\\SpeedsFeeds.htm", "SpeedFeed"},
                 parent) {
    // Colours, size, centring and the decimal places (read under "Speedfeed": the store
    // matches the key whatever its letter case).
    BuildControls();

    // The language is the user's choice (or the desktop's); opening a screen never
    // changes it.

    drillPoint2b_->setGeometry(drillPoint1b_->geometry());
    topPointLength_->hide();
    bottomPointLen_->hide();

    LoadDrillCharts();

    lblShowHide_->setText(tr(kHideDrilling));
    optFeedRev_->setChecked(true);
    optSSpeed_->setChecked(true);
    ApplyFeedMode();
    ApplySpeedMode();
    ShowHide(false);

    for (int i = 1; i <= 100; ++i) cboNumFlutes_->addItem(QString::number(i));
    cboNumFlutes_->setCurrentIndex(0);

    KeepUnitsUnder(
        {{kUnitSection, kUnitKey, OptionCaptions(), UnitSetting::Written::OnSwitch, true}});

    ToggleDrillingDisplay();
}

frmSpeedFeedV74::~frmSpeedFeedV74() = default;

void frmSpeedFeedV74::BuildControls() {
    BuildEntries();
    BuildDrillCharts();
    BuildDrilling();
    BuildCommands();
    BuildChecks();
}

// Left column: diameter, units, speeds, feeds and teeth.
void frmSpeedFeedV74::BuildEntries() {
    AddLabel("lblDia", tr("Diameter of Tool (Workpiece for Lathe)"), 120, 390, 3300, 420)
        ->setWordWrap(true);
    txtDia_ = AddValueBox("txtDia", "0", 3540, 450);
    txtDia_->setToolTip(tr(kFractionTip));

    QGroupBox* frame1 = AddOptionGroup("Frame1", 120, 900, 2000, 435);
    optInch_ = AddOption(frame1, "optInch", tr("Inch"), 120, 75, 860);
    optMetric_ = AddOption(frame1, "optMetric", tr("Metric"), 1000, 75, 960);
    ShowUnitsOn(optInch_, optMetric_);
    QLabel* places = AddLabel("lblDecPlaces", tr("Decimal Places in Answer"), 2160, 900, 1860, 435);
    places->setWordWrap(true);
    AddDecimalPlacesBox(4080, 975);

    QGroupBox* frame2 = AddOptionGroup("Frame2", 120, 1440, 3300, 780);
    optSSpeed_ = AddOption(frame2, "optSSpeed", tr("Surface speed: Feet/min"), 120, 75, 3120);
    optRPM_ = AddOption(frame2, "optRPM", tr("RPM"), 120, 420, 3120);
    txtSSpeed_ = AddValueBox("txtSSpeed", "0", 3540, 1515);
    txtRPM_ = AddValueBox("txtRPM", "0", 3540, 1860);

    QGroupBox* frame3 = AddOptionGroup("Frame3", 120, 2340, 3300, 1140);
    optFeedRev_ =
        AddOption(frame3, "optFeedRev", tr("Inches/Rev   (or thread pitch)"), 120, 75, 3120);
    optFeedFlute_ = AddOption(frame3, "optFeedFlute", tr("Inches/tooth"), 120, 420, 3120);
    optInchesPerMinute_ = AddOption(frame3, "optInchesPerMinute", tr("Inches/min"), 120, 765, 3120);
    txtFeedRev_ = AddValueBox("txtFeedRev", "0", 3540, 2415);
    txtFeedRev_->setToolTip(tr(kFractionTip));
    txtFeedFlute_ = AddValueBox("txtFeedFlute", "0", 3540, 2760);
    txtInchesPerMinute_ = AddValueBox("txtInchesPerMinute", "0", 3540, 3105);

    AddLabel("lblNumFlutes", tr("Number of Teeth  (Use 1 for Lathe or Tap)"), 120, 3570, 3300, 420)
        ->setWordWrap(true);
    cboNumFlutes_ = AddComboBox("cboNumFlutes", 3540, 3615, 1215);
    cboNumFlutes_->setEditable(true);
    cboNumFlutes_->setInsertPolicy(QComboBox::NoInsert);
    cboNumFlutes_->installEventFilter(this);
}

void frmSpeedFeedV74::BuildDrillCharts() {
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPointSize(8);
    AddLabel("lblDrillCharts", tr("Drill charts: pick a drill to fill the diameter"), 120, 4080,
             4635, 255);
    cboChartName_ = AddComboBox("cboChartName", 120, 4350, 4635, 330);
    cboChartName_->setFont(courier);
    cboDrillCharts_ = AddComboBox("cboDrillCharts", 120, 4770, 4635, 330);
    cboDrillCharts_->setFont(courier);
    cboDrillCharts_->setMaxVisibleItems(20);
}

// Right: the two pictures that share one place and the drill point controls.
void frmSpeedFeedV74::BuildDrilling() {
    drillPoint1b_ = AddPicture(new DrillPointPicture(this), "DrillPoint1b", kPictureX, kPictureY,
                               kPictureW, kPictureH);
    drillPoint2b_ = AddPicture(new CuttingPicture(this), "DrillPoint2b",
                               kPictureX + kPictureW + 600, kPictureY, kPictureW, kPictureH);

    using D = DrillDiagram;
    const QPointF o(Tw(kPictureX), Tw(kPictureY));
    auto at = [&o](double x, double y) { return o + QPointF(x, y); };
    using K = DimensionLine::Kind;
    const double c = D::CentreX();
    const double half = (D::kHoleRight - D::kHoleLeft) / 2;
    const double flank = std::atan2(half, D::kTipY - D::kFullDepthY) * 180 / M_PI;
    auto* line1 = new DimensionLine(this, "Line1", at(100, D::kSurfaceY), at(100, D::kFullDepthY),
                                    K::Arrows, kLineColour);
    auto* line2 = new DimensionLine(this, "Line2", at(94, D::kFullDepthY),
                                    at(D::kHoleLeft - 2, D::kFullDepthY), K::Plain, kLineColour);
    topPointLength_ =
        new DimensionLine(this, "TopPointLength", at(D::kHoleRight + 2, D::kFullDepthY),
                          at(228, D::kFullDepthY), K::Plain, kPointLengthColour);
    bottomPointLen_ = new DimensionLine(this, "BottomPointLen", at(c + 2, D::kTipY),
                                        at(228, D::kTipY), K::Plain, kPointLengthColour);
    auto* line3 = new DimensionLine(this, "Line3", at(222, D::kFullDepthY), at(222, D::kTipY),
                                    K::Arrows, kPointLengthColour);
    auto* line4 = new DimensionLine(this, "Line4", at(254, D::kSurfaceY), at(254, D::kTipY),
                                    K::Arrows, kTotalDepthColour);
    auto* line5 = new DimensionLine(this, "Line5", at(D::kBlockRight + 2, D::kSurfaceY),
                                    at(260, D::kSurfaceY), K::Plain, kTotalDepthColour);
    auto* line6 = new DimensionLine(this, "Line6", at(232, D::kTipY), at(260, D::kTipY), K::Plain,
                                    kTotalDepthColour);
    auto* line7 = new DimensionLine(this, "Line7", at(c, D::kTipY), QPointF(15, 90 - flank), K::Arc,
                                    kAngleColour, 2 * flank);
    auto* line8 = new DimensionLine(this, "Line8", at(D::kHoleLeft, 14), at(D::kHoleRight, 14),
                                    K::Arrows, kLineColour);
    auto* line9 = new DimensionLine(this, "Line9", at(D::kHoleLeft, 6),
                                    at(D::kHoleLeft, D::kSurfaceY - 2), K::Plain, kLineColour);
    auto* line10 = new DimensionLine(this, "Line10", at(D::kHoleRight, 6),
                                     at(D::kHoleRight, D::kSurfaceY - 2), K::Plain, kLineColour);

    txtDrlDepth_ = AddValueBox("txtDrlDepth", "0", kPictureX + 150, kPictureY + 1140);
    // Entry rows under the diagram, each in the colour of its dimension.
    auto row = [&](const char* label, const QString& caption, const char* box, int y,
                   const QColor& colour) {
        QLabel* l = AddLabel(label, caption, kPictureX + 300, y, 1650, 285);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        drillingControls_ << l;
        return AddValueBox(box, "0", kPictureX + 2070, y);
    };
    txtPointAngle_ =
        row("lblPtAng", tr("Point Angle"), "txtPointAngle", kPictureY + 3390, kAngleColour);
    txtPointAngle_->setText("118");
    txtDrlPoint_ =
        row("lblPtLen", tr("Point Length"), "txtDrlPoint", kPictureY + 3765, kPointLengthColour);
    txtTotalDepth_ = row("lblTotalDepth", tr("TotalDepth"), "txtTotalDepth", kPictureY + 4140,
                         kTotalDepthColour);
    drillingControls_ << txtDrlPoint_ << txtPointAngle_ << txtTotalDepth_ << txtDrlDepth_
                      << topPointLength_ << bottomPointLen_ << line1 << line2 << line3 << line4
                      << line5 << line6 << line7 << line8 << line9 << line10;

    lblShowHide_ = AddLabelCommand("lblShowHide", "", kPictureX, kPictureY + kPictureH + 60,
                                   kPictureW, 300, [this] { ToggleDrillingDisplay(); });
    QFont bold = lblShowHide_->font();
    bold.setBold(true);
    lblShowHide_->setFont(bold);
}

// Commands along the bottom.
void frmSpeedFeedV74::BuildCommands() {
    const QList<QRect> places =
        AddCommandRow({.xTw = 120, .yTw = 5700, .stepTw = 1125, .sizeTw = 1095},
                      {Command::Calculate, Command::Reset, RowPlace::Own(), RowPlace::Own(),
                       Command::Print, Command::Help, RowPlace::Calculator(), Command::Close});
    const QRect m = places[2], f = places[3];
    auto* materials =
        AddScreenCommand("lblMaterials", tr("MATERIAL LIST"), FaceDrawing::Blank, m.x(), m.y(),
                         m.width(), m.height(), [this] { OpenMaterials(); });
    new FaceOverlay(materials->Face(), PaintMaterialsFace);
    surfFin_ = AddScreenCommand("lblSurfFin", tr("Surface Finish"), FaceDrawing::Blank, f.x(),
                                f.y(), f.width(), f.height(), [this] { OpenSurfaceFinish(); });
    new FaceOverlay(surfFin_->Face(), PaintSurfaceFinishFace);
    if (!RegisteredScreen(kSurfaceFinishPicture)) {
        surfFin_->SetEnabled(false);
        surfFin_->Face()->setToolTip(tr(kSurfaceFinishMissing));
        surfFin_->Caption()->setToolTip(tr(kSurfaceFinishMissing));
    }
}

// Leaving a box: the check, then the rewrite; the modes follow their options.
void frmSpeedFeedV74::BuildChecks() {
    auto ruleR = [this](QLineEdit* box, bool keepEmpty = false) {
        box->setText(Q(ApplyEntryRule(Env(), S(box->text()), keepEmpty)));
    };
    CheckOnLeave(txtSSpeed_, [this, ruleR] {
        if (!ValidateEntryBox(Env(), S(txtSSpeed_->text()), TextSurfaceSpeed(Env()))) return false;
        ruleR(txtSSpeed_);
        return true;
    });
    CheckOnLeave(txtInchesPerMinute_, [this, ruleR] {
        if (!ValidateEntryBox(Env(), S(txtInchesPerMinute_->text()), TextFeedPerMinute(Env())))
            return false;
        ruleR(txtInchesPerMinute_);
        return true;
    });
    for (QLineEdit* box : {txtDia_, txtFeedRev_, txtRPM_, txtDrlPoint_}) {
        CheckOnLeave(box, [box, ruleR] {
            ruleR(box);
            return true;
        });
    }
    CheckOnLeave(txtFeedFlute_, [this, ruleR] {
        ruleR(txtFeedFlute_, true);
        return true;
    });
    CheckOnLeave(txtPointAngle_, [this, ruleR] {
        ruleR(txtPointAngle_);
        CheckPointAngle(Env(), S(txtPointAngle_->text()));
        return true;
    });

    for (QRadioButton* opt : {optSSpeed_, optRPM_}) {
        connect(opt, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ApplySpeedMode();
        });
    }
    for (QRadioButton* opt : {optFeedRev_, optFeedFlute_, optInchesPerMinute_}) {
        connect(opt, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ApplyFeedMode();
        });
    }
    connect(cboChartName_, &QComboBox::currentIndexChanged, this, &frmSpeedFeedV74::OnChartChosen);
    connect(cboDrillCharts_, &QComboBox::activated, this, &frmSpeedFeedV74::OnDrillPicked);
}

void frmSpeedFeedV74::LoadDrillCharts() {
    charts_ = std::make_unique<DrillChartBook>(ParseDrillCharts(DrillChartLines()));
    fillingCharts_ = true;
    cboChartName_->clear();
    for (const DrillChart& chart : charts_->Charts())
        cboChartName_->addItem(
            QCoreApplication::translate("calc::DrillCharts", chart.name.c_str()));
    fillingCharts_ = false;
    if (cboChartName_->count() == 0) {
        cboDrillCharts_->setEnabled(false);
        return;
    }
    {
        const QSignalBlocker block(cboChartName_);
        cboChartName_->setCurrentIndex(0);
    }
    OnChartChosen(0);
    charts_->CheckDrillUnit(Env(), *this);
}

void frmSpeedFeedV74::OnChartChosen(int position) {
    if (fillingCharts_ || !charts_) return;
    const ChartChoice choice = charts_->ChooseChart(position, Env(), *this);
    if (choice.shownPosition != cboChartName_->currentIndex()) {
        const QSignalBlocker block(cboChartName_);
        cboChartName_->setCurrentIndex(choice.shownPosition);
    }
    const QSignalBlocker block(cboDrillCharts_);
    cboDrillCharts_->clear();
    if (!choice.listEnabled) {
        cboDrillCharts_->setEnabled(false);
        return;
    }
    for (std::size_t i = 0; i < choice.rowTexts.size(); ++i) {
        if (i == 0) {
            cboDrillCharts_->addItem(DrillRowText(choice.rowTexts[i]));
        } else {
            cboDrillCharts_->addItem(DrillRowText(choice.rowTexts[i]), static_cast<int>(i));
        }
    }
    cboDrillCharts_->setCurrentIndex(0);
    cboDrillCharts_->setEnabled(true);
}

void frmSpeedFeedV74::OnDrillPicked(int index) {
    if (!charts_) return;
    const int position = cboDrillCharts_->itemData(index).toInt();
    if (const auto value = charts_->PickDrill(position, Env(), *this)) {
        txtDia_->setText(Q(*value));
        txtDia_->setFocus(Qt::OtherFocusReason);
    }
}

bool frmSpeedFeedV74::MetricSelected() const {
    return Metric();
}
void frmSpeedFeedV74::SwitchToMetric() {
    SwitchUnits(UnitSystem::Metric);
}
void frmSpeedFeedV74::SwitchToInch() {
    SwitchUnits(UnitSystem::Inch);
}
bool frmSpeedFeedV74::InchSelected() const {
    return !Metric();
}

void frmSpeedFeedV74::DisplayInchCaption() {
    optSSpeed_->setText(tr("Surface speed in Feet/Min"));
    optFeedFlute_->setText(tr("Inches per tooth"));
    optFeedRev_->setText(tr("Inches per Rev (or thread pitch)"));
    optInchesPerMinute_->setText(tr("Inches per Minute"));
    optRPM_->setText(tr("RPM"));
}

void frmSpeedFeedV74::DisplayMetricCaption() {
    optSSpeed_->setText(tr("Surface speed in M/Min"));
    optFeedFlute_->setText(tr("MM per tooth"));
    optFeedRev_->setText(tr("MM per Rev (or thread pitch)"));
    optInchesPerMinute_->setText(tr("MM per Minute"));
    optRPM_->setText(tr("RPM"));
}

// Only a change of unit converts (choosing the unit already selected does nothing), and
// the stored unit applied at load.
bool frmSpeedFeedV74::ConvertUnits(UnitSystem units) {
    SpeedFeedBoxes boxes = ReadBoxes();
    if (units == UnitSystem::Metric) {
        DisplayMetricCaption();
        ConvertBoxesToMetric(boxes, DecimalPlaces());
    } else {
        DisplayInchCaption();
        ConvertBoxesToInch(boxes, DecimalPlaces());
    }
    WriteBoxes(boxes);
    return true;
}

void frmSpeedFeedV74::ApplySpeedMode() {
    const bool surface = optSSpeed_->isChecked();
    SetBoxEditable(txtSSpeed_, surface);
    SetBoxEditable(txtRPM_, !surface);
}

void frmSpeedFeedV74::ApplyFeedMode() {
    SetBoxEditable(txtFeedRev_, optFeedRev_->isChecked());
    SetBoxEditable(txtFeedFlute_, optFeedFlute_->isChecked());
    SetBoxEditable(txtInchesPerMinute_, optInchesPerMinute_->isChecked());
}

void frmSpeedFeedV74::ShowHide(bool visible) {
    for (QWidget* control : drillingControls_) SetControlVisible(control, visible);
}

bool frmSpeedFeedV74::DrillingShown() const {
    return !txtDrlPoint_->isHidden();
}

void frmSpeedFeedV74::ToggleDrillingDisplay() {
    if (lblShowHide_->text() == tr(kShowDrilling)) {
        drillPoint1b_->show();
        drillPoint2b_->hide();
        ShowHide(true);
        lblShowHide_->setText(tr(kHideDrilling));
    } else if (lblShowHide_->text() == tr(kHideDrilling)) {
        drillPoint1b_->hide();
        drillPoint2b_->show();
        ShowHide(false);
        lblShowHide_->setText(tr(kShowDrilling));
    }
}

bool frmSpeedFeedV74::CheckTeethOnLeave() {
    std::string text = S(cboNumFlutes_->currentText());
    const bool accepted = CheckNumberOfTeeth(Env(), text);
    if (Q(text) != cboNumFlutes_->currentText()) cboNumFlutes_->setEditText(Q(text));
    return accepted;
}

bool frmSpeedFeedV74::CheckPendingControl(QWidget* focused) {
    if (focused != cboNumFlutes_ && focused != cboNumFlutes_->lineEdit()) return true;
    if (teethRefocusPending_) return false;
    if (CheckTeethOnLeave()) return true;
    RefocusTeethLater();
    return false;
}

void frmSpeedFeedV74::RefocusTeethLater() {
    teethRefocusPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            teethRefocusPending_ = false;
            cboNumFlutes_->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

bool frmSpeedFeedV74::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboNumFlutes_ && event->type() == QEvent::FocusOut) {
        // Only the machinist moving on runs the check; focus put back by another box's
        // refusal does not, so two refusing boxes cannot pass the focus to and fro.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool movedOn = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                             reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (movedOn && !teethRefocusPending_ && isVisible() && !CheckTeethOnLeave())
            RefocusTeethLater();
    }
    return CalcScreen::eventFilter(watched, event);
}

SpeedFeedBoxes frmSpeedFeedV74::ReadBoxes() const {
    SpeedFeedBoxes b;
    b.dia = S(txtDia_->text());
    b.sSpeed = S(txtSSpeed_->text());
    b.rpm = S(txtRPM_->text());
    b.feedRev = S(txtFeedRev_->text());
    b.feedFlute = S(txtFeedFlute_->text());
    b.inchesPerMinute = S(txtInchesPerMinute_->text());
    b.numFlutes = S(cboNumFlutes_->currentText());
    b.pointAngle = S(txtPointAngle_->text());
    b.drlPoint = S(txtDrlPoint_->text());
    b.drlDepth = S(txtDrlDepth_->text());
    b.totalDepth = S(txtTotalDepth_->text());
    return b;
}

void frmSpeedFeedV74::WriteBoxes(const SpeedFeedBoxes& b) {
    SetText(txtDia_, b.dia);
    SetText(txtSSpeed_, b.sSpeed);
    SetText(txtRPM_, b.rpm);
    SetText(txtFeedRev_, b.feedRev);
    SetText(txtFeedFlute_, b.feedFlute);
    SetText(txtInchesPerMinute_, b.inchesPerMinute);
    SetText(txtPointAngle_, b.pointAngle);
    SetText(txtDrlPoint_, b.drlPoint);
    SetText(txtDrlDepth_, b.drlDepth);
    SetText(txtTotalDepth_, b.totalDepth);
}

SpeedFeedOptions frmSpeedFeedV74::Options() const {
    SpeedFeedOptions o;
    o.metric = Metric();
    o.speed = optRPM_->isChecked() ? SpeedMode::Rpm : SpeedMode::SurfaceSpeed;
    o.feed = optFeedFlute_->isChecked()         ? FeedMode::PerTooth
             : optInchesPerMinute_->isChecked() ? FeedMode::PerMinute
                                                : FeedMode::PerRev;
    o.drillingShown = DrillingShown();
    o.places = DecimalPlaces();
    return o;
}

void frmSpeedFeedV74::Calculate() {
    SpeedFeedBoxes boxes = ReadBoxes();
    CalculateSpeedFeed(Env(), boxes, Options());
    WriteBoxes(boxes);
}

void frmSpeedFeedV74::Reset() {
    for (QLineEdit* box : {txtDia_, txtDrlPoint_, txtFeedFlute_, txtFeedRev_, txtInchesPerMinute_,
                           txtSSpeed_, txtRPM_, txtTotalDepth_, txtDrlDepth_}) {
        box->setText("0");
    }
}

QString frmSpeedFeedV74::PrintText() const {
    return Q(BuildSpeedFeedPrintText(Env(), ReadBoxes(), !InchSelected()));
}

frmMaterialsV74* frmSpeedFeedV74::OpenMaterials() {
    if (materials_) {
        BringToFront(materials_);
        return materials_;
    }
    auto* screen = new frmMaterialsV74(Env(), this, this);
    materials_ = screen;
    ShowOwnedWindow(screen);
    return screen;
}

void frmSpeedFeedV74::OpenSurfaceFinish() {
    if (surfaceFinish_) {
        BringToFront(surfaceFinish_);
        return;
    }
    const ScreenFactory factory = RegisteredScreen(kSurfaceFinishPicture);
    if (!factory) return;
    QWidget* screen = factory(Env(), this);
    if (!screen) return;
    screen->setParent(this, screen->windowFlags() | Qt::Dialog);
    surfaceFinish_ = screen;
    ShowOwnedWindow(screen);
}

void RegisterSpeedFeedScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen("picSpeedFeed", [](CalcEnv& env, QWidget* parent) {
        return new frmSpeedFeedV74(env, parent);
    });
}

}  // namespace calc
