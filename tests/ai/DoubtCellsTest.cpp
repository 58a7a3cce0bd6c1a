// The doubt-cell pass: playable cells that lie on several lines already holding the examined
// colour, and gaps boxed in by it in the bottom rows, get a DoubtMark.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <random>
#include <string>
#include <utility>

#include "ai/doubt/MarkDoubtCells.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::CellValues;
using test::NonZero;
using test::WorkspaceBench;

// The examined colour is the opponent's ('o'); 'x' stones are the computer's.
struct TargetCase {
    const char* name;
    const char* board;
    std::pair<int, int> cell;
    bool marked;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.name;
}

class DoubtLineRules : public ::testing::TestWithParam<TargetCase> {};

TEST_P(DoubtLineRules, MarkPlayableCellsOnOccupiedLines) {
    const TargetCase& c = GetParam();
    WorkspaceBench scene(c.board);
    MarkDoubtCells(scene.ws, OpponentCode);
    EXPECT_EQ(scene.ws.grids().DoubtMark.at(c.cell.first, c.cell.second), c.marked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, DoubtLineRules,
    ::testing::Values(
        // (3,2): its row is held by the pair (3,1) + (3,5), its falling diagonal by (5,4) and
        // its rising diagonal by (4,1).
        TargetCase{"PairedRowAlternative",
                   ".......\n.......\no...o..\nox..x..\nxx.ox..\nxx.xx..\n",
                   {3, 2},
                   true},
        TargetCase{"PairNeedsItsRightCell",
                   ".......\n.......\no...x..\nox..x..\nxx.ox..\nxx.xx..\n",
                   {3, 2},
                   false},
        TargetCase{"PairNeedsItsLeftCell",
                   ".......\n.......\nx...o..\nox..x..\nxx.ox..\nxx.xx..\n",
                   {3, 2},
                   false},
        // (3,1) with (3,2) in its row and (6,4) on its diagonal; the same stone in (6,5) is on
        // no line through (3,1).
        TargetCase{"LoopTargetUsesItsOwnDiagonal",
                   ".......\n.......\n.o.....\nxx.....\nxx.....\nxx.o...\n",
                   {3, 1},
                   true},
        TargetCase{"StoneOffTheDiagonal",
                   ".......\n.......\n.o.....\nxx.....\nxx.....\nxx..o..\n",
                   {3, 1},
                   false},
        // A bottom-row target only has to be empty.
        TargetCase{"BottomRowTarget",
                   ".......\n.......\n.......\n.......\n..o....\no.x....\n",
                   {6, 2},
                   true},
        // (5,2) has (5,4) in its row and (4,3) on its diagonal, but needs a stone below it.
        TargetCase{"TargetOverEmptyCell",
                   ".......\n.......\n.......\n..o....\n..xo...\n..xx...\n",
                   {5, 2},
                   false},
        TargetCase{"TargetOverStone",
                   ".......\n.......\n.......\n..o....\n..xo...\n.xxx...\n",
                   {5, 2},
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

struct BoxedRowCase {
    const char* name;
    const char* bottomRows;  // rows 5 and 6
    CellValues expected;
};
void PrintTo(const BoxedRowCase& c, std::ostream* os) {
    *os << c.name;
}

class DoubtBoxedRow : public ::testing::TestWithParam<BoxedRowCase> {};

TEST_P(DoubtBoxedRow, MarksTheOneGapBetweenTwoComputerStones) {
    const BoxedRowCase& c = GetParam();
    WorkspaceBench scene(std::string(".......\n.......\n.......\n.......\n") + c.bottomRows);
    MarkDoubtCells(scene.ws, OpponentCode);
    EXPECT_EQ(NonZero(scene.ws.grids().DoubtMark), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, DoubtBoxedRow,
    ::testing::Values(BoxedRowCase{"GapNextToLeftEnd", ".......\no.xxo..\n", {{{6, 2}, 1}}},
                      BoxedRowCase{"GapInTheMiddle", ".......\nox.xo..\n", {{{6, 3}, 1}}},
                      BoxedRowCase{"GapNextToRightEnd", ".......\noxx.o..\n", {{{6, 4}, 1}}},
                      BoxedRowCase{"SegmentAtRightEdge", ".......\n..o.xxo\n", {{{6, 4}, 1}}},
                      BoxedRowCase{"TwoGaps", ".......\no..xo..\n", {}},
                      BoxedRowCase{"NoGap", ".......\noxxxo..\n", {}},
                      BoxedRowCase{"EndHeldByComputer", ".......\nx.xxo..\n", {}},
                      BoxedRowCase{"GapOverEmptyCell", "o.xxo..\nx.xxx..\n", {}},
                      BoxedRowCase{"GapOverStone", "o.xxo..\nxxxxx..\n", {{{5, 2}, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string RandomPosition(std::mt19937& generator) {
    std::string cells(42, '.');
    const int stones = static_cast<int>(generator() % 36);
    for (int s = 0; s < stones; ++s) {
        const int column = static_cast<int>(generator() % 7);
        for (int row = 5; row >= 0; --row) {
            char& cell = cells[row * 7 + column];
            if (cell == '.') {
                cell = s % 2 == 0 ? 'x' : 'o';
                break;
            }
        }
    }
    std::string text;
    for (int row = 0; row < 6; ++row)
        text += cells.substr(row * 7, 7) + "\n";
    return text;
}

TEST(DoubtCells, SecondRunAddsNothingAndOnlyDoubtMarkChanges) {
    std::mt19937 generator(11);
    int positionsWithMarks = 0;
    for (int game = 0; game < 300; ++game) {
        const std::string text = RandomPosition(generator);
        WorkspaceBench scene(text);
        MarkDoubtCells(scene.ws, OpponentCode);
        const CellValues once = NonZero(scene.ws.grids().DoubtMark);
        MarkDoubtCells(scene.ws, OpponentCode);
        EXPECT_EQ(NonZero(scene.ws.grids().DoubtMark), once) << text;
        for (GridId id :
             {GridId::AttackScore, GridId::DefenceScore, GridId::OwnThreat, GridId::FoeThreat,
              GridId::ForbiddenMark, GridId::AvoidMark, GridId::CautionMark}) {
            EXPECT_EQ(NonZero(scene.ws.grids().get(id)), CellValues{}) << text << GridName(id);
        }
        for (const auto& [cell, value] : once) {
            EXPECT_EQ(scene.state.board.at(cell.first, cell.second), 0) << text;
        }
        if (!once.empty()) ++positionsWithMarks;
    }
    EXPECT_GT(positionsWithMarks, 0);  // the positions do exercise the rules
}

TEST(DoubtCells, NothingMarkedWithoutTheExaminedColour) {
    std::mt19937 generator(13);
    for (int game = 0; game < 100; ++game) {
        std::string text = RandomPosition(generator);
        for (char& ch : text) {
            if (ch == 'o') ch = 'x';
        }
        WorkspaceBench scene(text);
        MarkDoubtCells(scene.ws, OpponentCode);
        EXPECT_EQ(NonZero(scene.ws.grids().DoubtMark), CellValues{}) << text;
    }
}

TEST(DoubtCells, YieldsOnlyAfterBoxedRowSegments) {
    WorkspaceBench scene(".......\n.......\n.......\n.......\n.......\n.......\n");
    MarkDoubtCells(scene.ws, OpponentCode);
    EXPECT_EQ(scene.yields, 9);
}

}  // namespace
}  // namespace tessora
