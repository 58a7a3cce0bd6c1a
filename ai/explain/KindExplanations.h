#pragma once

#include "ai/explain/Explain.h"
#include "ai/explain/Writer.h"

// One function for each way a move can be decided: each finds out what decided and writes the
// text, and what else the kind shows, into an explanation whose kind, column and headline are
// already set.
namespace tessora::explain {

// A win, a block or the best cell: the choice of the best cell over the final grids.
void ExplainBestCellChoice(const ChosenMove& move, const Writer& writer, Explanation& out);
void ExplainStackedThreats(const Writer& writer, Explanation& out);
void ExplainLastColumn(const Writer& writer, Explanation& out);
void ExplainTwoColumnEndgame(const ChosenMove& move, const Writer& writer, Explanation& out);
void ExplainFallbackColumn(const ChosenMove& move, const Writer& writer, Explanation& out);

}  // namespace tessora::explain
