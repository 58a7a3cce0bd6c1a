#include "core/Game.h"

namespace tessora {

Game::Game(Shell& shell, MoveChooser& chooser)
    : shell_(shell), chooser_(chooser), texts_(tessora::InitSprache()) {}

void Game::InitSprache() {
    texts_ = tessora::InitSprache();
}

}  // namespace tessora
