#pragma once

#include <cstdint>

#include "core/GameState.h"

// The words every scan of the computer player uses for places on the working board and grids.
// Cells are (row, column) as on Board: row 1 at the top, row numbers growing downwards, the
// floor in rows 7 and 8; columns 1..7 from left to right. A scan visits start cells, rows in
// the outer loop and columns in the inner one, and names the other cells of its window or
// shape by their offset from the start cell.
namespace tessora {

// A cell, or the offset from one cell to another (rows down, columns to the right).
struct Cell {
    int row;
    int column;

    // The cell dr rows down and dc columns to the right of this one: a shape's cells read
    // a(1, 2), a(3, 0), ... from its start cell a.
    constexpr Cell operator()(int dr, int dc) const { return Cell{row + dr, column + dc}; }
    constexpr Cell operator+(Cell offset) const {
        return Cell{row + offset.row, column + offset.column};
    }
    constexpr Cell Below() const { return Cell{row + 1, column}; }
    constexpr Cell Above() const { return Cell{row - 1, column}; }
};

// k steps of an offset: window cell k lies at start + k * step.
constexpr Cell operator*(int k, Cell step) {
    return Cell{k * step.row, k * step.column};
}

// First and last value of a loop, both included.
struct Interval {
    int first;
    int last;
};

// The start cells of a scan: rows form the outer loop, columns the inner one.
struct CellRange {
    Interval rows;
    Interval columns;
};

// The start cells of the four-cell windows that stay on the board's rows 1..6: along a row, and
// down to the right and down to the left from the top three rows.
constexpr CellRange kRowWindowStarts{{1, 6}, {1, 4}};
constexpr CellRange kDownRightWindowStarts{{1, 3}, {1, 4}};
constexpr CellRange kDownLeftWindowStarts{{1, 3}, {4, 7}};

// Whether a scan lets the window process its events after each start cell.
enum class Yield : std::uint8_t { AfterEachStart, Never };

// Calls body(start) for every start cell of range, rows outer and columns inner. With
// Yield::AfterEachStart, window.DoEvents() follows every start cell, whether the scan found
// its shape there or not.
template <typename Window, typename Body>
void ForEachStart(const Window& window, CellRange range, Yield yield, Body&& body) {
    for (int row = range.rows.first; row <= range.rows.last; ++row) {
        for (int column = range.columns.first; column <= range.columns.last; ++column) {
            body(Cell{row, column});
            if (yield == Yield::AfterEachStart) window.DoEvents();
        }
    }
}

// The column code (150..156) the stages return for board column 1..7.
constexpr int16 ColumnCode(int column) {
    return CodeOfColumn(ColumnOfBoardColumn(column));
}

}  // namespace tessora
