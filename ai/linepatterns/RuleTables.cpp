// Compile-time checks of the rule tables: every rule number appears once, in ascending order,
// and every cell a rule reads or writes lies inside the board and the grids for all anchors.
#include "ai/linepatterns/RuleTables.h"

namespace tessora::linepatterns {
namespace {

// The anchors rules 8 and 9 are given by the pass.
constexpr Interval kRule8And9Rows{1, 3};
constexpr Interval kRule8And9Columns{1, 3};

constexpr bool InsideBoard(Interval rows, Interval columns, Cell offset) {
    return rows.first + offset.row >= Board::kFirstRow &&
           rows.last + offset.row <= Board::kLastRow && columns.first + offset.column >= 1 &&
           columns.last + offset.column <= kColumnCount;
}

constexpr bool InsideBoard(Interval rows, Interval columns, const Offsets& cells) {
    for (const Cell& offset : cells) {
        if (!InsideBoard(rows, columns, offset)) return false;
    }
    return true;
}

// Targets are written to the score grids and marks, rows 1..8; the playable-or-prepare step
// also reads two rows below its target, and marks the cell below it in a playing row.
constexpr bool BonusRuleInside(const BonusRule& rule) {
    const Interval rows = rule.number == 8 || rule.number == 9 ? kRule8And9Rows : rule.rows;
    const Interval columns = rule.number == 8 || rule.number == 9 ? kRule8And9Columns : rule.columns;
    for (const Condition& condition : rule.further) {
        if (!InsideBoard(rows, columns, condition.cells)) return false;
    }
    return InsideBoard(rows, columns, rule.x) && InsideBoard(rows, columns, rule.empty) &&
           InsideBoard(rows, columns, rule.nonEmpty) && InsideBoard(rows, columns, rule.target);
}

constexpr bool PrepareRuleInside(const PrepareRule& rule) {
    const Cell below = rule.target.Below();
    return InsideBoard(rule.rows, rule.columns, rule.x) &&
           InsideBoard(rule.rows, rule.columns, rule.empty) &&
           InsideBoard(rule.rows, rule.columns, rule.target) &&
           InsideBoard(rule.rows, rule.columns, below) && rule.rows.first + rule.target.row >= 1;
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
