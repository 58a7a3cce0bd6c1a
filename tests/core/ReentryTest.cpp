#include <gtest/gtest.h>

#include <algorithm>

#include "tests/core/support/GameFixture.h"
#include "tests/core/support/Pictures.h"

namespace tessora::test {
namespace {

// A new game requested at some moment of the human's move, with either side beginning the new
// game. Afterwards the board holds nothing of the interrupted move.
class NewGameDuringAMove : public GameFixture, public ::testing::WithParamInterface<bool> {
  protected:
    bool computerBegins() const { return GetParam(); }

    void ExpectFreshGame() {
        const GameState& s = game.state();
        if (computerBegins()) {
            EXPECT_EQ(CountStones(s), 1);
            EXPECT_EQ(s.Cells[35], kComputer);
            EXPECT_EQ(shell.CellsShowing(kComputerColour), std::vector<int>{35});
        } else {
            EXPECT_EQ(CountStones(s), 0);
            EXPECT_EQ(shell.board().pixels, shell.emptyBoard().pixels);
        }
        EXPECT_TRUE(shell.CellsShowing(kHumanColour).empty());
        EXPECT_EQ(s.PlayerToMove, kHuman);
        EXPECT_EQ(s.ColumnState, (std::array<int16, 7>{1, 1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(s.FullColumnCount, 0);
        EXPECT_EQ(s.MoveCount, computerBegins() ? 2 : 0);
        EXPECT_EQ(shell.StatusText(), texts().StatusHumanToMove);
        EXPECT_FALSE(game.flags().ClickBusy);
        EXPECT_FALSE(game.flags().DropRunning);
        EXPECT_FALSE(game.flags().NewGamePending);
        EXPECT_FALSE(game.flags().ComputerThinking);
        EXPECT_FALSE(shell.FallTimerEnabled());
        EXPECT_FALSE(shell.pendingActions()) << "the new game was never requested";
    }

    void PressNewGame() {
        shell.computerBegins = computerBegins();
        game.NewGame();
    }
};

TEST_P(NewGameDuringAMove, WhileTheHumansStoneFalls) {
    game.options().AnimationOn = true;
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nx.o....");
    shell.AtFirstYieldWhere([this] { return shell.frameTops.size() == 3; },
                            [this] { PressNewGame(); });
    Click(0);
    ExpectFreshGame();
    // The human's stone never landed: no sound for it, and the computer did not answer it.
    EXPECT_TRUE(shell.sounds.empty() || computerBegins());
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

// A question box answered "Ja" while the stone falls: the fall timer ticks on inside the box and
// lands the stone, so the new game runs in full at once, while the drop still waits.
TEST_P(NewGameDuringAMove, RunningInFullWhileTheFallingStoneIsAwaited) {
    game.options().AnimationOn = true;
    StartGame();
    shell.AtFirstYieldWhere([this] { return game.flags().DropRunning; },
                            [this] {
                                while (game.flags().DropRunning)
                                    shell.WaitForEvents(40);
                                PressNewGame();
                            });
    Click(3);
    ExpectFreshGame();
    EXPECT_EQ(shell.sounds.size(), computerBegins() ? 1u : 0u);
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

// With the animation off the drop's wait still yields once after the stone is stored.
TEST_P(NewGameDuringAMove, RunningInFullAtTheDropsSingleYield) {
    StartGame();
    shell.AtFirstYieldWhere([this] { return game.state().Cells[38] == kHuman; },
                            [this] { PressNewGame(); });
    Click(3);
    ExpectFreshGame();
    // Only the computer's opening stone is heard landing.
    EXPECT_EQ(shell.sounds.size(), computerBegins() ? 1u : 0u);
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

TEST_P(NewGameDuringAMove, WhileTheLandingSearchYields) {
    StartGame();
    // The first yield of a click is the landing search's first step.
    shell.AtYield(1, [this] {
        ASSERT_EQ(game.state().Cells[38], 0);
        PressNewGame();
    });
    Click(3);
    ExpectFreshGame();
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

TEST_P(NewGameDuringAMove, WhileTheComputerChooses) {
    chooser.yieldsPerMove = 5;
    StartGame();
    shell.AtFirstYieldWhere([this] { return game.flags().ComputerThinking; },
                            [this] {
                                PressNewGame();
                                // Deferred: the position stays until the computer's turn is over.
                                EXPECT_TRUE(game.flags().NewGamePending);
                                EXPECT_EQ(CountStones(game.state()), 1);
                            });
    Click(3);
    ExpectFreshGame();
    EXPECT_EQ(chooser.calls, computerBegins() ? 2 : 1);
}

TEST_P(NewGameDuringAMove, WhileTheComputersStoneFalls) {
    game.options().AnimationOn = true;
    StartGame();
    shell.AtFirstYieldWhere(
        [this] { return game.flags().ComputerThinking && game.flags().DropRunning; },
        [this] {
            PressNewGame();
            EXPECT_TRUE(game.flags().NewGamePending);
        });
    Click(3);
    ExpectFreshGame();
    // Only the human's stone was heard landing.
    EXPECT_EQ(shell.sounds.front(), "KLACK.WAV");
}

// The count goes on over the new game's empty columns: none may stay marked full.
TEST_P(NewGameDuringAMove, WhileTheFullColumnsAreCounted) {
    StartGame();
    Position(".......\no......\nx......\no......\nx......\no......");
    shell.AtFirstYieldWhere([this] { return game.state().ColumnState[0] == kColumnFull; },
                            [this] { PressNewGame(); });
    Click(0);
    ExpectFreshGame();
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

// While the human's winning line shows its highlight, a new game runs at once (nothing defers
// it): the line display stops there, with no old line redrawn on the new board, no result and
// no second new game.
TEST_P(NewGameDuringAMove, WhileTheHumansLineIsShown) {
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nooo.xx.");
    shell.AtFirstYieldWhere([this] { return !shell.CellsShowing(kHighlightColour).empty(); },
                            [this] { PressNewGame(); });
    Click(3);
    ExpectFreshGame();
    EXPECT_TRUE(shell.boxes.empty());
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "board restored"), 1);
    EXPECT_EQ(std::count(shell.sounds.begin(), shell.sounds.end(), "KLATSCHN.WAV"), 0);
    EXPECT_EQ(chooser.calls, computerBegins() ? 1 : 0);
}

// During the computer's line the new game waits for the computer's turn: its result is still
// announced on the old position, and exactly one new game follows.
TEST_P(NewGameDuringAMove, WhileTheComputersLineIsShown) {
    StartGame();
    Position(".......\n.......\n.......\n.......\n.......\nxxx.oo.");
    chooser.columns = {153};
    shell.AtFirstYieldWhere([this] { return !shell.CellsShowing(kHighlightColour).empty(); },
                            [this] {
                                PressNewGame();
                                EXPECT_TRUE(game.flags().NewGamePending);
                            });
    Click(6);
    ExpectFreshGame();
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, texts().TitleLost);
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "board restored"), 1);
    EXPECT_EQ(chooser.calls, computerBegins() ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(EitherSideBegins, NewGameDuringAMove, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "ComputerBegins" : "HumanBegins";
                         });

}  // namespace
}  // namespace tessora::test
