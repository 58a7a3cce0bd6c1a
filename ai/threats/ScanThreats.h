#pragma once

#include "ai/Workspace.h"

namespace tessora {

// Finds every window of four in which colour holds three cells and the fourth is empty: records
// the gap in colour's threat map, gives a playable gap 101 points (a win or a block) and marks
// the cells under a gap that is not playable yet. Then returns ChooseBestCell's column.
int16 ScanThreats(Workspace& ws, int16 colour);

}  // namespace tessora
