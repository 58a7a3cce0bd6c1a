#include "ai/doubt/BoxedRowRule.h"

namespace tessora {

namespace {

constexpr int kFirstAnchorRow = 4;
constexpr int kLastAnchorColumn = 3;
constexpr int kSegmentEnd = 4;  // offset of the segment's far end from its anchor

// Marks inner cell `gap` of the segment at (row, column) when the other two inner cells hold
// the computer's stones and the gap is empty with a stone or the floor below it.
void MarkGap(Workspace& ws, int row, int column, int gap) {
    for (int inner = 1; inner < kSegmentEnd; ++inner) {
        if (inner != gap && ws.board(row, column + inner) != OwnCode) return;
    }
    if (ws.board(row, column + gap) != 0 || ws.board(row + 1, column + gap) == 0) return;
    ws.mark(ws.grids().DoubtMark, row, column + gap);
}

}  // namespace

void MarkBoxedRowGaps(Workspace& ws, int16 colour) {
    for (int row = kFirstAnchorRow; row <= kRowCount; ++row) {
        for (int column = 1; column <= kLastAnchorColumn; ++column) {
            if (ws.board(row, column) == colour && ws.board(row, column + kSegmentEnd) == colour) {
                // The three gaps in turn; each needs a different inner cell empty.
                MarkGap(ws, row, column, 3);
                MarkGap(ws, row, column, 2);
                MarkGap(ws, row, column, 1);
            }
            ws.DoEvents();
        }
    }
}

}  // namespace tessora
