#pragma once

#include <string>

#include "core/GameState.h"
#include "platform/BitBlt.h"

namespace tessora::test {

// Checks of a position that hold whatever the players did. Each returns an empty string when
// the position passes, else a one-line description of what is wrong.

// Every stone above the bottom row rests on another stone.
std::string GravityFault(const GameState& state);
// Stones alternate from the side that began: human minus computer stones is 0 or 1 when the
// human began and 0 or -1 when the computer began. Stones are stored one at a time, so this
// holds in the middle of a move as well.
std::string StoneCountFault(const GameState& state, bool computerBegan);
// ColumnState marks exactly the columns whose top cell is taken, and FullColumnCount counts
// them. Only true between moves: a move updates them after its stone has been stored.
std::string ColumnFault(const GameState& state);
// A line of four of either player, or a full board: the game should have ended.
std::string FinishedPositionFault(const GameState& state);

// Draws a stone (its picture and mask given) into a cell (0..41) of the board picture the way
// the game does: the mask whitens the stone's area, then the stone is ANDed in.
void DrawStone(const PixelView& board, int cell, const PixelView& mask, const PixelView& stone);

// The pictures the board check compares: the board as drawn, the empty board it started from,
// the stone mask and the two players' stones.
struct BoardPictures {
    PixelView board;
    PixelView emptyBoard;
    PixelView stoneMask;
    PixelView humanStone;
    PixelView computerStone;
};
// The board picture shows exactly the stones of Cells: every pixel is the empty board with each
// stone drawn into its cell as the game draws it (mask, then stone). A stone drawn that the game
// does not have, a stone of the game never drawn, or a leftover anywhere else is a fault. Only
// true when no stone is falling or highlighted.
std::string BoardPictureFault(const GameState& state, const BoardPictures& pictures);

// Four stones of player (1 human, 2 computer) in a row in any direction.
bool HasFourInARow(const GameState& state, int16 player);

}  // namespace tessora::test
