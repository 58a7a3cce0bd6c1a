#pragma once

#include <QImage>
#include <QSize>
#include <array>
#include <memory>

#include "core/Shell.h"
#include "platform/BitBlt.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

class QWidget;

namespace tessora {

// Every picture of the main window as a 32-bit pixel buffer: the ones the game draws with and
// onto (board, stones, column mask, work areas), the drawn buttons, and the hidden sources of
// the play area (logo, its mask, the two background tiles). All are painted at one ratio of
// device pixels to layout pixels (that of the window's screen), and the game's surfaces carry
// it: the game draws in layout pixels, its bit blits reach every device pixel.
//
// The pictures are painted from the moment the object is made by a helper thread, and by the
// user-interface thread whenever it waits for them (SharedJobs), the board in bands: both cores
// paint while the window is built. Each accessor waits for its pictures the first time it is
// used.
class GamePictures {
  public:
    explicit GamePictures(double ratio = 1);
    GamePictures(GamePictures&&) noexcept;
    GamePictures& operator=(GamePictures&&) noexcept;
    ~GamePictures();

    double ratio() const { return ratio_; }

    // The pixels of a game picture, writable. Fetch a fresh view for every drawing: the buffer
    // stays put as long as no copy of the image is held elsewhere.
    PixelView Surface(Picture picture);
    const QImage& Image(Picture picture) const;

    // The board as the game has drawn on it, and the empty board it starts from.
    const QImage& Board() const { return Image(Picture::Board); }
    // Where the board picture lies, for a view that shows it: it holds the board once the
    // board was waited for (by any use of it, or Finish).
    const QImage& BoardSlot() const { return pictures_[static_cast<int>(Picture::Board)]; }
    const QImage& EmptyBoard() const;
    // Puts the empty board back, discarding every stone drawn on it. Before the board is
    // painted this does nothing: it starts empty.
    void RestoreBoard();

    QImage& Logo();
    QImage& LogoMask();
    const QImage& BackgroundTile() const;
    const QImage& OptionsTile() const;
    // A drawn button of the main window, normal or pressed.
    const QImage& Button(artwork::ButtonId id, bool pressed) const;

    // Waits until every picture is painted.
    void Finish() const;

  private:
    struct Painting;  // the pictures still on their threads
    void AwaitBoard() const;
    void AwaitStones() const;
    void AwaitPlayArea() const;
    void AwaitButtons() const;

    double ratio_;
    // Filled in as the threads finish; the accessors wait for their part first.
    mutable std::array<QImage, 8> pictures_;  // by Picture value
    mutable QImage emptyBoard_;
    mutable artwork::paint::MaskedPicture logo_;
    mutable QImage backgroundTile_;
    mutable QImage optionsTile_;
    mutable std::array<QImage, 8> buttons_;  // the four main buttons, normal and pressed
    std::unique_ptr<Painting> painting_;
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
// Tiles the layout area `area` from its top-left corner through the view target (which may hold
// only a part of it, see PixelView's origin): every tile goes where it would on the whole area.
void TileArea(const PixelView& target, QSize area, const PixelView& tile);
// A new RGB32 picture of layout size `size` at `ratio`, filled with one colour.
QImage NewPicture(QSize size, double ratio, QRgb fill);

}  // namespace tessora
