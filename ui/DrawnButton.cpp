#include "ui/DrawnButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Pictures.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/accessibility/FocusFrame.h"

namespace tessora {

namespace {
// The keys that press a focused button in keyboard play.
bool IsPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

DrawnButton::DrawnButton(QImage normal, QImage pressed, ButtonPressedFlag& buttonPressed,
                         QWidget* parent)
    : QWidget(parent),
      normal_(std::move(normal)),
      pressed_(std::move(pressed)),
      buttonPressed_(buttonPressed) {
    setFixedSize(LayoutSize(normal_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallAccessibleInterfaces();
}

void DrawnButton::SetPictures(QImage normal, QImage pressed) {
    normal_ = std::move(normal);
    pressed_ = std::move(pressed);
    update();
}

void DrawnButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawPicture(painter, pressedShown_ ? pressed_ : normal_, rect());
    if (keyboardPlay_ && hasFocus()) DrawFocusFrame(painter, rect());
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

void DrawnButton::SetKeyboardPlay(bool on) {
    keyboardPlay_ = on;
    SetKeyboardFocusable(*this, on);
}

void DrawnButton::Press() {
    if (!isEnabled() || !isVisible()) return;
    // As after a press and a release over the button: the shared flag is cleared and the normal
    // image shows.
    buttonPressed_.value = false;
    ShowPressedImage(false);
    emit clicked();
}

// Like a mouse button: the key's press shows the pressed image, its release acts. A held key's
// repeats do nothing, so a message box that the action opens is not answered by them.
void DrawnButton::keyPressEvent(QKeyEvent* event) {
    if (!keyboardPlay_ || !IsPressKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat() || heldKey_ != 0) return;
    heldKey_ = event->key();
    ShowPressedImage(true);
}

void DrawnButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || heldKey_ == 0 || event->key() != heldKey_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    heldKey_ = 0;
    Press();
}

// Leaving the button with a key held cancels the press.
void DrawnButton::focusOutEvent(QFocusEvent* event) {
    if (heldKey_ != 0) {
        heldKey_ = 0;
        ShowPressedImage(false);
    }
    QWidget::focusOutEvent(event);
}

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
