#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {
namespace {

// Rules 57 and 58: two stacked stones at the bottom of column k and a diagonal rising away
// from it, towards the right (step +1) or the left (step -1). Rows are absolute.
void StackUnderRisingDiagonal(LinePass& pass, Span columns, int step) {
    for (int k = columns.first; k <= columns.last; ++k) {
        const int k1 = k + step;
        const int k2 = k + 2 * step;
        const int k3 = k + 3 * step;
        if (pass.X({5, k}) && pass.X({6, k}) && pass.Empty({4, k})) {
            if (pass.X({3, k1})) {
                if (pass.X({2, k2})) {
                    if (pass.NonEmpty({2, k3}) && pass.Empty({1, k3})) pass.Bonus({4, k}, 30, 28);
                } else if (pass.X({1, k3}) && pass.NonEmpty({3, k2}) && pass.Empty({2, k2})) {
                    pass.Bonus({4, k}, 30, 28);
                }
            } else if (pass.NonEmpty({4, k1}) && pass.Empty({3, k1}) && pass.X({2, k2}) &&
                       pass.X({1, k3})) {
                // Both cells get 30 in either pass.
                pass.Bonus({4, k}, 30, 30);
                pass.Bonus({4, k1}, 30, 30);
            }
        }
        pass.DoEvents();
    }
}

}  // namespace

void Rule57(LinePass& pass) {
    pass.BeginRule(57);
    StackUnderRisingDiagonal(pass, {1, 3}, +1);
}

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
