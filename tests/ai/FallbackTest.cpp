#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ai/FallbackColumn.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kAvoid;
using test::kCaution;
using test::kDoubt;
using test::kEmptyBoard;
using test::kFoe;
using test::kForbidden;

struct FallbackBench : test::WorkspaceBench {
    using WorkspaceBench::WorkspaceBench;
    int Fallback() { return Column(FallbackColumn(ws)); }
};

TEST(FallbackColumn, ColumnClassIsItsStrongestWarningOrFull) {
    FallbackBench bench(
        "o......\n"
        "x......\n"
        "o......\n"
        "x......\n"
        "o......\n"
        "x......\n");
    bench.Apply({{kForbidden, 6, 1},
                 {kAvoid, 3, 2},
                 {kForbidden, 5, 2},
                 {kAvoid, 1, 3},
                 {kDoubt, 2, 3},
                 {kCaution, 6, 4},
                 {kDoubt, 4, 5},
                 {kDoubt, 1, 7},
                 {kCaution, 5, 7},
                 // Only rows 1..6 count.
                 {kForbidden, 7, 6},
                 {kCaution, 8, 6}});
    const PenaltyClasses classes = ColumnPenaltyClasses(bench.ws);
    EXPECT_EQ(classes[1], 32);
    EXPECT_EQ(classes[2], 16);
    EXPECT_EQ(classes[3], 8);
    EXPECT_EQ(classes[4], 4);
    EXPECT_EQ(classes[5], 2);
    EXPECT_EQ(classes[6], 0);
    EXPECT_EQ(classes[7], 4);
}

struct LimitCase {
    PenaltyClasses classes;
    int limit;
};

class PenaltyLimitCases : public testing::TestWithParam<LimitCase> {};

