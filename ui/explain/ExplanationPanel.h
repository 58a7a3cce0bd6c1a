#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "core/Explanation.h"
#include "ui/DrawnButton.h"

class QLabel;
class QTextEdit;

namespace tessora {

class BoardMiniature;

// The panel "Erklärung" beside the play area, shown only when the game explains its moves:
// under its heading the column the computer played (or the hint's), why, in a few plain
// sentences with the largest contributions to the best cell, the columns the warnings ruled
// out and whether chance decided, the miniature of the board with the computer's rating of
// every cell, and the drawn button "Tipp". In the play area's look, over its tiles, drawn at
// the window's density.
class ExplanationPanel : public QWidget {
    Q_OBJECT

  public:
    ExplanationPanel(ButtonPressedFlag& buttonPressed, QWidget* parent);

    // Shown `scale` times its layout size, its pictures painted at `ratio` device pixels per
    // layout pixel with the play area's background tile.
    void SetLayoutScale(double scale);
    void SetPictures(double ratio, const QImage& tile);

    // The explanation of a move (or a hint) in the position `cells` it was chosen in.
    void Show(const Explanation& explanation, const std::array<int16, kCellCount>& cells);

    QLabel* headline() const { return headline_; }
    QTextEdit* text() const { return text_; }
    DrawnButton* tipp() const { return tipp_; }

  signals:
    void hintRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_ = 1;
    QImage background_;
    QLabel* headline_;
    QTextEdit* text_;
    BoardMiniature* miniature_;
    DrawnButton* tipp_;
};

}  // namespace tessora
