#include "ui/PlayAreaView.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/BitBlt.h"
#include "ui/Pictures.h"
#include "ui/PlayArea.h"

namespace tessora {

namespace {
// The device rectangle a layout rectangle covers at `ratio` (as BitBlt covers it).
QRect DeviceRect(const QRect& layout, double ratio) {
    return QRect(DevicePosition(layout.x(), ratio), DevicePosition(layout.y(), ratio),
                 DeviceLength(layout.width(), ratio), DeviceLength(layout.height(), ratio));
}

// The same pixels, laid out one to one on device pixels.
QImage OneToOne(QImage image) {
    image.setDevicePixelRatio(1);
    return image;
}
}  // namespace

PlayAreaView::PlayAreaView(QWidget* parent) : QWidget(parent) {}

void PlayAreaView::SetPictures(QSize area, QImage tile, QImage part, QRect partPlace) {
    area_ = area;
    tile_ = std::move(tile);
    part_ = std::move(part);
    partPlace_ = partPlace;
    update();
}

void PlayAreaView::DrawDevicePixels(QPainter& painter, const QRect& deviceArea) const {
    const double ratio = tile_.devicePixelRatio();
    const QRect whole = DeviceRect(QRect(QPoint(), area_), ratio);
    painter.setClipRect(whole & deviceArea);
    painter.fillRect(whole & deviceArea, QColor::fromRgb(kPlayAreaGrey));
    // The tiles from the top-left corner on, each on the device pixels its bit blit would get.
    const QSize tileSize = LayoutSize(tile_);
    const QImage tile = OneToOne(tile_);
    for (int y = 0; y < area_.height(); y += tileSize.height()) {
        for (int x = 0; x < area_.width(); x += tileSize.width()) {
            const QRect place = DeviceRect(QRect(QPoint(x, y), tileSize), ratio);
            if (place.intersects(deviceArea)) painter.drawImage(place.topLeft(), tile);
        }
    }
    const QRect part = DeviceRect(partPlace_, ratio);
    if (part.intersects(deviceArea)) painter.drawImage(part.topLeft(), OneToOne(part_));
}

void PlayAreaView::paintEvent(QPaintEvent* event) {
    if (tile_.isNull()) return;
    QPainter painter(this);
    // Device pixels of the pictures per pixel of this widget: the widget's own ratio when the
    // pictures were painted for its size, otherwise they are drawn smoothly to it.
    const double across = PicturePixelsPerPixel(
        DeviceLength(area_.width(), tile_.devicePixelRatio()), width(), devicePixelRatioF());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setWorldTransform(QTransform::fromScale(1 / across, 1 / across));
    const QRect dirty =
        QRectF(QPointF(event->rect().topLeft()) * across, QSizeF(event->rect().size()) * across)
            .toAlignedRect();
    DrawDevicePixels(painter, dirty);
}

QImage PlayAreaView::Picture() const {
    const double ratio = tile_.devicePixelRatio();
    QImage picture(DeviceRect(QRect(QPoint(), area_), ratio).size(), QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        DrawDevicePixels(painter, picture.rect());
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

}  // namespace tessora
