#include "ui/GamePictures.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <future>

#include "core/BoardGeometry.h"
#include "ui/PictureBox.h"
#include "ui/artwork/Artwork.h"

namespace tessora {

namespace {
QImage Rgb32(QImage image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

int Slot(Picture picture) {
    return static_cast<int>(picture);
}
}  // namespace

double PictureRatioOf(const QWidget& widget, double layoutScale) {
    constexpr double kHair = 0.01;
    const double ratio = widget.devicePixelRatioF() * layoutScale;
    const double whole = std::round(ratio);
    return std::max(1.0, std::abs(ratio - whole) < kHair ? whole : ratio);
}

namespace {
PixelView ViewOfPixels(const QImage& image, std::uint32_t* pixels) {
    const QSize layout = LayoutSize(image);
    return PixelView{pixels, layout.width(), layout.height(),
                     static_cast<int>(image.bytesPerLine() / sizeof(std::uint32_t)),
                     image.devicePixelRatio()};
}
}  // namespace

PixelView ViewOf(QImage& image) {
    return ViewOfPixels(image, reinterpret_cast<std::uint32_t*>(image.bits()));
}

PixelView SourceViewOf(const QImage& image) {
    // BitBlt never writes through its source view.
    return ViewOfPixels(image,
                        reinterpret_cast<std::uint32_t*>(const_cast<uchar*>(image.constBits())));
}

void TileWith(QImage& target, const QImage& tile) {
    const PixelView to = ViewOf(target);
    const PixelView from = SourceViewOf(tile);
    for (int x = 0; x < to.width; x += from.width) {
        for (int y = 0; y < to.height; y += from.height) {
            BitBlt(to, x, y, from.width, from.height, from, 0, 0, RasterOp::SrcCopy);
        }
    }
}

QImage NewPicture(QSize size, double ratio, QRgb fill) {
    QImage picture(DeviceLength(size.width(), ratio), DeviceLength(size.height(), ratio),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(fill);
    return picture;
}

GamePictures::GamePictures(double ratio) : ratio_(ratio) {
    // The board takes longest to paint: it is painted on a second thread beside the others,
    // which shortens the wait for the first frame on a machine with more than one core.
    std::future<QImage> board =
        std::async(std::launch::async, [ratio] { return Rgb32(artwork::BoardPicture(ratio)); });
    logo_ = artwork::LogoWithMask(ratio);
    backgroundTile_ = Rgb32(artwork::BackgroundTile(ratio));
    optionsTile_ = Rgb32(artwork::OptionsTile(ratio));
    pictures_[Slot(Picture::HumanStone)] = Rgb32(artwork::HumanStone(ratio));
    pictures_[Slot(Picture::ComputerStone)] = Rgb32(artwork::ComputerStone(ratio));
    pictures_[Slot(Picture::HighlightStone)] = Rgb32(artwork::HighlightStone(ratio));
    pictures_[Slot(Picture::StoneMask)] = Rgb32(artwork::StoneMask(ratio));
    pictures_[Slot(Picture::Column)] = Rgb32(artwork::ColumnMask(ratio));
    for (Picture work : {Picture::FrameWork, Picture::SavedArea}) {
        pictures_[Slot(work)] = NewPicture(QSize(kStoneSide, kStoneSide), ratio, 0xFFFFFFFF);
    }
    emptyBoard_ = board.get();
    pictures_[Slot(Picture::Board)] = emptyBoard_.copy();
}

PixelView GamePictures::Surface(Picture picture) {
    return ViewOf(pictures_[Slot(picture)]);
}

const QImage& GamePictures::Image(Picture picture) const {
    return pictures_[Slot(picture)];
}

void GamePictures::RestoreBoard() {
    const PixelView empty = SourceViewOf(emptyBoard_);
    BitBlt(Surface(Picture::Board), 0, 0, empty.width, empty.height, empty, 0, 0,
           RasterOp::SrcCopy);
}

}  // namespace tessora
