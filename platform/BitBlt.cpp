#include "platform/BitBlt.h"

#include <algorithm>

namespace tessora {

namespace {
std::uint32_t Combine(std::uint32_t d, std::uint32_t s, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            return s;
        case RasterOp::SrcAnd:
            return d & s;
        case RasterOp::SrcPaint:
            return d | s;
        case RasterOp::MergePaint:
            return d | ~s;
    }
    return d;
}
}  // namespace

void BitBlt(const PixelView& dst, int x, int y, int w, int h, const PixelView& src, int sx, int sy,
            RasterOp op) {
    // Clip the rectangle against the destination and the source, keeping both in step.
    if (x < 0) {
        w += x;
        sx -= x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        sy -= y;
        y = 0;
    }
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    w = std::min({w, dst.width - x, src.width - sx});
    h = std::min({h, dst.height - y, src.height - sy});
    if (w <= 0 || h <= 0) return;
    // Source and destination may be the same buffer: copy through rows in a safe direction.
    const bool sameBuffer = dst.pixels == src.pixels;
    const bool bottomUp = sameBuffer && y > sy;
    for (int row = 0; row < h; ++row) {
        const int r = bottomUp ? h - 1 - row : row;
        std::uint32_t* d = &dst.at(x, y + r);
        const std::uint32_t* s = &src.at(sx, sy + r);
        if (sameBuffer && y == sy && x > sx) {
            for (int i = w - 1; i >= 0; --i)
                d[i] = Combine(d[i], s[i], op);
        } else {
            for (int i = 0; i < w; ++i)
                d[i] = Combine(d[i], s[i], op);
        }
    }
}

}  // namespace tessora
