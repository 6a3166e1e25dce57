#include "calc/ui/CalcScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "calc/Domain.h"
#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/SystemPrograms.h"
#include "calc/ui/Twips.h"
#include "common/HelpWindow.h"
#include "common/ScreenFit.h"

namespace calc {

namespace {

CalcScreen::ScreenMaker& AngleMaker() {
    static CalcScreen::ScreenMaker maker;
    return maker;
}

QString& HelpFolderOverride() {
    static QString folder;
    return folder;
}

constexpr int kTitleHeightTw = 300;
constexpr int kMarkSizeTw = 285;

// What the screen holds when it scrolls: its controls and its drawing.
class ScreenContent : public QWidget {
public:
    explicit ScreenContent(CalcScreen* screen) : QWidget(nullptr), screen_(screen) {
        setObjectName("screenContent");
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        screen_->PaintBackground(painter);
    }

private:
    CalcScreen* screen_;
};

// A parent whose children the screen placed itself (not the parts of a list or a
// drop-down list).
bool PlacesItsOwnChildren(const QWidget* parent, const QWidget* screen) {
    if (parent == screen || qobject_cast<const QGroupBox*>(parent)) return true;
    if (parent->objectName() == "screenContent") return true;
    const QMetaObject* meta = parent->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
           meta == &QLabel::staticMetaObject;
}

bool IsCommand(const QWidget* w) {
    return qobject_cast<const PressLabel*>(w) != nullptr;
}

// Rows from the top, each left to right: a control joins a row when its middle is level
// with the middle of the row's first control (within half the lower of the two).
void SortReadingOrder(QList<QWidget*>& widgets, const QWidget* screen) {
    auto rect = [screen](const QWidget* w) {
        return QRect(w->mapTo(screen, QPoint(0, 0)), w->size());
    };
    std::stable_sort(widgets.begin(), widgets.end(), [&](const QWidget* a, const QWidget* b) {
        return rect(a).top() < rect(b).top();
    });
    QList<QWidget*> ordered;
    int i = 0;
    while (i < widgets.size()) {
        const QRect first = rect(widgets[i]);
        int j = i + 1;
        while (j < widgets.size()) {
            const QRect next = rect(widgets[j]);
            const int tolerance = std::min(first.height(), next.height()) / 2;
            if (std::abs(next.center().y() - first.center().y()) > tolerance) break;
            ++j;
        }
        QList<QWidget*> row = widgets.mid(i, j - i);
        std::stable_sort(row.begin(), row.end(), [&](const QWidget* a, const QWidget* b) {
            return rect(a).left() < rect(b).left();
        });
        ordered += row;
        i = j;
    }
    widgets = ordered;
}

// The key of a fixed command; screens' own commands take the first free letter of
// their caption.
QChar PreferredLetter(Command command) {
    switch (command) {
        case Command::Calculate:
            return 'C';
        case Command::Reset:
            return 'R';
        case Command::Print:
            return 'P';
        case Command::InchToMm:
            return 'M';
        case Command::MmToInch:
            return 'I';
        case Command::AngleConversion:
            return 'A';
        case Command::InchMetric:
            return 'S';
        case Command::Copy:
            return 'O';
        case Command::Help:
        case Command::Close:
            break;
    }
    return {};
}

}  // namespace

namespace {

// The standard command captions in the language in force.
QString Caption(const char* english) {
    return QCoreApplication::translate("calc::CalcScreen", english);
}

}  // namespace

CommandLook LookOf(Command command) {
    switch (command) {
        case Command::Calculate:
            return {"lblCalculate", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "CALCULATE")),
                    FaceDrawing::Calculate};
        case Command::Reset:
            return {"lblReset", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "RESET")),
                    FaceDrawing::Reset};
        case Command::Print:
            return {"lblPrint", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "PRINT")),
                    FaceDrawing::Print};
        case Command::Help:
            return {"lblHelp", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "HELP")),
                    FaceDrawing::Help};
        case Command::Close:
            return {"lblClose", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "CLOSE")),
                    FaceDrawing::Close};
        case Command::InchToMm:
            return {"lblInch2MM", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "INCH TO MM")),
                    FaceDrawing::InchToMm};
        case Command::MmToInch:
            return {"lblMM2Inch", Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "MM TO INCH")),
                    FaceDrawing::MmToInch};
        case Command::AngleConversion:
            return {"lblAngConvers",
                    Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "ANGLE CONVERSION")),
                    FaceDrawing::AngleConversion};
        case Command::InchMetric:
            // The screens that switch units put their own caption here (SetUnitCaption).
            return {"lblInchMetric", "INCH SYSTEM", FaceDrawing::InchMetric};
        case Command::Copy:
            return {"lblCopy",
                    Caption(QT_TRANSLATE_NOOP("calc::CalcScreen", "COPY ALL TO CLIPBOARD")),
                    FaceDrawing::Copy};
    }
    return {"lblCommand", "", FaceDrawing::Blank};
}

