#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include "ui/artwork/Artwork.h"

// The application icon: a small blue board with three columns of red and yellow stones.
namespace tessora::artwork {

namespace {
enum class Slot { Empty, Red, Yellow };

// Rows from the top, columns from the left.
constexpr Slot kSlots[3][3] = {
    {Slot::Empty, Slot::Empty, Slot::Yellow},
    {Slot::Empty, Slot::Red, Slot::Yellow},
    {Slot::Red, Slot::Yellow, Slot::Red},
};

QBrush StoneBrush(Slot slot, QPointF centre, double radius) {
    if (slot == Slot::Empty) return QColor(13, 28, 74);
    QRadialGradient shade(centre + QPointF(-0.25 * radius, -0.3 * radius), radius * 1.4);
    const bool red = slot == Slot::Red;
    shade.setColorAt(0.0, red ? QColor(255, 122, 106) : QColor(255, 243, 154));
    shade.setColorAt(1.0, red ? QColor(196, 26, 18) : QColor(224, 168, 0));
    return shade;
}
}  // namespace

QImage AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);

    QLinearGradient board(0, 16, 0, 116);
    board.setColorAt(0.0, QColor(58, 102, 224));
    board.setColorAt(1.0, QColor(26, 58, 156));
    p.setPen(QPen(QColor(14, 36, 102), 3.0));
    p.setBrush(board);
    p.drawRoundedRect(QRectF(8, 16, 112, 100), 12, 12);

    constexpr double kRadius = 11.0;
    p.setPen(QPen(QColor(14, 36, 102), 2.0));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QPointF centre(32 + 32 * column, 40 + 26 * row);
            p.setBrush(StoneBrush(kSlots[row][column], centre, kRadius));
            p.drawEllipse(centre, kRadius, kRadius);
        }
    }
    p.end();
    return image;
}

std::vector<QImage> AppIconImages() {
    std::vector<QImage> images;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        images.push_back(AppIcon(size));
    return images;
}

QIcon AppIconSet(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace tessora::artwork
