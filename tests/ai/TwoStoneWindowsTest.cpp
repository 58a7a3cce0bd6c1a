// Two-stone window scoring: four-cell row and diagonal windows with two stones of one colour
// and two empty cells.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ai/twostone/ScoreTwoStoneWindows.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kEmptyBoard;
using test::kFoe;
using test::kOwn;

using test::CellValues;
using test::NonZero;
using CellRef = std::pair<int, int>;

using test::WorkspaceBench;

// Row 6 holds two stones in columns 3 and 4: the windows starting in columns 1, 2 and 3 give
// 2 + 0, 2 + 3, 3 + 2 and 2 points to columns 1, 2, 5 and 6.
TEST(TwoStoneWindows, BottomRowPairScoresInBothPasses) {
    const CellValues expected{{{6, 1}, 2}, {{6, 2}, 5}, {{6, 5}, 5}, {{6, 6}, 2}};

    WorkspaceBench own(".......\n.......\n.......\n.......\n.......\n..xx...\n");
    ScoreTwoStoneWindows(own.ws, OwnCode);
    const Grids& g = own.ws.grids();
    EXPECT_EQ(NonZero(g.AttackScore), expected);
    EXPECT_EQ(NonZero(g.DefenceScore), CellValues{});

    WorkspaceBench foe(".......\n.......\n.......\n.......\n.......\n..oo...\n");
    ScoreTwoStoneWindows(foe.ws, OpponentCode);
    const Grids& f = foe.ws.grids();
    EXPECT_EQ(NonZero(f.DefenceScore), expected);
    EXPECT_EQ(NonZero(f.AttackScore), CellValues{});
    EXPECT_EQ(NonZero(f.CautionMark), CellValues{});
    EXPECT_EQ(NonZero(f.AvoidMark), CellValues{});
}

TEST(TwoStoneWindows, EmptyBoardChangesNothingAndYieldsPerWindow) {
    WorkspaceBench scene(kEmptyBoard);
    ScoreTwoStoneWindows(scene.ws, OwnCode);
    ScoreTwoStoneWindows(scene.ws, OpponentCode);
    for (GridId id :
         {GridId::AttackScore, GridId::DefenceScore, GridId::CautionMark, GridId::AvoidMark}) {
        EXPECT_EQ(NonZero(scene.ws.grids().get(id)), CellValues{}) << GridName(id);
    }
    EXPECT_EQ(scene.yields, 2 * 288);
}

// The opponent's pair (5,1), (5,2) leaves (5,3) playable and (5,4) hanging over the empty
// (6,4): the computer is warned off (6,4), and told to avoid it when the opponent already has
// a threat above (5,3).
TEST(TwoStoneWindows, CellUnderHangingGapIsMarked) {
    constexpr const char* board = ".......\n.......\n.......\n.......\noo.....\nxxx....\n";
    for (bool threatAboveOther : {false, true}) {
        WorkspaceBench scene(board);
        if (threatAboveOther) scene.ws.mark(scene.ws.grids().FoeThreat, 4, 3);
        ScoreTwoStoneWindows(scene.ws, OpponentCode);
        const Grids& g = scene.ws.grids();
        EXPECT_EQ(NonZero(g.DefenceScore), (CellValues{{{5, 3}, 2}}));
        EXPECT_EQ(NonZero(g.CautionMark), (CellValues{{{6, 4}, 1}}));
        EXPECT_EQ(NonZero(g.AttackScore), (CellValues{{{6, 4}, -2}}));
        const CellValues avoid = threatAboveOther ? CellValues{{{6, 4}, 1}} : CellValues{};
        EXPECT_EQ(NonZero(g.AvoidMark), avoid);
    }
}

TEST(TwoStoneWindows, OwnPassNeverWarns) {
    // (5,4) hangs over an empty cell, as in the test above, but this is the computer's pair.
    WorkspaceBench scene(".......\n.......\n.......\n.......\nxx.....\nooo....\n");
    ScoreTwoStoneWindows(scene.ws, OwnCode);
    EXPECT_EQ(NonZero(scene.ws.grids().AttackScore), (CellValues{{{5, 3}, 2}}));
    EXPECT_EQ(NonZero(scene.ws.grids().CautionMark), CellValues{});
}

struct ThreatMark {
    GridId grid;
    CellRef cell;
};

