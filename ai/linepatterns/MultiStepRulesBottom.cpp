#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {
namespace {

// Rules 57 and 58, own pass / other pass.
constexpr Points kStackUnderDiagonal{30, 28};  // the anchor completes the diagonal's three
constexpr Points kBothNextCells{30, 30};       // each of the two next free cells

// Rules 57 and 58: two stacked stones at the bottom of a column, the anchor a on top of them
// in row 4, and the diagonal rising from a towards the right (step +1) or the left (step -1).
void StackUnderRisingDiagonal(LinePass& pass, Interval columns, int step) {
    ForEachStart(pass, {{4, 4}, columns}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(1, 0)) && pass.X(a(2, 0)) && pass.Empty(a))) return;
        const Cell d1 = a(-1, step);
        const Cell d2 = a(-2, 2 * step);
        const Cell d3 = a(-3, 3 * step);
        if (pass.X(d1)) {
            if (pass.X(d2)) {
                if (pass.NonEmpty(d3.Below()) && pass.Empty(d3)) pass.Bonus(a, kStackUnderDiagonal);
            } else if (pass.X(d3) && pass.NonEmpty(d2.Below()) && pass.Empty(d2)) {
                pass.Bonus(a, kStackUnderDiagonal);
            }
        } else if (pass.NonEmpty(d1.Below()) && pass.Empty(d1) && pass.X(d2) && pass.X(d3)) {
            pass.Bonus(a, kBothNextCells);
            pass.Bonus(a(0, step), kBothNextCells);
        }
    });
}

}  // namespace

// Stacked stones in columns 1 to 3 under a diagonal rising to the right.
void Rule57(LinePass& pass) {
    pass.BeginRule(57);
    StackUnderRisingDiagonal(pass, {1, 3}, +1);
}

// Stacked stones in columns 5 to 7 under a diagonal rising to the left.
void Rule58(LinePass& pass) {
    pass.BeginRule(58);
    StackUnderRisingDiagonal(pass, {5, 7}, -1);
}

// A stone in the bottom row's centre with one diagonally above it to the right; absolute cells,
// no loop. In the other pass AvoidMark(6,6) follows an AvoidMark on (6,7) but is never cleared.
void Rule59(LinePass& pass) {
    pass.BeginRule(59);
    if (!(pass.X({6, 4}) && pass.X({5, 5}) && pass.Empty({5, 4}) && pass.Empty({4, 5}) &&
          pass.Empty({6, 3}) && pass.NotX({6, 5}))) {
        return;
    }
    if (pass.IsOwnPass()) {
        if (pass.Empty({6, 6}) && pass.Empty({5, 7}) && pass.NonEmpty({6, 7})) {
            pass.AddAttack({5, 4}, 1);
        }
    } else if (pass.Empty({6, 6}) && pass.Empty({6, 7})) {
        if (pass.AvoidMark({6, 7}) == 1) pass.MarkAvoid({6, 6});
        pass.AddDefence({5, 4}, 1);
    }
}

// Mirror of rule 59, the second stone diagonally above to the left.
void Rule60(LinePass& pass) {
    pass.BeginRule(60);
    if (!(pass.X({5, 3}) && pass.X({6, 4}) && pass.Empty({4, 3}) && pass.Empty({5, 4}) &&
          pass.Empty({6, 5}) && pass.NotX({6, 3}))) {
        return;
    }
    if (pass.IsOwnPass()) {
        if (pass.Empty({5, 1}) && pass.Empty({6, 2}) && pass.NonEmpty({6, 1})) {
            pass.AddAttack({5, 4}, 1);
        }
    } else if (pass.Empty({6, 1}) && pass.Empty({6, 2})) {
        if (pass.AvoidMark({6, 1}) == 1) pass.MarkAvoid({6, 2});
        pass.AddDefence({5, 4}, 1);
    }
}

}  // namespace tessora::linepatterns
