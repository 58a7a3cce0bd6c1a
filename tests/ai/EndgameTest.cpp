#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ai/LastOpenColumn.h"
#include "ai/TwoColumnEndgame.h"
#include "tests/support/DrawnBoard.h"

namespace tessora {
namespace {

struct Bench {
    explicit Bench(std::string_view board)
        : state(test::PositionFromText(board)), random({0.5}), ws(state, random, hook) {}
    void Mark(GridId grid, int row, int column) { ws.mark(ws.grids().get(grid), row, column); }
    static int Column(int16 code) { return code == 0 ? 0 : code - 149; }

    int yields = 0;
    YieldHook hook{[](void* count) { ++*static_cast<int*>(count); }, &yields};
    GameState state;
    ScriptedRandom random;
    Workspace ws;
};

struct LastOpenCase {
    const char* name;
    std::string_view board;
    int expectedColumn;
};

class LastOpenColumnCases : public testing::TestWithParam<LastOpenCase> {};

// The column walk, with a yield per column, runs only when six columns are full.
TEST_P(LastOpenColumnCases, NamesTheOneOpenColumnOnly) {
    Bench bench(GetParam().board);
    EXPECT_EQ(Bench::Column(LastOpenColumn(bench.ws)), GetParam().expectedColumn);
    EXPECT_EQ(bench.yields, bench.state.FullColumnCount == 6 ? 7 : 0);
}

INSTANTIATE_TEST_SUITE_P(FullColumns, LastOpenColumnCases,
                         testing::Values(LastOpenCase{"SixFullLastOpen",
                                                      "xoxoxo.\n"
                                                      "oxoxox.\n"
                                                      "oxoxoxo\n"
                                                      "xoxoxox\n"
                                                      "xoxoxox\n"
                                                      "oxoxoxo\n",
                                                      7},
                                         LastOpenCase{"SixFullMiddleOpen",
                                                      "xoxo.ox\n"
                                                      "oxox.xo\n"
                                                      "oxox.xo\n"
                                                      "xoxoxox\n"
                                                      "xoxoxox\n"
                                                      "oxoxoxo\n",
                                                      5},
                                         LastOpenCase{"SevenFull",
                                                      "xoxoxox\n"
                                                      "oxoxoxo\n"
                                                      "oxoxoxo\n"
                                                      "xoxoxox\n"
                                                      "xoxoxox\n"
                                                      "oxoxoxo\n",
                                                      0},
                                         LastOpenCase{"FiveFull",
                                                      "xoxo..x\n"
                                                      "oxoxo.o\n"
                                                      "oxoxo.o\n"
                                                      "xoxoxox\n"
                                                      "xoxoxox\n"
                                                      "oxoxoxo\n",
                                                      0}),
                         [](const testing::TestParamInfo<LastOpenCase>& info) {
                             return std::string(info.param.name);
                         });

// Columns 2 and 4 are open. Row 5 holds own stones in columns 1, 3 and 5; the next free cells
// are (6, 2) and (5, 4), so once (4, 4) completes four for the computer alone, column 4 wins.
constexpr std::string_view kShapeBoard =
    "o.o.xox\n"
    "x.x.oxo\n"
    "o.o.xox\n"
    "x.x.oxo\n"
    "x.x.xox\n"
    "o.oxoxo\n";

struct Mark {
    GridId grid;
    int row;
    int column;
};

struct EndgameCase {
    const char* name;
    std::vector<Mark> marks;
    int expectedColumn;
};

class TwoColumnEndgameCases : public testing::TestWithParam<EndgameCase> {};

TEST_P(TwoColumnEndgameCases, PicksTheShapeOrTheColumnWithMoreSafeCells) {
    Bench bench(kShapeBoard);
    ASSERT_EQ(bench.state.FullColumnCount, 5);
    for (const Mark& mark : GetParam().marks)
        bench.Mark(mark.grid, mark.row, mark.column);
    EXPECT_EQ(Bench::Column(TwoColumnEndgame(bench.ws)), GetParam().expectedColumn);
}

constexpr GridId kOwn = GridId::OwnThreat;
constexpr GridId kFoe = GridId::FoeThreat;

INSTANTIATE_TEST_SUITE_P(
    ShapeAndSafeCells, TwoColumnEndgameCases,
    testing::Values(
        // Safe cells: six in column 2, five in column 4.
        EndgameCase{"MoreSafeCellsInFirstColumn", {}, 2},
        EndgameCase{"ShapeWins", {{kOwn, 4, 4}}, 4},
        EndgameCase{"ShapeNeedsNoFoeThreatAtTheWinningCell", {{kOwn, 4, 4}, {kFoe, 4, 4}}, 2},
        // A threat cell ends the count of its column: the cells above it are not safe.
        EndgameCase{"ThreatAtTheBottomLeavesNoSafeCell", {{kFoe, 6, 2}}, 4},
        EndgameCase{"OwnThreatEndsTheCountToo", {{kOwn, 3, 2}}, 4},
        EndgameCase{"EqualSafeCellsDecideNothing", {{kFoe, 1, 2}}, 0},
        EndgameCase{"CountStopsAtTheLowestThreat", {{kOwn, 1, 4}, {kFoe, 1, 2}}, 2}),
    [](const testing::TestParamInfo<EndgameCase>& info) { return std::string(info.param.name); });

TEST(TwoColumnEndgame, LaterColumnWithMoreSafeCellsWins) {
    // Open columns 1 and 4: three empty cells against five.
    Bench bench(
        ".ox.xox\n"
        ".xo.oxo\n"
        ".ox.xox\n"
        "xxo.oxo\n"
        "oox.xox\n"
        "xxoxoxo\n");
    ASSERT_EQ(bench.state.FullColumnCount, 5);
    EXPECT_EQ(Bench::Column(TwoColumnEndgame(bench.ws)), 4);
}

TEST(TwoColumnEndgame, YieldsAfterEveryColumnAndShapeStep) {
    Bench bench(kShapeBoard);
    TwoColumnEndgame(bench.ws);
    EXPECT_EQ(bench.yields, 7 + 4);
}

}  // namespace
}  // namespace tessora
