#pragma once

#include <QImage>
#include <array>

#include "core/Shell.h"
#include "platform/BitBlt.h"
#include "ui/artwork/Paint.h"

namespace tessora {

// Every picture of the main window as a 32-bit pixel buffer: the ones the game draws with and
// onto (board, stones, column mask, work areas) and the hidden sources of the play area (logo,
// its mask, the two background tiles).
class GamePictures {
  public:
    GamePictures();

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
    std::array<QImage, 8> pictures_;  // by Picture value
    QImage emptyBoard_;
    artwork::paint::MaskedPicture logo_;
    QImage backgroundTile_;
    QImage optionsTile_;
};

// A writable view on the pixels of an RGB32 image (detaches it from any shared copy).
PixelView ViewOf(QImage& image);
// A view for reading only, as a bit-blit source (no detach).
PixelView SourceViewOf(const QImage& image);
// Fills target with copies of tile from its top-left corner on (SRCCOPY, clipped at the edges).
void TileWith(QImage& target, const QImage& tile);

}  // namespace tessora
