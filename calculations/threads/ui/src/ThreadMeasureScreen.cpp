#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ThreadPictures.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "threads/ThreadScreens.h"

namespace calc {

namespace {

constexpr const char* kFormSection = "InchMetric";
constexpr const char* kFormKey = "ThreadMeas";
constexpr const char* kFractionTip =
    QT_TRANSLATE_NOOP("calc::frmThreadMeasureV74", "Common fraction allowed if under 1.0");
constexpr const char* kImpossible =
    QT_TRANSLATE_NOOP("calc::frmThreadMeasureV74", "Impossible data are entered.");

// The thread forms' names, notes and captions of the thread library, for lupdate.
[[maybe_unused]] const char* const kThreadFormTexts[] = {
    QT_TRANSLATE_NOOP("calc::ThreadForms", "60° UN"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "60°ISO metric"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "55° BSW"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "29°Acme-2G"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "29°Stub Acme"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "30° Trapezoid"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "Minor Dia. External:"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "Internal:"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "Root and crest rad:"),
    QT_TRANSLATE_NOOP("calc::ThreadForms", "Minor Dia:"),
    QT_TRANSLATE_NOOP("calc::ThreadForms",
                      "This illustration shows Maximum Material Condition.\n\rIf a specific "
                      "tolerance designation is required, find the precise values in the tables in "
                      "a handbook. Click the Help button file for more information."),
    QT_TRANSLATE_NOOP(
        "calc::ThreadForms",
        "This illustration shows Maximum Metal Condition. External thread depth assumes root "
        "radius of 0.1443p. If a specific tolerance designation is required, find the precise "
        "values in the tables in a handbook. Click the Help button file for more information."),
    QT_TRANSLATE_NOOP(
        "calc::ThreadForms",
        "This illustration shows Close Class values.\n\rFind the other class values in the tables "
        "in a handbook. Click the Help button file for more information."),
    QT_TRANSLATE_NOOP("calc::ThreadForms",
                      "This illustration shows Basic Dimensions of General Purpose. If a specific "
                      "tolerance designation is required, find the precise values in the tables in "
                      "a handbook. Click the Help button file for more information."),
    QT_TRANSLATE_NOOP("calc::ThreadForms",
                      "This illustration shows Basic Dimensions of General Purpose.\n\rIf a "
                      "specific tolerance designation is required, find the precise values in the "
                      "tables in a handbook. Click the Help button file for more information."),
    QT_TRANSLATE_NOOP("calc::ThreadForms",
                      "This illustration shows the Preferred Basic Size.\n\rIf a specific "
                      "tolerance designation is required, find the precise values in the tables in "
                      "a handbook. Click the Help button file for more information."),
};

QString FormText(const char* english) {
    return QCoreApplication::translate("calc::ThreadForms", english);
}
const QString kLineBreak = QStringLiteral("\n\r");

// The drawing's place on the screen and its size on paper (pixels).
constexpr int kBoxX = 3360, kBoxW = 1560;
constexpr int kPictureX = 5760, kPictureY = 420, kPictureW = 4440, kPictureH = 3300;
const QSize kPrintPictureSize(420, 270);

QString ScreenText(QString lfcr) {
    // Label text breaks lines with LF alone.
    return lfcr.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

}  // namespace

frmThreadMeasureV74::frmThreadMeasureV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmThreadMeasureV74", tr("Measure threads"), tr("Measure Threads with Wires"),
                  10345, 9130, "html\\ThreadMeasure.htm", "ThreadMeas"},
                 parent) {
    BuildOptionGroups();
    BuildEntries();
    BuildThreadData();
    AddCommandRow({.xTw = 120, .yTw = 7710, .stepTw = 1680},
                  {RowPlace::Calculator(), Command::Print, Command::Help, Command::Reset,
                   Command::Close, Command::Calculate});
    BuildChecks();

    StartInLanguageUnits();
    if (!Metric())
        optTPI_->setChecked(true);
    else
        optThreadPitch_->setChecked(true);
    const std::string code = Env().settings.GetSetting(kSettingsApp, kFormSection, kFormKey);
    SelectForm(FormFromCode(code).value_or(ThreadForm::SixtyUn));
    ApplyGiven();
    FillcboNumOD();
}

