#pragma once

#include "core/GameState.h"

namespace tessora {

// Called by long computations to let the window stay responsive. A null hook does nothing.
struct YieldHook {
    void (*function)(void* context) = nullptr;
    void* context = nullptr;

    void operator()() const {
        if (function != nullptr) function(context);
    }
};

// The computer player as the turn flow sees it: the part of the computer's move between the
// status text and the drop. It clears and rebuilds the working board, runs its stages and
// returns a column code (150..156), or 0 when no column is open.
class MoveChooser {
  public:
    virtual ~MoveChooser() = default;
    virtual int16 ChooseColumn(GameState& state, YieldHook yield) = 0;
};

}  // namespace tessora
