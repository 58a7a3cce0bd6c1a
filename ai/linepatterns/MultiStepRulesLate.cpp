#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

// Three stones in a row held between two stones of the other side (Y), with one Y stone and
// one empty cell on the row above: the empty one of those two cells gets a point.
void Rule63(LinePass& pass) {
    pass.BeginRule(63);
    const int16 y = pass.OtherSide();
    ForEachStart(pass, {{3, 5}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        const bool yAbove = (pass.Holds(a(0, 1), y) && pass.Empty(a(0, 3))) ||
                            (pass.Holds(a(0, 3), y) && pass.Empty(a(0, 1)));
        if (yAbove && pass.Empty(a(0, 2)) && pass.Holds(a(1, 0), y) && pass.Holds(a(1, 4), y) &&
            pass.X(a(1, 1)) && pass.X(a(1, 2)) && pass.X(a(1, 3))) {
            pass.Bonus(pass.Empty(a(0, 1)) ? a(0, 1) : a(0, 3), 1, 1);
        }
    });
}

// The cell on top of two stacked stones: a cell that already scores gets 2 more, and a threat
// cell two above it makes the stack worth building. Runs last, reads the scores so far, and does
// not let the window process events.
void Rule70(LinePass& pass) {
    pass.BeginRule(70);
    ForEachStart(pass, {{3, 5}, {1, 7}}, Yield::Never, [&](Cell a) {
        if (!(pass.X(a(0, 0)) && pass.X(a(1, 0)) && pass.Empty(a(-1, 0)))) return;
        const Cell top = a(-1, 0);
        if (pass.IsOwnPass()) {
            if (pass.OwnThreat(a(-2, 0)) == 0 && pass.AttackScore(top) > 0) pass.AddAttack(top, 2);
            if (pass.OwnThreat(a(-3, 0)) > 0) pass.AddAttack(top, 31);
        } else {
            if (pass.DefenceScore(top) > 0) pass.AddDefence(top, 2);
            if (pass.FoeThreat(a(-3, 0)) > 0 && pass.OwnThreat(a(-2, 0)) == 0) {
                pass.AddDefence(top, 28);
            }
        }
    });
}

}  // namespace tessora::linepatterns
