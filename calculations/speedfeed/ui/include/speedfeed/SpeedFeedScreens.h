#pragma once

// The speeds and feeds screen with its drill charts, and the materials surface-speed list
// it opens.

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

#include "calc/ui/CalcScreen.h"
#include "speedfeed/DrillCharts.h"
#include "speedfeed/SpeedFeedCalc.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace calc {

class CommandButton;
class PressLabel;
class frmArbormateEDITORv74;
class frmMaterialsV74;

class frmSpeedFeedV74 : public CalcScreen, private IDrillChartHost {
    Q_OBJECT
public:
    explicit frmSpeedFeedV74(CalcEnv& env, QWidget* parent = nullptr);
    ~frmSpeedFeedV74() override;

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;

    // MATERIAL LIST: opens the materials list modally (or brings the open one forward).
    frmMaterialsV74* OpenMaterials();
    frmMaterialsV74* MaterialsScreen() const { return materials_; }

    // "Surface Finish" opens the screen registered for the menu's surface finish picture;
    // without one the command is shown disabled. This registers one (or, empty, removes it)
    // where no menu does.
    static void SetSurfaceFinishMaker(ScreenMaker maker);
    void OpenSurfaceFinish();
    QWidget* SurfaceFinishScreen() const { return surfaceFinish_; }

    // lblShowHide released: shows or hides the drill point controls by its caption.
    void ToggleDrillingDisplay();
    bool DrillingShown() const;

    // For the materials list: the unit and the surface speed box.
    bool InchSelected() const;
    QLineEdit* SurfaceSpeedBox() const { return txtSSpeed_; }

    const DrillChartBook& Charts() const { return *charts_; }

private:
    // IDrillChartHost
    bool MetricSelected() const override;
    void SwitchToMetric() override;
    void SwitchToInch() override;

    void BuildControls();
    void BuildEntries();
    void BuildDrillCharts();
    void BuildDrilling();
    void BuildCommands();
    void BuildChecks();
    void LoadDrillCharts();
    void OnChartChosen(int position);
    void OnDrillPicked(int index);
    void ShowHide(bool visible);
    void ApplySpeedMode();
    void ApplyFeedMode();
    void DisplayInchCaption();
    void DisplayMetricCaption();
    bool ConvertUnits(UnitSystem units) override;
    bool CheckTeethOnLeave();
    bool CheckPendingControl(QWidget* focused) override;
    // Puts the focus back into the teeth list once the current event is done.
    void RefocusTeethLater();

    SpeedFeedBoxes ReadBoxes() const;
    void WriteBoxes(const SpeedFeedBoxes& boxes);
    SpeedFeedOptions Options() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

    QLineEdit* txtDia_ = nullptr;
    QLineEdit* txtSSpeed_ = nullptr;
    QLineEdit* txtRPM_ = nullptr;
    QLineEdit* txtFeedRev_ = nullptr;
    QLineEdit* txtFeedFlute_ = nullptr;
    QLineEdit* txtInchesPerMinute_ = nullptr;
    QLineEdit* txtPointAngle_ = nullptr;
    QLineEdit* txtDrlPoint_ = nullptr;
    QLineEdit* txtDrlDepth_ = nullptr;
    QLineEdit* txtTotalDepth_ = nullptr;
    QComboBox* cboNumFlutes_ = nullptr;
    QComboBox* cboChartName_ = nullptr;
    QComboBox* cboDrillCharts_ = nullptr;
    QRadioButton* optInch_ = nullptr;
    QRadioButton* optMetric_ = nullptr;
    QRadioButton* optSSpeed_ = nullptr;
    QRadioButton* optRPM_ = nullptr;
    QRadioButton* optFeedRev_ = nullptr;
    QRadioButton* optFeedFlute_ = nullptr;
    QRadioButton* optInchesPerMinute_ = nullptr;
    QWidget* drillPoint1b_ = nullptr;
    QWidget* drillPoint2b_ = nullptr;
    PressLabel* lblShowHide_ = nullptr;
    CommandButton* surfFin_ = nullptr;
    QList<QWidget*> drillingControls_;
    QWidget* topPointLength_ = nullptr;
    QWidget* bottomPointLen_ = nullptr;

    std::unique_ptr<DrillChartBook> charts_;
    bool fillingCharts_ = false;
    bool teethRefocusPending_ = false;
    QPointer<frmMaterialsV74> materials_;
    QPointer<QWidget> surfaceFinish_;
};

class frmMaterialsV74 : public CalcScreen {
    Q_OBJECT
public:
    // `speedFeed` receives the surface speed on copy; it may close first.
    frmMaterialsV74(CalcEnv& env, frmSpeedFeedV74* speedFeed, QWidget* parent = nullptr);

    // A row was picked (clicked, found or "Back to Top").
    void PickRow(int row);
    void Search();
    void BackToTop();
    // Copies the speed in the speeds and feeds screen's unit into its surface speed box.
    void CopySurfaceSpeed();

private:
    void SelectRow(int row);
    void SetListExpanded(bool expanded);

    QPointer<frmSpeedFeedV74> speedFeed_;
    QListWidget* lstMaterials_ = nullptr;
    QLabel* lblMaterialName_ = nullptr;
    QLineEdit* txtFPM_ = nullptr;
    QLineEdit* txtMPM_ = nullptr;
    QLineEdit* txtSearch_ = nullptr;
};

// Puts the speeds and feeds screen on the main menu.
void RegisterSpeedFeedScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
