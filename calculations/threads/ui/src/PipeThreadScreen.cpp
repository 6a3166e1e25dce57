#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

#include "ThreadPictures.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "threads/PipeThread.h"
#include "threads/ThreadScreens.h"

namespace calc {

namespace {

constexpr const char* kNumeralsOnly = QT_TRANSLATE_NOOP("calc::frmNPTmeasureV74", "Numerals only");
constexpr const char* kNoNegatives = QT_TRANSLATE_NOOP(
    "calc::frmNPTmeasureV74", "Negative values are not allowed in thread measurements.");
constexpr const char* kPlacesRange =
    QT_TRANSLATE_NOOP("calc::frmNPTmeasureV74", "Decimal places must be between 1 and 5.");
const QString kLineBreak = QStringLiteral("\n\r");
const QSize kPrintPictureSize(300, 190);

double Read(const QLineEdit* box) {
    return LeadingNumber(S(box->text()));
}

}  // namespace

frmNPTmeasureV74::frmNPTmeasureV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(
          env,
          {"frmNPTmeasureV74", tr("NPT Thread Measure"), tr("Measure NPT Threads with Wires"), 5050,
           7930, "html\\NPTMeasure.htm", "", "DecimalPlaces", true, kMenuBack,
           /*closesHelp=*/false},
          parent) {
    BuildPipeSizes();
    BuildValues();
    AddCommandRow({.xTw = 90, .yTw = 6690, .stepTw = 975, .sizeTw = 945, .heightTw = 1065},
                  {{Command::Calculate, tr("CALCULATE MOW")},
                   Command::Reset,
                   Command::Print,
                   Command::Help,
                   Command::Close});
    BuildUnitsAndChecks();
}

// The pipe size list and the drawing beside it.
void frmNPTmeasureV74::BuildPipeSizes() {
    AddLabel("lblPipeSize", tr("Nominal Pipe Size:"), 120, 390, 1740, 255);
    QLabel* hint = AddLabel("lblClickToChoose", tr("click to choose"), 120, 630, 1740, 225);
    QFont hf = hint->font();
    hf.setItalic(true);
    hint->setFont(hf);
    lstPipeSize_ = new QListWidget(this);
    lstPipeSize_->setObjectName("lstPipeSize");
    lstPipeSize_->setGeometry(TwRect(120, 870, 1680, 1680));
    for (const PipeSize& size : PipeSizes()) lstPipeSize_->addItem(size.name);
    GuardControl(lstPipeSize_->viewport());
    connect(lstPipeSize_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChoosePipeSize(lstPipeSize_->row(item)); });
    connect(lstPipeSize_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ChoosePipeSize(lstPipeSize_->row(item)); });

    AddPicture(new ThreadPicture(ThreadPicture::Kind::Pipe, this), "Picture1", 1920, 390, 3015,
               2160);
    // The same drawing again, kept for the print.
    AddPicture(new ThreadPicture(ThreadPicture::Kind::Pipe, this), "Picture2", 1920, 390, 3015,
               2160)
        ->hide();
}

