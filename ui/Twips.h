#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cmath>

#include "core/BoardGeometry.h"

namespace tessora {

// Window lengths are given in twips; Qt's device-independent pixels are the pixels here, each
// length rounded to whole pixels as the bitmap copies round it (PixelsFromTwips).
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
                 PixelsFromTwips(height));
}

// A length or position of the layout (a font's pixel size, a margin, an edge) shown `scale` times
// as large, at the nearest whole pixel.
inline int ScaledPixels(double layout, double scale) {
    return static_cast<int>(std::lround(layout * scale));
}

// A rectangle of the layout shown `scale` times as large: its edges go to the nearest pixel, so
// that neighbouring rectangles stay neighbours. Unchanged at scale 1.
inline QRect Scaled(const QRect& rect, double scale) {
    if (scale == 1) return rect;
    const auto edge = [scale](int layout) { return ScaledPixels(layout, scale); };
    return QRect(QPoint(edge(rect.left()), edge(rect.top())),
                 QPoint(edge(rect.x() + rect.width()) - 1, edge(rect.y() + rect.height()) - 1));
}

// Puts a control on the pixels its layout rectangle covers when shown `scale` times as large,
// with that fixed size.
inline void PlaceScaled(QWidget* control, const QRect& layout, double scale) {
    const QRect shown = Scaled(layout, scale);
    control->setFixedSize(shown.size());
    control->move(shown.topLeft());
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
