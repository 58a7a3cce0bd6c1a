#include "ui/accessibility/KeyboardPlaySwitch.h"

namespace tessora {

KeyboardPlaySwitch::KeyboardPlaySwitch(bool asked, std::function<void(bool on)> apply)
    : asked_(asked), apply_(std::move(apply)) {
    QAccessible::installActivationObserver(this);
    apply_(asked_ || QAccessible::isActive());
}

KeyboardPlaySwitch::~KeyboardPlaySwitch() {
    QAccessible::removeActivationObserver(this);
}

void KeyboardPlaySwitch::accessibilityActiveChanged(bool active) {
    apply_(asked_ || active);
}

}  // namespace tessora