CalcScreen::CalcScreen(CalcEnv& env, const ScreenSetup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), env_(env), setup_(setup) {
    setObjectName(setup_.objectName);
    setWindowTitle(setup_.windowCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwSize(setup_.widthTw, setup_.heightTw));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, setup_.background);
    setPalette(p);

    title_ = new TitleStrip(setup_.titleText, this);
    title_->setGeometry(0, 0, width(), Tw(kTitleHeightTw));
    title_->setAutoFillBackground(true);
    QPalette tp = title_->palette();
    tp.setColor(QPalette::Window, kButtonFace);
    tp.setColor(QPalette::WindowText, Qt::white);
    title_->setPalette(tp);

    const int markTop = Tw(10);
    markQuestion_ = new MarkLabel("lblQuestion", "?", QColor(235, 245, 255), this);
    markQuestion_->setToolTip(tr("HELP"));
    markQuestion_->setGeometry(width() - Tw(610), markTop, Tw(kMarkSizeTw), Tw(kMarkSizeTw));
    markX_ = new MarkLabel("lblX", "X", kMarkXBack, this);
    markX_->setToolTip(tr("Close"));
    markX_->setGeometry(width() - Tw(310), markTop, Tw(kMarkSizeTw), Tw(kMarkSizeTw));
    connect(markQuestion_, &MarkLabel::triggered, this, &CalcScreen::Help);
    connect(markX_, &MarkLabel::triggered, this, &CalcScreen::CloseScreen);

    if (setup_.centre) {
        const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
        if (display) {
            const QRect area = display->geometry();
            move(area.x() + (area.width() - width()) / 2,
                 area.y() + (area.height() - height()) / 2);
        }
    }
}

CalcScreen::~CalcScreen() = default;

CommandButton* CalcScreen::AddCommand(Command command, int xTw, int yTw, int wTw, int hTw,
                                      const QString& caption) {
    const CommandLook look = LookOf(command);
    auto* button =
        new CommandButton(this, look.baseName, caption.isEmpty() ? look.caption : caption,
                          look.drawing, TwRect(xTw, yTw, wTw, hTw));
    connect(button, &CommandButton::triggered, this, [this, command] { RunCommand(command); });
    commands_.append({command, button});
    return button;
}

CommandButton* CalcScreen::CommandButtonFor(Command command) const {
    for (const auto& [c, button] : commands_)
        if (c == command) return button;
    return nullptr;
}

void CalcScreen::RunCommand(Command command) {
    switch (command) {
        case Command::Reset:
        case Command::Help:
        case Command::Close:
            break;
        default:
            if (!CheckPendingEntry()) return;
    }
    switch (command) {
        case Command::Calculate:
            Calculate();
            break;
        case Command::Reset:
            Reset();
            break;
        case Command::Print:
            Print();
            break;
        case Command::Help:
            Help();
            break;
        case Command::Close:
            CloseScreen();
            break;
        case Command::InchToMm:
            InchToMm();
            break;
        case Command::MmToInch:
            MmToInch();
            break;
        case Command::AngleConversion:
            OpenAngleConversion();
            break;
        case Command::InchMetric:
            InchMetric();
            break;
        case Command::Copy:
            CopyToClipboard();
            break;
    }
}

CommandButton* CalcScreen::AddScreenCommand(const QString& baseName, const QString& caption,
                                            FaceDrawing drawing, int xTw, int yTw, int wTw, int hTw,
                                            std::function<void()> action) {
    auto* button = new CommandButton(this, baseName, caption, drawing, TwRect(xTw, yTw, wTw, hTw));
    connect(button, &CommandButton::triggered, this,
            [this, action = std::move(action)] { RunChecked(action); });
    screenCommands_.append(button);
    return button;
}

PressLabel* CalcScreen::AddLabelCommand(const QString& name, const QString& text, int xTw, int yTw,
                                        int wTw, int hTw, std::function<void()> action) {
    PressLabel* label = MakeLabelCommand(this, name, text);
    label->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    auto run = [this, action = std::move(action)] { RunChecked(action); };
    connect(label, &PressLabel::released, this, run);
    connect(label, &PressLabel::keyActivated, this, run);
    labelCommands_.append(label);
    return label;
}

