#pragma once

#include <QSizeF>

#include "app/CommandLine.h"

namespace tessora {

// The largest factor from 1 to 4 at which the 640 x 480 play area fits into an area of the
// given size (in the screen's pixels as the game lays them out at factor 1).
double ZoomToFit(QSizeF area);

// The game's application object made ready before the first window: its name, the app id by
// which the desktop matches it to its menu entry (the desktop entry's name, on Wayland and on
// X11), and the zoom the options ask for.
void SetUpApplication(const StartOptions& options);

// Enlarges every window of the game, its message boxes too, by the factor the options ask for:
// Qt's own high-density scaling is set to that factor (times any factor the environment already
// sets), so every window keeps its layout and is drawn at the resulting density. With --zoom
// max the factor fits the play area to the primary screen, or to its area free for windows when
// the game plays in a window. Must run after the application object exists and before the
// first window is made. Returns the factor applied (1 when nothing is enlarged).
double ApplyZoom(const StartOptions& options);

}  // namespace tessora
