#include "platform/BitBlt.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace tessora {

namespace {
// Combines one row of n pixels through the raster operation Op, walking backwards when asked
// (the rows of one buffer may overlap).
template <typename Op>
void CombineRow(std::uint32_t* d, const std::uint32_t* s, int n, bool backwards, Op op) {
    if (backwards) {
        for (int i = n - 1; i >= 0; --i)
            d[i] = op(d[i], s[i]);
    } else {
        for (int i = 0; i < n; ++i)
            d[i] = op(d[i], s[i]);
    }
}

void CombineRow(std::uint32_t* d, const std::uint32_t* s, int n, bool backwards, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            // A plain copy, as memmove does it, also between overlapping rows.
            std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
            return;
        case RasterOp::SrcAnd:
            CombineRow(d, s, n, backwards, [](std::uint32_t a, std::uint32_t b) { return a & b; });
            return;
        case RasterOp::SrcPaint:
            CombineRow(d, s, n, backwards, [](std::uint32_t a, std::uint32_t b) { return a | b; });
            return;
        case RasterOp::MergePaint:
            CombineRow(d, s, n, backwards, [](std::uint32_t a, std::uint32_t b) { return a | ~b; });
            return;
    }
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
    x = DevicePosition(x, scale) - dst.originX;
    y = DevicePosition(y, scale) - dst.originY;
    w = DeviceLength(w, scale);
    h = DeviceLength(h, scale);
    sx = DevicePosition(sx, scale) - src.originX;
    sy = DevicePosition(sy, scale) - src.originY;
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
        CombineRow(&dst.at(x, y + r), &src.at(sx, sy + r), w, backwards, op);
    }
}

}  // namespace tessora
