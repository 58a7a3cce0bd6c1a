#include "ai/linepatterns/TableRules.h"

namespace tessora::linepatterns {
namespace {

Cell At(Anchor anchor, Offset offset) {
    return anchor(offset.dr, offset.dc);
}

bool AllX(const LinePass& pass, Anchor anchor, const Offsets& cells) {
    for (const Offset& offset : cells) {
        if (!pass.X(At(anchor, offset))) return false;
    }
    return true;
}

bool AllEmpty(const LinePass& pass, Anchor anchor, const Offsets& cells) {
    for (const Offset& offset : cells) {
        if (!pass.Empty(At(anchor, offset))) return false;
    }
    return true;
}

bool AllNonEmpty(const LinePass& pass, Anchor anchor, const Offsets& cells) {
    for (const Offset& offset : cells) {
        if (!pass.NonEmpty(At(anchor, offset))) return false;
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

bool Holds(const LinePass& pass, Anchor anchor, const Condition& condition) {
    int passed = 0;
    for (const Offset& offset : condition.cells) {
        if (Passes(pass, At(anchor, offset), condition.test)) ++passed;
    }
    return condition.anyOf ? passed > 0 : passed == condition.cells.count;
}

bool AllHold(const LinePass& pass, Anchor anchor, const Conditions& conditions) {
    for (const Condition& condition : conditions) {
        if (!Holds(pass, anchor, condition)) return false;
    }
    return true;
}

}  // namespace

void ApplyBonusRule(LinePass& pass, const BonusRule& rule, AnchorRange range) {
    pass.BeginRule(rule.number);
    ForEachAnchor(pass, range, rule.events, [&](Anchor a) {
        if (AllX(pass, a, rule.x) && AllEmpty(pass, a, rule.empty) &&
            AllNonEmpty(pass, a, rule.nonEmpty) && AllHold(pass, a, rule.further)) {
            pass.Bonus(At(a, rule.target), rule.points.own, rule.points.other);
        }
    });
}

void ApplyBonusRule(LinePass& pass, const BonusRule& rule) {
    ApplyBonusRule(pass, rule, AnchorRange{rule.rows, rule.columns});
}

void ApplyBonusRules(LinePass& pass, int first, int last) {
    for (const BonusRule& rule : kBonusRules) {
        if (rule.number >= first && rule.number <= last) ApplyBonusRule(pass, rule);
    }
}

void ApplyPrepareRule(LinePass& pass, const PrepareRule& rule) {
    pass.BeginRule(rule.number);
    ForEachAnchor(pass, AnchorRange{rule.rows, rule.columns}, Events::AfterEachAnchor,
                  [&](Anchor a) {
                      if (AllX(pass, a, rule.x) && AllEmpty(pass, a, rule.empty)) {
                          PlayOrPrepare(pass, At(a, rule.target), rule.points.own,
                                        rule.points.other, rule.deduction);
                      }
                  });
}

void ApplyPrepareRules(LinePass& pass, int first, int last) {
    for (const PrepareRule& rule : kPrepareRules) {
        if (rule.number >= first && rule.number <= last) ApplyPrepareRule(pass, rule);
    }
}

void Rule8(LinePass& pass, int firstColumn, int lastColumn, int firstRow, int lastRow) {
    ApplyBonusRule(pass, BonusRuleNumber(8),
                   AnchorRange{{firstRow, lastRow}, {firstColumn, lastColumn}});
}

void Rule9(LinePass& pass, int firstColumn, int lastColumn, int firstRow, int lastRow) {
    ApplyBonusRule(pass, BonusRuleNumber(9),
                   AnchorRange{{firstRow, lastRow}, {firstColumn, lastColumn}});
}

}  // namespace tessora::linepatterns