// The values down the screen: most are shown in fields over hidden boxes that keep them.
void frmNPTmeasureV74::BuildValues() {
    auto caption = [this](const char* name, const QString& text, int y, int h = 285) {
        QLabel* label = AddCaption(name, text, 120, y, 2760, h);
        label->setWordWrap(true);
        return label;
    };
    auto hidden = [this](const char* name, const char* text) {
        QLineEdit* box = AddValueBox(name, text, 0, 0, 600);
        box->hide();
        return box;
    };
    auto display = [this](const char* name, int y) {
        QLabel* field = AddResultField(name, 3000, y, 1320, 285);
        field->setText("0");
        return field;
    };
    constexpr int kValueX = 3000;

    QGroupBox* frame = AddFrame("fraTPIpitch", "", 120, 2640, 2760, 600);
    optTPI_ = AddOption("optTPI", tr("Threads per inch"), 90, 30, 2580, 270, frame);
    optPitch_ = AddOption("optPitch", tr("Pitch of thread"), 90, 300, 2580, 270, frame);
    optTPI_->setChecked(true);
    txtTPIpitch_ = hidden("txtTPIpitch", "0");
    lblTPIpitch_ = display("lblTPIpitch", 2800);

    lblTaper_ = caption("lblTaper", tr("Taper per Foot:"), 3330);
    txtTaperPerFoot_ = hidden("txtTaperPerFoot", ".75");
    lblTaperPerFoot_ = display("lblTaperPerFoot", 3330);
    lblTaperPerFoot_->setText(".75");
    caption("lblLargeDiaCaption", tr("PD at gauge point, E1:"), 3675);
    txtLargeDia_ = hidden("txtLargeDia", "0");
    lblLargeDia_ = display("lblLargeDia", 3675);
    caption("lblSmallDiaCaption", tr("PD at start of thd, E0:"), 4020);
    txtSmallDia_ = hidden("txtSmallDia", "0");
    lblSmallDia_ = display("lblSmallDia", 4020);
    caption("lblLengthCaption", tr("Gauge length, L1:"), 4365);
    txtLength_ = AddValueBox("txtLength", "0", kValueX, 4365, 1320);
    caption("lblAngleCaption", tr("Angle from centreline:"), 4710);
    txtAnglePerSide_ = hidden("txtAnglePerSide", kPipeAnglePerSideText);
    lblAnglePerSide_ = display("lblAnglePerSide", 4710);
    lblAnglePerSide_->setText(kPipeAnglePerSideText);
    caption("lblWireCaption", tr("Actual wire size:"), 5055);
    txtActualWire_ = AddValueBox("txtActualWire", "0", kValueX, 5055, 1320);
    caption("lblMOWCaption", tr("Measurement over wires at gauge point:"), 5385, 420);
    txtMOW_ = hidden("txtMOW", "0");
    lblMOW_ = display("lblMOW", 5445);

    AddLabelCommand("lblBWSNPT2", tr("Best Wire Size"), 120, 5895, 1440, 300,
                    [this] { BestWireSizeCalc(); });
    txtBWSNPT_ = hidden("txtBWSNPT", "0");
    lblBWSNPT_ = AddResultField("lblBWSNPT", 1620, 5895, 960, 300);
    lblBWSNPT_->setText("0");
    lblTurns_ = AddResultField("lblTurns", 120, 6240, 660, 285);
    lblTurns_->setText("0");
    AddLabel("lblTurnsText", tr("turns to gauge length."), 840, 6240, 2760, 285);

    AddCaption("lblDecPlaces", tr("Decimal places"), 2640, 5895, 1590, 300);
    // Its own box: the screen checks it with a rule of its own.
    txtDecPlaces_ = AddValueBox("txtDecPlaces", "4", 4290, 5895, 615, 300);
    txtDecPlaces_->setAlignment(Qt::AlignCenter);
}

void frmNPTmeasureV74::BuildUnitsAndChecks() {
    CommandButton* unit = AddCommand(Command::InchMetric, 4380, 2640, 585, 600, tr("INCH"));
    unit->Face()->setToolTip(tr("Switch between inch and millimetre"));
    ShowUnitsOn(unit->Caption(), ShortCaptions());

    CheckOnLeave(txtLength_, [this] { return LeaveLength(); });
    CheckOnLeave(txtActualWire_, [this] { return LeaveWire(); });
    CheckOnLeave(txtDecPlaces_, [this] { return LeaveDecimalPlaces(); });
    connect(optTPI_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ToTPI();
    });
    connect(optPitch_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ToPitch();
    });
}

int frmNPTmeasureV74::Places() const {
    return DecimalPlacesFromText(S(txtDecPlaces_->text()));
}

QString frmNPTmeasureV74::FormatPlaces(double value, int places) const {
    return Q(FormatResult(value, places));
}

void frmNPTmeasureV74::SetBoth(QLineEdit* box, QLabel* label, const QString& text) {
    box->setText(text);
    label->setText(text);
}

void frmNPTmeasureV74::Message(const char* text) {
    Env().messages.ShowMessage(S(tr(text)), kAppTitle, MsgIcon::None);
}

// ---- Pipe size -------------------------------------------------------------------------------

