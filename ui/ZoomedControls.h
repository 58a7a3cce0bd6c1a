#pragma once

#include <QGroupBox>
#include <QRadioButton>

namespace tessora {

// An option button and a frame that the style draws at their layout size and the painter
// enlarges: lines, round marks and lettering grow together and stay sharp, as they do when
// the whole screen is scaled. At the layout's own size they are the plain controls.
class ZoomedOption : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

    // Shown `zoom` times `layoutSize`; the control's own size is set by its parent.
    void SetZoom(double zoom, QSize layoutSize);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole enlarged control takes the click, as its lettering and mark do unenlarged.
    bool hitButton(const QPoint& position) const override;

  private:
    double zoom_ = 1;
    QSize layoutSize_;
};

class ZoomedFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

    void SetZoom(double zoom, QSize layoutSize);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double zoom_ = 1;
    QSize layoutSize_;
};

}  // namespace tessora
