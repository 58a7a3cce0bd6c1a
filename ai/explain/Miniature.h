#pragma once

#include "ai/Grid.h"
#include "core/Explanation.h"

namespace tessora::explain {

// The board miniature: each cell's rating (the larger of its two scores) and strongest mark.
void FillMiniature(const Grids& grids, Explanation& out);

}  // namespace tessora::explain
