// The line-pattern rules that come in mirror pairs: each pair shares one shape, which one rule
// sees as drawn and its twin in a mirror.
#include "ai/linepatterns/MirroredRules.h"

#include <array>

namespace tessora::linepatterns {
namespace {

// How a rule sees its shape from the anchor: through a view, a(dr, dc) is the cell dr rows down
// and first + step * dc columns to the right of the anchor.
struct View {
    int first;
    int step;
};
constexpr View kAsDrawn{0, 1};
// Mirrored(w) shows the offset dc at w - dc: with w the shape's width less one, the mirror twin
// covers the same columns from the same anchors; with 0 it reaches left of the anchor instead.
constexpr View Mirrored(int w) {
    return View{w, -1};
}

// An anchor seen through a view, fixed while compiling so the offsets stay constants.
template <View view>
struct Viewed {
    Cell anchor;
    constexpr Cell operator()(int dr, int dc) const {
        return anchor(dr, view.first + view.step * dc);
    }
};

// Points these rules give, own pass / other pass.
constexpr Points kPlayableRowEnd{31, 29};      // rules 12, 13: the rest of kTwoThreats
constexpr Points kStackUnderDiagonal{30, 28};  // rules 57, 58: the anchor completes a three
constexpr Points kBothNextCells{30, 30};       // rules 57, 58: each of two next free cells

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

// The shapes: each Look(pass, a) looks for its shape at the anchor a and applies its effects.

// Rules 1 and 2: a diagonal rising from (3,0) with its gap at (2,1), and a second stone (1,3)
// beside its stone (1,2): its top (0,3) gets 3, or, when the colour holds the top, (2,0) is
// marked.
struct RowBesideBrokenDiagonal {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(1, 2)) && pass.X(a(1, 3)) && pass.X(a(3, 0)) && pass.Empty(a(2, 0)) &&
              pass.Empty(a(2, 1)))) {
            return;
        }
        if (pass.X(a(0, 3))) {
            MarkUnderRowGap(pass, a(2, 0));
        } else if (pass.Empty(a(0, 3))) {
            pass.Bonus(a(0, 3), 3, 3);
        }
    }
};

// Rules 12 and 13: two pairs stepping up to the right in rows 1 and 2 under four empty cells
// of row 0: the cell (0,1) on the step gets 1, and two threats' worth when (0,4) is playable
// as well.
struct PairsStepUnderEmptyRow {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(1, 1)) && pass.X(a(1, 2)) && pass.X(a(2, 0)) && pass.X(a(2, 1)) &&
              pass.Empty(a(0, 1)) && pass.Empty(a(0, 2)) && pass.Empty(a(0, 3)) &&
              pass.Empty(a(0, 4)))) {
            return;
        }
        pass.Bonus(a(0, 1), 1, 1);
        if (pass.NonEmpty(a(1, 4))) pass.Bonus(a(0, 1), kPlayableRowEnd);
    }
};

// Rules 18 and 19: stones at (1,0) and (1,2) in a row and (3,0) under them with (2,1) open:
// the playable cell (1,3) at the row's end is avoided and loses 3.
struct RowEndOverBrokenDiagonal {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (pass.X(a(1, 0)) && pass.X(a(1, 2)) && pass.X(a(3, 0)) && pass.Empty(a(2, 1)) &&
            pass.Empty(a(1, 3)) && pass.NonEmpty(a(2, 3))) {
            pass.MarkAvoid(a(1, 3));
            pass.Deduct(a(1, 3), 3, 3);
        }
    }
};

// Rules 28 and 29: a row of two with both ends playable, above a diagonal running down to the
// right from its right stone: (0,3) gets two threats' worth, and the own pass gives the other
// end (0,0) the smaller share as well.
struct TwoOverDiagonal {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(0, 1)) && pass.X(a(0, 2)) && pass.X(a(1, 2)) && pass.X(a(2, 3)) &&
              pass.Empty(a(0, 0)) && pass.Empty(a(0, 3)) && pass.NonEmpty(a(1, 0)) &&
              pass.NonEmpty(a(1, 3)))) {
            return;
        }
        pass.Bonus(a(0, 3), kTwoThreats);
        if (pass.IsOwnPass()) pass.AddAttack(a(0, 0), kTwoThreats.other);
    }
};

// Rules 30 and 31: a two in row 0 whose left stone starts a diagonal of three down to the
// right: of the two playable cells (1,0) and (1,1) below the row, (1,0) is avoided and loses 3.
struct TwoOnDiagonalOverPlayableCells {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (pass.X(a(0, 2)) && pass.X(a(0, 3)) && pass.X(a(1, 3)) && pass.X(a(2, 4)) &&
            pass.Empty(a(1, 0)) && pass.Empty(a(1, 1)) && pass.NonEmpty(a(2, 0)) &&
            pass.NonEmpty(a(2, 1))) {
            pass.MarkAvoid(a(1, 0));
            pass.Deduct(a(1, 0), 3, 3);
        }
    }
};