struct BonusCase {
    const char* name;
    const char* board;
    int16 colour;
    std::vector<ThreatMark> threats;
    CellRef cell;
    int expected;
};
void PrintTo(const BonusCase& c, std::ostream* os) {
    *os << c.name;
}

class TwoStoneBonuses : public ::testing::TestWithParam<BonusCase> {};

TEST_P(TwoStoneBonuses, DependOnThreatsAroundTheOtherGap) {
    const BonusCase& c = GetParam();
    WorkspaceBench scene(c.board);
    Grids& g = scene.ws.grids();
    for (const ThreatMark& t : c.threats) {
        Grid& grid = t.grid == GridId::OwnThreat ? g.OwnThreat : g.FoeThreat;
        scene.ws.mark(grid, t.cell.first, t.cell.second);
    }
    ScoreTwoStoneWindows(scene.ws, c.colour);
    const Grid& scores = c.colour == OwnCode ? g.AttackScore : g.DefenceScore;
    EXPECT_EQ(scores.at(c.cell.first, c.cell.second), c.expected);
}

// Pair in (5,3), (5,4): the window starting in column 1 (stones at its last two cells) scores
// (5,1) with the other gap (5,2). No other window reaches (5,1).
constexpr const char* kOwnPairRow5 = ".......\n.......\n.......\n.......\n..xx...\nx.oo...\n";
constexpr const char* kFoePairRow5 = ".......\n.......\n.......\n.......\n..oo...\no.xx...\n";
// Pair in (6,1), (6,2): the window starting in column 1 scores (6,3) and (6,4).
constexpr const char* kOwnPairRow6 = ".......\n.......\n.......\n.......\n.......\nxx.....\n";
constexpr const char* kFoePairRow6 = ".......\n.......\n.......\n.......\n.......\noo.....\n";
// Pair in (3,1), (3,2) over a filled lower board: the window starting in column 1 scores
// (3,3) and (3,4).
constexpr const char* kFoePairRow3 = ".......\n.......\noo.....\nxxxx...\nxxxx...\nxxxx...\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, TwoStoneBonuses,
    ::testing::Values(
        BonusCase{"OwnNewThreat", kOwnPairRow5, OwnCode, {}, {5, 1}, 2},
        BonusCase{"OwnOtherGapAlreadyThreat", kOwnPairRow5, OwnCode, {{kOwn, {5, 2}}}, {5, 1}, 0},
        BonusCase{"OwnThreatBelowOtherGap", kOwnPairRow5, OwnCode, {{kOwn, {6, 2}}}, {5, 1}, 9},
        BonusCase{"OwnStackedThreat", kOwnPairRow5, OwnCode, {{kOwn, {4, 2}}}, {5, 1}, 34},
        BonusCase{"OwnFoeThreatAtOtherGap", kOwnPairRow5, OwnCode, {{kFoe, {5, 2}}}, {5, 1}, 9},
        BonusCase{"OwnFoeThreatBelowOtherGap", kOwnPairRow5, OwnCode, {{kFoe, {6, 2}}}, {5, 1}, 9},
        BonusCase{"OwnFoeThreatAtAndBelowCountOnce",
                  kOwnPairRow5,
                  OwnCode,
                  {{kFoe, {5, 2}}, {kFoe, {6, 2}}},
                  {5, 1},
                  9},
        BonusCase{"FoeNewThreat", kFoePairRow5, OpponentCode, {}, {5, 1}, 2},
        BonusCase{"FoeLowerThreat", kFoePairRow5, OpponentCode, {{kFoe, {6, 2}}}, {5, 1}, 13},
        BonusCase{"FoeUpperThreat", kFoePairRow5, OpponentCode, {{kFoe, {4, 2}}}, {5, 1}, 9},
        BonusCase{"FoeOwnThreatAtAndBelowCountOnce",
                  kFoePairRow5,
                  OpponentCode,
                  {{kOwn, {5, 2}}, {kOwn, {6, 2}}},
                  {5, 1},
                  9},
        BonusCase{"OwnBottomRowAtAndBelowCountOnce",
                  kOwnPairRow6,
                  OwnCode,
                  {{kFoe, {6, 4}}, {kFoe, {7, 4}}},
                  {6, 3},
                  9},
        // The upper-threat bonus of the second gap grows with the window's start row.
        BonusCase{
            "FoeUpperBonusStartRow6", kFoePairRow6, OpponentCode, {{kFoe, {5, 3}}}, {6, 4}, 2 + 16},
        BonusCase{
            "FoeUpperBonusStartRow3", kFoePairRow3, OpponentCode, {{kFoe, {2, 3}}}, {3, 4}, 2 + 13},
        BonusCase{"FoeUpperBonusFirstGapFixed",
                  kFoePairRow6,
                  OpponentCode,
                  {{kFoe, {5, 4}}},
                  {6, 3},
                  2 + 7}),
    [](const auto& info) { return std::string(info.param.name); });

