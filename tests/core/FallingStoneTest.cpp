#include <gtest/gtest.h>

#include "tests/core/support/GameFixture.h"
#include "tests/core/support/Pictures.h"

namespace tessora::test {
namespace {

class FallingStone : public GameFixture {
  protected:
    FallingStone() {
        game.options().AnimationOn = true;
        StartGame();
    }

    // Drops a human stone into the column as a board click would.
    void Drop(int column) {
        game.state().GameRestarted = 0;
        game.state().PlayerToMove = kHuman;
        game.DropStone(static_cast<int16>(kFirstColumnCode + column));
    }
};

TEST_F(FallingStone, FramesFallThirtyPixelsATickAndEndOnTheLandingCell) {
    struct Case {
        const char* position;
        int column;
        std::vector<float> tops;
    };
    const Case cases[] = {
        {".......\n.......\n.......\n.......\n.......\n.......",
         3,
         {0, 450, 900, 1350, 1800, 2250, 2700, 3150, 3600, 4050, 4350}},
        {".......\n.o.....\n.x.....\n.o.....\n.x.....\n.o.....", 1, {0, 225}},
        {".......\n.......\n.......\n......x\n......o\n......x",
         6,
         {0, 450, 900, 1350, 1800, 1875}},
    };
    for (const Case& c : cases) {
        StartGame();
        Position(c.position);
        Drop(c.column);
        EXPECT_EQ(shell.frameTops, c.tops) << c.position;
        EXPECT_FALSE(game.flags().DropRunning);
        EXPECT_FALSE(shell.FallTimerEnabled());
    }
}

TEST_F(FallingStone, StartSetsTheFallOverTheLandingCell) {
    game.state().PlayerToMove = kHuman;
    game.StartDropAnimation(38);
    EXPECT_EQ(game.fall().DropX, 3000.0f);
    EXPECT_EQ(game.fall().DropY, 0.0f);
    EXPECT_EQ(game.fall().DropTargetY, 4350);
    EXPECT_EQ(game.fall().SavedX, 0.0f);
    EXPECT_EQ(game.fall().SavedY, 0.0f);
    EXPECT_TRUE(game.flags().DropRunning);
    EXPECT_TRUE(shell.FallTimerEnabled());
    EXPECT_EQ(shell.StatusText(), "Stein wird eingeworfen...");
}

TEST_F(FallingStone, StoneShowsOnlyThroughTheHolesOfItsColumn) {
    Drop(3);
    ASSERT_EQ(shell.frameBoards.size(), 11u);
    const int left = CellLeftPixel(38);
    // Frame 1 at the top edge: the first hole starts at pixel row 15.
    EXPECT_EQ(DifferingPixels(shell.frameBoards[0],
                              BoardWithStoneAt(shell.emptyBoard(), left, 0, kHumanColour, 15, 39)),
              0);
    // Frame 2 at pixel row 30: rows 30..54 lie over the first hole, the rest behind the front;
    // the first frame has been erased.
    EXPECT_EQ(DifferingPixels(shell.frameBoards[1],
                              BoardWithStoneAt(shell.emptyBoard(), left, 30, kHumanColour, 0, 24)),
              0);
    // Frame 3 at pixel row 60: rows 70..99 of the board are the second hole.
    EXPECT_EQ(DifferingPixels(shell.frameBoards[2],
                              BoardWithStoneAt(shell.emptyBoard(), left, 60, kHumanColour, 10, 39)),
              0);
}

TEST_F(FallingStone, FinalFrameIsTheWholeStoneOnItsCellAndThePreviousFrameIsErased) {
    const int cells[] = {38, 3};
    for (int cell : cells) {
        StartGame();
        if (cell == 3) Position(".......\n...o...\n...x...\n...o...\n...x...\n...o...");
        Drop(cell % 7);
        const PixelBuffer expected = BoardWithStoneAt(shell.emptyBoard(), CellLeftPixel(cell),
                                                      CellTopPixel(cell), kHumanColour);
        ASSERT_FALSE(shell.frameBoards.empty());
        EXPECT_EQ(DifferingPixels(shell.frameBoards.back(), expected), 0) << "cell " << cell;
        // The stone drawn after the landing covers the last frame exactly.
        EXPECT_EQ(DifferingPixels(shell.board(), expected), 0) << "cell " << cell;
        EXPECT_EQ(game.state().Cells[cell], kHuman);
    }
}

TEST_F(FallingStone, WaitForTheFallBlocksInsteadOfSpinning) {
    Drop(0);
    EXPECT_EQ(shell.doEventsWhileFalling, 0);
    EXPECT_GT(shell.waitCalls, 0);
    EXPECT_LE(shell.waitCalls, 2 * 11);
    EXPECT_EQ(shell.sounds, std::vector<std::string>{"KLACK.WAV"});
}

TEST_F(FallingStone, AnimationOffDrawsAtOnceAndKeepsTheStatusText) {
    game.options().AnimationOn = false;
    Drop(4);
    EXPECT_TRUE(shell.frameTops.empty());
    EXPECT_TRUE(shell.statusTexts.empty());
    EXPECT_FALSE(shell.FallTimerEnabled());
    EXPECT_EQ(shell.waitCalls, 0);
    EXPECT_EQ(shell.CellsShowing(kHumanColour), std::vector<int>{39});
    EXPECT_EQ(shell.sounds, std::vector<std::string>{"KLACK.WAV"});
}

TEST_F(FallingStone, TickWithoutAFallingStoneDrawsNothing) {
    game.timFall_Timer();
    EXPECT_EQ(shell.board().pixels, shell.emptyBoard().pixels);
    EXPECT_FALSE(game.flags().DropRunning);
}

}  // namespace
}  // namespace tessora::test
