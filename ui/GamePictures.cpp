#include "ui/GamePictures.h"

#include "ui/artwork/Artwork.h"

namespace tessora {

namespace {
constexpr int kStoneSide = 40;

QImage Rgb32(QImage image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

int Slot(Picture picture) {
    return static_cast<int>(picture);
}
}  // namespace

PixelView ViewOf(QImage& image) {
    auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    return PixelView{pixels, image.width(), image.height(),
                     static_cast<int>(image.bytesPerLine() / sizeof(std::uint32_t))};
}

PixelView SourceViewOf(const QImage& image) {
    // BitBlt never writes through its source view.
    auto* pixels = reinterpret_cast<std::uint32_t*>(const_cast<uchar*>(image.constBits()));
    return PixelView{pixels, image.width(), image.height(),
                     static_cast<int>(image.bytesPerLine() / sizeof(std::uint32_t))};
}

void TileWith(QImage& target, const QImage& tile) {
    const PixelView to = ViewOf(target);
    const PixelView from = SourceViewOf(tile);
    for (int x = 0; x < target.width(); x += tile.width()) {
        for (int y = 0; y < target.height(); y += tile.height()) {
            BitBlt(to, x, y, tile.width(), tile.height(), from, 0, 0, RasterOp::SrcCopy);
        }
    }
}

GamePictures::GamePictures()
    : emptyBoard_(Rgb32(artwork::BoardPicture())),
      logo_(artwork::LogoWithMask()),
      backgroundTile_(Rgb32(artwork::BackgroundTile())),
      optionsTile_(Rgb32(artwork::OptionsTile())) {
    pictures_[Slot(Picture::Board)] = emptyBoard_.copy();
    pictures_[Slot(Picture::HumanStone)] = Rgb32(artwork::HumanStone());
    pictures_[Slot(Picture::ComputerStone)] = Rgb32(artwork::ComputerStone());
    pictures_[Slot(Picture::HighlightStone)] = Rgb32(artwork::HighlightStone());
    pictures_[Slot(Picture::StoneMask)] = Rgb32(artwork::StoneMask());
    pictures_[Slot(Picture::Column)] = Rgb32(artwork::ColumnMask());
    for (Picture work : {Picture::FrameWork, Picture::SavedArea}) {
        pictures_[Slot(work)] = QImage(kStoneSide, kStoneSide, QImage::Format_RGB32);
        pictures_[Slot(work)].fill(Qt::white);
    }
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
