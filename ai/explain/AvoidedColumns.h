#pragma once

#include "ai/FallbackColumn.h"
#include "ai/explain/Writer.h"
#include "core/Explanation.h"

namespace tessora::explain {

// The strongest warning mark on the cell (row 1..6, column 1..7), or None.
CellMark StrongestMark(const Grids& grids, int row, int column);

// The open columns in which a warning mark kept the best-cell choice from a cell that scored
// more than the chosen one, left to right, each named by the strongest such mark.
void ListColumnsRuledOutByMarks(const Workspace& ws, int chosenScore, const Writer& writer,
                                Explanation& out);

// The open columns the last-resort choice left out for their stronger warnings (a penalty class
// above the limit), left to right, each named by its strongest mark.
void ListColumnsRuledOutByClass(const Workspace& ws, const PenaltyClasses& classes, int limit,
                                const Writer& writer, Explanation& out);

}  // namespace tessora::explain
