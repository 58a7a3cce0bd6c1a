#include "ai/threats/ThreatWindows.h"

namespace tessora {
namespace {

bool WindowMatches(const Workspace& ws, const ThreatWindow& window, int16 colour, int i, int j) {
    for (const CellOffset& stone : window.stones) {
        if (ws.board(i + stone.rows, j + stone.columns) != colour) return false;
    }
    return ws.board(i + window.gap.rows, j + window.gap.columns) == 0;
}

// Scores one gap (gr, gc) found for colour.
void ScoreGap(Workspace& ws, bool own, int gr, int gc) {
    Grids& grids = ws.grids();
    if (ws.Supported(gr, gc)) {
        ws.add(own ? grids.AttackScore : grids.DefenceScore, gr, gc, kThreatGapPoints);
        return;
    }
    // The gap hangs over an empty cell: whoever plays below it hands the cell to the other side.
    ws.add(grids.AttackScore, gr + 2, gc, -kBelowGapPenalty);
    ws.add(grids.DefenceScore, gr + 2, gc, -kBelowGapPenalty);
    if (!own) ws.mark(grids.CautionMark, gr + 2, gc);
    if (ws.board(gr + 2, gc) != 0) {
        // (gr + 1, gc) is the next free cell: a stone there would open the gap on top.
        ws.mark(own ? grids.AvoidMark : grids.ForbiddenMark, gr + 1, gc);
    }
}

}  // namespace

void ScanThreatWindow(Workspace& ws, const ThreatWindow& window, int16 colour,
                      const StartBounds& bounds) {
    ws.SetOrigin(Stage::ScanThreats, window.scan, colour);
    const bool own = ws.IsOwnPass(colour);
    Grids& grids = ws.grids();
    for (int i = bounds.firstRow; i <= bounds.lastRow; ++i) {
        for (int j = bounds.firstColumn; j <= bounds.lastColumn; ++j) {
            if (WindowMatches(ws, window, colour, i, j)) {
                const int gr = i + window.gap.rows;
                const int gc = j + window.gap.columns;
                ws.mark(own ? grids.OwnThreat : grids.FoeThreat, gr, gc);
                if (own && window.markFirstStone) ws.add(grids.OwnThreat, i, j, 1);
                ScoreGap(ws, own, gr, gc);
            }
            ws.DoEvents();
        }
    }
}

void ScanVerticalThreats(Workspace& ws, int16 colour) {
    ws.SetOrigin(Stage::ScanThreats, kVerticalScan, colour);
    const bool own = ws.IsOwnPass(colour);
    Grids& grids = ws.grids();
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= kColumnCount; ++j) {
            if (ws.board(i + 1, j) == colour && ws.board(i + 2, j) == colour &&
                ws.board(i + 3, j) == colour && ws.board(i, j) == 0) {
                ws.add(own ? grids.AttackScore : grids.DefenceScore, i, j, kThreatGapPoints);
            }
            ws.DoEvents();
        }
    }
}

}  // namespace tessora