void frmNPTmeasureV74::ChoosePipeSize(int row) {
    const auto sizes = PipeSizes();
    if (row < 0 || row >= static_cast<int>(sizes.size())) return;
    const PipeSize& size = sizes[static_cast<std::size_t>(row)];
    ResetAll();
    const int places = Places();

    optTPI_->setChecked(true);
    txtTaperPerFoot_->setEnabled(false);
    SetBoth(txtTaperPerFoot_, lblTaperPerFoot_, kPipeTaperPerFootText);
    txtAnglePerSide_->setEnabled(false);
    SetBoth(txtAnglePerSide_, lblAnglePerSide_, kPipeAnglePerSideText);
    txtSmallDia_->setEnabled(false);
    txtTPIpitch_->setEnabled(false);
    if (Metric()) SwitchUnits(UnitSystem::Inch);  // the table is in inches

    SetBoth(txtTPIpitch_, lblTPIpitch_, size.tpi);
    SetBoth(txtSmallDia_, lblSmallDia_, size.e0);
    txtLength_->setText(size.l1);
    SetBoth(txtLargeDia_, lblLargeDia_, size.e1);
    tpi_ = ParseNumberText(size.tpi);
    BestWireSizeCalc();

    e1_ = ParseNumberText(size.e1);
    e0_ = ParseNumberText(size.e0);
    l1_ = ParseNumberText(size.l1);
    const std::optional<double> perFoot = PipeTaperPerFoot(e0_, e1_, l1_);
    if (perFoot) {
        ratio_ = 1 / *perFoot;
        SetBoth(txtTaperPerFoot_, lblTaperPerFoot_, FormatPlaces(*perFoot, 3));
        angle_ = PipeAnglePerSide(*perFoot);
        txtAnglePerSide_->setText(FormatPlaces(angle_, places));
    }
    txtLargeDia_->setEnabled(false);
    if (tpi_ > 0) lblTurns_->setText(FormatPlaces(*PipeTurns(l1_, 1 / tpi_), 2));
}

void frmNPTmeasureV74::BestWireSizeCalc() {
    if (!(tpi_ > 0)) {
        Message(QT_TR_NOOP("Please choose a thread size."));
        return;
    }
    const double wire = PipeBestWire(UnitFactor() / tpi_);
    txtBWSNPT_->setText(FormatPlaces(wire, Places()));
    lblBWSNPT_->setText(txtBWSNPT_->text());
}

// ---- Calculate MOW -----------------------------------------------------------------------------

void frmNPTmeasureV74::Calculate() {
    if (txtActualWire_->text().isEmpty()) txtActualWire_->setText("0");
    if (Read(txtActualWire_) == 0) {
        Message(QT_TR_NOOP("An actual wire size is required."));
        return;
    }
    if (!(tpi_ > 0)) return;  // no pipe size chosen (the box may show a rounded 0.)
    if (e1_ == 0 && e0_ == 0 && l1_ == 0) return;
    if (l1_ > 0 && e0_ >= 0) {
        e1_ = PipeGaugeDiameter(e0_, l1_);
        txtLargeDia_->setText(FormatPlaces(e1_ * UnitFactor(), Places()));
    }
    calcMOW();
}

void frmNPTmeasureV74::calcMOW() {
    const double wire = Read(txtActualWire_);
    if (!(wire > 0)) {
        Message(QT_TR_NOOP("An actual wire size is required"));
        return;
    }
    if (optTPI_->isChecked()) optPitch_->setChecked(true);
    if (!(e1_ > 0) || !(tpi_ > 0)) return;
    // The exact pitch, not the rounded text in the box.
    const double pitch = UnitFactor() / tpi_;
    const std::optional<double> m = PipeMeasurementOverWires(e1_ * UnitFactor(), pitch, wire);
    if (!m) {
        Message(QT_TR_NOOP("Impossible data are entered."));
        return;
    }
    txtMOW_->setText(FormatPlaces(*m, Places()));
    lblMOW_->setText(txtMOW_->text());
}

// ---- TPI and pitch ---------------------------------------------------------------------------

void frmNPTmeasureV74::ToTPI() {
    if (tpi_ > 0)
        txtTPIpitch_->setText(FormatPlaces(tpi_, 1));
    else
        txtTPIpitch_->setText("0");
    lblTPIpitch_->setText(txtTPIpitch_->text());
}

void frmNPTmeasureV74::ToPitch() {
    if (tpi_ > 0)
        txtTPIpitch_->setText(FormatPlaces(UnitFactor() / tpi_, Places()));
    else
        txtTPIpitch_->setText("0");
    lblTPIpitch_->setText(txtTPIpitch_->text());
}

