#include <cmath>

#include "core/BoardGeometry.h"
#include "core/Game.h"

namespace tessora {

namespace {
// The first column starts 150 twips in for the purpose of a click; columns are 900 twips wide.
constexpr double kClickOriginTwips = 150;
constexpr int kClickColumnTwips = 900;

// Rounds to the nearest whole number, halves to the even neighbour.
long RoundHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    long result = static_cast<long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}
}  // namespace

int16 ColumnCodeFromClick(float x) {
    const long distance = RoundHalfToEven(static_cast<double>(x) - kClickOriginTwips);
    // Integer division truncates toward zero, so clicks left of 150 twips still hit column 0.
    const long code = distance / kClickColumnTwips + kFirstColumnCode;
    return static_cast<int16>(code > kLastColumnCode ? kLastColumnCode : code);
}

void Game::picSpielfeld_MouseUp(int /*button*/, int /*shift*/, float x, float y) {
    if (flags_.DropRunning) return;
    // The computer's whole turn refuses clicks, also after its stone has landed while the
    // status line still shows the falling text.
    if (flags_.ComputerThinking || shell_.StatusText() == texts_.StatusComputerThinking) return;
    if (x < 0 || y < 0 || x > kBoardWidthTwips || y > kBoardHeightTwips) return;
    const int16 code = ColumnCodeFromClick(x);
    if (flags_.ClickBusy) return;
    flags_.ClickBusy = true;

    shell_.SetMousePointer(Pointer::Hourglass);
    state_.GameRestarted = 0;
    const int16 column = state_.ColumnState[ColumnOfCode(code)];
    if (column == kColumnOpen) {
        DropStone(code);
        CheckFour(CodeHuman);
        CheckFullColumns();
        if (state_.GameRestarted == 0) {
            state_.PlayerToMove = kComputer;
            ComputerMove();
        }
    } else if (column == kColumnFull) {
        shell_.SetStatusVisible(false);
        shell_.PlaySound(Sound::Schnarch);
        shell_.MessageBox(texts_.ColumnFull, texts_.TitleColumnFull, mb::kOkExclamation);
        shell_.SetStatusVisible(true);
    }

    shell_.SetMousePointer(Pointer::Default);
    flags_.ClickBusy = false;
}

}  // namespace tessora