// Rules 61 and 62: two stones (2,2) and (1,3) on a rising diagonal; the cell (1,2) that would
// extend it is worth a little when the row beside it is open: on the side of (1,0) when the
// cell under it is taken, else, only from anchors in columns lookFrom..lookTo, on the side of
// (1,4). In the other pass an empty (2,0) next to the open diagonal is avoided.
template <int lookFrom, int lookTo>
struct DiagonalBesideOpenRow {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(2, 2)) && pass.X(a(1, 3)))) return;
        if (pass.NonEmpty(a(2, 0)) && pass.Empty(a(1, 0))) {
            if (pass.Empty(a(1, 2)) && pass.Empty(a(2, 1)) && pass.Empty(a(0, 3))) {
                pass.Bonus(a(1, 2), 3, 3);
            }
        } else if (a.anchor.column >= lookFrom && a.anchor.column <= lookTo) {
            if (pass.Empty(a(1, 2)) && pass.Empty(a(1, 4)) && pass.NonEmpty(a(2, 4))) {
                pass.Bonus(a(1, 2), 3, 3);
            }
        }
        if (!pass.IsOwnPass() && pass.Empty(a(2, 0)) && pass.Empty(a(1, 2)) &&
            pass.Empty(a(2, 1)) && pass.Empty(a(0, 3))) {
            pass.MarkAvoid(a(2, 0));
        }
    }
};

// Rules 66 and 67: the diagonal rising from (3,0) through (2,1) and the row stone (1,3) meet in
// the cell (1,2), with (3,1) under the diagonal's stone and (1,1), (0,3), (1,4) open. An empty
// (1,2) takes the playable-or-prepare step; when it holds the colour already, (1,1) beside it
// gets the bonus.
struct DiagonalMeetsRow {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(2, 1)) && pass.X(a(1, 3)) && pass.X(a(3, 1)) && pass.X(a(3, 0)) &&
              pass.Empty(a(1, 1)) && pass.Empty(a(0, 3)) && pass.Empty(a(1, 4)))) {
            return;
        }
        if (pass.Empty(a(1, 2))) {
            PlayOrPrepare(pass, a(1, 2), kTwoThreats, PrepareDeduction{3, 0});
        } else if (pass.X(a(1, 2))) {
            pass.Bonus(a(1, 1), kTwoThreats);
        }
    }
};

// Rules 68 and 69, own pass only: an own threat cell above a playable cell (1,3) next to two
// own stones in a row: (1,3) gets two threats' worth.
struct ThreatAboveRowEnd {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (pass.IsOwnPass() && pass.OwnThreat(a(0, 3)) > 0 && pass.X(a(1, 1)) && pass.X(a(1, 2)) &&
            pass.Empty(a(1, 3)) && pass.Empty(a(1, 4)) && pass.NonEmpty(a(2, 3)) &&
            pass.NonEmpty(a(2, 4))) {
            pass.AddAttack(a(1, 3), kTwoThreats.own);
        }
    }
};

// Rules 57 and 58: two stacked stones at the bottom of a column, the anchor on top of them in
// row 4, and the diagonal rising from the anchor to the right.
struct StackUnderRisingDiagonal {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(1, 0)) && pass.X(a(2, 0)) && pass.Empty(a(0, 0)))) return;
        if (pass.X(a(-1, 1))) {
            if (pass.X(a(-2, 2))) {
                if (pass.NonEmpty(a(-2, 3)) && pass.Empty(a(-3, 3))) {
                    pass.Bonus(a(0, 0), kStackUnderDiagonal);
                }
            } else if (pass.X(a(-3, 3)) && pass.NonEmpty(a(-1, 2)) && pass.Empty(a(-2, 2))) {
                pass.Bonus(a(0, 0), kStackUnderDiagonal);
            }
        } else if (pass.NonEmpty(a(0, 1)) && pass.Empty(a(-1, 1)) && pass.X(a(-2, 2)) &&
                   pass.X(a(-3, 3))) {
            pass.Bonus(a(0, 0), kBothNextCells);
            pass.Bonus(a(0, 1), kBothNextCells);
        }
    }
};

// Rules 59 and 60: a stone in the bottom row's centre with one diagonally above it to the
// right. The cells are the board's own, seen from the anchor (0,0). In the other pass
// AvoidMark(6,6) follows an AvoidMark on (6,7) but is never cleared.
struct BottomCentreDiagonal {
    template <typename Anchor>
    static void Look(LinePass& pass, Anchor a) {
        if (!(pass.X(a(6, 4)) && pass.X(a(5, 5)) && pass.Empty(a(5, 4)) && pass.Empty(a(4, 5)) &&
              pass.Empty(a(6, 3)) && pass.NotX(a(6, 5)))) {
            return;
        }
        if (pass.IsOwnPass()) {
            if (pass.Empty(a(6, 6)) && pass.Empty(a(5, 7)) && pass.NonEmpty(a(6, 7))) {
                pass.AddAttack(a(5, 4), 1);
            }
        } else if (pass.Empty(a(6, 6)) && pass.Empty(a(6, 7))) {
            if (pass.AvoidMark(a(6, 7)) == 1) pass.MarkAvoid(a(6, 6));
            pass.AddDefence(a(5, 4), 1);
        }
    }
};

