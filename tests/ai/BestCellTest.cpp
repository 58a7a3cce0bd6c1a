#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ai/BestCell.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kAttack;
using test::kDefence;
using test::kEmptyBoard;

// Draws below 0.5 make the coin 1: AttackScore is read in the order 4 3 5 6 2 7 1 and
// DefenceScore in 4 5 3 2 6 1 7. From 0.5 on the coin is 2 and the orders swap.
constexpr double kCoinOne = 0.2;
constexpr double kCoinTwo = 0.7;

struct BestCellBench : test::WorkspaceBench {
    explicit BestCellBench(std::string_view board = test::kEmptyBoard, double draw = kCoinOne)
        : WorkspaceBench(board, {draw}) {}

    void Score(GridId grid, int row, int column, int value) {
        ws.set(ws.grids().get(grid), row, column, static_cast<int16>(value));
    }
    int ChosenColumn() { return Column(ChooseBestCell(ws)); }
};

struct ScoredCell {
    GridId grid;
    int row;
    int column;
    int value;
};

struct TieCase {
    const char* name;
    std::vector<ScoredCell> cells;
    double draw;
    int expectedColumn;
};

class ChooseBestCellTies : public testing::TestWithParam<TieCase> {};

TEST_P(ChooseBestCellTies, EarlierCellInScanOrderWins) {
    const TieCase& tie = GetParam();
    BestCellBench bench(kEmptyBoard, tie.draw);
    for (const ScoredCell& cell : tie.cells)
        bench.Score(cell.grid, cell.row, cell.column, cell.value);
    EXPECT_EQ(bench.ChosenColumn(), tie.expectedColumn);
}

INSTANTIATE_TEST_SUITE_P(
    ByRowColumnOrderAndGrid, ChooseBestCellTies,
    testing::Values(
        // Within a row the coin decides which neighbour of the centre comes first, and the
        // defence grid is read in the opposite order to the attack grid.
        TieCase{"AttackOrderA", {{kAttack, 6, 3, 5}, {kAttack, 6, 5, 5}}, kCoinOne, 3},
        TieCase{"AttackOrderB", {{kAttack, 6, 3, 5}, {kAttack, 6, 5, 5}}, kCoinTwo, 5},
        TieCase{"DefenceOrderB", {{kDefence, 6, 3, 5}, {kDefence, 6, 5, 5}}, kCoinOne, 5},
        TieCase{"DefenceOrderA", {{kDefence, 6, 3, 5}, {kDefence, 6, 5, 5}}, kCoinTwo, 3},
        TieCase{"OuterRingOrderA", {{kAttack, 5, 1, 9}, {kAttack, 5, 7, 9}}, kCoinOne, 7},
        TieCase{"OuterRingOrderB", {{kAttack, 5, 1, 9}, {kAttack, 5, 7, 9}}, kCoinTwo, 1},
        TieCase{
            "SecondRingBeforeThirdOrderA", {{kAttack, 4, 7, 3}, {kAttack, 4, 2, 3}}, kCoinOne, 2},
        TieCase{"CentreBeatsNeighbours",
                {{kAttack, 6, 3, 5}, {kAttack, 6, 5, 5}, {kAttack, 6, 4, 5}},
                kCoinTwo,
                4},
        // A higher row is offered first, whatever the column.
        TieCase{"HigherRowFirst", {{kAttack, 6, 4, 5}, {kAttack, 2, 1, 5}}, kCoinOne, 1},
        TieCase{"HigherRowInDefence", {{kDefence, 6, 4, 5}, {kDefence, 3, 7, 5}}, kCoinTwo, 7},
        // The whole attack grid is offered before the defence grid.
        TieCase{"AttackBeforeDefence", {{kDefence, 1, 4, 7}, {kAttack, 6, 1, 7}}, kCoinOne, 1},
        TieCase{"HigherDefenceBeatsAttack", {{kDefence, 6, 4, 8}, {kAttack, 6, 1, 7}}, kCoinOne, 4},
        TieCase{
            "LaterHigherScoreBeatsEarlier", {{kAttack, 1, 4, 3}, {kAttack, 6, 7, 4}}, kCoinOne, 7},
        // Rows 7 and 8 of the score grids are never offered.
        TieCase{"BelowTheBoardIgnored", {{kAttack, 7, 4, 50}, {kAttack, 6, 2, 1}}, kCoinOne, 2}),
    [](const testing::TestParamInfo<TieCase>& info) { return std::string(info.param.name); });

