#include "tools/engine/ComputerTurn.h"

namespace tessora::engine {

bool ChooseOpenColumn(ComputerPlayer& player, GameState& state, int& column, Problem& problem) {
    const int16 code = player.ChooseColumn(state, YieldHook{});
    if (code >= kFirstColumnCode && code <= kLastColumnCode &&
        state.ColumnState[code - kFirstColumnCode] != kColumnFull) {
        column = code - kFirstColumnCode;
        return true;
    }
    problem.kind = Problem::Kind::EngineFault;
    problem.message = "the computer player named column code " + std::to_string(code) + " (stage " +
                      DecidingStageName(player.decidingStage()) + "), which is not an open column";
    return false;
}

}  // namespace tessora::engine
