#include "ui/accessibility/ColumnKeys.h"

#include "core/BoardGeometry.h"

namespace tessora {

std::optional<QPointF> ColumnClickForKey(QChar key) {
    const int column = key.digitValue() - 1;
    if (column < 0 || column >= kColumnCount) return std::nullopt;
    // The middle of the column's stones (the board's cell geometry), halfway down the board.
    const int left = CellLeftTwips(column, kStoneSideTwips);
    return QPointF(left + kStoneSideTwips / 2.0, kBoardHeightTwips / 2.0);
}

}  // namespace tessora
