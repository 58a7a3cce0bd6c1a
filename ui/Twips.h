#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

#include "core/BoardGeometry.h"

namespace tessora {

// Window lengths are given in twips; Qt's device-independent pixels are the pixels here.
inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

// A control's place in its parent, in twips; a place given without a size is only a position.
struct TwipsPlace {
    int left;
    int top;
    int width = 0;
    int height = 0;

    QRect Pixels() const { return TwipsRect(left, top, width, height); }
    QPoint TopLeft() const { return Pixels().topLeft(); }
};

}  // namespace tessora
