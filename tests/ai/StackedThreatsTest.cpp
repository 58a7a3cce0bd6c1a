#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ai/StackedThreats.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kFoe;
using test::kForbidden;
using test::kOwn;

constexpr std::string_view kLowStones =
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    ".......\n"
    "xoxoxox\n";

struct StackedThreatsBench : test::WorkspaceBench {
    explicit StackedThreatsBench(std::string_view board = kLowStones) : WorkspaceBench(board) {}
};

struct BlockCase {
    const char* name;
    std::vector<test::GridMark> marks;
    int expectedColumn;
};

class BlockStackedThreatsCases : public testing::TestWithParam<BlockCase> {};

TEST_P(BlockStackedThreatsCases, BlocksTheLowerOfTwoStackedOpponentThreats) {
    StackedThreatsBench bench;
    bench.Apply(GetParam().marks);
    const int16 code = BlockStackedThreats(bench.ws);
    EXPECT_EQ(code == 0 ? 0 : code - 149, GetParam().expectedColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, BlockStackedThreatsCases,
    testing::Values(
        // Row 6 is full, so (5, c) is the next free cell of every column.
        BlockCase{"PlayableLowerCell", {{kFoe, 4, 3}, {kFoe, 5, 3}}, 3},
        BlockCase{"LowerCellNotPlayableYet", {{kFoe, 3, 3}, {kFoe, 4, 3}}, 0},
        BlockCase{"SingleThreat", {{kFoe, 5, 3}}, 0},
        BlockCase{"ThreatsInNeighbouringColumns", {{kFoe, 5, 3}, {kFoe, 5, 4}}, 0},
        BlockCase{"OwnThreatBelowTheUpperCell", {{kFoe, 4, 3}, {kFoe, 5, 3}, {kOwn, 5, 3}}, 0},
        BlockCase{
            "OwnThreatAboveThePairDoesNotMatter", {{kFoe, 4, 3}, {kFoe, 5, 3}, {kOwn, 3, 3}}, 3},
        BlockCase{
            "LastPairInScanOrderWins", {{kFoe, 4, 6}, {kFoe, 5, 6}, {kFoe, 4, 2}, {kFoe, 5, 2}}, 6},
        BlockCase{"ThreeStackedCountAsTwoPairs", {{kFoe, 3, 5}, {kFoe, 4, 5}, {kFoe, 5, 5}}, 5}),
    [](const testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

struct RewardCase {
    const char* name;
    std::vector<test::GridMark> marks;
    int rewardedRow;  // 0: nothing rewarded
};

class RewardStackedThreatsCases : public testing::TestWithParam<RewardCase> {};

TEST_P(RewardStackedThreatsCases, RewardsTheUpperOfTwoStackedOwnThreats) {
    StackedThreatsBench bench;
    bench.Apply(GetParam().marks);
    Trace trace;
    bench.ws.AttachTrace(&trace);
    RewardStackedThreats(bench.ws);
    int rewarded = 0;
    for (int row = 1; row <= 8; ++row) {
        const int points = bench.ws.grids().AttackScore.at(row, 4);
        if (points != 0) {
            EXPECT_EQ(points, 20);
            rewarded = row;
        }
    }
    EXPECT_EQ(rewarded, GetParam().rewardedRow);
    for (const TraceRecord& record : trace) {
        EXPECT_EQ(record.origin.stage, Stage::RewardStackedThreats);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, RewardStackedThreatsCases,
    testing::Values(
        RewardCase{"StackedPair", {{kOwn, 2, 4}, {kOwn, 3, 4}}, 2},
        RewardCase{"SingleThreat", {{kOwn, 2, 4}}, 0},
        RewardCase{
            "OpponentAlsoThreatensTheLowerCell", {{kOwn, 2, 4}, {kOwn, 3, 4}, {kFoe, 3, 4}}, 0},
        RewardCase{"OpponentThreatAtTheUpperCellDoesNotMatter",
                   {{kOwn, 2, 4}, {kOwn, 3, 4}, {kFoe, 2, 4}},
                   2},
        RewardCase{
            "ForbiddenCellUnderThePair", {{kOwn, 2, 4}, {kOwn, 3, 4}, {kForbidden, 4, 4}}, 0},
        RewardCase{
            "ForbiddenFourBelowTheLowerCell", {{kOwn, 2, 4}, {kOwn, 3, 4}, {kForbidden, 7, 4}}, 0},
        RewardCase{"ForbiddenFurtherDownDoesNotMatter",
                   {{kOwn, 2, 4}, {kOwn, 3, 4}, {kForbidden, 8, 4}},
                   2},
        RewardCase{"ForbiddenAtTheLowerCellDoesNotMatter",
                   {{kOwn, 2, 4}, {kOwn, 3, 4}, {kForbidden, 3, 4}},
                   2},
        // The lowest pair that counts has its upper cell in row 4.
        RewardCase{"LowestPair", {{kOwn, 4, 4}, {kOwn, 5, 4}}, 4},
        RewardCase{"PairInTheBottomRowsIsIgnored", {{kOwn, 5, 4}, {kOwn, 6, 4}}, 0}),
    [](const testing::TestParamInfo<RewardCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessora
