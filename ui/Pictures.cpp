#include "ui/Pictures.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace tessora {

double PicturePixelsPerPixel(int pictureWidth, int widgetWidth, double widgetRatio) {
    if (std::abs(pictureWidth - widgetWidth * widgetRatio) <= widgetRatio) return widgetRatio;
    return pictureWidth / double(widgetWidth);
}

void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area) {
    // Picture pixels per pixel of the widget, across and down.
    const QPaintDevice& widget = *painter.device();
    const double ratio = widget.devicePixelRatioF();
    const qreal across = PicturePixelsPerPixel(picture.width(), widget.width(), ratio);
    const qreal down = PicturePixelsPerPixel(picture.height(), widget.height(), ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRectF(area), picture,
        QRectF(area.x() * across, area.y() * down, area.width() * across, area.height() * down));
}

QSize LayoutSize(const QImage& picture) {
    constexpr double kRoundingSlack = 1e-6;
    const qreal ratio = picture.devicePixelRatio();
    return QSize(static_cast<int>(std::floor(picture.width() / ratio + kRoundingSlack)),
                 static_cast<int>(std::floor(picture.height() / ratio + kRoundingSlack)));
}

}  // namespace tessora
