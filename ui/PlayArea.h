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

// With explanations, their panel stands right of the play area, as high as it and this wide
// (layout pixels); the two are shown and centred together.
inline constexpr int kExplanationPanelWidth = 280;

// The layout size of what the main window shows: the play area, with or without the panel.
inline QSize ShownArea(bool withPanel = false) {
    return kPlayArea.Pixels().size() + QSize(withPanel ? kExplanationPanelWidth : 0, 0);
}

// How many times its own size the shown area can be shown within `room` (pixels), keeping its
// proportions.
inline double PlayAreaFit(QSizeF room, bool withPanel = false) {
    const QSizeF own = ShownArea(withPanel);
    return std::min(room.width() / own.width(), room.height() / own.height());
}

}  // namespace tessora
