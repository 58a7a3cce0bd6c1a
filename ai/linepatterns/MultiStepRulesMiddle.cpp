#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

// A row of two with both ends playable, above a diagonal: the own pass rewards both ends, the
// other pass only one of them.
void Rule28(LinePass& pass) {
    pass.BeginRule(28);
    ForEachStart(pass, {{2, 4}, {1, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 2)) && pass.X(a(2, 3)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 3)) && pass.NonEmpty(a(1, 0)) &&
              pass.NonEmpty(a(1, 3)))) {
            return;
        }
        pass.Bonus(a(0, 3), kTwoThreats);
        // The own pass rewards the row's other end too, with the smaller share.
        if (pass.IsOwnPass()) pass.AddAttack(a(0, 0), kTwoThreats.other);
    });
}

// Mirror of rule 28: the diagonal runs down to the left; (0,0) gets the full share.
void Rule29(LinePass& pass) {
    pass.BeginRule(29);
    ForEachStart(pass, {{2, 4}, {1, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 1)) && pass.X(a(2, 0)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 3)) && pass.NonEmpty(a(1, 3)) &&
              pass.NonEmpty(a(1, 0)))) {
            return;
        }
        pass.Bonus(a(0, 0), kTwoThreats);
        if (pass.IsOwnPass()) pass.AddAttack(a(0, 3), kTwoThreats.other);
    });
}

// A two in row 0 whose left stone starts a diagonal of three down to the right: of the two
// playable cells (1,0) and (1,1) below the row, (1,0) is avoided and loses 3.
void Rule30(LinePass& pass) {
    pass.BeginRule(30);
    ForEachStart(pass, {{2, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (pass.X(a(0, 2)) && pass.X(a(0, 3)) && pass.X(a(1, 3)) && pass.X(a(2, 4)) &&
            pass.Empty(a(1, 0)) && pass.Empty(a(1, 1)) && pass.NonEmpty(a(2, 0)) &&
            pass.NonEmpty(a(2, 1))) {
            pass.MarkAvoid(a(1, 0));
            pass.Deduct(a(1, 0), 3, 3);
        }
    });
}

// Mirror of rule 30: the diagonal runs down to the left from (0,2); (1,4) is avoided.
void Rule31(LinePass& pass) {
    pass.BeginRule(31);
    ForEachStart(pass, {{2, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 1)) && pass.X(a(2, 0)) &&
            pass.Empty(a(1, 3)) && pass.Empty(a(1, 4)) && pass.NonEmpty(a(2, 3)) &&
            pass.NonEmpty(a(2, 4))) {
            pass.MarkAvoid(a(1, 4));
            pass.Deduct(a(1, 4), 3, 3);
        }
    });
}

// Stones in the two outer columns of one row with an open roof over the board's centre: the
// anchor, the roof's top, runs down the centre column only.
void Rule45(LinePass& pass) {
    pass.BeginRule(45);
    ForEachStart(pass, {{1, 3}, {4, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(3, 3)) && pass.X(a(3, -3)) && pass.Empty(a(2, -2)) && pass.Empty(a(2, 2)) &&
              pass.Empty(a(1, -1)) && pass.Empty(a(1, 1)) && pass.Empty(a))) {
            return;
        }
        const Cell below = a.Below();
        if (pass.NonEmpty(below)) {
            pass.Bonus(a, 1, 1);
        } else if (pass.NonEmpty(below.Below())) {
            if (pass.IsOwnPass()) {
                pass.MarkDoubt(below);
                pass.AddAttack(below, -1);
            } else {
                pass.MarkCaution(below);
            }
        }
    });
}

// An arch of four stones under a row whose outer cells are playable: when one middle cell of
// the row holds the colour, the other middle cell gets the bonus.
void Rule56(LinePass& pass) {
    pass.BeginRule(56);
    ForEachStart(pass, {{2, 4}, {1, 4}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.NonEmpty(a(1, 0)) && pass.NonEmpty(a(1, 3)) && pass.Empty(a(0, 0)) &&
              pass.Empty(a(0, 3)) && pass.X(a(2, 0)) && pass.X(a(1, 1)) && pass.X(a(1, 2)) &&
              pass.X(a(2, 3)))) {
            return;
        }
        if (pass.X(a(0, 2)) && pass.Empty(a(0, 1))) {
            pass.Bonus(a(0, 1), kTwoThreats);
        } else if (pass.X(a(0, 1)) && pass.Empty(a(0, 2))) {
            pass.Bonus(a(0, 2), kTwoThreats);
        }
    });
}

}  // namespace tessora::linepatterns
