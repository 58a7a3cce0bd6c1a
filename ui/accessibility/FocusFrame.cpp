#include "ui/accessibility/FocusFrame.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tessora {

namespace {
constexpr QRgb kFrameGold = 0xFFFFD25A;
}  // namespace

void DrawFocusFrame(QPainter& painter, const QRect& area) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    // One layout pixel, rounded to whole device pixels (at least one).
    const int line = std::max(1, static_cast<int>(std::lround(ratio)));
    const auto device = [ratio](int length) {
        return static_cast<int>(std::lround(length * ratio));
    };
    const QRect frame(device(area.left()) + line, device(area.top()) + line,
                      device(area.width()) - 2 * line, device(area.height()) - 2 * line);

    painter.save();
    // Drawn in device pixels: the painter's scale undoes the screen ratio.
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor gold(kFrameGold);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), line), gold);
    painter.fillRect(QRect(frame.left(), frame.bottom() - line + 1, frame.width(), line), gold);
    painter.fillRect(QRect(frame.left(), frame.top(), line, frame.height()), gold);
    painter.fillRect(QRect(frame.right() - line + 1, frame.top(), line, frame.height()), gold);
    painter.restore();
}

void SetKeyboardFocusable(QWidget& control, bool on) {
    control.setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    if (!on && control.hasFocus()) control.clearFocus();
    control.update();
}

}  // namespace tessora
