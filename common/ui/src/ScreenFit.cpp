#include "common/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace common {

namespace {

class FittedScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const QSize inner = widget() ? widget()->sizeHint() : QSize();
        return inner + QSize(2 * frameWidth(), 2 * frameWidth());
    }
};

}  // namespace

QScrollArea* MakeFittedScrollArea(QWidget* body, QWidget* parent) {
    auto* area = new FittedScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(body);
    return area;
}

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void FitWindowToScreen(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QSize room(area.width() - kFrameAllowanceWidth, area.height() - kFrameAllowanceHeight);
    QSize wanted = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (wanted.height() < window->height())
        wanted.setWidth(std::min(room.width(), wanted.width() + window->style()->pixelMetric(
                                                                    QStyle::PM_ScrollBarExtent)));
    if (wanted != window->size()) window->resize(wanted);
    KeepOnScreen(window);
}

void KeepOnScreen(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const bool framed = !(window->windowFlags() & Qt::FramelessWindowHint);
    const int frameW = framed ? kFrameAllowanceWidth : 0;
    const int frameH = framed ? kFrameAllowanceHeight : 0;
    const int maxX = area.right() + 1 - window->width() - frameW;
    const int maxY = area.bottom() + 1 - window->height() - frameH;
    const int x = std::max(area.left(), std::min(window->x(), maxX));
    const int y = std::max(area.top(), std::min(window->y(), maxY));
    if (x != window->x() || y != window->y()) window->move(x, y);
}

}  // namespace common
