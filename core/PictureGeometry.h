#pragma once

#include <cmath>

#include "core/Game.h"

namespace tessora {

// Bitmap copies work in pixels: a twips length becomes the nearest whole pixel count.
inline int PixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The size of a picture in twips, from its pixels.
inline int TwipsFromPixels(int pixels) {
    return pixels * kTwipsPerPixel;
}

// The cell geometry of the board: columns start 300 twips in and are a stone width plus 300
// twips apart; rows start 225 twips down and are a stone height plus 225 twips apart.
constexpr int kColumnGapTwips = 300;
constexpr int kRowGapTwips = 225;

}  // namespace tessora
