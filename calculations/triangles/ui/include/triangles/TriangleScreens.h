#pragma once

// The right-angle and oblique triangle screens and the angle conversion screen.

#include <QPointer>
#include <QString>
#include <array>

#include "calc/ui/CalcScreen.h"
#include "calc/ui/ValueSlots.h"
#include "triangles/ObliqueTriangle.h"
#include "triangles/RightTriangle.h"

class QLabel;
class QLineEdit;
class QRadioButton;

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
    QList<QWidget*> LengthFields() const override;

    // The print diagram pRATriangle (187 x 141 pixels).
    static void PaintPrintDiagram(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;
    void LengthsConverted() override;

private:
    bool CheckBox(RtValue v);
    void UpdateArea();

    ValueSlots<RtValue, 5> slots_;
    QLabel* area_ = nullptr;
};

// What the alternate answer screen shows: the main screen's A, a and b as they stand and
// the second solution's B, C and c formatted with the main screen's decimal places.
struct AlternateObliqueTexts {
    QString angleA, sideA, sideB;
    QString angleB, angleC, sideC;
};

// The second solution of two sides and the opposite angle; closes only through "X".
class frmAlternateObliqueV74 : public CalcScreen {
    Q_OBJECT
public:
    frmAlternateObliqueV74(CalcEnv& env, const AlternateObliqueTexts& texts,
                           QWidget* parent = nullptr);

protected:
    void PaintBackground(QPainter& painter) override;
};

// Solves any triangle from three values in one of four arrangements.
class frmObliqueTriangleV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmObliqueTriangleV74(CalcEnv& env, QWidget* parent = nullptr);

    // CALCULATE (cmdCalculateClickSub).
    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    QList<QWidget*> LengthFields() const override;

    ObliqueCase Arrangement() const;
    // The whole-screen check of the selected arrangement's values.
    bool Validate();
    // The alternate answer screen, while it is open.
    frmAlternateObliqueV74* AlternateScreen() const { return alternate_; }

    // The print diagram pObTriangle (152 x 137 pixels).
    static void PaintPrintDiagram(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;
    bool CanConvertLengths() override;
    void LengthsConverted() override;

private:
    enum Box { SideA = 0, SideB, SideC, AngleA, AngleB, AngleC };
    void ApplyLocks();
    void UpdateArea();
    void OfferAlternate();
    double Value(Box box) const;
    std::string NameOf(Box box) const;

    std::array<QLineEdit*, 6> boxes_{};
    std::array<QRadioButton*, 4> options_{};
    QLabel* area_ = nullptr;
    QPointer<frmAlternateObliqueV74> alternate_;
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
    bool CheckLimit60(QLineEdit* box, const QString& message);

    QLineEdit* degree_;
    QLineEdit* minute_;
    QLineEdit* second_;
    QLineEdit* decimal_;
};

// Puts the right-angle and oblique triangles on the menu and makes ANGLE CONVERSION open
// frmDegreeConvertV74.
void RegisterTriangleScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
