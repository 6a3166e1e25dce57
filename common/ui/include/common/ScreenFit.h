#pragma once

// Keeping windows on the screen: at large font sizes or scale factors a window laid out
// for a normal screen can be taller than the display.

#include <QRect>

class QScrollArea;
class QWidget;

namespace common {

// The area of the screen `window` is on (the primary screen before it is shown) that
// panels and docks leave free.
QRect AvailableArea(const QWidget* window);

// Room the window manager's frame takes around a window's contents.
inline constexpr int kFrameAllowanceWidth = 16;
inline constexpr int kFrameAllowanceHeight = 40;

// Shrinks a resizable top-level window, frame included, to the available area (never below
// its minimum size; wider by a scroll bar when it gets lower) and moves it inside that area.
void FitWindowToScreen(QWidget* window);

// A frameless scrolled area for `body` (which has its layout) that asks for the room to
// show all of it: at normal sizes nothing scrolls, and a window cut down by
// FitWindowToScreen scrolls its body instead of squeezing it.
QScrollArea* MakeFittedScrollArea(QWidget* body, QWidget* parent);

// Moves a window so that as much of it as fits lies inside the available area.
void KeepOnScreen(QWidget* window);

}  // namespace common
