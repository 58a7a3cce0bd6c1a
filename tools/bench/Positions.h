#pragma once

#include <vector>

#include "core/GameState.h"

namespace tessora::bench {

// A fixed set of legal positions with the computer to move, made by seeded random play, with
// stone counts in [minStones, maxStones] and no line of four on the board.
std::vector<GameState> MakePositions(int count, int minStones, int maxStones, unsigned seed);

// Full boards (42 stones) with no line of four anywhere, for the line tests' worst case.
std::vector<GameState> MakeFullBoards(int count, unsigned seed);

}  // namespace tessora::bench
