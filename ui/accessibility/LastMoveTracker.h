#pragma once

#include <array>

#include "core/GameState.h"
#include "ui/accessibility/BoardDescription.h"

namespace tessora {

// Follows the position as the stones land, to tell each side's last move: a stone that was not
// there at the last look is its side's last move.
class LastMoveTracker {
  public:
    // Takes the position now shown on the board; returns true when it differs from the last one.
    // A position that lost stones (the board emptied for a new game) starts the game's moves
    // again.
    bool Follow(const std::array<int16, kCellCount>& cells);

    const std::array<int16, kCellCount>& position() const { return position_; }
    const LastMoves& lastMoves() const { return lastMoves_; }
    // The cell (index row * 7 + column) of the stone that landed last; -1 before the first.
    int lastCell() const { return lastCell_; }

  private:
    std::array<int16, kCellCount> position_{};
    LastMoves lastMoves_;
    int lastCell_ = -1;
};

}  // namespace tessora
