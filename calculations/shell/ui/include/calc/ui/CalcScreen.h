#pragma once

// The frame every calculator screen is built on.
//
// A screen derives from CalcScreen, passes a ScreenSetup (names, size in twips, help
// topic, decimal places key) and builds its own controls in its constructor with the
// Add... helpers, which place controls in twips and give them their objectNames. It
// overrides only what is its own: Calculate, Reset, PrintText, PrintDiagram,
// LengthFields and the small hooks of the unit handling, and SaveSettings when it keeps
// more than the decimal places. Everything else (title drag, "X" and "?", the
// picture-label buttons, the decimal places box, help, print, the inch/mm conversion,
// the unit system in force and where it is stored, the calculator picture, ANGLE
// CONVERSION, close) is the frame's.
//
//   class frmKeyseatV74 : public CalcScreen {
//   public:
//       frmKeyseatV74(CalcEnv& env, QWidget* parent = nullptr)
//           : CalcScreen(env, {"frmKeyseatV74", "Keyseat Depth", "Keyseat",
//                              7000, 5000, "html\\Keyseat.htm", "Keyway"}, parent) {
//           txtDia_ = AddEntryBox("txtDia", 600, 900, 1215, 285);
//           AddCommand(Command::Calculate, 5520, 3720);
//           AddDecimalPlacesBox(6000, 600);
//       }
//       void Calculate() override { ... }
//   };
//
// The screen is a frameless dialog that deletes itself when closed.

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>

#include "calc/CalcEnv.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/PrintAnswer.h"
#include "calc/ui/ValueSlots.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPainter;
class QScrollArea;

namespace calc {

enum class Command {
    Calculate,        // lblCalculate1/2 "CALCULATE"
    Reset,            // lblReset1/2 "RESET"
    Print,            // lblPrint1/2 "PRINT"
    Help,             // lblHelp1/2 "HELP"
    Close,            // lblClose1/2 "CLOSE"
    InchToMm,         // lblInch2MM1/2 "INCH TO MM"
    MmToInch,         // lblMM2Inch1/2 "MM TO INCH"
    AngleConversion,  // lblAngConvers1/2 "ANGLE CONVERSION"
    InchMetric,       // lblInchMetric1/2 "INCH SYSTEM"
    Copy,             // lblCopy1/2 "COPY ALL TO CLIPBOARD"
};

enum class UnitSystem { Inch, Metric };

// The two texts that show a unit system; the one place the screens take them from.
struct UnitCaptions {
    QString inch;
    QString metric;
    const QString& Of(UnitSystem units) const {
        return units == UnitSystem::Metric ? metric : inch;
    }
};
// "INCH SYSTEM" / "METRIC SYSTEM": the caption of a unit-switch command.
// The captions are English: they are also what the settings keep. UnitCaptionShown gives
// one in the language in force.
QString UnitCaptionShown(const QString& caption);
UnitCaptions SystemCaptions();
// "Inch" / "Metric": unit option buttons (and the stored unit of several screens).
UnitCaptions OptionCaptions();
// "INCH" / "MM": the short unit label of the pipe thread screen.
UnitCaptions ShortCaptions();

// One place a screen keeps its unit system: the texts stored for inch and metric.
struct UnitSetting {
    QString section;
    QString key;
    UnitCaptions stored;
    enum class Written { OnSwitch, OnClose } written = Written::OnSwitch;
    // A unit read here is applied through the switch (the screen's conversion runs even
    // when the unit is already in force), not only shown.
    bool appliedBySwitch = false;
};

// How INCH TO MM / MM TO INCH treat the declared lengths.
struct LengthRule {
    bool skipsEmpty = false;  // an empty box or field stays empty (else it becomes 0)
    // Nothing converts while every length entry box reads 0.
    bool needsTypedLength = false;
    // FormatValueDecimals ("#0" at no places) in place of FormatDecimals ("#0.").
    bool valuePattern = false;
};

// One place in a row of commands: a frame command (with its own caption, if given), the
// calculator picture, or a place the screen fills with a command of its own.
struct RowPlace {
    enum class Kind { Command, Calculator, Own };
    // Implicit, so that a row is written as the list of its commands.
    RowPlace(Command c, QString ownCaption = {})
        : kind(Kind::Command), command(c), caption(std::move(ownCaption)) {}
    static RowPlace Calculator() { return RowPlace(Kind::Calculator); }
    static RowPlace Own() { return RowPlace(Kind::Own); }

