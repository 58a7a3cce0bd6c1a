#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

namespace tessora {

// Draws the part `area` (in the widget's own pixels) of a picture that covers the painter's
// widget from its top-left corner. A picture painted at the widget's own ratio goes onto the
// screen pixel for pixel; one painted for another ratio is drawn smoothly to the widget's size.
void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area);
// The size of a picture in layout pixels: its device pixels at its device pixel ratio, less the
// part of a device pixel by which a fractional ratio rounds a length up (see DeviceLength).
QSize LayoutSize(const QImage& picture);

// A picture box that shows a picture kept elsewhere (which must outlive it), repainting it
// whenever asked.
class PictureBox : public QWidget {
  public:
    explicit PictureBox(const QImage& picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& picture_;
};

}  // namespace tessora