void CalcScreen::GuardControl(QWidget* control) {
    if (guarded_.contains(control)) return;
    guarded_.append(control);
    control->installEventFilter(this);
}

const std::function<bool()>* CalcScreen::CheckFor(const QObject* box) const {
    for (const auto& [b, check] : checks_)
        if (b == box) return &check;
    return nullptr;
}

bool CalcScreen::RunCheck(QLineEdit* box, const std::function<bool()>& check) {
    checking_ = true;
    const bool accepted = check();
    checking_ = false;
    if (!accepted) RefocusLater(box);
    return accepted;
}

bool CalcScreen::CheckPendingEntry() {
    // A refusal whose focus has not been put back yet already stopped this press.
    if (refocusing_) return false;
    if (checking_ || closing_) return true;
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != this) return true;
    auto* box = qobject_cast<QLineEdit*>(focused);
    const std::function<bool()>* check = box ? CheckFor(box) : nullptr;
    if (!check) return CheckPendingControl(focused);
    if (box->isReadOnly() || !box->isVisible()) return true;
    return RunCheck(box, *check);
}

void CalcScreen::RunChecked(const std::function<void()>& action) {
    if (CheckPendingEntry()) action();
}

CalculatorPicture* CalcScreen::AddCalculatorPicture(int xTw, int yTw, int wTw, int hTw) {
    auto* picture = new CalculatorPicture(this, TwRect(xTw, yTw, wTw, hTw));
    connect(picture, &CalculatorPicture::triggered, this, &CalcScreen::StartCalculator);
    calculator_ = picture;
    return picture;
}

QLineEdit* CalcScreen::AddDecimalPlacesBox(int xTw, int yTw, int wTw, int hTw) {
    decPlaces_ = AddEntryBox("txtDecPlaces", xTw, yTw, wTw, hTw);
    decPlaces_->setAlignment(Qt::AlignCenter);
    QString text = "4";
    if (!setup_.decimalKey.isEmpty()) {
        const std::string stored =
            env_.settings.GetSetting(kSettingsApp, S(setup_.decimalSection), S(setup_.decimalKey));
        if (!stored.empty()) text = Q(stored);
    }
    decPlaces_->setText(text);
    CheckOnLeave(decPlaces_, [this] {
        decPlaces_->setText(Q(CheckDecimalPlacesText(env_, S(decPlaces_->text()))));
        return true;
    });
    return decPlaces_;
}

QLineEdit* CalcScreen::AddEntryBox(const QString& name, int xTw, int yTw, int wTw, int hTw) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    return box;
}

QLineEdit* CalcScreen::AddValueBox(const QString& name, const QString& text, int xTw, int yTw,
                                   int wTw, int hTw) {
    QLineEdit* box = AddEntryBox(name, xTw, yTw, wTw, hTw);
    box->setText(text);
    return box;
}

ValueSlot CalcScreen::AddValueSlot(const QString& boxName, const QString& fieldName, int xTw,
                                   int yTw, std::function<bool()> check) {
    ValueSlot slot;
    slot.field = AddHiddenResultField(fieldName, xTw, yTw);
    slot.box = AddEntryBox(boxName, xTw, yTw);
    CheckOnLeave(slot.box, std::move(check));
    return slot;
}

QLabel* CalcScreen::AddHiddenResultField(const QString& name, int xTw, int yTw, int wTw, int hTw) {
    QLabel* field = AddResultField(name, xTw, yTw, wTw, hTw);
    field->hide();
    return field;
}

QLabel* CalcScreen::AddCaption(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                               int hTw) {
    QLabel* label = AddLabel(name, text, xTw, yTw, wTw, hTw);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QComboBox* CalcScreen::AddComboBox(const QString& name, int xTw, int yTw, int wTw, int hTw) {
    auto* box = new QComboBox(this);
    PlaceWidget(box, name, xTw, yTw, wTw, hTw);
    GuardControl(box);
    return box;
}

void CalcScreen::PlaceWidget(QWidget* widget, const QString& name, int xTw, int yTw, int wTw,
                             int hTw) {
    widget->setObjectName(name);
    widget->setGeometry(TwRect(xTw, yTw, wTw, hTw));
}

namespace {

// A picture that paints itself with a function of the screen's.
class PaintedPicture : public QWidget {
public:
    PaintedPicture(QWidget* parent, std::function<void(QPainter&, const QSizeF&)> paint)
        : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_(p, QSizeF(size()));
    }

private:
    std::function<void(QPainter&, const QSizeF&)> paint_;
};

}  // namespace

