#include <algorithm>
#include <cmath>

#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

// The board: blue plastic with a bevelled edge and 7 x 6 round holes, each with a raised lip
// and a view through to the light wall behind the board. Every pixel is worked out from its
// distance to the nearest hole, so the holes match the stone disc exactly.
namespace tessora::artwork {

namespace {
using paint::Colour;

constexpr int kWidth = 440;
constexpr int kHeight = 345;
constexpr int kColumns = 7;
constexpr int kRows = 6;
constexpr int kFirstLeft = 20;  // left edge of column 0's hole
constexpr int kFirstTop = 15;   // top edge of row 0's hole
constexpr int kColumnStep = 60;
constexpr int kRowStep = 55;
constexpr double kLipWidth = 5.0;  // the raised ring around each hole
constexpr double kBevel = 5.0;     // the rounded outer edge of the board

// Light falls from the upper left, towards the viewer.
constexpr double kLightX = -0.45, kLightY = -0.6, kLightZ = 0.66;

constexpr Colour kPlasticTop{0.16, 0.36, 0.86};
constexpr Colour kPlasticBottom{0.07, 0.18, 0.55};
constexpr Colour kEdgeDark{0.02, 0.05, 0.16};
constexpr Colour kWallLight{0.80, 0.86, 0.95};
constexpr Colour kWallShade{0.30, 0.37, 0.52};

double Lambert(double nx, double ny, double nz) {
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    const double lightLength = std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
    const double dot = (nx * kLightX + ny * kLightY + nz * kLightZ) / (length * lightLength);
    const double flat = kLightZ / lightLength;
    return std::max(0.0, dot) / flat;  // 1 on a flat surface
}

Colour Plastic(double px, double py) {
    Colour c = paint::Mix(kPlasticTop, kPlasticBottom, py / kHeight);
    // A broad soft sheen across the upper left of the board.
    const double along = (px + py * 1.3 - 180.0) / 170.0;
    const double sheen = std::exp(-along * along);
    c = paint::Add(c, paint::Scale(Colour{0.10, 0.14, 0.22}, sheen * 0.6));
    // Fine grain of moulded plastic.
    const double grain = paint::TileableNoise(px / 3.0, py / 3.0, 1024, 1024, 7u) - 0.5;
    return paint::Scale(c, 1.0 + grain * 0.05);
}

// The wall behind the board as seen through the hole centred at (0, 0).
Colour HoleInside(double dx, double dy) {
    const double d = std::hypot(dx, dy);
    // The board's front throws a shadow: what the light reaches is the hole moved down right.
    const double lit = paint::SmoothStep(paint::kStoneRadius + 1.5, paint::kStoneRadius - 5.0,
                                         std::hypot(dx - 4.5, dy - 6.0));
    Colour c = paint::Mix(kWallShade, kWallLight, lit);
    c = paint::Scale(c, 1.0 - 0.10 * (d / paint::kStoneRadius));
    // The inner wall of the hole darkens its very edge.
    const double wall = paint::SmoothStep(paint::kStoneRadius - 2.0, paint::kStoneRadius, d);
    return paint::Mix(c, kEdgeDark, wall * 0.55);
}

// The raised lip around a hole; t is the distance outside the hole's edge, in layout pixels, of
// a device pixel 1 / ratio layout pixels wide.
Colour Lip(Colour plastic, double dx, double dy, double d, double t, int ratio) {
    constexpr double kPi = 3.14159265358979;
    const double slope = 1.1 * std::cos(kPi * t / kLipWidth);  // rises, then falls outwards
    const double ux = dx / d, uy = dy / d;
    const double light = Lambert(-slope * ux, -slope * uy, 1.0);
    Colour c = paint::Scale(plastic, 0.35 + 0.65 * light);
    const double glint = std::pow(std::max(0.0, light - 1.0), 2.0) * 0.5;
    c = paint::Add(c, Colour{glint, glint, glint});
    // Close to the hole the edge falls into shadow; its first pixel also softens the hard
    // outline of a stone sitting in the hole.
    const double coverage = paint::Clamp01(0.5 - t * ratio);
    const double shadow = 0.45 * (1.0 - paint::SmoothStep(0.0, 1.8, t));
    return paint::Mix(c, kEdgeDark, std::max(coverage * 0.85, shadow));
}

// Darkens or lightens the rounded outer edge of the board.
Colour OuterEdge(Colour c, double px, double py) {
    const double fromTopLeft = std::min(px, py);
    const double fromBottomRight = std::min(kWidth - px, kHeight - py);
    if (fromTopLeft < kBevel) c = paint::Scale(c, 1.0 + 0.45 * (1.0 - fromTopLeft / kBevel));
    if (fromBottomRight < kBevel) {
        c = paint::Scale(c, 1.0 - 0.5 * (1.0 - fromBottomRight / kBevel));
    }
    if (std::min(fromTopLeft, fromBottomRight) < 1.0) c = paint::Mix(c, kEdgeDark, 0.7);
    return c;
}

// Device pixel (x, y) of the board painted at `ratio`.
QRgb BoardPixel(int x, int y, int ratio) {
    const double px = (x + 0.5) / ratio, py = (y + 0.5) / ratio;
    const int column = std::clamp(
        static_cast<int>(std::floor((px - kFirstLeft + 10) / kColumnStep)), 0, kColumns - 1);
    const int row =
        std::clamp(static_cast<int>(std::floor((py - kFirstTop + 7.5) / kRowStep)), 0, kRows - 1);
    const int left = kFirstLeft + kColumnStep * column;
    const int top = kFirstTop + kRowStep * row;
    const double dx = px - (left + paint::kStoneCentre);
    const double dy = py - (top + paint::kStoneCentre);
    if (paint::InStoneDisc(x - left * ratio, y - top * ratio, ratio)) {
        return paint::ToRgb(HoleInside(dx, dy));
    }

    Colour c = Plastic(px, py);
    const double d = std::hypot(dx, dy);
    const double t = d - paint::kStoneRadius;
    if (t < kLipWidth) c = Lip(c, dx, dy, d, std::max(t, 0.0), ratio);
    return paint::ToRgb(OuterEdge(c, px, py));
}
}  // namespace

QImage BoardPicture(int ratio) {
    QImage image = paint::NewImage(kWidth, kHeight, paint::kBlack, ratio);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = BoardPixel(x, y, ratio);
    }
    return image;
}

}  // namespace tessora::artwork
