#pragma once

#include <map>
#include <string_view>
#include <utility>

#include "ai/Workspace.h"
#include "platform/Random.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::test {

// Grid cells that are not 0, by (row, column).
using CellValues = std::map<std::pair<int, int>, int>;

inline void CountYield(void* context) {
    ++*static_cast<int*>(context);
}

// A position drawn in the tests' board notation (tests/support/DrawnBoard.h) with a workspace
// over it that counts its yields.
struct Scene {
    explicit Scene(std::string_view text) : state(PositionFromText(text)) {}

    GameState state;
    ScriptedRandom random{{0.5}};
    int yields = 0;
    Workspace ws{state, random, YieldHook{&CountYield, &yields}};
};

// Every cell of the grid's row range that is not 0.
inline CellValues NonZero(const Grid& grid) {
    CellValues values;
    for (int row = grid.firstRow(); row <= grid.lastRow(); ++row) {
        for (int column = 1; column <= kColumnCount; ++column) {
            if (grid.at(row, column) != 0) values[{row, column}] = grid.at(row, column);
        }
    }
    return values;
}

}  // namespace tessora::test
