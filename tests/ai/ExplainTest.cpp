// The explanation of a computer move and of a hint, on drawn positions: what decided, the best
// cell's contributions, the warned-off columns, the chance sentences, and that a hint changes
// nothing of the game.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "ai/explain/MoveExplainer.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::explain::explain_test {
namespace {

// A drawn position with the computer to move, its move count and strength, the draws its
// player makes, and the explainer over that player.
struct ExplainedMove {
    ExplainedMove(std::string_view board, int moveCount, int16 strength,
                  std::vector<double> draws = {0.5})
        : state(test::PositionFromText(board)), random(std::move(draws)) {
        state.MoveCount = static_cast<int16>(moveCount);
        state.options.Strength = strength;
    }
    const Explanation& Explain() {
        code = explainer.ChooseColumn(state, YieldHook{});
        return explainer.lastMove();
    }

    GameState state;
    ScriptedRandom random;
    ScriptedRandom hintRandom{{0.5}};
    ComputerPlayer player{random};
    MoveExplainer explainer{player, hintRandom};
    int16 code = 0;
};

void ExpectReasonsAddUp(const Explanation& e) {
    ASSERT_LE(e.reasonCount, Explanation::kMostReasons);
    int sum = 0;
    for (int i = 0; i < e.reasonCount; ++i) {
        EXPECT_GT(e.reasons[i].points, 0);
        EXPECT_FALSE(e.reasons[i].text.empty());
        if (i > 0) {
            EXPECT_LE(e.reasons[i].points, e.reasons[i - 1].points);
        }
        sum += e.reasons[i].points;
    }
    EXPECT_LE(sum, e.score);
}

struct KindCase {
    const char* name;
    std::string_view board;
    int moveCount;
    int16 strength;
    std::vector<double> draws;
    int column;
    ExplanationKind kind;
    const char* stage;
};

class ExplainKinds : public testing::TestWithParam<KindCase> {};

// Every way of deciding gets its own kind, the column the player returned and its stage; the
// headline and the text name the column.
TEST_P(ExplainKinds, NamesWhatDecidedAndTheColumn) {
    const KindCase& c = GetParam();
    ExplainedMove move(c.board, c.moveCount, c.strength, c.draws);
    const Explanation& e = move.Explain();
    EXPECT_EQ(e.column, c.column);
    EXPECT_EQ(e.column, ColumnOfCode(move.code) + 1);
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_STREQ(e.stage, c.stage);
    EXPECT_FALSE(e.hint);
    const std::string spalte = "Spalte " + std::to_string(c.column);
    EXPECT_NE(e.headline.find(spalte), std::string::npos) << e.headline;
    EXPECT_NE(e.text.find(spalte), std::string::npos) << e.text;
    // Only the best cell has a score and reasons; only the stages that choose a cell outline one.
    const bool bestCell = c.kind == ExplanationKind::BestCell;
    EXPECT_EQ(e.score > 0, bestCell);
    EXPECT_EQ(e.reasonCount > 0, bestCell);
    const bool cellChosen =
        bestCell || c.kind == ExplanationKind::Win || c.kind == ExplanationKind::Block;
    EXPECT_EQ(e.chosenCell >= 0, cellChosen);
    if (cellChosen) {
        EXPECT_EQ(CellColumn(e.chosenCell) + 1, c.column);
    }
    ExpectReasonsAddUp(e);
}

INSTANTIATE_TEST_SUITE_P(
    DrawnBoards, ExplainKinds,
    testing::Values(
        // Computer 4, 5, 6 in the bottom row: either end wins.
        KindCase{"Win",
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 "o......\n"
                 "o......\n"
                 "oo.xxx.\n",
                 8,
                 3,
                 {0.2},
                 3,
                 ExplanationKind::Win,
                 "ScanThreats"},
        KindCase{"Block",
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 "o......\n"
                 "o.....x\n"
                 "o.....x\n",
                 6,
                 1,
                 {0.3},
                 1,
                 ExplanationKind::Block,
                 "ScanThreats"},
        // The human wins at (5, 7) and (6, 7); the lower one is forbidden, being under the
        // upper one, so only the stacked-threat block stops the human.
        KindCase{"Stacked",
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 "..xooo.\n"
                 "..xooo.\n",
                 8,
                 1,
                 {0.5},
                 7,
                 ExplanationKind::Stacked,
                 "BlockStackedThreats"},
        KindCase{"LastColumn",
                 "x.xooox\n"
                 "oooxxoo\n"
                 "oxoxoxo\n"
                 "xxoxoxo\n"
                 "ooxoxox\n"
                 "xxoxxox\n",
                 42,
                 1,
                 {0.05, 0.93, 0.41},
                 2,
                 ExplanationKind::LastColumn,
                 "LastOpenColumn"},
        // Two computer stones in the bottom row: its open two and two-stone windows score.
        KindCase{"BestCell",
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 ".......\n"
                 "..xx...\n",
                 6,
                 1,
                 {0.3},
                 5,
                 ExplanationKind::BestCell,
                 "ChooseBestCell"},
        KindCase{"Endgame",
                 "xxo.oo.\n"
                 "oox.ox.\n"
                 "xxx.xo.\n"
                 "xoo.oo.\n"
                 "oxo.xx.\n"
                 "oox.xox\n",
                 32,
                 1,
                 {0.7},
                 7,
                 ExplanationKind::Endgame,
                 "TwoColumnEndgame"},
        // Nothing scores on an empty board: equal draws give every column the same weight, and
        // the first one is taken.
        KindCase{"Fallback",
                 test::kEmptyBoard,
                 6,
                 1,
                 {0.495},
                 1,
                 ExplanationKind::Fallback,
                 "FallbackColumn"}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST(ExplainBestCell, ReasonsAreTheFamiliesSumsOnTheChosenCell) {
    // (6, 5) holds 42 from the open two along the row (10 and 32 for the open ends) and 5 from
    // the two-stone windows; nothing else scores there.
    ExplainedMove move(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "..xx...\n",
        6, 1, {0.3});
    const Explanation& e = move.Explain();
    EXPECT_EQ(e.score, 47);
    EXPECT_STREQ(e.grid, "AttackScore");
    EXPECT_EQ(e.chosenCell, CellIndex(5, 4));
    ASSERT_EQ(e.reasonCount, 2);
    EXPECT_EQ(e.reasons[0].points, 42);
    EXPECT_EQ(e.reasons[1].points, 5);
    EXPECT_NE(e.reasons[0].text, e.reasons[1].text);
    // The miniature rates each cell by its larger score.
    EXPECT_EQ(e.ratings[CellIndex(5, 4)], 47);
    EXPECT_EQ(e.ratings[CellIndex(5, 1)], move.player.workspace().grids().AttackScore.at(6, 2));
    EXPECT_EQ(e.ratings[CellIndex(0, 0)], 0);
}

TEST(ExplainBestCell, ReasonsLeaveOutWhatDeductionsTookAgain) {
    // The rules give (4, 4) 3 and 2 points and take 2 again: the score of 3 is all the reasons
    // may claim, so the smaller family is left out.
    ExplainedMove move(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "xx.x.oo\n"
        "oo.xoxo\n",
        12, 3, {0.3});
    const Explanation& e = move.Explain();
    ASSERT_EQ(e.kind, ExplanationKind::BestCell);
    EXPECT_EQ(e.chosenCell, CellIndex(3, 3));
    EXPECT_EQ(e.score, 3);
    ASSERT_EQ(e.reasonCount, 1);
    EXPECT_EQ(e.reasons[0].points, 3);
}

TEST(ExplainBestCell, NamesTheColumnAForbiddenBetterCellWasIn) {
    // The human would win at (3, 4); the cell below it, (4, 4), scores more than the chosen
    // cell but is forbidden.
    ExplainedMove move(
        ".......\n"
        ".......\n"
        ".......\n"
        ".oo....\n"
        "ooxx...\n"
        "oxoxxox\n",
        14, 1, {0.3});
    const Explanation& e = move.Explain();
    ASSERT_EQ(e.kind, ExplanationKind::BestCell);
    EXPECT_NE(e.column, 4);
    const Grids& grids = move.player.workspace().grids();
    ASSERT_EQ(grids.ForbiddenMark.at(4, 4), 1);
    ASSERT_GT(grids.DefenceScore.at(4, 4), e.score);
    ASSERT_EQ(e.avoidedCount, 1);
    EXPECT_EQ(e.avoided[0].column, 4);
    EXPECT_NE(e.avoided[0].text.find("Spalte 4"), std::string::npos);
    EXPECT_EQ(e.marks[CellIndex(3, 3)], CellMark::Forbidden);
}

TEST(ExplainChance, SaysWhenTheCoinDecidedBetweenEqualCells) {
    // Two winning cells in the bottom row, columns 3 and 5: each side of the coin looks at
    // another one first.
    constexpr std::string_view kTwoWins =
        ".......\n"
        ".......\n"
        ".......\n"
        "o......\n"
        "oo...oo\n"
        "xx.x.xx\n";
    ExplainedMove leftFirst(kTwoWins, 10, 1, {0.2});
    ExplainedMove rightFirst(kTwoWins, 10, 1, {0.8});
    EXPECT_EQ(leftFirst.Explain().column, 3);
    EXPECT_EQ(rightFirst.Explain().column, 5);
    EXPECT_FALSE(leftFirst.explainer.lastMove().chance.empty());
    EXPECT_FALSE(rightFirst.explainer.lastMove().chance.empty());
    // Columns 3 and 7 come in the same order on both sides: nothing was left to chance.
    ExplainedMove sameOrder(
        ".......\n"
        ".......\n"
        ".......\n"
        "o......\n"
        "o......\n"
        "oo.xxx.\n",
        8, 1, {0.8});
    const Explanation& e = sameOrder.Explain();
    EXPECT_EQ(e.column, 3);
    EXPECT_TRUE(e.chance.empty());
}

TEST(ExplainChance, SaysWhenTheOpeningPointDecided) {
    // The first move on an empty board: the draw 0.3 gives the centre its point, 0.495 none, so
    // the last-resort draw decides.
    ExplainedMove centre(test::kEmptyBoard, 2, 3, {0.5, 0.3});
    const Explanation& opening = centre.Explain();
    EXPECT_EQ(opening.column, 4);
    EXPECT_EQ(opening.kind, ExplanationKind::BestCell);
    EXPECT_FALSE(opening.chance.empty());
    ExplainedMove none(test::kEmptyBoard, 2, 3, {0.495});
    const Explanation& fallback = none.Explain();
    EXPECT_EQ(fallback.kind, ExplanationKind::Fallback);
    EXPECT_FALSE(fallback.chance.empty());
    EXPECT_NE(fallback.chance, opening.chance);
}

TEST(ExplainHint, IsTheMoveOfTheSamePlayerWithTheSidesSwapped) {
    // The human to move with a three in the bottom row: the hint is the human's win, and it is
    // what the computer would play on the same stones with the colours swapped.
    GameState game = test::PositionFromText(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "xx.....\n"
        "xxooo..\n");
    game.PlayerToMove = kHuman;
    game.MoveCount = 8;
    game.options.Strength = 3;
    ScriptedRandom gameRandom({0.3});
    ScriptedRandom hintRandom({0.3});
    ComputerPlayer player(gameRandom);
    MoveExplainer explainer(player, hintRandom);
    const GameState before = game;
    const int16 code = explainer.Hint(game);
    const Explanation& hint = explainer.lastHint();
    EXPECT_EQ(ColumnOfCode(code) + 1, hint.column);
    EXPECT_TRUE(hint.hint);
    EXPECT_EQ(hint.kind, ExplanationKind::Win);
    EXPECT_EQ(hint.column, 6);

    GameState swapped = test::PositionFromText(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "oo.....\n"
        "ooxxx..\n");
    swapped.MoveCount = 8;  // 2 x (three stones + 1)
    swapped.options.Strength = 3;
    ScriptedRandom random({0.3});
    ComputerPlayer same(random);
    EXPECT_EQ(ColumnOfCode(same.ChooseColumn(swapped, YieldHook{})) + 1, hint.column);
    EXPECT_EQ(same.decidingStage(), Stage::ScanThreats);

    // Nothing of the game changed: its position, its player's grids, its draws.
    EXPECT_EQ(test::DrawCells(game), test::DrawCells(before));
    EXPECT_EQ(game.ColumnState, before.ColumnState);
    EXPECT_EQ(game.MoveCount, before.MoveCount);
    EXPECT_EQ(game.PlayerToMove, before.PlayerToMove);
    EXPECT_EQ(gameRandom.draws(), 0u);
    EXPECT_EQ(player.decidingStage(), Stage::None);
    EXPECT_EQ(player.stepsRun().size(), 0);
}

TEST(ExplainTexts, EveryTextGoesThroughTheTranslatorBeforeItsNumbersAreFilledIn) {
    ExplainedMove move(
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "..xx...\n",
        6, 1, {0.3});
    std::vector<std::string> asked;
    move.explainer.SetTranslator([&asked](const char* context, const char* german) {
        EXPECT_STREQ(context, "Erklaerung");
        asked.emplace_back(german);
        // A translation that moves the column to the end.
        return std::string(german).find("%1") != std::string::npos ? std::string("EN %2 %1")
                                                                   : std::string("EN");
    });
    const Explanation& e = move.Explain();
    EXPECT_EQ(e.headline, "EN %2 5");  // the headline has no second number
    EXPECT_EQ(e.text, "EN 47 5");
    for (int i = 0; i < e.reasonCount; ++i)
        EXPECT_EQ(e.reasons[i].text, "EN");
    EXPECT_EQ(asked.size(), 2u + static_cast<std::size_t>(e.reasonCount));
}

}  // namespace
}  // namespace tessora::explain::explain_test