    Kind kind;
    Command command = Command::Calculate;
    QString caption;

private:
    explicit RowPlace(Kind k) : kind(k) {}
};

// Where a row of commands goes (twips): the first at (x, y), each next `step` further
// along, every one `size` wide and `height` high (`size` when 0).
struct CommandRow {
    int xTw = 0;
    int yTw = 0;
    int stepTw = 0;
    int sizeTw = 1215;
    int heightTw = 0;
    bool vertical = false;  // down the screen in place of across
};

struct ScreenSetup {
    QString objectName;     // "frmRtAngleV74"
    QString windowCaption;  // "Solve Right Angle Triangles"
    QString titleText;      // shown in the title strip: "Right Angle Trigonometry"
    int widthTw = 0;
    int heightTw = 0;
    QString helpTopic;   // "html\\RATriangle.htm"; empty: no help
    QString decimalKey;  // "RightAngle": decimal places kept in [DecimalPlaces]
    QString decimalSection = "DecimalPlaces";
    bool centre = true;  // centred on the display when it opens
    QColor background = kMenuBack;
    bool closesHelp = true;  // closing the screen closes the help windows
};

class CalcScreen : public QDialog {
    Q_OBJECT
public:
    CalcScreen(CalcEnv& env, const ScreenSetup& setup, QWidget* parent = nullptr);
    ~CalcScreen() override;

    CalcEnv& Env() const { return env_; }
    const ScreenSetup& Setup() const { return setup_; }

    // ---- What a screen provides --------------------------------------------------
    virtual void Calculate() {}
    virtual void Reset() {}
    // The print answer; line breaks are LF CR. Empty: PRINT does nothing.
    virtual QString PrintText() const { return {}; }
    // The diagram printed at the top-left of the page; none by default.
    virtual PrintPicture PrintDiagram() const { return {}; }
    // Entry boxes and result fields holding lengths, for INCH TO MM / MM TO INCH.
    virtual QList<QWidget*> LengthFields() const { return {}; }
    // INCH TO MM / MM TO INCH: when CanConvertLengths accepts, every length field is
    // converted by the length rule (nothing is written when one value would overflow),
    // then LengthsConverted runs. Only the hole screens, whose coordinate lists convert
    // in core, override this.
    virtual void ConvertLengths(bool toMillimetres);
    // Saves the decimal places under (decimalSection, decimalKey) and the unit system
    // under its settings written at close; screens that keep more call this base too.
    virtual void SaveSettings();
    // The INCH SYSTEM command: switches to the other unit system.
    virtual void InchMetric();

    // ---- Unit system -------------------------------------------------------------
    UnitSystem Units() const { return units_; }
    bool Metric() const { return units_ == UnitSystem::Metric; }
    // The caption showing the unit (the unit command's, say); empty when none shows it.
    QString UnitCaption() const;
    // Converts the screen's values to `units` (ConvertUnits), then shows the unit and
    // stores it under the settings written on a switch. A refused conversion changes
    // nothing. Switching to the unit in force does nothing unless `again`. False when
    // refused.
    bool SwitchUnits(UnitSystem units, bool again = false);
    // Paints the screen's own drawing (its diagram) under the controls.
    virtual void PaintBackground(QPainter&) {}
    virtual void CopyToClipboard() {}

    // ---- The frame's commands (run on release of their buttons) -----------------
    void Help();
    void Print();
    void InchToMm() { ConvertLengths(true); }
    void MmToInch() { ConvertLengths(false); }
    void OpenAngleConversion();
    void StartCalculator();
    // Help windows closed, settings saved, screen closed and deleted.
    void CloseScreen();

