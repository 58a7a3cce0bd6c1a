#pragma once

#include <array>

#include "core/GameState.h"
#include "core/LineWindows.h"

namespace tessora {

// A line of four found in Cells: its direction and its cells in the order the full scan
// tests them.
struct FoundLine {
    LineDirection direction = LineDirection::None;
    std::array<int, 4> cells{};
};

// Looks for four cells equal to player in the full scan's order without yielding; the first
// line found is the one reported.
FoundLine FindLine(const std::array<int16, kCellCount>& cells, int16 player);

}  // namespace tessora
