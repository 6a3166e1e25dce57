#pragma once

// The keyseat depth screen: the machining dimensions A to G of a keyseat for a parallel key.

#include <array>

#include "calc/ui/CalcScreen.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace calc {

class frmKeyseatV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmKeyseatV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    QList<QWidget*> LengthFields() const override;

    // Picture1: shaft, key and hub with the dimensions A to G, in a `size` pixel area.
    static void PaintDiagram(QPainter& painter, const QSizeF& size);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    void CopyWidthToHeight();

    QLineEdit* txtKeyWidth_;
    QLineEdit* txtKeyHeight_;
    QLineEdit* txtShaftDia_;
    QCheckBox* chkSquare_;
    // A to G in letter order.
    std::array<QLabel*, 7> results_{};
};

}  // namespace calc
