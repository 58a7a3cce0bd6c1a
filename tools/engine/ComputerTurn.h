#pragma once

#include "ai/ComputerPlayer.h"
#include "core/GameState.h"
#include "tools/engine/Problem.h"

namespace tessora::engine {

// Runs the computer player's pipeline on state (the computer player's side to move) with a
// yield hook that does nothing. Sets column to 0..6 and returns true when the pipeline named
// an open column; otherwise reports an engine fault naming the code it returned.
bool ChooseOpenColumn(ComputerPlayer& player, GameState& state, int& column, Problem& problem);

}  // namespace tessora::engine
