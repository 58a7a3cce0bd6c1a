#include "ai/linepatterns/MultiStepRules.h"

namespace tessora::linepatterns {

// A row of two with both ends playable, above a diagonal: the own pass rewards both ends, the
// other pass only one of them.
void Rule28(LinePass& pass) {
    pass.BeginRule(28);
    ForEachAnchor(pass, {{2, 4}, {1, 4}}, Events::AfterEachAnchor, [&](Anchor a) {
        if (!(pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 2)) && pass.X(a(2, 3)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 3)) && pass.NonEmpty(a(1, 0)) &&
              pass.NonEmpty(a(1, 3)))) {
            return;
        }
        if (pass.IsOwnPass()) {
            pass.AddAttack(a(0, 3), 32);
            pass.AddAttack(a(0, 0), 30);
        } else {
            pass.AddDefence(a(0, 3), 30);
        }
    });
}

void Rule29(LinePass& pass) {
    pass.BeginRule(29);
    ForEachAnchor(pass, {{2, 4}, {1, 4}}, Events::AfterEachAnchor, [&](Anchor a) {
        if (!(pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 1)) && pass.X(a(2, 0)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 3)) && pass.NonEmpty(a(1, 3)) &&
              pass.NonEmpty(a(1, 0)))) {
            return;
        }
        if (pass.IsOwnPass()) {
            pass.AddAttack(a(0, 0), 32);
            pass.AddAttack(a(0, 3), 30);
        } else {
            pass.AddDefence(a(0, 0), 30);
        }
    });
}

void Rule30(LinePass& pass) {
    pass.BeginRule(30);
    ForEachAnchor(pass, {{2, 4}, {1, 3}}, Events::AfterEachAnchor, [&](Anchor a) {
        if (pass.X(a(0, 2)) && pass.X(a(0, 3)) && pass.X(a(1, 3)) && pass.X(a(2, 4)) &&
            pass.Empty(a(1, 0)) && pass.Empty(a(1, 1)) && pass.NonEmpty(a(2, 0)) &&
            pass.NonEmpty(a(2, 1))) {
            pass.MarkAvoid(a(1, 0));
            pass.Deduct(a(1, 0), 3, 3);
        }
    });
}

void Rule31(LinePass& pass) {
    pass.BeginRule(31);
    ForEachAnchor(pass, {{2, 4}, {1, 3}}, Events::AfterEachAnchor, [&](Anchor a) {
        if (pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 1)) && pass.X(a(2, 0)) &&
            pass.Empty(a(1, 3)) && pass.Empty(a(1, 4)) && pass.NonEmpty(a(2, 3)) &&
            pass.NonEmpty(a(2, 4))) {
            pass.MarkAvoid(a(1, 4));
            pass.Deduct(a(1, 4), 3, 3);
        }
    });
}

// Stones in the two outer columns of one row with an open roof over the board's centre: one
// loop over the row r, the columns are fixed.
void Rule45(LinePass& pass) {
    pass.BeginRule(45);
    for (int r = 1; r <= 3; ++r) {
        if (pass.X({r + 3, 7}) && pass.X({r + 3, 1}) && pass.Empty({r + 2, 2}) &&
            pass.Empty({r + 2, 6}) && pass.Empty({r + 1, 3}) && pass.Empty({r + 1, 5}) &&
            pass.Empty({r, 4})) {
            const Cell top{r, 4};
            const Cell below{r + 1, 4};
            if (pass.NonEmpty(below)) {
                pass.Bonus(top, 1, 1);
            } else if (pass.NonEmpty({r + 2, 4})) {
                if (pass.IsOwnPass()) {
                    pass.MarkDoubt(below);
                    pass.AddAttack(below, -1);
                } else {
                    pass.MarkCaution(below);
                }
            }
        }
        pass.DoEvents();
    }
}

// An arch of four stones under a row whose outer cells are playable: when one middle cell of
// the row holds the colour, the other middle cell gets the bonus.
void Rule56(LinePass& pass) {
    pass.BeginRule(56);
    ForEachAnchor(pass, {{2, 4}, {1, 4}}, Events::AfterEachAnchor, [&](Anchor a) {
        if (!(pass.NonEmpty(a(1, 0)) && pass.NonEmpty(a(1, 3)) && pass.Empty(a(0, 0)) &&
              pass.Empty(a(0, 3)) && pass.X(a(2, 0)) && pass.X(a(1, 1)) && pass.X(a(1, 2)) &&
              pass.X(a(2, 3)))) {
            return;
        }
        if (pass.X(a(0, 2)) && pass.Empty(a(0, 1))) {
            pass.Bonus(a(0, 1), 32, 30);
        } else if (pass.X(a(0, 1)) && pass.Empty(a(0, 2))) {
            pass.Bonus(a(0, 2), 32, 30);
        }
    });
}

}  // namespace tessora::linepatterns
