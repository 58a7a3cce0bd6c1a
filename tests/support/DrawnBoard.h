#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/GameState.h"
#include "core/Position.h"

namespace tessora::test {

// Positions in tests are drawn as six rows of seven cells, top row first:
//   'x'  a computer stone
//   'o'  a human stone
//   '.'  an empty cell
// Rows follow each other, best on lines of their own; spaces and blank lines are ignored. The
// computer player computes its move for the computer, so on its working board 'x' is code 1 and 'o'
// code 2.

// The board before the first stone.
inline constexpr std::string_view kEmptyBoard =
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n";

// The position for a computer move: Cells and Board hold the drawing, the floor is set,
// SideCode is 1, the computer is to move, and ColumnState and FullColumnCount agree with the
// drawing. Stones may float: scan tests draw bare shapes.
inline GameState PositionFromText(std::string_view text) {
    GameState state;
    int cell = 0;
    for (char ch : text) {
        if (ch == ' ') continue;
        if (ch == '\n') {
            if (cell % kColumnCount != 0) throw std::invalid_argument("each row needs 7 cells");
            continue;
        }
        if (cell >= kCellCount) throw std::invalid_argument("board is 7 x 6");
        const int16 stone = ch == 'x' ? kComputer : ch == 'o' ? kHuman : ch == '.' ? 0 : -1;
        if (stone < 0) throw std::invalid_argument("cells are x, o or .");
        state.Cells[cell] = stone;
        state.board.set(cell / kColumnCount + 1, cell % kColumnCount + 1,
                        stone == kComputer ? 1
                        : stone == kHuman  ? 2
                                           : 0);
        ++cell;
    }
    if (cell != kCellCount) throw std::invalid_argument("board needs 6 rows of 7 cells");
    SetBoardFloor(state.board);
    state.PlayerToMove = kComputer;
    state.SideCode = 1;
    state.ColumnState.fill(kColumnOpen);
    RecountFullColumns(state);
    return state;
}

// The stones of one player (kHuman or kComputer) in Cells, or of both.
inline int CountStones(const GameState& state, int16 player) {
    int count = 0;
    for (int16 cell : state.Cells)
        count += cell == player ? 1 : 0;
    return count;
}
inline int CountStones(const GameState& state) {
    return CountStones(state, kHuman) + CountStones(state, kComputer);
}

// The first cell of Cells whose stone floats above an empty cell, or -1 when every stone lies
// in the bottom row or on another stone.
inline int FloatingStone(const GameState& state) {
    for (int cell = 0; cell + kColumnCount < kCellCount; ++cell) {
        if (state.Cells[cell] != 0 && state.Cells[cell + kColumnCount] == 0) return cell;
    }
    return -1;
}

// Puts a drawn position into a running game: Cells, ColumnState and FullColumnCount as after
// the last move's check; everything else of the game stays. The stones must rest on each other,
// as in a game.
inline void SetCells(GameState& state, std::string_view text) {
    const GameState drawn = PositionFromText(text);
    if (FloatingStone(drawn) >= 0) throw std::invalid_argument("a stone floats");
    state.Cells = drawn.Cells;
    state.ColumnState = drawn.ColumnState;
    state.FullColumnCount = drawn.FullColumnCount;
}

// The position drawn in the same letters, one row per line.
inline std::string DrawCells(const GameState& state) {
    std::string text;
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            const int16 cell = state.Cells[row * kColumnCount + column];
            text += cell == kComputer ? 'x' : cell == kHuman ? 'o' : '.';
        }
        text += '\n';
    }
    return text;
}

}  // namespace tessora::test
