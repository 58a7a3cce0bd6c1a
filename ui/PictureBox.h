#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

namespace tessora {

// Draws the part `area` (in the widget's layout pixels) of a picture that covers the widget from
// its top-left corner. A picture painted at the screen's own ratio goes onto the screen pixel for
// pixel; at a fractional screen ratio it is drawn down smoothly from the next whole one.
void DrawPicture(QPainter& painter, const QImage& picture, const QRect& area);
// The size of a picture in layout pixels.
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
