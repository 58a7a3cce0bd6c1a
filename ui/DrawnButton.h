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

    // Keyboard play: the button takes the focus (Tab) and shows it with a frame, and Space or
    // Enter presses it. Off, the button takes no focus and no keys.
    void SetKeyboardPlay(bool on);
    // What a click (a press and a release over the button) does, for the keyboard and for
    // assistive technology. A disabled or hidden button takes no clicks and does nothing.
    void Press();

  signals:
    // Released over the button after a press on it.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool Inside(const QPointF& position) const;
    void ShowPressedImage(bool shown);

    QImage normal_;
    QImage pressed_;
    ButtonPressedFlag& buttonPressed_;
    bool pressedShown_ = false;
    bool keyboardPlay_ = false;
    // The key (Space or Enter) held down on the button, 0 when none.
    int heldKey_ = 0;
};

}  // namespace tessora
