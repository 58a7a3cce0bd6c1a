#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ai/LastOpenColumn.h"
#include "ai/TwoColumnEndgame.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kFoe;
using test::kOwn;

using EndgameBench = test::WorkspaceBench;

struct LastOpenCase {
    const char* name;
    std::string_view board;
    int expectedColumn;
};

class LastOpenColumnCases : public testing::TestWithParam<LastOpenCase> {};

// The column walk, with a yield per column, runs only when six columns are full.
TEST_P(LastOpenColumnCases, NamesTheOneOpenColumnOnly) {
    EndgameBench bench(GetParam().board);
    EXPECT_EQ(EndgameBench::Column(LastOpenColumn(bench.ws)), GetParam().expectedColumn);
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

struct EndgameCase {
    const char* name;
    std::vector<test::GridMark> marks;
    int expectedColumn;
};

class TwoColumnEndgameCases : public testing::TestWithParam<EndgameCase> {};

TEST_P(TwoColumnEndgameCases, PicksTheShapeOrTheColumnWithMoreSafeCells) {
    EndgameBench bench(kShapeBoard);
    ASSERT_EQ(bench.state.FullColumnCount, 5);
    bench.Apply(GetParam().marks);
    EXPECT_EQ(EndgameBench::Column(TwoColumnEndgame(bench.ws)), GetParam().expectedColumn);
}

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
    EndgameBench bench(
        ".ox.xox\n"
        ".xo.oxo\n"
        ".ox.xox\n"
        "xxo.oxo\n"
        "oox.xox\n"
        "xxoxoxo\n");
    ASSERT_EQ(bench.state.FullColumnCount, 5);
    EXPECT_EQ(EndgameBench::Column(TwoColumnEndgame(bench.ws)), 4);
}

TEST(TwoColumnEndgame, YieldsAfterEveryColumnAndShapeStep) {
    EndgameBench bench(kShapeBoard);
    TwoColumnEndgame(bench.ws);
    EXPECT_EQ(bench.yields, 7 + 4);
}

}  // namespace
}  // namespace tessora
