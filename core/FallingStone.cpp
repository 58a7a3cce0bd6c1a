#include "core/BoardGeometry.h"
#include "core/Game.h"

namespace tessora {

namespace {
// The stone moves 450 twips (30 pixels) down per timer tick.
constexpr float kFallStepTwips = 450;

// The picture of the falling stone: the computer's stone for player 2, else the human's.
Picture StonePicture(int16 player) {
    return player == kComputer ? Picture::ComputerStone : Picture::HumanStone;
}
}  // namespace

void Game::StartDropAnimation(int cell) {
    if (cell < 0 || cell >= kCellCount) return;
    const PixelView stone = shell_.Surface(StonePicture(state_.PlayerToMove));
    shell_.SetStatusText(texts_.StatusStoneFalling);
    fall_.DropX = static_cast<float>(CellLeftTwips(cell, TwipsFromPixels(stone.width)));
    fall_.DropY = 0;
    fall_.DropTargetY = static_cast<int16>(CellTopTwips(cell, TwipsFromPixels(stone.height)));
    flags_.DropRunning = true;
    fall_.SavedX = 0;
    fall_.SavedY = 0;
    shell_.SetFallTimerEnabled(true);
}

void Game::timFall_Timer() {
    // A tick that arrives after the fall was stopped has nothing to draw.
    if (!flags_.DropRunning) return;
    const PixelView board = shell_.Surface(Picture::Board);
    const PixelView saved = shell_.Surface(Picture::SavedArea);
    const PixelView work = shell_.Surface(Picture::FrameWork);
    const PixelView column = shell_.Surface(Picture::Column);
    const PixelView mask = shell_.Surface(Picture::StoneMask);
    const PixelView stone = shell_.Surface(StonePicture(state_.PlayerToMove));
    const PixelView frameSize = shell_.Surface(Picture::HumanStone);
    const int w = frameSize.width;
    const int h = frameSize.height;
    const int x = PixelsFromTwips(fall_.DropX);
    const int y = PixelsFromTwips(fall_.DropY);

    // Erase the previous frame by putting back the board area saved under it.
    if (fall_.SavedX != 0 || fall_.SavedY != 0) {
        BitBlt(board, PixelsFromTwips(fall_.SavedX), PixelsFromTwips(fall_.SavedY), w, h, saved, 0,
               0, RasterOp::SrcCopy);
        fall_.SavedX = 0;
        fall_.SavedY = 0;
    }
    BitBlt(saved, 0, 0, w, h, board, x, y, RasterOp::SrcCopy);
    fall_.SavedX = fall_.DropX;
    fall_.SavedY = fall_.DropY;

    // Mask of the visible part: black only where the stone lies over a hole of the column.
    BitBlt(work, 0, 0, w, h, mask, 0, 0, RasterOp::SrcCopy);
    BitBlt(work, 0, 0, w, h, column, 0, y, RasterOp::MergePaint);
    BitBlt(board, x, y, w, h, work, 0, 0, RasterOp::MergePaint);
    // The stone with the parts behind the board's front turned white, ANDed into the hole.
    BitBlt(work, 0, 0, w, h, stone, 0, 0, RasterOp::SrcCopy);
    BitBlt(work, 0, 0, w, h, column, 0, y, RasterOp::MergePaint);
    BitBlt(board, x, y, w, h, work, 0, 0, RasterOp::SrcAnd);
    shell_.RefreshBoard();

    fall_.DropY += kFallStepTwips;
    if (fall_.DropY >= fall_.DropTargetY) {
        if (shell_.FallTimerEnabled()) {
            // One last frame exactly on the landing cell.
            fall_.DropY = fall_.DropTargetY;
            shell_.SetFallTimerEnabled(false);
            timFall_Timer();
        } else {
            flags_.DropRunning = false;
        }
    }
}

}  // namespace tessora
