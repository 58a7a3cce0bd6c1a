#include "tools/engine/ComputerTurn.h"

#include <string>

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

}  // namespace tessora::engine
