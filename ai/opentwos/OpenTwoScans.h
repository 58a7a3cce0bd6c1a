#pragma once

#include <array>

#include "ai/GridCell.h"

namespace tessora {

// Five-cell windows W0..W4 holding two stones of one side and three empty cells: the scans
// reward the empty cell that turns the two into an open three.
constexpr int kOpenTwoWindowLength = 5;

// Points for a playable target cell, before the open-ends bonus.
constexpr int kOpenTwoTargetPoints = 10;

// Step from one window cell to the next.
constexpr Cell kStepDownLeft{1, -1};
constexpr Cell kStepDownRight{1, 1};
constexpr Cell kStepAlongRow{0, 1};

// Start cells of the scans.
constexpr CellRange kRightEdgeDiagonals{{1, 2}, {5, 7}};
constexpr CellRange kLeftEdgeDiagonals{{1, 2}, {1, 3}};
constexpr CellRange kAllRows{{1, 6}, {1, 3}};

// When the opponent's target earns its points.
enum class FoeTargetRule {
    Plain,               // always
    NotUnderOwnThreat,   // not when the computer's threat cell sits directly above it
    NotBesideSideShape,  // not in start rows 3 and 4 next to an opponent side shape
};

struct OpenTwoScan {
    int number;
    Cell direction;
    int stoneA;  // window positions of the two stones
    int stoneB;
    int target;         // window position of the cell that makes the open three
    int openEndsBonus;  // extra points when W0 and W4 are playable too
    FoeTargetRule foeTarget;
    bool hasEndCells;  // W4 and W0 earn points of their own on every match
    int ownEndPoints;
    int foeEndPoints;
    bool ownEndGuard;  // own end cells skip a cell with the own threat cell directly above
    CellRange starts;
};

// clang-format off
constexpr std::array<OpenTwoScan, 9> kOpenTwoScans{{
    // #  direction       stones  T  bonus  opponent target                      ends  own foe guard  starts
    {1, kStepDownLeft,   1, 3,  2, 22, FoeTargetRule::Plain,              true,  5, 5, true,  kRightEdgeDiagonals},
    {2, kStepDownLeft,   1, 2,  3, 22, FoeTargetRule::NotUnderOwnThreat,  false, 0, 0, false, kRightEdgeDiagonals},
    {3, kStepDownLeft,   2, 3,  1, 22, FoeTargetRule::NotUnderOwnThreat,  false, 0, 0, false, kRightEdgeDiagonals},
    {4, kStepDownRight,  1, 3,  2, 22, FoeTargetRule::Plain,              true,  5, 5, true,  kLeftEdgeDiagonals},
    {5, kStepDownRight,  1, 2,  3, 22, FoeTargetRule::NotUnderOwnThreat,  false, 0, 0, false, kLeftEdgeDiagonals},
    {6, kStepDownRight,  2, 3,  1, 22, FoeTargetRule::NotUnderOwnThreat,  false, 0, 0, false, kLeftEdgeDiagonals},
    {7, kStepAlongRow,   1, 3,  2, 22, FoeTargetRule::NotBesideSideShape, true,  5, 8, false, kAllRows},
    {8, kStepAlongRow,   1, 2,  3, 32, FoeTargetRule::Plain,              false, 0, 0, false, kAllRows},
    {9, kStepAlongRow,   2, 3,  1, 22, FoeTargetRule::Plain,              false, 0, 0, false, kAllRows},
}};
// clang-format on

}  // namespace tessora