QWidget* CalcScreen::AddPicture(const QString& name, int xTw, int yTw, int wTw, int hTw,
                                std::function<void(QPainter&, const QSizeF&)> paint) {
    return AddPicture(new PaintedPicture(this, std::move(paint)), name, xTw, yTw, wTw, hTw);
}

QList<QRect> CalcScreen::AddCommandRow(const CommandRow& row, const QList<RowPlace>& places) {
    QList<QRect> rects;
    const int height = row.heightTw > 0 ? row.heightTw : row.sizeTw;
    for (int i = 0; i < places.size(); ++i) {
        const int along = i * row.stepTw;
        const QRect place(row.vertical ? row.xTw : row.xTw + along,
                          row.vertical ? row.yTw + along : row.yTw, row.sizeTw, height);
        rects.append(place);
        const RowPlace& p = places[i];
        switch (p.kind) {
            case RowPlace::Kind::Command:
                AddCommand(p.command, place.x(), place.y(), place.width(), place.height(),
                           p.caption);
                break;
            case RowPlace::Kind::Calculator:
                AddCalculatorPicture(place.x(), place.y(), place.width(), place.height());
                break;
            case RowPlace::Kind::Own:
                break;
        }
    }
    return rects;
}

QLabel* CalcScreen::AddResultField(const QString& name, int xTw, int yTw, int wTw, int hTw) {
    auto* field = new QLabel(this);
    field->setObjectName(name);
    field->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setAutoFillBackground(true);
    QPalette p = field->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    p.setColor(QPalette::WindowText, Qt::black);
    field->setPalette(p);
    field->setIndent(3);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

QLabel* CalcScreen::AddLabel(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                             int hTw) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    return label;
}

void ColourGroupedControl(QWidget* control) {
    control->setAutoFillBackground(true);
    QPalette p = control->palette();
    p.setColor(QPalette::Window, kGroupBack);
    p.setColor(QPalette::Button, kGroupBack);
    control->setPalette(p);
}

QCheckBox* CalcScreen::AddCheckBox(const QString& name, const QString& text, int xTw, int yTw,
                                   int wTw, int hTw, QWidget* parent) {
    auto* box = new QCheckBox(text, parent ? parent : this);
    box->setObjectName(name);
    box->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    ColourGroupedControl(box);
    GuardControl(box);
    return box;
}

QRadioButton* CalcScreen::AddOption(const QString& name, const QString& text, int xTw, int yTw,
                                    int wTw, int hTw, QWidget* parent) {
    auto* option = new QRadioButton(text, parent ? parent : this);
    option->setObjectName(name);
    option->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    ColourGroupedControl(option);
    GuardControl(option);
    return option;
}

QGroupBox* CalcScreen::AddOptionGroup(const QString& name, int xTw, int yTw, int wTw, int hTw) {
    QGroupBox* group = AddFrame(name, {}, xTw, yTw, wTw, hTw);
    group->setStyleSheet(
        "QGroupBox { background-color: rgb(211, 233, 255); border: 1px solid rgb(120, 150, "
        "180); margin: 0px; }");
    return group;
}

QGroupBox* CalcScreen::AddFrame(const QString& name, const QString& title, int xTw, int yTw,
                                int wTw, int hTw) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(name);
    frame->setGeometry(TwRect(xTw, yTw, wTw, hTw));
    ColourGroupedControl(frame);
    return frame;
}

void CalcScreen::CheckOnLeave(QLineEdit* box, std::function<bool()> check) {
    checks_.append({box, std::move(check)});
    box->installEventFilter(this);
}

void CalcScreen::RefocusLater(QLineEdit* box) {
    refocusing_ = box;
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QLineEdit>(box)] {
            if (target && !closing_) target->setFocus(Qt::OtherFocusReason);
            refocusing_ = nullptr;
        },
        Qt::QueuedConnection);
}

