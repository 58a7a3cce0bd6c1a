#include "ui/accessibility/LastMoveTracker.h"

namespace tessora {

bool LastMoveTracker::Follow(const std::array<int16, kCellCount>& cells) {
    if (cells == position_) return false;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (position_[cell] != 0 && cells[cell] != position_[cell]) {
            lastMoves_ = {};
            position_ = {};
            lastCell_ = -1;
            break;
        }
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (position_[cell] != 0 || cells[cell] == 0) continue;
        const int column = CellColumn(cell);
        if (cells[cell] == kHuman) {
            lastMoves_.human = column;
        } else {
            lastMoves_.computer = column;
        }
        lastMoves_.lastSide = cells[cell];
        lastCell_ = cell;
    }
    position_ = cells;
    return true;
}

}  // namespace tessora
