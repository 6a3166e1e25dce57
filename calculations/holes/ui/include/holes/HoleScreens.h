#pragma once

// The bolt circle screen (modal) and the grid pattern screen (modeless): hole centres as
// coordinate lines ready to paste into a CNC program, on a reference chart, in inch or
// millimetre, on the clipboard and on paper.

#include <QFont>
#include <QString>
#include <optional>

#include "calc/ui/CalcScreen.h"
#include "holes/BoltCircle.h"
#include "holes/GridPattern.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace calc {

class frmArbormateEDITORv74;

// The answer box shows a coordinate list with plain line breaks; these give it back with
// CR LF, as the clipboard and the print take it.
QString AnswerWithCrLf(const QPlainTextEdit* answer);
void ShowCoordinateList(QPlainTextEdit* answer, const std::string& lines);

class frmBoltCircleV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmBoltCircleV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override;
    void Reset() override;
    QString PrintText() const override;
    PrintPicture PrintDiagram() const override;
    void ConvertLengths(bool toMillimetres) override;
    void CopyToClipboard() override;

    // The hole list and chart of the last successful Calculate or conversion.
    const std::optional<BoltCirclePattern>& Pattern() const { return pattern_; }
    const HoleChart& Chart() const { return chart_; }

    // pBoltCirc, the picture at the top of the print-out (its size in pixels).
    static QSize PrintPictureSize();
    static void PaintPrintPicture(QPainter& painter);

protected:
    void PaintBackground(QPainter& painter) override;

private:
    BoltCircleEntries Entries() const;
    // An empty start angle or centre becomes "0.0" once the entries are accepted.
    void FillEmptyEntries();
    // Keeps the pattern and its chart, and writes the answer text.
    void DrawCircles(BoltCirclePattern pattern);
    void PrintCoords();
    void ClearChart();

    QLineEdit* diameter_ = nullptr;
    QLineEdit* holes_ = nullptr;
    QLineEdit* startAngle_ = nullptr;
    QLineEdit* centreX_ = nullptr;
    QLineEdit* centreY_ = nullptr;
    QCheckBox* insertLine_ = nullptr;
    QLineEdit* insertText_ = nullptr;
    QPlainTextEdit* answer_ = nullptr;
    QFont numberFont_;
    std::optional<BoltCirclePattern> pattern_;
    HoleChart chart_;
};

class frmGridV74 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmGridV74(CalcEnv& env, QWidget* parent = nullptr);

    void Calculate() override { cmdCalculateClickSub(); }
    void cmdCalculateClickSub();
    void Reset() override;
    QString PrintText() const override;
    void ConvertLengths(bool toMillimetres) override;
    void CopyToClipboard() override;

    const std::optional<GridPattern>& Pattern() const { return pattern_; }
    const GridChart& Chart() const { return chart_; }

protected:
    void PaintBackground(QPainter& painter) override;

private:
    GridEntries Entries() const;
    void FillEmptyEntries();
    void DrawCircles(GridPattern pattern);
    void PrintCoords();
    bool CheckCount(QLineEdit* box, QLineEdit* stepBox, const std::string& name);
    bool CheckNumber(QLineEdit* box, const std::string& name);

    QLineEdit* startX_ = nullptr;
    QLineEdit* holesX_ = nullptr;
    QLineEdit* stepX_ = nullptr;
    QLineEdit* startY_ = nullptr;
    QLineEdit* holesY_ = nullptr;
    QLineEdit* stepY_ = nullptr;
    QCheckBox* insertLine_ = nullptr;
    QLineEdit* insertText_ = nullptr;
    QPlainTextEdit* answer_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QFont numberFont_;
    std::optional<GridPattern> pattern_;
    GridChart chart_;
};

// Puts the bolt circle (modal) and the grid pattern (modeless) on the menu.
void RegisterHoleScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
