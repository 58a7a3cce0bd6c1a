#pragma once

#include <QImage>
#include <QWidget>

namespace tessora {

// The board picture box picSpielfeld: shows the board picture the game draws on and reports
// mouse releases in twips.
class BoardView : public QWidget {
    Q_OBJECT

  public:
    // board must outlive the view; it is read on every repaint.
    explicit BoardView(const QImage& board, QWidget* parent = nullptr);

    // The board is shown `scale` times its layout size (its window's play area is enlarged);
    // releases are reported in the layout's twips all the same.
    void SetLayoutScale(double scale) { scale_ = scale; }

  signals:
    // button and shift are the window codes (left 1, right 2, middle 4; Shift 1, Ctrl 2, Alt 4);
    // x and y are twips inside the board.
    void mouseUp(int button, int shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const QImage& board_;
    double scale_ = 1;
};

}  // namespace tessora
