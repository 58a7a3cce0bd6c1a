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

}  // namespace
}  // namespace tessora
