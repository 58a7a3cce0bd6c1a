#include "ui/explain/HintMarker.h"

#include <QPainter>
#include <QPainterPath>

#include "core/BoardGeometry.h"
#include "ui/Twips.h"

namespace tessora {

namespace {
// The arrow's tip reaches this far into the board, above the top row's holes.
constexpr int kTipIntoBoard = 12;
}  // namespace

HintMarker::HintMarker(QWidget* playArea) : QWidget(playArea) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HintMarker::PointAt(int column, const QRect& board, double scale) {
    scale_ = scale;
    const int middle = board.left() + ColumnLeft(column) + kStoneSide / 2;
    const QRect place(
        QPoint(middle - kSize.width() / 2, board.top() + kTipIntoBoard - kSize.height()), kSize);
    PlaceScaled(this, place, scale);
    show();
    raise();
    update();
}

void HintMarker::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale_, scale_);
    QPainterPath arrow;
    arrow.moveTo(9, 1.5);
    arrow.lineTo(21, 1.5);
    arrow.lineTo(21, 10);
    arrow.lineTo(28, 10);
    arrow.lineTo(15, 22.5);
    arrow.lineTo(2, 10);
    arrow.lineTo(9, 10);
    arrow.closeSubpath();
    QLinearGradient gold(0, 0, 0, kSize.height());
    gold.setColorAt(0, QColor(255, 244, 190));
    gold.setColorAt(0.5, QColor(246, 181, 64));
    gold.setColorAt(1, QColor(214, 110, 10));
    painter.setPen(QPen(QColor(45, 14, 2), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(arrow);
}

}  // namespace tessora