struct AvoidCase {
    const char* name;
    const char* board;
    CellRef foeThreat;
    CellValues expectedAvoid;
};
void PrintTo(const AvoidCase& c, std::ostream* os) {
    *os << c.name;
}

class TwoStoneAvoidMarks : public ::testing::TestWithParam<AvoidCase> {};

TEST_P(TwoStoneAvoidMarks, FollowTheOpponentsThreats) {
    const AvoidCase& c = GetParam();
    WorkspaceBench scene(c.board);
    scene.ws.mark(scene.ws.grids().FoeThreat, c.foeThreat.first, c.foeThreat.second);
    ScoreTwoStoneWindows(scene.ws, OpponentCode);
    EXPECT_EQ(NonZero(scene.ws.grids().AvoidMark), c.expectedAvoid);
}

// Opponent stones (3,2), (4,1) on a rising diagonal: the window (1,4), (2,3), (3,2), (4,1) has
// gaps (2,3) and (1,4), both hanging over an empty cell.
constexpr const char* kRisingPair = ".......\n.......\n.o.x...\noxxx...\nxxxx...\nxxxx...\n";
// Its mirror image: stones (3,6), (4,7), gaps (2,5) and (1,4).
constexpr const char* kFallingPair = ".......\n.......\n...x.o.\n...xxxo\n...xxxx\n...xxxx\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, TwoStoneAvoidMarks,
    ::testing::Values(
        // The top gap (1,4) hangs over (2,4); a foe threat below the other gap (2,3) makes the
        // computer avoid (2,4). Only this window shape has that test.
        AvoidCase{"RisingPairThreatBelowOtherGap", kRisingPair, {3, 3}, {{{2, 4}, 1}}},
        AvoidCase{"FallingPairThreatBelowOtherGap", kFallingPair, {3, 5}, {}},
        // A foe threat above the other gap marks the cell in every window shape.
        AvoidCase{"RisingPairThreatAboveOtherGap", kRisingPair, {1, 3}, {{{2, 4}, 1}}},
        AvoidCase{"FallingPairThreatAboveOtherGap", kFallingPair, {1, 5}, {{{2, 4}, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random positions: the own pass only adds to AttackScore; the opponent pass only adds to
// DefenceScore and only lowers AttackScore.
TEST(TwoStoneWindows, PassesKeepToTheirGrids) {
    std::mt19937 generator(7);
    for (int game = 0; game < 200; ++game) {
        std::string rows(42, '.');
        const int stones = static_cast<int>(generator() % 30);
        for (int s = 0; s < stones; ++s) {
            const int column = static_cast<int>(generator() % 7);
            for (int row = 5; row >= 0; --row) {
                char& cell = rows[row * 7 + column];
                if (cell == '.') {
                    cell = s % 2 == 0 ? 'x' : 'o';
                    break;
                }
            }
        }
        std::string text;
        for (int row = 0; row < 6; ++row)
            text += rows.substr(row * 7, 7) + "\n";

        WorkspaceBench own(text);
        ScoreTwoStoneWindows(own.ws, OwnCode);
        const Grids& g = own.ws.grids();
        for (GridId id : {GridId::DefenceScore, GridId::CautionMark, GridId::AvoidMark}) {
            EXPECT_EQ(NonZero(g.get(id)), CellValues{}) << text << GridName(id);
        }
        for (const auto& [cell, value] : NonZero(g.AttackScore))
            EXPECT_GT(value, 0) << text;

        WorkspaceBench foe(text);
        ScoreTwoStoneWindows(foe.ws, OpponentCode);
        for (const auto& [cell, value] : NonZero(foe.ws.grids().AttackScore)) {
            EXPECT_LT(value, 0) << text;
        }
        for (const auto& [cell, value] : NonZero(foe.ws.grids().DefenceScore)) {
            EXPECT_GT(value, 0) << text;
        }
    }
}

}  // namespace
}  // namespace tessora
