#include "tools/engine/MoveAnalysis.h"

#include "tools/engine/ComputerTurn.h"
#include "tools/engine/Position.h"

namespace tessora::engine {

bool AnalyseMove(const MoveRequest& request, MoveOutcome& outcome, Problem& problem) {
    GameState state;
    if (!BuildComputerPosition(request.moves, request.first, request.strength, state,
                               problem.message)) {
        problem.kind = Problem::Kind::BadInput;
        return false;
    }
    ScriptedRandom random(request.random);
    ComputerPlayer player(random);
    outcome.trace.clear();
    if (request.trace) player.AttachTrace(&outcome.trace);
    int column = 0;
    const bool chosen = ChooseOpenColumn(player, state, column, problem);
    player.AttachTrace(nullptr);
    if (!chosen) return false;
    outcome.column = column + 1;
    outcome.stage = player.decidingStage();
    outcome.grids = player.workspace().grids();
    return true;
}

}  // namespace tessora::engine
