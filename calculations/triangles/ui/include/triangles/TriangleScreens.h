#pragma once

// The right-angle triangle screen and the angle conversion screen.

#include <QString>
#include <array>

#include "calc/ui/CalcScreen.h"
#include "triangles/RightTriangle.h"

class QLabel;
class QLineEdit;

namespace calc {

class frmArbormateEDITORv74;

// Solves a right triangle from two known values, at least one a side.
class frmRtAngleV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmRtAngleV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    void ConvertLengths(bool toMillimetres) override;

    // The print diagram pRATriangle (187 x 141 pixels).
    static void PaintPrintDiagram(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    struct Slot {
        QLineEdit* box;
        QLabel* field;
    };
    Slot& SlotOf(RtValue v) { return slots_[static_cast<int>(v)]; }
    const Slot& SlotOf(RtValue v) const { return slots_[static_cast<int>(v)]; }
    bool Present(RtValue v) const;
    bool CheckBox(RtValue v);
    void PairSwitch(RtValue first, RtValue second);
    void UpdateArea();
    QString PrintValue(RtValue v) const;

    std::array<Slot, 5> slots_{};
    QLabel* area_ = nullptr;
};

// Converts an angle between degrees-minutes-seconds and decimal degrees.
class frmDegreeConvertV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmDegreeConvertV74(CalcEnv& env, QWidget* parent = nullptr);

    // CONVERT.
    void Calculate() override;
    void Reset() override;

    // False when the decimal entry cannot be split (after a message).
    bool DecimalPosToDegrees();
    void DegreesMinutesSecondsToDegrees();

private:
    bool CheckLimit60(QLineEdit* box, const char* message);

    QLineEdit* degree_;
    QLineEdit* minute_;
    QLineEdit* second_;
    QLineEdit* decimal_;
};

// Puts the right-angle triangle on the menu and makes ANGLE CONVERSION open
// frmDegreeConvertV74.
void RegisterTriangleScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