TEST(ChooseBestCell, ReturnsNothingWithoutAPositiveScore) {
    BestCellBench bench;
    EXPECT_EQ(bench.ChosenColumn(), 0);
    bench.Score(kAttack, 6, 4, -3);
    bench.Score(kDefence, 6, 3, -101);
    EXPECT_EQ(bench.ChosenColumn(), 0);
    EXPECT_EQ(bench.ws.BestChoice().Column(), 0);
    EXPECT_EQ(bench.ws.BestChoice().Score(), 0);
}

TEST(ChooseBestCell, DrawsOneCoinPerCallAndKeepsTheBestScore) {
    BestCellBench bench;
    bench.Score(kDefence, 6, 6, 42);
    EXPECT_EQ(bench.ChosenColumn(), 6);
    EXPECT_EQ(bench.random.draws(), 1u);
    EXPECT_EQ(bench.ws.BestChoice().Column(), 155);
    EXPECT_EQ(bench.ws.BestChoice().Score(), 42);
    // A second call starts from scratch.
    bench.Score(kDefence, 6, 6, -42);
    EXPECT_EQ(bench.ChosenColumn(), 0);
    EXPECT_EQ(bench.random.draws(), 2u);
}

struct MarkCase {
    const char* name;
    int score;
    bool forbidden;
    bool avoid;
    bool chosen;
};

class OfferCellMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(OfferCellMarks, MarkedCellIsTakenOnlyWhenAllowed) {
    const MarkCase& mark = GetParam();
    BestCellBench bench;
    bench.Score(kAttack, 6, 2, mark.score);
    bench.Score(kAttack, 6, 6, 1);  // a poor alternative
    if (mark.forbidden) bench.Mark(GridId::ForbiddenMark, 6, 2);
    if (mark.avoid) bench.Mark(GridId::AvoidMark, 6, 2);
    EXPECT_EQ(bench.ChosenColumn(), mark.chosen ? 2 : 6);
}

INSTANTIATE_TEST_SUITE_P(ForbiddenAndAvoid, OfferCellMarks,
                         testing::Values(MarkCase{"Unmarked", 19, false, false, true},
                                         MarkCase{"ForbiddenWin", 101, true, false, false},
                                         MarkCase{"ForbiddenAndAvoidWin", 202, true, true, false},
                                         MarkCase{"AvoidAt19", 19, false, true, false},
                                         MarkCase{"AvoidAt20", 20, false, true, true},
                                         MarkCase{"AvoidAt101", 101, false, true, true}),
                         [](const testing::TestParamInfo<MarkCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(OfferCell, MarksOnOtherCellsOfTheColumnDoNotMatter) {
    BestCellBench bench;
    bench.Score(kAttack, 6, 3, 5);
    bench.Mark(GridId::ForbiddenMark, 5, 3);
    bench.Mark(GridId::AvoidMark, 4, 3);
    EXPECT_EQ(bench.ChosenColumn(), 3);
}

// Points can land on occupied cells (the stacked-threat reward does), but a full column cannot
// take a stone, so its cells are never accepted.
TEST(OfferCell, NeverAcceptsACellOfAFullColumn) {
    BestCellBench bench(
        "o......\n"
        "x......\n"
        "o......\n"
        "x......\n"
        "o......\n"
        "x......\n");
    ASSERT_EQ(bench.state.ColumnState[0], kColumnFull);
    bench.Score(kAttack, 1, 1, 20);
    bench.Score(kDefence, 6, 1, 101);
    EXPECT_EQ(bench.ChosenColumn(), 0);
    bench.Score(kDefence, 6, 2, 3);
    EXPECT_EQ(bench.ChosenColumn(), 2);
    EXPECT_EQ(bench.ws.BestChoice().Score(), 3);
}

}  // namespace
}  // namespace tessora