void frmThreadMeasureV74::BuildOptionGroups() {
    QGroupBox* fraForm = AddFrame("fraThreadForm", tr("Thread form"), 120, 420, 2520, 2520);
    for (ThreadForm form : kThreadForms) {
        const int i = static_cast<int>(form);
        const ThreadFormInfo& info = InfoOf(form);
        forms_[i] = AddOption(info.optionName, FormText(info.optionCaption), 120, 270 + i * 315,
                              2310, 285, fraForm);
    }
    optNPT_ =
        AddOption("optNPT", tr("National Pipe Thread"), 120, 270 + 6 * 315, 2310, 285, fraForm);

    QGroupBox* fraUnits = AddFrame("fraUnits", tr("Units"), 2760, 420, 2880, 600);
    optInch_ = AddOption("optInch", tr("Inch"), 120, 255, 1020, 285, fraUnits);
    optMetric_ = AddOption("optMetric", tr("Metric"), 1440, 255, 1320, 285, fraUnits);
    ShowUnitsOn(optInch_, optMetric_);

    QGroupBox* fraPitch = AddFrame("fraPitch", tr("Pitch entry"), 2760, 1110, 2880, 885);
    optTPI_ = AddOption("optTPI", tr("Threads per Inch"), 120, 255, 2700, 285, fraPitch);
    optThreadPitch_ =
        AddOption("optThreadPitch", tr("Pitch of Thread"), 120, 555, 2700, 285, fraPitch);

    QGroupBox* fraGiven = AddFrame("fraGiven", tr("Given"), 2760, 2085, 2880, 1200);
    optPDia_ = AddOption("optPDia", tr("Pitch Diameter"), 120, 255, 2700, 285, fraGiven);
    optMOW_ = AddOption("optMOW", tr("Measurement over wires"), 120, 555, 2700, 285, fraGiven);
    optNomDia_ =
        AddOption("optNomDia", tr("Basic Major Diameter Only"), 120, 855, 2700, 285, fraGiven);

    // The stored layout: 60° UN, threads per inch, basic major diameter, inch.
    forms_[0]->setChecked(true);
    optTPI_->setChecked(true);
    optNomDia_->setChecked(true);
}

// The entries down the middle, each with its caption at the left.
void frmThreadMeasureV74::BuildEntries() {
    lblTPIpitchCaption_ = AddCaption("lblTPIpitchCaption", tr("Threads per Inch"), 120, 3420, 3120);
    txtTPIpitch_ = AddValueBox("txtTPIpitch", "0", kBoxX, 3420, kBoxW);
    txtTPIpitch_->setToolTip(tr(kFractionTip));
    lblNomSize_ = AddCaption("lblNomSize", tr("Basic Major Diameter (REQUIRED)"), 120, 3795, 3120);
    lblNomDia_ = AddHiddenResultField("lblNomDia", kBoxX, 3795, kBoxW);
    txtNomDia_ = AddValueBox("txtNomDia", "0", kBoxX, 3795, kBoxW);
    txtNomDia_->setToolTip(tr(kFractionTip));
    AddCaption("lblActualWire", tr("Actual Wire Size (REQUIRED)"), 120, 4170, 3120);
    txtActualWire_ = AddValueBox("txtActualWire", "0", kBoxX, 4170, kBoxW);
    AddCaption("lblPitchDiaCaption", tr("Pitch (Effective) Diameter"), 120, 4545, 3120);
    lblPitchDia_ = AddHiddenResultField("lblPitchDia", kBoxX, 4545, kBoxW);
    txtPitchDia_ = AddValueBox("txtPitchDia", "0", kBoxX, 4545, kBoxW);
    AddCaption("lblMOWCaption", tr("Measurement over wires"), 120, 4920, 3120);
    lblMOW_ = AddHiddenResultField("lblMOW", kBoxX, 4920, kBoxW);
    txtMOW_ = AddValueBox("txtMOW", "0", kBoxX, 4920, kBoxW);
    AddScreenCommand("lblBestWire", tr("CALCULATE BEST WIRE SIZE"), FaceDrawing::Blank, 120, 5340,
                     3120, 450, [this] { BestWireSize(); });
    txtBestWire_ = AddValueBox("txtBestWire", "0", kBoxX, 5415, kBoxW);

    cboNumOD_ = AddComboBox("cboNumOD", 120, 6030, 2400);
    cboNumOD_->setPlaceholderText(tr("Nom dia of # thds"));
    cboNumOD_->setToolTip(tr("Numbered screw sizes: basic major diameters in inches"));
}

