#include "core/Game.h"
#include "core/LineFinder.h"

namespace tessora {

namespace {
// A found line is shown with the highlight stone for 21 pauses.
constexpr int kHighlightPauses = 21;
}  // namespace

void Game::CheckFour(int16 owner) {
    flags_.FourFound = false;
    for (const LineScan& scan : kFullScanOrder) {
        ForEachWindow(scan, [&](const Window& window) {
            if (!WindowHolds(state_.Cells, window, state_.PlayerToMove)) {
                shell_.DoEvents();
                return false;
            }
            ShowLine(owner, window, scan.direction);
            return true;
        });
        if (flags_.FourFound) return;
    }
}

void Game::ShowLine(int16 owner, const Window& window, LineDirection direction) {
    const std::array<int, 4> cells = window.Cells();
    DrawLine(cells, static_cast<int>(Picture::HighlightStone));
    for (int k = 0; k < kHighlightPauses; ++k)
        Pause();
    flags_.FourFound = true;
    // A new game set up during the pauses (possible during the human's move, where it is not
    // deferred) owns the board now: the old line is neither drawn again nor announced, and no
    // second new game follows.
    if (state_.GameRestarted != 0) return;
    DrawLine(cells, state_.PlayerToMove);
    switch (direction) {
        case LineDirection::Horizontal:
            ShowHorizontalResult(owner);
            break;
        case LineDirection::Vertical:
            ShowVerticalResult(owner);
            break;
        case LineDirection::Diagonal:
        case LineDirection::None:
            ShowDiagonalResult(owner);
            break;
    }
}

void Game::DrawLine(const std::array<int, 4>& cells, int picture) {
    for (int cell : cells)
        SteinSetzen(cell, picture);
}

void Game::AnnounceLine(int16 owner, const std::string& wonText, const std::string& lostText) {
    shell_.SetMousePointer(Pointer::Default);
    shell_.SetStatusVisible(false);
    if (owner == CodeComputer) {
        shell_.PlaySound(Sound::Lachen);
        shell_.MessageBox(lostText, texts_.TitleLost, mb::kOkExclamation);
    } else {
        shell_.PlaySound(Sound::Klatschn);
        shell_.MessageBox(wonText, texts_.TitleWon, mb::kOkExclamation);
    }
    shell_.SetStatusVisible(true);
    NewGame();
}

void Game::ShowHorizontalResult(int16 owner) {
    AnnounceLine(owner, texts_.WonHorizontal, texts_.LostHorizontal);
}

void Game::ShowVerticalResult(int16 owner) {
    AnnounceLine(owner, texts_.WonVertical, texts_.LostVertical);
}

void Game::ShowDiagonalResult(int16 owner) {
    AnnounceLine(owner, texts_.WonDiagonal, texts_.LostDiagonal);
}

void Game::ShowDraw() {
    // An ending program announces nothing; the last stone may still fill the board.
    if (programEnded_) return;
    shell_.SetStatusVisible(false);
    shell_.PlaySound(Sound::Remis);
    shell_.MessageBox(texts_.Draw, texts_.TitleDraw, mb::kOkExclamation);
    shell_.SetStatusVisible(true);
    NewGame();
}

}  // namespace tessora