    // ---- The entry being typed in ------------------------------------------------
    // Command labels take no focus, so the box the machinist typed in last still has it
    // when a command runs. Every command of the screen (the frame's, those added with
    // AddScreenCommand / AddLabelCommand, and presses on the screen's option buttons,
    // check boxes and drop-down lists) first runs the leave check of the focused entry
    // box, with the same messages and focus rule as leaving it; a refusal stops the
    // command. RESET, HELP, CLOSE, the marks and the calculator picture run without it:
    // they use no entry.
    // True when no entry box with a check has the focus, or its check accepts.
    bool CheckPendingEntry();
    // Runs `action` when CheckPendingEntry accepts.
    void RunChecked(const std::function<void()>& action);

    // ---- Decimal places ----------------------------------------------------------
    // The count from txtDecPlaces (4 when the screen has no box).
    int DecimalPlaces() const;
    // How results are shown: 15 significant digits, then the decimal places.
    QString Format(double value) const;

    // ---- Print and angle conversion hooks ----------------------------------------
    void SetPrintHooks(const PrintHooks& hooks) { printHooks_ = hooks; }
    // The angle conversion screen comes from another library; the program (or a test)
    // tells the frame how to make it.
    using ScreenMaker = std::function<QWidget*(CalcEnv& env)>;
    static void SetAngleConversionMaker(ScreenMaker maker);
    // The screen opened by the last OpenAngleConversion, while it is open.
    QWidget* AngleConversionScreen() const { return angleScreen_; }

    // ---- The keyboard ---------------------------------------------------------------
    // The controls Tab runs through, in order: the entry boxes, option buttons, check
    // boxes and drop-down lists in reading order (rows from the top, left to right), then
    // the lists and text areas, then the commands, each in reading order. Hidden, disabled and
    // locked (read-only) controls are left out, and of a group of option buttons only the chosen
    // one is in.
    QList<QWidget*> TabChain() const;
    // The keys of the screen's commands, as their tooltips name them ("Alt+C").
    QString ShortcutTextOf(const QString& commandBaseName) const;
    // Whether the screen was put in a scrolled area to fit the screen it is shown on.
    bool Scrolled() const { return scroll_ != nullptr; }

    // Help lives in <program folder>/help/calculations; tests may point elsewhere.
    static QString HelpFolder();
    static void SetHelpFolder(const QString& folder);
    static inline const QString kHelpContents = QStringLiteral("Introduction.htm");

protected:
    // ---- Unit system: what a screen declares and its hooks -----------------------
    // The unit shows as the text of `label` (the unit command's caption, say).
    void ShowUnitsOn(QLabel* label, const UnitCaptions& captions = SystemCaptions());
    // The unit shows as the selected one of two option buttons, captioned `captions`;
    // choosing the other option switches (after the pending-entry check).
    void ShowUnitsOn(QRadioButton* inchOption, QRadioButton* metricOption,
                     const UnitCaptions& captions = OptionCaptions());
    // The desktop language's start: captions the options in the language and, for
    // German and French, switches to metric. Nothing without a language.
    void StartInLanguageUnits();
    // Where the unit is kept. The settings are read now, in order: each that holds one of
    // its two texts sets the unit (a text it does not know is passed over, so the
    // screen's design unit stays); they are written on each switch or at close.
    void KeepUnitsUnder(const QList<UnitSetting>& settings);
    // Sets the unit in force and shows it, converting nothing.
    void SetUnits(UnitSystem units);
    // Converts the screen's own values for a switch to `units`; false refuses it.
    virtual bool ConvertUnits(UnitSystem /*units*/) { return true; }
    // Shows the unit on the screen's own controls (beyond the declared captions).
    virtual void ShowUnits() {}
    // INCH TO MM / MM TO INCH: false (after the screen's message, if any) stops the
    // conversion (by default only under needsTypedLength); the screen's follow-up after it.
    virtual bool CanConvertLengths();
    virtual void LengthsConverted() {}
    void SetLengthRule(const LengthRule& rule) { lengthRule_ = rule; }
    // Multiplies the length `fields` by `factor` under the length rule: nothing is written
    // and "the converted length" is refused when one value would overflow. False then.
    bool ConvertFields(const QList<QWidget*>& fields, double factor);

