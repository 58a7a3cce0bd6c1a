#pragma once

#include <QColor>
#include <QSizeF>
#include <algorithm>

#include "ui/Twips.h"

namespace tessora {

// The main window's play area, in twips: 640 x 480 pixels at the layout's own size.
inline constexpr TwipsPlace kPlayArea{0, 0, 9600, 7200};
// Its light grey under the tiles.
inline constexpr QRgb kPlayAreaGrey = 0xFFE0E0E0;

// How many times its own size the play area can be shown within `room` (pixels), keeping its
// proportions.
inline double PlayAreaFit(QSizeF room) {
    const QSizeF own = kPlayArea.Pixels().size();
    return std::min(room.width() / own.width(), room.height() / own.height());
}

}  // namespace tessora
