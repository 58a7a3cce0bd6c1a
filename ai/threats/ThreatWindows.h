#pragma once

#include <array>

#include "ai/Workspace.h"

namespace tessora {

// Points for an immediately playable gap: a win for the computer, a block against the opponent.
constexpr int16 kThreatGapPoints = 101;
// Taken from both score grids two cells below a gap that cannot be played yet.
constexpr int16 kBelowGapPenalty = 3;

// One horizontal or diagonal window of four: three stone cells and the gap that would complete
// it, as offsets from the start cell. markFirstStone adds to the own threat map at the first
// stone as well.
struct ThreatWindow {
    int scan;
    std::array<Cell, 3> stones;
    Cell gap;
    CellRange starts;
    bool markFirstStone;
};

// The vertical three is scan 5, between the horizontal and the diagonal scans.
constexpr int kVerticalScan = 5;

// The twelve horizontal and diagonal scans in calling order: scan number, stone cells, gap.
constexpr std::array<ThreatWindow, 12> kThreatWindows{{
    {1, {{{0, 0}, {0, 1}, {0, 2}}}, {0, 3}, kRowWindowStarts, false},
    {2, {{{0, 0}, {0, 1}, {0, 3}}}, {0, 2}, kRowWindowStarts, false},
    {3, {{{0, 0}, {0, 2}, {0, 3}}}, {0, 1}, kRowWindowStarts, false},
    {4, {{{0, 1}, {0, 2}, {0, 3}}}, {0, 0}, kRowWindowStarts, false},
    {6, {{{1, 1}, {2, 2}, {3, 3}}}, {0, 0}, kDownRightWindowStarts, false},
    {7, {{{0, 0}, {2, 2}, {3, 3}}}, {1, 1}, kDownRightWindowStarts, false},
    {8, {{{0, 0}, {1, 1}, {3, 3}}}, {2, 2}, kDownRightWindowStarts, false},
    {9, {{{0, 0}, {1, 1}, {2, 2}}}, {3, 3}, kDownRightWindowStarts, true},
    {10, {{{1, -1}, {2, -2}, {3, -3}}}, {0, 0}, kDownLeftWindowStarts, false},
    {11, {{{0, 0}, {2, -2}, {3, -3}}}, {1, -1}, kDownLeftWindowStarts, false},
    {12, {{{0, 0}, {1, -1}, {3, -3}}}, {2, -2}, kDownLeftWindowStarts, false},
    {13, {{{0, 0}, {1, -1}, {2, -2}}}, {3, -3}, kDownLeftWindowStarts, false},
}};

// Scans every start cell of the window for its three stones of colour around an empty gap, and
// scores and marks each gap found. Lets the window breathe after every start cell.
void ScanThreatWindow(Workspace& ws, const ThreatWindow& window, int16 colour);

// Scans columns for three stones of colour under an empty cell; that cell earns the gap points
// and nothing else (the cell above a vertical three is always playable).
void ScanVerticalThreats(Workspace& ws, int16 colour);

}  // namespace tessora