// The drawing and, under it, the data of the thread form.
void frmThreadMeasureV74::BuildThreadData() {
    picture_ = AddPicture(new ThreadPicture(ThreadPicture::Kind::Thread, this), "Picture1",
                          kPictureX, kPictureY, kPictureW, kPictureH);
    lblCalcedThread_ = AddLabel("lblCalcedThread", "", 5100, 3810, 5100, 900);
    lblCalcedThread_->setWordWrap(true);
    lblCalcedThread_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    constexpr int kLabelA = 5100, kBoxA = 7080, kLabelB = 8220, kBoxB = 9120, kDataW = 1080;
    // The form's data are shown, not typed.
    auto dataBox = [this](const char* name, int x, int y) {
        QLineEdit* box = AddValueBox(name, "0", x, y, kDataW);
        SetBoxEditable(box, false);
        return box;
    };
    AddCaption("lblMajDia", tr("Maximum Major Diameter, External:"), kLabelA, 4800, 3960);
    txtMajDiaScr_ = dataBox("txtMajDiaScr", kBoxB, 4800);
    lblMinDiaScr_ =
        AddCaption("lblMinDiaScr", FormText("Minor Dia. External:"), kLabelA, 5175, 1920);
    txtMinDiaScr_ = dataBox("txtMinDiaScr", kBoxA, 5175);
    lblMinDiaNut_ = AddCaption("lblMinDiaNut", FormText("Internal:"), kLabelB, 5175, 840);
    txtMinDiaNut_ = dataBox("txtMinDiaNut", kBoxB, 5175);
    QLabel* height = AddLabel("lblHeight", tr("Height"), kLabelA, 5550, 700, 285);
    height->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    AddCaption("lblHghtScr", tr("External"), kLabelA + 700, 5550, 1220);
    txtHghtScr_ = dataBox("txtHghtScr", kBoxA, 5550);
    AddCaption("lblHghtNut", tr("internal"), kLabelB, 5550, 840);
    txtHghtNut_ = dataBox("txtHghtNut", kBoxB, 5550);
    SetBoxEditable(txtBestWire_, false);

    AddCaption("lblDecPlaces", tr("Decimal Places"), kLabelA, 6150, 1920);
    AddDecimalPlacesBox(kBoxA, 6150);
}

void frmThreadMeasureV74::BuildChecks() {
    CheckOnLeave(txtTPIpitch_, [this] {
        return CheckEntry(txtTPIpitch_, optTPI_->isChecked() ? TextThreadsPerInch(Env())
                                                             : TextPitchOfThread(Env()));
    });
    CheckOnLeave(txtActualWire_,
                 [this] { return CheckEntry(txtActualWire_, TextActualWireSize(Env())); });
    CheckOnLeave(txtPitchDia_,
                 [this] { return CheckEntry(txtPitchDia_, TextPitchDiameter(Env())); });
    CheckOnLeave(txtMOW_, [this] { return CheckEntry(txtMOW_, TextMeasurementOverWires(Env())); });
    CheckOnLeave(txtNomDia_,
                 [this] { return CheckEntry(txtNomDia_, TextNominalMajorDiameter(Env())); });

    auto onSelect = [this](QRadioButton* option, std::function<void()> handler) {
        connect(option, &QRadioButton::toggled, this, [handler = std::move(handler)](bool on) {
            if (on) handler();
        });
    };
    for (ThreadForm form : kThreadForms)
        onSelect(forms_[static_cast<int>(form)], [this, form] { OnFormSelected(form); });
    onSelect(optNPT_, [this] { OpenPipeScreen(); });
    onSelect(optThreadPitch_, [this] { ToPitchEntry(); });
    onSelect(optTPI_, [this] { ToTpiEntry(); });
    for (QRadioButton* option : {optPDia_, optMOW_, optNomDia_})
        onSelect(option, [this] { ApplyGiven(); });
}

void frmThreadMeasureV74::FillcboNumOD() {
    cboNumOD_->clear();
    for (const char* size : kNumberedSizes) cboNumOD_->addItem(size);
    cboNumOD_->setCurrentIndex(-1);
}

bool frmThreadMeasureV74::CheckEntry(QLineEdit* box, const std::string& name) {
    return ValidateEntryBox(Env(), S(box->text()), name);
}

