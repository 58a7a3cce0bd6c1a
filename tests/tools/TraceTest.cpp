// The trace of a move lists every grid change in the order it happened: replaying it from
// cleared grids must meet each record's "before" value and end on the answer's grids.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/EngineRun.h"
#include "tools/engine/JsonReader.h"

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

JsonValue RunMove(const TracedPosition& p, bool withTrace) {
    std::vector<std::string> args = {"move",       "--moves",  p.moves,    "--first", p.first,
                                     "--strength", p.strength, "--random", p.random};
    if (withTrace) args.push_back("--trace");
    const test::EngineRun run = test::RunTool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    JsonValue answer;
    std::string error;
    EXPECT_TRUE(ParseJson(run.out, answer, error)) << error;
    return answer;
}

int FirstRow(const std::string& grid) {
    return grid == "OwnThreat" || grid == "FoeThreat" ? 0 : 1;
}

TEST(EngineTrace, ReplayingTheChangesInOrderGivesTheAnswersGrids) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        const JsonValue answer = RunMove(p, true);
        const JsonValue* trace = answer.find("trace");
        ASSERT_NE(trace, nullptr);
        ASSERT_EQ(trace->kind, JsonValue::Kind::Array);

        // Every grid starts the move cleared.
        std::map<std::pair<std::string, std::pair<int, int>>, long> cells;
        for (std::size_t i = 0; i < trace->items.size(); ++i) {
            const JsonValue& record = trace->items[i];
            const std::string grid = record.find("grid")->text;
            const auto key =
                std::make_pair(grid, std::make_pair(int(record.find("row")->number),
                                                    int(record.find("column")->number)));
            ASSERT_EQ(cells[key], long(record.find("before")->number))
                << "record " << i << " of " << grid << " does not follow the one before";
            cells[key] = long(record.find("after")->number);
        }
        const JsonValue* grids = answer.find("grids");
        for (const JsonMember& grid : grids->members) {
            for (std::size_t r = 0; r < grid.value.items.size(); ++r) {
                const auto& row = grid.value.items[r].items;
                for (std::size_t c = 0; c < row.size(); ++c) {
                    const auto key = std::make_pair(
                        grid.name, std::make_pair(FirstRow(grid.name) + int(r), int(c) + 1));
                    const auto found = cells.find(key);
                    EXPECT_EQ(found == cells.end() ? 0 : found->second, long(row[c].number))
                        << grid.name << " row " << key.second.first << " column " << c + 1;
                }
            }
        }
    }
}

TEST(EngineTrace, ListsTheStagesInTheOrderTheyRun) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        const JsonValue answer = RunMove(p, true);
        const JsonValue* trace = answer.find("trace");
        ASSERT_NE(trace, nullptr);
        EXPECT_FALSE(trace->items.empty());
        std::pair<int, int> last{-1, -1};
        for (const JsonValue& record : trace->items) {
            const std::string stage = record.find("stage")->text;
            const std::pair<int, int> now{StageRank(stage), int(record.find("side")->number)};
            ASSERT_GE(now.first, 0) << "unknown stage " << stage;
            EXPECT_GE(record.find("rule")->number, 0);
            ASSERT_GE(now, last) << stage << " side " << now.second << " comes too late";
            last = now;
        }
    }
}

TEST(EngineTrace, AskingForTheTraceChangesNothingElse) {
    for (const TracedPosition& p : kPositions) {
        SCOPED_TRACE(p.moves);
        JsonValue traced = RunMove(p, true);
        const JsonValue plain = RunMove(p, false);
        ASSERT_EQ(traced.members.size(), 4u);
        EXPECT_EQ(traced.members.back().name, "trace");
        ASSERT_EQ(plain.members.size(), 3u);
        EXPECT_EQ(traced.find("column")->number, plain.find("column")->number);
        EXPECT_EQ(traced.find("stage")->text, plain.find("stage")->text);
        const JsonValue& tracedGrids = *traced.find("grids");
        const JsonValue& plainGrids = *plain.find("grids");
        for (std::size_t g = 0; g < plainGrids.members.size(); ++g) {
            const auto& a = plainGrids.members[g].value.items;
            const auto& b = tracedGrids.members[g].value.items;
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t r = 0; r < a.size(); ++r) {
                for (std::size_t c = 0; c < a[r].items.size(); ++c) {
                    EXPECT_EQ(a[r].items[c].number, b[r].items[c].number);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessora::engine
