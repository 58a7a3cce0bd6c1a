#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/artwork/Artwork.h"

// The emblem of the game's maker, the Tessora Spielewerkstatt: a round navy badge with a gold
// rim, a gold cog for the workshop and a red playing stone at its hub.
namespace tessora::artwork {

namespace {
constexpr int kSize = 80;
constexpr double kCentre = kSize / 2.0;
constexpr int kTeeth = 10;
constexpr double kPi = 3.14159265358979;

// Radii from the middle, outside in.
struct Radii {
    double badge;
    double cogOuter;  // the tips of the teeth
    double cogInner;  // the ring the teeth stand on
    double cogHole;
    double stone;
};
constexpr Radii kRadius{38.0, 28.0, 23.0, 15.5, 12.0};

// The cog's outline: teeth with slanted flanks around a ring, the hub left open.
QPainterPath Cog() {
    QPainterPath teeth;
    for (int i = 0; i < kTeeth; ++i) {
        const double at = 2 * kPi * i / kTeeth;
        const double half = kPi / kTeeth;
        const auto point = [](double angle, double radius) {
            return QPointF(kCentre + radius * std::cos(angle), kCentre + radius * std::sin(angle));
        };
        if (i == 0) teeth.moveTo(point(at - half * 0.95, kRadius.cogInner));
        teeth.lineTo(point(at - half * 0.55, kRadius.cogOuter));
        teeth.lineTo(point(at + half * 0.55, kRadius.cogOuter));
        teeth.lineTo(point(at + half * 0.95, kRadius.cogInner));
        teeth.lineTo(point(at + half * 1.05, kRadius.cogInner));
    }
    teeth.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(kCentre, kCentre), kRadius.cogHole, kRadius.cogHole);
    return teeth.subtracted(hole);
}

void PaintBadge(QPainter& p) {
    QRadialGradient field(QPointF(kCentre - 10, kCentre - 12), kRadius.badge * 1.4);
    field.setColorAt(0.0, QColor(44, 70, 140));
    field.setColorAt(1.0, QColor(10, 18, 48));
    QLinearGradient rim(0, 0, 0, kSize);
    rim.setColorAt(0.0, QColor(255, 236, 150));
    rim.setColorAt(0.5, QColor(226, 160, 30));
    rim.setColorAt(1.0, QColor(150, 84, 8));
    p.setPen(QPen(QBrush(rim), 3.0));
    p.setBrush(field);
    p.drawEllipse(QPointF(kCentre, kCentre), kRadius.badge - 1.5, kRadius.badge - 1.5);
}

void PaintCog(QPainter& p) {
    QLinearGradient gold(0, kCentre - kRadius.cogOuter, 0, kCentre + kRadius.cogOuter);
    gold.setColorAt(0.0, QColor(255, 244, 190));
    gold.setColorAt(0.45, QColor(240, 190, 50));
    gold.setColorAt(1.0, QColor(170, 100, 10));
    p.setPen(QPen(QColor(70, 34, 4), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(Cog());
}

void PaintStone(QPainter& p) {
    const QPointF centre(kCentre, kCentre);
    QRadialGradient body(centre + QPointF(-4, -5), kRadius.stone * 1.5);
    body.setColorAt(0.0, QColor(255, 130, 110));
    body.setColorAt(0.55, QColor(210, 24, 16));
    body.setColorAt(1.0, QColor(110, 6, 4));
    p.setPen(QPen(QColor(60, 4, 2), 1.0));
    p.setBrush(body);
    p.drawEllipse(centre, kRadius.stone, kRadius.stone);
    // The groove of a moulded stone.
    p.setPen(QPen(QColor(120, 8, 6, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, kRadius.stone * 0.62, kRadius.stone * 0.62);
}
}  // namespace

QImage MakerLogo(double ratio) {
    QImage image(DeviceLength(kSize, ratio), DeviceLength(kSize, ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintBadge(p);
    PaintCog(p);
    PaintStone(p);
    p.end();
    return image;
}

}  // namespace tessora::artwork
