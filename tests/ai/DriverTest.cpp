#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "core/Position.h"
#include "tests/support/DrawnBoard.h"
#include "tests/support/WorkspaceBench.h"

namespace tessora {
namespace {

using test::kEmptyBoard;

using Step = StepRun;

// The pipeline's steps as the step log records them.
namespace step {
constexpr Step ScanThreatsOwn{Stage::ScanThreats, OwnCode};
constexpr Step ScanThreatsOpponent{Stage::ScanThreats, OpponentCode};
constexpr Step LastOpenColumn{Stage::LastOpenColumn, 0};
constexpr Step BlockStackedThreats{Stage::BlockStackedThreats, 0};
constexpr Step ScanOpenTwosOwn{Stage::ScanOpenTwos, OwnCode};
constexpr Step ScanOpenTwosOpponent{Stage::ScanOpenTwos, OpponentCode};
constexpr Step RewardStackedThreats{Stage::RewardStackedThreats, 0};
constexpr Step ScoreTwoStoneWindowsOwn{Stage::ScoreTwoStoneWindows, OwnCode};
constexpr Step ScoreTwoStoneWindowsOpponent{Stage::ScoreTwoStoneWindows, OpponentCode};
constexpr Step ScoreLinePatternsOwn{Stage::ScoreLinePatterns, OwnCode};
constexpr Step ScoreLinePatternsOpponent{Stage::ScoreLinePatterns, OpponentCode};
constexpr Step RandomOpening{Stage::RandomOpening, 0};
constexpr Step ChooseBestCell{Stage::ChooseBestCell, 0};
constexpr Step MarkDoubtCells{Stage::MarkDoubtCells, 0};
constexpr Step FallbackColumn{Stage::FallbackColumn, 0};
}  // namespace step

// A game from its moves (columns 1-7, first stone first) with the computer to move, as the turn
// flow leaves it: MoveCount already counts the move being chosen.
GameState FromMoves(std::string_view moves, bool humanFirst, int16 strength) {
    GameState state;
    SetUpEmptyPosition(state);
    const MovesOutcome played = PlayMoves(state, moves, humanFirst ? kHuman : kComputer);
    EXPECT_EQ(played.stop, MovesOutcome::Stop::None) << moves;
    LetComputerMove(state, played.computerStones);
    state.options.Strength = strength;
    return state;
}

GameState FromBoard(std::string_view board, int moveCount, int16 strength) {
    GameState state = test::PositionFromText(board);
    state.MoveCount = static_cast<int16>(moveCount);
    state.options.Strength = strength;
    return state;
}

struct Move {
    int column;
    Stage stage;
};

Move Play(GameState& state, std::vector<double> draws, YieldHook hook = {}) {
    ScriptedRandom random(std::move(draws));
    ComputerPlayer player(random);
    const int16 code = player.ChooseColumn(state, hook);
    return {code == 0 ? 0 : code - 149, player.decidingStage()};
}

std::vector<Step> Steps(const ComputerPlayer& player) {
    return {player.stepsRun().begin(), player.stepsRun().end()};
}

// On an empty board no stage scores anything (0.495 makes the opening draw 50, which adds
// nothing), so every stage the strength and move count allow runs, up to FallbackColumn.
struct PipelineCase {
    const char* name;
    int16 strength;
    int moveCount;
    std::vector<Step> steps;
};

const std::vector<Step> kThreatSteps = {step::ScanThreatsOwn,      step::ScanThreatsOpponent,
                                        step::LastOpenColumn,      step::BlockStackedThreats,
                                        step::ScanOpenTwosOwn,     step::ScanOpenTwosOpponent,
                                        step::RewardStackedThreats};

std::vector<Step> Join(std::vector<Step> first, const std::vector<Step>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class DriverPipeline : public testing::TestWithParam<PipelineCase> {};

TEST_P(DriverPipeline, RunsTheStagesTheStrengthAndMoveCountAllow) {
    const PipelineCase& pipeline = GetParam();
    GameState state = FromBoard(kEmptyBoard, pipeline.moveCount, pipeline.strength);
    ScriptedRandom random({0.495});
    ComputerPlayer player(random);
    EXPECT_NE(player.ChooseColumn(state, YieldHook{}), 0);
    EXPECT_EQ(player.decidingStage(), Stage::FallbackColumn);
    EXPECT_EQ(Steps(player), pipeline.steps);
}

INSTANTIATE_TEST_SUITE_P(
    StrengthAndMoveCount, DriverPipeline,
    testing::Values(
        PipelineCase{
            "Beginner", 1, 6,
            Join(kThreatSteps, {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                                step::ChooseBestCell, step::FallbackColumn})},
        PipelineCase{
            "LevelTwo", 2, 6,
            Join(kThreatSteps, {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                                step::ScoreLinePatternsOwn, step::ChooseBestCell,
                                step::ChooseBestCell, step::FallbackColumn})},
        PipelineCase{
            "Expert", 3, 8,
            Join(kThreatSteps, {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                                step::ScoreLinePatternsOwn, step::ScoreLinePatternsOpponent,
                                step::ChooseBestCell, step::ChooseBestCell, step::FallbackColumn})},
        PipelineCase{
            "Professional", 4, 6,
            Join(kThreatSteps,
                 {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                  step::ScoreLinePatternsOwn, step::ScoreLinePatternsOpponent, step::ChooseBestCell,
                  step::ChooseBestCell, step::MarkDoubtCells, step::FallbackColumn})},
        PipelineCase{"BeginnerFirstMove",
                     1,
                     2,
                     {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                      step::RandomOpening, step::ChooseBestCell, step::FallbackColumn}},
        PipelineCase{
            "ExpertSecondMove",
            3,
            4,
            {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
             step::ScoreLinePatternsOwn, step::ScoreLinePatternsOpponent, step::ChooseBestCell,
             step::RandomOpening, step::ChooseBestCell, step::FallbackColumn}},
        PipelineCase{"ProfessionalFirstMove",
                     4,
                     2,
                     {step::ScoreTwoStoneWindowsOwn, step::ScoreTwoStoneWindowsOpponent,
                      step::ScoreLinePatternsOwn, step::ScoreLinePatternsOpponent,
                      step::ChooseBestCell, step::RandomOpening, step::ChooseBestCell,
                      step::MarkDoubtCells, step::FallbackColumn}}),
    [](const testing::TestParamInfo<PipelineCase>& info) { return std::string(info.param.name); });

// The human has a vertical three in column 1 (moves 1, 7, 1, 7, 1).
constexpr std::string_view kHumanThreeInColumnOne =
    ".......\n"
    ".......\n"
    ".......\n"
    "o......\n"
    "o.....x\n"
    "o.....x\n";

TEST(Driver, BlocksASingleThreatFromTheThirdMoveOn) {
    GameState state = FromMoves("17171", true, 1);
    ASSERT_EQ(state.MoveCount, 6);
    const Move move = Play(state, {0.3});
    EXPECT_EQ(move.column, 1);
    EXPECT_EQ(move.stage, Stage::ScanThreats);
}

TEST(Driver, LooksForNoThreatsInTheFirstTwoMoves) {
    for (const int16 strength : {1, 3, 4}) {
        GameState state = FromBoard(kHumanThreeInColumnOne, 4, strength);
        ScriptedRandom random({0.3});
        ComputerPlayer player(random);
        player.ChooseColumn(state, YieldHook{});
        EXPECT_NE(player.decidingStage(), Stage::ScanThreats);
        EXPECT_EQ(player.workspace().grids().DefenceScore.at(3, 1), 0);
        EXPECT_EQ(player.workspace().grids().FoeThreat.at(3, 1), 0);
        EXPECT_EQ(Steps(player).front(), step::ScoreTwoStoneWindowsOwn);
    }
}

TEST(Driver, TakesAnImmediateWinBeforeBlocking) {
    // Human 1, 1, 2, 1 and computer 4, 5, 6: the computer wins at (6, 3) or (6, 7), the human
    // threatens (3, 1).
    for (const int16 strength : {1, 3, 4}) {
        for (const double draw : {0.2, 0.8}) {
            GameState state = FromMoves("1415261", true, strength);
            const Move move = Play(state, {draw});
            EXPECT_EQ(move.column, 3);
            EXPECT_EQ(move.stage, Stage::ScanThreats);
        }
    }
}

TEST(Driver, TakesAWinWhenTheComputerBegan) {
    // Computer 4, 4, 4 against the human's 1, 2, 3: the fourth stone on top wins.
    GameState state = FromMoves("414243", false, 3);
    ASSERT_EQ(state.MoveCount, 8);
    const Move move = Play(state, {0.6});
    EXPECT_EQ(move.column, 4);
    EXPECT_EQ(move.stage, Stage::ScanThreats);
}

// Positions from played games in which one of the endgame stages names the column.
struct EndgameGame {
    const char* name;
    const char* moves;
    std::vector<double> draws;
    int column;
    Stage stage;
};

class DriverEndgames : public testing::TestWithParam<EndgameGame> {};

TEST_P(DriverEndgames, EndgameStageNamesTheColumn) {
    const EndgameGame& game = GetParam();
    GameState state = FromMoves(game.moves, true, 1);
    const Move move = Play(state, game.draws);
    EXPECT_EQ(move.column, game.column);
    EXPECT_EQ(move.stage, game.stage);
}

const std::vector<double> kSevenDraws = {0.05, 0.93, 0.41, 0.66, 0.12, 0.88, 0.5};

INSTANTIATE_TEST_SUITE_P(
    PlayedGames, DriverEndgames,
    testing::Values(EndgameGame{"OneColumnLeft", "34411261156337341421377376755256655467422",
                                kSevenDraws, 2, Stage::LastOpenColumn},
                    EndgameGame{"StackedThreats", "35154347345233762457446722577235211",
                                kSevenDraws, 6, Stage::BlockStackedThreats},
                    EndgameGame{"TwoColumnsLeft",
                                "6667132515513532216313566152223",
                                {0.7},
                                7,
                                Stage::TwoColumnEndgame}),
    [](const testing::TestParamInfo<EndgameGame>& info) { return std::string(info.param.name); });

// The stacked-threat reward lands on the top cell of full column 1, but the stone goes
// elsewhere.
TEST(Driver, NeverNamesAFullColumn) {
    for (const double draw : {0.1, 0.6}) {
        GameState state = FromMoves("13331311212122726", true, 1);
        ASSERT_EQ(state.ColumnState[0], kColumnFull);
        ScriptedRandom random({draw});
        ComputerPlayer player(random);
        const int16 code = player.ChooseColumn(state, YieldHook{});
        EXPECT_EQ(player.workspace().grids().AttackScore.at(1, 1), 20);
        EXPECT_NE(code, kFirstColumnCode);
        EXPECT_GT(code, 0);
    }
}

TEST(Driver, ReturnsNothingWhenEveryColumnIsFull) {
    GameState state = FromBoard(
        "xoxoxox\n"
        "oxoxoxo\n"
        "oxoxoxo\n"
        "xoxoxox\n"
        "xoxoxox\n"
        "oxoxoxo\n",
        44, 4);
    const Move move = Play(state, {0.5});
    EXPECT_EQ(move.column, 0);
    EXPECT_EQ(move.stage, Stage::None);
}

TEST(Driver, StrengthChangedDuringTheMoveAppliesFromTheNextMove) {
    GameState state = FromBoard(kEmptyBoard, 6, 1);
    const YieldHook raiseStrength{
        [](void* game) { static_cast<GameState*>(game)->options.Strength = 4; }, &state};
    ScriptedRandom random({0.495});
    ComputerPlayer player(random);
    player.ChooseColumn(state, raiseStrength);
    ASSERT_EQ(state.options.Strength, 4);
    for (const Step step : Steps(player)) {
        EXPECT_NE(step, step::ScoreLinePatternsOwn);
        EXPECT_NE(step, step::MarkDoubtCells);
    }
}

TEST(Driver, StagesYieldThroughTheGivenHook) {
    GameState state = FromBoard(kEmptyBoard, 6, 1);
    int yields = 0;
    const YieldHook count{[](void* n) { ++*static_cast<int*>(n); }, &yields};
    Play(state, {0.495}, count);
    // At least both threat scans, 213 start cells each.
    EXPECT_GE(yields, 2 * 213);
}

TEST(Driver, StartsEveryMoveFromClearedGridsAndAFreshBoard) {
    ScriptedRandom random({0.495});
    ComputerPlayer player(random);
    // A human three in row 5 over an empty cell writes into rows 5 to 7.
    GameState threat = FromBoard(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "ooo....\n"
        "xxo..x.\n",
        6, 4);
    player.ChooseColumn(threat, YieldHook{});
    ASSERT_EQ(player.workspace().grids().CautionMark.at(7, 4), 1);

    GameState empty = FromBoard(kEmptyBoard, 6, 4);
    empty.board.set(3, 3, 2);  // a stale stone that Cells does not hold
    player.ChooseColumn(empty, YieldHook{});
    EXPECT_EQ(empty.board.at(3, 3), 0);
    for (int c = 1; c <= kColumnCount; ++c) {
        EXPECT_EQ(empty.board.at(7, c), kFloor);
        EXPECT_EQ(empty.board.at(8, c), kFloor);
    }
    const Grids& grids = player.workspace().grids();
    for (const GridEntry& entry : kGridTable) {
        EXPECT_EQ(test::NonZero(grids.get(entry.id)), test::CellValues{}) << entry.name;
    }
}

TEST(Driver, BuildsTheBoardFromTheComputersPointOfView) {
    GameState state = FromMoves("17171", true, 1);
    Play(state, {0.3});
    EXPECT_EQ(state.board.at(6, 1), 2);
    EXPECT_EQ(state.board.at(6, 7), 1);
    EXPECT_EQ(state.SideCode, 1);
}

}  // namespace
}  // namespace tessora
