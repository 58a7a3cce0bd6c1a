#include "core/Game.h"

namespace tessora {

namespace {
// Cell steps of the four line directions in Cells.
constexpr int kStepRight = 1;
constexpr int kStepDown = 7;
constexpr int kStepDownRight = 8;
constexpr int kStepDownLeft = 6;
// Every horizontal start column scans rows 0..5: its last start cell is 35 cells further.
constexpr int kRowsSpan = 35;
// Vertical lines start in the top three rows.
constexpr int kLastVerticalStart = 20;
// A found line is shown with the highlight stone for 21 pauses.
constexpr int kHighlightPauses = 21;
constexpr int kHighlightPicture = 3;
}  // namespace

void Game::CheckFour(int16 owner) {
    flags_.FourFound = false;
    for (int s = 0; s <= 3; ++s) {
        CheckHorizontal(owner, s, s + kRowsSpan);
        if (flags_.FourFound) return;
    }
    CheckVertical(owner);
    if (flags_.FourFound) return;
    for (int r = 0; r <= 14; r += kColumnCount) {
        CheckDiagonalDown(owner, r, r + 3);
        if (flags_.FourFound) return;
        CheckDiagonalUp(owner, r + 3, r + 6);
        if (flags_.FourFound) return;
    }
}

void Game::CheckHorizontal(int16 owner, int firstCell, int lastCell) {
    for (int i = firstCell; i <= lastCell; i += kStepDown) {
        if (FindAndShowLine(owner, i, kStepRight, &Game::ShowHorizontalResult)) return;
    }
}

void Game::CheckVertical(int16 owner) {
    for (int i = 0; i <= kLastVerticalStart; ++i) {
        if (FindAndShowLine(owner, i, kStepDown, &Game::ShowVerticalResult)) return;
    }
}

void Game::CheckDiagonalDown(int16 owner, int firstCell, int lastCell) {
    for (int i = firstCell; i <= lastCell; ++i) {
        if (FindAndShowLine(owner, i, kStepDownRight, &Game::ShowDiagonalResult)) return;
    }
}

void Game::CheckDiagonalUp(int16 owner, int firstCell, int lastCell) {
    for (int i = firstCell; i <= lastCell; ++i) {
        if (FindAndShowLine(owner, i, kStepDownLeft, &Game::ShowDiagonalResult)) return;
    }
}

bool Game::FindAndShowLine(int16 owner, int first, int step, ResultAnnouncement announce) {
    const std::array<int, 4> cells{first, first + step, first + 2 * step, first + 3 * step};
    for (int cell : cells) {
        if (cell < 0 || cell >= kCellCount || state_.Cells[cell] != state_.PlayerToMove) {
            shell_.DoEvents();
            return false;
        }
    }
    DrawLine(cells, kHighlightPicture);
    for (int k = 0; k < kHighlightPauses; ++k)
        Pause();
    DrawLine(cells, state_.PlayerToMove);
    flags_.FourFound = true;
    (this->*announce)(owner);
    return true;
}

void Game::DrawLine(const std::array<int, 4>& cells, int picture) {
    for (int cell : cells)
        SteinSetzen(cell, picture);
}

void Game::AnnounceLine(int16 owner, const std::string& wonText, const std::string& lostText) {
    shell_.SetMousePointer(Pointer::Default);
    shell_.SetStatusVisible(false);
    if (owner == CodeComputer) {
        shell_.PlaySound("LACHEN.WAV");
        shell_.MessageBox(lostText, texts_.TitleLost, mb::kOkExclamation);
    } else {
        shell_.PlaySound("KLATSCHN.WAV");
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
    shell_.SetStatusVisible(false);
    shell_.PlaySound("REMIS.WAV");
    shell_.MessageBox(texts_.Draw, texts_.TitleDraw, mb::kOkExclamation);
    shell_.SetStatusVisible(true);
    NewGame();
}

}  // namespace tessora
