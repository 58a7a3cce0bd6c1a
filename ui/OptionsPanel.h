#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QRadioButton;

namespace tessora {

class ZoomedFrame;
class ZoomedOption;

// The options panel picOptionen: the frames "Wer beginnt ?" (optAnfangSp 1 "Spieler",
// 2 "Computer") and "Spielstärke :" (optStaerke 1 "Anfänger", 3 "Experte", 4 "Profi") over a
// background tiled with the panel's tile picture.
class OptionsPanel : public QWidget {
    Q_OBJECT

  public:
    // The panel's size in twips.
    static constexpr int kWidthTwips = 1815;
    static constexpr int kHeightTwips = 3375;

    explicit OptionsPanel(QWidget* parent = nullptr);
    ~OptionsPanel() override;

    // Covers the panel with copies of tile from its top-left corner on.
    void TileBackground(const QImage& tile);

    // Shows the panel `scale` times its layout size: frames, option buttons, their lettering
    // and their round marks alike.
    void SetLayoutScale(double scale);

    // By their window indexes: optAnfangSp 1..2, optStaerke 1, 3 and 4 (there is no 2).
    QRadioButton* optAnfangSp(int index) const;
    QRadioButton* optStaerke(int index) const;

  signals:
    // An option button became selected (by click or keyboard).
    void optAnfangSp_Click(int index);
    void optStaerke_Click(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ZoomedFrame* MakeFrame(const QString& caption);
    ZoomedOption* MakeOption(ZoomedFrame* frame, const QString& caption);

    QImage background_;
    ZoomedFrame* frAnfang_ = nullptr;
    ZoomedFrame* frSpielstaerke_ = nullptr;
    std::array<ZoomedOption*, 3> anfang_{};   // index 1..2
    std::array<ZoomedOption*, 5> staerke_{};  // by strength: 1, 3 and 4
};

}  // namespace tessora
