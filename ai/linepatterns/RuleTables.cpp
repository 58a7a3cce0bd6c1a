// Compile-time checks of the rule tables: every rule number appears once, in ascending order,
// and every cell a rule reads or writes lies inside the board and the grids for all anchors.
#include "ai/linepatterns/RuleTables.h"

namespace tessora::linepatterns {
namespace {

// The anchors rules 8 and 9 are given by the pass.
constexpr Span kRule8And9Rows{1, 3};
constexpr Span kRule8And9Columns{1, 3};

constexpr bool InsideBoard(Span rows, Span columns, Offset offset) {
    return rows.first + offset.dr >= Board::kFirstRow && rows.last + offset.dr <= Board::kLastRow &&
           columns.first + offset.dc >= 1 && columns.last + offset.dc <= kColumnCount;
}

constexpr bool InsideBoard(Span rows, Span columns, const Offsets& cells) {
    for (const Offset& offset : cells) {
        if (!InsideBoard(rows, columns, offset)) return false;
    }
    return true;
}

// Targets are written to the score grids and marks, rows 1..8; the playable-or-prepare step
// also reads two rows below its target, and marks the cell below it in a playing row.
constexpr bool BonusRuleInside(const BonusRule& rule) {
    const Span rows = rule.number == 8 || rule.number == 9 ? kRule8And9Rows : rule.rows;
    const Span columns = rule.number == 8 || rule.number == 9 ? kRule8And9Columns : rule.columns;
    for (const Condition& condition : rule.further) {
        if (!InsideBoard(rows, columns, condition.cells)) return false;
    }
    return InsideBoard(rows, columns, rule.x) && InsideBoard(rows, columns, rule.empty) &&
           InsideBoard(rows, columns, rule.nonEmpty) && InsideBoard(rows, columns, rule.target);
}

constexpr bool PrepareRuleInside(const PrepareRule& rule) {
    const Offset below{rule.target.dr + 1, rule.target.dc};
    return InsideBoard(rule.rows, rule.columns, rule.x) &&
           InsideBoard(rule.rows, rule.columns, rule.empty) &&
           InsideBoard(rule.rows, rule.columns, rule.target) &&
           InsideBoard(rule.rows, rule.columns, below) && rule.rows.first + rule.target.dr >= 1;
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
