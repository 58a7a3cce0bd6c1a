#include <gtest/gtest.h>

#include "tests/core/support/GameFixture.h"

namespace tessora::test {
namespace {

struct ClickCase {
    float x;
    int16 code;
};

TEST(ColumnCodeFromClick, ColumnBoundariesAndCaps) {
    const ClickCase cases[] = {
        {0.0f, 150},
        {100.0f, 150},
        {149.0f, 150},
        {150.0f, 150},
        {1049.0f, 150},
        {1050.0f, 151},
        {1949.0f, 151},
        {1950.0f, 152},
        {5549.0f, 155},
        {5550.0f, 156},
        {6449.0f, 156},
        {6450.0f, 156},
        {6600.0f, 156},
        // The distance from 150 twips is rounded half to even before the division.
        {1048.5f, 150},
        {1049.5f, 151},
        {1050.5f, 151},
        {1948.5f, 151},
        {1949.5f, 152},
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(ColumnCodeFromClick(c.x), c.code) << "x = " << c.x;
    }
}

class BoardClick : public GameFixture {};

TEST_F(BoardClick, StoneLandsInTheClickedColumnsBottomCell) {
    const ClickCase cases[] = {{0.0f, 150},    {149.0f, 150},  {1049.0f, 150}, {1050.0f, 151},
                               {5549.0f, 155}, {5550.0f, 156}, {6600.0f, 156}};
    for (const ClickCase& c : cases) {
        StartGame();
        chooser.columns = {0};  // the computer passes, so only the human's stone is placed
        game.picSpielfeld_MouseUp(1, 0, c.x, kClickY);
        const int cell = c.code - kFirstColumnCode + 35;
        EXPECT_EQ(game.state().Cells[cell], kHuman) << "x = " << c.x;
        EXPECT_EQ(CountStones(game.state()), 1) << "x = " << c.x;
    }
}

TEST_F(BoardClick, ClicksOutsideTheBoardAreIgnored) {
    const float outside[][2] = {
        {-1.0f, kClickY}, {6601.0f, kClickY}, {600.0f, -1.0f}, {600.0f, 5176.0f}, {-0.5f, -0.5f}};
    for (const auto& point : outside) {
        StartGame();
        game.picSpielfeld_MouseUp(1, 0, point[0], point[1]);
        EXPECT_EQ(CountStones(game.state()), 0) << point[0] << ", " << point[1];
        EXPECT_TRUE(shell.pointers.empty());
        EXPECT_EQ(chooser.calls, 0);
    }
    // The board's own edges still count as inside.
    StartGame();
    game.picSpielfeld_MouseUp(1, 0, 6600.0f, 5175.0f);
    EXPECT_EQ(game.state().Cells[41], kHuman);
}

TEST_F(BoardClick, StonesStackUpAndTheSixthFillsTheColumn) {
    StartGame();
    chooser.columns = {152, 152, 152};
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(game.state().ColumnState[2], kColumnOpen);
        Click(2);
        EXPECT_EQ(game.state().Cells[37 - 14 * round], kHuman) << "round " << round + 1;
        EXPECT_EQ(game.state().Cells[30 - 14 * round], kComputer) << "round " << round + 1;
    }
    EXPECT_EQ(game.state().Cells[2], kComputer);
    EXPECT_EQ(game.state().ColumnState[2], kColumnFull);
    EXPECT_EQ(game.state().ColumnState[6], kColumnOpen);
    EXPECT_EQ(game.state().FullColumnCount, 1);
    EXPECT_EQ(CountStones(game.state()), 6);
}

TEST_F(BoardClick, FullColumnIsRefusedWithTheSnoringMessage) {
    StartGame();
    Position(R"(
        x......
        o......
        x......
        o......
        x......
        o......)");
    shell.ClearRecords();
    Click(0);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Diese Spalte ist schon voll !");
    EXPECT_EQ(shell.boxes[0].title, "Aufwachen !");
    EXPECT_EQ(shell.boxes[0].style, 0x30);
    const std::vector<std::string> expected{"pointer:11",         "status hidden",
                                            "sound:SCHNARCH.WAV", "box:Aufwachen !",
                                            "status shown",       "pointer:0"};
    EXPECT_EQ(shell.log, expected);
    EXPECT_EQ(CountStones(game.state()), 6);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_FALSE(game.flags().ClickBusy);
}

TEST_F(BoardClick, PointerIsTheHourglassUntilTheComputersTurnHasEnded) {
    StartGame();
    Click(3);
    ASSERT_FALSE(shell.pointers.empty());
    EXPECT_EQ(shell.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(shell.pointers.back(), Pointer::Default);
    EXPECT_EQ(CountStones(game.state()), 2);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
}

// Counts the stones after a second click made at the moment the condition first holds.
class RefusedClick : public GameFixture {
  protected:
    void ClickWhen(std::function<bool()> condition) {
        shell.AtFirstYieldWhere(std::move(condition), [this] {
            stonesBefore = CountStones(game.state());
            Click(6);
            stonesAfter = CountStones(game.state());
            clicked = true;
        });
    }
    bool clicked = false;
    int stonesBefore = -1;
    int stonesAfter = -1;
};

TEST_F(RefusedClick, WhileTheHumansStoneFalls) {
    game.options().AnimationOn = true;
    StartGame();
    ClickWhen([this] { return game.flags().DropRunning; });
    Click(0);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(stonesAfter, stonesBefore);
    EXPECT_EQ(game.state().Cells[41], 0);
    EXPECT_EQ(CountStones(game.state()), 2);
}

TEST_F(RefusedClick, WhileTheComputerChooses) {
    chooser.yieldsPerMove = 3;
    StartGame();
    ClickWhen([this] { return game.flags().ComputerThinking; });
    Click(0);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(stonesAfter, stonesBefore);
    EXPECT_EQ(CountStones(game.state()), 2);
    EXPECT_EQ(game.state().Cells[41], 0);
}

TEST_F(RefusedClick, WhileAnEarlierClickIsHandled) {
    StartGame();
    // The first yield is the landing search of the first click.
    shell.AtYield(1, [this] {
        Click(6);
        clicked = true;
    });
    Click(0);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(game.state().Cells[41], 0);
    EXPECT_EQ(CountStones(game.state()), 2);
}

// A computer opening started by the new-game button runs without ClickBusy. Between the
// landing of its stone and the end of its turn the status line still shows the falling text and
// no stone falls; the click is refused all the same.
TEST_F(RefusedClick, AfterTheComputersStoneLandedBeforeItsTurnEnds) {
    game.options().AnimationOn = true;
    ClickWhen([this] {
        return game.flags().ComputerThinking && !game.flags().DropRunning &&
               CountStones(game.state()) == 1 &&
               shell.StatusText() == game.texts().StatusStoneFalling;
    });
    shell.computerBegins = true;
    game.NewGame();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(CountStones(game.state()), 1);
    EXPECT_EQ(game.state().Cells[41], 0);
    EXPECT_EQ(game.state().PlayerToMove, kHuman);
}

}  // namespace
}  // namespace tessora::test
