#include "Positions.h"

#include <random>

#include "core/LineFinder.h"
#include "core/Position.h"

namespace tessora::bench {

namespace {
bool HasLine(const GameState& s) {
    return FindLine(s.Cells, kHuman).direction != LineDirection::None ||
           FindLine(s.Cells, kComputer).direction != LineDirection::None;
}
}  // namespace

std::vector<GameState> MakePositions(int count, int minStones, int maxStones, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState s;
        SetUpEmptyPosition(s);
        // The human begins: the computer moves after an odd number of stones.
        std::uniform_int_distribution<int> stonesDist(minStones, maxStones);
        int stones = stonesDist(rng) | 1;
        if (stones > maxStones) stones -= 2;
        bool ok = true;
        for (int k = 0; k < stones && ok; ++k) {
            const int16 player = k % 2 == 0 ? kHuman : kComputer;
            int column = static_cast<int>(rng() % 7);
            for (int tries = 0; s.ColumnFull(column) && ok; ++tries) {
                column = static_cast<int>(rng() % 7);
                ok = tries < 50;
            }
            // No line of four and no full board.
            ok = ok && !PlaceStone(s, column, player).GameOver();
        }
        if (!ok) continue;
        LetComputerMove(s, stones / 2);
        out.push_back(s);
    }
    return out;
}

std::vector<GameState> MakeFullBoards(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState s;
        SetUpEmptyPosition(s);
        for (int k = 0; k < kCellCount; ++k)
            s.Cells[k] = (rng() & 1) != 0 ? kHuman : kComputer;
        if (HasLine(s)) continue;
        RecountFullColumns(s);
        LetComputerMove(s, 21);
        out.push_back(s);
    }
    return out;
}

}  // namespace tessora::bench
