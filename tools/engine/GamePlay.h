#pragma once

#include <string>

#include "tools/engine/Problem.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// A whole game: every stone played (digits 1-7) and how it ended: "human-horizontal" ...
// "computer-diagonal", "draw", or "open" when the human's columns ran out first.
struct PlayOutcome {
    std::string moves;
    std::string result;
};

// Plays the game as the game does: after every stone the mover's line is looked for in the
// game's scan order and the full columns are recounted; a full board without a line is a
// draw. The computer's MoveCount grows by 2 per move and its draws run on across moves. Human
// columns left over when the game has ended are not played. A human column that is already
// full is bad input.
bool PlayGame(const PlayRequest& request, PlayOutcome& outcome, Problem& problem);

}  // namespace tessora::engine
