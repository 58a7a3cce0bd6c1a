#include <algorithm>
#include <cmath>
#include <vector>

#include "core/BoardGeometry.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

// The board: blue plastic with a bevelled edge and 7 x 6 round holes, each with a raised lip
// and a view through to the light wall behind the board. Every pixel is worked out from its
// distance to the nearest hole, so the holes match the stone disc exactly.
namespace tessora::artwork {

namespace {
using paint::Colour;

// The holes lie at the cell geometry: each the place of a stone.
constexpr int kWidth = kBoardWidth;
constexpr int kHeight = kBoardHeight;
constexpr int kFirstLeft = ColumnLeft(0);  // left edge of column 0's hole
constexpr int kFirstTop = RowTop(0);       // top edge of row 0's hole
constexpr double kLipWidth = 5.0;          // the raised ring around each hole
constexpr double kBevel = 5.0;             // the rounded outer edge of the board

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

// The shading of the raised lip around a hole at one offset from its middle, which the plastic's
// colour there goes through: lit by `lit`, a `glint` added, then darkened by `dark` towards the
// hole's edge.
struct LipShade {
    double lit;
    double glint;
    double dark;
};

// t is the distance outside the hole's edge, in layout pixels, of a device pixel 1 / ratio
// layout pixels wide.
LipShade Lip(double dx, double dy, double d, double t, double ratio) {
    constexpr double kPi = 3.14159265358979;
    const double slope = 1.1 * std::cos(kPi * t / kLipWidth);  // rises, then falls outwards
    const double ux = dx / d, uy = dy / d;
    const double light = Lambert(-slope * ux, -slope * uy, 1.0);
    const double glint = std::pow(std::max(0.0, light - 1.0), 2.0) * 0.5;
    // Close to the hole the edge falls into shadow; its first pixel also softens the hard
    // outline of a stone sitting in the hole.
    const double coverage = paint::Clamp01(0.5 - t * ratio);
    const double shadow = 0.45 * (1.0 - paint::SmoothStep(0.0, 1.8, t));
    return {0.35 + 0.65 * light, glint, std::max(coverage * 0.85, shadow)};
}

Colour Shaded(Colour plastic, const LipShade& lip) {
    const Colour c =
        paint::Add(paint::Scale(plastic, lip.lit), Colour{lip.glint, lip.glint, lip.glint});
    return paint::Mix(c, kEdgeDark, lip.dark);
}

// What the 42 holes share: the wall seen through a hole and the shading of its lip depend only
// on the offset from the hole's middle, so they are worked out once per painting, for every
// device pixel of a hole's square widened on each side by the lip.
class HoleShading {
  public:
    static constexpr int kMargin = 5;  // layout pixels around the hole's square; the lip needs 4

    enum class Kind { Plastic, Hole, Lip };
    struct Shade {
        Kind kind = Kind::Plastic;
        Colour inside{0, 0, 0};  // the wall, in the hole
        LipShade lip{0, 0, 0};
    };

    explicit HoleShading(double ratio)
        : margin_(DeviceLength(kMargin, ratio)),
          side_(DeviceLength(paint::kStoneSize, ratio) + 2 * margin_),
          shades_(static_cast<std::size_t>(side_) * side_) {
        for (int oy = 0; oy < side_; ++oy) {
            for (int ox = 0; ox < side_; ++ox) {
                Shade& shade = shades_[static_cast<std::size_t>(oy) * side_ + ox];
                // Device pixel (sx, sy) of the stone's own square sits in the hole, so the
                // hole is the stone's disc to the device pixel.
                const int sx = ox - margin_, sy = oy - margin_;
                const double dx = (sx + 0.5) / ratio - paint::kStoneCentre;
                const double dy = (sy + 0.5) / ratio - paint::kStoneCentre;
                if (paint::InStoneDisc(sx, sy, ratio)) {
                    shade.kind = Kind::Hole;
                    shade.inside = HoleInside(dx, dy);
                    continue;
                }
                const double d = std::hypot(dx, dy);
                const double t = d - paint::kStoneRadius;
                if (t < kLipWidth) {
                    shade.kind = Kind::Lip;
                    shade.lip = Lip(dx, dy, d, std::max(t, 0.0), ratio);
                }
            }
        }
    }

    // The shade at device offset (sx, sy) from the top-left corner of a stone's square;
    // plastic outside the widened square.
    const Shade& At(int sx, int sy) const {
        static const Shade kPlastic{};
        const int ox = sx + margin_, oy = sy + margin_;
        if (ox < 0 || oy < 0 || ox >= side_ || oy >= side_) return kPlastic;
        return shades_[static_cast<std::size_t>(oy) * side_ + ox];
    }

