#pragma once

// The thread measurement screen (three wires, six thread forms) and the taper pipe thread
// screen it opens for National Pipe Threads.

#include <QPointer>
#include <QString>
#include <functional>

#include "calc/ui/CalcScreen.h"
#include "threads/ThreadMeasure.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace calc {

class frmArbormateEDITORv74;
class ThreadPicture;
class frmNPTmeasureV74;

class frmThreadMeasureV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmThreadMeasureV74(CalcEnv& env, QWidget* parent = nullptr);

    // CALCULATE: checks the entries, forms the pitch and runs calculate.
    void Calculate() override;
    // CALCULATE BEST WIRE SIZE.
    void BestWireSize();
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    void SaveSettings() override;

    ThreadForm Form() const { return form_; }
    // The pipe screen opened by "National Pipe Thread", while it is open.
    frmNPTmeasureV74* PipeScreen() const { return pipe_; }

    // 1 / the TPI entry (25.4 / entry in millimetres): the pitch of a threads-per-inch entry.
    double calcThreadPitch() const;
    // The threads per inch of a pitch entry.
    double calcTPI() const;
    void FillcboNumOD();

private:
    void BuildOptionGroups();
    void BuildEntries();
    void BuildThreadData();
    void BuildChecks();
    void calculate(double pitch);
    void SelectForm(ThreadForm form);
    void OnFormSelected(ThreadForm form);
    void OpenPipeScreen();
    void ToPitchEntry();
    void ToTpiEntry();
    void SwitchToMetric();
    void SwitchToInch();
    bool ConvertUnits(UnitSystem units) override;
    void ConvertValues(double factor, bool convertEntry);
    void ApplyGiven();
    bool CheckEntry(QLineEdit* box, const std::string& name);
    ThreadUnits ThreadUnitsInForce() const {
        return Metric() ? ThreadUnits::Metric : ThreadUnits::Inch;
    }
    void Message(const char* text, const char* title = nullptr);
    QString PrintValue(QLineEdit* box, QLabel* field) const;

    QRadioButton* forms_[6] = {};
    QRadioButton* optNPT_ = nullptr;
    QRadioButton* optTPI_ = nullptr;
    QRadioButton* optThreadPitch_ = nullptr;
    QRadioButton* optPDia_ = nullptr;
    QRadioButton* optMOW_ = nullptr;
    QRadioButton* optNomDia_ = nullptr;
    QRadioButton* optInch_ = nullptr;
    QRadioButton* optMetric_ = nullptr;

    QLineEdit* txtTPIpitch_ = nullptr;
    QLineEdit* txtNomDia_ = nullptr;
    QLineEdit* txtActualWire_ = nullptr;
    QLineEdit* txtPitchDia_ = nullptr;
    QLineEdit* txtMOW_ = nullptr;
    QLineEdit* txtBestWire_ = nullptr;
    QLineEdit* txtMajDiaScr_ = nullptr;
    QLineEdit* txtMinDiaScr_ = nullptr;
    QLineEdit* txtMinDiaNut_ = nullptr;
    QLineEdit* txtHghtScr_ = nullptr;
    QLineEdit* txtHghtNut_ = nullptr;

    QLabel* lblPitchDia_ = nullptr;
    QLabel* lblMOW_ = nullptr;
    QLabel* lblNomDia_ = nullptr;
    QLabel* lblNomSize_ = nullptr;
    QLabel* lblCalcedThread_ = nullptr;
    QLabel* lblMinDiaScr_ = nullptr;
    QLabel* lblMinDiaNut_ = nullptr;
    QLabel* lblTPIpitchCaption_ = nullptr;
    QComboBox* cboNumOD_ = nullptr;
    ThreadPicture* picture_ = nullptr;

    ThreadForm form_ = ThreadForm::SixtyUn;
    // State of the last calculations.
    double pitch_ = 0;
    double factor_ = 0;
    double angle_ = 0;
    double bestWire_ = 0;
    QPointer<frmNPTmeasureV74> pipe_;
};

class frmNPTmeasureV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmNPTmeasureV74(CalcEnv& env, QWidget* parent = nullptr);

    // CALCULATE MOW.
    void Calculate() override;
    void Reset() override { ResetAll(); }
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    void SaveSettings() override {}

    void ChoosePipeSize(int row);
    void BestWireSizeCalc();
    void calcMOW();
    void ToTPI();
    void ToPitch();
    void ResetAll();
    // Runs once when the screen closes (the thread screen selects 60° UN).
    void SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The INCH / MM label: the chosen size converts from its exact values, typed values
    // from their boxes.
    bool ConvertUnits(UnitSystem units) override;

private:
    void BuildPipeSizes();
    void BuildValues();
    void BuildUnitsAndChecks();
    int Places() const;
    QString FormatPlaces(double value, int places) const;
    double UnitFactor() const { return Metric() ? 25.4 : 1.0; }
    bool LeaveLength();
    bool LeaveWire();
    bool LeaveDecimalPlaces();
    void SetBoth(QLineEdit* box, QLabel* label, const QString& text);
    void Message(const char* text);

    QListWidget* lstPipeSize_ = nullptr;
    QRadioButton* optTPI_ = nullptr;
    QRadioButton* optPitch_ = nullptr;
    QLineEdit* txtTPIpitch_ = nullptr;
    QLineEdit* txtTaperPerFoot_ = nullptr;
    QLineEdit* txtLargeDia_ = nullptr;
    QLineEdit* txtSmallDia_ = nullptr;
    QLineEdit* txtLength_ = nullptr;
    QLineEdit* txtAnglePerSide_ = nullptr;
    QLineEdit* txtActualWire_ = nullptr;
    QLineEdit* txtMOW_ = nullptr;
    QLineEdit* txtBWSNPT_ = nullptr;
    QLineEdit* txtDecPlaces_ = nullptr;
    QLabel* lblTPIpitch_ = nullptr;
    QLabel* lblTaper_ = nullptr;
    QLabel* lblTaperPerFoot_ = nullptr;
    QLabel* lblLargeDia_ = nullptr;
    QLabel* lblSmallDia_ = nullptr;
    QLabel* lblAnglePerSide_ = nullptr;
    QLabel* lblMOW_ = nullptr;
    QLabel* lblBWSNPT_ = nullptr;
    QLabel* lblTurns_ = nullptr;

    // The chosen size, exact and in inches whatever the unit shown.
    double e1_ = 0;
    double e0_ = 0;
    double ratio_ = 0;
    double angle_ = 0;
    double tpi_ = 0;
    double l1_ = 0;
    std::function<void()> onClose_;
};

// Puts the thread measurement screen on the menu (MEASURE THREADS).
void RegisterThreadScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
