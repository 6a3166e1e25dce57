#pragma once

// Screen layouts are given in twips; Qt works in logical pixels (15 twips each).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace calc {

constexpr int kTwipsPerPixel = 15;

constexpr int Tw(int twips) {
    return static_cast<int>(twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                                       : (twips - kTwipsPerPixel / 2) / kTwipsPerPixel);
}
inline QPoint TwPoint(int x, int y) {
    return {Tw(x), Tw(y)};
}
inline QSize TwSize(int w, int h) {
    return {Tw(w), Tw(h)};
}
inline QRect TwRect(int x, int y, int w, int h) {
    return {Tw(x), Tw(y), Tw(w), Tw(h)};
}

}  // namespace calc
