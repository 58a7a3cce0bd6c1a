#include "ui/ScreenRatioWatch.h"

#include <QEvent>
#include <QWidget>

namespace tessora {

ScreenRatioWatch::ScreenRatioWatch(QWidget& window, std::function<double()> wantedRatio,
                                   std::function<double()> paintedRatio,
                                   std::function<void()> follow)
    : QObject(&window),
      wantedRatio_(std::move(wantedRatio)),
      paintedRatio_(std::move(paintedRatio)),
      follow_(std::move(follow)) {
    check_.setSingleShot(true);
    connect(&check_, &QTimer::timeout, this, [this] {
        if (wantedRatio_() != paintedRatio_()) follow_();
    });
    window.installEventFilter(this);
}

void ScreenRatioWatch::CheckAfter(int milliseconds) {
    check_.start(milliseconds);
}

bool ScreenRatioWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) CheckAfter(0);
    // A paint at another ratio than the pictures' is the sign that the density changed.
    if (event->type() == QEvent::Paint && !check_.isActive() && wantedRatio_() != paintedRatio_()) {
        CheckAfter(0);
    }
    return false;
}

}  // namespace tessora
