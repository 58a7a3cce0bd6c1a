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
    BuildBoard(state, CodeComputer);
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
