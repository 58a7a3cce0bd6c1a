#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace tessora {

void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area) {
    // Picture pixels per pixel of the widget, across and down.
    const QSize layout = LayoutSize(picture);
    const QPaintDevice& widget = *painter.device();
    const qreal ratio = picture.devicePixelRatio();
    const qreal across = ratio * layout.width() / widget.width();
    const qreal down = ratio * layout.height() / widget.height();
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

PictureBox::PictureBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFixedSize(LayoutSize(picture_));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicture(painter, picture_, event->rect());
}

}  // namespace tessora