    // ---- Building blocks for the screen's constructor (positions in twips) --------
    // `caption` replaces the standard caption ("CONVERT" on lblCalculate2, say).
    CommandButton* AddCommand(Command command, int xTw, int yTw, int wTw = 1215, int hTw = 1215,
                              const QString& caption = {});
    // A picture-label command of the screen's own (<baseName>1 / <baseName>2) whose
    // `action` runs on release after the pending-entry check.
    CommandButton* AddScreenCommand(const QString& baseName, const QString& caption,
                                    FaceDrawing drawing, int xTw, int yTw, int wTw, int hTw,
                                    std::function<void()> action);
    // A one-label command (MakeLabelCommand) whose `action` runs on release or Enter/Space
    // after the pending-entry check.
    PressLabel* AddLabelCommand(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                                int hTw, std::function<void()> action);
    // Makes a press on `control` (option button, check box, drop-down list, list) wait for
    // the pending-entry check: a refused entry swallows the press. AddCheckBox and
    // AddOption do this for their controls.
    void GuardControl(QWidget* control);
    CalculatorPicture* AddCalculatorPicture(int xTw, int yTw, int wTw = 1215, int hTw = 1215);
    // Lays out `places` along `row`; returns the rectangle (twips) of each place, so a
    // screen puts its own commands into the Own places.
    QList<QRect> AddCommandRow(const CommandRow& row, const QList<RowPlace>& places);
    // txtDecPlaces, set from the settings (or "4") and checked when left.
    QLineEdit* AddDecimalPlacesBox(int xTw, int yTw, int wTw = 615, int hTw = 285);
    QLineEdit* AddEntryBox(const QString& name, int xTw, int yTw, int wTw = 1215, int hTw = 285);
    // An entry box that starts with `text` ("0", say).
    QLineEdit* AddValueBox(const QString& name, const QString& text, int xTw, int yTw,
                           int wTw = 1215, int hTw = 285);
    // A result field: a sunken label (hidden or shown as the screen needs).
    QLabel* AddResultField(const QString& name, int xTw, int yTw, int wTw = 1215, int hTw = 285);
    // A value slot: its entry box over its hidden result field, `check` run on leaving the box.
    ValueSlot AddValueSlot(const QString& boxName, const QString& fieldName, int xTw, int yTw,
                           std::function<bool()> check);
    // A result field hidden until a result shows.
    QLabel* AddHiddenResultField(const QString& name, int xTw, int yTw, int wTw = 1215,
                                 int hTw = 285);
    QLabel* AddLabel(const QString& name, const QString& text, int xTw, int yTw, int wTw, int hTw);
    // The caption of a box: a label right-aligned against it.
    QLabel* AddCaption(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                       int hTw = 285);
    // A drop-down list whose presses wait for the pending-entry check.
    QComboBox* AddComboBox(const QString& name, int xTw, int yTw, int wTw, int hTw = 315);
    // Names and places a picture (any widget that paints itself).
    template <class Picture>
    Picture* AddPicture(Picture* picture, const QString& name, int xTw, int yTw, int wTw, int hTw) {
        PlaceWidget(picture, name, xTw, yTw, wTw, hTw);
        return picture;
    }
    // A picture painted by `paint` into its whole area (pixels).
    QWidget* AddPicture(const QString& name, int xTw, int yTw, int wTw, int hTw,
                        std::function<void(QPainter&, const QSizeF&)> paint);
    // Check boxes, option buttons and the frames that group them, on RGB 211, 233, 255.
    // An option button placed on a frame takes the frame as `parent` (positions are then
    // relative to the frame).
    QCheckBox* AddCheckBox(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                           int hTw, QWidget* parent = nullptr);
    QRadioButton* AddOption(const QString& name, const QString& text, int xTw, int yTw, int wTw,
                            int hTw, QWidget* parent = nullptr);
    // An option button of the usual height on an option group.
    QRadioButton* AddOption(QWidget* group, const QString& name, const QString& text, int xTw,
                            int yTw, int wTw) {
        return AddOption(name, text, xTw, yTw, wTw, 285, group);
    }
    QGroupBox* AddFrame(const QString& name, const QString& title, int xTw, int yTw, int wTw,
                        int hTw);
    // An untitled option group drawn as a plain bordered box.
    QGroupBox* AddOptionGroup(const QString& name, int xTw, int yTw, int wTw, int hTw);
    // Runs `check` when `box` (unless locked) loses the focus to another control of the screen;
    // false puts the focus back into the box. Checks never run while a message is
    // up, while the focus is being put back, or while the screen closes.
    void CheckOnLeave(QLineEdit* box, std::function<bool()> check);
    // Puts the focus back into `box` once the current event is done.
    void RefocusLater(QLineEdit* box);

