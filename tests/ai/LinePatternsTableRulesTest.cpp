// The line pattern rules that are one shape and one effect: bonus rules, and the
// playable-or-prepare rules that reward a supported target or mark the cell under it.
#include <gtest/gtest.h>

#include "LinePatternsSupport.h"

namespace tessora::test {
namespace {

// A bonus rule's shape at its first anchor, and the points its target gets in each pass.
struct BonusCase {
    int rule;
    const char* shape;
    Spot target;
    int own;
    int other;
};

// clang-format off
const BonusCase kBonusCases[] = {
    {8, "...x... ..xxx.. ._..... _...... o...... .......", {1, 1}, 1, 1},
    {9, ".x..... xxx.... ..._... ...._.. ....o.. .......", {1, 5}, 1, 1},
    {10, "...o... ._x.... .x..... x...... ....... .......", {2, 2}, 1, 1},
    {11, "._..... ..x_... ...x... ....x.. ....... .......", {2, 4}, 1, 1},
    {14, ".._o... ..xx... ...x... ._x._.. ....... .......", {1, 3}, 2, 3},
    {15, "..o_... ..xx... ..x.... ._.x_.. ....... .......", {1, 4}, 2, 3},
    {16, "....... __x.... .ox_... .x..... ....... .......", {2, 2}, 1, 1},
    {17, "....... .x__... _xo.... ..x.... ....... .......", {2, 3}, 1, 1},
    {20, "...x... ....... ....... ___x... o...... .......", {4, 1}, 1, 1},
    {21, "x...... ....... ....... x___... ...o... .......", {4, 4}, 1, 1},
    {22, "..._... ...o... ....... x__x... ....... .......", {1, 4}, 1, 1},
    {23, "_...... o...... ....... x__x... ....... .......", {1, 1}, 1, 1},
    {24, "_..x... o...... .._.... x_..... ....... .......", {1, 1}, 1, 1},
    {25, "x.._... ...o... ._..... .._x... ....... .......", {1, 4}, 1, 1},
    {26, "x.._... ...o... .._.... x_..... ....... .......", {1, 4}, 1, 1},
    {27, "_..x... o...... ._..... .._x... ....... .......", {1, 1}, 1, 1},
    {32, "....... __xx... .ox.... ...x... ....... .......", {2, 2}, 17, 15},
    {33, "....... xx__... .xo.... x...... ....... .......", {2, 3}, 17, 15},
    {34, "...x... ..x.... ._xx... _o..... ....... .......", {3, 2}, 22, 20},
    {35, "x...... .x..... xx_.... ..o_... ....... .......", {3, 3}, 22, 20},
    {36, "....... ...x... ....... .__x... .o..... .......", {4, 2}, 1, 1},
    {37, "....... .x..... ....... .x__... ...o... .......", {4, 4}, 1, 1},
    {38, "....... ..._... ...o... .x_x... ....... .......", {2, 4}, 1, 1},
    {39, "....... ._..... .o..... .x_x... ....... .......", {2, 2}, 1, 1},
    {40, "....... ._.x... .o_.... ...x... ....... .......", {2, 2}, 1, 1},
    {41, "....... .x._... .._o... .x..... ....... .......", {2, 4}, 1, 1},
    {42, "....... .x._... .._o... ...x... ....... .......", {2, 4}, 1, 1},
    {43, "....... ._.x... .._o... .x..... ....... .......", {2, 2}, 1, 1},
    {46, "...x... x._x... ._o.... xo..... ....... .......", {2, 3}, 32, 30},
    {47, "x...... x_.x... .o_.... ..ox... ....... .......", {2, 2}, 32, 30},
    {48, "...x... ....... x__x... xoo.... ....... .......", {3, 2}, 32, 30},
    {49, "x...... ....... x__x... .oox... ....... .......", {3, 3}, 32, 30},
    {50, "._..... xxx.... ....... ....... ....... .......", {1, 2}, 1, 1},
    {51, "..._... ..xxx.. ....... ....... ....... .......", {1, 4}, 1, 1},
    {54, "....... x_x_... .x..... x...... ....... .......", {2, 2}, 32, 30},
    {55, "....... _x_x... ..x.... ...x... ....... .......", {2, 3}, 32, 30},
    {64, "_...... xx..... xx_.... ....... ....... .......", {1, 1}, 17, 15},
    {65, "..._... ..xx... ._xx... ....... ....... .......", {1, 4}, 17, 15},
};
// clang-format on

TEST(LinePatternsBonusRules, ShapeScoresTargetInBothPassesAndNeedsEveryCell) {
    for (const BonusCase& c : kBonusCases) {
        SCOPED_TRACE("rule " + std::to_string(c.rule));
        CheckShape(c.rule, Shape(c.shape), {{kAttack, c.target.row, c.target.column, c.own}},
                   {{kDefence, c.target.row, c.target.column, c.other}});
    }
}

// A playable-or-prepare rule's shape at its first anchor, once with the target supported and
// once with only the cell two below it occupied.
struct PrepareCase {
    int rule;
    const char* shape;
    std::vector<Effect> own;
    std::vector<Effect> other;
};

// clang-format off
const PrepareCase kPrepareCases[] = {
    {3, "x...... .x..... ....... xx__... ...O... .......",
     {{kAttack, 4, 4, 32}}, {{kDefence, 4, 4, 30}}},
    {3, "x...... .x..... ....... xx__... ....... ...O...",
     {{kCaution, 5, 4, 1}, {kAttack, 5, 4, -3}}, {{kAvoid, 5, 4, 1}}},
    {4, "...x... ..x.... ....... __xx... O...... .......",
     {{kAttack, 4, 1, 32}}, {{kDefence, 4, 1, 30}}},
    {4, "...x... ..x.... ....... __xx... ....... O......",
     {{kCaution, 5, 1, 1}, {kAttack, 5, 1, -3}}, {{kAvoid, 5, 1, 1}}},
    {5, "xx._... .._O... .x..... x...... ....... .......",
     {{kAttack, 1, 4, 25}}, {{kDefence, 1, 4, 23}}},
    {5, "xx._... .._.... .x.O... x...... ....... .......",
     {{kCaution, 2, 4, 1}, {kAttack, 2, 4, -2}}, {{kAvoid, 2, 4, 1}}},
    {6, "_.xx... O_..... ..x.... ...x... ....... .......",
     {{kAttack, 1, 1, 25}}, {{kDefence, 1, 1, 23}}},
    {6, "_.xx... ._..... O.x.... ...x... ....... .......",
     {{kCaution, 2, 1, 1}, {kAttack, 2, 1, -3}}, {{kAvoid, 2, 1, 1}}},
    {44, ".._.... ._O_... x...x.. ....... ....... .......",
     {{kAttack, 1, 3, 2}}, {{kDefence, 1, 3, 2}}},
    {44, ".._.... ._._... x.O.x.. ....... ....... .......",
     {{kCaution, 2, 3, 1}, {kAttack, 2, 3, -1}}, {{kAvoid, 2, 3, 1}}},
    {52, "....... xx__... .xO.... x...... ....... .......",
     {{kAttack, 2, 3, 32}}, {{kDefence, 2, 3, 30}}},
    {52, "....... xx__... .x..... x.O.... ....... .......",
     {{kCaution, 3, 3, 1}, {kAttack, 3, 3, -5}}, {{kAvoid, 3, 3, 1}, {kDefence, 3, 3, -15}}},
    {53, "....... __xx... .Ox.... ...x... ....... .......",
     {{kAttack, 2, 2, 32}}, {{kDefence, 2, 2, 30}}},
    {53, "....... __xx... ..x.... .O.x... ....... .......",
     {{kCaution, 3, 2, 1}, {kAttack, 3, 2, -5}}, {{kAvoid, 3, 2, 1}, {kDefence, 3, 2, -15}}},
};
// clang-format on

TEST(LinePatternsPrepareRules, SupportedTargetScoresElseCellBelowIsMarked) {
    for (const PrepareCase& c : kPrepareCases) {
        SCOPED_TRACE("rule " + std::to_string(c.rule) + " " + c.shape);
        CheckShape(c.rule, Shape(c.shape), c.own, c.other);
    }
}

// Rule 3 as the worked example draws it: two stones of a falling diagonal over a row of two.
// Playing (4,4) would make two threats at once, one directly above the other.
TEST(LinePatternsPrepareRules, WorkedExampleOfRuleThree) {
    const char* supported = R"(
        x......
        .x.....
        .......
        xx.....
        ...o...
        .......)";
    EXPECT_EQ(RuleEffects(PositionFromText(supported), OwnCode, 3),
              (std::vector<Effect>{{kAttack, 4, 4, 32}}));
    EXPECT_EQ(ShapeEffects(Shape("x...... .x..... ....... xx..... ...O... ......."), true, 3),
              (std::vector<Effect>{{kDefence, 4, 4, 30}}));

