#include "ai/explain/Miniature.h"

#include <algorithm>

#include "ai/explain/AvoidedColumns.h"

namespace tessora::explain {

void FillMiniature(const Grids& grids, Explanation& out) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        // Cells has row 0 at the top, the grids row 1.
        const int row = CellRow(cell) + 1;
        const int column = CellColumn(cell) + 1;
        const auto index = static_cast<std::size_t>(cell);
        out.ratings[index] =
            std::max(grids.AttackScore.at(row, column), grids.DefenceScore.at(row, column));
        out.marks[index] = StrongestMark(grids, row, column);
    }
}

}  // namespace tessora::explain
