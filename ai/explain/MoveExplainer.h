#pragma once

#include "ai/ComputerPlayer.h"
#include "ai/Trace.h"
#include "core/Explanation.h"
#include "core/MoveChooser.h"
#include "core/Translatable.h"

namespace tessora {

// The position for the computer player in the human's place: the human's stones become those
// of the side to move, MoveCount counts its move (2 x (its stones + 1)), everything else of the
// game stays.
void SwapSidesForHint(const GameState& game, GameState& hint);

// Explains the moves of the game's computer player and gives hints. As the game's move chooser
// it runs the player with a trace attached and explains the choice before the stone drops; a
// hint runs a player of its own, on a copy of the position with the sides swapped and its own
// source of chance, so the game, its player and their draws stay untouched. The traces are
// reserved once and cleared for every move.
class MoveExplainer final : public MoveChooser {
  public:
    // Changes recorded per move before a trace has to grow (a move makes a few hundred at most).
    static constexpr std::size_t kTraceCapacity = 2048;

    MoveExplainer(ComputerPlayer& player, RandomSource& hintRandom);

    // Maps each German text to the language shown (none: German).
    void SetTranslator(TranslateFunction translate) { translate_ = std::move(translate); }

    int16 ChooseColumn(GameState& state, YieldHook yield) override;
    // Why the last move chose its column.
    const Explanation& lastMove() const { return move_; }

    // The column code (0: none open) the same player would play in the human's place in the
    // game's position (the human to move); lastHint() explains it as advice.
    int16 Hint(const GameState& game);
    const Explanation& lastHint() const { return hint_; }
    // Every grid change of the last move, and of the last hint's move.
    const Trace& moveTrace() const { return moveTrace_; }
    const Trace& hintTrace() const { return hintTrace_; }

  private:
    ComputerPlayer& player_;
    ComputerPlayer hintPlayer_;
    GameState hintState_{};
    Trace moveTrace_;
    Trace hintTrace_;
    Explanation move_;
    Explanation hint_;
    TranslateFunction translate_;
};

}  // namespace tessora