    // Nothing under the target, but the cell under it is playable: that cell is marked.
    const char* prepared = R"(
        x......
        .x.....
        .......
        xx.....
        .......
        ...o...)";
    EXPECT_EQ(RuleEffects(PositionFromText(prepared), OwnCode, 3),
              (std::vector<Effect>{{kCaution, 5, 4, 1}, {kAttack, 5, 4, -3}}));
    EXPECT_EQ(ShapeEffects(Shape("x...... .x..... ....... xx..... ....... ...O..."), true, 3),
              (std::vector<Effect>{{kAvoid, 5, 4, 1}}));

    // Neither: the target hangs two cells above the next stone.
    const char* floating = R"(
        x......
        .x.....
        .......
        xx.....
        .......
        .......)";
    EXPECT_TRUE(RuleEffects(PositionFromText(floating), OwnCode, 3).empty());
}

TEST(LinePatternsPrepareRules, TargetInBottomRowStandsOnTheFloor) {
    EXPECT_EQ(ShapeEffects(Shape("....... ....... x...... .x..... ....... xx__..."), false, 3),
              (std::vector<Effect>{{kAttack, 6, 4, 32}}));
}

// The mirror twins 5 and 6 deduct different amounts, 52 and 53 deduct in both passes.
TEST(LinePatternsPrepareRules, MirrorTwinsDeductTheirOwnAmounts) {
    EXPECT_EQ(ShapeEffects(Shape("xx._... .._.... .x.O... x...... ....... ......."), false, 5),
              (std::vector<Effect>{{kCaution, 2, 4, 1}, {kAttack, 2, 4, -2}}));
    EXPECT_EQ(ShapeEffects(Shape("_.xx... ._..... O.x.... ...x... ....... ......."), false, 6),
              (std::vector<Effect>{{kCaution, 2, 1, 1}, {kAttack, 2, 1, -3}}));
    EXPECT_EQ(ShapeEffects(Shape("....... xx__... .x..... x.O.... ....... ......."), true, 52),
              (std::vector<Effect>{{kAvoid, 3, 3, 1}, {kDefence, 3, 3, -15}}));
    EXPECT_EQ(ShapeEffects(Shape("....... __xx... ..x.... .O.x... ....... ......."), true, 53),
              (std::vector<Effect>{{kAvoid, 3, 2, 1}, {kDefence, 3, 2, -15}}));
}