bool CalcScreen::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        guarded_.contains(static_cast<QWidget*>(watched))) {
        // The press may already have taken the focus from the box and had its check
        // refused (refocusing_): it is swallowed.
        if (refocusing_) return true;
        auto* control = static_cast<QWidget*>(watched);
        QWidget* focused = QApplication::focusWidget();
        // A press on the control being typed in is no command.
        if (focused && (focused == control || control->isAncestorOf(focused)))
            return QDialog::eventFilter(watched, event);
        // The control takes no focus, so the box still has it.
        if (!CheckPendingEntry()) return true;
    }
    if (type == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving for a message box or another window is not leaving the box.
        const bool leftWithinScreen =
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (leftWithinScreen && !checking_ && !closing_ && !refocusing_) {
            for (const auto& [box, check] : checks_) {
                // A locked box shows a result; nothing was typed there to check.
                if (box != watched || box->isReadOnly()) continue;
                RunCheck(box, check);
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CalcScreen::DecimalPlaces() const {
    if (!decPlaces_) return 4;
    return DecimalPlacesFromText(S(decPlaces_->text()));
}

QString CalcScreen::Format(double value) const {
    return Q(FormatResult(value, DecimalPlaces()));
}

QString UnitCaptionShown(const QString& caption) {
    return QCoreApplication::translate("calc::CalcScreen", caption.toUtf8().constData());
}

UnitCaptions SystemCaptions() {
    return {QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "INCH SYSTEM")),
            QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "METRIC SYSTEM"))};
}

UnitCaptions OptionCaptions() {
    return {QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "Inch")),
            QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "Metric"))};
}

UnitCaptions ShortCaptions() {
    return {QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "INCH")),
            QString(QT_TRANSLATE_NOOP("calc::CalcScreen", "MM"))};
}

bool CalcScreen::ConvertFields(const QList<QWidget*>& fields, double factor) {
    const int places = DecimalPlaces();
    QList<QPair<QWidget*, QString>> converted;
    for (QWidget* field : fields) {
        const QString text = FieldText(field);
        if (lengthRule_.skipsEmpty && text.isEmpty()) continue;
        const double value = ParseNumberText(S(text)) * factor;
        // A length too large to convert: nothing is written.
        if (!AllFinite({value})) {
            ShowNotCalculable(env_, tr("the converted length").toStdString());
            return false;
        }
        converted.append({field, lengthRule_.valuePattern
                                     ? Q(FormatValueDecimals(value, places))
                                     : Q(FormatDecimals(DoubleToText15(value), places))});
    }
    for (const auto& [field, text] : converted) SetFieldText(field, text);
    return true;
}

bool CalcScreen::CanConvertLengths() {
    if (!lengthRule_.needsTypedLength) return true;
    for (QWidget* field : LengthFields())
        if (qobject_cast<QLineEdit*>(field) && ParseNumberText(S(FieldText(field))) != 0)
            return true;
    return false;
}

void CalcScreen::ConvertLengths(bool toMillimetres) {
    if (!CanConvertLengths()) return;
    if (ConvertFields(LengthFields(), toMillimetres ? kMmPerInch : kInchPerMm)) LengthsConverted();
}

void CalcScreen::InchMetric() {
    SwitchUnits(Metric() ? UnitSystem::Inch : UnitSystem::Metric);
}

QString CalcScreen::UnitCaption() const {
    return unitLabel_ ? unitLabel_->text() : QString();
}

bool CalcScreen::SwitchUnits(UnitSystem units, bool again) {
    if (units == units_ && !again) return true;
    if (!ConvertUnits(units)) {
        ShowUnitCaptions();  // an option chosen for the refused switch is taken back
        return false;
    }
    SetUnits(units);
    StoreUnits(UnitSetting::Written::OnSwitch);
    return true;
}

void CalcScreen::SetUnits(UnitSystem units) {
    units_ = units;
    ShowUnitCaptions();
    ShowUnits();
}

void CalcScreen::ShowUnitCaptions() {
    if (unitLabel_) unitLabel_->setText(UnitCaptionShown(unitLabelCaptions_.Of(units_)));
    for (QRadioButton* option : {inchOption_.data(), metricOption_.data()}) {
        if (!option) continue;
        const QSignalBlocker block(option);
        option->setChecked((option == metricOption_) == Metric());
    }
}

void CalcScreen::ShowUnitsOn(QLabel* label, const UnitCaptions& captions) {
    unitLabel_ = label;
    unitLabelCaptions_ = captions;
    ShowUnitCaptions();
}

void CalcScreen::ShowUnitsOn(QRadioButton* inchOption, QRadioButton* metricOption,
                             const UnitCaptions& captions) {
    inchOption_ = inchOption;
    metricOption_ = metricOption;
    inchOption->setText(UnitCaptionShown(captions.inch));
    metricOption->setText(UnitCaptionShown(captions.metric));
    GuardControl(inchOption);
    GuardControl(metricOption);
    connect(inchOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SwitchUnits(UnitSystem::Inch);
    });
    connect(metricOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SwitchUnits(UnitSystem::Metric);
    });
    ShowUnitCaptions();
}

