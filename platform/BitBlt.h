#pragma once

#include <cmath>
#include <cstdint>

namespace tessora {

// Where a layout position lies among the device pixels at `scale` device pixels per layout
// pixel: the nearest device pixel edge.
inline int DevicePosition(double layout, double scale) {
    return static_cast<int>(std::floor(layout * scale + 0.5));
}
// How many device pixels a layout length covers at `scale`: every one it reaches into, so that
// pictures of one length are of one size in device pixels wherever they are placed, and a row
// of them leaves no gap. Exact multiples at a whole scale.
inline int DeviceLength(double layout, double scale) {
    return static_cast<int>(std::ceil(layout * scale - 1e-6));
}

// A view on a 32-bit pixel buffer (0xAARRGGBB, the layout of QImage::Format_RGB32).
//
// The buffer holds the screen's own pixels: scale device pixels per pixel of the window's
// layout (1 on a normal screen, 2 on a screen at twice the density, 2.25 for a window enlarged
// by that factor). Width and height are in layout pixels, as the game sees its pictures; the
// buffer is DeviceLength(width) by DeviceLength(height) device pixels, and stride counts device
// pixels (not bytes) from one row to the next. at() addresses device pixels.
//
// A view may hold only a part of a larger picture: its buffer then starts at device pixel
// (originX, originY) of the larger picture, and positions in copies to and from it are those
// of the larger picture, so the part gets exactly the device pixels the whole would.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    double scale = 1;
    int originX = 0;
    int originY = 0;

    std::uint32_t& at(int x, int y) const { return pixels[y * stride + x]; }
    int deviceWidth() const { return DeviceLength(width, scale); }
    int deviceHeight() const { return DeviceLength(height, scale); }
};

// The four raster operations the game draws with, with their Windows codes.
enum class RasterOp : std::uint32_t {
    SrcCopy = 0xCC0020,    // destination = source
    SrcAnd = 0x8800C6,     // destination = destination AND source
    SrcPaint = 0xEE0086,   // destination = destination OR source
    MergePaint = 0xBB0226  // destination = destination OR NOT source
};

// Copies the w x h rectangle at (sx, sy) of src onto dst at (x, y) through op. Positions and
// sizes are layout pixels; both corners go to DevicePosition and the size to DeviceLength, so a
// picture drawn at any density stays exact to its last device pixel and lands on the same
// device pixels as everything else drawn at that position. Both views must have the same scale
// (a copy between different scales copies nothing). The rectangle is clipped to both buffers,
// as a device context clips.
void BitBlt(const PixelView& dst, int x, int y, int w, int h, const PixelView& src, int sx, int sy,
            RasterOp op);

}  // namespace tessora
