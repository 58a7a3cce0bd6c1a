#include <gtest/gtest.h>

#include <string>

#include "tools/engine/Position.h"

namespace tessora::engine {
namespace {

// 42 stones, the human first, with no line for either side at any point.
constexpr const char* kDrawnGame = "225344533673453576212645522737771141641166";

int Cell(int row, int column) {
    return row * kColumnCount + column;
}

TEST(BuildComputerPosition, StacksTheStonesAlternatelyFromTheFirstPlayer) {
    GameState state;
    std::string error;
    ASSERT_TRUE(BuildComputerPosition("4453", FirstPlayer::Computer, 4, state, error)) << error;
    EXPECT_EQ(state.Cells[Cell(5, 3)], kComputer);
    EXPECT_EQ(state.Cells[Cell(4, 3)], kHuman);
    EXPECT_EQ(state.Cells[Cell(5, 4)], kComputer);
    EXPECT_EQ(state.Cells[Cell(5, 2)], kHuman);
    EXPECT_EQ(state.Cells[Cell(3, 3)], 0);
    EXPECT_EQ(state.PlayerToMove, kComputer);
    EXPECT_EQ(state.options.Strength, 4);
    EXPECT_EQ(state.board.at(7, 1), kFloor);
    EXPECT_EQ(state.board.at(8, 7), kFloor);
}

// MoveCount is twice the computer's moves including the one about to be chosen.
TEST(BuildComputerPosition, DerivesMoveCountFromTheComputersStones) {
    struct Case {
        const char* moves;
        FirstPlayer first;
        int moveCount;
    };
    const Case cases[] = {
        {"", FirstPlayer::Computer, 2},     {"4", FirstPlayer::Human, 2},
        {"44", FirstPlayer::Computer, 4},   {"445", FirstPlayer::Human, 4},
        {"4453", FirstPlayer::Computer, 6}, {"44533", FirstPlayer::Human, 6},
        {"4453321", FirstPlayer::Human, 8},
    };
    for (const Case& c : cases) {
        GameState state;
        std::string error;
        ASSERT_TRUE(BuildComputerPosition(c.moves, c.first, 3, state, error)) << c.moves << error;
        EXPECT_EQ(state.MoveCount, c.moveCount) << c.moves;
    }
}

TEST(BuildComputerPosition, MarksFullColumnsAndCountsThem) {
    GameState state;
    std::string error;
    // Column 1 full (alternating, no line), one stone in column 2.
    ASSERT_TRUE(BuildComputerPosition("1111112", FirstPlayer::Human, 3, state, error)) << error;
    EXPECT_EQ(state.ColumnState[0], kColumnFull);
    EXPECT_EQ(state.ColumnState[1], kColumnOpen);
    EXPECT_EQ(state.FullColumnCount, 1);

    // All but the last stone of a drawn game: one column is left open.
    const std::string fortyOne = std::string(kDrawnGame).substr(0, 41);
    ASSERT_TRUE(BuildComputerPosition(fortyOne, FirstPlayer::Human, 3, state, error)) << error;
    EXPECT_EQ(state.FullColumnCount, 6);
    EXPECT_EQ(state.ColumnState[kDrawnGame[41] - '1'], kColumnOpen);
    EXPECT_EQ(state.MoveCount, 42);
}

TEST(BuildComputerPosition, RefusesPositionsTheComputerCannotMoveIn) {
    struct Case {
        std::string moves;
        FirstPlayer first;
        const char* messagePart;
    };
    const Case cases[] = {
        {"1111111", FirstPlayer::Human, "stone 7 (column 1) goes into a full column"},
        {"1212121", FirstPlayer::Human, "gives the human a vertical line"},
        {"56655665344", FirstPlayer::Computer, "stone 11 (column 4) gives the computer a diagonal"},
        // A line ends the game even when more stones follow it.
        {"5665566534412", FirstPlayer::Computer, "stone 11 (column 4) gives the computer"},
        {"1122334", FirstPlayer::Human, "gives the human a horizontal line"},
        {kDrawnGame, FirstPlayer::Computer, "the board is full"},
        {"", FirstPlayer::Human, "the human is to move after 0 stones"},
        {"4", FirstPlayer::Computer, "the human is to move after 1 stones"},
    };
    for (const Case& c : cases) {
        GameState state;
        std::string error;
        EXPECT_FALSE(BuildComputerPosition(c.moves, c.first, 3, state, error)) << c.moves;
        EXPECT_NE(error.find(c.messagePart), std::string::npos)
            << c.moves << ": " << error << "\n  expected: " << c.messagePart;
    }
}

}  // namespace
}  // namespace tessora::engine