void CalcScreen::StartInLanguageUnits() {
    const auto options = UnitOptions(env_);
    if (!options) return;
    if (inchOption_) inchOption_->setText(Q(options->inchCaption));
    if (metricOption_) metricOption_->setText(Q(options->metricCaption));
    SwitchUnits(options->metricSelected ? UnitSystem::Metric : UnitSystem::Inch);
}

void CalcScreen::KeepUnitsUnder(const QList<UnitSetting>& settings) {
    unitSettings_ = settings;
    for (const UnitSetting& setting : settings) {
        const QString stored =
            Q(env_.settings.GetSetting(kSettingsApp, S(setting.section), S(setting.key)));
        std::optional<UnitSystem> found;
        if (stored == setting.stored.inch)
            found = UnitSystem::Inch;
        else if (stored == setting.stored.metric)
            found = UnitSystem::Metric;
        if (!found) continue;
        if (setting.appliedBySwitch)
            SwitchUnits(*found, true);
        else
            SetUnits(*found);
    }
}

void CalcScreen::StoreUnits(UnitSetting::Written when) const {
    for (const UnitSetting& setting : unitSettings_)
        if (setting.written == when)
            env_.settings.SaveSetting(kSettingsApp, S(setting.section), S(setting.key),
                                      S(setting.stored.Of(units_)));
}

void CalcScreen::SaveSettings() {
    if (decPlaces_ && !setup_.decimalKey.isEmpty())
        env_.settings.SaveSetting(kSettingsApp, S(setup_.decimalSection), S(setup_.decimalKey),
                                  S(decPlaces_->text()));
    StoreUnits(UnitSetting::Written::OnClose);
}

QString CalcScreen::HelpFolder() {
    if (!HelpFolderOverride().isEmpty()) return HelpFolderOverride();
    return common::HelpWindow::ProgramHelpFolder("calculations");
}

void CalcScreen::SetHelpFolder(const QString& folder) {
    HelpFolderOverride() = folder;
}

void CalcScreen::Help() {
    if (setup_.helpTopic.isEmpty()) return;
    common::HelpWindow::ShowTopic(HelpFolder(), kHelpContents, setup_.helpTopic);
}

void CalcScreen::Print() {
    const QString text = PrintText();
    if (text.isEmpty()) return;
    PrintAnswer(this, text, PrintDiagram(), printHooks_);
}

void CalcScreen::SetAngleConversionMaker(ScreenMaker maker) {
    AngleMaker() = std::move(maker);
}

void CalcScreen::OpenAngleConversion() {
    if (angleScreen_) {
        BringToFront(angleScreen_);
        return;
    }
    if (!AngleMaker()) return;
    QWidget* screen = AngleMaker()(env_);
    if (!screen) return;
    // Modal over this screen (and so over the menu): the screen waits until it is closed,
    // while help windows stay usable.
    screen->setParent(this, screen->windowFlags() | Qt::Dialog);
    angleScreen_ = screen;
    ShowOwnedWindow(screen);
}

void CalcScreen::StartCalculator() {
    LaunchSystemCalculator(env_);
}

void CalcScreen::CloseScreen() {
    close();
}

void CalcScreen::reject() {
    close();
}

void CalcScreen::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closing_ = true;
        closed_ = true;
        if (setup_.closesHelp) common::HelpWindow::CloseAll();
        SaveSettings();
    }
    // Not QDialog::closeEvent: it would call reject(), which closes again.
    event->accept();
}

void CalcScreen::FitTexts() {
    // The places of the controls are fixed; a German or French text longer than the
    // English one gets a smaller type rather than being cut (down to 8 px, still legible).
    constexpr int kSmallest = 8;
    const auto shrink = [](QWidget* w, const auto& needed) {
        if (needed(w->fontMetrics()) <= 0) return;
        QFont f = w->font();
        f.setPixelSize(QFontInfo(f).pixelSize());
        while (needed(QFontMetrics(f)) > 0 && f.pixelSize() > kSmallest)
            f.setPixelSize(f.pixelSize() - 1);
        w->setFont(f);
    };
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() ||
            (!qobject_cast<QRadioButton*>(b) && !qobject_cast<QCheckBox*>(b)))
            continue;
        // What the box or circle and its spacing take beside the text.
        const int decoration =
            b->sizeHint().width() - b->fontMetrics().horizontalAdvance(b->text());
        shrink(b, [b, decoration](const QFontMetrics& m) {
            return decoration + m.horizontalAdvance(b->text()) - b->width();
        });
    }
    for (QLabel* l : findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->wordWrap() || l->textFormat() == Qt::RichText ||
            l->text().contains('<'))
            continue;
        shrink(l, [l](const QFontMetrics& m) {
            const QRect room = l->contentsRect();
            return m.boundingRect(room, int(l->alignment()), l->text()).width() - room.width() - 1;
        });
    }
}

