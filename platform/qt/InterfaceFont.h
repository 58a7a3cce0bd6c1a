#pragma once

#include <QFont>

namespace tessora {

// The game's lettering everywhere (status line, options, side windows, drawn pictures): DejaVu
// Sans, which the game's package depends on, at a size in pixels.
inline QFont InterfaceFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace tessora
