#pragma once

#include <QAccessibleWidget>
#include <array>

#include "core/GameState.h"

namespace tessora {

class BoardView;

// The board for assistive technology: a canvas named "Spielfeld" with the position as its
// description, holding its 42 cells (row by row from the top left) as children named by their
// place and stone, such as "Spalte 4, Feld 1 von unten: Computer". The cell of the stone that
// landed last is the board's focused child while the board has the focus, so that a screen reader
// following the focus speaks every move as it lands.
class AccessibleBoard : public QAccessibleWidget {
  public:
    explicit AccessibleBoard(BoardView* board);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  protected:
    ~AccessibleBoard() override;

  private:
    // The cells' interfaces, made when first asked for; 0 for one not made yet.
    mutable std::array<QAccessible::Id, kCellCount> cells_{};
};

}  // namespace tessora
