#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "core/Game.h"
#include "tests/core/support/FakeShell.h"
#include "tests/core/support/ScriptedChooser.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::test {

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

    // Sets the position drawn in the tests' board notation (tests/support/DrawnBoard.h).
    void Position(std::string_view text) { SetCells(game.state(), text); }

    const MessageTexts& texts() const { return game.texts(); }

    FakeShell shell;
    ScriptedChooser chooser;
    Game game{shell, chooser};
};

}  // namespace tessora::test
