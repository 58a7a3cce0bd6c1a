#pragma once

#include <QRect>

class QPainter;

namespace tessora {

// The focus frame of keyboard play: a light gold line one layout pixel wide, one pixel inside
// `area` (layout pixels), laid on whole device pixels so that it is sharp at any screen ratio.
void DrawFocusFrame(QPainter& painter, const QRect& area);

}  // namespace tessora
