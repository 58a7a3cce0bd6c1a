// The line pattern rules with steps of their own: branches, several targets, fixed cells,
// the other side's stones, and the threat flags and scores left by earlier stages.
#include <gtest/gtest.h>

#include "LinePatternsSupport.h"

namespace tessora::test {
namespace {

// One branch of a rule: its shape (see Shape for the symbols) and the changes of each pass,
// in the order the rule makes them.
struct MultiStepCase {
    int rule;
    const char* branch;
    const char* shape;
    std::vector<Effect> own;
    std::vector<Effect> other;
};

// clang-format off
const MultiStepCase kCases[] = {
    {1, "corner stone: cell under the gap is bad",
     "...X... ..xx... __..... x...... ....... .......",
     {{kCaution, 3, 1, 1}, {kAttack, 3, 1, -11}, {kDefence, 3, 1, -11}},
     {{kAvoid, 3, 1, 1}, {kDefence, 3, 1, -11}}},
    {1, "corner empty: the corner scores",
     "....... ..xx... __..... x...... ....... .......",
     {{kAttack, 1, 4, 3}},
     {{kDefence, 1, 4, 3}}},
    {1, "corner held by the other side: nothing",
     "...O... ..xx... __..... x...... ....... .......",
     {},
     {}},
    {2, "corner stone: cell under the gap is bad",
     "X...... xx..... ..__... ...x... ....... .......",
     {{kCaution, 3, 4, 1}, {kAttack, 3, 4, -11}, {kDefence, 3, 4, -11}},
     {{kAvoid, 3, 4, 1}, {kDefence, 3, 4, -11}}},
    {2, "corner empty: the corner scores",
     "....... xx..... ..__... ...x... ....... .......",
     {{kAttack, 1, 1, 3}},
     {{kDefence, 1, 1, 3}}},
    {7, "bare stack: nothing",
     "....... ....... ....... ....... ...x... ...x...",
     {},
     {}},
    {7, "playable neighbours: top scores, both sides doubtful",
     "....... ....... ....... ....... ...x... ..OxO..",
     {{kAttack, 4, 4, 3}, {kDoubt, 5, 3, 1}, {kAttack, 5, 3, -1}, {kDoubt, 5, 5, 1}, {kAttack, 5, 5, -1}},
     {{kDefence, 4, 4, 3}, {kDoubt, 5, 3, 1}, {kDefence, 5, 3, -1}, {kDoubt, 5, 5, 1}, {kDefence, 5, 5, -1}}},
    {7, "stone beside the top with room: top scores",
     "....... ....... ....... ..X.... ...x... ...x...",
     {{kAttack, 4, 4, 3}},
     {{kDefence, 4, 4, 3}}},
    {7, "top occupied: only the doubtful cells",
     "....... ....... ....... ...O... ...x... ..Ox...",
     {{kDoubt, 5, 3, 1}, {kAttack, 5, 3, -1}},
     {{kDoubt, 5, 3, 1}, {kDefence, 5, 3, -1}}},
    {12, "open row: one point",
     "....... .____.. .xx.... xx..... ....... .......",
     {{kAttack, 2, 2, 1}},
     {{kDefence, 2, 2, 1}}},
    {12, "end of the lower row closed: big bonus",
     "....... .____.. .xx.O.. xx..... ....... .......",
     {{kAttack, 2, 2, 1}, {kAttack, 2, 2, 31}},
     {{kDefence, 2, 2, 1}, {kDefence, 2, 2, 29}}},
    {13, "open row: one point",
     "....... ____... ..xx... ...xx.. ....... .......",
     {{kAttack, 2, 4, 1}},
     {{kDefence, 2, 4, 1}}},
    {13, "end of the lower row closed: big bonus",
     "....... ____... O.xx... ...xx.. ....... .......",
     {{kAttack, 2, 4, 1}, {kAttack, 2, 4, 31}},
     {{kDefence, 2, 4, 1}, {kDefence, 2, 4, 29}}},
    {18, "playable end is avoided",
     "....... x.x_... ._.o... x...... ....... .......",
     {{kAvoid, 2, 4, 1}, {kAttack, 2, 4, -3}},
     {{kAvoid, 2, 4, 1}, {kDefence, 2, 4, -3}}},
    {19, "playable end is avoided",
     "....... _x.x... o._.... ...x... ....... .......",
     {{kAvoid, 2, 1, 1}, {kAttack, 2, 1, -3}},
     {{kAvoid, 2, 1, 1}, {kDefence, 2, 1, -3}}},
    {28, "two bonuses own, one other",
     "....... _xx_... o.xo... ...x... ....... .......",
     {{kAttack, 2, 4, 32}, {kAttack, 2, 1, 30}},
     {{kDefence, 2, 4, 30}}},
    {29, "two bonuses own, one other",
     "....... _xx_... ox.o... x...... ....... .......",
     {{kAttack, 2, 1, 32}, {kAttack, 2, 4, 30}},
     {{kDefence, 2, 1, 30}}},
    {30, "playable cell is avoided",
     "....... ..xx... __.x... oo..x.. ....... .......",
     {{kAvoid, 3, 1, 1}, {kAttack, 3, 1, -3}},
     {{kAvoid, 3, 1, 1}, {kDefence, 3, 1, -3}}},
    {31, "playable cell is avoided",
     "....... .xx.... .x.__.. x..oo.. ....... .......",
     {{kAvoid, 3, 5, 1}, {kAttack, 3, 5, -3}},
     {{kAvoid, 3, 5, 1}, {kDefence, 3, 5, -3}}},
    {45, "centre cell supported: one point",
     "....... ....... ..._... .._O_.. ._..._. x.....x",
     {{kAttack, 3, 4, 1}},
     {{kDefence, 3, 4, 1}}},
    {45, "cell under the centre playable: marked",
     "....... ....... ..._... .._._.. ._.O._. x.....x",
     {{kDoubt, 4, 4, 1}, {kAttack, 4, 4, -1}},
     {{kCaution, 4, 4, 1}}},
    {56, "right middle taken: left middle scores",
     "....... _.X_... oxxo... x..x... ....... .......",
     {{kAttack, 2, 2, 32}},
     {{kDefence, 2, 2, 30}}},
    {56, "left middle taken: right middle scores",
     "....... _X._... oxxo... x..x... ....... .......",
     {{kAttack, 2, 3, 32}},
     {{kDefence, 2, 3, 30}}},
    {56, "both middles empty: nothing",
     "....... _.._... oxxo... x..x... ....... .......",
     {},
     {}},
    {57, "diagonal of three above the stack",
     "..._... ..xo... .x..... _...... x...... x......",
     {{kAttack, 4, 1, 30}},
     {{kDefence, 4, 1, 28}}},
    {57, "diagonal with a gap at its third cell",
     "...x... .._.... .xo.... _...... x...... x......",
     {{kAttack, 4, 1, 30}},
     {{kDefence, 4, 1, 28}}},
    {57, "diagonal with a gap at its first cell",
     "...x... ..x.... ._..... _o..... x...... x......",
     {{kAttack, 4, 1, 30}, {kAttack, 4, 2, 30}},
     {{kDefence, 4, 1, 30}, {kDefence, 4, 2, 30}}},
    {58, "diagonal of three above the stack",
     "..._... ...ox.. .....x. ......_ ......x ......x",
     {{kAttack, 4, 7, 30}},
     {{kDefence, 4, 7, 28}}},
    {58, "diagonal with a gap at its third cell",
     "...x... ...._.. ....ox. ......_ ......x ......x",
     {{kAttack, 4, 7, 30}},
     {{kDefence, 4, 7, 28}}},
    {58, "diagonal with a gap at its first cell",
     "...x... ....x.. ....._. .....o_ ......x ......x",
     {{kAttack, 4, 7, 30}, {kAttack, 4, 6, 30}},
     {{kDefence, 4, 7, 30}, {kDefence, 4, 6, 30}}},
    {59, "corner occupied: own point only",
     "....... ....... ....... ...._.. ..._x._ .._xO_O",
     {{kAttack, 5, 4, 1}},
     {}},
    {59, "corner empty: other point only",
     "....... ....... ....... ...._.. ..._x.. .._xO_.",
     {},
     {{kDefence, 5, 4, 1}}},
    {60, "corner occupied: own point only",
     "....... ....... ....... .._.... _.x_... O_Ox_..",
     {{kAttack, 5, 4, 1}},
     {}},
    {60, "corner empty: other point only",
     "....... ....... ....... .._.... ..x_... ._Ox_..",
     {},
     {{kDefence, 5, 4, 1}}},
    {61, "left end closed, row open: extension scores",
     "....... ....... ....... ..._... _._x... O_x....",
     {{kAttack, 5, 3, 3}},
     {{kDefence, 5, 3, 3}}},
    {61, "left end closed, row blocked: no second try",
     "....... ....... ....... ....... ...x... OOx.O..",
     {},
     {}},
    {61, "left end open: right side tried",
     "....... ....... ....... ....... ...x... ..x.O..",
     {{kAttack, 5, 3, 3}},
     {{kDefence, 5, 3, 3}, {kAvoid, 6, 1, 1}}},
    {61, "anchor in column 2: right side tried",
     "....... ....... ....... ....... ....x.. ...x.O.",
     {{kAttack, 5, 4, 3}},
     {{kDefence, 5, 4, 3}, {kAvoid, 6, 2, 1}}},
    {61, "anchor in column 3: right side not tried",
     "....... ....... ....... ....... .....x. ....x.O",
     {},
     {{kAvoid, 6, 3, 1}}},
    {62, "right end closed, row open: extension scores",
     "....... ....... ....... .._.... ..x_._. ...x_O.",
     {{kAttack, 5, 4, 3}},
     {{kDefence, 5, 4, 3}}},
    {62, "right end closed, row blocked: no second try",
     "....... ....... ....... ....... ..x.... .O.xOO.",
     {},
     {}},
    {62, "right end open: left side tried",
     "....... ....... ....... ....... ..x.... .O.x...",
     {{kAttack, 5, 4, 3}},
     {{kDefence, 5, 4, 3}, {kAvoid, 6, 6, 1}}},
    {62, "anchor in column 1: left side not tried",
     "....... ....... ....... ....... x...... .x.....",
     {},
     {{kAvoid, 6, 4, 1}}},
    {63, "other side on the left above: right cell scores",
     "....... ....... ....... ....... .o__... oxxxo..",
     {{kAttack, 5, 4, 1}},
     {{kDefence, 5, 4, 1}}},
    {63, "other side on the right above: left cell scores",
     "....... ....... ....... ....... .__o... oxxxo..",
     {{kAttack, 5, 2, 1}},
     {{kDefence, 5, 2, 1}}},
    {63, "own stones at the ends: nothing",
     "....... ....... ....... ....... .X..... XXXXX..",
     {},
     {}},
    {66, "middle cell supported: it scores",
     "....... ....... ..._... ._.x_.. .xO.... xx.....",
     {{kAttack, 4, 3, 32}},
     {{kDefence, 4, 3, 30}}},
    {66, "cell under the middle playable: marked",
     "....... ....... ..._... ._.x_.. .x..... xxO....",
     {{kCaution, 5, 3, 1}, {kAttack, 5, 3, -3}},
     {{kAvoid, 5, 3, 1}}},
    {66, "middle taken: the cell beside it scores",
     "....... ....... ..._... ._Xx_.. .x..... xx.....",
     {{kAttack, 4, 2, 32}},
     {{kDefence, 4, 2, 30}}},
    {67, "middle cell supported: it scores",
     "....... ....... ._..... _x._... ..Ox... ...xx..",
     {{kAttack, 4, 3, 32}},
     {{kDefence, 4, 3, 30}}},
    {67, "cell under the middle playable: marked",
     "....... ....... ._..... _x._... ...x... ..Oxx..",
     {{kCaution, 5, 3, 1}, {kAttack, 5, 3, -3}},
     {{kAvoid, 5, 3, 1}}},
    {67, "middle taken: the cell beside it scores",
     "....... ....... ._..... _xX_... ...x... ...xx..",
     {{kAttack, 4, 4, 32}},
     {{kDefence, 4, 4, 30}}},
};
// clang-format on

TEST(LinePatternsMultiStepRules, EachBranchInBothPassesAndEveryNeededCell) {
    for (const MultiStepCase& c : kCases) {
        SCOPED_TRACE("rule " + std::to_string(c.rule) + ": " + c.branch);
        CheckShape(c.rule, Shape(c.shape), c.own, c.other);
    }
}

// Preset helpers: grid values that earlier stages would have left.
Preset Threat(GridId id, int row, int column) {
    return [=](Workspace& ws) {
        Grids& g = ws.grids();
        ws.mark(id == GridId::OwnThreat ? g.OwnThreat : g.FoeThreat, row, column);
    };
}

TEST(LinePatternsMultiStepRules, RulesSixtyEightAndSixtyNineNeedAnOwnThreatAndOnlyRunOwnPass) {
    // Rule 68 at anchor (4,1): the threat cell (4,4) sits above the target (5,4).
    const Shape right("....... ....... ....... ....... .xx__.. ...oo..");
    CheckShape(68, right, {{kAttack, 5, 4, 32}}, {}, Threat(GridId::OwnThreat, 4, 4));
    EXPECT_TRUE(ShapeEffects(right, false, 68).empty());
    EXPECT_TRUE(ShapeEffects(right, false, 68, Threat(GridId::FoeThreat, 4, 4)).empty());
    // Rule 69 at anchor (4,1): the threat cell (4,2) sits above the target (5,2).
    const Shape left("....... ....... ....... ....... __xx... oo.....");
    CheckShape(69, left, {{kAttack, 5, 2, 32}}, {}, Threat(GridId::OwnThreat, 4, 2));
    EXPECT_TRUE(ShapeEffects(left, false, 69).empty());
}

// Rule 70 on two stacked stones in column 4; the cell on top is (4,4).
class LinePatternsRuleSeventy : public ::testing::Test {
  protected:
    static Preset Scores(int attack, int defence) {
        return [=](Workspace& ws) {
            ws.add(ws.grids().AttackScore, 4, 4, attack);
            ws.add(ws.grids().DefenceScore, 4, 4, defence);
        };
    }
    static Preset Both(Preset a, Preset b) {
        return [=](Workspace& ws) {
            a(ws);
            b(ws);
        };
    }
    const Shape stack{"....... ....... ....... ..._... ...x... ...x..."};
};

TEST_F(LinePatternsRuleSeventy, AddsTwoOnlyToACellThatAlreadyScores) {
    CheckShape(70, stack, {}, {});
    CheckShape(70, stack, {{kAttack, 4, 4, 2}}, {{kDefence, 4, 4, 2}}, Scores(5, 1));
    CheckShape(70, stack, {}, {}, Scores(-3, -1));
    CheckShape(70, stack, {}, {{kDefence, 4, 4, 2}}, Scores(0, 1));
}

TEST_F(LinePatternsRuleSeventy, OwnThreatDirectlyAboveStopsTheOwnTwoPoints) {
    CheckShape(70, stack, {}, {{kDefence, 4, 4, 2}},
               Both(Scores(5, 5), Threat(GridId::OwnThreat, 3, 4)));
}

TEST_F(LinePatternsRuleSeventy, ThreatTwoAboveMakesTheStackWorthBuilding) {
    CheckShape(70, stack, {{kAttack, 4, 4, 31}}, {}, Threat(GridId::OwnThreat, 2, 4));
    CheckShape(70, stack, {{kAttack, 4, 4, 2}, {kAttack, 4, 4, 31}}, {{kDefence, 4, 4, 2}},
               Both(Scores(5, 5), Threat(GridId::OwnThreat, 2, 4)));
    CheckShape(70, stack, {}, {{kDefence, 4, 4, 28}}, Threat(GridId::FoeThreat, 2, 4));
    // An own threat right above the top cell stops the other pass's 28 points.
    CheckShape(70, stack, {}, {},
               Both(Threat(GridId::FoeThreat, 2, 4), Threat(GridId::OwnThreat, 3, 4)));
}

TEST_F(LinePatternsRuleSeventy, StackReachingRowThreeOnlyGetsTheTwoPoints) {
    // The cell three above the upper stone would be row 0, which never holds a threat.
    const Shape high("....... ..._... ...x... ...x... ...O... ...O...");
    const Preset scored = [](Workspace& ws) {
        ws.add(ws.grids().AttackScore, 2, 4, 4);
        ws.add(ws.grids().DefenceScore, 2, 4, 4);
    };
    CheckShape(70, high, {{kAttack, 2, 4, 2}}, {{kDefence, 2, 4, 2}}, scored);
}

// Rules 59 and 60, other pass: the mark on the inner corner cell follows the mark on the outer
// one, but a mark already there is never taken away.
TEST(LinePatternsMultiStepRules, RulesFiftyNineAndSixtyOnlyEverSetTheCornerMark) {
    const Shape right("....... ....... ....... ...._.. ..._x.. .._xO_.");
    const Shape left("....... ....... ....... .._.... ..x_... ._Ox_..");
    struct Run {
        const Shape& shape;
        int rule;
        Spot outer;
        Spot inner;
    };
    for (const Run& run : {Run{right, 59, {6, 7}, {6, 6}}, Run{left, 60, {6, 1}, {6, 2}}}) {
        SCOPED_TRACE("rule " + std::to_string(run.rule));
        const Preset outerMarked = [&](Workspace& ws) {
            ws.mark(ws.grids().AvoidMark, run.outer.row, run.outer.column);
        };
        const Preset innerMarked = [&](Workspace& ws) {
            ws.mark(ws.grids().AvoidMark, run.inner.row, run.inner.column);
        };
        EXPECT_EQ(ShapeEffects(run.shape, true, run.rule, outerMarked),
                  (std::vector<Effect>{{kAvoid, run.inner.row, run.inner.column, 1},
                                       {kDefence, 5, 4, 1}}));
        EXPECT_EQ(ShapeEffects(run.shape, true, run.rule),
                  (std::vector<Effect>{{kDefence, 5, 4, 1}}));
        // Marked before, outer cell unmarked: the rule leaves the mark alone.
        ScriptedRandom random({0.5});
        const GameState state = run.shape.Position(true);
        Workspace ws(state, random, YieldHook{});
        innerMarked(ws);
        ScoreLinePatterns(ws, OpponentCode);
        EXPECT_EQ(ws.grids().AvoidMark.at(run.inner.row, run.inner.column), 1);
    }
}

}  // namespace
}  // namespace tessora::test
