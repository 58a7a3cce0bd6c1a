#pragma once

#include <vector>

#include "ai/Grid.h"
#include "ai/Stage.h"

namespace tessora {

// Who is changing the grids right now: the stage, its scan or rule number (0 when the stage
// has no numbered scans) and the side code it examines.
struct Origin {
    Stage stage = Stage::None;
    int rule = 0;
    int16 colour = 0;
};

// One change to one grid cell.
struct TraceRecord {
    Origin origin;
    GridId grid;
    int row;
    int column;
    int16 before;
    int16 after;
};

using Trace = std::vector<TraceRecord>;

}  // namespace tessora
