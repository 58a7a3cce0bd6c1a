#include "core/Game.h"

namespace tessora {

namespace {
// The quick test's four scans over Board: the start cells' rows and columns and the step from
// one cell of a line to the next. Rows 7 and 8 (the floor) are never part of a line.
struct QuickScan {
    int firstRow, lastRow, firstColumn, lastColumn, rowStep, columnStep;
};
constexpr std::array<QuickScan, 4> kQuickScans{{
    {1, 6, 1, 4, 0, 1},   // horizontal
    {1, 3, 1, 7, 1, 0},   // vertical
    {1, 3, 1, 4, 1, 1},   // diagonal down to the right
    {4, 6, 1, 4, -1, 1},  // diagonal up to the right
}};

bool HasLine(const Board& board, const QuickScan& scan) {
    for (int r = scan.firstRow; r <= scan.lastRow; ++r) {
        for (int c = scan.firstColumn; c <= scan.lastColumn; ++c) {
            bool line = true;
            for (int k = 0; k < 4 && line; ++k) {
                line = board.at(r + k * scan.rowStep, c + k * scan.columnStep) == 1;
            }
            if (line) return true;
        }
    }
    return false;
}
}  // namespace

void Game::HasFourOnBoard(int16 owner, int16& result) {
    BuildBoard(state_, owner);
    result = 0;
    for (const QuickScan& scan : kQuickScans) {
        if (HasLine(state_.board, scan)) {
            result = 1;
            return;
        }
    }
}

void Game::CheckAndPassTurn() {
    const int16 player = state_.PlayerToMove;
    int16 owner = 0;
    if (player == kComputer) {
        owner = CodeComputer;
    } else if (player == kHuman) {
        owner = CodeHuman;
    } else {
        return;
    }
    int16 result = 0;
    HasFourOnBoard(owner, result);
    if (result == 1) CheckFour(owner);
    if (state_.GameRestarted == 0 && state_.PlayerToMove == player) {
        state_.PlayerToMove = player == kComputer ? kHuman : kComputer;
    }
}

void Game::CheckFullColumns() {
    state_.FullColumnCount = 0;
    for (int i = 0; i < kColumnCount; ++i) {
        if (state_.Cells[i] != 0) {
            state_.ColumnState[i] = kColumnFull;
            ++state_.FullColumnCount;
        }
        shell_.DoEvents();
    }
    if (!flags_.FourFound && state_.FullColumnCount > kColumnCount - 1) ShowDraw();
}

}  // namespace tessora
