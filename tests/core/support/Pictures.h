#pragma once

#include "tests/core/support/FakeShell.h"

namespace tessora::test {

// Top-left pixel of a cell's stone on the board picture.
inline int CellLeftPixel(int cell) {
    return ColumnLeft(cell % 7);
}
inline int CellTopPixel(int cell) {
    return RowTop(cell / 7);
}

// The empty board with one stone of the given colour drawn at (left, top) in pixels; only the
// rows from firstVisibleRow to lastVisibleRow of the stone (0..39) show.
inline PixelBuffer BoardWithStoneAt(const PixelBuffer& empty, int left, int top,
                                    std::uint32_t colour, int firstVisibleRow = 0,
                                    int lastVisibleRow = kStoneSide - 1) {
    PixelBuffer board = empty;
    for (int y = firstVisibleRow; y <= lastVisibleRow; ++y) {
        for (int x = 0; x < kStoneSide; ++x) {
            if (InsideStone(x, y)) board.at(left + x, top + y) = colour;
        }
    }
    return board;
}

// Number of pixels in which two pictures differ.
inline int DifferingPixels(const PixelBuffer& a, const PixelBuffer& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        count += a.pixels[i] != b.pixels[i] ? 1 : 0;
    return count;
}

}  // namespace tessora::test
