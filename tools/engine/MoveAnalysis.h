#pragma once

#include "ai/ComputerPlayer.h"
#include "ai/Grid.h"
#include "ai/Trace.h"
#include "core/Explanation.h"
#include "core/GameState.h"
#include "tools/engine/Problem.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// Runs the computer player's pipeline on state (the computer player's side to move) with a
// yield hook that does nothing. Sets column to 0..6 and returns true when the pipeline named
// an open column; otherwise reports an engine fault naming the code it returned.
bool ChooseOpenColumn(ComputerPlayer& player, GameState& state, int& column, Problem& problem);

// The check behind ChooseOpenColumn: code must be the column code of an open column.
// stageName names the stage that chose it in the fault message.
bool CheckChosenColumn(int16 code, const GameState& state, const char* stageName, int& column,
                       Problem& problem);

// The computer's choice in one position, the state of its grids when the deciding stage
// returned, and why it chose.
struct MoveOutcome {
    int column = 0;  // 1..7
    Grids grids{};
    Trace trace;              // every grid change of the move, in order
    Explanation explanation;  // its stage too
};

// Builds the request's position (a hint's with the human to move) and lets the computer player
// choose, with the request's scripted draws.
bool AnalyseMove(const MoveRequest& request, MoveOutcome& outcome, Problem& problem);

}  // namespace tessora::engine
