#pragma once

#include <string>
#include <string_view>

#include "core/GameState.h"
#include "core/LineFinder.h"
#include "tools/engine/Requests.h"

namespace tessora::engine {

// How the game stands after a stone, judged as the game judges it: a line of the stone's
// owner first (in the game's scan order), then a full board.
struct StoneVerdict {
    LineDirection line = LineDirection::None;
    bool draw = false;
    bool GameOver() const { return line != LineDirection::None || draw; }
};

// An empty board as a new game leaves it: no stones, all columns open, the floor set.
void StartGame(GameState& state);

// Drops a stone of stone (kHuman or kComputer) into column 0..6, which must be open, then
// looks for the stone owner's line and recounts the full columns (ColumnState,
// FullColumnCount).
StoneVerdict PlaceStone(GameState& state, int column, int16 stone);

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

}  // namespace tessora::engine
