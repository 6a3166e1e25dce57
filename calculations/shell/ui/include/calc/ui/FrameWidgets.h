#pragma once

// The small widgets every calculator screen shares: picture-label command buttons,
// the "X" and "?" marks, the title strip that drags the window and the system
// calculator picture.

#include <QColor>
#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QString>

namespace calc {

inline const QColor kButtonFace(50, 117, 160);
inline const QColor kGroupBack(211, 233, 255);
inline const QColor kMenuBack(214, 239, 255);
inline const QColor kMarkXBack(255, 192, 192);

// A label that reports mouse presses and releases, and Enter/Space when it has the focus.
class PressLabel : public QLabel {
    Q_OBJECT
public:
    explicit PressLabel(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    // Enter or Space on the focused label.
    void keyActivated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A one-label command (white text on the button blue, reachable with Tab): press turns
// the text black, release white. Connect the action to released and keyActivated after
// this, so the text is white again when it runs.
PressLabel* MakeLabelCommand(QWidget* parent, const QString& name, const QString& text);

// Shows an open window again, raised and with the keyboard.
void BringToFront(QWidget* window);
// Shows a window opened over its owner (it must already be the owner's child window): it
// deletes itself when closed and, when `modal`, blocks the owner and the windows behind
// it while help windows stay usable beside it.
void ShowOwnedWindow(QWidget* window, bool modal = true);

enum class FaceDrawing {
    Calculate,
    Reset,
    Print,
    Help,
    Close,
    InchToMm,
    MmToInch,
    AngleConversion,
    InchMetric,
    Copy,
    Blank,
};

// The face of a command: a blue square with a white line drawing in its upper part.
class CommandFace : public PressLabel {
    Q_OBJECT
public:
    CommandFace(FaceDrawing drawing, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FaceDrawing drawing_;
};

// Paints one face drawing into `area` (white strokes); also used for the menu and tests.
void PaintFaceDrawing(QPainter& painter, FaceDrawing drawing, const QRectF& area);

// A command made of two labels, <base>1 (the face) and <base>2 (the caption, white text
// over the lower part of the face). Press on either turns the caption black; release
// turns it white and then emits triggered(). Enter/Space on the focused face (reached
// with Tab) runs the command too.
class CommandButton : public QObject {
    Q_OBJECT
public:
    // `faceRect` in pixels, relative to `parent`.
    CommandButton(QWidget* parent, const QString& baseName, const QString& caption,
                  FaceDrawing drawing, const QRect& faceRect);

    CommandFace* Face() const { return face_; }
    PressLabel* Caption() const { return caption_; }
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    // Names the command's key in its tooltip ("CALCULATE (Enter, Alt+C)").
    void SetShortcutText(const QString& keys);
    // Runs the command as a click does, when it is shown and enabled.
    void Trigger();
    // Whether the caption's text fits its label.
    bool CaptionFits() const;

signals:
    void triggered();

private:
    void OnPress();
    void OnRelease();
    void FitCaption();

    CommandFace* face_;
    PressLabel* caption_;
};

// "X" or "?" in the title strip: press turns the text white, release black, then
// triggered() is emitted. The marks take no focus.
class MarkLabel : public PressLabel {
    Q_OBJECT
public:
    MarkLabel(const QString& objectName, const QString& text, const QColor& background,
              QWidget* parent);

signals:
    void triggered();
};

// The strip across the top of a frameless window: dragging it with the left button
// (and only the left button) moves the window.
class TitleStrip : public QLabel {
    Q_OBJECT
public:
    TitleStrip(const QString& text, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint grab_;
    bool systemMove_ = false;
};

// The system calculator picture: PicRechner1 (shown), PicRechner2 (pressed look, hidden),
// PicRechner3 (spare used for the swap) and lblRechner1 over them. Press shows the
// pressed look, release the normal one and then emits triggered().
class CalculatorPicture : public QObject {
    Q_OBJECT
public:
    CalculatorPicture(QWidget* parent, const QRect& rect);
    // The label over the pictures that takes the presses.
    PressLabel* Label() const { return label_; }

signals:
    void triggered();

private:
    void Swap();

    QLabel* pic1_;
    QLabel* pic2_;
    QLabel* pic3_;
    PressLabel* label_;
    bool pressed_ = false;
};

// Paints the calculator picture into `area`; `pressed` gives the pressed-in look.
void PaintCalculatorPicture(QPainter& painter, const QRectF& area, bool pressed);

// A filled arrow head of the diagrams: its tip at `tip` (pixels), pointing along
// `direction`, `length` long and 2 * `halfWidth` wide at its base.
void FilledArrowHead(QPainter& painter, QPointF tip, QPointF direction, const QColor& colour,
                     double length = 6, double halfWidth = 2.5);

// Draws the two strokes of an arrow head whose tip is at `tipTwips` (twips, converted
// to the painter's pixels): "top", "bottom", "left" or "right"; any other word draws
// nothing.
void DrawArrowHead(QPainter& painter, const QString& direction, QPointF tipTwips);

}  // namespace calc
