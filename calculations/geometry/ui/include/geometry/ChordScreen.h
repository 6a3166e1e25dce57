#pragma once

// The chord screen: any two of arc radius, included angle, chord height, chord length
// and arc length give the other three.

#include <QString>
#include <array>

#include "calc/ui/CalcScreen.h"
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
    void ConvertLengths(bool toMillimetres) override;

    // The five values as last read or computed.
    const ChordValues& Values() const { return values_; }

    // The print diagram (171 x 146 pixels).
    static void PaintPrintDiagram(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    struct Slot {
        QLineEdit* box;
        QLabel* field;
    };
    Slot& SlotOf(ChordValue v) { return slots_[static_cast<int>(v)]; }
    const Slot& SlotOf(ChordValue v) const { return slots_[static_cast<int>(v)]; }
    bool Present(ChordValue v) const;
    bool CheckBox(ChordValue v);
    void PairSwitch(ChordValue first, ChordValue second);
    QString PrintValue(ChordValue v) const;

    std::array<Slot, 5> slots_{};
    ChordValues values_;
};

}  // namespace calc
