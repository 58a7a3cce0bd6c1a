#include "ui/explain/BoardMiniature.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "platform/qt/InterfaceFont.h"

namespace tessora {

namespace {
// The miniature's colours: the scale runs from the slate of an unrated cell to the gold of the
// best one, between the dark grid; the stones are the board's; the marks red, orange and grey.
struct MiniatureColours {
    QRgb unrated, best, grid, humanStone, computerStone, forbidden, avoided, warned;
};
constexpr MiniatureColours kColour{0xFF222B3F, 0xFFF6B540, 0xFF0B1020, 0xFFD1120D,
                                   0xFFFABF0D, 0xFFFF4B3E, 0xFFFF9A2E, 0xFFB8C4D8};
constexpr int kNumberPixels = 10;

QColor Between(QRgb from, QRgb to, double t) {
    const QColor a(from);
    const QColor b(to);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A warning mark in a cell's top-right corner: a cross for a forbidden cell, a ring for one the
// player avoids, a dot for the weaker warnings.
void DrawMark(QPainter& painter, const QRectF& cell, CellMark mark) {
    const QPointF corner = cell.topRight() + QPointF(-5, 5);
    switch (mark) {
        case CellMark::Forbidden:
            painter.setPen(QPen(QColor(kColour.forbidden), 1.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(corner + QPointF(-3, -3), corner + QPointF(3, 3));
            painter.drawLine(corner + QPointF(3, -3), corner + QPointF(-3, 3));
            break;
        case CellMark::Avoid:
            painter.setPen(QPen(QColor(kColour.avoided), 1.4));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(corner, 2.8, 2.8);
            break;
        case CellMark::Caution:
        case CellMark::Doubt:
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(kColour.warned));
            painter.drawEllipse(corner, mark == CellMark::Caution ? 2.0 : 1.3,
                                mark == CellMark::Caution ? 2.0 : 1.3);
            break;
        case CellMark::None:
            break;
    }
}
}  // namespace

BoardMiniature::BoardMiniature(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QCoreApplication::translate("Explanation panel", "Bewertung der Felder"));
}

void BoardMiniature::SetLayoutScale(double scale) {
    scale_ = scale;
    update();
}

void BoardMiniature::Show(const Explanation& explanation,
                          const std::array<int16, kCellCount>& cells) {
    cells_ = cells;
    if (explanation.column == 0) {
        ratings_ = {};
        marks_ = {};
        chosenCell_ = -1;
    } else {
        ratings_ = explanation.ratings;
        marks_ = explanation.marks;
        chosenCell_ = explanation.chosenCell;
    }
    update();
}

void BoardMiniature::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale_, scale_);
    painter.fillRect(QRect(QPoint(), kSize), QColor(kColour.grid));
    painter.setFont(InterfaceFont(kNumberPixels, true));
    const int best = std::max<int>(1, *std::max_element(ratings_.begin(), ratings_.end()));
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QRectF place(CellColumn(cell) * kCellWidth + 1, CellRow(cell) * kCellHeight + 1,
                           kCellWidth - 2, kCellHeight - 2);
        if (cells_[cell] != 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(kColour.unrated));
            painter.drawRoundedRect(place, 3, 3);
            painter.setBrush(
                QColor(cells_[cell] == kHuman ? kColour.humanStone : kColour.computerStone));
            painter.drawEllipse(place.center(), 7.5, 7.5);
            continue;
        }
        const int rating = ratings_[cell];
        const double share = std::clamp(static_cast<double>(rating) / best, 0.0, 1.0);
        const QColor fill = Between(kColour.unrated, kColour.best, share);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(place, 3, 3);
        if (rating != 0) {
            painter.setPen(fill.lightnessF() > 0.55 ? QColor(kColour.grid) : QColor(Qt::white));
            painter.drawText(place, Qt::AlignCenter, QString::number(rating));
        }
        DrawMark(painter, place, marks_[cell]);
    }
    if (chosenCell_ >= 0) {
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(CellColumn(chosenCell_) * kCellWidth + 1, CellRow(chosenCell_) * kCellHeight + 1,
                   kCellWidth - 2, kCellHeight - 2),
            3, 3);
    }
}

}  // namespace tessora
