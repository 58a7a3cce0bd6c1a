// Compile-time checks of the rule tables: every rule number appears once, in ascending order,
// and every cell a rule reads or writes lies inside the board and the grids for all anchors.
#include "ai/linepatterns/RuleTables.h"

namespace tessora::linepatterns {
namespace {

constexpr bool InsideBoard(CellRange anchors, Cell offset) {
    return anchors.rows.first + offset.row >= Board::kFirstRow &&
           anchors.rows.last + offset.row <= Board::kLastRow &&
           anchors.columns.first + offset.column >= 1 &&
           anchors.columns.last + offset.column <= kColumnCount;
}

constexpr bool InsideBoard(CellRange anchors, const Offsets& cells) {
    for (const Cell& offset : cells) {
        if (!InsideBoard(anchors, offset)) return false;
    }
    return true;
}

// Targets are written to the score grids and marks, rows 1..8; the playable-or-prepare step
// also reads two rows below its target, and marks the cell below it in a playing row.
constexpr bool BonusRuleInside(const BonusRule& rule) {
    const CellRange anchors = rule.anchors();
    for (const Condition& condition : rule.further) {
        if (!InsideBoard(anchors, condition.cells)) return false;
    }
    return InsideBoard(anchors, rule.x) && InsideBoard(anchors, rule.empty) &&
           InsideBoard(anchors, rule.nonEmpty) && InsideBoard(anchors, rule.target);
}

constexpr bool PrepareRuleInside(const PrepareRule& rule) {
    const CellRange anchors = rule.anchors();
    return InsideBoard(anchors, rule.x) && InsideBoard(anchors, rule.empty) &&
           InsideBoard(anchors, rule.target) && InsideBoard(anchors, rule.target.Below()) &&
           anchors.rows.first + rule.target.row >= 1;
}

constexpr bool AllInside() {
    for (const BonusRule& rule : kBonusRules) {
        if (!BonusRuleInside(rule)) return false;
    }
    for (const PrepareRule& rule : kPrepareRules) {
        if (!PrepareRuleInside(rule)) return false;
    }
    return true;
}

template <typename Table>
constexpr bool Ascending(const Table& table) {
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i - 1].number >= table[i].number) return false;
    }
    return true;
}

static_assert(AllInside(), "a rule reads or writes outside the board");
static_assert(Ascending(kBonusRules) && Ascending(kPrepareRules), "rule rows out of order");

}  // namespace
}  // namespace tessora::linepatterns
