#include "ai/doubt/MarkDoubtCells.h"

#include "ai/doubt/BoxedRowRule.h"
#include "ai/doubt/DoubtRules.h"

namespace tessora {

namespace {

using doubt::Alternative;
using doubt::Group;
using doubt::LineRule;

bool Holds(const Workspace& ws, int16 colour, const Alternative& alt, int loopValue) {
    if (ws.board(alt.first.at(loopValue)) != colour) return false;
    return alt.cellCount == 1 || ws.board(alt.second.at(loopValue)) == colour;
}

bool Holds(const Workspace& ws, int16 colour, const Group& group, int loopValue) {
    for (int i = 0; i < group.count; ++i) {
        if (Holds(ws, colour, group.alternatives[i], loopValue)) return true;
    }
    return false;
}

// The target is empty and, above the bottom row, rests on a stone. A bottom-row target is
// only tested for being empty.
bool TargetPlayable(const Workspace& ws, Cell target) {
    if (ws.board(target) != 0) return false;
    return target.row == kRowCount || ws.Supported(target);
}

void ApplyLineRule(Workspace& ws, int16 colour, const LineRule& rule) {
    ws.SetOrigin(Stage::MarkDoubtCells, rule.number, colour);
    for (int value = rule.kFirst; value <= rule.kLast; ++value) {
        const Cell target = rule.target.at(value);
        if (!TargetPlayable(ws, target)) continue;
        bool allHold = true;
        for (int g = 0; g < rule.groupCount && allHold; ++g) {
            allHold = Holds(ws, colour, rule.groups[g], value);
        }
        if (allHold) ws.mark(ws.grids().DoubtMark, target);
    }
}

}  // namespace

void MarkDoubtCells(Workspace& ws, int16 colour) {
    for (const LineRule& rule : doubt::kLineRules) {
        if (rule.number == doubt::kBoxedRowRuleNumber + 1) {
            ws.SetOrigin(Stage::MarkDoubtCells, doubt::kBoxedRowRuleNumber, colour);
            MarkBoxedRowGaps(ws, colour);
        }
        ApplyLineRule(ws, colour, rule);
    }
}

}  // namespace tessora
