#pragma once

#include <QStringList>

namespace tessora {

// The paragraphs of the instructions, in order; the window indents each one.
QStringList InstructionsParagraphs();

}  // namespace tessora
