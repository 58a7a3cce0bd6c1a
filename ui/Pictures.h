#pragma once

#include <QImage>

class QPainter;

namespace tessora {

// Draws the part `area` (in the widget's own pixels) of a picture that covers the painter's
// widget from its top-left corner. A picture painted at the widget's own ratio goes onto the
// screen pixel for pixel; one painted for another ratio is drawn smoothly to the widget's size.
void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area);
// How many device pixels of a picture `pictureWidth` device pixels wide fall on each pixel of a
// widget `widgetWidth` pixels wide that it covers, at the widget's ratio: that ratio itself when
// the picture was painted for the widget (the two differ by less than a pixel of the widget,
// which the rounding of its size makes), so that it goes onto the screen pixel for pixel.
double PicturePixelsPerPixel(int pictureWidth, int widgetWidth, double widgetRatio);
// The size of a picture in layout pixels: its device pixels at its device pixel ratio, less the
// part of a device pixel by which a fractional ratio rounds a length up (see DeviceLength).
QSize LayoutSize(const QImage& picture);

}  // namespace tessora
