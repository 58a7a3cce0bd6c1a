#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace tessora {

PictureBox::PictureBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

}  // namespace tessora
