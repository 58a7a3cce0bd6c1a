#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

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

}  // namespace tessora::linepatterns
