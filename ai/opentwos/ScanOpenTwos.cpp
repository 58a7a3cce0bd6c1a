#include "ai/opentwos/ScanOpenTwos.h"

#include <array>

#include "ai/opentwos/OpenTwoScans.h"

namespace tessora {

namespace {

struct Cell {
    int row;
    int column;
};

using Window = std::array<Cell, kOpenTwoWindowLength>;

Window WindowAt(const OpenTwoScan& scan, int row, int column) {
    Window window{};
    for (int k = 0; k < kOpenTwoWindowLength; ++k) {
        window[k] = Cell{row + k * scan.direction.dRow, column + k * scan.direction.dColumn};
    }
    return window;
}

int16 At(const Workspace& ws, Cell cell) {
    return ws.board(cell.row, cell.column);
}
bool Supported(const Workspace& ws, Cell cell) {
    return ws.Supported(cell.row, cell.column);
}

// Both stone cells hold the colour and the other three cells are empty.
bool Matches(const Workspace& ws, const OpenTwoScan& scan, const Window& window, int16 colour) {
    for (int k = 0; k < kOpenTwoWindowLength; ++k) {
        const bool stone = k == scan.stoneA || k == scan.stoneB;
        if (At(ws, window[k]) != (stone ? colour : 0)) return false;
    }
    return true;
}

// The computer's own threat cell sits directly above this cell.
bool OwnThreatAbove(const Workspace& ws, Cell cell) {
    return ws.grids().OwnThreat.at(cell.row - 1, cell.column) > 0;
}

// The opponent's side shapes next to a horizontal two in the middle rows: a stone below the
// window's left (or right) end whose rising diagonal passes through the window, with the next
// free cells of the two columns beside it on that diagonal.
bool LeftSideShape(const Workspace& ws, int16 colour, int i, int j) {
    return ws.board(i + 1, j) == colour && ws.board(i + 2, j - 1) == 0 &&
           ws.board(i + 3, j - 1) != 0 && ws.board(i - 2, j + 3) == 0 &&
           ws.board(i - 1, j + 3) != 0;
}

bool RightSideShape(const Workspace& ws, int16 colour, int i, int j) {
    return ws.board(i + 1, j + 4) == colour && ws.board(i + 2, j + 5) == 0 &&
           ws.board(i + 3, j + 5) != 0 && ws.board(i - 2, j + 1) == 0 &&
           ws.board(i - 1, j + 1) != 0;
}

// Only shapes that fit on the board are looked at: the left one needs column j - 1, the right
// one column j + 5.
bool SideShapePresent(const Workspace& ws, int16 colour, int i, int j) {
    if (i != 3 && i != 4) return false;
    const bool leftFits = j - 1 >= 1;
    const bool rightFits = j + 5 <= kColumnCount;
    return (leftFits && LeftSideShape(ws, colour, i, j)) ||
           (rightFits && RightSideShape(ws, colour, i, j));
}

bool OpponentTargetAllowed(const Workspace& ws, const OpenTwoScan& scan, int16 colour,
                           const Window& window, int i, int j) {
    switch (scan.foeTarget) {
        case FoeTargetRule::Plain:
            return true;
        case FoeTargetRule::NotUnderOwnThreat:
            return !OwnThreatAbove(ws, window[scan.target]);
        case FoeTargetRule::NotBesideSideShape:
            return !SideShapePresent(ws, colour, i, j);
    }
    return true;
}

void ScoreEndCell(Workspace& ws, const OpenTwoScan& scan, bool own, Cell end) {
    if (!Supported(ws, end)) return;
    if (own) {
        if (scan.ownEndGuard && OwnThreatAbove(ws, end)) return;
        ws.add(ws.grids().AttackScore, end.row, end.column, scan.ownEndPoints);
    } else {
        ws.add(ws.grids().DefenceScore, end.row, end.column, scan.foeEndPoints);
    }
}

void ScoreWindow(Workspace& ws, const OpenTwoScan& scan, int16 colour, int i, int j) {
    const Window window = WindowAt(scan, i, j);
    if (!Matches(ws, scan, window, colour)) return;

    const bool own = ws.IsOwnPass(colour);
    Grid& scores = own ? ws.grids().AttackScore : ws.grids().DefenceScore;
    const Cell target = window[scan.target];
    const Cell first = window[0];
    const Cell last = window[kOpenTwoWindowLength - 1];
    if (Supported(ws, target) && (own || OpponentTargetAllowed(ws, scan, colour, window, i, j))) {
        ws.add(scores, target.row, target.column, kOpenTwoTargetPoints);
        if (Supported(ws, first) && Supported(ws, last)) {
            ws.add(scores, target.row, target.column, scan.openEndsBonus);
        }
    }
    if (scan.hasEndCells) {
        ScoreEndCell(ws, scan, own, last);
        ScoreEndCell(ws, scan, own, first);
    }
}

void RunScan(Workspace& ws, const OpenTwoScan& scan, int16 colour) {
    const ScanBounds& b = scan.bounds;
    for (int i = b.firstRow; i <= b.lastRow; ++i) {
        for (int j = b.firstColumn; j <= b.lastColumn; ++j) {
            ScoreWindow(ws, scan, colour, i, j);
            ws.DoEvents();
        }
    }
}

}  // namespace

void ScanOpenTwos(Workspace& ws, int16 colour) {
    for (const OpenTwoScan& scan : kOpenTwoScans) {
        ws.SetOrigin(Stage::ScanOpenTwos, scan.number, colour);
        RunScan(ws, scan, colour);
    }
}

}  // namespace tessora
