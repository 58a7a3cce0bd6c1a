#include "ai/doubt/BoxedRowRule.h"

namespace tessora {

namespace {

// The segments' left ends: the bottom three rows, the first three columns.
constexpr CellRange kAnchors{{4, kRowCount}, {1, 3}};
constexpr int kSegmentEnd = 4;  // offset of the segment's far end from its anchor

// Marks inner cell `gap` of the segment at anchor when the other two inner cells hold the
// computer's stones and the gap is empty with a stone or the floor below it.
void MarkGap(Workspace& ws, Cell anchor, int gap) {
    for (int inner = 1; inner < kSegmentEnd; ++inner) {
        if (inner != gap && ws.board(anchor(0, inner)) != OwnCode) return;
    }
    if (ws.board(anchor(0, gap)) != 0 || ws.board(anchor(1, gap)) == 0) return;
    ws.mark(ws.grids().DoubtMark, anchor(0, gap));
}

}  // namespace

void MarkBoxedRowGaps(Workspace& ws, int16 colour) {
    ForEachStart(ws, kAnchors, Yield::AfterEachStart, [&](Cell anchor) {
        if (ws.board(anchor) == colour && ws.board(anchor(0, kSegmentEnd)) == colour) {
            // The three gaps in turn; each needs a different inner cell empty.
            MarkGap(ws, anchor, 3);
            MarkGap(ws, anchor, 2);
            MarkGap(ws, anchor, 1);
        }
    });
}

}  // namespace tessora
