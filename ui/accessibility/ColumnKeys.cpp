#include "ui/accessibility/ColumnKeys.h"

#include "core/Game.h"
#include "core/PictureGeometry.h"

namespace tessora {

std::optional<QPointF> ColumnClickForKey(QChar key) {
    const int column = key.digitValue() - 1;
    if (column < 0 || column >= kColumnCount) return std::nullopt;
    // The stones of a column lie a gap plus a stone width further right than those of the
    // column before it (the board's cell geometry).
    const int left = (column + 1) * kColumnGapTwips + column * kStoneTwips;
    return QPointF(left + kStoneTwips / 2.0, kBoardHeightTwips / 2.0);
}

}  // namespace tessora
