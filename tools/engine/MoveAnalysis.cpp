#include "tools/engine/MoveAnalysis.h"

#include <string>

#include "tools/engine/Position.h"

namespace tessora::engine {

bool CheckChosenColumn(int16 code, const GameState& state, const char* stageName, int& column,
                       Problem& problem) {
    if (IsColumnCode(code) && state.ColumnState[ColumnOfCode(code)] != kColumnFull) {
        column = ColumnOfCode(code);
        return true;
    }
    problem.kind = Problem::Kind::EngineFault;
    problem.message = "the computer player named column code " + std::to_string(code) + " (stage " +
                      stageName + "), which is not an open column";
    return false;
}

bool ChooseOpenColumn(ComputerPlayer& player, GameState& state, int& column, Problem& problem) {
    const int16 code = player.ChooseColumn(state, YieldHook{});
    return CheckChosenColumn(code, state, StageName(player.decidingStage()), column, problem);
}

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
