#include "ai/threats/ThreatWindows.h"

namespace tessora {
namespace {

constexpr CellRange kVerticalStarts{{1, 3}, {1, kColumnCount}};

bool WindowMatches(const Workspace& ws, const ThreatWindow& window, int16 colour, Cell start) {
    for (const Cell& stone : window.stones) {
        if (ws.board(start + stone) != colour) return false;
    }
    return ws.board(start + window.gap) == 0;
}

// Scores one gap found for colour.
void ScoreGap(Workspace& ws, bool own, Cell gap) {
    Grids& grids = ws.grids();
    if (ws.Supported(gap)) {
        ws.add(own ? grids.AttackScore : grids.DefenceScore, gap, kThreatGapPoints);
        return;
    }
    // The gap hangs over an empty cell: whoever plays below it hands the cell to the other side.
    const Cell twoBelow = gap(2, 0);
    ws.add(grids.AttackScore, twoBelow, -kBelowGapPenalty);
    ws.add(grids.DefenceScore, twoBelow, -kBelowGapPenalty);
    if (!own) ws.mark(grids.CautionMark, twoBelow);
    if (ws.board(twoBelow) != 0) {
        // The cell below the gap is the next free cell: a stone there would open the gap on top.
        ws.mark(own ? grids.AvoidMark : grids.ForbiddenMark, gap.Below());
    }
}

}  // namespace

void ScanThreatWindow(Workspace& ws, const ThreatWindow& window, int16 colour) {
    ws.SetOrigin(Stage::ScanThreats, window.scan, colour);
    const bool own = ws.IsOwnPass(colour);
    Grids& grids = ws.grids();
    ForEachStart(ws, window.starts, Yield::AfterEachStart, [&](Cell start) {
        if (!WindowMatches(ws, window, colour, start)) return;
        const Cell gap = start + window.gap;
        ws.mark(own ? grids.OwnThreat : grids.FoeThreat, gap);
        if (own && window.markFirstStone) ws.add(grids.OwnThreat, start, 1);
        ScoreGap(ws, own, gap);
    });
}

void ScanVerticalThreats(Workspace& ws, int16 colour) {
    ws.SetOrigin(Stage::ScanThreats, kVerticalScan, colour);
    const bool own = ws.IsOwnPass(colour);
    Grids& grids = ws.grids();
    ForEachStart(ws, kVerticalStarts, Yield::AfterEachStart, [&](Cell top) {
        if (ws.board(top(1, 0)) == colour && ws.board(top(2, 0)) == colour &&
            ws.board(top(3, 0)) == colour && ws.board(top) == 0) {
            ws.add(own ? grids.AttackScore : grids.DefenceScore, top, kThreatGapPoints);
        }
    });
}

}  // namespace tessora
