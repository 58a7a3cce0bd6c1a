// The trace of a move lists every grid change in the order it happened: replaying it from
// cleared grids must meet each record's "before" value and end on the answer's grids.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/Answers.h"

namespace tessora::engine {
namespace {

struct TracedPosition {
    const char* moves;
    const char* first;
    const char* strength;
    const char* random;
};

// Positions whose moves pass through many stages: threats on both sides, line patterns,
// doubt cells, the random opening, and several deciding stages.
const TracedPosition kPositions[] = {
    {"24622332253271463113736116145776567755", "computer", "4", "0.7"},
    {"3226173337432762652277734665511444416", "human", "4", "0.2"},
    {"6667132515513532216313566152223", "human", "4", "0.7"},
    {"654754323", "human", "3", "0.7"},
    {"7455", "computer", "4", "0.2"},
    {"4", "human", "4", "0.3"},
};

// The order in which the stages run in one move; a pass over the own side comes before the
// pass over the opponent.
int StageRank(const std::string& stage) {
    const char* order[] = {"ScanThreats",          "ScanOpenTwos",      "RewardStackedThreats",
                           "ScoreTwoStoneWindows", "ScoreLinePatterns", "RandomOpening",
                           "MarkDoubtCells"};
    for (int i = 0; i < static_cast<int>(std::size(order)); ++i) {
        if (stage == order[i]) return i;
    }
    return -1;
}

Json RunMove(const TracedPosition& p, bool withTrace) {
    std::vector<std::string> args = {"move",       "--moves",  p.moves,    "--first", p.first,
                                     "--strength", p.strength, "--random", p.random};
    if (withTrace) args.push_back("--trace");
    const test::EngineRun run = test::RunTool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return Json::parse(run.out);
}

int FirstRow(const std::string& grid) {
    return grid == "OwnThreat" || grid == "FoeThreat" ? 0 : 1;
}

TEST(EngineTrace, ReplayingTheChangesInOrderGivesTheAnswersGrids) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        const Json answer = RunMove(p, true);
        ASSERT_TRUE(answer.contains("trace"));
        const Json& trace = answer["trace"];
        ASSERT_TRUE(trace.is_array());

        // Every grid starts the move cleared.
        std::map<std::pair<std::string, std::pair<int, int>>, long> cells;
        for (std::size_t i = 0; i < trace.size(); ++i) {
            const Json& record = trace[i];
            const std::string grid = record["grid"];
            const auto key =
                std::make_pair(grid, std::make_pair(int(record["row"]), int(record["column"])));
            ASSERT_EQ(cells[key], long(record["before"]))
                << "record " << i << " of " << grid << " does not follow the one before";
            cells[key] = long(record["after"]);
        }
        for (const auto& [grid, rows] : answer["grids"].items()) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const Json& row = rows[r];
                for (std::size_t c = 0; c < row.size(); ++c) {
                    const auto key =
                        std::make_pair(grid, std::make_pair(FirstRow(grid) + int(r), int(c) + 1));
                    const auto found = cells.find(key);
                    EXPECT_EQ(found == cells.end() ? 0 : found->second, long(row[c]))
                        << grid << " row " << key.second.first << " column " << c + 1;
                }
            }
        }
    }
}

TEST(EngineTrace, ListsTheStagesInTheOrderTheyRun) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        const Json answer = RunMove(p, true);
        ASSERT_TRUE(answer.contains("trace"));
        EXPECT_FALSE(answer["trace"].empty());
        std::pair<int, int> last{-1, -1};
        for (const Json& record : answer["trace"]) {
            const std::string stage = record["stage"];
            const std::pair<int, int> now{StageRank(stage), int(record["side"])};
            ASSERT_GE(now.first, 0) << "unknown stage " << stage;
            EXPECT_GE(int(record["rule"]), 0);
            ASSERT_GE(now, last) << stage << " side " << now.second << " comes too late";
            last = now;
        }
    }
}

TEST(EngineTrace, AskingForTheTraceChangesNothingElse) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        Json traced = RunMove(p, true);
        const Json plain = RunMove(p, false);
        ASSERT_EQ(traced.size(), 4u);
        auto last = traced.end();
        EXPECT_EQ((--last).key(), "trace");
        ASSERT_EQ(plain.size(), 3u);
        // Without its trace, the traced answer is the plain one, grids and all.
        traced.erase("trace");
        EXPECT_EQ(traced, plain);
    }
}

}  // namespace
}  // namespace tessora::engine
