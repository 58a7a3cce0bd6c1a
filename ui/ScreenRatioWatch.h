#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace tessora {

// Tells a window when its pictures were painted for another ratio of device pixels than its
// screen now has: after a move to a screen of another density, or when the screen's density
// changed. It watches the window's screen changes and paints, compares the ratio the window
// wants with the one its pictures have, and runs `follow` from the event loop when they differ.
class ScreenRatioWatch : public QObject {
  public:
    ScreenRatioWatch(QWidget& window, std::function<double()> wantedRatio,
                     std::function<double()> paintedRatio, std::function<void()> follow);

    // Looks again after `milliseconds` (the window could not follow yet, or its size is still
    // settling).
    void CheckAfter(int milliseconds);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<double()> wantedRatio_;
    std::function<double()> paintedRatio_;
    std::function<void()> follow_;
    QTimer check_;
};

}  // namespace tessora
