#include "core/Game.h"

#include "core/PictureGeometry.h"

namespace tessora {

Game::Game(Shell& shell, MoveChooser& chooser)
    : shell_(shell), chooser_(chooser), texts_(tessora::InitSprache()) {}

void Game::InitSprache() {
    texts_ = tessora::InitSprache();
}

float Game::CellLeftTwips(int cell, int stoneWidthTwips) const {
    const int c = cell % kColumnCount;
    return static_cast<float>((c + 1) * kColumnGapTwips + c * stoneWidthTwips);
}

float Game::CellTopTwips(int cell, int stoneHeightTwips) const {
    const int r = cell / kColumnCount;
    return static_cast<float>((r + 1) * kRowGapTwips + r * stoneHeightTwips);
}

}  // namespace tessora
