#pragma once

#include <cstdint>
#include <vector>

#include "ai/Grid.h"

namespace tessora {

// The procedures that change the working grids.
enum class StageId : std::uint8_t {
    None,
    ScanThreats,
    ScanOpenTwos,
    ScoreTwoStoneWindows,
    ScoreLinePatterns,
    MarkDoubtCells,
    RandomOpening,
    RewardStackedThreats
};

const char* StageName(StageId stage);

// Who is changing the grids right now: the stage, its scan or rule number (0 when the stage
// has no numbered scans) and the side code it examines.
struct Origin {
    StageId stage = StageId::None;
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
