#include "app/Zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "ui/PlayArea.h"

namespace tessora {

double ZoomToFit(QSizeF area, bool withPanel) {
    return std::clamp(PlayAreaFit(area, withPanel), kSmallestZoom, kLargestZoom);
}

double ZoomFactor(const StartOptions& options, QSizeF screen, QSizeF free) {
    if (!options.zoomToScreen) return options.zoom;
    return ZoomToFit(options.windowed ? free : screen, options.explain);
}

double ZoomForPrimaryScreen(const StartOptions& options) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    return ZoomFactor(options, screen->geometry().size(), screen->availableGeometry().size());
}

}  // namespace tessora
