#include "core/LineFinder.h"

namespace tessora {

namespace {
bool AllEqual(const std::array<int16, kCellCount>& cells, int16 player, int first, int step) {
    for (int k = 0; k < 4; ++k) {
        if (cells[first + k * step] != player) return false;
    }
    return true;
}

FoundLine Line(LineDirection direction, int first, int step) {
    return FoundLine{direction, {first, first + step, first + 2 * step, first + 3 * step}};
}
}  // namespace

FoundLine FindLine(const std::array<int16, kCellCount>& cells, int16 player) {
    for (int s = 0; s <= 3; ++s) {
        for (int i = s; i <= s + 35; i += 7) {
            if (AllEqual(cells, player, i, 1)) return Line(LineDirection::Horizontal, i, 1);
        }
    }
    for (int i = 0; i <= 20; ++i) {
        if (AllEqual(cells, player, i, 7)) return Line(LineDirection::Vertical, i, 7);
    }
    for (int r = 0; r <= 14; r += 7) {
        for (int i = r; i <= r + 3; ++i) {
            if (AllEqual(cells, player, i, 8)) return Line(LineDirection::Diagonal, i, 8);
        }
        for (int i = r + 3; i <= r + 6; ++i) {
            if (AllEqual(cells, player, i, 6)) return Line(LineDirection::Diagonal, i, 6);
        }
    }
    return FoundLine{};
}

}  // namespace tessora
