#pragma once

#include "ai/ComputerPlayer.h"
#include "ai/Trace.h"
#include "core/Explanation.h"
#include "core/Translatable.h"

namespace tessora::explain {

// A move just chosen: the player as the move left it (its grids and steps), the column code
// the move returned (0 when no column was open), the position it chose on (before the stone
// dropped), and every grid change of the move, recorded by a trace attached during it.
struct ChosenMove {
    const ComputerPlayer& player;
    int16 code;
    const GameState& state;
    const Trace& trace;
};

// Says why the move chose its column: what decided, the largest contributions to the best cell,
// the columns the warnings ruled out, where chance decided, and the board miniature. With hint
// the texts advise the human (the move was chosen in the human's place). Without a translator
// the texts are the German ones. Reuses out's storage.
void Explain(const ChosenMove& move, bool hint, const TranslateFunction& translate,
             Explanation& out);

}  // namespace tessora::explain
