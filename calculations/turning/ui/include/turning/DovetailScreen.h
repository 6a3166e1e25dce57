#pragma once

// The dovetail screen: a dovetail measured over precision rolls. Two known dimensions
// (ticked) with the roll diameter and the angle give the other three.

#include <array>

#include "calc/ui/CalcScreen.h"
#include "turning/Dovetail.h"

class QCheckBox;
class QLineEdit;

namespace calc {

class frmDovetaillV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmDovetaillV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    // The six lengths, ticked or not; Validate runs before they convert.
    QList<QWidget*> LengthFields() const override;

    // Counts the ticks and locks what they rule out.
    void ValidateCheckBox();
    // True when the data may be solved; otherwise shows why.
    bool Validate();

    // The saddle with its slot and the way with its tenon, each with its rolls and
    // dimensions, in a `size` pixel area.
    static void PaintDiagram(QPainter& painter, const QSizeF& size, bool withLeaders);

protected:
    void PaintBackground(QPainter& painter) override;
    bool CanConvertLengths() override;

private:
    struct Dim {
        QCheckBox* check;
        QLineEdit* box;
    };
    Dim& DimOf(DovetailDim d) { return dims_[static_cast<int>(d)]; }
    const Dim& DimOf(DovetailDim d) const { return dims_[static_cast<int>(d)]; }
    DovetailData Data() const;
    std::string NameOf(DovetailDim d) const;

    std::array<Dim, kDovetailDims> dims_{};
    QLineEdit* txtRollDiameter_;
    QLineEdit* txtAngle_;
    short tickCount_ = 0;
};

}  // namespace calc