void frmThreadMeasureV74::Message(const char* text, const char* title) {
    Env().messages.ShowMessage(S(tr(text)), title ? S(tr(title)) : std::string(kAppTitle),
                               MsgIcon::None);
}

double frmThreadMeasureV74::calcThreadPitch() const {
    return PitchFromTpi(ParseNumberText(S(txtTPIpitch_->text())), ThreadUnitsInForce()).value_or(0);
}

double frmThreadMeasureV74::calcTPI() const {
    return TpiFromPitch(ParseNumberText(S(txtTPIpitch_->text())), ThreadUnitsInForce()).value_or(0);
}

// ---- Thread forms ------------------------------------------------------------------------

void frmThreadMeasureV74::SelectForm(ThreadForm form) {
    QRadioButton* option = forms_[static_cast<int>(form)];
    {
        const QSignalBlocker block(option);
        option->setChecked(true);
    }
    OnFormSelected(form);
}

void frmThreadMeasureV74::OnFormSelected(ThreadForm form) {
    form_ = form;
    const ThreadFormInfo& info = InfoOf(form);
    if (info.threadsPerInch) {
        optTPI_->setEnabled(true);
        optTPI_->setChecked(true);
    } else {
        optThreadPitch_->setChecked(true);
        optTPI_->setEnabled(false);
    }
    txtTPIpitch_->setText("0");
    cboNumOD_->setVisible(form == ThreadForm::SixtyUn);
    lblCalcedThread_->setText(ScreenText(FormText(info.note)));
    lblMinDiaScr_->setText(FormText(info.minorExternalCaption));
    lblMinDiaNut_->setText(FormText(info.minorInternalCaption));
    picture_->SetForm(form);
    Reset();
}

void frmThreadMeasureV74::OpenPipeScreen() {
    if (pipe_) {
        BringToFront(pipe_);
        return;
    }
    auto* screen = new frmNPTmeasureV74(Env(), this);
    QPointer<frmThreadMeasureV74> self(this);
    screen->SetOnClose([self] {
        if (self) self->forms_[static_cast<int>(ThreadForm::SixtyUn)]->setChecked(true);
    });
    pipe_ = screen;
    ShowOwnedWindow(screen);
}

// ---- Pitch entry and units -------------------------------------------------------------------

void frmThreadMeasureV74::ToPitchEntry() {
    lblTPIpitchCaption_->setText(tr("Pitch of Thread"));
    const double value = ParseNumberText(S(txtTPIpitch_->text()));
    const std::string pitch =
        value > 0 ? PitchTextFromTpi(value, ThreadUnitsInForce(), DecimalPlaces()) : std::string();
    txtTPIpitch_->setText(pitch.empty() ? "0" : Q(pitch));
}

void frmThreadMeasureV74::ToTpiEntry() {
    lblTPIpitchCaption_->setText(tr("Threads per Inch"));
    const double value = ParseNumberText(S(txtTPIpitch_->text()));
    const std::string tpi =
        value > 0 ? TpiTextFromPitch(value, ThreadUnitsInForce()) : std::string();
    txtTPIpitch_->setText(tpi.empty() ? "0" : Q(tpi));
}

void frmThreadMeasureV74::ConvertValues(double factor, bool convertEntry) {
    auto convert = [this, factor](QWidget* field) {
        SetFieldText(field, Format(ParseNumberText(S(FieldText(field))) * factor));
    };
    if (convertEntry) {
        if (ParseNumberText(S(txtTPIpitch_->text())) != 0)
            convert(txtTPIpitch_);
        else
            txtTPIpitch_->setText("0");
    }
    for (QLineEdit* box : {txtPitchDia_, txtMOW_, txtNomDia_, txtActualWire_, txtBestWire_,
                           txtMajDiaScr_, txtHghtScr_, txtHghtNut_, txtMinDiaScr_, txtMinDiaNut_})
        convert(box);
    // The shown results too, so the screen and its print never mix units.
    for (QLabel* field : {lblPitchDia_, lblMOW_})
        if (!field->text().isEmpty()) convert(field);
}

bool frmThreadMeasureV74::ConvertUnits(UnitSystem units) {
    if (units == UnitSystem::Metric)
        SwitchToMetric();
    else
        SwitchToInch();
    return true;
}

