#pragma once

#include <QProxyStyle>

namespace tessora {

// The application's style with every size it measures (margins, spacings, frame widths, round
// marks, icon sizes) `scale` times as large, for controls shown enlarged by the game's zoom.
class ScaledStyle : public QProxyStyle {
  public:
    explicit ScaledStyle(double scale);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

  private:
    double scale_;
};

}  // namespace tessora
