#pragma once

#include <QWidget>
#include <array>

#include "core/Explanation.h"

namespace tessora {

// The 7 x 6 miniature of the board in the explanation panel: the stones of the position the
// computer player looked at, and on every empty cell its rating (the larger of the cell's two
// scores) as a colour, darkest for nothing and warmest for the best, with the number, and its
// strongest warning mark; the chosen cell is outlined. Drawn in vector shapes, sharp at any
// size.
class BoardMiniature : public QWidget {
  public:
    // The miniature's size in layout pixels, a cell of 36 x 22 each.
    static constexpr int kCellWidth = 36;
    static constexpr int kCellHeight = 22;
    static constexpr QSize kSize{kColumnCount * kCellWidth, kRowCount* kCellHeight};

    explicit BoardMiniature(QWidget* parent = nullptr);

    void SetLayoutScale(double scale);
    // Shows how explanation rated the cells of the position `cells`; without an explanation
    // (column 0) the miniature is empty.
    void Show(const Explanation& explanation, const std::array<int16, kCellCount>& cells);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_ = 1;
    std::array<int16, kCellCount> cells_{};
    std::array<int16, kCellCount> ratings_{};
    std::array<CellMark, kCellCount> marks_{};
    int chosenCell_ = -1;
};

}  // namespace tessora
