#include <gtest/gtest.h>

#include "tests/core/support/GameFixture.h"
#include "tests/core/support/Pictures.h"

namespace tessora::test {
namespace {

class TurnFlow : public GameFixture {};

TEST_F(TurnFlow, StatusTextsOfOneWholeMove) {
    const std::string falling = "Stein wird eingeworfen...";
    const std::string thinking = "Der Computer überlegt...";
    const std::string human = "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.";
    struct Case {
        bool animation;
        std::vector<std::string> texts;
    };
    const Case cases[] = {{true, {falling, thinking, falling, human}}, {false, {thinking, human}}};
    for (const Case& c : cases) {
        game.options().AnimationOn = c.animation;
        StartGame();
        Click(3);
        EXPECT_EQ(shell.statusTexts, c.texts) << "animation " << c.animation;
        EXPECT_EQ(shell.sounds, (std::vector<std::string>{"KLACK.WAV", "KLACK.WAV"}));
        EXPECT_EQ(game.state().Cells[38], kHuman);
        EXPECT_EQ(game.state().Cells[35], kComputer);
        EXPECT_EQ(game.state().PlayerToMove, kHuman);
        EXPECT_EQ(shell.CellsShowing(kHumanColour), std::vector<int>{38});
        EXPECT_EQ(shell.CellsShowing(kComputerColour), std::vector<int>{35});
    }
}

TEST_F(TurnFlow, NewGameResetsTheWholeGame) {
    StartGame();
    Click(3);
    Click(3);
    game.state().board.set(2, 2, 1);
    ASSERT_EQ(game.state().MoveCount, 4);
    shell.ClearRecords();

    game.NewGame();
    const GameState& s = game.state();
    EXPECT_EQ(CountStones(s), 0);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c)
            EXPECT_EQ(s.board.at(r, c), 0) << r << "," << c;
    }
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(s.board.at(7, c), kFloor);
        EXPECT_EQ(s.board.at(8, c), kFloor);
    }
    EXPECT_EQ(s.ColumnState, (std::array<int16, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(s.MoveCount, 0);
    EXPECT_EQ(s.GameRestarted, 1);
    EXPECT_EQ(s.FullColumnCount, 0);
    EXPECT_EQ(s.PlayerToMove, kHuman);
    EXPECT_EQ(shell.board().pixels, shell.emptyBoard().pixels);
    const std::vector<std::string> expected{"board restored", "status:" + texts().StatusHumanToMove,
                                            "pointer:0"};
    EXPECT_EQ(shell.log, expected);
}

TEST_F(TurnFlow, NewGameDefersItselfWhileAStoneFallsOrTheComputerThinks) {
    for (int which = 0; which < 2; ++which) {
        StartGame();
        Click(3);
        game.flags().DropRunning = which == 0;
        game.flags().ComputerThinking = which == 1;
        shell.ClearRecords();
        game.NewGame();
        EXPECT_TRUE(game.flags().NewGamePending);
        EXPECT_EQ(CountStones(game.state()), 2);
        EXPECT_EQ(game.state().MoveCount, 2);
        EXPECT_TRUE(shell.log.empty());
        game.flags() = WindowFlags{};
    }
}

TEST_F(TurnFlow, ComputerOpensWhenItBegins) {
    StartGame(true);
    EXPECT_EQ(CountStones(game.state()), 1);
    EXPECT_EQ(game.state().Cells[35], kComputer);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(game.state().GameRestarted, 1);
    EXPECT_EQ(chooser.moveCountsSeen, std::vector<int16>{2});
    EXPECT_EQ(shell.StatusText(), texts().StatusHumanToMove);
    EXPECT_FALSE(game.flags().ComputerThinking);
}

TEST_F(TurnFlow, MoveCountGrowsByTwoPerComputerMoveBeforeTheComputerReadsIt) {
    StartGame();
    Click(0);
    Click(1);
    Click(2);
    EXPECT_EQ(chooser.moveCountsSeen, (std::vector<int16>{2, 4, 6}));
    EXPECT_EQ(game.state().MoveCount, 6);
}

TEST_F(TurnFlow, ComputerWithoutAnOpenColumnDropsNothingButEndsItsTurn) {
    StartGame();
    chooser.columns = {0};
    Click(3);
    EXPECT_EQ(CountStones(game.state()), 1);
    EXPECT_EQ(shell.sounds, std::vector<std::string>{"KLACK.WAV"});
    EXPECT_EQ(shell.StatusText(), texts().StatusHumanToMove);
    EXPECT_EQ(shell.pointers.back(), Pointer::Default);
    EXPECT_FALSE(game.flags().ComputerThinking);
    EXPECT_FALSE(game.flags().ClickBusy);
}

TEST_F(TurnFlow, PauseLastsAtLeastItsTimeAndWaitsInsteadOfSpinning) {
    StartGame();
    const double starts[] = {36000.0, 86399.995, 86399.9999, 0.0};
    const double waits[] = {1.0, 0.001, 0.0003};
    for (double start : starts) {
        for (double wait : waits) {
            shell.clock = start;
            shell.maxWaitSeconds = wait;
            shell.ClearRecords();
            game.Pause();
            EXPECT_GE(shell.clock - start, 0.0111 - 1e-9) << start << " / " << wait;
            EXPECT_LT(shell.clock - start, 0.0111 + wait + 0.0011) << start << " / " << wait;
            EXPECT_EQ(shell.doEventsCalls, 0);
            EXPECT_GE(shell.waitCalls, 1);
        }
    }
}

TEST_F(TurnFlow, ComputerDropPauseWaitsFifteenPausesOnlyBeforeAnOpenColumn) {
    StartGame();
    double start = shell.clock;
    game.ComputerDropPause(153);
    EXPECT_GE(shell.clock - start, 15 * 0.0111);
    EXPECT_EQ(shell.waitCalls, 15);

    Position("...x...\n...o...\n...x...\n...o...\n...x...\n...o...");
    shell.ClearRecords();
    start = shell.clock;
    game.ComputerDropPause(153);
    EXPECT_EQ(shell.clock, start);
    EXPECT_EQ(shell.waitCalls, 0);
}

TEST_F(TurnFlow, ComputerDropPauseEndsAtAPendingNewGame) {
    StartGame();
    shell.AtYield(4, [this] { game.flags().NewGamePending = true; });
    game.ComputerDropPause(150);
    EXPECT_EQ(shell.waitCalls, 4);
}

TEST_F(TurnFlow, SteinSetzenDrawsTheStoneWithATransparentSurround) {
    const int cells[] = {0, 6, 17, 35, 41};
    for (int cell : cells) {
        StartGame();
        game.SteinSetzen(cell, kHuman);
        const int left = CellLeftPixel(cell);
        const int top = CellTopPixel(cell);
        EXPECT_EQ(DifferingPixels(shell.board(),
                                  BoardWithStoneAt(shell.emptyBoard(), left, top, kHumanColour)),
                  0)
            << "cell " << cell;
        // A stone drawn over another replaces it.
        game.SteinSetzen(cell, 3);
        EXPECT_EQ(DifferingPixels(shell.board(), BoardWithStoneAt(shell.emptyBoard(), left, top,
                                                                  kHighlightColour)),
                  0)
            << "cell " << cell;
    }
}

}  // namespace
}  // namespace tessora::test
