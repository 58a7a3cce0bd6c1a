#pragma once

#include <QImage>
#include <QWidget>

namespace tessora {

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
