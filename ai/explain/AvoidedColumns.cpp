#include "ai/explain/AvoidedColumns.h"

#include <algorithm>

#include "ai/BestCell.h"

namespace tessora::explain {
namespace {

// The marked cell that speaks for a column: its mark and row.
struct ColumnMark {
    CellMark mark = CellMark::None;
    int row = 0;
};

// An avoid mark right under a cell that would complete four for the side to move is the
// threat scan's own warning: a stone there lets the other side take that cell.
const Wording& MarkWording(const Grids& grids, ColumnMark found, int column) {
    switch (found.mark) {
        case CellMark::Forbidden:
            return kForbiddenColumn;
        case CellMark::Avoid:
            return grids.OwnThreat.at(found.row - 1, column) > 0 ? kUnderOwnThreatColumn
                                                                 : kAvoidedColumn;
        case CellMark::Caution:
            return kCautionColumn;
        case CellMark::Doubt:
        case CellMark::None:
            break;
    }
    return kDoubtColumn;
}

void AddColumn(const Grids& grids, int column, ColumnMark found, const Writer& writer,
               Explanation& out) {
    Explanation::AvoidedColumn& avoided = out.avoided[static_cast<std::size_t>(out.avoidedCount++)];
    avoided.column = column;
    writer.Write(avoided.text, MarkWording(grids, found, column), {column});
}

// Whether a mark keeps the choice from taking the cell at this value.
bool MarkRefuses(CellMark mark, int value) {
    return mark == CellMark::Forbidden || (mark == CellMark::Avoid && value < kAvoidOverrideScore);
}

}  // namespace

CellMark StrongestMark(const Grids& grids, int row, int column) {
    if (grids.ForbiddenMark.at(row, column) > 0) return CellMark::Forbidden;
    if (grids.AvoidMark.at(row, column) > 0) return CellMark::Avoid;
    if (grids.CautionMark.at(row, column) > 0) return CellMark::Caution;
    if (grids.DoubtMark.at(row, column) > 0) return CellMark::Doubt;
    return CellMark::None;
}

void ListColumnsRuledOutByMarks(const Workspace& ws, int chosenScore, const Writer& writer,
                                Explanation& out) {
    const Grids& grids = ws.grids();
    for (int column = 1; column <= kColumnCount; ++column) {
        if (ws.ColumnFull(column)) continue;
        ColumnMark found;
        for (int row = 1; row <= kRowCount; ++row) {
            const int value =
                std::max(grids.AttackScore.at(row, column), grids.DefenceScore.at(row, column));
            const CellMark mark = StrongestMark(grids, row, column);
            if (value <= chosenScore || !MarkRefuses(mark, value)) continue;
            if (found.mark == CellMark::None || mark < found.mark) found = {mark, row};
        }
        if (found.mark != CellMark::None) AddColumn(grids, column, found, writer, out);
    }
}

void ListColumnsRuledOutByClass(const Workspace& ws, const PenaltyClasses& classes, int limit,
                                const Writer& writer, Explanation& out) {
    const Grids& grids = ws.grids();
    for (int column = 1; column <= kColumnCount; ++column) {
        if (ws.ColumnFull(column) || classes[static_cast<std::size_t>(column)] <= limit) continue;
        // The class is the strongest mark anywhere in the column; its first cell speaks for it.
        ColumnMark found;
        for (int row = 1; row <= kRowCount; ++row) {
            const CellMark mark = StrongestMark(grids, row, column);
            if (mark != CellMark::None && (found.mark == CellMark::None || mark < found.mark)) {
                found = {mark, row};
            }
        }
        AddColumn(grids, column, found, writer, out);
    }
}

}  // namespace tessora::explain
