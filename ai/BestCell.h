#pragma once

#include "ai/Workspace.h"

namespace tessora {

// A cell marked only with AvoidMark may still be chosen when its score reaches this.
constexpr int16 kAvoidOverrideScore = 20;

// Picks the best acceptable cell of rows 1..6 over AttackScore, then DefenceScore, and returns
// its column code (0 when no cell has a positive acceptable score). One coin draw decides
// which side of the centre each grid looks at first; ties go to the earlier cell offered.
int16 ChooseBestCell(Workspace& ws);

// Takes grid(row, column) as the new best choice when it beats the best score so far, the
// cell is not forbidden, its column is not full, and an avoid mark is outweighed by the score.
void OfferCell(Workspace& ws, const Grid& grid, int row, int column);

// The coin's two sides: AttackScore is looked at left of the centre first, or right of it.
constexpr int kCoinLeftFirst = 1;
constexpr int kCoinRightFirst = 2;

// A cell the choice takes: its grid, place and score; column 0 when no cell is taken.
struct ChosenCell {
    GridId grid = GridId::AttackScore;
    int row = 0;
    int column = 0;
    int16 score = 0;
};

// The cell ChooseBestCell takes on these grids and this position with the given coin, found
// without drawing or writing anything (to explain a choice after it was made).
ChosenCell FindBestCell(const Grids& grids, const GameState& state, int coin);

}  // namespace tessora
