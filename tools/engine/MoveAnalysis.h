#pragma once

#include "ai/ComputerPlayer.h"
#include "ai/Grid.h"
#include "ai/Trace.h"
#include "tools/engine/Problem.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// The computer's choice in one position and the state of its grids when the deciding stage
// returned.
struct MoveOutcome {
    int column = 0;  // 1..7
    Stage stage = Stage::None;
    Grids grids{};
    Trace trace;  // every grid change of the move, in order; empty unless asked for
};

// Builds the request's position and lets the computer player choose, with the request's
// scripted draws.
bool AnalyseMove(const MoveRequest& request, MoveOutcome& outcome, Problem& problem);

}  // namespace tessora::engine
