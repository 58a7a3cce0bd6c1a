#pragma once

#include "ai/Workspace.h"

namespace tessora {

// Five-cell row segments in the bottom three rows whose two ends hold the examined colour and
// whose inner cells hold two of the computer's stones and one gap: the gap is marked doubtful
// when it is playable. Yields after every segment.
void MarkBoxedRowGaps(Workspace& ws, int16 colour);

}  // namespace tessora
