#include "tools/engine/GamePlay.h"

#include "ai/ComputerPlayer.h"
#include "core/Position.h"
#include "tools/engine/MoveAnalysis.h"

namespace tessora::engine {

namespace {
std::string MovesSoFar(const std::string& moves) {
    return moves.empty() ? "no moves" : moves;
}

std::string ResultName(int16 mover, const StoneOutcome& verdict) {
    if (verdict.draw) return "draw";
    return std::string(SideName(mover)) + "-" + DirectionName(verdict.line);
}
}  // namespace

bool PlayGame(const PlayRequest& request, PlayOutcome& outcome, Problem& problem) {
    GameState state;
    SetUpEmptyPosition(state);
    state.options.Strength = static_cast<int16>(request.strength);
    state.PlayerToMove = StoneOf(request.first);
    ScriptedRandom random(request.random);
    ComputerPlayer player(random);
    std::size_t nextHuman = 0;
    outcome.moves.clear();

    while (true) {
        int column = 0;
        if (state.PlayerToMove == kHuman) {
            if (nextHuman == request.human.size()) {
                outcome.result = "open";
                return true;
            }
            column = request.human[nextHuman++] - '1';
            if (column < 0 || column >= kColumnCount) {
                problem.kind = Problem::Kind::BadInput;
                problem.message =
                    "human move " + std::to_string(nextHuman) + " is not a column 1-7";
                return false;
            }
            if (state.ColumnState[column] == kColumnFull) {
                problem.kind = Problem::Kind::BadInput;
                problem.message = "human move " + std::to_string(nextHuman) + " (column " +
                                  std::to_string(column + 1) + ") goes into a full column after " +
                                  MovesSoFar(outcome.moves);
                return false;
            }
        } else {
            BeginComputerMove(state);
            if (!ChooseOpenColumn(player, state, column, problem)) {
                problem.message += " after " + MovesSoFar(outcome.moves);
                return false;
            }
        }
        const int16 mover = state.PlayerToMove;
        const StoneOutcome verdict = PlaceStone(state, column, mover);
        outcome.moves.push_back(static_cast<char>('1' + column));
        if (verdict.GameOver()) {
            outcome.result = ResultName(mover, verdict);
            return true;
        }
        state.PlayerToMove = mover == kHuman ? kComputer : kHuman;
    }
}

}  // namespace tessora::engine
