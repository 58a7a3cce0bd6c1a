#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {
namespace {

// Rules 12 and 13: the rest of kTwoThreats when the far end of the empty row is playable too.
constexpr Points kPlayableRowEnd{31, 29};

// Rules 1 and 2, when the diagonal stone above the row is already there: the cell under the
// row gap is a bad move for both sides.
void MarkUnderRowGap(LinePass& pass, Cell cell) {
    if (pass.IsOwnPass()) {
        pass.MarkCaution(cell);
        pass.AddAttack(cell, -11);
        pass.AddDefence(cell, -11);
    } else {
        pass.MarkAvoid(cell);
        pass.AddDefence(cell, -11);
    }
}

}  // namespace

// A diagonal rising from (3,0) with its gap at (2,1), and a second stone (1,3) beside its stone
// (1,2): its top (0,3) gets 3, or, when the colour holds the top already, (2,0) is marked.
void Rule1(LinePass& pass) {
    pass.BeginRule(1);
    ForEachStart(pass, {{1, 3}, {1, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(1, 2)) && pass.X(a(1, 3)) && pass.X(a(3, 0)) && pass.Empty(a(2, 0)) &&
              pass.Empty(a(2, 1)))) {
            return;
        }
        if (pass.X(a(0, 3))) {
            MarkUnderRowGap(pass, a(2, 0));
        } else if (pass.Empty(a(0, 3))) {
            pass.Bonus(a(0, 3), 3, 3);
        }
    });
}

// Mirror of rule 1: the diagonal rises to the left from (3,3), its top is (0,0).
void Rule2(LinePass& pass) {
    pass.BeginRule(2);
    ForEachStart(pass, {{1, 3}, {1, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(1, 0)) && pass.X(a(1, 1)) && pass.X(a(3, 3)) && pass.Empty(a(2, 2)) &&
              pass.Empty(a(2, 3)))) {
            return;
        }
        if (pass.X(a(0, 0))) {
            MarkUnderRowGap(pass, a(2, 3));
        } else if (pass.Empty(a(0, 0))) {
            pass.Bonus(a(0, 0), 3, 3);
        }
    });
}

// Two stacked stones: the cell on top is worth a little when the row beside it can grow;
// the playable cells on both sides of the upper stone are doubtful.
void Rule7(LinePass& pass) {
    pass.BeginRule(7);
    ForEachStart(pass, {{2, 3}, {3, 5}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(2, 0)) && pass.X(a(3, 0)))) return;
        bool side = (pass.X(a(1, -1)) && pass.NotOpp(a(1, -2))) ||
                    (pass.X(a(1, 1)) && pass.NotOpp(a(1, 2)));
        if (!side) {
            side = pass.Playable(a(2, 1)) || pass.Playable(a(2, -1)) || pass.Playable(a(1, -1)) ||
                   pass.Playable(a(1, 1));
        }
        if (side && pass.Empty(a(1, 0))) pass.Bonus(a(1, 0), 3, 3);
        if (pass.Empty(a(2, -1)) && pass.NonEmpty(a(3, -1))) {
            pass.MarkDoubt(a(2, -1));
            pass.Deduct(a(2, -1), 1, 1);
        }
        if (pass.Empty(a(2, 1)) && pass.NonEmpty(a(3, 1))) {
            pass.MarkDoubt(a(2, 1));
            pass.Deduct(a(2, 1), 1, 1);
        }
    });
}

// Two pairs stepping up to the right in rows 1 and 2 under four empty cells of row 0: the cell
// (0,1) on the step gets 1, and two threats' worth when (0,4) is playable as well.
void Rule12(LinePass& pass) {
    pass.BeginRule(12);
    ForEachStart(pass, {{2, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(1, 1)) && pass.X(a(1, 2)) && pass.X(a(2, 0)) && pass.X(a(2, 1)) &&
              pass.Empty(a(0, 1)) && pass.Empty(a(0, 2)) && pass.Empty(a(0, 3)) &&
              pass.Empty(a(0, 4)))) {
            return;
        }
        pass.Bonus(a(0, 1), 1, 1);
        if (pass.NonEmpty(a(1, 4))) pass.Bonus(a(0, 1), kPlayableRowEnd);
    });
}

// Mirror of rule 12: the pairs step up to the left, the cell (0,3) is rewarded.
void Rule13(LinePass& pass) {
    pass.BeginRule(13);
    ForEachStart(pass, {{2, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(1, 2)) && pass.X(a(1, 3)) && pass.X(a(2, 3)) && pass.X(a(2, 4)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 1)) && pass.Empty(a(0, 2)) &&
              pass.Empty(a(0, 3)))) {
            return;
        }
        pass.Bonus(a(0, 3), 1, 1);
        if (pass.NonEmpty(a(1, 0))) pass.Bonus(a(0, 3), kPlayableRowEnd);
    });
}

// Stones at (1,0) and (1,2) in a row and (3,0) under them with (2,1) open: the playable cell
// (1,3) at the row's end is avoided and loses 3.
void Rule18(LinePass& pass) {
    pass.BeginRule(18);
    ForEachStart(pass, {{1, 3}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (pass.X(a(1, 0)) && pass.X(a(1, 2)) && pass.X(a(3, 0)) && pass.Empty(a(2, 1)) &&
            pass.Empty(a(1, 3)) && pass.NonEmpty(a(2, 3))) {
            pass.MarkAvoid(a(1, 3));
            pass.Deduct(a(1, 3), 3, 3);
        }
    });
}

// Mirror of rule 18: stones at (1,1), (1,3) and (3,3); the cell (1,0) is avoided.
void Rule19(LinePass& pass) {
    pass.BeginRule(19);
    ForEachStart(pass, {{1, 3}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (pass.X(a(1, 1)) && pass.X(a(1, 3)) && pass.X(a(3, 3)) && pass.Empty(a(2, 2)) &&
            pass.Empty(a(1, 0)) && pass.NonEmpty(a(2, 0))) {
            pass.MarkAvoid(a(1, 0));
            pass.Deduct(a(1, 0), 3, 3);
        }
    });
}

}  // namespace tessora::linepatterns
