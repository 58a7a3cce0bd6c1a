#pragma once

#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "ai/Workspace.h"
#include "platform/Random.h"
#include "tests/support/DrawnBoard.h"

namespace tessora::test {

// Short names of the computer player's grids, for tables of marks and scores.
inline constexpr GridId kAttack = GridId::AttackScore;
inline constexpr GridId kDefence = GridId::DefenceScore;
inline constexpr GridId kOwn = GridId::OwnThreat;
inline constexpr GridId kFoe = GridId::FoeThreat;
inline constexpr GridId kForbidden = GridId::ForbiddenMark;
inline constexpr GridId kAvoid = GridId::AvoidMark;
inline constexpr GridId kCaution = GridId::CautionMark;
inline constexpr GridId kDoubt = GridId::DoubtMark;

// A mark to set in one of the computer player's grids.
struct GridMark {
    GridId grid;
    int row;
    int column;
};

// A drawn position, the draws the computer player will make, and its workspace on them: the
// bench for the tests of a single scan or choice. The workspace's yields are counted.
struct WorkspaceBench {
    explicit WorkspaceBench(std::string_view board = kEmptyBoard, std::vector<double> draws = {0.5})
        : state(PositionFromText(board)), random(std::move(draws)), ws(state, random, hook) {}

    void Mark(GridId grid, int row, int column) { ws.mark(ws.grids().get(grid), row, column); }
    void Apply(const std::vector<GridMark>& marks) {
        for (const GridMark& mark : marks)
            Mark(mark.grid, mark.row, mark.column);
    }
    // The column a column code names (150 is column 1), or 0 for no column.
    static int Column(int16 code) { return code == 0 ? 0 : code - 149; }

    int yields = 0;
    YieldHook hook{[](void* count) { ++*static_cast<int*>(count); }, &yields};
    GameState state;
    ScriptedRandom random;
    Workspace ws;
};

// Grid cells that are not 0, by (row, column).
using CellValues = std::map<std::pair<int, int>, int>;

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
