#pragma once

#include <QString>

class QTextEdit;

namespace tessora {

// The game's read-only text boxes (the instructions, the explanation): light text on a deep,
// slightly see-through slate, so that the tiles still show at the edge, with a slim scroll bar;
// every length `zoom` times its layout size.
void StyleSlateTextBox(QTextEdit* box, double zoom);

}  // namespace tessora
