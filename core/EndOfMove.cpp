#include "core/Game.h"
#include "core/Position.h"

namespace tessora {

namespace {
// The quick test's four scans, on Board rows 1..6 (Cells rows 0..5); the floor rows 7 and 8 are
// never part of a line.
constexpr std::array<LineScan, 4> kQuickScans{{
    // Rows 1 to 6, start columns 1 to 4.
    {LineDirection::Horizontal, {0, 35, kCellsDown}, {0, 3, 1}, kCellsRight},
    // Columns 1 to 7, start rows 1 to 3.
    {LineDirection::Vertical, {0, 6, 1}, {0, 14, kCellsDown}, kCellsDown},
    // Down to the right: start rows 1 to 3, start columns 1 to 4.
    {LineDirection::Diagonal, {0, 14, kCellsDown}, {0, 3, 1}, kCellsDownRight},
    // Up to the right: start rows 6 down to 4, start columns 1 to 4.
    {LineDirection::Diagonal, {35, 21, -kCellsDown}, {0, 3, 1}, kCellsUpRight},
}};
static_assert(WindowsStayOnBoard(kQuickScans));

// All four cells of the window hold the side to move (1) on Board.
bool SideToMoveHolds(const Board& board, const Window& window) {
    for (int cell : window.Cells()) {
        if (board.at(CellRow(cell) + 1, CellColumn(cell) + 1) != 1) return false;
    }
    return true;
}
}  // namespace

void Game::HasFourOnBoard(int16& result) {
    BuildBoard(state_);
    result = 0;
    for (const LineScan& scan : kQuickScans) {
        const Board& board = state_.board;
        if (ForEachWindow(scan, [&](const Window& w) { return SideToMoveHolds(board, w); })) {
            result = 1;
            return;
        }
    }
}

void Game::CheckAndPassTurn() {
    const int16 player = state_.PlayerToMove;
    int16 owner = 0;
    if (player == kComputer) {
        owner = CodeComputer;
    } else if (player == kHuman) {
        owner = CodeHuman;
    } else {
        return;
    }
    int16 result = 0;
    HasFourOnBoard(result);
    if (result == 1) CheckFour(owner);
    if (state_.GameRestarted == 0 && state_.PlayerToMove == player) {
        state_.PlayerToMove = player == kComputer ? kHuman : kComputer;
    }
}

void Game::CheckFullColumns() {
    state_.FullColumnCount = 0;
    for (int i = 0; i < kColumnCount; ++i) {
        CountIfFull(state_, i);
        shell_.DoEvents();
    }
    if (!flags_.FourFound && state_.FullColumnCount > kColumnCount - 1) ShowDraw();
}

}  // namespace tessora