    CommandButton* CommandButtonFor(Command command) const;
    // The pending-entry check of a focused control that is not a checked entry box (an
    // editable drop-down list, say); true accepts. Screens with such a control override it.
    virtual bool CheckPendingControl(QWidget* /*focused*/) { return true; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void reject() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceWidget(QWidget* widget, const QString& name, int xTw, int yTw, int wTw, int hTw);
    void RunCommand(Command command);
    // Enter, F1, Ctrl+P, Ctrl+C and the commands' Alt keys; run once, on the first show.
    void InstallKeys();
    // Puts the screen in a scrolled area when it is larger than the free area of the
    // display, and keeps it inside that area.
    void FitToScreen();
    // Texts of options, check boxes and one-line labels too wide for their place.
    void FitTexts();
    void CopySelection();
    QWidget* FirstEntryBox() const;
    void ShowUnitCaptions();
    void StoreUnits(UnitSetting::Written when) const;
    // The check registered for `box`, or nullptr.
    const std::function<bool()>* CheckFor(const QObject* box) const;
    bool RunCheck(QLineEdit* box, const std::function<bool()>& check);

    CalcEnv& env_;
    ScreenSetup setup_;
    TitleStrip* title_ = nullptr;
    MarkLabel* markX_ = nullptr;
    MarkLabel* markQuestion_ = nullptr;
    QLineEdit* decPlaces_ = nullptr;
    QList<QPair<Command, CommandButton*>> commands_;
    QList<CommandButton*> screenCommands_;
    QList<PressLabel*> labelCommands_;
    CalculatorPicture* calculator_ = nullptr;
    QList<QPair<QString, QString>> shortcutTexts_;
    QScrollArea* scroll_ = nullptr;
    bool shownOnce_ = false;
    QList<QPair<QLineEdit*, std::function<bool()>>> checks_;
    QList<QWidget*> guarded_;
    PrintHooks printHooks_;
    QPointer<QWidget> angleScreen_;
    QPointer<QLineEdit> refocusing_;
    UnitSystem units_ = UnitSystem::Inch;
    QPointer<QLabel> unitLabel_;
    UnitCaptions unitLabelCaptions_;
    QPointer<QRadioButton> inchOption_;
    QPointer<QRadioButton> metricOption_;
    QList<UnitSetting> unitSettings_;
    LengthRule lengthRule_;
    bool checking_ = false;
    bool closing_ = false;
    bool closed_ = false;
};

// Gives a check box, option button or frame the grouped-controls colour.
void ColourGroupedControl(QWidget* control);

// Caption, face drawing and base name of a command.
struct CommandLook {
    QString baseName;
    QString caption;
    FaceDrawing drawing;
};
CommandLook LookOf(Command command);

}  // namespace calc
