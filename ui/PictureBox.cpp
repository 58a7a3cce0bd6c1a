#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace tessora {

void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area) {
    const qreal ratio = picture.devicePixelRatio();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRectF(area), picture,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

QSize LayoutSize(const QImage& picture) {
    return picture.deviceIndependentSize().toSize();
}

PictureBox::PictureBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFixedSize(LayoutSize(picture_));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicture(painter, picture_, event->rect());
}

}  // namespace tessora
