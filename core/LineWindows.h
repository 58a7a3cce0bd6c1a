#pragma once

#include <array>

#include "core/GameState.h"

namespace tessora {

// The four in a row the game looks for, walked as windows of four cells. Every scan of the game
// (the full scan that shows a line, the quick test after the computer's stone, the plain line
// finder of the tools) is a table of LineScan rows walked by ForEachWindow; only the order of
// the rows and what is done with each window differ.

enum class LineDirection { None, Horizontal, Vertical, Diagonal };

// Cell steps in Cells (index row * 7 + column, row 0 at the top) from one cell of a line to the
// next.
constexpr int kCellsRight = 1;
constexpr int kCellsDown = kColumnCount;
constexpr int kCellsDownRight = kColumnCount + 1;
constexpr int kCellsDownLeft = kColumnCount - 1;
constexpr int kCellsUpRight = -kCellsDownLeft;

// Four cells in a row: the first one and the step to the next, as Cells indexes.
struct Window {
    int first;
    int step;

    constexpr int Cell(int k) const { return first + k * step; }
    constexpr std::array<int, 4> Cells() const { return {Cell(0), Cell(1), Cell(2), Cell(3)}; }
};

// first, first + step, ... up to and including last; step may be negative.
struct Span {
    int first;
    int last;
    int step;

    constexpr int Count() const { return (last - first) / step + 1; }
};
// A span of one value, for scans whose start cells need only one loop.
constexpr Span kOnce{0, 0, 1};

// One scan: its windows start at cell outer + inner, the outer span walked slowest.
struct LineScan {
    LineDirection direction;
    Span outer;
    Span inner;
    int step;
};

// Calls visit(window) for every window of scan in order until it returns true; returns whether
// it did.
template <typename Visit>
constexpr bool ForEachWindow(const LineScan& scan, Visit&& visit) {
    int o = scan.outer.first;
    for (int n = scan.outer.Count(); n > 0; --n, o += scan.outer.step) {
        int i = scan.inner.first;
        for (int m = scan.inner.Count(); m > 0; --m, i += scan.inner.step) {
            if (visit(Window{o + i, scan.step})) return true;
        }
    }
    return false;
}

// True when all four cells of the window hold player.
inline bool WindowHolds(const std::array<int16, kCellCount>& cells, const Window& window,
                        int16 player) {
    for (int k = 0; k < 4; ++k) {
        if (cells[window.Cell(k)] != player) return false;
    }
    return true;
}

// The full scan's order: horizontal lines by start column (the cells s to s + 35 down the
// board for s = 0..3, rows top to bottom), vertical lines from the top three rows, then for each
// of the top three rows its diagonals down to the right (from its cells 0 to 3) and down to the
// left (from its cells 3 to 6).
constexpr std::array<LineScan, 8> kFullScanOrder{{
    {LineDirection::Horizontal, {0, 3, 1}, {0, 35, kCellsDown}, kCellsRight},
    {LineDirection::Vertical, {0, 20, 1}, kOnce, kCellsDown},
    {LineDirection::Diagonal, {0, 3, 1}, kOnce, kCellsDownRight},
    {LineDirection::Diagonal, {3, 6, 1}, kOnce, kCellsDownLeft},
    {LineDirection::Diagonal, {7, 10, 1}, kOnce, kCellsDownRight},
    {LineDirection::Diagonal, {10, 13, 1}, kOnce, kCellsDownLeft},
    {LineDirection::Diagonal, {14, 17, 1}, kOnce, kCellsDownRight},
    {LineDirection::Diagonal, {17, 20, 1}, kOnce, kCellsDownLeft},
}};

// True when every window of the scans lies on the board without wrapping round a row end.
template <std::size_t N>
constexpr bool WindowsStayOnBoard(const std::array<LineScan, N>& scans) {
    for (const LineScan& scan : scans) {
        const bool outside = ForEachWindow(scan, [](const Window& w) {
            for (int k = 0; k < 4; ++k) {
                const int cell = w.Cell(k);
                if (cell < 0 || cell >= kCellCount) return true;
                const int columnMove = CellColumn(cell) - CellColumn(w.first);
                const int rowMove = CellRow(cell) - CellRow(w.first);
                if (columnMove > k || columnMove < -k || rowMove > k || rowMove < -k) return true;
            }
            return false;
        });
        if (outside) return false;
    }
    return true;
}
static_assert(WindowsStayOnBoard(kFullScanOrder));

}  // namespace tessora
