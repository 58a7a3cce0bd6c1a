#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "core/MoveChooser.h"

namespace tessora::test {

// A computer player for tests: it rebuilds the working board as the real one does, yields a
// given number of times, and answers the scripted column codes in order; with the script
// empty it takes the leftmost open column (0 when none is open).
class ScriptedChooser : public MoveChooser {
  public:
    std::deque<int16> columns;
    int yieldsPerMove = 0;
    // Called after the yields, before the answer.
    std::function<void()> whileChoosing;

    int calls = 0;
    std::vector<int16> moveCountsSeen;

    int16 ChooseColumn(GameState& state, YieldHook yield) override {
        ++calls;
        moveCountsSeen.push_back(state.MoveCount);
        state.board.ClearRows(kRowCount);
        BuildBoard(state);
        for (int k = 0; k < yieldsPerMove; ++k)
            yield();
        if (whileChoosing) whileChoosing();
        if (!columns.empty()) {
            const int16 code = columns.front();
            columns.pop_front();
            return code;
        }
        for (int c = 0; c < kColumnCount; ++c) {
            if (state.ColumnState[c] != kColumnFull)
                return static_cast<int16>(kFirstColumnCode + c);
        }
        return 0;
    }
};

}  // namespace tessora::test
