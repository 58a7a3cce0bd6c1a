#pragma once

#include <QAccessible>
#include <functional>

namespace tessora {

// Keyboard play is on when the player asked for it (--tastatur), and also while an assistive
// technology such as a screen reader is active. The switch tells `apply` at once, and again
// whenever an assistive technology comes or goes.
class KeyboardPlaySwitch : public QAccessible::ActivationObserver {
  public:
    KeyboardPlaySwitch(bool asked, std::function<void(bool on)> apply);
    ~KeyboardPlaySwitch() override;
    KeyboardPlaySwitch(const KeyboardPlaySwitch&) = delete;
    KeyboardPlaySwitch& operator=(const KeyboardPlaySwitch&) = delete;

    void accessibilityActiveChanged(bool active) override;

  private:
    bool asked_;
    std::function<void(bool on)> apply_;
};

}  // namespace tessora
