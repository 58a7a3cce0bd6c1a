#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "core/Game.h"
#include "tests/core/support/FakeShell.h"
#include "tests/core/support/ScriptedChooser.h"

namespace tessora::test {

// Puts a drawn position into Cells, top row first: 'x' = human stone, 'o' = computer stone,
// '.' = empty; blank lines and spaces are ignored. Column states and the full-column count
// agree with the drawing, as after the last move's check.
inline void SetCells(GameState& state, std::string_view text) {
    int cell = 0;
    for (char ch : text) {
        if (ch == ' ' || ch == '\n') continue;
        if (cell >= kCellCount) throw std::invalid_argument("board is 7 x 6");
        state.Cells[cell++] = ch == 'x' ? kHuman : ch == 'o' ? kComputer : 0;
        if (ch != 'x' && ch != 'o' && ch != '.') throw std::invalid_argument("cells are x, o, .");
    }
    if (cell != kCellCount) throw std::invalid_argument("board needs 42 cells");
    for (int i = 0; i + kColumnCount < kCellCount; ++i) {
        if (state.Cells[i] != 0 && state.Cells[i + kColumnCount] == 0) {
            throw std::invalid_argument("a stone floats");
        }
    }
    state.FullColumnCount = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        const bool full = state.Cells[c] != 0;
        state.ColumnState[c] = full ? kColumnFull : kColumnOpen;
        if (full) ++state.FullColumnCount;
    }
}

inline int StoneCount(const GameState& state) {
    int count = 0;
    for (int16 v : state.Cells)
        count += v != 0 ? 1 : 0;
    return count;
}

// A click in the middle of a column (0..6), in twips.
inline float ColumnCentreX(int column) {
    return 600.0f + 900.0f * static_cast<float>(column);
}
constexpr float kClickY = 2000.0f;

// A game on a fake window with a scripted computer player; StartGame runs its NewGame. The
// falling animation is off unless a test turns it on.
class GameFixture : public ::testing::Test {
  protected:
    GameFixture() {
        shell.Attach(game);
        game.InitSprache();
        game.options().AnimationOn = false;
    }

    void StartGame(bool computerBegins = false) {
        shell.computerBegins = computerBegins;
        game.NewGame();
        shell.ClearRecords();
    }

    void Click(int column) { game.picSpielfeld_MouseUp(1, 0, ColumnCentreX(column), kClickY); }

    // Sets the position drawn as for SetCells.
    void Position(std::string_view text) { SetCells(game.state(), text); }

    const MessageTexts& texts() const { return game.texts(); }

    FakeShell shell;
    ScriptedChooser chooser;
    Game game{shell, chooser};
};

}  // namespace tessora::test
