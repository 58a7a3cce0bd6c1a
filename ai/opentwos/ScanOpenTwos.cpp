#include "ai/opentwos/ScanOpenTwos.h"

#include <array>

#include "ai/opentwos/OpenTwoScans.h"

namespace tessora {

namespace {

using Window = std::array<Cell, kOpenTwoWindowLength>;

Window WindowAt(const OpenTwoScan& scan, Cell start) {
    Window window{};
    for (int k = 0; k < kOpenTwoWindowLength; ++k)
        window[k] = start + k * scan.direction;
    return window;
}

// Both stone cells hold the colour and the other three cells are empty.
bool Matches(const Workspace& ws, const OpenTwoScan& scan, const Window& window, int16 colour) {
    for (int k = 0; k < kOpenTwoWindowLength; ++k) {
        const bool stone = k == scan.stoneA || k == scan.stoneB;
        if (ws.board(window[k]) != (stone ? colour : 0)) return false;
    }
    return true;
}

// The computer's own threat cell sits directly above this cell.
bool OwnThreatAbove(const Workspace& ws, Cell cell) {
    return ws.grids().OwnThreat.at(cell.Above()) > 0;
}

// The opponent's side shapes next to a horizontal two in the middle rows: a stone below the
// window's left (or right) end whose rising diagonal passes through the window, with the next
// free cells of the two columns beside it on that diagonal.
bool LeftSideShape(const Workspace& ws, int16 colour, Cell s) {
    return ws.board(s(1, 0)) == colour && ws.board(s(2, -1)) == 0 && ws.board(s(3, -1)) != 0 &&
           ws.board(s(-2, 3)) == 0 && ws.board(s(-1, 3)) != 0;
}

bool RightSideShape(const Workspace& ws, int16 colour, Cell s) {
    return ws.board(s(1, 4)) == colour && ws.board(s(2, 5)) == 0 && ws.board(s(3, 5)) != 0 &&
           ws.board(s(-2, 1)) == 0 && ws.board(s(-1, 1)) != 0;
}

// Only shapes that fit on the board are looked at: the left one needs the column left of the
// start, the right one the column five to its right.
bool SideShapePresent(const Workspace& ws, int16 colour, Cell start) {
    if (start.row != 3 && start.row != 4) return false;
    const bool leftFits = start.column - 1 >= 1;
    const bool rightFits = start.column + 5 <= kColumnCount;
    return (leftFits && LeftSideShape(ws, colour, start)) ||
           (rightFits && RightSideShape(ws, colour, start));
}

bool OpponentTargetAllowed(const Workspace& ws, const OpenTwoScan& scan, int16 colour,
                           const Window& window) {
    switch (scan.foeTarget) {
        case FoeTargetRule::Plain:
            return true;
        case FoeTargetRule::NotUnderOwnThreat:
            return !OwnThreatAbove(ws, window[scan.target]);
        case FoeTargetRule::NotBesideSideShape:
            return !SideShapePresent(ws, colour, window[0]);
    }
    return true;
}

void ScoreEndCell(Workspace& ws, const OpenTwoScan& scan, bool own, Cell end) {
    if (!ws.Supported(end)) return;
    if (own) {
        if (scan.ownEndGuard && OwnThreatAbove(ws, end)) return;
        ws.add(ws.grids().AttackScore, end, scan.ownEndPoints);
    } else {
        ws.add(ws.grids().DefenceScore, end, scan.foeEndPoints);
    }
}

void ScoreWindow(Workspace& ws, const OpenTwoScan& scan, int16 colour, Cell start) {
    const Window window = WindowAt(scan, start);
    if (!Matches(ws, scan, window, colour)) return;

    const bool own = ws.IsOwnPass(colour);
    Grid& scores = own ? ws.grids().AttackScore : ws.grids().DefenceScore;
    const Cell target = window[scan.target];
    const Cell first = window[0];
    const Cell last = window[kOpenTwoWindowLength - 1];
    if (ws.Supported(target) && (own || OpponentTargetAllowed(ws, scan, colour, window))) {
        ws.add(scores, target, kOpenTwoTargetPoints);
        if (ws.Supported(first) && ws.Supported(last)) ws.add(scores, target, scan.openEndsBonus);
    }
    if (scan.hasEndCells) {
        ScoreEndCell(ws, scan, own, last);
        ScoreEndCell(ws, scan, own, first);
    }
}

}  // namespace

void ScanOpenTwos(Workspace& ws, int16 colour) {
    for (const OpenTwoScan& scan : kOpenTwoScans) {
        ws.SetOrigin(Stage::ScanOpenTwos, scan.number, colour);
        ForEachStart(ws, scan.starts, Yield::AfterEachStart,
                     [&](Cell start) { ScoreWindow(ws, scan, colour, start); });
    }
}

}  // namespace tessora
