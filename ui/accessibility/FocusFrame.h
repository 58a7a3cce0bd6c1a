#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace tessora {

// The focus frame of keyboard play: a light gold line one layout pixel wide, one pixel inside
// `area` (layout pixels), laid on whole device pixels so that it is sharp at any screen ratio.
void DrawFocusFrame(QPainter& painter, const QRect& area);

// Keyboard play on or off for a drawn control: on, it takes the focus by Tab; off, it takes none
// and lets go of the focus it has. It repaints to show or drop its frame.
void SetKeyboardFocusable(QWidget& control, bool on);

}  // namespace tessora
