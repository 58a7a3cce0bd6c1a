#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

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