// ---- Leaving boxes -----------------------------------------------------------------------------

bool frmNPTmeasureV74::LeaveLength() {
    const int places = Places();
    const std::string text = S(txtLength_->text());
    if (text.empty()) {
        txtLength_->setText("0");
        return true;
    }
    if (!IsPlainNumber(text)) {
        Message(kNumeralsOnly);
        txtLength_->setText("0");
        return false;
    }
    const double length = ParseNumberText(text);
    if (length < 0) {
        Message(kNoNegatives);
        txtLength_->setText("0");
        return false;
    }
    l1_ = length / UnitFactor();
    if (l1_ > 0 && e0_ > 0) {
        e1_ = PipeGaugeDiameter(e0_, l1_);
        SetBoth(txtLargeDia_, lblLargeDia_, FormatPlaces(e1_ * UnitFactor(), places));
        SetBoth(txtMOW_, lblMOW_, "0");
        if (tpi_ > 0) lblTurns_->setText(FormatPlaces(*PipeTurns(l1_, 1 / tpi_), 2));
    }
    return true;
}

bool frmNPTmeasureV74::LeaveWire() {
    const std::string text = S(txtActualWire_->text());
    if (text.empty()) {
        txtActualWire_->setText("0");
        return true;
    }
    if (IsPlainNumber(text) && ParseNumberText(text) < 0) {
        txtActualWire_->setText("0");
        Message(kNoNegatives);
        return false;
    }
    if (!IsPlainNumber(text)) {
        Message(kNumeralsOnly);
        txtActualWire_->setText("0");
        return false;
    }
    return true;
}

bool frmNPTmeasureV74::LeaveDecimalPlaces() {
    const std::string text = S(txtDecPlaces_->text());
    const bool number = text.empty() || IsPlainNumber(text);
    const int places = number ? DecimalPlacesFromText(text) : 0;
    if (places < 1) {
        Message(kPlacesRange);
        txtDecPlaces_->setText("2");
        return false;
    }
    if (places > 5) {
        Message(kPlacesRange);
        txtDecPlaces_->setText("5");
        return false;
    }
    txtDecPlaces_->setText(QString::number(places));
    return true;
}

// ---- Units -------------------------------------------------------------------------------------

bool frmNPTmeasureV74::ConvertUnits(UnitSystem units) {
    const int places = Places();
    auto convertBox = [&](QLineEdit* box, double factor) {
        const double value = Read(box);
        if (value > 0) box->setText(FormatPlaces(value * factor, places));
    };
    if (units == UnitSystem::Metric) {
        if (optTPI_->isChecked()) optPitch_->setChecked(true);
        if (Read(txtTaperPerFoot_) > 0) SetBoth(txtTaperPerFoot_, lblTaperPerFoot_, "1:16");
        // The chosen size converts from its exact values; typed values from their boxes.
        if (e1_ > 0) txtLargeDia_->setText(FormatPlaces(e1_ * 25.4, places));
        if (e0_ > 0) txtSmallDia_->setText(FormatPlaces(e0_ * 25.4, places));
        if (l1_ > 0) txtLength_->setText(FormatPlaces(l1_ * 25.4, places));
        convertBox(txtActualWire_, 25.4);
        convertBox(txtMOW_, 25.4);
        if (tpi_ > 0) txtTPIpitch_->setText(FormatPlaces(25.4 / tpi_, places));
        if (tpi_ > 0)
            txtBWSNPT_->setText(FormatPlaces(PipeBestWire(25.4 / tpi_), places));
        else
            convertBox(txtBWSNPT_, 25.4);
        // The labels show three places, of the exact values where the size gives them.
        auto label3 = [&](QLabel* label, QLineEdit* box, double exact) {
            label->setText(FormatPlaces(exact > 0 ? exact : Read(box), 3));
        };
        const double pitch = tpi_ > 0 ? 25.4 / tpi_ : 0;
        label3(lblLargeDia_, txtLargeDia_, e1_ * 25.4);
        label3(lblSmallDia_, txtSmallDia_, e0_ * 25.4);
        label3(lblMOW_, txtMOW_, 0);
        label3(lblTPIpitch_, txtTPIpitch_, pitch);
        label3(lblBWSNPT_, txtBWSNPT_, PipeBestWire(pitch));
        lblTaper_->setText(tr("Ratio:"));
    } else {
        if (optPitch_->isChecked()) {
            if (tpi_ > 0) txtTPIpitch_->setText(FormatPlaces(1 / tpi_, places));
            optTPI_->setChecked(true);
        }
        lblTaper_->setText(tr("Taper per foot:"));
        if (!txtTaperPerFoot_->text().isEmpty())
            SetBoth(txtTaperPerFoot_, lblTaperPerFoot_, kPipeTaperPerFootText);
        if (e1_ > 0) txtLargeDia_->setText(FormatPlaces(e1_, places));
        if (e0_ > 0) txtSmallDia_->setText(FormatPlaces(e0_, places));
        if (l1_ > 0) txtLength_->setText(FormatPlaces(l1_, places));
        convertBox(txtActualWire_, kInchPerMm);
        convertBox(txtMOW_, kInchPerMm);
        if (tpi_ > 0)
            txtBWSNPT_->setText(FormatPlaces(PipeBestWire(1 / tpi_), places));
        else
            convertBox(txtBWSNPT_, kInchPerMm);
        lblLargeDia_->setText(txtLargeDia_->text());
        lblSmallDia_->setText(txtSmallDia_->text());
        lblMOW_->setText(txtMOW_->text());
        lblBWSNPT_->setText(txtBWSNPT_->text());
    }
    return true;
}

