#pragma once

#include <stdexcept>
#include <string_view>

#include "core/GameState.h"

namespace tessora::test {

// Builds a position for the computer player from six drawn rows, top row first:
// 'x' = stone of the side to move (Board code 1), 'o' = the other side (code 2), '.' = empty.
// Blank lines and spaces are ignored. The floor is set, SideCode is 1, PlayerToMove is the
// computer, and Cells, ColumnState and FullColumnCount agree with the drawing.
inline GameState PositionFromText(std::string_view text) {
    GameState state;
    int row = 1;
    int column = 1;
    for (char ch : text) {
        if (ch == '\n') {
            if (column != 1) {
                if (column != 8) throw std::invalid_argument("each row needs 7 cells");
                ++row;
                column = 1;
            }
            continue;
        }
        if (ch == ' ') continue;
        if (row > 6 || column > 7) throw std::invalid_argument("board is 7 x 6");
        const int16 value = ch == 'x' ? 1 : ch == 'o' ? 2 : ch == '.' ? 0 : -1;
        if (value < 0) throw std::invalid_argument("cells are x, o or .");
        state.board.set(row, column, value);
        state.Cells[(row - 1) * 7 + (column - 1)] = value == 1   ? kComputer
                                                    : value == 2 ? kHuman
                                                                 : 0;
        ++column;
    }
    if (column != 1) ++row;
    if (row != 7) throw std::invalid_argument("board needs 6 rows");
    SetBoardFloor(state.board);
    state.PlayerToMove = kComputer;
    state.SideCode = 1;
    state.FullColumnCount = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        const bool full = state.Cells[c] != 0;
        state.ColumnState[c] = full ? kColumnFull : kColumnOpen;
        state.FullColumnCount = static_cast<int16>(state.FullColumnCount + (full ? 1 : 0));
    }
    return state;
}

}  // namespace tessora::test
