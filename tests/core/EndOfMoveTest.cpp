#include <gtest/gtest.h>

#include "tests/core/support/GameFixture.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::test {
namespace {

class QuickTest : public GameFixture {
  protected:
    // Runs the quick test with the computer to move: its stones ('x') are the side to move.
    int16 HasFour(std::string_view drawing) {
        game.state() = PositionFromText(drawing);
        int16 result = -1;
        game.HasFourOnBoard(result);
        return result;
    }
};

TEST_F(QuickTest, FindsLinesOfTheSideToMoveOnly) {
    struct Case {
        const char* name;
        const char* position;
        int16 result;
    };
    const Case cases[] = {
        {"empty", ".......\n.......\n.......\n.......\n.......\n.......", 0},
        {"horizontal at the right edge", ".......\n.......\n.......\n.......\n.......\n...xxxx", 1},
        {"horizontal in the top row", "xxxx...\nooox...\nxxoo...\noxoo...\nxoxo...\noxox...", 1},
        {"vertical at the bottom", ".......\n.......\n......x\n......x\n......x\n......x", 1},
        {"vertical at the top", "x......\nx......\nx......\nx......\no......\no......", 1},
        {"diagonal down to the right", "x......\nox.....\nxox....\nooox...\nxxox...\nooxo...", 1},
        {"diagonal up to the right from the corner",
         ".......\n.......\n...x...\n..xo...\n.xoo...\nxoox...", 1},
        {"diagonal up to the right at the top right",
         "...o..x\n...x.xo\n...oxxo\n...xoxo\n...oxox\n...xoxo", 1},
        {"three above the floor", ".......\n.......\n.......\n...x...\n...x...\n...x...", 0},
        {"the other side's line", ".......\n.......\n.......\n.......\n.......\noooo...", 0},
        {"broken lines", ".......\n.......\n.......\n.......\nx.x.x.x\nxx.xx.x", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasFour(c.position), c.result) << c.name;
}

class PassTurn : public GameFixture {};

TEST_F(PassTurn, SwitchesTheSideToMoveUnlessANewGameBegan) {
    struct Case {
        int16 player;
        int16 restarted;
        int16 after;
    };
    const Case cases[] = {{kComputer, 0, kHuman},
                          {kHuman, 0, kComputer},
                          {kComputer, 1, kComputer},
                          {0, 0, 0},
                          {3, 0, 3}};
    for (const Case& c : cases) {
        StartGame();
        Position(".......\n.......\n.......\n.......\n.......\nxo.....");
        game.state().PlayerToMove = c.player;
        game.state().GameRestarted = c.restarted;
        game.CheckAndPassTurn();
        EXPECT_EQ(game.state().PlayerToMove, c.after) << c.player << " " << c.restarted;
        EXPECT_TRUE(shell.boxes.empty());
    }
}

TEST_F(PassTurn, ComputersLineIsAnnouncedAsALoss) {
    StartGame();
    Position(".......\n.......\n.......\n.......\nooo....\nxxxx...");
    game.state().PlayerToMove = kComputer;
    game.state().GameRestarted = 0;
    game.CheckAndPassTurn();
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Niederlage");
    EXPECT_TRUE(game.flags().FourFound);
    // The new game has reset everything, so the side is not switched again.
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(CountStones(game.state()), 0);
}

class FullColumns : public GameFixture {};

TEST_F(FullColumns, AreMarkedAndCountedWithOneYieldPerColumn) {
    StartGame();
    Position(R"(
        x.o...x
        o.x...o
        x.o...x
        o.x...o
        x.o...x
        o.x...o)");
    game.state().ColumnState.fill(kColumnOpen);
    game.state().FullColumnCount = 5;
    shell.ClearRecords();
    game.CheckFullColumns();
    EXPECT_EQ(game.state().ColumnState, (std::array<int16, 7>{4, 1, 4, 1, 1, 1, 4}));
    EXPECT_EQ(game.state().FullColumnCount, 3);
    EXPECT_EQ(shell.doEventsCalls, 7);
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(FullColumns, FullBoardIsNoDrawWhenALineWasFound) {
    StartGame();
    Position(R"(
        ooxxoox
        xxooxxo
        ooxxoox
        xxooxxo
        ooxxoox
        xxooxxo)");
    game.flags().FourFound = true;
    game.CheckFullColumns();
    EXPECT_EQ(game.state().FullColumnCount, 7);
    EXPECT_TRUE(shell.boxes.empty());

    game.flags().FourFound = false;
    game.CheckFullColumns();
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Unentschieden");
    const std::vector<std::string> expected{"status hidden", "sound:REMIS.WAV", "box:Unentschieden",
                                            "status shown", "board restored"};
    EXPECT_EQ(std::vector<std::string>(shell.log.begin(), shell.log.begin() + 5), expected);
}

}  // namespace
}  // namespace tessora::test
