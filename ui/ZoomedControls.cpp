#include "ui/ZoomedControls.h"

#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace tessora {

void ZoomedOption::SetZoom(double zoom, QSize layoutSize) {
    zoom_ = zoom;
    layoutSize_ = layoutSize;
    update();
}

void ZoomedOption::paintEvent(QPaintEvent* event) {
    if (zoom_ == 1) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(zoom_, zoom_);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), layoutSize_);
    painter.drawControl(QStyle::CE_RadioButton, option);
}

bool ZoomedOption::hitButton(const QPoint& position) const {
    return zoom_ == 1 ? QRadioButton::hitButton(position) : rect().contains(position);
}

void ZoomedFrame::SetZoom(double zoom, QSize layoutSize) {
    zoom_ = zoom;
    layoutSize_ = layoutSize;
    update();
}

void ZoomedFrame::paintEvent(QPaintEvent* event) {
    if (zoom_ == 1) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(zoom_, zoom_);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), layoutSize_);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace tessora
