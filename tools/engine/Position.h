#pragma once

#include <string>
#include <string_view>

#include "core/Position.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// The stone owner for a side: kHuman or kComputer.
inline int16 StoneOf(FirstPlayer player) {
    return player == FirstPlayer::Human ? kHuman : kComputer;
}

// Builds the position after moves (digits 1-7, alternating from first) with the computer to
// move: Cells, ColumnState, FullColumnCount, the floor, PlayerToMove = computer, MoveCount =
// 2 x (computer stones + 1), the strength. Refuses an overfull column, a game that is already
// over, and a position where the human is to move; returns false with a one-line reason.
bool BuildComputerPosition(std::string_view moves, FirstPlayer first, int strength,
                           GameState& state, std::string& error);

// "horizontal", "vertical" or "diagonal".
const char* DirectionName(LineDirection direction);

// "human" or "computer", for the owner of a stone.
std::string SideName(int16 stone);

}  // namespace tessora::engine
