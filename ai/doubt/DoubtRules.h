#pragma once

#include <array>

#include "ai/GridCell.h"

namespace tessora::doubt {

// The loop variable of a rule, so that cells read "(k + 3, 4)" as in the rule tables.
struct LoopVariable {};
constexpr LoopVariable k{};

// A row or column number, fixed or counted from the rule's loop variable k: base + perK * k.
struct Coord {
    int base = 0;
    int perK = 0;

    constexpr Coord(int value) : base(value) {}  // NOLINT: a plain number reads as written
    constexpr Coord(LoopVariable) : perK(1) {}   // NOLINT: so does k
    constexpr Coord(int b, int p) : base(b), perK(p) {}
};
constexpr Coord operator+(LoopVariable, int n) {
    return Coord{n, 1};
}
constexpr Coord operator-(LoopVariable, int n) {
    return Coord{-n, 1};
}

// A cell that moves with the rule's loop variable: base + k * perK.
struct CellRef {
    Cell base{0, 0};
    Cell perK{0, 0};

    constexpr Cell at(int loopValue) const { return base + loopValue * perK; }
};

// One cell, or a pair of cells that must both hold the examined colour.
struct Alternative {
    CellRef first{};
    CellRef second{};
    int cellCount = 0;

    constexpr Alternative() = default;
    constexpr Alternative(CellRef cell)  // NOLINT: a single cell is the common case
        : first(cell), second(cell), cellCount(1) {}
    constexpr Alternative(CellRef a, CellRef b) : first(a), second(b), cellCount(2) {}
};
constexpr Alternative Both(CellRef a, CellRef b) {
    return Alternative{a, b};
}

// Satisfied when any one of its alternatives holds.
struct Group {
    std::array<Alternative, 4> alternatives{};
    int count = 0;
};

template <typename... Alts>
constexpr Group AnyOf(Alts... alts) {
    static_assert(sizeof...(alts) >= 1 && sizeof...(alts) <= 4);
    Group group;
    ((group.alternatives[group.count++] = Alternative{alts}), ...);
    return group;
}

// A target cell, or a family of targets over k = kFirst..kLast, that is marked when it is
// playable and every group holds.
struct LineRule {
    int number;
    int kFirst;
    int kLast;
    CellRef target;
    std::array<Group, 3> groups;
    int groupCount;
};

constexpr LineRule Rule(int number, int kFirst, int kLast, CellRef target, Group g1, Group g2) {
    return LineRule{number, kFirst, kLast, target, {g1, g2, Group{}}, 2};
}
constexpr LineRule Rule(int number, int kFirst, int kLast, CellRef target, Group g1, Group g2,
                        Group g3) {
    return LineRule{number, kFirst, kLast, target, {g1, g2, g3}, 3};
}
// Rules with a single fixed target run their loop once; k is then unused.
constexpr int kNoLoop = 0;

constexpr CellRef C(Coord row, Coord column) {
    return CellRef{{row.base, column.base}, {row.perK, column.perK}};
}

// The line-presence rules in calling order (the boxed-row rule 11 runs between 10 and 12).
// Each group holds the cells of one line through the target: first its row, then the diagonals.
// clang-format off
constexpr std::array<LineRule, 20> kLineRules{{
    Rule(1, 1, 3, C(1, k),
         AnyOf(C(1, 1), C(1, 2), C(1, 3), C(1, 4)),
         AnyOf(C(2, k + 1), C(3, k + 2), C(4, k + 3))),
    Rule(2, kNoLoop, kNoLoop, C(3, 2),
         AnyOf(C(3, 4), Both(C(3, 5), C(3, 1)), C(3, 3)),
         AnyOf(Both(C(6, 5), C(2, 1)), C(5, 4), C(4, 3)),
         AnyOf(C(1, 4), C(2, 3), C(4, 1))),
    Rule(3, 2, 3, C(k, 1),
         AnyOf(C(k, 1), C(k, 2), C(k, 3), C(k, 4)),
         AnyOf(C(k + 3, 4), C(k + 2, 3), C(k + 1, 2))),
    Rule(4, kNoLoop, kNoLoop, C(2, 2),
         AnyOf(C(2, 4), Both(C(2, 5), C(2, 1)), C(2, 3)),
         AnyOf(C(4, 4), C(3, 3), Both(C(5, 5), C(1, 1)))),
    Rule(5, kNoLoop, kNoLoop, C(2, 3),
         AnyOf(C(2, 4), Both(C(2, 6), C(2, 2)), Both(C(2, 1), C(2, 5)), Both(C(2, 2), C(2, 5))),
         AnyOf(C(4, 1), C(3, 2), C(1, 4)),
         AnyOf(Both(C(5, 6), C(1, 2)), C(4, 5), C(3, 4))),
    Rule(6, kNoLoop, kNoLoop, C(2, 5),
         AnyOf(C(2, 4), Both(C(2, 2), C(2, 6)), Both(C(2, 7), C(2, 3)), Both(C(2, 3), C(2, 6))),
         AnyOf(C(4, 7), C(1, 4), C(3, 6)),
         AnyOf(Both(C(5, 2), C(1, 6)), C(3, 4), C(4, 3))),
    Rule(7, kNoLoop, kNoLoop, C(2, 6),
         AnyOf(C(2, 4), Both(C(2, 7), C(2, 3)), C(2, 5)),
         AnyOf(Both(C(1, 7), C(5, 3)), C(3, 5), C(4, 4))),
    Rule(8, 2, 3, C(k, 7),
         AnyOf(C(k, 4), C(k, 5), C(k, 6), C(k, 7)),
         AnyOf(C(k + 3, 4), C(k + 2, 5), C(k + 1, 6))),
    Rule(9, kNoLoop, kNoLoop, C(3, 6),
         AnyOf(C(3, 4), Both(C(3, 7), C(3, 3)), C(3, 5)),
         AnyOf(Both(C(2, 7), C(6, 3)), C(4, 5), C(5, 4)),
         AnyOf(C(1, 4), C(4, 7), C(2, 5))),
    Rule(10, 5, 7, C(1, k),
         AnyOf(C(1, 4), C(1, 5), C(1, 6), C(1, 7)),
         AnyOf(C(4, k - 3), C(3, k - 2), C(2, k - 1))),
    Rule(12, 4, 5, C(k, 1),
         AnyOf(C(k, 1), C(k, 2), C(k, 3), C(k, 4)),
         AnyOf(C(k - 3, 4), C(k - 1, 2), C(k - 2, 3))),
    Rule(13, kNoLoop, kNoLoop, C(4, 2),
         AnyOf(C(4, 4), Both(C(4, 5), C(4, 1)), C(4, 3)),
         AnyOf(C(3, 1), C(6, 4), C(5, 3)),
         AnyOf(Both(C(1, 5), C(5, 1)), C(2, 4), C(3, 3))),
    Rule(14, kNoLoop, kNoLoop, C(5, 2),
         AnyOf(C(5, 4), Both(C(5, 5), C(5, 1)), C(5, 3)),
         AnyOf(Both(C(2, 5), C(6, 1)), C(3, 4), C(4, 3))),
    Rule(15, kNoLoop, kNoLoop, C(5, 3),
         AnyOf(C(5, 4), Both(C(5, 1), C(5, 5)), Both(C(5, 6), C(5, 2)), Both(C(5, 5), C(5, 2))),
         AnyOf(C(3, 1), C(6, 4), C(4, 2)),
         AnyOf(Both(C(6, 2), C(2, 6)), C(4, 4), C(3, 5))),
    Rule(16, 1, 3, C(6, k),
         AnyOf(C(6, 1), C(6, 2), C(6, 3), C(6, 4)),
         AnyOf(C(5, k + 1), C(3, k + 3), C(4, k + 2))),
    Rule(17, kNoLoop, kNoLoop, C(4, 6),
         AnyOf(C(4, 4), Both(C(4, 7), C(4, 3)), C(4, 5)),
         AnyOf(C(3, 7), C(5, 5), C(6, 4)),
         AnyOf(Both(C(5, 7), C(1, 3)), C(3, 5), C(2, 4))),
    Rule(18, 4, 5, C(k, 7),
         AnyOf(C(k, 4), C(k, 5), C(k, 6), C(k, 7)),
         AnyOf(C(k - 3, 4), C(k - 1, 6), C(k - 2, 5))),
    Rule(19, kNoLoop, kNoLoop, C(5, 5),
         AnyOf(C(5, 4), Both(C(5, 2), C(5, 6)), Both(C(5, 7), C(5, 3)), Both(C(5, 3), C(5, 6))),
         AnyOf(C(3, 7), C(6, 4), C(4, 6)),
         AnyOf(Both(C(2, 2), C(6, 6)), C(4, 4), C(3, 3))),
    Rule(20, kNoLoop, kNoLoop, C(5, 6),
         AnyOf(C(5, 4), Both(C(5, 7), C(5, 3)), C(5, 5)),
         AnyOf(Both(C(6, 7), C(2, 3)), C(4, 5), C(3, 4))),
    Rule(21, 5, 7, C(6, k),
         AnyOf(C(6, 4), C(6, 5), C(6, 6), C(6, 7)),
         AnyOf(C(3, k - 3), C(4, k - 2), C(5, k - 1))),
}};
// clang-format on

// Where the boxed-row rule runs in the order of rules.
constexpr int kBoxedRowRuleNumber = 11;

}  // namespace tessora::doubt
