#include "core/Game.h"
#include "core/Position.h"

namespace tessora {

namespace {
// The computer player yields through this hook, so the window keeps handling events.
void LetWindowEventsRun(void* shell) {
    static_cast<Shell*>(shell)->DoEvents();
}
}  // namespace

void Game::ComputerMove() {
    flags_.ComputerThinking = true;
    shell_.SetStatusText(texts_.StatusComputerThinking);
    BeginComputerMove(state_);

    const int16 code = chooser_.ChooseColumn(state_, YieldHook{&LetWindowEventsRun, &shell_});

    // With no open column there is nothing to drop; the turn still ends normally.
    if (IsColumnCode(code)) {
        ComputerDropPause(code);
        DropStone(code);
        CheckAndPassTurn();
        if (state_.GameRestarted == 0) CheckFullColumns();
    }

    shell_.SetMousePointer(Pointer::Default);
    shell_.SetStatusText(texts_.StatusHumanToMove);
    flags_.ComputerThinking = false;
    if (flags_.NewGamePending) NewGame();
}

}  // namespace tessora
