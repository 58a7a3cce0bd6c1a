// The moves named without a cell: the stacked-threat block, the last open column, the
// two-column endgame and the last-resort column.
#include "ai/FallbackColumn.h"
#include "ai/TwoColumnEndgame.h"
#include "ai/explain/AvoidedColumns.h"
#include "ai/explain/KindExplanations.h"

namespace tessora::explain {

void ExplainStackedThreats(const Writer& writer, Explanation& out) {
    writer.Write(out.text, kStackedText, {out.column});
}

void ExplainLastColumn(const Writer& writer, Explanation& out) {
    writer.Write(out.text, kLastColumnText, {out.column});
}

void ExplainTwoColumnEndgame(const ChosenMove& move, const Writer& writer, Explanation& out) {
    const Workspace& ws = move.player.workspace();
    int columnA = 0;
    int columnB = 0;
    for (int column = 1; column <= kColumnCount; ++column) {
        if (ws.ColumnFull(column)) continue;
        (columnA == 0 ? columnA : columnB) = column;
    }
    // The stage looks for its shape only when the two open columns lie close together.
    const bool shape =
        columnB - columnA < 3 && WinningShapeColumn(ws, Yield::Never) == ColumnCode(out.column);
    if (shape) {
        writer.Write(out.text, kEndgameShapeText, {out.column});
        return;
    }
    const int other = out.column == columnA ? columnB : columnA;
    writer.Write(out.text, kEndgameCountText,
                 {out.column, columnA, columnB, SafeCells(ws, out.column), SafeCells(ws, other)});
}

void ExplainFallbackColumn(const ChosenMove& move, const Writer& writer, Explanation& out) {
    const Workspace& ws = move.player.workspace();
    const PenaltyClasses classes = ColumnPenaltyClasses(ws);
    const int limit = PenaltyLimit(classes);
    int eligible = 0;
    for (int column = 1; column <= kColumnCount; ++column) {
        if (!ws.ColumnFull(column) && classes[static_cast<std::size_t>(column)] <= limit) {
            ++eligible;
        }
    }
    const int parity = limit == kAvoidClassLimit ? ParityColumn(ws, classes) : 0;
    if (parity == out.column) {
        writer.Write(out.text, kFallbackParityText, {out.column});
    } else if (eligible == 1) {
        writer.Write(out.text, kFallbackSafestText, {out.column});
    } else {
        // One draw per eligible column decided.
        writer.Write(out.text, kFallbackDrawText, {out.column, eligible});
        writer.Write(out.chance, kFallbackChance, {});
    }
    ListColumnsRuledOutByClass(ws, classes, limit, writer, out);
}

}  // namespace tessora::explain