TEST_P(PenaltyLimitCases, LimitAdmitsExactlyTheLowestClassPresent) {
    EXPECT_EQ(PenaltyLimit(GetParam().classes), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(LowestClass, PenaltyLimitCases,
                         testing::Values(LimitCase{{0, 32, 16, 8, 4, 2, 0, 32}, 0},
                                         LimitCase{{0, 2, 2, 2, 2, 2, 2, 2}, 2},
                                         LimitCase{{0, 32, 16, 8, 4, 8, 16, 32}, 6},
                                         LimitCase{{0, 8, 16, 8, 32, 32, 32, 32}, 14},
                                         LimitCase{{0, 16, 32, 32, 32, 32, 32, 16}, 30},
                                         LimitCase{{0, 32, 32, 32, 32, 32, 32, 32}, 30}));

TEST(FallbackColumn, AlwaysPicksTheOnlyUnmarkedColumn) {
    for (const double draw : {0.0, 0.37, 0.99}) {
        FallbackBench bench(kEmptyBoard, {draw});
        bench.Apply({{kDoubt, 6, 1},
                     {kCaution, 6, 2},
                     {kAvoid, 6, 3},
                     {kForbidden, 6, 4},
                     {kDoubt, 1, 6},
                     {kDoubt, 3, 7}});
        EXPECT_EQ(bench.Fallback(), 5) << draw;
        EXPECT_EQ(bench.random.draws(), 1u);
    }
}

struct DrawCase {
    const char* name;
    std::string_view board;
    std::vector<test::GridMark> marks;
    std::vector<double> draws;
    int expectedColumn;
    unsigned expectedDraws;
};

class FallbackDraws : public testing::TestWithParam<DrawCase> {};

TEST_P(FallbackDraws, OneDrawPerEligibleColumnAndTheFirstLargestWeightWins) {
    const DrawCase& draw = GetParam();
    FallbackBench bench(draw.board, draw.draws);
    bench.Apply(draw.marks);
    EXPECT_EQ(bench.Fallback(), draw.expectedColumn);
    EXPECT_EQ(bench.random.draws(), draw.expectedDraws);
}

constexpr std::string_view kSecondColumnFull =
    ".o.....\n"
    ".x.....\n"
    ".o.....\n"
    ".x.....\n"
    ".o.....\n"
    ".x.....\n";

constexpr std::string_view kFullBoard =
    "xoxoxox\n"
    "oxoxoxo\n"
    "oxoxoxo\n"
    "xoxoxox\n"
    "xoxoxox\n"
    "oxoxoxo\n";

INSTANTIATE_TEST_SUITE_P(
    Weights, FallbackDraws,
    testing::Values(
        DrawCase{"LargestWeight", kEmptyBoard, {}, {0.3, 0.7, 0.1, 0.9, 0.2, 0.9, 0.4}, 4, 7},
        // 0.705 and 0.709 both weigh 170: the earlier column keeps the choice.
        DrawCase{"WeightsTruncate", kEmptyBoard, {}, {0.705, 0.709, 0.1, 0.1, 0.1, 0.1, 0.1}, 1, 7},
        DrawCase{
            "FullColumnDrawsNothing", kSecondColumnFull, {}, {0.3, 0.7, 0.1, 0.1, 0.1, 0.1}, 3, 6},
        DrawCase{"OnlyTheLowestClassDraws",
                 kEmptyBoard,
                 {{kDoubt, 6, 1}, {kDoubt, 6, 3}, {kDoubt, 6, 5}, {kDoubt, 6, 7}},
                 {0.1, 0.2, 0.9},
                 6,
                 3},
        DrawCase{"EveryOpenColumnForbidden",
                 kSecondColumnFull,
                 {{kForbidden, 6, 1},
                  {kForbidden, 6, 3},
                  {kForbidden, 6, 4},
                  {kForbidden, 6, 5},
                  {kForbidden, 6, 6},
                  {kForbidden, 6, 7}},
                 {0.5, 0.2, 0.3, 0.4, 0.99, 0.6},
                 6,
                 6},
        DrawCase{"NoOpenColumn", kFullBoard, {}, {0.5}, 0, 0}),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

// Every column carries an avoid mark. Columns 3 and 7 have three empty cells, column 5 one,
// the others six. A run counts the empty cells from the top while each is a threat cell or
// sits right on one.
constexpr std::string_view kParityBoard =
    ".......\n"
    "....o..\n"
    "....x..\n"
    "..o.o.o\n"
    "..x.x.x\n"
    "..o.o.x\n";

const std::vector<test::GridMark> kAvoidEverywhere = {
    {kAvoid, 1, 1}, {kAvoid, 1, 2}, {kAvoid, 1, 3}, {kAvoid, 1, 4},
    {kAvoid, 1, 5}, {kAvoid, 1, 6}, {kAvoid, 1, 7}};

struct ParityCase {
    const char* name;
    std::vector<test::GridMark> marks;
    int expectedColumn;
    unsigned expectedDraws;
};

class FallbackParity : public testing::TestWithParam<ParityCase> {};

TEST_P(FallbackParity, PrefersTheShortestOddRunOfThreatenedCells) {
    const ParityCase& parity = GetParam();
    // Weights favour column 2 whenever the random step runs.
    FallbackBench bench(kParityBoard, {0.1, 0.9, 0.1, 0.1, 0.1, 0.1, 0.1});
    bench.Apply(kAvoidEverywhere);
    bench.Apply(parity.marks);
    EXPECT_EQ(bench.Fallback(), parity.expectedColumn);
    EXPECT_EQ(bench.random.draws(), parity.expectedDraws);
}

INSTANTIATE_TEST_SUITE_P(
    AvoidClass, FallbackParity,
    testing::Values(
        ParityCase{"NoThreatsMeansRandom", {}, 2, 7},
        // Column 3: (1, 3) sits above a threat, (2, 3) and (3, 3) are threats: three cells.
        ParityCase{"OddRun", {{kFoe, 2, 3}, {kFoe, 3, 3}}, 3, 0},
        ParityCase{"GapInTheRunCancelsIt", {{kFoe, 2, 3}}, 2, 7},
        ParityCase{"EvenRunCancelled", {{kFoe, 2, 1}, {kFoe, 4, 1}, {kFoe, 6, 1}}, 2, 7},
        ParityCase{"ShorterOddRunWins", {{kFoe, 2, 3}, {kFoe, 3, 3}, {kFoe, 1, 5}}, 5, 0},
        ParityCase{
            "FirstOfEqualRunsWins", {{kFoe, 2, 7}, {kFoe, 3, 7}, {kFoe, 2, 3}, {kFoe, 3, 3}}, 3, 0},
        // Only columns of the avoid class have runs; a forbidden one is not eligible anyway.
        ParityCase{"ForbiddenColumnIgnored", {{kFoe, 1, 5}, {kForbidden, 3, 5}}, 2, 6}),
    [](const testing::TestParamInfo<ParityCase>& info) { return std::string(info.param.name); });

TEST(FallbackColumn, ParityOnlyWhenTheBestColumnsCarryAnAvoidMark) {
    FallbackBench bench(kParityBoard, {0.1, 0.9, 0.1, 0.1, 0.1, 0.1, 0.1});
    bench.Apply({{kAvoid, 1, 1},
                 {kAvoid, 1, 3},
                 {kAvoid, 1, 4},
                 {kAvoid, 1, 5},
                 {kAvoid, 1, 6},
                 {kAvoid, 1, 7},
                 {kFoe, 1, 5}});
    // Column 2 is unmarked, so it is the only eligible column.
    EXPECT_EQ(bench.Fallback(), 2);
    EXPECT_EQ(bench.random.draws(), 1u);
}

}  // namespace
}  // namespace tessora