void frmThreadMeasureV74::SwitchToMetric() {
    optTPI_->setEnabled(false);
    // A threads-per-inch entry becomes an inch pitch first, then millimetres.
    optThreadPitch_->setChecked(true);
    ConvertValues(kMmPerInch, true);
}

void frmThreadMeasureV74::SwitchToInch() {
    optTPI_->setEnabled(true);
    // Threads per inch stay what they are; a pitch becomes inches.
    ConvertValues(kInchPerMm, !optTPI_->isChecked());
}

void frmThreadMeasureV74::ApplyGiven() {
    update();
    if (optNomDia_->isChecked()) {
        SetBoxEditable(txtNomDia_, true);
        txtNomDia_->show();
        lblNomSize_->show();
        SetBoxEditable(txtPitchDia_, false);
        txtPitchDia_->show();
        SetBoxEditable(txtMOW_, false);
        txtMOW_->show();
        lblPitchDia_->show();
        lblMOW_->show();
    } else if (optMOW_->isChecked()) {
        txtNomDia_->show();
        lblNomDia_->hide();
        SetBoxEditable(txtPitchDia_, false);
        txtPitchDia_->show();
        SetBoxEditable(txtMOW_, true);
        txtMOW_->show();
        lblMOW_->hide();
        lblPitchDia_->show();
    } else if (optPDia_->isChecked()) {
        txtNomDia_->show();
        lblNomDia_->hide();
        SetBoxEditable(txtPitchDia_, true);
        txtPitchDia_->show();
        SetBoxEditable(txtMOW_, false);
        txtMOW_->show();
        lblPitchDia_->show();
        lblMOW_->show();
    }
}

// ---- Calculations ----------------------------------------------------------------------------

void frmThreadMeasureV74::BestWireSize() {
    const double entry = ParseEntryText(Env(), S(txtTPIpitch_->text()));
    if (entry == 0) {
        Message(QT_TR_NOOP("Thread Pitch or TPI required"));
        return;
    }
    if (entry < 0) return;  // the reader has said why
    const double pitch =
        optTPI_->isChecked() ? PitchFromTpi(entry, ThreadUnitsInForce()).value_or(0) : entry;
    const std::optional<double> wire = calc::BestWireSize(form_, pitch);
    if (!wire) {
        Message(kImpossible);
        return;
    }
    angle_ = DegreesToRadians(InfoOf(form_).includedAngle);
    bestWire_ = *wire;
    txtBestWire_->setText(Format(bestWire_));
}

void frmThreadMeasureV74::Calculate() {
    if (!(ParseEntryText(Env(), S(txtActualWire_->text())) > 0)) {
        Message(QT_TR_NOOP("An actual wire size is required."));
        return;
    }
    const double entry = ParseEntryText(Env(), S(txtTPIpitch_->text()));
    if (entry == 0) {
        Message(QT_TR_NOOP("Please enter a value for TPI or Thread Pitch."));
        return;
    }
    if (entry > 0)
        pitch_ =
            optTPI_->isChecked() ? PitchFromTpi(entry, ThreadUnitsInForce()).value_or(0) : entry;
    calculate(pitch_);
}

void frmThreadMeasureV74::calculate(double pitch) {
    const double major = ParseEntryText(Env(), S(txtNomDia_->text()));
    if (!(major > 0)) {
        Message(QT_TR_NOOP("Nominal thread size is required."), QT_TR_NOOP("Major Diam."));
        return;
    }
    if (!(ParseEntryText(Env(), S(txtTPIpitch_->text())) > 0)) {
        Message(QT_TR_NOOP("Please enter all required values"), QT_TR_NOOP("Thread Pitch."));
        return;
    }
    const double wire = ParseEntryText(Env(), S(txtActualWire_->text()));
    if (!(wire > 0)) {
        Message(QT_TR_NOOP("Please enter all required values"), QT_TR_NOOP("Actual Wire Size."));
        return;
    }
    factor_ = InfoOf(form_).pitchDiameterFactor;
    ThreadInput input;
    input.form = form_;
    input.units = ThreadUnitsInForce();
    input.major = major;
    input.pitch = pitch;
    input.wire = wire;
    input.pitchDiameter = ParseEntryText(Env(), S(txtPitchDia_->text()));
    input.measurement = ParseEntryText(Env(), S(txtMOW_->text()));
    const std::optional<ThreadSolution> s = SolveThread(input);
    if (!s) {
        Message(kImpossible);
        return;
    }
    if (s->given != ThreadGiven::PitchDiameter) {
        txtPitchDia_->hide();
        lblPitchDia_->setText(Format(s->pitchDiameter));
        lblPitchDia_->show();
    }
    if (s->given != ThreadGiven::Measurement) {
        txtMOW_->hide();
        lblMOW_->setText(Format(s->measurement));
        lblMOW_->show();
    }
    txtMajDiaScr_->setText(Format(s->data.majorExternal));
    txtHghtScr_->setText(Format(s->data.heightExternal));
    txtHghtNut_->setText(Format(s->data.heightInternal));
    txtMinDiaScr_->setText(Format(s->data.minorExternal));
    txtMinDiaNut_->setText(Format(s->data.minorInternal));
}

