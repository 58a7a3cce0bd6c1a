#include "ui/artwork/Artwork.h"

#include <QPainter>

// Plain stand-in pictures with the right sizes and masks, replaced by the finished artwork.
namespace tessora::artwork {

namespace {
QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Disc(QRgb disc, QRgb around) {
    QImage image = Filled(40, 40, around);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(disc));
    p.drawEllipse(2, 2, 36, 36);
    return image;
}
}  // namespace

QImage BoardPicture() {
    QImage image = Filled(440, 345, 0xFF1E40C0);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) p.drawEllipse(20 + 60 * c + 2, 15 + 55 * r + 2, 36, 36);
    }
    return image;
}
QImage HumanStone() { return Disc(0xFFE02020, 0xFFFFFFFF); }
QImage ComputerStone() { return Disc(0xFFF0D020, 0xFFFFFFFF); }
QImage HighlightStone() { return Disc(0xFF20C040, 0xFFFFFFFF); }
QImage StoneMask() { return Disc(0xFF000000, 0xFFFFFFFF); }
QImage ColumnMask() {
    QImage image = Filled(40, 330, 0xFF000000);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int r = 0; r < 6; ++r) p.drawEllipse(2, 15 + 55 * r + 2, 36, 36);
    return image;
}
QImage Logo() { return Filled(273, 66, 0xFF2050E0); }
QImage LogoMask() { return Filled(273, 66, 0xFF000000); }
QImage BackgroundTile() { return Filled(128, 128, 0xFF303848); }
QImage OptionsTile() { return Filled(94, 38, 0xFF505868); }
QImage Button(ButtonId id, bool pressed) {
    return Filled(id == ButtonId::Exit ? 89 : 110, 27, pressed ? 0xFF808080 : 0xFFC0C0C0);
}
QImage InstructionsHeading() { return Filled(300, 50, 0xFF2050E0); }
QImage InstructionsHeadingMask() { return Filled(300, 50, 0xFF000000); }
QImage AppIcon(int size) { return Filled(size, size, 0xFF1E40C0); }

}  // namespace tessora::artwork