  private:
    int margin_;  // device pixels of the margin
    int side_;
    std::vector<Shade> shades_;
};

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

// The plastic's colour changes smoothly, so for a denser painting it is worked out at the middle
// of every layout pixel and drawn between those for the device pixels; at ratio 1 every pixel
// gets its own colour as it is. Keeps the two rows of layout pixels last asked for.
class PlasticColours {
  public:
    explicit PlasticColours(double ratio) : ratio_(ratio) {
        for (std::vector<Colour>& row : rows_)
            row.resize(kWidth);
    }

    // Where a device column or row lies between the middles of two layout pixels.
    struct Between {
        int first;
        int second;
        double t;
    };
    static Between Place(double layout, int count) {
        const double f = std::clamp(layout - 0.5, 0.0, count - 1.0);
        const int first = static_cast<int>(f);
        return {first, std::min(first + 1, count - 1), f - first};
    }

    // The colour at layout position (px, py), which lies at `across` and `down`.
    Colour At(double px, double py, const Between& across, const Between& down) {
        if (ratio_ == 1) return Plastic(px, py);
        const std::vector<Colour>& upper = Row(down.first);
        const std::vector<Colour>& lower = Row(down.second);
        return paint::Mix(paint::Mix(upper[across.first], upper[across.second], across.t),
                          paint::Mix(lower[across.first], lower[across.second], across.t), down.t);
    }

  private:
    const std::vector<Colour>& Row(int y) {
        const int slot = y % 2;
        if (rowOf_[slot] != y) {
            for (int x = 0; x < kWidth; ++x)
                rows_[slot][x] = Plastic(x + 0.5, y + 0.5);
            rowOf_[slot] = y;
        }
        return rows_[slot];
    }

    double ratio_;
    std::vector<Colour> rows_[2];
    int rowOf_[2] = {-1, -1};
};

// What every device pixel of one device column (or row) of the board shares: its layout
// position, its offset from the stone square of its column (row) of cells, and its place
// between the plastic's layout pixels.
struct BoardLine {
    double layout;
    int fromStone;
    PlasticColours::Between plastic;
};

// The board's device columns (across) or rows (down) at `ratio`.
std::vector<BoardLine> BoardLines(bool across, double ratio) {
    const int length = across ? kWidth : kHeight;
    std::vector<BoardLine> lines(static_cast<std::size_t>(DeviceLength(length, ratio)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double layout = (static_cast<double>(i) + 0.5) / ratio;
        // The cells' stones are drawn from this device pixel on.
        int stone = 0;
        if (across) {
            const int column =
                std::clamp(static_cast<int>(std::floor((layout - kFirstLeft + 10) / kColumnStep)),
                           0, kColumnCount - 1);
            stone = DevicePosition(ColumnLeft(column), ratio);
        } else {
            const int row =
                std::clamp(static_cast<int>(std::floor((layout - kFirstTop + 7.5) / kRowStep)), 0,
                           kRowCount - 1);
            stone = DevicePosition(RowTop(row), ratio);
        }
        lines[i] = {layout, static_cast<int>(i) - stone, PlasticColours::Place(layout, length)};
    }
    return lines;
}

// The device pixel where a device column and a device row of the board meet.
QRgb BoardPixel(const BoardLine& column, const BoardLine& row, const HoleShading& holes,
                PlasticColours& plastic) {
    const HoleShading::Shade& shade = holes.At(column.fromStone, row.fromStone);
    if (shade.kind == HoleShading::Kind::Hole) return paint::ToRgb(shade.inside);
    Colour c = plastic.At(column.layout, row.layout, column.plastic, row.plastic);
    if (shade.kind == HoleShading::Kind::Lip) c = Shaded(c, shade.lip);
    return paint::ToRgb(OuterEdge(c, column.layout, row.layout));
}
}  // namespace

QImage BoardPicture(double ratio) {
    QImage image = paint::NewImage(kWidth, kHeight, paint::kBlack, ratio);
    PaintBoardRows(image.bits(), image.bytesPerLine(), ratio, 0, image.height());
    return image;
}

void PaintBoardRows(uchar* pixels, qsizetype bytesPerLine, double ratio, int firstRow, int endRow) {
    const HoleShading holes(ratio);
    PlasticColours plastic(ratio);
    const std::vector<BoardLine> columns = BoardLines(true, ratio);
    const std::vector<BoardLine> rows = BoardLines(false, ratio);
    for (int y = firstRow; y < endRow; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(pixels + y * bytesPerLine);
        const BoardLine& row = rows[static_cast<std::size_t>(y)];
        for (std::size_t x = 0; x < columns.size(); ++x)
            line[x] = BoardPixel(columns[x], row, holes, plastic);
    }
}

}  // namespace tessora::artwork
