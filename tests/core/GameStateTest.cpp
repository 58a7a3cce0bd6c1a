#include <gtest/gtest.h>

#include "core/GameState.h"

namespace tessora {
namespace {

TEST(BuildBoard, MapsCornersAndIsRelativeToTheSideToMove) {
    GameState state;
    SetBoardFloor(state.board);
    state.Cells[0] = kHuman;
    state.Cells[6] = kComputer;
    state.Cells[35] = kHuman;
    state.Cells[41] = kComputer;
    state.PlayerToMove = kComputer;
    BuildBoard(state);
    EXPECT_EQ(state.board.at(1, 1), 2);
    EXPECT_EQ(state.board.at(1, 7), 1);
    EXPECT_EQ(state.board.at(6, 1), 2);
    EXPECT_EQ(state.board.at(6, 7), 1);
    EXPECT_EQ(state.board.at(7, 4), kFloor);
    EXPECT_EQ(state.board.at(8, 7), kFloor);
    EXPECT_EQ(state.SideCode, 1);
}

}  // namespace
}  // namespace tessora

namespace tessora {
namespace {

TEST(BuildBoard, WithTheHumanToMoveHumanStonesAreOne) {
    GameState state;
    state.Cells[38] = kHuman;
    state.Cells[31] = kComputer;
    state.PlayerToMove = kHuman;
    BuildBoard(state);
    EXPECT_EQ(state.board.at(6, 4), 1);
    EXPECT_EQ(state.board.at(5, 4), 2);
}

// Empty cells are not written: a stale value stays until the caller clears the rows.
TEST(BuildBoard, WritesOnlyOccupiedCells) {
    GameState state;
    state.board.set(3, 3, 2);
    state.Cells[0] = kComputer;
    state.PlayerToMove = kComputer;
    BuildBoard(state);
    EXPECT_EQ(state.board.at(1, 1), 1);
    EXPECT_EQ(state.board.at(3, 3), 2);
    EXPECT_EQ(state.board.at(1, 2), 0);
}

TEST(Board, ClearingThePlayingRowsKeepsTheFloor) {
    Board board;
    SetBoardFloor(board);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c)
            board.set(r, c, 1);
    }
    board.ClearRows(6);
    for (int c = 1; c <= 7; ++c) {
        for (int r = 1; r <= 6; ++r)
            EXPECT_EQ(board.at(r, c), 0);
        EXPECT_EQ(board.at(7, c), kFloor);
        EXPECT_EQ(board.at(8, c), kFloor);
    }
}

}  // namespace
}  // namespace tessora
