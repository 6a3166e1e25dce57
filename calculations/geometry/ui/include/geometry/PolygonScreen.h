#pragma once

// The regular polygon screen: number of sides, across flats, across corners, side
// length, area and the volume of a bar; the drawing follows the number of sides.

#include <QString>
#include <vector>

#include "calc/Numeric.h"
#include "calc/ui/CalcScreen.h"
#include "geometry/Polygons.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace calc {

class frmPolygonsV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmPolygonsV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    QList<QWidget*> LengthFields() const override;

    // The check before Calculate and the conversions: the known box is given.
    bool Validate();
    // The number of sides last accepted and the corners drawn for it.
    int Sides() const { return sides_; }
    const std::vector<point>& Corners() const { return corners_; }

    // Paints the polygon drawing for `sides`, scaled to `scale` pixels per twip.
    static void PaintPolygonDiagram(QPainter& painter, int sides);

protected:
    void PaintBackground(QPainter& painter) override;
    bool CanConvertLengths() override;
    void LengthsConverted() override;

private:
    PolygonKnown Known() const;
    QLineEdit* KnownBox() const;
    std::string KnownName() const;
    void ApplyLocks();
    // The number of sides box: checked, the corners and the sector angle updated.
    bool CheckNumberOfSides();
    void ShowSectorAngle(bool formatted);
    void UpdateAreaVolume();

    QLineEdit* numSides_ = nullptr;
    QLineEdit* sectorAngle_ = nullptr;
    QLineEdit* flats_ = nullptr;
    QLineEdit* corners_box_ = nullptr;
    QLineEdit* chord_ = nullptr;
    QLineEdit* length_ = nullptr;
    QLabel* area_ = nullptr;
    QLabel* volume_ = nullptr;
    QRadioButton* optFlats_ = nullptr;
    QRadioButton* optCorners_ = nullptr;
    QRadioButton* optChord_ = nullptr;
    int sides_ = 6;
    std::vector<point> corners_;
};

}  // namespace calc
