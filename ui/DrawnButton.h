#pragma once

#include <QImage>
#include <QWidget>

namespace tessora {

// True between a mouse-down on any drawn button (of any window) and the next mouse-up on one.
struct ButtonPressedFlag {
    bool value = false;
};

// A picture button drawn from two images of the same size: the normal look, and the pressed look
// shown only while the button is held down with the pointer over it. Dragging out of the button
// before releasing cancels the press; dragging back in arms it again.
class DrawnButton : public QWidget {
    Q_OBJECT

  public:
    DrawnButton(QImage normal, QImage pressed, ButtonPressedFlag& buttonPressed,
                QWidget* parent = nullptr);

    // New pictures of the same layout size, painted for another screen ratio.
    void SetPictures(QImage normal, QImage pressed);

    // True while the pressed image is on show.
    bool pressedImageShown() const { return pressedShown_; }

  signals:
    // Released over the button after a press on it.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool Inside(const QPointF& position) const;
    void ShowPressedImage(bool shown);

    QImage normal_;
    QImage pressed_;
    ButtonPressedFlag& buttonPressed_;
    bool pressedShown_ = false;
};

}  // namespace tessora
