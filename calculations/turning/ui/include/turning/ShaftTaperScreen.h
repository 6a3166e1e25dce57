#pragma once

// The shaft taper screen: large and small diameter, length, the two angles and the
// taper (per foot in the inch system, 1:x in the metric system) of a turned taper.

#include "calc/ui/CalcScreen.h"
#include "calc/ui/ValueSlots.h"

class QLabel;
class QLineEdit;

namespace calc {

enum class TaperValue { Taper, Large, Small, Length, Included, PerSide };

class frmShaftTaperV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmShaftTaperV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;

    // The angles from the taper (inch system) and from the three dimensions (metric).
    void GetAngles();
    void GetMetricAngles();

    double RememberedAngle() const { return angle_; }

    // The turned taper with its dimensions, in a `size` pixel area.
    static void PaintDiagram(QPainter& painter, const QSizeF& size);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    // The readers: ParseEntryText for the dimensions, ParseTaperEntry for the taper.
    double Entry(TaperValue v) const;
    double TaperRead(const QString& text) const;
    double TaperBox() const;
    double TaperField() const;
    void ShowResult(TaperValue v, const QString& text);
    void MarkResult(TaperValue v);
    void ShowAngles(double anglePerSide);
    // Writes the taper derived from the angle per side; false when it has none.
    bool DeriveTaper(double anglePerSide);
    bool LeaveBox(TaperValue v);
    void Refuse(TaperValue v, const char* message = nullptr);
    void MarkFrom(TaperValue left);
    bool CalculateInch();
    bool CalculateMetric();
    // INCH SYSTEM / METRIC SYSTEM: the lengths convert, the taper per foot becomes a
    // ratio and back.
    bool ConvertUnits(UnitSystem units) override;
    bool ToMetric();
    bool ToInch();
    // The boxes and fields of D, d and L.
    QList<QWidget*> LengthSlots() const;
    QString PrintValue(TaperValue v) const;

    ValueSlots<TaperValue, 6> slots_;
    QLabel* lblTaper_;
    double angle_ = 0;
};

}  // namespace calc
