#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

// Two stones on a rising diagonal; the cell that would extend it is worth a little when the row
// beside it is open. Only anchor columns 1 and 2 look to the right for that row.
void Rule61(LinePass& pass) {
    pass.BeginRule(61);
    ForEachStart(pass, {{3, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(2, 2)) && pass.X(a(1, 3)))) return;
        if (pass.NonEmpty(a(2, 0)) && pass.Empty(a(1, 0))) {
            if (pass.Empty(a(1, 2)) && pass.Empty(a(2, 1)) && pass.Empty(a(0, 3))) {
                pass.Bonus(a(1, 2), 3, 3);
            }
        } else if (a.column < 3) {
            if (pass.Empty(a(1, 2)) && pass.Empty(a(1, 4)) && pass.NonEmpty(a(2, 4))) {
                pass.Bonus(a(1, 2), 3, 3);
            }
        }
        if (!pass.IsOwnPass() && pass.Empty(a(2, 0)) && pass.Empty(a(1, 2)) &&
            pass.Empty(a(2, 1)) && pass.Empty(a(0, 3))) {
            pass.MarkAvoid(a(2, 0));
        }
    });
}

// Mirror of rule 61; only anchor columns 2 and 3 look to the left.
void Rule62(LinePass& pass) {
    pass.BeginRule(62);
    ForEachStart(pass, {{3, 4}, {1, 3}}, Yield::AfterEachStart, [&](Cell a) {
        if (!(pass.X(a(2, 1)) && pass.X(a(1, 0)))) return;
        if (pass.Empty(a(1, 3)) && pass.NonEmpty(a(2, 3))) {
            if (pass.Empty(a(1, 1)) && pass.Empty(a(2, 2)) && pass.Empty(a(0, 0))) {
                pass.Bonus(a(1, 1), 3, 3);
            }
        } else if (a.column > 1) {
            if (pass.Empty(a(1, 1)) && pass.Empty(a(1, -1)) && pass.NonEmpty(a(2, -1))) {
                pass.Bonus(a(1, 1), 3, 3);
            }
        }
        if (!pass.IsOwnPass() && pass.Empty(a(2, 3)) && pass.Empty(a(1, 1)) &&
            pass.Empty(a(2, 2)) && pass.Empty(a(0, 0))) {
            pass.MarkAvoid(a(2, 3));
        }
    });
}

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
