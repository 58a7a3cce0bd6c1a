#include "core/LineFinder.h"

namespace tessora {

FoundLine FindLine(const std::array<int16, kCellCount>& cells, int16 player) {
    FoundLine found;
    for (const LineScan& scan : kFullScanOrder) {
        const bool seen = ForEachWindow(scan, [&](const Window& window) {
            if (!WindowHolds(cells, window, player)) return false;
            found = FoundLine{scan.direction, window.Cells()};
            return true;
        });
        if (seen) break;
    }
    return found;
}

}  // namespace tessora
