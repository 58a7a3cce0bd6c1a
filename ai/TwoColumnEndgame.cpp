#include "ai/TwoColumnEndgame.h"

namespace tessora {
namespace {

// Own stones in (l + 1, m), (l + 1, m + 2) and (l + 1, m + 4); (l + 2, m + 1) and (l + 1, m + 3)
// are the next free cells of their columns, and (l, m + 3) completes four for the computer only.
bool WinningShape(const Workspace& ws, int l, int m) {
    const Grids& grids = ws.grids();
    return ws.board(l + 1, m) == OwnCode && ws.board(l + 1, m + 2) == OwnCode &&
           ws.board(l + 1, m + 4) == OwnCode && ws.board(l + 2, m + 1) == 0 &&
           ws.board(l + 1, m + 3) == 0 && ws.board(l + 3, m + 1) != 0 &&
           ws.board(l + 2, m + 3) != 0 && grids.FoeThreat.at(l, m + 3) == 0 &&
           grids.OwnThreat.at(l, m + 3) > 0;
}

}  // namespace

int SafeCells(const Workspace& ws, int column) {
    const Grids& grids = ws.grids();
    int count = 0;
    for (int row = kRowCount; row >= 1; --row) {
        if (ws.board(row, column) != 0) continue;
        if (grids.OwnThreat.at(row, column) > 0 || grids.FoeThreat.at(row, column) > 0) break;
        ++count;
    }
    return count;
}

int16 WinningShapeColumn(const Workspace& ws, Yield yield) {
    int16 result = 0;
    for (const int l : {2, 4}) {
        for (const int m : {1, 2}) {
            if (WinningShape(ws, l, m)) result = ColumnCode(m + 3);
            if (yield == Yield::AfterEachStart) ws.DoEvents();
        }
    }
    return result;
}

int16 TwoColumnEndgame(Workspace& ws) {
    const GameState& state = ws.state();
    int columnA = 0;
    int columnB = 0;
    for (int i = 0; i < kColumnCount; ++i) {
        if (!state.ColumnFull(i)) {
            if (columnA == 0) {
                columnA = i + 1;
            } else if (columnB == 0) {
                columnB = i + 1;
            }
        }
        ws.DoEvents();
    }
    if (columnB == 0) return 0;  // fewer than two columns open: nothing to weigh
    const int countB = SafeCells(ws, columnB);
    const int countA = SafeCells(ws, columnA);

    int16 result = columnB - columnA < 3 ? WinningShapeColumn(ws, Yield::AfterEachStart) : 0;
    if (result == 0) {
        if (countB > countA) result = ColumnCode(columnB);
        if (countB < countA) result = ColumnCode(columnA);
    }
    return result;
}

}  // namespace tessora
