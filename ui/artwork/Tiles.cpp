#include <cmath>

#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

// The two background tiles. Both repeat without seams: their noise lattices wrap at the tile's
// size and their pattern spacing divides it.
namespace tessora::artwork {

namespace {
using paint::Colour;

constexpr int kBackgroundSize = 128;
constexpr int kRingSpacing = 32;  // four rows of four faint rings per tile
constexpr double kRingRadius = 9.0;
constexpr double kRingWidth = 1.8;
constexpr Colour kSlate{0.105, 0.135, 0.205};

constexpr int kPanelWidth = 94;
constexpr int kPanelHeight = 38;
constexpr Colour kSteel{0.33, 0.39, 0.49};

// Clouded texture built from three octaves that all wrap at the tile's edge; x and y in layout
// pixels.
double Clouds(double x, double y, int size, unsigned seed) {
    double sum = 0.0;
    double weight = 0.5;
    for (int cells = 4; cells <= 16; cells *= 2) {
        const double scale = static_cast<double>(cells) / size;
        sum += weight * paint::TileableNoise(x * scale, y * scale, cells, cells, seed + cells);
        weight *= 0.6;
    }
    return sum / (0.5 + 0.3 + 0.18);
}

// Faint embossed rings echoing the board's holes; every other row is shifted by half a step.
double RingRelief(double px, double py) {
    const int row = static_cast<int>(py / kRingSpacing);
    const double shift = (row % 2) * kRingSpacing / 2.0;
    const double cx =
        std::floor((px - shift) / kRingSpacing) * kRingSpacing + shift + kRingSpacing / 2.0;
    const double cy = row * kRingSpacing + kRingSpacing / 2.0;
    const double dx = px - cx, dy = py - cy;
    const double d = std::hypot(dx, dy);
    const double across = (d - kRingRadius) / kRingWidth;
    if (std::abs(across) >= 1.0 || d == 0.0) return 0.0;
    // Lit on the upper left of its outer side and the lower right of its inner side.
    const double facing = -(dx + dy) / (d * 1.41421356);
    return facing * std::sin(across * 3.14159265358979) * std::cos(across * 1.5707963);
}
// A tile of width x height layout pixels painted at `ratio`: every device pixel gets the colour
// of its layout position (u, v), in the convention of pixel-by-pixel pictures at ratio 1.
template <typename ColourAt>
QImage PaintTile(int width, int height, double ratio, ColourAt colourAt) {
    QImage image = paint::NewImage(width, height, paint::kBlack, ratio);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = paint::LayoutSample(y, ratio);
        for (int x = 0; x < image.width(); ++x)
            line[x] = colourAt(paint::LayoutSample(x, ratio), v);
    }
    return image;
}
}  // namespace

QImage BackgroundTile(double ratio) {
    return PaintTile(kBackgroundSize, kBackgroundSize, ratio, [](double u, double v) {
        const double clouds = Clouds(u, v, kBackgroundSize, 11u) - 0.5;
        const double relief = RingRelief(u + 0.5, v + 0.5);
        return paint::ToRgb(paint::Scale(kSlate, 1.0 + 0.32 * clouds + 0.22 * relief));
    });
}

QImage OptionsTile(double ratio) {
    return PaintTile(kPanelWidth, kPanelHeight, ratio, [](double u, double v) {
        // Brushed metal: long horizontal streaks over a fine grain.
        const double streak =
            paint::TileableNoise(u * 2.0 / kPanelWidth, v, 2, kPanelHeight, 23u) - 0.5;
        const double grain =
            paint::TileableNoise(u / 2.0, v * 0.5, kPanelWidth / 2, kPanelHeight / 2, 29u) - 0.5;
        return paint::ToRgb(paint::Scale(kSteel, 1.0 + 0.18 * streak + 0.08 * grain));
    });
}

}  // namespace tessora::artwork
