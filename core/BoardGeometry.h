#pragma once

#include <cmath>

#include "core/GameState.h"

// Where the board and its stones lie: every length of the board picture, the stone pictures
// and the cells, in twips as the window design gives them and in the pixels derived from them.
namespace tessora {

// User-interface lengths are twips, 15 to a (device-independent) pixel.
constexpr int kTwipsPerPixel = 15;

// Bitmap copies work in pixels: a twips length becomes the nearest whole pixel count.
inline int PixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The size of a picture in twips, from its pixels.
constexpr int TwipsFromPixels(int pixels) {
    return pixels * kTwipsPerPixel;
}

// The board picture box picSpielfeld, and the stone pictures picStein (square).
constexpr int kBoardWidthTwips = 6600;
constexpr int kBoardHeightTwips = 5175;
constexpr int kStoneSideTwips = 600;

// The cell geometry: columns start 300 twips in and are a stone width plus 300 twips apart;
// rows start 225 twips down and are a stone height plus 225 twips apart. The stone's size is
// that of the picture being drawn.
constexpr int kColumnGapTwips = 300;
constexpr int kRowGapTwips = 225;
constexpr int CellLeftTwips(int cell, int stoneWidthTwips) {
    const int column = CellColumn(cell);
    return (column + 1) * kColumnGapTwips + column * stoneWidthTwips;
}
constexpr int CellTopTwips(int cell, int stoneHeightTwips) {
    const int row = CellRow(cell);
    return (row + 1) * kRowGapTwips + row * stoneHeightTwips;
}

// The same in pixels, for the pictures painted to fit: the board, a stone, and the holes of
// the board each a stone's place.
constexpr int kBoardWidth = kBoardWidthTwips / kTwipsPerPixel;
constexpr int kBoardHeight = kBoardHeightTwips / kTwipsPerPixel;
constexpr int kStoneSide = kStoneSideTwips / kTwipsPerPixel;
constexpr int kColumnStep = (kColumnGapTwips + kStoneSideTwips) / kTwipsPerPixel;
constexpr int kRowStep = (kRowGapTwips + kStoneSideTwips) / kTwipsPerPixel;
// Left edge of a column's stones, top edge of a row's (column and row 0 at the top left).
constexpr int ColumnLeft(int column) {
    return CellLeftTwips(column, kStoneSideTwips) / kTwipsPerPixel;
}
constexpr int RowTop(int row) {
    return CellTopTwips(CellIndex(row, 0), kStoneSideTwips) / kTwipsPerPixel;
}
// The column mask picSpalte: a stone wide, from the board's top to the last row's bottom edge.
constexpr int kColumnMaskHeight = RowTop(kRowCount - 1) + kStoneSide;

static_assert(kBoardWidth == 440 && kBoardHeight == 345 && kStoneSide == 40);
static_assert(ColumnLeft(0) == 20 && kColumnStep == 60 && RowTop(0) == 15 && kRowStep == 55);
static_assert(kColumnMaskHeight == 330);

}  // namespace tessora