void CalcScreen::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        InstallKeys();
        FitTexts();
        FitToScreen();
        // What is typed first goes into the first box, not into a control out of sight.
        if (QWidget* first = FirstEntryBox()) first->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

QList<QWidget*> CalcScreen::TabChain() const {
    QList<QWidget*> inputs, commands;
    QList<const QWidget*> groupsTaken;
    const QList<QWidget*> all = findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (w->isWindow() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (!w->isVisibleTo(this) || !w->isEnabled()) continue;
        if (!w->parentWidget() || !PlacesItsOwnChildren(w->parentWidget(), this)) continue;
        if (auto* box = qobject_cast<QLineEdit*>(w); box && box->isReadOnly()) continue;
        if (auto* option = qobject_cast<QRadioButton*>(w); option && option->autoExclusive()) {
            // Tab reaches a group of options once, at the chosen one; the arrows move
            // within it.
            const QWidget* group = option->parentWidget();
            QRadioButton* chosen = nullptr;
            for (QRadioButton* o : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                if (o->isChecked() && o->isVisibleTo(this) && o->isEnabled()) chosen = o;
            const bool focused = option->hasFocus();
            if (chosen && chosen != option && !focused) continue;
            if (!chosen && (groupsTaken.contains(group) && !focused)) continue;
            groupsTaken.append(group);
        }
        (IsCommand(w) ? commands : inputs).append(w);
    }
    // Lists and text areas span several rows: they follow the boxes.
    QList<QWidget*> boxes, areas;
    for (QWidget* w : inputs) (w->height() > 3 * Tw(kTitleHeightTw) ? areas : boxes).append(w);
    SortReadingOrder(boxes, this);
    SortReadingOrder(areas, this);
    SortReadingOrder(commands, this);
    return boxes + areas + commands;
}

bool CalcScreen::focusNextPrevChild(bool next) {
    const QList<QWidget*> chain = TabChain();
    if (chain.isEmpty()) return QDialog::focusNextPrevChild(next);
    QWidget* focused = focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < chain.size() && focused; ++i)
        if (chain[i] == focused || chain[i]->isAncestorOf(focused)) at = i;
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : chain.size() - 1;
    else
        to = (at + (next ? 1 : chain.size() - 1)) % chain.size();
    QWidget* target = chain[to];
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (scroll_) scroll_->ensureWidgetVisible(target);
    return true;
}

QWidget* CalcScreen::FirstEntryBox() const {
    const QList<QWidget*> chain = TabChain();
    for (QWidget* w : chain)
        if (qobject_cast<QLineEdit*>(w)) return w;
    return chain.isEmpty() ? nullptr : chain.first();
}

