#pragma once

#include "ai/Workspace.h"

namespace tessora {

// With exactly two columns open: plays into the column of a known winning shape (three own
// stones spaced in one row whose gaps fill from below in the right order), else into the open
// column with more safe cells. Returns 0 when the safe cells are equal and no shape is found.
int16 TwoColumnEndgame(Workspace& ws);

}  // namespace tessora
