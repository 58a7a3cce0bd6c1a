#include "ai/explain/MoveExplainer.h"

#include "ai/explain/Explain.h"
#include "core/Position.h"

namespace tessora {

void SwapSidesForHint(const GameState& game, GameState& hint) {
    hint = game;
    int humanStones = 0;
    for (int16& cell : hint.Cells) {
        if (cell == kHuman) {
            cell = kComputer;
            ++humanStones;
        } else if (cell == kComputer) {
            cell = kHuman;
        }
    }
    hint.GameRestarted = 0;
    SetBoardFloor(hint.board);
    LetComputerMove(hint, humanStones);
}

MoveExplainer::MoveExplainer(ComputerPlayer& player, RandomSource& hintRandom)
    : player_(player), hintPlayer_(hintRandom) {
    moveTrace_.reserve(kTraceCapacity);
    hintTrace_.reserve(kTraceCapacity);
}

int16 MoveExplainer::ChooseColumn(GameState& state, YieldHook yield) {
    moveTrace_.clear();
    player_.AttachTrace(&moveTrace_);
    const int16 code = player_.ChooseColumn(state, yield);
    player_.AttachTrace(nullptr);
    explain::Explain({player_, code, state, moveTrace_}, false, translate_, move_);
    return code;
}

int16 MoveExplainer::Hint(const GameState& game) {
    SwapSidesForHint(game, hintState_);
    hintTrace_.clear();
    hintPlayer_.AttachTrace(&hintTrace_);
    const int16 code = hintPlayer_.ChooseColumn(hintState_, YieldHook{});
    hintPlayer_.AttachTrace(nullptr);
    explain::Explain({hintPlayer_, code, hintState_, hintTrace_}, true, translate_, hint_);
    return code;
}

}  // namespace tessora
