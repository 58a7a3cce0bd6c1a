#include "core/GameState.h"

#include <cstdio>
#include <cstdlib>

namespace tessora {

void Board::CheckIndex(int row, int column) {
    if (row < kFirstRow || row > kLastRow || column < 1 || column > kColumnCount) {
        std::fprintf(stderr, "Board index out of range: (%d, %d)\n", row, column);
        std::abort();
    }
}

void Board::ClearRows(int rows) {
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= kColumnCount; ++c)
            set(r, c, 0);
    }
}

void SetBoardFloor(Board& board) {
    for (int r = 7; r <= 8; ++r) {
        for (int c = 1; c <= kColumnCount; ++c)
            board.set(r, c, kFloor);
    }
}

void BuildBoard(GameState& state) {
    for (int i = 0; i < kCellCount; ++i) {
        if (state.Cells[i] == 0) continue;
        const int row = CellRow(i) + 1;
        const int column = CellColumn(i) + 1;
        state.board.set(row, column, state.Cells[i] == state.PlayerToMove ? 1 : 2);
    }
    state.SideCode = 1;
}

}  // namespace tessora
