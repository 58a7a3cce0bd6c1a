#include "platform/BitBlt.h"

#include <algorithm>
#include <functional>

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

// Moves a start that lies before 0 up to 0, with the other view's start moved alike and the
// length shortened by as much.
void ClipLeadingEdge(int& start, int& otherStart, int& length) {
    if (start >= 0) return;
    length += start;
    otherStart -= start;
    start = 0;
}

// True when the memory of the two views intersects.
bool Overlap(const PixelView& a, const PixelView& b) {
    if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0) return false;
    const std::less<const void*> before;
    const std::uint32_t* const aEnd =
        a.pixels + (a.deviceHeight() - 1) * a.stride + a.deviceWidth();
    const std::uint32_t* const bEnd =
        b.pixels + (b.deviceHeight() - 1) * b.stride + b.deviceWidth();
    return before(a.pixels, bEnd) && before(b.pixels, aEnd);
}
}  // namespace

void BitBlt(const PixelView& dst, int x, int y, int w, int h, const PixelView& src, int sx, int sy,
            RasterOp op) {
    if (dst.scale != src.scale || dst.scale <= 0) return;
    // From here on everything is in device pixels.
    const double scale = dst.scale;
    x = DevicePosition(x, scale);
    y = DevicePosition(y, scale);
    w = DeviceLength(w, scale);
    h = DeviceLength(h, scale);
    sx = DevicePosition(sx, scale);
    sy = DevicePosition(sy, scale);
    // Clip the rectangle against the destination and the source, keeping both in step.
    ClipLeadingEdge(x, sx, w);
    ClipLeadingEdge(y, sy, h);
    ClipLeadingEdge(sx, x, w);
    ClipLeadingEdge(sy, y, h);
    w = std::min({w, dst.deviceWidth() - x, src.deviceWidth() - sx});
    h = std::min({h, dst.deviceHeight() - y, src.deviceHeight() - sy});
    if (w <= 0 || h <= 0) return;
    // Source and destination may share memory (one picture, or two views of one buffer). Like
    // memmove, walk backwards when the destination lies after the source, so that every source
    // pixel is read before it is overwritten.
    std::uint32_t* const firstTarget = &dst.at(x, y);
    const std::uint32_t* const firstSource = &src.at(sx, sy);
    const bool backwards = Overlap(dst, src) && std::less<const void*>{}(firstSource, firstTarget);
    for (int row = 0; row < h; ++row) {
        const int r = backwards ? h - 1 - row : row;
        std::uint32_t* d = &dst.at(x, y + r);
        const std::uint32_t* s = &src.at(sx, sy + r);
        if (backwards) {
            for (int i = w - 1; i >= 0; --i)
                d[i] = Combine(d[i], s[i], op);
        } else {
            for (int i = 0; i < w; ++i)
                d[i] = Combine(d[i], s[i], op);
        }
    }
}

}  // namespace tessora
