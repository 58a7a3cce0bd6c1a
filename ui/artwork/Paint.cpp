#include "ui/artwork/Paint.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/qt/InterfaceFont.h"

namespace tessora::artwork::paint {

namespace {
// Pixels at least this opaque (of 255) belong to a picture's mask.
constexpr int kMaskAlpha = 112;

double LatticeValue(int ix, int iy, unsigned seed) {
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 374761393u +
                      static_cast<std::uint32_t>(iy) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFFFFFFu) / 16777215.0;
}

int Wrap(int i, int period) {
    return ((i % period) + period) % period;
}
}  // namespace

bool InStoneDisc(int x, int y, double ratio) {
    const int side = DeviceLength(kStoneSize, ratio);
    if (x < 0 || y < 0 || x >= side || y >= side) return false;
    const double dx = (x + 0.5) / ratio - kStoneCentre;
    const double dy = (y + 0.5) / ratio - kStoneCentre;
    return dx * dx + dy * dy <= kStoneRadius * kStoneRadius;
}

double TileableNoise(double u, double v, int periodX, int periodY, unsigned seed) {
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const int x0 = static_cast<int>(fu);
    const int y0 = static_cast<int>(fv);
    const double tx = SmoothStep(0.0, 1.0, u - fu);
    const double ty = SmoothStep(0.0, 1.0, v - fv);
    const int ax = Wrap(x0, periodX), bx = Wrap(x0 + 1, periodX);
    const int ay = Wrap(y0, periodY), by = Wrap(y0 + 1, periodY);
    const double top = LatticeValue(ax, ay, seed) * (1 - tx) + LatticeValue(bx, ay, seed) * tx;
    const double bottom = LatticeValue(ax, by, seed) * (1 - tx) + LatticeValue(bx, by, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

QImage NewImage(int width, int height, QRgb fill, double ratio) {
    QImage image(DeviceLength(width, ratio), DeviceLength(height, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QFont ArtFont(int pixelSize, bool bold) {
    QFont font = InterfaceFont(pixelSize, bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

MaskedPicture SplitLayer(const QImage& layer, QRgb backdrop) {
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    MaskedPicture out{NewImage(source.width(), source.height(), kWhite),
                      NewImage(source.width(), source.height(), kWhite)};
    out.picture.setDevicePixelRatio(layer.devicePixelRatio());
    out.mask.setDevicePixelRatio(layer.devicePixelRatio());
    const Colour under = FromRgb(backdrop);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* picture = reinterpret_cast<QRgb*>(out.picture.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(out.mask.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < kMaskAlpha) continue;
            const double rest = 1.0 - alpha / 255.0;
            const Colour over{qRed(in[x]) / 255.0, qGreen(in[x]) / 255.0, qBlue(in[x]) / 255.0};
            picture[x] = ToRgb(Add(over, Scale(under, rest)));
            mask[x] = kBlack;
        }
    }
    return out;
}

}  // namespace tessora::artwork::paint
