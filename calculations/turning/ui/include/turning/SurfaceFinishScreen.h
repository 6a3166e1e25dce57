#pragma once

// The surface finish screen: the scallop height and theoretical roughness left by a ball
// nose end mill or a lathe tool's nose radius.

#include "calc/ui/CalcScreen.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace calc {

class frmBallnoseV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmBallnoseV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;

    // The two diagrams, painted into a `size` pixel area.
    static void PaintBallNose(QPainter& painter, const QSizeF& size);
    static void PaintLatheTool(QPainter& painter, const QSizeF& size);

protected:
    // INCH SYSTEM / METRIC SYSTEM: the lengths and Ra convert.
    bool ConvertUnits(UnitSystem units) override;
    void ShowUnits() override;

private:
    void ApplyMill();
    void ApplyLathe();
    bool LeaveToolDia();
    bool LeaveNoseRadius();
    bool LeaveStepover();

    QRadioButton* optMill_;
    QRadioButton* optLathe_;
    QLineEdit* txtToolDia_;
    QLineEdit* txtTNR_;
    QLineEdit* txtStepover_;
    QLabel* label3_;
    QLabel* lblPeakHeight_;
    QLabel* lblSurfFin_;
    QLabel* unitSuffix_;
    QWidget* picLathe_;
};

}  // namespace calc