// Looks for Shape at every anchor through the view. Everything is fixed while compiling, so
// each rule's loop is as tight as if it were written out.
template <typename Shape, View view, CellRange anchors, Yield yield = Yield::AfterEachStart>
void LookAtAnchors(LinePass& pass) {
    ForEachStart(pass, anchors, yield,
                 [&](Cell anchor) { Shape::Look(pass, Viewed<view>{anchor}); });
}

struct MirroredRule {
    int number;
    void (*look)(LinePass& pass);
};

// Rules 59 and 60 name the board's own cells: one anchor, (0,0), and no yield.
constexpr CellRange kOriginAnchor{{0, 0}, {0, 0}};

// clang-format off
constexpr std::array<MirroredRule, 20> kMirroredRules{{
//   no.               shape                           view         anchors
    {1,  LookAtAnchors<RowBesideBrokenDiagonal,        kAsDrawn,    CellRange{{1, 3}, {1, 4}}>},
    {2,  LookAtAnchors<RowBesideBrokenDiagonal,        Mirrored(3), CellRange{{1, 3}, {1, 4}}>},
    {12, LookAtAnchors<PairsStepUnderEmptyRow,         kAsDrawn,    CellRange{{2, 4}, {1, 3}}>},
    {13, LookAtAnchors<PairsStepUnderEmptyRow,         Mirrored(4), CellRange{{2, 4}, {1, 3}}>},
    {18, LookAtAnchors<RowEndOverBrokenDiagonal,       kAsDrawn,    CellRange{{1, 3}, {1, 3}}>},
    {19, LookAtAnchors<RowEndOverBrokenDiagonal,       Mirrored(3), CellRange{{1, 3}, {1, 3}}>},
    {28, LookAtAnchors<TwoOverDiagonal,                kAsDrawn,    CellRange{{2, 4}, {1, 4}}>},
    {29, LookAtAnchors<TwoOverDiagonal,                Mirrored(3), CellRange{{2, 4}, {1, 4}}>},
    {30, LookAtAnchors<TwoOnDiagonalOverPlayableCells, kAsDrawn,    CellRange{{2, 4}, {1, 3}}>},
    {31, LookAtAnchors<TwoOnDiagonalOverPlayableCells, Mirrored(4), CellRange{{2, 4}, {1, 3}}>},
    // Rule 58's stacks stand in columns 5 to 7, its diagonal rises to the left.
    {57, LookAtAnchors<StackUnderRisingDiagonal,       kAsDrawn,    CellRange{{4, 4}, {1, 3}}>},
    {58, LookAtAnchors<StackUnderRisingDiagonal,       Mirrored(0), CellRange{{4, 4}, {5, 7}}>},
    // Rule 60 is rule 59 mirrored about the centre column.
    {59, LookAtAnchors<BottomCentreDiagonal,           kAsDrawn,    kOriginAnchor, Yield::Never>},
    {60, LookAtAnchors<BottomCentreDiagonal,           Mirrored(8), kOriginAnchor, Yield::Never>},
    // Rule 61 looks along the row to the right from anchor columns 1 and 2, rule 62 to the left
    // from 2 and 3.
    {61, LookAtAnchors<DiagonalBesideOpenRow<1, 2>,    kAsDrawn,    CellRange{{3, 4}, {1, 3}}>},
    {62, LookAtAnchors<DiagonalBesideOpenRow<2, 3>,    Mirrored(3), CellRange{{3, 4}, {1, 3}}>},
    {66, LookAtAnchors<DiagonalMeetsRow,               kAsDrawn,    CellRange{{1, 3}, {1, 3}}>},
    {67, LookAtAnchors<DiagonalMeetsRow,               Mirrored(4), CellRange{{1, 3}, {1, 3}}>},
    {68, LookAtAnchors<ThreatAboveRowEnd,              kAsDrawn,    CellRange{{1, 5}, {1, 3}}>},
    {69, LookAtAnchors<ThreatAboveRowEnd,              Mirrored(4), CellRange{{1, 5}, {1, 3}}>},
}};
// clang-format on

constexpr bool Ascending() {
    for (std::size_t i = 1; i < kMirroredRules.size(); ++i) {
        if (kMirroredRules[i - 1].number >= kMirroredRules[i].number) return false;
    }
    return true;
}
static_assert(Ascending(), "rule rows out of order");

}  // namespace

void ApplyMirroredRules(LinePass& pass, int first, int last) {
    for (const MirroredRule& rule : kMirroredRules) {
        if (rule.number < first || rule.number > last) continue;
        pass.BeginRule(rule.number);
        rule.look(pass);
    }
}

}  // namespace tessora::linepatterns
