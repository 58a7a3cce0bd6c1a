#include "ui/DrawnButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/PictureBox.h"

namespace tessora {

DrawnButton::DrawnButton(QImage normal, QImage pressed, ButtonPressedFlag& buttonPressed,
                         QWidget* parent)
    : QWidget(parent),
      normal_(std::move(normal)),
      pressed_(std::move(pressed)),
      buttonPressed_(buttonPressed) {
    setFixedSize(LayoutSize(normal_));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawnButton::SetPictures(QImage normal, QImage pressed) {
    normal_ = std::move(normal);
    pressed_ = std::move(pressed);
    update();
}

void DrawnButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawPicture(painter, pressedShown_ ? pressed_ : normal_, rect());
}

void DrawnButton::mousePressEvent(QMouseEvent* /*event*/) {
    ShowPressedImage(true);
    buttonPressed_.value = true;
}

void DrawnButton::mouseMoveEvent(QMouseEvent* event) {
    if (!buttonPressed_.value) return;
    ShowPressedImage(Inside(event->position()));
}

void DrawnButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!buttonPressed_.value) return;
    buttonPressed_.value = false;
    // A release outside normally finds the pressed image already hidden by the last move out of
    // the button; hide it here as well so that no move in between cannot leave it showing.
    ShowPressedImage(false);
    if (Inside(event->position())) emit clicked();
}

// The second press of a double-click arrives as a double-click, not as a press: it neither shows
// the pressed image nor arms the button, so its release does nothing and a double-click acts
// once.
void DrawnButton::mouseDoubleClickEvent(QMouseEvent* /*event*/) {}

// The edges belong to the button: only positions beyond them are outside.
bool DrawnButton::Inside(const QPointF& position) const {
    return position.x() >= 0 && position.y() >= 0 && position.x() <= width() &&
           position.y() <= height();
}

void DrawnButton::ShowPressedImage(bool shown) {
    if (pressedShown_ == shown) return;
    pressedShown_ = shown;
    update();
}

}  // namespace tessora
