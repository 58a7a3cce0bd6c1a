#include "ai/linepatterns/TableRules.h"

namespace tessora::linepatterns {
namespace {

bool AllX(const LinePass& pass, Cell anchor, const Offsets& cells) {
    for (const Cell& offset : cells) {
        if (!pass.X(anchor + offset)) return false;
    }
    return true;
}

bool AllEmpty(const LinePass& pass, Cell anchor, const Offsets& cells) {
    for (const Cell& offset : cells) {
        if (!pass.Empty(anchor + offset)) return false;
    }
    return true;
}

bool AllNonEmpty(const LinePass& pass, Cell anchor, const Offsets& cells) {
    for (const Cell& offset : cells) {
        if (!pass.NonEmpty(anchor + offset)) return false;
    }
    return true;
}

bool Passes(const LinePass& pass, Cell cell, CellTest test) {
    switch (test) {
        case CellTest::Empty:
            return pass.Empty(cell);
        case CellTest::NotX:
            return pass.NotX(cell);
        case CellTest::NotOpp:
            return pass.NotOpp(cell);
    }
    return false;
}

bool Holds(const LinePass& pass, Cell anchor, const Condition& condition) {
    int passed = 0;
    for (const Cell& offset : condition.cells) {
        if (Passes(pass, anchor + offset, condition.test)) ++passed;
    }
    return condition.anyOf ? passed > 0 : passed == condition.cells.count;
}

bool AllHold(const LinePass& pass, Cell anchor, const Conditions& conditions) {
    for (const Condition& condition : conditions) {
        if (!Holds(pass, anchor, condition)) return false;
    }
    return true;
}

}  // namespace

void ApplyBonusRule(LinePass& pass, const BonusRule& rule) {
    pass.BeginRule(rule.number);
    ForEachStart(pass, rule.anchors(), rule.yield, [&](Cell a) {
        if (AllX(pass, a, rule.x) && AllEmpty(pass, a, rule.empty) &&
            AllNonEmpty(pass, a, rule.nonEmpty) && AllHold(pass, a, rule.further)) {
            pass.Bonus(a + rule.target, rule.points);
        }
    });
}

void ApplyBonusRules(LinePass& pass, int first, int last) {
    for (const BonusRule& rule : kBonusRules) {
        if (rule.number >= first && rule.number <= last) ApplyBonusRule(pass, rule);
    }
}

void ApplyPrepareRule(LinePass& pass, const PrepareRule& rule) {
    pass.BeginRule(rule.number);
    ForEachStart(pass, rule.anchors(), Yield::AfterEachStart, [&](Cell a) {
        if (AllX(pass, a, rule.x) && AllEmpty(pass, a, rule.empty)) {
            PlayOrPrepare(pass, a + rule.target, rule.points, rule.deduction);
        }
    });
}

void ApplyPrepareRules(LinePass& pass, int first, int last) {
    for (const PrepareRule& rule : kPrepareRules) {
        if (rule.number >= first && rule.number <= last) ApplyPrepareRule(pass, rule);
    }
}

}  // namespace tessora::linepatterns
