#pragma once

#include <QPoint>
#include <QRect>
#include <algorithm>

namespace tessora {

// The top-left corner that puts something of `size` in the middle of `around`, as the windows of
// the game are centred: left = (width - its width) / 2, top likewise.
inline QPoint CentredIn(const QRect& around, QSize size) {
    return around.topLeft() +
           QPoint((around.width() - size.width()) / 2, (around.height() - size.height()) / 2);
}

// The same, moved as little as needed to lie within `room` where it fits, and never above or
// left of it.
inline QPoint CentredIn(const QRect& around, QSize size, const QRect& room) {
    const QPoint centred = CentredIn(around, size);
    const auto within = [](int at, int length, int first, int roomLength) {
        return std::max(first, std::min(at, first + roomLength - length));
    };
    return QPoint(within(centred.x(), size.width(), room.left(), room.width()),
                  within(centred.y(), size.height(), room.top(), room.height()));
}

}  // namespace tessora
