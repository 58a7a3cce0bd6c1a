#pragma once

#include <QWidget>

namespace tessora {

// The hint's marker above the board: a gold arrow that points down into the column the hint
// names. A picture of its own over the play area, so the board and its stones stay as the game
// drew them; it goes as soon as a stone lands or a new game begins.
class HintMarker : public QWidget {
  public:
    // Its size in layout pixels.
    static constexpr QSize kSize{30, 24};

    explicit HintMarker(QWidget* playArea);

    // Over column 0..6 of the board whose layout rectangle is `board`, at `scale`.
    void PointAt(int column, const QRect& board, double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_ = 1;
};

}  // namespace tessora
