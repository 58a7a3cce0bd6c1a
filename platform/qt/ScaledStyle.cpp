#include "platform/qt/ScaledStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

namespace tessora {

ScaledStyle::ScaledStyle(double scale)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), scale_(scale) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    return static_cast<int>(std::lround(size * scale_));
}

}  // namespace tessora
