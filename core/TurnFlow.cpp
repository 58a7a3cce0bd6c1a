#include <algorithm>
#include <cmath>

#include "core/BoardGeometry.h"
#include "core/Game.h"
#include "core/Position.h"

namespace tessora {

namespace {
// One pause lasts at least this long.
constexpr double kPauseSeconds = 0.0111;
// The time of day starts again from 0 at midnight.
constexpr double kSecondsPerDay = 86400;
// The computer's stone waits this many pauses before it falls.
constexpr int kComputerDropPauses = 15;
// Longest single wait for the falling stone; its timer ticks wake the wait earlier.
constexpr int kFallWaitMilliseconds = 20;
}  // namespace

void Game::NewGame() {
    if (programEnded_) return;
    if (flags_.DropRunning || flags_.ComputerThinking) {
        flags_.NewGamePending = true;
        return;
    }
    flags_.NewGamePending = false;
    state_.GameRestarted = 1;
    shell_.RestoreBoardPicture();
    shell_.SetStatusText(texts_.StatusHumanToMove);
    // Empty Cells and Board rows, the floor, every column open; MoveCount back to 0, and
    // FullColumnCount too, which still counted the old position.
    SetUpEmptyPosition(state_);

    if (shell_.ComputerBegins()) {
        state_.PlayerToMove = kComputer;
        ComputerMove();
        state_.GameRestarted = 1;
    } else {
        state_.PlayerToMove = kHuman;
        shell_.SetMousePointer(Pointer::Default);
    }
}

void Game::DropStone(int16 code) {
    shell_.RefreshWindow();
    const int16 player = state_.PlayerToMove;
    if (player != kHuman && player != kComputer) return;
    if (!IsColumnCode(code)) return;
    const int top = ColumnOfCode(code);
    if (state_.Cells[top] != 0) return;

    // Landing search: walk down the column, one yield per free cell.
    int landing = top;
    // The cells of rows 1 to 5 lie 7, 14, ... 35 cells below the column's top cell.
    for (int i = top + kCellsDown; i < kCellCount; i += kCellsDown) {
        if (state_.Cells[i] != 0 || state_.GameRestarted != 0) break;
        landing = i;
        shell_.DoEvents();
        if (state_.GameRestarted == 1) break;
    }
    // A new game set up while the search yielded owns the board now: this stone is dropped
    // from a finished game and must neither be stored nor drawn.
    if (state_.GameRestarted != 0) return;

    state_.Cells[landing] = player;
    if (state_.options.AnimationOn) StartDropAnimation(landing);

    for (;;) {
        if (flags_.DropRunning) {
            shell_.WaitForEvents(kFallWaitMilliseconds);
        } else {
            shell_.DoEvents();
        }
        if (flags_.NewGamePending || programEnded_) {
            shell_.SetFallTimerEnabled(false);
            flags_.DropRunning = false;
            flags_.NewGamePending = false;
            NewGame();
            return;
        }
        if (!flags_.DropRunning) break;
    }
    // A new game that ran in full while this loop yielded (say from a question box, inside
    // which the fall timer carried the stone to its cell) owns the board now: the stone
    // belongs to the old game and is neither heard nor drawn.
    if (state_.GameRestarted != 0) return;

    shell_.PlaySound(Sound::Klack);
    SteinSetzen(landing, player);
}

void Game::EndProgram() {
    programEnded_ = true;
    // As after a new game: the landing search, the drop, the hand-over to the computer and the
    // line display all stop at their next step.
    state_.GameRestarted = 1;
}

void Game::SteinSetzen(int cell, int picture) {
    if (programEnded_) return;
    if (cell < 0 || cell >= kCellCount) return;
    if (picture < static_cast<int>(Picture::HumanStone) ||
        picture > static_cast<int>(Picture::HighlightStone)) {
        return;
    }
    const PixelView stone = shell_.Surface(static_cast<Picture>(picture));
    const PixelView mask = shell_.Surface(Picture::StoneMask);
    const PixelView board = shell_.Surface(Picture::Board);
    const int widthTwips = TwipsFromPixels(stone.width);
    const int heightTwips = TwipsFromPixels(stone.height);
    const int x = PixelsFromTwips(CellLeftTwips(cell, widthTwips));
    const int y = PixelsFromTwips(CellTopTwips(cell, heightTwips));
    const int w = PixelsFromTwips(widthTwips);
    const int h = PixelsFromTwips(heightTwips);
    // The mask whitens the stone's area, then the stone is ANDed into it: the stone's white
    // surround leaves the board as it was.
    BitBlt(board, x, y, w, h, mask, 0, 0, RasterOp::MergePaint);
    BitBlt(board, x, y, w, h, stone, 0, 0, RasterOp::SrcAnd);
    shell_.RefreshBoard();
}

void Game::ComputerDropPause(int16 code) {
    if (!IsColumnCode(code)) return;
    if (state_.ColumnState[ColumnOfCode(code)] != kColumnOpen) return;
    for (int k = 0; k < kComputerDropPauses; ++k) {
        if (flags_.NewGamePending) return;
        Pause();
    }
}

void Game::Pause() {
    // An ending program waits for nothing.
    if (programEnded_) return;
    const double start = shell_.Timer();
    for (;;) {
        double elapsed = shell_.Timer() - start;
        // Past midnight the time of day starts again from 0.
        if (elapsed < 0) elapsed += kSecondsPerDay;
        if (elapsed >= kPauseSeconds) return;
        const double remainingMs = (kPauseSeconds - elapsed) * 1000.0;
        shell_.WaitForEvents(std::max(1, static_cast<int>(std::ceil(remainingMs))));
    }
}

}  // namespace tessora
