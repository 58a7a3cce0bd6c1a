#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace tessora {

// The play area picContainer: the background tile repeated from its top-left corner, with the
// logo drawn over it through its mask. No picture of the whole area is kept: the tiles are drawn
// as the window asks for them, and only the logo's part of the area is a picture of its own,
// made by the same bit blits the whole area would be made by (see PixelView's origin), so every
// device pixel on the screen is what the whole picture would hold.
class PlayAreaView : public QWidget {
  public:
    explicit PlayAreaView(QWidget* parent = nullptr);

    // The area's size in layout pixels, its tile, and the part of it at `partPlace` (layout
    // pixels) painted with everything drawn onto the area; tile and part at one ratio.
    void SetPictures(QSize area, QImage tile, QImage part, QRect partPlace);

    // The area as it shows, at the pictures' ratio.
    QImage Picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Draws the area's device pixels within `deviceArea` with painter set to device pixels.
    void DrawDevicePixels(QPainter& painter, const QRect& deviceArea) const;

    QSize area_;
    QImage tile_;
    QImage part_;
    QRect partPlace_;
};

}  // namespace tessora
