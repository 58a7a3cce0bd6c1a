#include "app/Zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

// Qt offers its global scale factor only through the QT_SCALE_FACTOR environment variable, read
// once when the application object starts. The factor for --zoom max depends on the screen,
// which is known only after that, so the factor is set through Qt's own setter for it, meant
// for the time before any window exists.
#include <QtGui/private/qhighdpiscaling_p.h>

#include "ui/PlayArea.h"

namespace tessora {

void SetUpApplication(const StartOptions& options) {
    QGuiApplication::setApplicationName(QStringLiteral("Tessora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSORA_APP_ID));
    ApplyZoom(options);
}

double ZoomToFit(QSizeF area) {
    return std::clamp(PlayAreaFit(area), kSmallestZoom, kLargestZoom);
}

double ApplyZoom(const StartOptions& options) {
    double zoom = options.zoom;
    if (options.zoomToScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) return 1;
        zoom = ZoomToFit(options.windowed ? screen->availableGeometry().size()
                                          : screen->geometry().size());
    }
    if (zoom == 1) return 1;
    bool given = false;
    const double environment = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    QHighDpiScaling::setGlobalFactor((given && environment > 0 ? environment : 1.0) * zoom);
    return zoom;
}

}  // namespace tessora
