#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <array>

#include "ui/artwork/Artwork.h"
#include "ui/artwork/Paint.h"

// The drawn buttons: rounded glossy blue plates with a light caption. The pressed look is
// darker, lit from below, without the gloss, and its caption sits one pixel lower right.
namespace tessora::artwork {

namespace {
constexpr QSize kPlate(110, 27);
constexpr int kExitWidth = 89;
constexpr double kCorner = 5.0;
constexpr int kCaptionSize = 12;

// The captions in German by ButtonId, marked for the translation tools in the context "Buttons".
constexpr std::array<const char*, 6> kCaptions{
    QT_TRANSLATE_NOOP("Buttons", "Neues Spiel"), QT_TRANSLATE_NOOP("Buttons", "Anleitung"),
    QT_TRANSLATE_NOOP("Buttons", "Info"),        QT_TRANSLATE_NOOP("Buttons", "Beenden"),
    QT_TRANSLATE_NOOP("Buttons", "Zurück"),      QT_TRANSLATE_NOOP("Buttons", "Tipp")};

void PaintPlate(QPainter& p, const QRectF& plate, bool pressed) {
    QPainterPath shape;
    shape.addRoundedRect(plate, kCorner, kCorner);
    QLinearGradient body(0, plate.top(), 0, plate.bottom());
    if (pressed) {
        body.setColorAt(0.0, QColor(14, 34, 92));
        body.setColorAt(1.0, QColor(36, 76, 170));
    } else {
        body.setColorAt(0.0, QColor(70, 124, 230));
        body.setColorAt(0.5, QColor(36, 82, 190));
        body.setColorAt(1.0, QColor(20, 50, 130));
    }
    p.setPen(QPen(QColor(6, 14, 40), 1.0));
    p.setBrush(body);
    p.drawPath(shape);

    // Inner rim: light along the top edge when raised, a shadow there when pressed.
    const QRectF inner = plate.adjusted(1, 1, -1, -1);
    QLinearGradient rim(0, inner.top(), 0, inner.bottom());
    rim.setColorAt(0.0, pressed ? QColor(0, 0, 20, 160) : QColor(190, 215, 255, 200));
    rim.setColorAt(0.5, QColor(0, 0, 0, 0));
    rim.setColorAt(1.0, pressed ? QColor(120, 160, 240, 120) : QColor(0, 0, 20, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.0));
    p.drawRoundedRect(inner, kCorner - 1, kCorner - 1);

    if (!pressed) {
        QLinearGradient gloss(0, inner.top(), 0, inner.center().y());
        gloss.setColorAt(0.0, QColor(255, 255, 255, 90));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 25));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        QRectF upper = inner.adjusted(1, 1, -1, 0);
        upper.setHeight(inner.height() / 2.0 - 1);
        p.drawRoundedRect(upper, kCorner - 2, kCorner - 2);
    }
}

void PaintCaption(QPainter& p, const QRectF& plate, const QString& text, bool pressed) {
    p.setFont(paint::ArtFont(kCaptionSize, true));
    const QRectF area = plate.translated(pressed ? 1.0 : 0.0, pressed ? 1.0 : 0.0);
    p.setPen(QColor(2, 8, 30, 200));
    p.drawText(area.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(pressed ? QColor(225, 215, 170) : QColor(255, 244, 200));
    p.drawText(area, Qt::AlignCenter, text);
}
}  // namespace

QString ButtonCaption(ButtonId id) {
    return QCoreApplication::translate("Buttons", kCaptions[static_cast<std::size_t>(id)]);
}

QImage Button(ButtonId id, bool pressed, double ratio) {
    const int width = id == ButtonId::Exit ? kExitWidth : kPlate.width();
    QImage image = paint::NewImage(width, kPlate.height(), paint::kBackdrop, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate(0.5, 0.5, width - 1.0, kPlate.height() - 1.0);
    PaintPlate(p, plate, pressed);
    PaintCaption(p, plate, ButtonCaption(id), pressed);
    return image;
}

}  // namespace tessora::artwork