void frmNPTmeasureV74::ResetAll() {
    txtAnglePerSide_->setText(kPipeAnglePerSideText);
    txtTaperPerFoot_->setText(kPipeTaperPerFootText);
    for (QLineEdit* box : {txtLength_, txtSmallDia_, txtLargeDia_, txtActualWire_, txtMOW_,
                           txtTPIpitch_, txtBWSNPT_})
        box->setText("0");
    txtLength_->setEnabled(true);
    e1_ = e0_ = ratio_ = angle_ = tpi_ = l1_ = 0;
    for (QLabel* label : {lblSmallDia_, lblLargeDia_, lblTPIpitch_, lblTurns_, lblMOW_, lblBWSNPT_})
        label->setText("0");
    optTPI_->setChecked(true);
}

// ---- Print and close ----------------------------------------------------------------------------

QString frmNPTmeasureV74::PrintText() const {
    QListWidgetItem* item = lstPipeSize_->currentItem();
    QString text = kLineBreak.repeated(14);
    text += tr("NPT Thread Measure") + kLineBreak;
    text += kLineBreak + tr("Nominal pipe size: ") + (item ? item->text() : QString());
    text += kLineBreak +
            (optTPI_->isChecked() ? tr("Threads per inch: ") : tr("Pitch of thread: ")) +
            lblTPIpitch_->text();
    text += kLineBreak + lblTaper_->text() + " " + lblTaperPerFoot_->text();
    text += kLineBreak + tr("PD at gauge point, E1: ") + lblLargeDia_->text();
    text += kLineBreak + tr("PD at start of thd, E0: ") + lblSmallDia_->text();
    text += kLineBreak + tr("Gauge length, L1: ") + txtLength_->text();
    text += kLineBreak + tr("Angle from centreline: ") + lblAnglePerSide_->text();
    text += kLineBreak + tr("Actual wire size: ") + txtActualWire_->text();
    text += kLineBreak + tr("Measurement over wires at gauge point: ") + lblMOW_->text();
    text += kLineBreak + tr("Best wire size: ") + lblBWSNPT_->text();
    text += kLineBreak + lblTurns_->text() + " " + tr("turns to gauge length.");
    text += kLineBreak + tr("Units: ") + UnitCaptionShown(ShortCaptions().Of(Units()));
    return text;
}

PrintPicture frmNPTmeasureV74::PrintDiagram() const {
    return {kPrintPictureSize, [](QPainter& p) {
                PaintPipeDiagram(
                    p, QRectF(0, 0, kPrintPictureSize.width(), kPrintPictureSize.height()));
            }};
}

void frmNPTmeasureV74::closeEvent(QCloseEvent* event) {
    if (onClose_) {
        const auto onClose = std::move(onClose_);
        onClose_ = nullptr;
        onClose();
    }
    CalcScreen::closeEvent(event);
}

}  // namespace calc
