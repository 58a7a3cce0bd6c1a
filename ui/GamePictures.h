#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "core/Shell.h"
#include "platform/BitBlt.h"
#include "ui/artwork/Paint.h"

class QWidget;

namespace tessora {

// Every picture of the main window as a 32-bit pixel buffer: the ones the game draws with and
// onto (board, stones, column mask, work areas) and the hidden sources of the play area (logo,
// its mask, the two background tiles). All are painted at one ratio of device pixels to layout
// pixels (that of the window's screen), and the game's surfaces carry it: the game draws in
// layout pixels, its bit blits reach every device pixel.
class GamePictures {
  public:
    explicit GamePictures(double ratio = 1);

    double ratio() const { return ratio_; }

    // The pixels of a game picture, writable. Fetch a fresh view for every drawing: the buffer
    // stays put as long as no copy of the image is held elsewhere.
    PixelView Surface(Picture picture);
    const QImage& Image(Picture picture) const;

    // The board as the game has drawn on it, and the empty board it starts from.
    const QImage& Board() const { return Image(Picture::Board); }
    const QImage& EmptyBoard() const { return emptyBoard_; }
    // Copies the empty board over the board, discarding every stone drawn on it.
    void RestoreBoard();

    QImage& Logo() { return logo_.picture; }
    QImage& LogoMask() { return logo_.mask; }
    const QImage& BackgroundTile() const { return backgroundTile_; }
    const QImage& OptionsTile() const { return optionsTile_; }

  private:
    double ratio_;
    std::array<QImage, 8> pictures_;  // by Picture value
    QImage emptyBoard_;
    artwork::paint::MaskedPicture logo_;
    QImage backgroundTile_;
    QImage optionsTile_;
};

// The ratio of device pixels to layout pixels the pictures of a widget are painted at: the
// widget's own, exactly, also a fractional one (a hair from a whole ratio counts as that
// ratio), and never below 1.
// A widget shown layoutScale times its layout size has as many more device pixels per layout
// pixel.
double PictureRatioOf(const QWidget& widget, double layoutScale = 1);

// A writable view on the pixels of an RGB32 image (detaches it from any shared copy), in layout
// pixels at the image's device pixel ratio.
PixelView ViewOf(QImage& image);
// A view for reading only, as a bit-blit source (no detach).
PixelView SourceViewOf(const QImage& image);
// Fills target with copies of tile from its top-left corner on (SRCCOPY, clipped at the edges);
// both at the same ratio.
void TileWith(QImage& target, const QImage& tile);
// A new RGB32 picture of layout size `size` at `ratio`, filled with one colour.
QImage NewPicture(QSize size, double ratio, QRgb fill);

}  // namespace tessora
