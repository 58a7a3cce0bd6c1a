#include "ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/BoardGeometry.h"
#include "ui/PictureBox.h"

namespace tessora {

namespace {
int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}
}  // namespace

BoardView::BoardView(const QImage& board, QWidget* parent) : QWidget(parent), board_(board) {
    setFixedSize(LayoutSize(board_));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicture(painter, board_, event->rect());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    emit mouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(position.x() / scale_ * kTwipsPerPixel),
                 static_cast<float>(position.y() / scale_ * kTwipsPerPixel));
}

}  // namespace tessora
