#pragma once

#include <QSizeF>

#include "app/CommandLine.h"

namespace tessora {

// The largest factor from 1 to 4 at which the 640 x 480 play area, with the explanation panel
// beside it or without, fits into an area of the given size (in the screen's pixels as the game
// lays them out at factor 1).
double ZoomToFit(QSizeF area, bool withPanel = false);

// The factor by which every window of the game is enlarged: the one --zoom gives, or with
// --zoom max the one that fits the play area (and the explanation panel, if shown) to a screen of
// the whole area `screen` whose area free for windows (beside its panels) is `free`; a game in a
// window fits the free area.
double ZoomFactor(const StartOptions& options, QSizeF screen, QSizeF free);
// The same for the primary screen (1 when there is none).
double ZoomForPrimaryScreen(const StartOptions& options);
}  // namespace tessora
