#pragma once

#include <array>

#include "ai/GridCell.h"

namespace tessora {

// Four-cell windows P0..P3 along a row or a diagonal holding two stones of one colour and two
// empty cells. For an empty cell E the other empty cell is O: playing E leaves O to complete.

// Step from one window cell to the next, and the start cells, of each direction.
struct TwoStoneDirection {
    Cell step;
    CellRange starts;
};
constexpr TwoStoneDirection kAlongRow{{0, 1}, kRowWindowStarts};
constexpr TwoStoneDirection kDownRight{{1, 1}, kDownRightWindowStarts};
constexpr TwoStoneDirection kDownLeft{{1, -1}, kDownLeftWindowStarts};

// Fixed points of the two rules, the same in every scan.
constexpr int kUnderEmptyPenalty = 2;  // taken from AttackScore below an unplayable cell
constexpr int kLowerOwnThreatPoints = 7;
constexpr int kOtherSideThreatPoints = 7;  // the other side's threat at or below O, once

// The two scans that differ from the common rules.
enum class TwoStoneQuirk {
    None,
    UpperBonusGrowsWithStartRow,  // the upper-threat bonus of E2 is its base plus the start row
    AvoidUnderFoeThreatBelowO,    // rule U for E2 also marks AvoidMark when a foe threat is below O
};

// The points of one empty position.
struct EmptyCellBonus {
    int newThreat;  // O is not yet a threat of the examined colour
    int stacked;    // own pass: the own threat directly above O
    int lower;      // opponent pass: the foe threat directly below O
    int upper;      // opponent pass: the foe threat directly above O
};

struct TwoStoneScan {
    int number;
    TwoStoneDirection direction;
    int stoneA;  // window positions of the two stones
    int stoneB;
    std::array<int, 2> empty;  // E1, E2
    std::array<EmptyCellBonus, 2> bonus;
    TwoStoneQuirk quirk;
};

// clang-format off
constexpr std::array<TwoStoneScan, 18> kTwoStoneScans{{
    //  #  direction   stones  E1 E2   E1: new stacked lower upper   E2: new stacked lower upper
    { 1, kAlongRow,   0, 3, {1, 2}, {{{1, 32,  7,  7}, {1, 32, 7,  7}}}, TwoStoneQuirk::None},
    { 2, kAlongRow,   0, 1, {2, 3}, {{{2, 32,  7,  7}, {2, 32, 7, 10}}}, TwoStoneQuirk::UpperBonusGrowsWithStartRow},
    { 3, kAlongRow,   2, 3, {0, 1}, {{{2, 32, 11,  7}, {2, 32, 7,  7}}}, TwoStoneQuirk::None},
    { 4, kAlongRow,   0, 2, {1, 3}, {{{2, 32,  7,  7}, {2, 32, 7,  7}}}, TwoStoneQuirk::None},
    { 5, kAlongRow,   1, 3, {0, 2}, {{{2, 32,  7,  7}, {2, 32, 7,  7}}}, TwoStoneQuirk::None},
    { 6, kAlongRow,   1, 2, {3, 0}, {{{3, 32,  7,  7}, {3, 32, 7,  7}}}, TwoStoneQuirk::None},
    { 7, kDownRight,  0, 3, {1, 2}, {{{2,  7,  7,  7}, {2,  7, 7,  7}}}, TwoStoneQuirk::None},
    { 8, kDownRight,  2, 3, {0, 1}, {{{2,  7,  7,  7}, {2,  7, 7,  7}}}, TwoStoneQuirk::None},
    { 9, kDownRight,  0, 1, {2, 3}, {{{2,  7,  7,  7}, {1, 10, 7,  7}}}, TwoStoneQuirk::None},
    {10, kDownRight,  1, 3, {0, 2}, {{{2,  8,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {11, kDownRight,  1, 2, {3, 0}, {{{2,  7,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {12, kDownRight,  0, 2, {1, 3}, {{{2,  7,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {13, kDownLeft,   1, 2, {0, 3}, {{{2,  7,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {14, kDownLeft,   2, 3, {1, 0}, {{{2,  7,  7,  7}, {2,  7, 7,  7}}}, TwoStoneQuirk::AvoidUnderFoeThreatBelowO},
    {15, kDownLeft,   0, 1, {2, 3}, {{{2,  7, 11,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {16, kDownLeft,   1, 3, {0, 2}, {{{2, 14,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {17, kDownLeft,   0, 2, {1, 3}, {{{2, 14,  7,  7}, {1,  7, 7,  7}}}, TwoStoneQuirk::None},
    {18, kDownLeft,   0, 3, {1, 2}, {{{2,  7,  7,  7}, {2,  7, 7,  7}}}, TwoStoneQuirk::None},
}};
// clang-format on

}  // namespace tessora
