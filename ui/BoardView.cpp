#include "ui/BoardView.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "core/BoardGeometry.h"
#include "ui/Pictures.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/accessibility/BoardDescription.h"
#include "ui/accessibility/FocusFrame.h"

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
    InstallAccessibleInterfaces();
    setAccessibleName(QCoreApplication::translate("Board", "Spielfeld"));
    setAccessibleDescription(BoardDescription(moves_.position(), moves_.lastMoves()));
}

void BoardView::SetKeyboardPlay(bool on) {
    keyboardPlay_ = on;
    SetKeyboardFocusable(*this, on);
}

bool BoardView::ShowPosition(const std::array<int16, kCellCount>& cells) {
    if (!moves_.Follow(cells)) return false;
    // Sends the description's change to assistive technology.
    setAccessibleDescription(BoardDescription(moves_.position(), moves_.lastMoves()));
    if (hasFocus() && moves_.lastCell() >= 0) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(moves_.lastCell());
        QAccessible::updateAccessibility(&focus);
        return true;
    }
    return false;
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicture(painter, board_, event->rect());
    if (keyboardPlay_ && hasFocus()) DrawFocusFrame(painter, rect());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    emit mouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(position.x() / scale_ * kTwipsPerPixel),
                 static_cast<float>(position.y() / scale_ * kTwipsPerPixel));
}

}  // namespace tessora
