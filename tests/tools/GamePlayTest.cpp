#include <gtest/gtest.h>

#include <string>

#include "tools/engine/GamePlay.h"
#include "tools/engine/MoveAnalysis.h"

namespace tessora::engine {
namespace {

PlayOutcome Play(const std::string& human, FirstPlayer first, int strength,
                 std::vector<double> random) {
    PlayOutcome outcome;
    Problem problem;
    EXPECT_TRUE(
        PlayGame(PlayRequest{{first, strength, std::move(random)}, human}, outcome, problem))
        << problem.message;
    return outcome;
}

TEST(PlayGame, StopsOpenWhenTheHumansColumnsRunOut) {
    EXPECT_EQ(Play("", FirstPlayer::Human, 3, {0.5}).result, "open");
    EXPECT_EQ(Play("", FirstPlayer::Human, 3, {0.5}).moves, "");
    // The computer opens, then it is the human's turn with nothing left.
    const PlayOutcome opened = Play("", FirstPlayer::Computer, 3, {0.5});
    EXPECT_EQ(opened.result, "open");
    EXPECT_EQ(opened.moves.size(), 1u);
    const PlayOutcome twoEach = Play("44", FirstPlayer::Human, 1, {0.5});
    EXPECT_EQ(twoEach.result, "open");
    EXPECT_EQ(twoEach.moves.size(), 4u);
    EXPECT_EQ(twoEach.moves.substr(0, 1), "4");
}

// With one draw repeated, every computer move of a game must be the move the engine chooses in
// that game's position: the play loop keeps MoveCount, the side to move and the full columns
// exactly as a position built from the moves.
TEST(PlayGame, EachComputerMoveMatchesTheMoveChosenInThatPosition) {
    struct Case {
        const char* human;
        FirstPlayer first;
        int strength;
    };
    const Case cases[] = {{"4444332211", FirstPlayer::Human, 4},
                          {"1234567123", FirstPlayer::Computer, 3},
                          {"7777666655", FirstPlayer::Human, 1}};
    for (const Case& c : cases) {
        const PlayOutcome game = Play(c.human, c.first, c.strength, {0.37});
        const std::size_t computerFirst = c.first == FirstPlayer::Computer ? 0 : 1;
        for (std::size_t i = computerFirst; i < game.moves.size(); i += 2) {
            MoveRequest request{{c.first, c.strength, {0.37}}, game.moves.substr(0, i), false};
            MoveOutcome move;
            Problem problem;
            ASSERT_TRUE(AnalyseMove(request, move, problem)) << problem.message;
            EXPECT_EQ(move.column, game.moves[i] - '0')
                << "after " << request.moves << " in game " << game.moves;
        }
    }
}

// The draws run on across the computer's moves instead of restarting for each one.
TEST(PlayGame, DrawsRunOnAcrossTheComputersMoves) {
    const std::vector<double> draws = {0.05, 0.93, 0.41, 0.66, 0.12, 0.88, 0.5};
    const PlayOutcome game = Play("1234567", FirstPlayer::Computer, 4, draws);
    bool differsFromRestarting = false;
    for (std::size_t i = 0; i < game.moves.size(); i += 2) {
        MoveRequest request{{FirstPlayer::Computer, 4, draws}, game.moves.substr(0, i), false};
        MoveOutcome move;
        Problem problem;
        ASSERT_TRUE(AnalyseMove(request, move, problem)) << problem.message;
        differsFromRestarting = differsFromRestarting || move.column != game.moves[i] - '0';
    }
    EXPECT_TRUE(differsFromRestarting) << game.moves;
}

TEST(PlayGame, LeavesHumanColumnsAfterTheEndUnplayed) {
    const std::vector<double> draws = {0.951, 0.647, 0.952, 0.884, 0.894, 0.621, 0.42};
    const PlayOutcome game = Play("557167374", FirstPlayer::Human, 3, draws);
    ASSERT_NE(game.result, "open");
    const PlayOutcome longer = Play("5571673741111", FirstPlayer::Human, 3, draws);
    EXPECT_EQ(longer.moves, game.moves);
    EXPECT_EQ(longer.result, game.result);
}

TEST(PlayGame, ReportsAHumanColumnThatIsFull) {
    PlayOutcome outcome;
    Problem problem;
    EXPECT_FALSE(
        PlayGame(PlayRequest{{FirstPlayer::Human, 3, {0.5}}, "1111111"}, outcome, problem));
    EXPECT_EQ(problem.kind, Problem::Kind::BadInput);
    // The computer caps the human's tower in column 1, so one of the human's stones there
    // finds the column full.
    EXPECT_EQ(problem.message.rfind("human move ", 0), 0u) << problem.message;
    EXPECT_NE(problem.message.find("(column 1) goes into a full column after "), std::string::npos)
        << problem.message;
}

}  // namespace
}  // namespace tessora::engine
