#pragma once

#include <QPixmap>

#include "platform/MessageBoxStyle.h"

namespace tessora {

// The icon a message box style asks for (mb::kIconStop to mb::kIconInformation), painted in code
// `size` pixels square at `ratio` device pixels per pixel, so that it is sharp at any zoom and
// screen density. A style without an icon gives a null pixmap.
QPixmap MessageBoxIcon(int iconStyle, int size, double ratio);

}  // namespace tessora
