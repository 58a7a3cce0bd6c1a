#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <type_traits>

namespace tessora {

// A control that the style draws at its layout size and the painter enlarges: lines, round
// marks and lettering grow together and stay sharp, as they do when the whole screen is
// scaled. At the layout's own size it is the plain control. Control is QRadioButton or
// QGroupBox.
template <typename Control>
class Zoomed : public Control {
  public:
    using Control::Control;

    // Shown `zoom` times `layoutSize`; the control's own size is set by its parent.
    void SetZoom(double zoom, QSize layoutSize) {
        zoom_ = zoom;
        layoutSize_ = layoutSize;
        this->update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (zoom_ == 1) {
            Control::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(zoom_, zoom_);
        if constexpr (std::is_base_of_v<QRadioButton, Control>) {
            QStyleOptionButton option;
            this->initStyleOption(&option);
            option.rect = QRect(QPoint(), layoutSize_);
            painter.drawControl(QStyle::CE_RadioButton, option);
        } else {
            QStyleOptionGroupBox option;
            this->initStyleOption(&option);
            option.rect = QRect(QPoint(), layoutSize_);
            painter.drawComplexControl(QStyle::CC_GroupBox, option);
        }
    }

    double zoom_ = 1;
    QSize layoutSize_;
};

class ZoomedFrame : public Zoomed<QGroupBox> {
  public:
    using Zoomed::Zoomed;
};

class ZoomedOption : public Zoomed<QRadioButton> {
  public:
    using Zoomed::Zoomed;

  protected:
    // The whole enlarged control takes the click, as its lettering and mark do unenlarged.
    bool hitButton(const QPoint& position) const override {
        return zoom_ == 1 ? QRadioButton::hitButton(position) : rect().contains(position);
    }
};

}  // namespace tessora
