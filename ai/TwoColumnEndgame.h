#pragma once

#include "ai/Workspace.h"

namespace tessora {

// With exactly two columns open: plays into the column of a known winning shape (three own
// stones spaced in one row whose gaps fill from below in the right order), else into the open
// column with more safe cells. Returns 0 when the safe cells are equal and no shape is found.
int16 TwoColumnEndgame(Workspace& ws);

// The empty cells of the Board column (1..7), counted from the bottom up to the first one that
// would complete four for either side.
int SafeCells(const Workspace& ws, int column);

// The column code of the last winning shape found in scan order, or 0; with
// Yield::AfterEachStart the window breathes after each shape looked at.
int16 WinningShapeColumn(const Workspace& ws, Yield yield);

}  // namespace tessora
