#pragma once

#include <cstdint>

namespace tessora {

// A view on a 32-bit pixel buffer (0xAARRGGBB, the layout of QImage::Format_RGB32).
// stride is counted in pixels, not bytes.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    std::uint32_t& at(int x, int y) const { return pixels[y * stride + x]; }
};

// The four raster operations the game draws with, with their Windows codes.
enum class RasterOp : std::uint32_t {
    SrcCopy = 0xCC0020,    // destination = source
    SrcAnd = 0x8800C6,     // destination = destination AND source
    SrcPaint = 0xEE0086,   // destination = destination OR source
    MergePaint = 0xBB0226  // destination = destination OR NOT source
};

// Copies the w x h rectangle at (sx, sy) of src onto dst at (x, y) through op.
// The rectangle is clipped to both buffers, as a device context clips.
void BitBlt(const PixelView& dst, int x, int y, int w, int h, const PixelView& src, int sx, int sy,
            RasterOp op);

}  // namespace tessora
