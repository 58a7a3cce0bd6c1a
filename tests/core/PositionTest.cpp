#include <gtest/gtest.h>

#include <string>

#include "core/Position.h"

namespace tessora {
namespace {

// 42 stones, the human first, with no line for either side at any point.
constexpr const char* kDrawnGame = "225344533673453576212645522737771141641166";
// 42 stones whose last one completes a line for the second player.
constexpr const char* kLastStoneWins = "242436417642466154675732125513352675117337";

// Plays every move from an empty board, the human first; the outcome of the last stone.
StoneOutcome PlayAll(GameState& state, const std::string& moves) {
    SetUpEmptyPosition(state);
    const MovesOutcome played = PlayMoves(state, moves, kHuman);
    EXPECT_EQ(played.played, static_cast<int>(moves.size())) << moves;
    return played.last;
}

TEST(PlaceStone, DeclaresADrawOnlyWhenTheLastStoneMakesNoLine) {
    GameState state;
    const StoneOutcome drawn = PlayAll(state, kDrawnGame);
    EXPECT_TRUE(drawn.draw);
    EXPECT_EQ(drawn.line, LineDirection::None);
    EXPECT_EQ(state.FullColumnCount, 7);

    const StoneOutcome won = PlayAll(state, kLastStoneWins);
    EXPECT_FALSE(won.draw);
    EXPECT_NE(won.line, LineDirection::None);
    EXPECT_TRUE(won.GameOver());
}

TEST(PlaceStone, NamesTheDirectionTheGamesScanFindsFirst) {
    struct Case {
        const char* moves;
        LineDirection line;
    };
    const Case cases[] = {
        {"1122334", LineDirection::Horizontal},
        {"1212121", LineDirection::Vertical},
        {"5665566534", LineDirection::None},
        {"56655665344", LineDirection::Diagonal},
        // The last stone completes a diagonal and a row: rows are scanned first.
        {"544653264551253", LineDirection::Horizontal},
        // The last stone completes a diagonal and a column: columns come before diagonals.
        {"244423542335172", LineDirection::Vertical},
    };
    for (const Case& c : cases) {
        GameState state;
        EXPECT_EQ(PlayAll(state, c.moves).line, c.line) << c.moves;
    }
}

int Cell(int row, int column) {
    return row * kColumnCount + column;
}

TEST(BuildPosition, StacksTheStonesAlternatelyFromTheFirstPlayer) {
    GameState state;
    std::string error;
    ASSERT_TRUE(BuildPosition("4453", kComputer, kComputer, 4, state, error)) << error;
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

// MoveCount is twice the computer's moves, the one about to be chosen included when the
// computer is to move.
TEST(BuildPosition, DerivesMoveCountFromTheComputersStones) {
    struct Case {
        const char* moves;
        int16 first;
        int16 toMove;
        int moveCount;
    };
    const Case cases[] = {
        {"", kComputer, kComputer, 2},     {"4", kHuman, kComputer, 2},
        {"44", kComputer, kComputer, 4},   {"445", kHuman, kComputer, 4},
        {"4453", kComputer, kComputer, 6}, {"44533", kHuman, kComputer, 6},
        {"4453321", kHuman, kComputer, 8}, {"", kHuman, kHuman, 0},
        {"4", kComputer, kHuman, 2},       {"4453", kHuman, kHuman, 4},
        {"44533", kComputer, kHuman, 6},
    };
    for (const Case& c : cases) {
        GameState state;
        std::string error;
        ASSERT_TRUE(BuildPosition(c.moves, c.first, c.toMove, 3, state, error)) << c.moves << error;
        EXPECT_EQ(state.MoveCount, c.moveCount) << c.moves;
        EXPECT_EQ(state.PlayerToMove, c.toMove) << c.moves;
    }
}

TEST(BuildPosition, MarksFullColumnsAndCountsThem) {
    GameState state;
    std::string error;
    // Column 1 full (alternating, no line), one stone in column 2.
    ASSERT_TRUE(BuildPosition("1111112", kHuman, kComputer, 3, state, error)) << error;
    EXPECT_EQ(state.ColumnState[0], kColumnFull);
    EXPECT_EQ(state.ColumnState[1], kColumnOpen);
    EXPECT_EQ(state.FullColumnCount, 1);

    // All but the last stone of a drawn game: one column is left open.
    const std::string fortyOne = std::string(kDrawnGame).substr(0, 41);
    ASSERT_TRUE(BuildPosition(fortyOne, kHuman, kComputer, 3, state, error)) << error;
    EXPECT_EQ(state.FullColumnCount, 6);
    EXPECT_EQ(state.ColumnState[kDrawnGame[41] - '1'], kColumnOpen);
    EXPECT_EQ(state.MoveCount, 42);
}

TEST(BuildPosition, RefusesPositionsTheSideCannotMoveIn) {
    struct Case {
        std::string moves;
        int16 first;
        int16 toMove;
        const char* messagePart;
    };
    const Case cases[] = {
        {"1111111", kHuman, kComputer, "stone 7 (column 1) goes into a full column"},
        {"1212121", kHuman, kComputer, "gives the human a vertical line"},
        {"56655665344", kComputer, kComputer, "stone 11 (column 4) gives the computer a diagonal"},
        // A line ends the game even when more stones follow it.
        {"5665566534412", kComputer, kComputer, "stone 11 (column 4) gives the computer"},
        {"1122334", kHuman, kComputer, "gives the human a horizontal line"},
        {kDrawnGame, kComputer, kComputer, "the board is full"},
        {"", kHuman, kComputer, "the human is to move after 0 stones"},
        {"4", kComputer, kComputer, "the human is to move after 1 stones"},
        {"4", kHuman, kHuman,
         "the computer is to move after 1 stones with the human beginning; the human must be"},
        {"1212121", kHuman, kHuman, "gives the human a vertical line"},
    };
    for (const Case& c : cases) {
        GameState state;
        std::string error;
        EXPECT_FALSE(BuildPosition(c.moves, c.first, c.toMove, 3, state, error)) << c.moves;
        EXPECT_NE(error.find(c.messagePart), std::string::npos)
            << c.moves << ": " << error << "\n  expected: " << c.messagePart;
    }
}

}  // namespace
}  // namespace tessora
