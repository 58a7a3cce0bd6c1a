// The open-two shape scan: windows of five cells with two stones of one side and three empty
// cells reward the cell that makes an open three, and the ends of a split two.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "ai/opentwos/ScanOpenTwos.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::CellValues;
using test::NonZero;
using test::WorkspaceBench;

struct ShapeCase {
    const char* name;
    const char* board;
    int16 colour;
    CellValues expectedScores;  // AttackScore for the own pass, DefenceScore for the opponent
};
void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenTwoShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(OpenTwoShapes, ScoreTargetAndEndCells) {
    const ShapeCase& c = GetParam();
    WorkspaceBench scene(c.board);
    ScanOpenTwos(scene.ws, c.colour);
    const bool own = c.colour == OwnCode;
    const Grids& g = scene.ws.grids();
    EXPECT_EQ(NonZero(own ? g.AttackScore : g.DefenceScore), c.expectedScores);
    EXPECT_EQ(NonZero(own ? g.DefenceScore : g.AttackScore), CellValues{});
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OpenTwoShapes,
    ::testing::Values(
        // Split two in the bottom row: 10 + 22 in the gap, 5 at each end for the computer.
        ShapeCase{"OwnSplitTwo",
                  ".......\n.......\n.......\n.......\n.......\n.x.x...\n",
                  OwnCode,
                  {{{6, 3}, 32}, {{6, 1}, 5}, {{6, 5}, 5}}},
        // The same for the opponent: the end cells are worth 8.
        ShapeCase{"OpponentSplitTwo",
                  ".......\n.......\n.......\n.......\n.......\n.o.o...\n",
                  OpponentCode,
                  {{{6, 3}, 32}, {{6, 1}, 8}, {{6, 5}, 8}}},
        // Two side by side starting in column 2: the cell after them gets 10 + 32.
        ShapeCase{"OpponentAdjacentTwo",
                  ".......\n.......\n.......\n.......\n.......\n.oo....\n",
                  OpponentCode,
                  {{{6, 4}, 42}}},
        // Two side by side in the middle: 10 + 32 after them (start column 2), 10 + 22 before
        // them (start column 1).
        ShapeCase{"OwnAdjacentTwoBothSides",
                  ".......\n.......\n.......\n.......\n.......\n..xx...\n",
                  OwnCode,
                  {{{6, 5}, 42}, {{6, 2}, 32}}},
        // The gap has nothing below it: no target points, but the playable ends still score.
        ShapeCase{"UnplayableTargetKeepsEnds",
                  ".......\n.......\n.......\n.......\n.x.x...\noo.oo..\n",
                  OwnCode,
                  {{{5, 1}, 5}, {{5, 5}, 5}}},
        // Row windows start in columns 1..3 only: a split two in columns 5 and 7 would need a
        // window starting in column 4, so it earns nothing.
        ShapeCase{"SplitTwoAtRightEdge",
                  ".......\n.......\n.......\n.......\n.......\n....x.x\n",
                  OwnCode,
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ThreatCase {
    const char* name;
    const char* board;
    int16 colour;
    std::pair<int, int> ownThreat;  // marked in OwnThreat, or {0, 0} for none
    std::pair<int, int> cell;
    int expected;
};
void PrintTo(const ThreatCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenTwoThreatGuards : public ::testing::TestWithParam<ThreatCase> {};

TEST_P(OpenTwoThreatGuards, RespectOwnThreatAbove) {
    const ThreatCase& c = GetParam();
    WorkspaceBench scene(c.board);
    if (c.ownThreat.first != 0 || c.ownThreat.second != 0) {
        scene.ws.mark(scene.ws.grids().OwnThreat, c.ownThreat.first, c.ownThreat.second);
    }
    ScanOpenTwos(scene.ws, c.colour);
    const Grids& g = scene.ws.grids();
    const Grid& scores = c.colour == OwnCode ? g.AttackScore : g.DefenceScore;
    EXPECT_EQ(scores.at(c.cell.first, c.cell.second), c.expected);
}

// The opponent's diagonal two on (2,2) and (3,3) aims at (4,4) (start (1,1), stones W1 and W2).
constexpr const char* kFoeDiagonalTwo = ".......\n.o.....\n.xo....\n.xx....\n.xxx...\n.xxx...\n";
// The opponent's split diagonal two on (2,2) and (4,4) aims at the gap (3,3).
constexpr const char* kFoeSplitDiagonal = ".......\n.o.....\n.x.....\n.xxo...\n.xxx...\n.xxx...\n";
// The computer's split diagonal two on (2,2) and (4,4) with both ends (1,1) and (5,5) playable.
constexpr const char* kOwnSplitDiagonal = ".......\nox.....\noo.....\nooox...\noooo...\nooooo..\n";

INSTANTIATE_TEST_SUITE_P(
    Guards, OpenTwoThreatGuards,
    ::testing::Values(
        ThreatCase{"FoeTargetScores", kFoeDiagonalTwo, OpponentCode, {0, 0}, {4, 4}, 10},
        ThreatCase{
            "FoeTargetUnderOwnThreatSkipped", kFoeDiagonalTwo, OpponentCode, {3, 4}, {4, 4}, 0},
        ThreatCase{"SplitFoeTargetHasNoGuard", kFoeSplitDiagonal, OpponentCode, {2, 3}, {3, 3}, 10},
        ThreatCase{"OwnSplitTarget", kOwnSplitDiagonal, OwnCode, {0, 0}, {3, 3}, 32},
        ThreatCase{"OwnTargetIgnoresThreatAbove", kOwnSplitDiagonal, OwnCode, {2, 3}, {3, 3}, 32},
        ThreatCase{"OwnLowerEndScores", kOwnSplitDiagonal, OwnCode, {0, 0}, {5, 5}, 5},
        ThreatCase{
            "OwnLowerEndUnderOwnThreatSkipped", kOwnSplitDiagonal, OwnCode, {4, 5}, {5, 5}, 0},
        ThreatCase{"OwnUpperEndScores", kOwnSplitDiagonal, OwnCode, {0, 0}, {1, 1}, 5},
        ThreatCase{
            "OwnUpperEndUnderOwnThreatSkipped", kOwnSplitDiagonal, OwnCode, {0, 1}, {1, 1}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SideShapeCase {
    const char* name;
    const char* board;
    int16 colour;
    CellValues expectedScores;
};
void PrintTo(const SideShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenTwoSideShapes : public ::testing::TestWithParam<SideShapeCase> {};

TEST_P(OpenTwoSideShapes, DecideTheOpponentsSplitTwoTarget) {
    const SideShapeCase& c = GetParam();
    WorkspaceBench scene(c.board);
    ScanOpenTwos(scene.ws, c.colour);
    const Grids& g = scene.ws.grids();
    EXPECT_EQ(NonZero(c.colour == OwnCode ? g.AttackScore : g.DefenceScore), c.expectedScores);
}

// Split two in row 3 (start column 2) with an opponent stone below its left end whose rising
// diagonal meets the next free cells of columns 1 and 5: the gap (3,4) gets nothing.
constexpr const char* kLeftShape = ".......\n....x..\n..o.o..\n.oxxx..\n.xxxx..\nxxxxx..\n";
// The same without the stone in (2,5): column 5's next free cell is no longer on the diagonal.
constexpr const char* kLeftShapeBroken = ".......\n.......\n..o.o..\n.oxxx..\n.xxxx..\nxxxxx..\n";
// Split two in row 4 (start column 1) with an opponent stone below its right end.
constexpr const char* kRightShape = ".......\n.......\n.x.....\n.o.o...\nxxxxo..\nxxxxx..\n";
constexpr const char* kRightShapeBroken = ".......\n.......\n.......\n.o.o...\nxxxxo..\nxxxxx..\n";
// The right-shape position with the colours swapped, scored for the computer.
constexpr const char* kRightShapeOwn = ".......\n.......\n.o.....\n.x.x...\noooox..\nooooo..\n";

INSTANTIATE_TEST_SUITE_P(
    Scan7, OpenTwoSideShapes,
    ::testing::Values(
        SideShapeCase{"LeftShapeWithholdsTarget", kLeftShape, OpponentCode, {{{3, 2}, 8}}},
        SideShapeCase{
            "LeftShapeBroken", kLeftShapeBroken, OpponentCode, {{{3, 4}, 10}, {{3, 2}, 8}}},
        SideShapeCase{
            "RightShapeWithholdsTarget", kRightShape, OpponentCode, {{{4, 1}, 8}, {{4, 5}, 8}}},
        SideShapeCase{"RightShapeBroken",
                      kRightShapeBroken,
                      OpponentCode,
                      {{{4, 3}, 32}, {{4, 1}, 8}, {{4, 5}, 8}}},
        SideShapeCase{"OwnPassHasNoShapeRule",
                      kRightShapeOwn,
                      OwnCode,
                      {{{4, 3}, 32}, {{4, 1}, 5}, {{4, 5}, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenTwoScan, YieldsAfterEveryStartCell) {
    WorkspaceBench scene(".......\n.......\n.......\n.......\n.......\n.......\n");
    ScanOpenTwos(scene.ws, OwnCode);
    EXPECT_EQ(scene.yields, 90);
    ScanOpenTwos(scene.ws, OpponentCode);
    EXPECT_EQ(scene.yields, 180);
}

}  // namespace
}  // namespace tessora