void CalcScreen::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Enter in an entry box calculates: the box's own check runs first.
        auto* box = qobject_cast<QLineEdit*>(focusWidget());
        CommandButton* calculate = CommandButtonFor(Command::Calculate);
        if (box && calculate && calculate->Face()->isVisible() && calculate->Face()->isEnabled()) {
            RunCommand(Command::Calculate);
            event->accept();
            return;
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalcScreen::InstallKeys() {
    QList<QChar> used;
    auto addKey = [this](const QKeySequence& keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    auto freeLetter = [&used](const QString& caption) -> QChar {
        for (QChar c : caption.toUpper())
            if (c.isLetter() && c.unicode() < 128 && !used.contains(c)) return c;
        return {};
    };
    auto altKey = [](QChar letter) {
        return QKeySequence(Qt::ALT | static_cast<Qt::Key>(letter.unicode()));
    };
    for (const auto& [command, button] : commands_) {
        const QChar letter = PreferredLetter(command);
        if (!letter.isNull()) used.append(letter);
    }
    for (const auto& [command, button] : commands_) {
        QStringList keys;
        if (command == Command::Calculate) keys << tr("Enter");
        if (command == Command::Help) keys << "F1";
        if (command == Command::Close) keys << tr("Esc");
        if (command == Command::Print) keys << tr("Ctrl+P");
        QChar letter = PreferredLetter(command);
        if (!letter.isNull()) {
            keys << QString("Alt+%1").arg(letter);
            addKey(altKey(letter), [button = button] { button->Trigger(); });
        }
        button->SetShortcutText(keys.join(", "));
        shortcutTexts_.append({button->objectName(), keys.join(", ")});
    }
    for (CommandButton* button : screenCommands_) {
        const QChar letter = freeLetter(button->Caption()->text());
        QString keys;
        if (!letter.isNull()) {
            used.append(letter);
            keys = QString("Alt+%1").arg(letter);
            addKey(altKey(letter), [button] { button->Trigger(); });
        }
        button->SetShortcutText(keys);
        shortcutTexts_.append({button->objectName(), keys});
    }
    for (PressLabel* label : labelCommands_) {
        const QString name = label->text().isEmpty() ? label->toolTip() : label->text();
        const QChar letter = freeLetter(name);
        if (letter.isNull()) continue;
        used.append(letter);
        const QString keys = QString("Alt+%1").arg(letter);
        label->setAccessibleName(name);
        label->setToolTip((label->toolTip().isEmpty() ? name : label->toolTip()) + " (" + keys +
                          ")");
        addKey(altKey(letter), [label] {
            if (label->isVisible() && label->isEnabled()) emit label->keyActivated();
        });
        shortcutTexts_.append({label->objectName(), keys});
    }
    if (calculator_) {
        const QChar letter = freeLetter("CALCULATOR");
        if (!letter.isNull()) {
            used.append(letter);
            const QString keys = QString("Alt+%1").arg(letter);
            calculator_->Label()->setToolTip(calculator_->Label()->toolTip() + " (" + keys + ")");
            addKey(altKey(letter), [this] {
                if (calculator_->Label()->isVisible()) StartCalculator();
            });
            shortcutTexts_.append({"lblRechner1", keys});
        }
    }
    markQuestion_->setToolTip(tr("HELP (F1)"));
    markX_->setToolTip(tr("Close (Esc)"));
    markQuestion_->setAccessibleName(tr("HELP"));
    markX_->setAccessibleName(tr("Close"));
    addKey(QKeySequence(Qt::Key_F1), [this] { Help(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (CommandButton* print = CommandButtonFor(Command::Print)) print->Trigger();
    });
    addKey(QKeySequence::Copy, [this] { CopySelection(); });
}

QString CalcScreen::ShortcutTextOf(const QString& commandBaseName) const {
    for (const auto& [name, keys] : shortcutTexts_)
        if (name == commandBaseName) return keys;
    return {};
}

void CalcScreen::CopySelection() {
    QWidget* focused = focusWidget();
    if (auto* box = qobject_cast<QLineEdit*>(focused); box && box->hasSelectedText()) {
        box->copy();
        return;
    }
    // A result field keeps what the mouse selected while the focus moves on.
    const QList<QLabel*> labels = findChildren<QLabel*>();
    QLabel* selected = qobject_cast<QLabel*>(focused);
    if (!selected || !selected->hasSelectedText()) {
        selected = nullptr;
        for (QLabel* label : labels)
            if (label->isVisible() && label->hasSelectedText()) selected = label;
    }
    if (selected) QGuiApplication::clipboard()->setText(selected->selectedText());
}

void CalcScreen::FitToScreen() {
    const QRect area = common::AvailableArea(this);
    if (area.isEmpty()) return;
    if (width() > area.width() || height() > area.height()) {
        const QSize full = size();
        auto* content = new ScreenContent(this);
        content->setPalette(palette());
        content->setFixedSize(full);
        const QObjectList kids = children();
        for (QObject* kid : kids) {
            auto* w = qobject_cast<QWidget*>(kid);
            if (!w || w->isWindow()) continue;
            const bool hidden = w->isHidden();
            const QRect geometry = w->geometry();
            w->setParent(content);
            w->setGeometry(geometry);
            if (!hidden) w->show();
        }
        scroll_ = new QScrollArea(this);
        scroll_->setObjectName("screenScroll");
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setFocusPolicy(Qt::NoFocus);
        scroll_->setWidget(content);
        // Made without a parent, the content counts as hidden until shown.
        content->show();
        const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QSize fitted = full.boundedTo(area.size());
        // A bar along one side takes room from the other.
        if (fitted.height() < full.height())
            fitted.setWidth(std::min(area.width(), full.width() + bar));
        if (fitted.width() < full.width())
            fitted.setHeight(std::min(area.height(), full.height() + bar));
        setFixedSize(fitted);
        scroll_->setGeometry(rect());
        // The screen's children were shown before this runs.
        scroll_->show();
        if (setup_.centre)
            move(area.x() + (area.width() - width()) / 2,
                 area.y() + (area.height() - height()) / 2);
    }
    common::KeepOnScreen(this);
}

void CalcScreen::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBackground(painter);
    }
    // A frameless window needs its own edge to stand apart from what lies behind it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(30, 70, 100), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace calc
