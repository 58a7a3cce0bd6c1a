#include "core/Game.h"

namespace tessora {

Game::Game(Shell& shell, MoveChooser& chooser)
    : shell_(shell), chooser_(chooser), texts_(tessora::InitSprache()) {}

void Game::InitSprache() {
    texts_ = tessora::InitSprache();
}

bool Game::WaitsForHuman() const {
    return !programEnded_ && !flags_.ClickBusy && !flags_.DropRunning && !flags_.ComputerThinking &&
           state_.PlayerToMove == kHuman && state_.FullColumnCount < kColumnCount;
}

void Game::SetDefaults() {
    flags_.NewGamePending = false;
    flags_.DropRunning = false;
    flags_.ComputerThinking = false;
    state_.options = Options{};
}

}  // namespace tessora
