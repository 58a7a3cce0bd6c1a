#include "ai/BestCell.h"

#include <array>

namespace tessora {
namespace {

// Column orders: both start in the centre and alternate outward, from opposite sides.
using ColumnOrder = std::array<int, kColumnCount>;
constexpr ColumnOrder kLeftFirst{4, 3, 5, 6, 2, 7, 1};
constexpr ColumnOrder kRightFirst{4, 5, 3, 2, 6, 1, 7};

void OfferGrid(Workspace& ws, const Grid& grid, const ColumnOrder& order) {
    for (int row = 1; row <= kRowCount; ++row) {
        for (const int column : order)
            OfferCell(ws, grid, row, column);
    }
}

// Whether the cell's value replaces the best score so far.
bool Takes(const Grids& grids, const GameState& state, int16 value, int16 best, int row,
           int column) {
    if (value <= best) return false;
    if (grids.ForbiddenMark.at(row, column) != 0) return false;
    if (grids.AvoidMark.at(row, column) != 0 && value < kAvoidOverrideScore) return false;
    // Points can sit on any cell of a column, even a full one (the stacked-threat reward lands
    // on occupied cells); a full column can never take the stone.
    return !state.ColumnFull(ColumnOfBoardColumn(column));
}

void FindInGrid(const Grids& grids, const GameState& state, const Grid& grid,
                const ColumnOrder& order, ChosenCell& best) {
    for (int row = 1; row <= kRowCount; ++row) {
        for (const int column : order) {
            const int16 value = grid.at(row, column);
            if (Takes(grids, state, value, best.score, row, column))
                best = {grid.id(), row, column, value};
        }
    }
}

}  // namespace

int16 ChooseBestCell(Workspace& ws) {
    BestChoiceArray& best = ws.BestChoice();
    best.Clear();
    ws.random().Randomize();
    const int coin = static_cast<int>(2.0 * ws.random().Rnd() + 1.0);
    const Grids& grids = ws.grids();
    if (coin == kCoinLeftFirst) {
        OfferGrid(ws, grids.AttackScore, kLeftFirst);
        OfferGrid(ws, grids.DefenceScore, kRightFirst);
    } else {
        OfferGrid(ws, grids.AttackScore, kRightFirst);
        OfferGrid(ws, grids.DefenceScore, kLeftFirst);
    }
    return best.Column();
}

void OfferCell(Workspace& ws, const Grid& grid, int row, int column) {
    BestChoiceArray& best = ws.BestChoice();
    const int16 value = grid.at(row, column);
    if (!Takes(ws.grids(), ws.state(), value, best.Score(), row, column)) return;
    best.Score() = value;
    best.Column() = ColumnCode(column);
}

ChosenCell FindBestCell(const Grids& grids, const GameState& state, int coin) {
    const bool leftFirst = coin == kCoinLeftFirst;
    ChosenCell best;
    FindInGrid(grids, state, grids.AttackScore, leftFirst ? kLeftFirst : kRightFirst, best);
    FindInGrid(grids, state, grids.DefenceScore, leftFirst ? kRightFirst : kLeftFirst, best);
    return best;
}

}  // namespace tessora
