#include "Positions.h"

#include <random>

#include "core/LineFinder.h"
#include "core/Position.h"

namespace tessora::bench {

namespace {
// Drops a stone for player into column (0..6); false when the column is full.
bool Drop(GameState& s, int column, int16 player) {
    const int cell = LandingCell(s, column);
    if (cell < 0) return false;
    s.Cells[cell] = player;
    return true;
}

bool HasLine(const GameState& s) {
    return FindLine(s.Cells, kHuman).direction != LineDirection::None ||
           FindLine(s.Cells, kComputer).direction != LineDirection::None;
}

// Fills in the derived state the computer player reads, as the game has it before its move.
void Finish(GameState& s, int computerStones) {
    SetBoardFloor(s.board);
    s.ColumnState.fill(kColumnOpen);
    RecountFullColumns(s);
    LetComputerMove(s, computerStones);
}
}  // namespace

std::vector<GameState> MakePositions(int count, int minStones, int maxStones, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState s;
        // The human begins: the computer moves after an odd number of stones.
        std::uniform_int_distribution<int> stonesDist(minStones, maxStones);
        int stones = stonesDist(rng) | 1;
        if (stones > maxStones) stones -= 2;
        bool ok = true;
        for (int k = 0; k < stones && ok; ++k) {
            const int16 player = k % 2 == 0 ? kHuman : kComputer;
            int tries = 0;
            while (!Drop(s, static_cast<int>(rng() % 7), player)) {
                if (++tries > 50) ok = false;
                if (!ok) break;
            }
            if (HasLine(s)) ok = false;
        }
        bool boardFull = true;
        for (int c = 0; c < kColumnCount; ++c)
            boardFull = boardFull && s.Cells[c] != 0;
        if (!ok || boardFull) continue;
        Finish(s, stones / 2);
        out.push_back(s);
    }
    return out;
}

std::vector<GameState> MakeFullBoards(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState s;
        for (int k = 0; k < kCellCount; ++k)
            s.Cells[k] = (rng() & 1) != 0 ? kHuman : kComputer;
        if (HasLine(s)) continue;
        Finish(s, 21);
        out.push_back(s);
    }
    return out;
}

}  // namespace tessora::bench
