#pragma once

#include <cstdint>

namespace tessora {

// A view on a 32-bit pixel buffer (0xAARRGGBB, the layout of QImage::Format_RGB32).
//
// The buffer holds the screen's own pixels: scale device pixels per pixel of the window's
// layout (1 on a normal screen, 2 on a screen at twice the density). Width and height are in
// layout pixels, as the game sees its pictures; the buffer is width * scale by height * scale
// device pixels, and stride counts device pixels (not bytes) from one row to the next. at()
// addresses device pixels.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int scale = 1;

    std::uint32_t& at(int x, int y) const { return pixels[y * stride + x]; }
    int deviceWidth() const { return width * scale; }
    int deviceHeight() const { return height * scale; }
};

// The four raster operations the game draws with, with their Windows codes.
enum class RasterOp : std::uint32_t {
    SrcCopy = 0xCC0020,    // destination = source
    SrcAnd = 0x8800C6,     // destination = destination AND source
    SrcPaint = 0xEE0086,   // destination = destination OR source
    MergePaint = 0xBB0226  // destination = destination OR NOT source
};

// Copies the w x h rectangle at (sx, sy) of src onto dst at (x, y) through op. Positions and
// sizes are layout pixels; the copy covers every device pixel of the rectangle, so a picture
// drawn at twice the density stays exact to its last device pixel. Both views must have the
// same scale (a copy between different scales copies nothing). The rectangle is clipped to
// both buffers, as a device context clips.
void BitBlt(const PixelView& dst, int x, int y, int w, int h, const PixelView& src, int sx, int sy,
            RasterOp op);

}  // namespace tessora
