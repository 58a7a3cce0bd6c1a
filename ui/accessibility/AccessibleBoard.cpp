#include "ui/accessibility/AccessibleBoard.h"

#include <QPointer>

#include "core/BoardGeometry.h"
#include "core/Game.h"
#include "ui/BoardView.h"
#include "ui/Twips.h"
#include "ui/accessibility/BoardDescription.h"

namespace tessora {

namespace {
// One cell of the board: its place (the column from the left, the cell from the bottom) and the
// stone in it.
class AccessibleCell : public QAccessibleInterface {
  public:
    AccessibleCell(BoardView* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        const int16 stone = board_->moves().position()[static_cast<size_t>(cell_)];
        return CellName(CellColumn(cell_) + 1, kRowCount - CellRow(cell_),
                        stone == 0 ? EmptyCellName() : StoneName(stone));
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focused = board_->hasFocus() && board_->moves().lastCell() == cell_;
        return state;
    }

    // The stone's place on the board (the cell geometry), on the screen.
    QRect rect() const override {
        const QRect place(ColumnLeft(CellColumn(cell_)), RowTop(CellRow(cell_)), kStoneSide,
                          kStoneSide);
        return Scaled(place, board_->layoutScale()).translated(board_->mapToGlobal(QPoint(0, 0)));
    }

  private:
    QPointer<BoardView> board_;
    int cell_;
};
}  // namespace

AccessibleBoard::AccessibleBoard(BoardView* board)
    : QAccessibleWidget(board, QAccessible::Canvas) {}

AccessibleBoard::~AccessibleBoard() {
    for (QAccessible::Id id : cells_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

int AccessibleBoard::childCount() const {
    return kCellCount;
}

QAccessibleInterface* AccessibleBoard::child(int index) const {
    if (index < 0 || index >= kCellCount) return nullptr;
    QAccessible::Id& id = cells_[static_cast<size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new AccessibleCell(static_cast<BoardView*>(widget()), index));
    }
    return QAccessible::accessibleInterface(id);
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < kCellCount; ++index) {
        const QAccessible::Id id = cells_[static_cast<size_t>(index)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return index;
    }
    return -1;
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const {
    for (int index = 0; index < kCellCount; ++index) {
        QAccessibleInterface* cell = child(index);
        if (cell->rect().contains(x, y)) return cell;
    }
    return nullptr;
}

}  // namespace tessora
