#pragma once

// The chord screen: any two of arc radius, included angle, chord height, chord length
// and arc length give the other three.

#include <QString>

#include "calc/ui/CalcScreen.h"
#include "calc/ui/ValueSlots.h"
#include "geometry/Chords.h"

class QLabel;
class QLineEdit;

namespace calc {

class frmChordsV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmChordsV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    QList<QWidget*> LengthFields() const override;

    // The five values as last read or computed.
    const ChordValues& Values() const { return values_; }

    // The print diagram (171 x 146 pixels).
    static void PaintPrintDiagram(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    bool CheckBox(ChordValue v);

    ValueSlots<ChordValue, 5> slots_;
    ChordValues values_;
};

}  // namespace calc