void frmThreadMeasureV74::Reset() {
    for (QLineEdit* box :
         {txtBestWire_, txtMOW_, txtPitchDia_, txtNomDia_, txtActualWire_, txtTPIpitch_,
          txtHghtNut_, txtHghtScr_, txtMajDiaScr_, txtMinDiaNut_, txtMinDiaScr_})
        box->setText("0");
    for (QLineEdit* box : {txtMOW_, txtPitchDia_, txtNomDia_}) box->show();
    for (QLabel* field : {lblMOW_, lblPitchDia_, lblNomDia_}) {
        field->clear();
        field->hide();
    }
    pitch_ = factor_ = angle_ = bestWire_ = 0;
}

// ---- Print, settings, menu ----------------------------------------------------------------------

QString frmThreadMeasureV74::PrintValue(QLineEdit* box, QLabel* field) const {
    return ParseNumberText(S(box->text())) > 0 ? box->text() : field->text();
}

QString frmThreadMeasureV74::PrintText() const {
    const ThreadFormInfo& info = InfoOf(form_);
    QString text = kLineBreak.repeated(10);
    text += QString::fromUtf8(info.printTitle) + kLineBreak;
    text += kLineBreak + tr("Pitch diameter: ") + PrintValue(txtPitchDia_, lblPitchDia_);
    text += kLineBreak + tr("Nominal major diameter: ") + PrintValue(txtNomDia_, lblNomDia_);
    text += kLineBreak + tr("Measurement over wires: ") + PrintValue(txtMOW_, lblMOW_);
    if (optTPI_->isChecked())
        text += kLineBreak + tr("Threads per inch: ") + txtTPIpitch_->text();
    else
        text += kLineBreak + tr("Thread pitch: ") + txtTPIpitch_->text();
    text += kLineBreak + tr("Actual wire size: ") + txtActualWire_->text();
    text += kLineBreak + tr("Best wire size: ") + txtBestWire_->text();
    // The thread data shown beside the drawing, under the captions of this form.
    text += kLineBreak + tr("Maximum major diameter, external: ") + txtMajDiaScr_->text();
    if (form_ == ThreadForm::FiftyFiveBsw) {
        text += kLineBreak + tr("Root and crest radius: ") + txtMinDiaScr_->text();
        text += kLineBreak + tr("Minor diameter: ") + txtMinDiaNut_->text();
    } else {
        text += kLineBreak + tr("Minor diameter, external: ") + txtMinDiaScr_->text();
        text += kLineBreak + tr("Minor diameter, internal: ") + txtMinDiaNut_->text();
    }
    text += kLineBreak + tr("Height, external: ") + txtHghtScr_->text();
    text += kLineBreak + tr("Height, internal: ") + txtHghtNut_->text();
    return text;
}

PrintPicture frmThreadMeasureV74::PrintDiagram() const {
    const ThreadForm form = form_;
    return {kPrintPictureSize, [form](QPainter& p) {
                PaintThreadIllustration(
                    p, QRectF(0, 0, kPrintPictureSize.width(), kPrintPictureSize.height()), form);
            }};
}

void frmThreadMeasureV74::SaveSettings() {
    CalcScreen::SaveSettings();
    Env().settings.SaveSetting(kSettingsApp, kFormSection, kFormKey, InfoOf(form_).code);
}

void RegisterThreadScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen("picMeasureThread", [](CalcEnv& env, QWidget* parent) {
        return new frmThreadMeasureV74(env, parent);
    });
}

}  // namespace calc
