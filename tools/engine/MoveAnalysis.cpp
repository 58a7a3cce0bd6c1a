#include "tools/engine/MoveAnalysis.h"

#include <string>

#include "ai/explain/MoveExplainer.h"
#include "core/Position.h"

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
    const bool hint = request.question == MoveQuestion::Hint;
    if (!BuildPosition(request.moves, StoneOf(request.first), hint ? kHuman : kComputer,
                       static_cast<int16>(request.strength), state, problem.message)) {
        problem.kind = Problem::Kind::BadInput;
        return false;
    }
    ScriptedRandom random(request.random);
    ComputerPlayer player(random);
    // A hint is the same player's choice in the human's place, drawing from the same script.
    MoveExplainer explainer(player, random);
    const int16 code = hint ? explainer.Hint(state) : explainer.ChooseColumn(state, YieldHook{});
    outcome.explanation = hint ? explainer.lastHint() : explainer.lastMove();
    outcome.trace = hint ? explainer.hintTrace() : explainer.moveTrace();
    int column = 0;
    if (!CheckChosenColumn(code, state, outcome.explanation.stage, column, problem)) return false;
    outcome.column = column + 1;
    outcome.grids = player.workspace().grids();
    return true;
}

}  // namespace tessora::engine