// Rule 10 needs the cell above-right of its row occupied; its mirror, rule 11, needs the cell
// above-left empty.
TEST(LinePatternsBonusRules, RulesTenAndElevenTestTheCellAboveDifferently) {
    // Rule 10 at anchor (2,1): stones (2,3) (3,2) (4,1), target (2,2), cell above (1,4).
    EXPECT_TRUE(
        ShapeEffects(Shape("....... ..x.... .x..... x...... ....... ......."), false, 10).empty());
    EXPECT_EQ(ShapeEffects(Shape("...O... ..x.... .x..... x...... ....... ......."), false, 10),
              (std::vector<Effect>{{kAttack, 2, 2, 1}}));
    // Rule 11 at anchor (2,1): stones (2,3) (3,4) (4,5), target (2,4), cell above (1,2).
    EXPECT_EQ(ShapeEffects(Shape("....... ..x.... ...x... ....x.. ....... ......."), false, 11),
              (std::vector<Effect>{{kAttack, 2, 4, 1}}));
    EXPECT_TRUE(
        ShapeEffects(Shape(".O..... ..x.... ...x... ....x.. ....... ......."), false, 11).empty());
}

// Rules 10 and 11 need one of the row's outer cells empty.
TEST(LinePatternsBonusRules, RuleTenNeedsOneOpenEndOfTheRow) {
    EXPECT_EQ(ShapeEffects(Shape("...O... O.x.... .x..... x...... ....... ......."), false, 10),
              (std::vector<Effect>{{kAttack, 2, 2, 1}}));
    EXPECT_TRUE(
        ShapeEffects(Shape("...O... O.x.O.. .x..... x...... ....... ......."), false, 10).empty());
}

// Rules 8 and 9 do not look at their target cell.
TEST(LinePatternsBonusRules, RulesEightAndNineScoreAnOccupiedTarget) {
    EXPECT_EQ(ShapeEffects(Shape("O..x... ..xxx.. ....... ....... O...... ......."), false, 8),
              (std::vector<Effect>{{kAttack, 1, 1, 1}}));
    EXPECT_EQ(ShapeEffects(Shape(".x..O.. xxx.... ....... ....... ....O.. ......."), false, 9),
              (std::vector<Effect>{{kAttack, 1, 5, 1}}));
}

// "Not the opponent" means any value but the opponent's code, whichever side is examined.
TEST(LinePatternsBonusRules, NotOpponentConditionsLookForTheOpponentCodeInBothPasses) {
    // Rule 36 at anchor (1,1): one of (1,5) and (5,1) must not hold the opponent.
    const GameState oneFree = PositionFromText(R"(
        ....o..
        ...x...
        .......
        ...x...
        .o.....
        .......)");
    EXPECT_EQ(RuleEffects(oneFree, OwnCode, 36), (std::vector<Effect>{{kAttack, 4, 2, 1}}));
    const GameState bothOpponent = PositionFromText(R"(
        ....o..
        ...x...
        .......
        ...x...
        oo.....
        .......)");
    EXPECT_TRUE(RuleEffects(bothOpponent, OwnCode, 36).empty());
    // In the other pass the examined stones carry the opponent's code themselves.
    const GameState otherPass = PositionFromText(R"(
        ....o..
        ...o...
        .......
        ...o...
        ox.....
        .......)");
    EXPECT_TRUE(RuleEffects(otherPass, OpponentCode, 36).empty());
    const GameState otherPassOwnStones = PositionFromText(R"(
        ....x..
        ...o...
        .......
        ...o...
        xx.....
        .......)");
    EXPECT_EQ(RuleEffects(otherPassOwnStones, OpponentCode, 36),
              (std::vector<Effect>{{kDefence, 4, 2, 1}}));
}

}  // namespace
}  // namespace tessora::test
