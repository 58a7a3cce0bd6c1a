#include <algorithm>
#include <cmath>

#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

// The stones: moulded discs with a rounded rim, a groove and a slightly domed face, lit from the
// upper left. Each pixel on the disc averages 4 x 4 samples; samples beyond the disc's edge take
// the dark colour of a hole's edge, so the rim looks smooth although the mask edge is hard.
namespace tessora::artwork {

namespace {
using paint::Colour;

constexpr int kSamples = 4;
constexpr double kPi = 3.14159265358979;
constexpr double kLightX = -0.45, kLightY = -0.6, kLightZ = 0.66;
constexpr Colour kRimShadow{0.03, 0.05, 0.14};

struct StoneStyle {
    Colour body;
    double glow;  // light the stone gives off itself (the highlight stone)
};

constexpr StoneStyle kHuman{{0.82, 0.07, 0.05}, 0.0};
constexpr StoneStyle kComputer{{0.98, 0.75, 0.05}, 0.0};
constexpr StoneStyle kHighlight{{0.30, 0.98, 0.38}, 0.35};

// Height change per radius of the stone's profile at relative radius r (0 centre, 1 edge).
double ProfileSlope(double r) {
    if (r < 0.56) return -0.45 * r / 0.56;                          // domed face
    if (r < 0.61) return -1.5 * std::sin(kPi * (r - 0.56) / 0.05);  // into the groove
    if (r < 0.66) return 1.5 * std::sin(kPi * (r - 0.61) / 0.05);   // out of it
    if (r < 0.80) return 0.12;                                      // flat ring
    const double q = (r - 0.80) / 0.20;                             // rounded rim
    return -3.2 * q * std::sqrt(q);
}

Colour StoneSample(double dx, double dy, const StoneStyle& style) {
    const double d = std::hypot(dx, dy);
    const double r = d / paint::kStoneRadius;
    const double slope = ProfileSlope(r);
    const double ux = d > 0 ? dx / d : 0.0, uy = d > 0 ? dy / d : 0.0;
    double nx = -slope * ux, ny = -slope * uy, nz = 1.0;
    const double n = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= n, ny /= n, nz /= n;
    const double l = std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
    const double lx = kLightX / l, ly = kLightY / l, lz = kLightZ / l;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    // Half-way vector between light and viewer for the shine.
    double hx = lx, hy = ly, hz = lz + 1.0;
    const double h = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= h, hy /= h, hz /= h;
    const double shine = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), 48.0);

    const bool inGroove = r >= 0.56 && r < 0.66;
    const double occlusion = inGroove ? 0.78 : 1.0;
    Colour c = paint::Scale(style.body, (0.30 + 0.85 * diffuse) * occlusion);
    c = paint::Add(c, paint::Scale(style.body, style.glow * (1.0 - 0.5 * r)));
    const double gloss = 0.62 * shine;
    return paint::Add(c, Colour{gloss, gloss, gloss});
}

// Device pixel (x, y) of a stone painted at `ratio`; the samples per device pixel shrink with
// the ratio, so that a layout pixel gets as many at every ratio.
QRgb StonePixel(int x, int y, const StoneStyle& style, double ratio) {
    const int samples = std::max(1, static_cast<int>(kSamples / ratio));
    Colour sum{0, 0, 0};
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            const double dx = (x + (sx + 0.5) / samples) / ratio - paint::kStoneCentre;
            const double dy = (y + (sy + 0.5) / samples) / ratio - paint::kStoneCentre;
            const bool onStone = dx * dx + dy * dy <= paint::kStoneRadius * paint::kStoneRadius;
            sum = paint::Add(sum, onStone ? StoneSample(dx, dy, style) : kRimShadow);
        }
    }
    QRgb rgb = paint::ToRgb(paint::Scale(sum, 1.0 / (samples * samples)));
    // A stone pixel must never be pure white: white means "not part of the stone".
    if (rgb == paint::kWhite) rgb = qRgb(254, 254, 254);
    return rgb;
}

QImage PaintStone(const StoneStyle& style, double ratio) {
    QImage image = paint::NewImage(paint::kStoneSize, paint::kStoneSize, paint::kWhite, ratio);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (paint::InStoneDisc(x, y, ratio)) line[x] = StonePixel(x, y, style, ratio);
        }
    }
    return image;
}
}  // namespace

QImage HumanStone(double ratio) {
    return PaintStone(kHuman, ratio);
}
QImage ComputerStone(double ratio) {
    return PaintStone(kComputer, ratio);
}
QImage HighlightStone(double ratio) {
    return PaintStone(kHighlight, ratio);
}

QImage StoneMask(double ratio) {
    QImage image = paint::NewImage(paint::kStoneSize, paint::kStoneSize, paint::kWhite, ratio);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (paint::InStoneDisc(x, y, ratio)) image.setPixel(x, y, paint::kBlack);
        }
    }
    return image;
}

QImage ColumnMask(double ratio) {
    QImage image = paint::NewImage(paint::kStoneSize, kColumnMaskHeight, paint::kBlack, ratio);
    const int side = DeviceLength(paint::kStoneSize, ratio);
    for (int row = 0; row < kRowCount; ++row) {
        // The holes lie where the board's holes and the falling frames put them.
        const int top = DevicePosition(RowTop(row), ratio);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (paint::InStoneDisc(x, y, ratio)) image.setPixel(x, top + y, paint::kWhite);
            }
        }
    }
    return image;
}

}  // namespace tessora::artwork
