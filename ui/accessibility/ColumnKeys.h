#pragma once

#include <QChar>
#include <QPointF>
#include <optional>

namespace tessora {

// Keyboard play's column keys: "1" to "7" stand for the board's columns from left to right.
// Gives the board position, in twips inside the board, that the key clicks: the middle of its
// column's stones, halfway down the board. Nothing for any other key.
std::optional<QPointF> ColumnClickForKey(QChar key);

}  // namespace tessora
